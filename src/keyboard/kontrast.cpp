#include "keyboard/kontrast.h"

#include <algorithm>
#include <array>

namespace tastwerk {

namespace {

constexpr Farbe Schwarz = 0x00000000;
constexpr Farbe Weiss = 0x00FFFFFF;

// x^2.4 as x² times the fifth root of x², which Newton's method finds from 1 for 0 < x <= 1.
constexpr double hoch24(double x) {
    const double quadrat = x * x;
    double wurzel = 1.0;
    for (int schritt = 0; schritt < 60; ++schritt) {
        wurzel = (4 * wurzel + quadrat / (wurzel * wurzel * wurzel * wurzel)) / 5;
    }
    return quadrat * wurzel;
}

// The sRGB curve for the 256 values of a channel, computed when the program is built: every key asks for
// it at every paint, some thousand times at start, and the power function brings in its own tables.
constexpr std::array<double, 256> Linear = [] {
    std::array<double, 256> tabelle{};
    for (unsigned kanal = 0; kanal < tabelle.size(); ++kanal) {
        const double c = kanal / 255.0;
        tabelle[kanal] = c <= 0.04045 ? c / 12.92 : hoch24((c + 0.055) / 1.055);
    }
    return tabelle;
}();

double linear(unsigned kanal) {
    return Linear[kanal];
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
