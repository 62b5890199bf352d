// Every command of the main window, created once as a Qt action. The menu bar, the popup menus and
// the buttons that share a command share its action, so enabling it in one place does so everywhere.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tastwerk::ui {

struct Aktionen {
    // Commands of the main menu: its buttons and its popup menu.
    QAction* start;
    QAction* tastatur;
    QAction* einstellungen;
    QAction* benutzerdaten;
    QAction* extras;
    QAction* lernverlauf; // the learner's history in a window of its own
    QMenu* eigeneTexte;   // popup submenu "Eigene Texte üben"
    QAction* textLaden;
    QAction* textErstellen;
    QAction* textAendern;
    QAction* programmBeenden; // "Programm beenden" of the main menu popup

    // The menu bar.
    QMenu* menuDatei;
    QAction* beenden; // "&Beenden"
    QMenu* menuStart;
    QAction* startLektion;
    QAction* menueTastatur;
    QAction* menueEinstellungen;
    QAction* menueBenutzerdaten;
    QAction* menueExtras;
    QMenu* menuHilfe;
    QAction* hilfe;
    QAction* info;

    // The popup menu of the welcome text.
    QAction* kopieren;
    QAction* allesMarkieren;
    QAction* textfensterVerkleinern;
    QAction* textfensterVergroessern;
    QAction* begruessungBeenden; // "Programm beenden" of the welcome text

    QMenu* hauptmenuePopup;
    QMenu* begruessungPopup;

    // The menu bar entries that open a screen, in the order "Start", "Die Tastatur", "Einstellungen",
    // "Extras", "Benutzerdaten".
    void menueleisteFreigeben(bool frei);
    // The popup entries "Start", "Die Tastatur", "Einstellungen", "Benutzerdaten", "Extras",
    // "Lernverlauf" and "Eigene Texte üben" of the main menu popup (the buttons follow them).
    void hauptmenueFreigeben(bool frei);
};

// Creates the actions, the menu bar and the popup menus.
Aktionen aktionenAnlegen(QWidget* fenster, QMenuBar* leiste);

} // namespace tastwerk::ui
