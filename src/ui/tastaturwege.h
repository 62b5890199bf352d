// Keys that stand in for the mouse in the main window, for what the exercise has not taken as a
// keystroke: Return presses the focused button, the menu key and Shift+F10 open the popup menu a right
// click would open.
#pragma once

#include <QList>

class QKeyEvent;
class QWidget;

namespace tastwerk::ui {

// Return and Enter (without Shift, Ctrl or Alt) press the push button that has the focus, as the space
// bar does; a held key presses it once. True when the key was taken.
bool knopfMitEingabetaste(QWidget* ziel, const QKeyEvent* e);

// The menu key and Shift+F10 open the popup menu a right click on the centre of `fokus` would open (its
// own or the first area's around it); without a control to ask, that of the first of `bereiche` that
// has one, at its centre. True when the key was taken.
bool kontextmenueMitTaste(QWidget* fokus, const QKeyEvent* e, const QList<QWidget*>& bereiche);

} // namespace tastwerk::ui
