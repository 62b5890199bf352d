// The content of the introduction screen that opens each lesson's letter exercise: title, finger lines,
// explanation lines and the red two-line tip, for every lesson under every keyboard layout.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

// The screen has room for this many lines below the heading; lesson 16 fills two columns instead.
constexpr int HinweiszeilenPlaetze = 9;

// One line of the screen. A finger line carries the colour group of the finger it names and is drawn in
// that colour; an explanation line has none and is drawn black.
struct Hinweiszeile {
    std::string text;
    std::optional<Farbgruppe> farbe;

    bool operator==(const Hinweiszeile&) const = default;
};

// All texts are UTF-8. Finger lines are captions: a doubled ampersand ("6 &&: ...") shows as one.
struct Hinweistext {
    std::string titel;
    std::string unterueberschrift;          // lesson 1 only, otherwise empty
    std::vector<Hinweiszeile> zeilen;       // the finger lines, then the explanation lines
    std::vector<Hinweiszeile> rechteSpalte; // lesson 16 only: the right half of the digit row
    std::array<std::string, 2> tip;         // both empty when tipSichtbar is false
    bool tipSichtbar = false;               // false: the tip frame is hidden

    bool operator==(const Hinweistext&) const = default;
};

// The introduction screen of `lektion` (1..16; a number outside is taken as the nearest lesson). The two
// semicolon lines of lesson 12 stay in place under the US layout and are empty there.
Hinweistext hinweistext(int lektion, Tastaturlayout layout);

} // namespace tastwerk
