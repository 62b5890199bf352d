// The commands of a running exercise, created once: the buttons and the popup entries of the letter, the
// word and the own-texts exercise share them, and so do their keys. The keys are no keystrokes of the
// exercise: Escape pauses and continues, F2 to F5 show the keyboard, open the settings, show the error
// statistics and go back to the main menu; F6 starts an own text again from its first line.
#pragma once

#include <QAction>

#include <vector>

namespace tastwerk::ui {

struct Uebungsaktionen {
    QAction* tastatur;
    QAction* einstellungen; // checked while the settings view is open ("Weiter üben")
    QAction* statistik;
    QAction* pause; // checked while the exercise is paused ("Pause beenden")
    QAction* hauptmenue;
    QAction* neuAnfangen; // the own-texts exercise only

    // The caption of a command; its hint names its key.
    static void beschriften(QAction* aktion, const QString& text);
    // Every command enabled or not.
    void freigeben(bool frei) const;
    // The commands the letter and the word exercise show, and those of the own-texts exercise.
    std::vector<QAction*> lektionsbefehle() const;
    std::vector<QAction*> eigeneTexteBefehle() const;
};

// Creates the commands with their keys.
Uebungsaktionen uebungsaktionenAnlegen(QObject* besitzer);

} // namespace tastwerk::ui
