// The exercise fonts as the learner's record keeps them: a Windows-1252 font name, a size and a style
// code (0 regular, 1 bold, 2 italic, 3 bold italic).
#pragma once

#include <QFont>
#include <QString>

#include <cstdint>
#include <string>

namespace tastwerk::ui {

// The stored font as a Qt font of the given point size. A style code outside 0..3 leaves the style as
// the font has it.
QFont gespeicherteSchriftart(const std::string& nameCp1252, int punkte, std::uint8_t stil);

// The stored font as the font dialog is to show it: where the stored family is not installed, the
// family that stands in for it (Times New Roman: Liberation Serif); size and style as stored.
QFont dialogVorgabe(const QFont& gespeichert);

// The family name to store for the dialog's answer: the stored name stays while the learner keeps the
// family that stands in for it, so OK without a change changes nothing.
QString zuSpeichernderName(const QFont& gewaehlt, const QFont& gespeichert);

// The style code of a font; bold counts from demi-bold up.
std::uint8_t schriftstilVon(const QFont& schrift);

} // namespace tastwerk::ui
