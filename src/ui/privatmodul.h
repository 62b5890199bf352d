// The program's private libraries (sound output, printing) lie in lib/tastwerk/<job> beside its bin
// folder, in the build tree as installed, and are loaded when first needed.
#pragma once

#include <QString>

namespace tastwerk::ui {

// Loads the library lib/tastwerk/<job>/tastwerk_<job> and returns the address of its function `anlegen`;
// null when it cannot be loaded, said on the terminal with `ohne` (what the program goes without) and
// the reason.
void* privatmodulLaden(const QString& aufgabe, const char* anlegen, const char* ohne);

} // namespace tastwerk::ui
