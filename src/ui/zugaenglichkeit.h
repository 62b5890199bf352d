// What a screen reader is told beyond the widgets' own texts: the keys of the on-screen keyboard as
// buttons with a pressed state, group boxes by their own titles, the spoken form of a demanded
// character, and announcements of names that change as the learner types.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <QString>
#include <QWidget>

namespace tastwerk::ui {

// Registers the program's accessible interfaces and the style with the visible focus frame; call before
// the first widget is read.
void zugaenglichkeitEinrichten();

// Sets the accessible name and announces it, also when it stays the same: after a wrong key the same
// character is demanded again, and the learner should hear it again.
void nameMelden(QWidget* w, const QString& name);

// How a character is read out: "Leertaste", "Return" or the character itself.
QString gesprochenesZeichen(const QString& zeichen);

// "linker Mittelfinger", "Daumen", ... as a key's accessible name names its finger.
QString fingerbezeichnung(Fingergruppe f);

} // namespace tastwerk::ui
