// The text of the screen "Die wichtigsten Schreibregeln": the main typing rules with examples, laid out
// for a fixed-pitch font (no line wider than 78 characters).
#pragma once

#include <QString>

namespace tastwerk::ui {

QString schreibregelnText();

} // namespace tastwerk::ui
