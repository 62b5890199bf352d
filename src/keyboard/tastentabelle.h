// The 59 keys of the on-screen keyboard in five rows: per layout the caption, the finger hint and the
// characters the key carries; the finger colour group, and the lesson from which a key counts as learned.
// Keys are numbered 0..58 row by row from the top, left to right.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <string_view>

namespace tastwerk {

class Tastentabelle {
public:
    static constexpr int Anzahl = 59;
    static constexpr int Reihen = 5;

    // The number 0..58 of the key at `position` (from 1, counted from the left) in `reihe` (1 to 5,
    // from the top); -1 when there is no such key.
    static int index(int reihe, int position);
    static int reihe(int taste);
    static int position(int taste);
    // Number of keys in the row.
    static int tastenInReihe(int reihe);

    // The caption in the layout, UTF-8; empty for the space bar and for a key the layout hides.
    static std::string_view beschriftung(int taste, Tastaturlayout layout);
    // The caption the keys show before any layout has been applied.
    static std::string_view entwurfsbeschriftung(int taste);
    // The tooltip naming the finger. Before any layout has been applied the German hints hold.
    static std::string_view hinweis(int taste, Tastaturlayout layout);
    static Farbgruppe farbgruppe(int taste);
    // The finger that types the key, as its hint names it: the colour group on the hand the key lies under.
    static Fingergruppe finger(int taste);

    // Whether the key types the character in the layout, unshifted or shifted, or shows it on its
    // caption as a character it types with Alt Gr. Return is carried by the Return key, in the US layout
    // by the wide Enter key; the blank by the space bar.
    static bool traegtZeichen(int taste, Tastaturlayout layout, Zeichen z);

    // The lesson from which the key is shown in its finger colour (before it: light grey); 17 means all
    // keys.
    static int ersteLektion(int taste, Tastaturlayout layout);

    // The hint of the whole keyboard, naming the layout.
    static std::string_view tastaturhinweis(Tastaturlayout layout);

    Tastentabelle() = delete;
};

} // namespace tastwerk
