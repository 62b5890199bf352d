#include "ui/schriften.h"

#include "platform/zeichensatz.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>

#include <algorithm>

namespace tastwerk::ui {

QFont gespeicherteSchriftart(const std::string& nameCp1252, int punkte, std::uint8_t stil) {
    QFont schrift(QString::fromStdString(cp1252ZuUtf8(nameCp1252)));
    schrift.setPointSize(std::max(1, punkte));
    if (stil <= 3) {
        schrift.setWeight(stil == 1 || stil == 3 ? QFont::Bold : QFont::Normal);
        schrift.setItalic(stil >= 2);
    }
    return schrift;
}

QFont dialogVorgabe(const QFont& gespeichert) {
    QFont vorgabe(gespeichert);
    const QFontInfo info(gespeichert);
    vorgabe.setFamily(info.family());
    // The style by the name the font database gives it: the dialog looks its style up by name, and
    // with Qt's texts in German it would look for "Fett" among "Bold", "Italic", ... and take the first.
    vorgabe.setStyleName(info.styleName());
    return vorgabe;
}

QString zuSpeichernderName(const QFont& gewaehlt, const QFont& gespeichert) {
    const QString familie = gewaehlt.family();
    if (familie == QFontInfo(gespeichert).family()) {
        return gespeichert.family();
    }
    return familie;
}

Schriftwahl alsSchriftwahl(const QFont& gewaehlt, const QString& familie) {
    Schriftwahl wahl;
    wahl.name = familie.toStdString();
    wahl.punkte = gewaehlt.pointSizeF();
    wahl.pixel = gewaehlt.pixelSize();
    wahl.fett = gewaehlt.weight() >= QFont::DemiBold;
    wahl.kursiv = gewaehlt.italic();
    return wahl;
}

QFont schriftDesTextes(const Sitzung& sitzung, Schrifttext text, double dpi) {
    const auto k = static_cast<std::size_t>(text);
    return gespeicherteSchriftart(sitzung.schriftarten[k],
                                  angezeigteSchriftgroesse(sitzung.schriftgroessen[k], dpi),
                                  gespeicherterSchriftstil(sitzung, text));
}

bool schriftWaehlenUndSpeichern(Sitzung& sitzung, Schrifttext text, double dpi, const Schriftdialog& waehlen,
                                QWidget* eltern) {
    const QFont bisher = schriftDesTextes(sitzung, text, dpi);
    const std::optional<QFont> gewaehlt = waehlen(dialogVorgabe(bisher));
    if (!gewaehlt) {
        return false;
    }
    const QString familie = zuSpeichernderName(*gewaehlt, bisher);
    if (!schriftUebernehmen(sitzung, text, alsSchriftwahl(*gewaehlt, familie), dpi)) {
        QMessageBox::warning(
            eltern, QApplication::applicationName(),
            QStringLiteral("Der Name der Schriftart \"%1\" enthält Zeichen, die Tastwerk nicht "
                           "speichern kann.\n\nBitte wählen Sie eine andere Schriftart!")
                .arg(familie));
        return false;
    }
    return true;
}

} // namespace tastwerk::ui
