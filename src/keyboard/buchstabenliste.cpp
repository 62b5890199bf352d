#include "keyboard/buchstabenliste.h"

#include "keyboard/zeichenmenge.h"

#include <algorithm>
#include <string_view>

namespace tastwerk {

namespace {

// clang-format off
// The sequence in the German layout, block by block as the lessons add it.
constexpr auto DeutscheFolge = zeichenfolge<Buchstabenliste::Laenge>(
    "a s d f j k l "                                  //  0-6
    "ö "                                              //  7
    "Leertaste "                                      //  8
    "g h e i Return , r u w o . q p A S D F J K L "   //  9-28
    "Ö "                                              // 29
    "G H E I R U W O Q P "                            // 30-39
    "t T "                                            // 40-41
    "z Z "                                            // 42-43
    "v V m M b B n N c C ; x X : "                    // 44-57
    "y Y "                                            // 58-59
    "- _ "                                            // 60-61
    "ü Ü ä Ä "                                        // 62-65
    "! \" § $ % & / ( ) = ? "                         // 66-76
    "1 2 3 4 5 6 7 8 9 0");                           // 77-86
// clang-format on

// One entry that the layout decides, named by its index and the character it holds in each layout.
struct Layouteintrag {
    int index;
    std::array<Zeichen, LayoutAnzahl> zeichen;

    constexpr Layouteintrag(int i, std::string_view deutsch, std::string_view schweiz, std::string_view usa)
        : index(i), zeichen{tabellenzeichen(deutsch), tabellenzeichen(schweiz), tabellenzeichen(usa)} {}
};

// clang-format off
constexpr std::array<Layouteintrag, Buchstabenliste::LayoutEintraege> Layouteintraege{{
    // Index  Deutsch  Schweiz  USA
    { 7,      "ö",     "ö",     ";"  },
    {29,      "Ö",     "é",     ":"  },
    {42,      "z",     "z",     "y"  },
    {43,      "Z",     "Z",     "Y"  },
    {58,      "y",     "y",     "z"  },
    {59,      "Y",     "Y",     "Z"  },
    {62,      "ü",     "ü",     "["  },
    {63,      "Ü",     "è",     "{"  },
    {64,      "ä",     "ä",     "'"  },
    {65,      "Ä",     "à",     "\"" },
    {66,      "!",     "!",     "!"  },
    {67,      "\"",    "\"",    "@"  },
    {68,      "§",     "§",     "#"  },
    {69,      "$",     "$",     "$"  },
    {70,      "%",     "%",     "%"  },
    {71,      "&",     "&",     "^"  },
    {72,      "/",     "/",     "&"  },
    {73,      "(",     "(",     "*"  },
    {74,      ")",     ")",     "("  },
    {75,      "=",     "=",     ")"  },
    {76,      "?",     "?",     "_"  },
}};
// clang-format on

constexpr bool deutscheSpalteStimmt() {
    for (const Layouteintrag& e : Layouteintraege) {
        if (DeutscheFolge[static_cast<std::size_t>(e.index)] != e.zeichen[0]) {
            return false;
        }
    }
    return true;
}
static_assert(deutscheSpalteStimmt(), "the German column of the layout entries must match the sequence");

} // namespace

Buchstabenliste::Buchstabenliste() : zeichen_(DeutscheFolge) {}

void Buchstabenliste::layoutAnwenden(Tastaturlayout layout) {
    const auto spalte = static_cast<std::size_t>(layout);
    for (const Layouteintrag& e : Layouteintraege) {
        zeichen_[static_cast<std::size_t>(e.index)] = e.zeichen[spalte];
    }
}

int Buchstabenliste::indexVon(Zeichen z) const {
    const auto stelle = std::find(zeichen_.begin(), zeichen_.end(), z);
    return stelle == zeichen_.end() ? -1 : static_cast<int>(stelle - zeichen_.begin());
}

} // namespace tastwerk
