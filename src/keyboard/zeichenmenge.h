// The keyboard tables are written the way a person reads them: characters in UTF-8, separated by blanks,
// with the words "Return", "Leertaste" and "Tab" for the characters that have no picture. These helpers
// turn such a text into Windows-1252 bytes at compile time; a character they cannot read stops the build.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace tastwerk {

constexpr Zeichen ZeichenTabulator = 9;

// The Windows-1252 byte of one word of a table: a single ASCII or Latin-1 character in UTF-8 (Latin-1
// keeps its number in Windows-1252), or one of the words for the characters without a picture.
constexpr Zeichen tabellenzeichen(std::string_view wort) {
    if (wort == "Return") {
        return ZeichenReturn;
    }
    if (wort == "Leertaste") {
        return ZeichenLeertaste;
    }
    if (wort == "Tab") {
        return ZeichenTabulator;
    }
    if (wort.size() == 1 && static_cast<unsigned char>(wort[0]) < 0x80) {
        return static_cast<Zeichen>(wort[0]);
    }
    if (wort.size() == 2) {
        const auto erstes = static_cast<unsigned char>(wort[0]);
        const auto zweites = static_cast<unsigned char>(wort[1]);
        if ((erstes == 0xC2 || erstes == 0xC3) && (zweites & 0xC0) == 0x80) {
            const unsigned codepunkt = ((erstes & 0x1Fu) << 6) | (zweites & 0x3Fu);
            if (codepunkt >= 0xA0) {
                return static_cast<Zeichen>(codepunkt);
            }
        }
    }
    throw std::invalid_argument("unreadable character in a keyboard table");
}

// Calls `tun` with the byte of every word of the text, in order.
template <typename Tun> constexpr void jedesTabellenzeichen(std::string_view text, Tun&& tun) {
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        if (text[anfang] == ' ') {
            ++anfang;
            continue;
        }
        std::size_t ende = text.find(' ', anfang);
        if (ende == std::string_view::npos) {
            ende = text.size();
        }
        tun(tabellenzeichen(text.substr(anfang, ende - anfang)));
        anfang = ende;
    }
}

// The characters of a text in their order; the text must hold exactly N of them.
template <std::size_t N> constexpr std::array<Zeichen, N> zeichenfolge(std::string_view text) {
    std::array<Zeichen, N> folge{};
    std::size_t anzahl = 0;
    jedesTabellenzeichen(text, [&](Zeichen z) {
        if (anzahl == N) {
            throw std::length_error("too many characters in a keyboard table");
        }
        folge[anzahl++] = z;
    });
    if (anzahl != N) {
        throw std::length_error("too few characters in a keyboard table");
    }
    return folge;
}

// A set of Windows-1252 characters, one bit per byte value.
class Zeichenmenge {
public:
    constexpr Zeichenmenge() = default;
    constexpr explicit Zeichenmenge(std::string_view text) {
        jedesTabellenzeichen(text, [this](Zeichen z) { bits_[z / 64] |= std::uint64_t{1} << (z % 64); });
    }

    constexpr bool enthaelt(Zeichen z) const { return (bits_[z / 64] >> (z % 64)) & 1u; }
    constexpr int anzahl() const {
        int summe = 0;
        for (std::uint64_t b : bits_) {
            summe += std::popcount(b);
        }
        return summe;
    }
    constexpr bool leer() const { return anzahl() == 0; }

private:
    std::array<std::uint64_t, 4> bits_{};
};

} // namespace tastwerk
