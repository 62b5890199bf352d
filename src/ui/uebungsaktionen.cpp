#include "ui/uebungsaktionen.h"

namespace tastwerk::ui {

namespace {
QAction* aktion(QObject* besitzer, const QString& text, Qt::Key taste) {
    auto* a = new QAction(besitzer);
    // The exercise takes the key from the main window's key presses while its screen is shown (never on
    // the main menu or in another window); the popup menus show it.
    a->setShortcut(QKeySequence(taste));
    Uebungsaktionen::beschriften(a, text);
    return a;
}
} // namespace

void Uebungsaktionen::beschriften(QAction* aktion, const QString& text) {
    aktion->setText(text);
    // The command keys (Esc, F2 to F6) have the same names in every language: the portable name needs no
    // translation, which would be read at start only for these tooltips.
    aktion->setToolTip(
        QStringLiteral("%1 (%2)").arg(text, aktion->shortcut().toString(QKeySequence::PortableText)));
}

void Uebungsaktionen::freigeben(bool frei) const {
    for (QAction* a : {tastatur, einstellungen, statistik, pause, hauptmenue, neuAnfangen}) {
        a->setEnabled(frei);
    }
}

std::vector<QAction*> Uebungsaktionen::lektionsbefehle() const {
    return {pause, tastatur, einstellungen, statistik, hauptmenue};
}

std::vector<QAction*> Uebungsaktionen::eigeneTexteBefehle() const {
    return {pause, einstellungen, hauptmenue, neuAnfangen};
}

Uebungsaktionen uebungsaktionenAnlegen(QObject* besitzer) {
    Uebungsaktionen a{};
    a.tastatur = aktion(besitzer, QStringLiteral("Tastatur"), Qt::Key_F2);
    a.einstellungen = aktion(besitzer, QStringLiteral("Einstellungen"), Qt::Key_F3);
    a.einstellungen->setCheckable(true);
    a.statistik = aktion(besitzer, QStringLiteral("Fehlerstatistik"), Qt::Key_F4);
    a.hauptmenue = aktion(besitzer, QStringLiteral("Zurück zum Hauptmenü"), Qt::Key_F5);
    a.pause = aktion(besitzer, QStringLiteral("Pause"), Qt::Key_Escape);
    a.pause->setCheckable(true);
    a.neuAnfangen = aktion(besitzer, QStringLiteral("Neu anfangen"), Qt::Key_F6);
    return a;
}

} // namespace tastwerk::ui
