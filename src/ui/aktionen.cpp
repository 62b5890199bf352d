#include "ui/aktionen.h"

#include <QShortcut>

namespace tastwerk::ui {

namespace {
QAction* aktion(QWidget* besitzer, const QString& text) {
    return new QAction(text, besitzer);
}

// F10 opens the menu bar at its first title (Alt and the arrow keys walk it: see Fokusstil).
void menueleisteMitTastatur(QWidget* fenster, QMenuBar* leiste) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), fenster);
    QObject::connect(f10, &QShortcut::activated, leiste, [leiste] {
        const QList<QAction*> titel = leiste->actions();
        if (!titel.isEmpty()) {
            leiste->setFocus(Qt::MenuBarFocusReason);
            leiste->setActiveAction(titel.first());
        }
    });
}
} // namespace

Aktionen aktionenAnlegen(QWidget* fenster, QMenuBar* leiste) {
    Aktionen a{};
    a.start = aktion(fenster, QStringLiteral("Start"));
    a.tastatur = aktion(fenster, QStringLiteral("Die Tastatur"));
    a.einstellungen = aktion(fenster, QStringLiteral("Einstellungen"));
    a.benutzerdaten = aktion(fenster, QStringLiteral("Benutzerdaten"));
    a.extras = aktion(fenster, QStringLiteral("Extras"));
    a.lernverlauf = aktion(fenster, QStringLiteral("Lernverlauf"));
    a.textLaden = aktion(fenster, QStringLiteral("Text laden"));
    a.textErstellen = aktion(fenster, QStringLiteral("Text erstellen"));
    a.textAendern = aktion(fenster, QStringLiteral("Text ändern"));
    a.programmBeenden = aktion(fenster, QStringLiteral("Programm beenden"));

    a.hauptmenuePopup = new QMenu(fenster);
    a.hauptmenuePopup->addAction(a.start);
    a.hauptmenuePopup->addAction(a.tastatur);
    a.hauptmenuePopup->addAction(a.einstellungen);
    a.hauptmenuePopup->addAction(a.benutzerdaten);
    a.hauptmenuePopup->addAction(a.extras);
    a.hauptmenuePopup->addAction(a.lernverlauf);
    a.hauptmenuePopup->addSeparator();
    a.eigeneTexte = a.hauptmenuePopup->addMenu(QStringLiteral("Eigene Texte üben"));
    a.eigeneTexte->addAction(a.textLaden);
    a.eigeneTexte->addAction(a.textErstellen);
    a.eigeneTexte->addAction(a.textAendern);
    a.hauptmenuePopup->addSeparator();
    a.hauptmenuePopup->addAction(a.programmBeenden);

    // Each title with an Alt key of its own: the main menu's buttons take S, T, E, B and X, the keyboard
    // screen Z, the Extras screen R, W, F and L. "Extras" has no letter left and shares R with
    // "Schreibregeln", which is only there while the Extras screen is already open.
    a.menuDatei = leiste->addMenu(QStringLiteral("&Datei"));
    a.beenden = a.menuDatei->addAction(QStringLiteral("&Beenden"));
    a.menuStart = leiste->addMenu(QStringLiteral("St&art"));
    a.startLektion = a.menuStart->addAction(QStringLiteral("Start Lektion"));
    a.menueTastatur = leiste->addAction(QStringLiteral("D&ie Tastatur"));
    a.menueEinstellungen = leiste->addAction(QStringLiteral("Ei&nstellungen"));
    a.menueBenutzerdaten = leiste->addAction(QStringLiteral("Ben&utzerdaten"));
    a.menueExtras = leiste->addAction(QStringLiteral("Ext&ras"));
    a.menuHilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
    a.hilfe = a.menuHilfe->addAction(QStringLiteral("Hilfe"));
    a.info = a.menuHilfe->addAction(QStringLiteral("Info"));

    a.kopieren = aktion(fenster, QStringLiteral("Markierten Text in Zwischenablage kopieren"));
    a.allesMarkieren = aktion(fenster, QStringLiteral("Alles markieren"));
    a.textfensterVerkleinern = aktion(fenster, QStringLiteral("Textfenster verkleinern"));
    a.textfensterVergroessern = aktion(fenster, QStringLiteral("Textfenster vergrössern"));
    a.begruessungBeenden = aktion(fenster, QStringLiteral("Programm beenden"));
    a.begruessungPopup = new QMenu(fenster);
    a.begruessungPopup->addAction(a.kopieren);
    a.begruessungPopup->addAction(a.allesMarkieren);
    a.begruessungPopup->addSeparator();
    a.begruessungPopup->addAction(a.textfensterVerkleinern);
    a.begruessungPopup->addAction(a.textfensterVergroessern);
    a.begruessungPopup->addSeparator();
    a.begruessungPopup->addAction(a.begruessungBeenden);
    menueleisteMitTastatur(fenster, leiste);
    return a;
}

void Aktionen::menueleisteFreigeben(bool frei) {
    menuStart->menuAction()->setEnabled(frei);
    menueTastatur->setEnabled(frei);
    menueEinstellungen->setEnabled(frei);
    menueExtras->setEnabled(frei);
    menueBenutzerdaten->setEnabled(frei);
}

void Aktionen::hauptmenueFreigeben(bool frei) {
    for (QAction* a : {start, tastatur, einstellungen, benutzerdaten, extras, lernverlauf}) {
        a->setEnabled(frei);
    }
    eigeneTexte->menuAction()->setEnabled(frei);
}

} // namespace tastwerk::ui
