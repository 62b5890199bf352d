// Qt's own texts (the buttons of message boxes, the file, colour and font dialogs, the context menus of
// text boxes) in German, whatever the system's language.
#pragma once

#include <QString>

class QCoreApplication;

namespace tastwerk::ui {

// Gives the application Qt's German translation (qtbase_de from Qt's translations folder), read from the
// file when Qt first asks for a text. Returns an empty string when the file is there, otherwise a German
// message naming the file that is missing.
QString qtTexteDeutsch(QCoreApplication& app);

} // namespace tastwerk::ui
