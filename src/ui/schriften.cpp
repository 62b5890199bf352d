#include "ui/schriften.h"

#include "platform/zeichensatz.h"

#include <QFontInfo>

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
    vorgabe.setFamily(QFontInfo(gespeichert).family());
    return vorgabe;
}

QString zuSpeichernderName(const QFont& gewaehlt, const QFont& gespeichert) {
    const QString familie = gewaehlt.family();
    if (familie == QFontInfo(gespeichert).family()) {
        return gespeichert.family();
    }
    return familie;
}

std::uint8_t schriftstilVon(const QFont& schrift) {
    const bool fett = schrift.weight() >= QFont::DemiBold;
    return static_cast<std::uint8_t>((fett ? 1 : 0) + (schrift.italic() ? 2 : 0));
}

} // namespace tastwerk::ui
