// Real numbers as the program shows them: a point as decimal separator, whatever the locale says.
#pragma once

#include <string>

namespace tastwerk {

// The value with the given decimals, rounded, right-aligned with blanks to at least `breite` characters.
std::string festkomma(double wert, int nachkommastellen, int breite = 0);

// A whole number right-aligned with blanks to at least `breite` characters.
std::string rechtsbuendig(long long wert, int breite);

} // namespace tastwerk
