// Basic terms shared by the whole core: characters, layouts, finger and colour groups.
#pragma once

#include <cstdint>

namespace tastwerk {

// One character as the program stores and compares it: a Windows-1252 byte.
using Zeichen = unsigned char;

constexpr Zeichen ZeichenReturn = 13;
constexpr Zeichen ZeichenLeertaste = 32;
// Internal request "show the start prompt" of the exercises; never a typed key.
constexpr Zeichen ZeichenStartaufforderung = 127;

// A colour in the stored layout 0x00BBGGRR (red in the lowest byte).
using Farbe = std::uint32_t;

enum class Tastaturlayout : std::uint8_t { Deutsch = 0, Schweiz = 1, USA = 2 };
constexpr int LayoutAnzahl = 3;

// The nine finger groups, in the one order of every per-finger counter, rate and statistics row.
enum class Fingergruppe : std::uint8_t {
    LinkerKleinerFinger = 1,
    LinkerRingfinger = 2,
    LinkerMittelfinger = 3,
    LinkerZeigefinger = 4,
    Daumen = 5,
    RechterKleinerFinger = 6,
    RechterRingfinger = 7,
    RechterMittelfinger = 8,
    RechterZeigefinger = 9,
};
constexpr int FingergruppenAnzahl = 9;

// Zero-based slot of a finger group in a nine-element array.
constexpr int platz(Fingergruppe f) { return static_cast<int>(f) - 1; }

// The five finger colours Farbe1..Farbe5: little, ring, middle, index finger, thumb.
enum class Farbgruppe : std::uint8_t {
    KleinerFinger = 1,
    Ringfinger = 2,
    Mittelfinger = 3,
    Zeigefinger = 4,
    Daumen = 5,
};
constexpr int FarbgruppenAnzahl = 5;

} // namespace tastwerk
