// Per character of one exercise: how often it was typed as demanded and how often missed, counted as
// the finger statistics count (a character typed right after a miss counts once each way).
#pragma once

#include "keyboard/grundbegriffe.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tastwerk {

struct Zeichenzaehler {
    Zeichen zeichen = 0;
    std::uint32_t anschlaege = 0; // typed as demanded
    std::uint32_t fehler = 0;     // another key typed for it
    bool operator==(const Zeichenzaehler&) const = default;
};

class Zeichenzaehlung {
public:
    void zaehlen(Zeichen z, bool fehler) { ++(fehler ? fehler_ : anschlaege_)[z]; }
    // Adds counts of the character, as they were counted elsewhere.
    void hinzufuegen(Zeichen z, std::uint32_t anschlaege, std::uint32_t fehler) {
        anschlaege_[z] += anschlaege;
        fehler_[z] += fehler;
    }
    void nullsetzen() {
        anschlaege_ = {};
        fehler_ = {};
    }
    // The characters that were counted at all, in character order.
    std::vector<Zeichenzaehler> liste() const {
        std::vector<Zeichenzaehler> l;
        for (std::size_t z = 0; z < anschlaege_.size(); ++z) {
            if (anschlaege_[z] != 0 || fehler_[z] != 0) {
                l.push_back({Zeichen(z), anschlaege_[z], fehler_[z]});
            }
        }
        return l;
    }

private:
    std::array<std::uint32_t, 256> anschlaege_{};
    std::array<std::uint32_t, 256> fehler_{};
};

} // namespace tastwerk
