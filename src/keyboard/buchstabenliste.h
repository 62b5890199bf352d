// The character sequence of the course: the 87 characters in the order in which the lessons introduce
// them. A lesson drills the indices 0 up to its highest index. 21 entries depend on the keyboard layout.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <array>

namespace tastwerk {

class Buchstabenliste {
public:
    static constexpr int Laenge = 87;
    // Entries that a keyboard layout writes.
    static constexpr int LayoutEintraege = 21;

    // Filled with the German layout's characters.
    Buchstabenliste();

    // Writes the layout's characters into the layout-dependent entries (Deutsch writes the German ones
    // back); every other entry stays.
    void layoutAnwenden(Tastaturlayout layout);

    // The character at index 0..86.
    Zeichen operator[](int index) const { return zeichen_[static_cast<std::size_t>(index)]; }
    // The first index that holds the character, -1 when none does.
    int indexVon(Zeichen z) const;

    const std::array<Zeichen, Laenge>& alle() const { return zeichen_; }

private:
    std::array<Zeichen, Laenge> zeichen_;
};

} // namespace tastwerk
