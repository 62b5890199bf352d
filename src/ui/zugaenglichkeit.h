// What a screen reader is told beyond the widgets' own texts: the keys of the on-screen keyboard as
// buttons with a pressed state, group boxes by their own titles, the spoken form of a demanded
// character, and announcements of names that change as the learner types.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <QLabel>
#include <QProgressBar>
#include <QString>
#include <QWidget>

namespace tastwerk::ui {

// A bar whose drawn scale may be smaller than what it stands for (a finger's error rate on a 25 % scale):
// a screen reader reads the real share in percent as its value, not the capped value it draws.
class Anteilsbalken : public QProgressBar {
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

    double anteil() const { return anteil_; }
    void setAnteil(double prozent) { anteil_ = prozent; }

private:
    double anteil_ = 0;
};

// Registers the program's accessible interfaces and the style with the visible focus frame; call before
// the first widget is read.
void zugaenglichkeitEinrichten();

// The rules for what a screen reader hears when a name changes as the learner types: a name is
// announced only when it really changed, and never while its widget is off screen (a hidden screen is
// updated silently; its changed names are announced once it is shown).

// Sets the accessible name; announces it only when it changed and the widget is on screen.
void nameMelden(QWidget* w, const QString& name);

// Sets the name of the demanded character and announces it at every keystroke while on screen, also when
// it stays the same: after a wrong key the same character is demanded again, and the learner should hear
// it again.
void zeichenMelden(QWidget* w, const QString& name);

// Sets the text of a label read by its text (a status figure, a statistics line) by the same rules as
// nameMelden.
void textMelden(QLabel* label, const QString& text);

// Shows a drawn picture (the logo, a flag) to a screen reader as an image with this name.
void alsBildZeigen(QWidget* bild, const QString& name);

// How a character is read out: "Leertaste", "Return" or the character itself.
QString gesprochenesZeichen(const QString& zeichen);

// "linker Mittelfinger", "Daumen", ... as a key's accessible name names its finger.
QString fingerbezeichnung(Fingergruppe f);

} // namespace tastwerk::ui
