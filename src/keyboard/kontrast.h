// How well a coloured character stands out on its background: the relative luminance of a colour, the
// contrast ratio of two colours, and the thin outline that lets a finger colour be read on any
// background without changing the colour itself.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <optional>

namespace tastwerk {

// The ratio a character (with its outline, if it has one) keeps to its background at least.
constexpr double Mindestkontrast = 3.0;

// Relative luminance of a colour, 0 (black) to 1 (white), as the sRGB channels are weighted.
double relativeLeuchtdichte(Farbe farbe);

// Contrast ratio of two colours, 1 (equal luminance) to 21 (black and white); symmetric.
double kontrastverhaeltnis(Farbe a, Farbe b);

// Black or white, whichever stands out more on `grund` (at least 4.5 : 1 on any colour).
Farbe kontrastfarbe(Farbe grund);

// The outline a character in `schrift` needs on `hintergrund`: none when the character already stands
// out by `Mindestkontrast`, otherwise black on a light background and white on a dark one, whichever
// stands out more.
std::optional<Farbe> umrissfarbe(Farbe schrift, Farbe hintergrund);

} // namespace tastwerk
