#include "keyboard/kontrast.h"

#include <algorithm>
#include <cmath>

namespace tastwerk {

namespace {

constexpr Farbe Schwarz = 0x00000000;
constexpr Farbe Weiss = 0x00FFFFFF;

double linear(unsigned kanal) {
    const double c = kanal / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLeuchtdichte(Farbe farbe) {
    const unsigned rot = farbe & 0xFF;
    const unsigned gruen = (farbe >> 8) & 0xFF;
    const unsigned blau = (farbe >> 16) & 0xFF;
    return 0.2126 * linear(rot) + 0.7152 * linear(gruen) + 0.0722 * linear(blau);
}

double kontrastverhaeltnis(Farbe a, Farbe b) {
    const double la = relativeLeuchtdichte(a);
    const double lb = relativeLeuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Farbe kontrastfarbe(Farbe grund) {
    // One of the two always reaches 4.5 : 1, whatever the colour.
    return kontrastverhaeltnis(Schwarz, grund) >= kontrastverhaeltnis(Weiss, grund) ? Schwarz : Weiss;
}

std::optional<Farbe> umrissfarbe(Farbe schrift, Farbe hintergrund) {
    if (kontrastverhaeltnis(schrift, hintergrund) >= Mindestkontrast) {
        return std::nullopt;
    }
    return kontrastfarbe(hintergrund);
}

} // namespace tastwerk
