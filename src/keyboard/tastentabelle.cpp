#include "keyboard/tastentabelle.h"

#include "keyboard/zeichenmenge.h"

#include <array>
#include <cstddef>

namespace tastwerk {

namespace {

constexpr Farbgruppe F1 = Farbgruppe::KleinerFinger;
constexpr Farbgruppe F2 = Farbgruppe::Ringfinger;
constexpr Farbgruppe F3 = Farbgruppe::Mittelfinger;
constexpr Farbgruppe F4 = Farbgruppe::Zeigefinger;
constexpr Farbgruppe F5 = Farbgruppe::Daumen;

constexpr std::array<int, Tastentabelle::Reihen> TastenProReihe = {14, 14, 13, 13, 5};

struct Taste {
    int reihe;
    int position;
    std::string_view deutsch;
    std::string_view schweiz;
    std::string_view usa;
    std::string_view hinweis;
    std::string_view hinweisUSA; // empty: the same as in the other layouts
    Farbgruppe farbgruppe;
};

// clang-format off
// Captions, hints and colour groups. An empty caption: the space bar, or a key the layout hides.
constexpr std::array<Taste, Tastentabelle::Anzahl> Tasten{{
    // Key    Deutsch      Schweiz      USA          Hint
    {1,  1,   "^ °",       "§",         "' ~",       "Linker kleiner Finger", "", F1},
    {1,  2,   "1",         "1",         "1",         "Linker kleiner Finger", "", F1},
    {1,  3,   "2",         "2",         "2",         "Linker kleiner Finger", "", F1},
    {1,  4,   "3",         "3",         "3",         "Linker Ringfinger", "", F2},
    {1,  5,   "4",         "4",         "4",         "Linker Mittelfinger", "", F3},
    {1,  6,   "5",         "5",         "5",         "Linker Zeigerfinger", "", F4},
    {1,  7,   "6",         "6",         "6",         "Linker Zeigefinger", "", F4},
    {1,  8,   "7",         "7",         "7",         "Rechter Zeigefinger", "", F4},
    {1,  9,   "8",         "8",         "8",         "Rechter Zeigerfinger", "", F4},
    {1, 10,   "9",         "9",         "9",         "Rechter Mittelfinger", "", F3},
    {1, 11,   "0",         "0",         "0",         "Rechter Ringfinger", "", F2},
    {1, 12,   "ß ?",       "?",         "_ -",       "Rechter kleiner Finger", "", F1},
    {1, 13,   "´`",        "^",         "= +",       "Rechter kleiner Finger", "", F1},
    {1, 14,   "DEL",       "DEL",       "DEL",       "Rechter kleiner Finger", "", F1},

    {2,  1,   "TAB",       "TAB",       "TAB",       "Linker kleiner Finger", "", F1},
    {2,  2,   "Q",         "Q",         "Q",         "Q: Linker kleiner Finger", "", F1},
    {2,  3,   "W",         "W",         "W",         "W: Linker Ringfinger", "", F2},
    {2,  4,   "E",         "E",         "E",         "E: Linker Mittelfinger", "", F3},
    {2,  5,   "R",         "R",         "R",         "R: Linker Zeigefinger", "", F4},
    {2,  6,   "T",         "T",         "T",         "T: Linker Zeigefinger", "", F4},
    {2,  7,   "Z",         "Z",         "Y",         "Z: Rechter Zeigefinger", "Y: Rechter Zeigefinger", F4},
    {2,  8,   "U",         "U",         "U",         "U: Rechter Zeigefinger", "", F4},
    {2,  9,   "I",         "I",         "I",         "I: Rechter Mittelfinger", "", F3},
    {2, 10,   "O",         "O",         "O",         "O: Recher Ringfinger", "", F2},
    {2, 11,   "P",         "P",         "P",         "P: Rechter kleiner Finger", "", F1},
    {2, 12,   "Ü",         "ü è",       "[ {",       "Rechter kleiner Finger", "", F1},
    {2, 13,   "+*~",       "\" !",      "] }",       "Rechter kleiner Finger", "", F1},
    {2, 14,   "Return",    "Return",    "\\ :",      "Rechter kleiner Finger", "", F1},

    {3,  1,   "Caps lock", "Caps lock", "Caps Lock", "Linker kleiner Finger", "", F1},
    {3,  2,   "A",         "A",         "A",         "A: Linker kleiner Finger", "", F1},
    {3,  3,   "S",         "S",         "S",         "S: Linker Ringfinger", "", F2},
    {3,  4,   "D",         "D",         "D",         "D: Linker  Mittelfinger", "", F3},
    {3,  5,   "F",         "F",         "F",         "F: Linker Zeigefinger", "", F4},
    {3,  6,   "G",         "G",         "G",         "G: Linker Zeigefinger", "", F4},
    {3,  7,   "H",         "H",         "H",         "H: Rechter Zeigefinger", "", F4},
    {3,  8,   "J",         "J",         "J",         "J: Rechter Zeigefinger", "", F4},
    {3,  9,   "K",         "K",         "K",         "K: Rechter Mittelfinger", "", F3},
    {3, 10,   "L",         "L",         "L",         "L: Rechter Ringfinger", "", F2},
    {3, 11,   "Ö",         "ö é",       "; :",       "Rechter kleiner Finger", "", F1},
    {3, 12,   "Ä",         " ä à",      ",\"",       "Rechter kleiner Finger", "", F1},
    {3, 13,   "#",         "$ £",       "Enter",     "Rechter kleiner Finger", "", F1},

    {4,  1,   "Shift",     "Shift",     "Shift",     "\"Links- Shift\": Linker kleiner Finger", "", F1},
    {4,  2,   "<> |",      "<> |",      "",          "Linker kleiner Finger", "", F1},
    {4,  3,   "Y",         "Y",         "Z",         "Y: Linker kleiner Finger", "Z: Linker kleiner Finger", F1},
    {4,  4,   "X",         "X",         "X",         "X: Linker Ringfinger", "", F2},
    {4,  5,   "C",         "C",         "C",         "C: Linker Mittelfinger", "", F3},
    {4,  6,   "V",         "V",         "V",         "V: Linker Zeigefinger", "", F4},
    {4,  7,   "B",         "B",         "B",         "B: Linker Zeigefinger", "", F4},
    {4,  8,   "N",         "N",         "N",         "N: Rechter Zeigefinger", "", F4},
    {4,  9,   "M",         "M",         "M",         "M: Rechter Zeigefinger", "", F4},
    {4, 10,   ", ;",       ", ;",       ", <",       "Rechter Mittelfinger", "", F3},
    {4, 11,   ". :",       ". :",       ". >",       "Rechter Ringfinger", "", F2},
    {4, 12,   "- _",       "- _",       "/ ?",       "Rechter kleiner Finger", "", F1},
    {4, 13,   "Shift",     "Shift",     "Shift",     "\"Rechts- Shift\": Rechter kleiner Finger", "", F1},

    {5,  1,   "Strg",      "Strg",      "Ctrl",      "Linker kleiner Finger", "", F1},
    {5,  2,   "Alt",       "Alt",       "Alt",       "Linker Ringfinger", "", F2},
    {5,  3,   "",          "",          "",          "Leertaste: (rechter) Daumen", "", F5},
    {5,  4,   "Alt Gr",    "Alt Gr",    "Alt",       "Rechter Ringfinger", "", F2},
    {5,  5,   "Strg",      "Strg",      "Ctrl",      "Rechter kleiner Finger", "", F1},
}};

// Before any layout is applied the keys show the German captions, except these.
struct Entwurf {
    int reihe;
    int position;
    std::string_view beschriftung;
};
constexpr std::array<Entwurf, 4> Entwurfsbeschriftungen{{
    {1, 12, "?"},
    {1, 13, "` ´"},
    {2, 13, "* + ~"},
    {3, 13, "' #"},
}};

// The characters a key carries: what it types unshifted and shifted, and what its caption shows of
// the characters it types with Alt Gr. A caption character that stands in for another one the key
// types is not carried (the Swiss double quote for the diaeresis, the US apostrophe on the grave
// accent key, the US comma on the apostrophe key, the US colon on the backslash key, the Swiss bar on
// the key that types the backslash), so that the keyboard never points at a key that does not type the
// character.
struct Tastenzeichen {
    int reihe;
    int position;
    std::array<Zeichenmenge, LayoutAnzahl> zeichen;

    constexpr Tastenzeichen(int r, int p, std::string_view deutsch, std::string_view schweiz,
                            std::string_view usa)
        : reihe(r), position(p), zeichen{Zeichenmenge(deutsch), Zeichenmenge(schweiz), Zeichenmenge(usa)} {}
};

constexpr std::array<Tastenzeichen, Tastentabelle::Anzahl> GetrageneZeichen{{
    // Key    Deutsch      Schweiz      USA
    {1,  1,   "^ °",       "§ °",       "` ~"},
    {1,  2,   "1 !",       "1 +",       "1 !"},
    {1,  3,   "2 \"",      "2 \"",      "2 @"},
    {1,  4,   "3 §",       "3 *",       "3 #"},
    {1,  5,   "4 $",       "4 ç",       "4 $"},
    {1,  6,   "5 %",       "5 %",       "5 %"},
    {1,  7,   "6 &",       "6 &",       "6 ^"},
    {1,  8,   "7 /",       "7 /",       "7 &"},
    {1,  9,   "8 (",       "8 (",       "8 *"},
    {1, 10,   "9 )",       "9 )",       "9 ("},
    {1, 11,   "0 =",       "0 =",       "0 )"},
    {1, 12,   "ß ?",       "' ?",       "- _"},
    {1, 13,   "´ `",       "^ `",       "= +"},
    {1, 14,   "",          "",          ""},

    {2,  1,   "Tab",       "Tab",       "Tab"},
    {2,  2,   "q Q",       "q Q",       "q Q"},
    {2,  3,   "w W",       "w W",       "w W"},
    {2,  4,   "e E",       "e E",       "e E"},
    {2,  5,   "r R",       "r R",       "r R"},
    {2,  6,   "t T",       "t T",       "t T"},
    {2,  7,   "z Z",       "z Z",       "y Y"},
    {2,  8,   "u U",       "u U",       "u U"},
    {2,  9,   "i I",       "i I",       "i I"},
    {2, 10,   "o O",       "o O",       "o O"},
    {2, 11,   "p P",       "p P",       "p P"},
    {2, 12,   "ü Ü",       "ü è",       "[ {"},
    {2, 13,   "+ * ~",     "¨ !",       "] }"},
    {2, 14,   "Return",    "Return",    "\\ |"},

    {3,  1,   "",          "",          ""},
    {3,  2,   "a A",       "a A",       "a A"},
    {3,  3,   "s S",       "s S",       "s S"},
    {3,  4,   "d D",       "d D",       "d D"},
    {3,  5,   "f F",       "f F",       "f F"},
    {3,  6,   "g G",       "g G",       "g G"},
    {3,  7,   "h H",       "h H",       "h H"},
    {3,  8,   "j J",       "j J",       "j J"},
    {3,  9,   "k K",       "k K",       "k K"},
    {3, 10,   "l L",       "l L",       "l L"},
    {3, 11,   "ö Ö",       "ö é",       "; :"},
    {3, 12,   "ä Ä",       "ä à",       "' \""},
    {3, 13,   "# '",       "$ £",       "Return"},

    {4,  1,   "",          "",          ""},
    {4,  2,   "< > |",     "< >",       ""},
    {4,  3,   "y Y",       "y Y",       "z Z"},
    {4,  4,   "x X",       "x X",       "x X"},
    {4,  5,   "c C",       "c C",       "c C"},
    {4,  6,   "v V",       "v V",       "v V"},
    {4,  7,   "b B",       "b B",       "b B"},
    {4,  8,   "n N",       "n N",       "n N"},
    {4,  9,   "m M",       "m M",       "m M"},
    {4, 10,   ", ;",       ", ;",       ", <"},
    {4, 11,   ". :",       ". :",       ". >"},
    {4, 12,   "- _",       "- _",       "/ ?"},
    {4, 13,   "",          "",          ""},

    {5,  1,   "",          "",          ""},
    {5,  2,   "",          "",          ""},
    {5,  3,   "Leertaste", "Leertaste", "Leertaste"},
    {5,  4,   "",          "",          ""},
    {5,  5,   "",          "",          ""},
}};

// The lesson from which a key is coloured: the lesson that first drills a character on it (Shift: the
// capitals). The key that carries Return (in the US layout the Enter key) is coloured from lesson 4
// and the other one of the two from lesson 16; in the US layout the key with - and _ is coloured from
// lesson 14 and the key with / and ? from lesson 16.
struct Lektionen {
    int reihe;
    int position;
    int deutschSchweiz;
    int usa;
};

constexpr std::array<Lektionen, Tastentabelle::Anzahl> ErsteLektionen{{
    // Key    De/Ch  USA      German caption
    {1,  1,   16,    16},  // ^ °
    {1,  2,   16,    16},  // 1
    {1,  3,   16,    16},  // 2
    {1,  4,   16,    16},  // 3
    {1,  5,   16,    16},  // 4
    {1,  6,   16,    16},  // 5
    {1,  7,   16,    16},  // 6
    {1,  8,   16,    16},  // 7
    {1,  9,   16,    16},  // 8
    {1, 10,   16,    16},  // 9
    {1, 11,   16,    16},  // 0
    {1, 12,   16,    14},  // ß ?      (US: - _)
    {1, 13,   16,    16},  // ´`
    {1, 14,   16,    16},  // DEL

    {2,  1,   16,    16},  // TAB
    {2,  2,    7,     7},  // Q
    {2,  3,    6,     6},  // W
    {2,  4,    3,     3},  // E
    {2,  5,    5,     5},  // R
    {2,  6,    9,     9},  // T
    {2,  7,    9,     9},  // Z
    {2,  8,    5,     5},  // U
    {2,  9,    3,     3},  // I
    {2, 10,    6,     6},  // O
    {2, 11,    7,     7},  // P
    {2, 12,   15,    15},  // Ü
    {2, 13,   16,    16},  // +*~
    {2, 14,    4,    16},  // Return   (US: backslash)

    {3,  1,   16,    16},  // Caps lock
    {3,  2,    1,     1},  // A
    {3,  3,    1,     1},  // S
    {3,  4,    1,     1},  // D
    {3,  5,    1,     1},  // F
    {3,  6,    2,     2},  // G
    {3,  7,    2,     2},  // H
    {3,  8,    1,     1},  // J
    {3,  9,    1,     1},  // K
    {3, 10,    1,     1},  // L
    {3, 11,    1,     1},  // Ö
    {3, 12,   15,    15},  // Ä
    {3, 13,   16,     4},  // #        (US: Enter)

    {4,  1,    8,     8},  // Shift
    {4,  2,   16,    16},  // <> |
    {4,  3,   14,    14},  // Y
    {4,  4,   13,    13},  // X
    {4,  5,   12,    12},  // C
    {4,  6,   10,    10},  // V
    {4,  7,   11,    11},  // B
    {4,  8,   11,    11},  // N
    {4,  9,   10,    10},  // M
    {4, 10,    4,     4},  // , ;
    {4, 11,    6,     6},  // . :
    {4, 12,   14,    16},  // - _      (US: / ?)
    {4, 13,    8,     8},  // Shift

    {5,  1,   16,    16},  // Strg
    {5,  2,   16,    16},  // Alt
    {5,  3,    1,     1},  // space bar
    {5,  4,   16,    16},  // Alt Gr
    {5,  5,   16,    16},  // Strg
}};
// clang-format on

constexpr std::array<std::string_view, LayoutAnzahl> Tastaturhinweise = {
    "Deutsches Tastaturlayout", "Schweizer Tastaturlayout", "Amerikanisches Tastaturlayout"};

template <typename Tabelle> constexpr bool tastenfolgeStimmt(const Tabelle& tabelle) {
    std::size_t i = 0;
    for (int r = 1; r <= Tastentabelle::Reihen; ++r) {
        for (int p = 1; p <= TastenProReihe[static_cast<std::size_t>(r - 1)]; ++p, ++i) {
            if (tabelle[i].reihe != r || tabelle[i].position != p) {
                return false;
            }
        }
    }
    return i == tabelle.size();
}
static_assert(tastenfolgeStimmt(Tasten), "the key table must list every key once, row by row");
static_assert(tastenfolgeStimmt(GetrageneZeichen), "the character table must follow the key table");
static_assert(tastenfolgeStimmt(ErsteLektionen), "the lesson table must follow the key table");

std::size_t stelle(int taste) {
    return static_cast<std::size_t>(taste);
}
std::size_t spalte(Tastaturlayout layout) {
    return static_cast<std::size_t>(layout);
}

} // namespace

int Tastentabelle::tastenInReihe(int r) {
    return r >= 1 && r <= Reihen ? TastenProReihe[static_cast<std::size_t>(r - 1)] : 0;
}

int Tastentabelle::index(int r, int p) {
    if (p < 1 || p > tastenInReihe(r)) {
        return -1;
    }
    int vorher = 0;
    for (int i = 1; i < r; ++i) {
        vorher += tastenInReihe(i);
    }
    return vorher + p - 1;
}

int Tastentabelle::reihe(int taste) {
    return Tasten[stelle(taste)].reihe;
}
int Tastentabelle::position(int taste) {
    return Tasten[stelle(taste)].position;
}

std::string_view Tastentabelle::beschriftung(int taste, Tastaturlayout layout) {
    const Taste& t = Tasten[stelle(taste)];
    switch (layout) {
    case Tastaturlayout::Schweiz:
        return t.schweiz;
    case Tastaturlayout::USA:
        return t.usa;
    case Tastaturlayout::Deutsch:
        break;
    }
    return t.deutsch;
}

std::string_view Tastentabelle::entwurfsbeschriftung(int taste) {
    const Taste& t = Tasten[stelle(taste)];
    for (const Entwurf& e : Entwurfsbeschriftungen) {
        if (e.reihe == t.reihe && e.position == t.position) {
            return e.beschriftung;
        }
    }
    return t.deutsch;
}

std::string_view Tastentabelle::hinweis(int taste, Tastaturlayout layout) {
    const Taste& t = Tasten[stelle(taste)];
    return layout == Tastaturlayout::USA && !t.hinweisUSA.empty() ? t.hinweisUSA : t.hinweis;
}

Farbgruppe Tastentabelle::farbgruppe(int taste) {
    return Tasten[stelle(taste)].farbgruppe;
}

Fingergruppe Tastentabelle::finger(int taste) {
    // The last key of each row that the left hand types; the space bar belongs to the thumb.
    constexpr std::array<int, Reihen> LetzteLinke = {7, 6, 6, 7, 2};
    const Farbgruppe gruppe = farbgruppe(taste);
    if (gruppe == Farbgruppe::Daumen) {
        return Fingergruppe::Daumen;
    }
    const bool links = position(taste) <= LetzteLinke[static_cast<std::size_t>(reihe(taste) - 1)];
    return static_cast<Fingergruppe>(static_cast<int>(gruppe) + (links ? 0 : 5));
}

bool Tastentabelle::traegtZeichen(int taste, Tastaturlayout layout, Zeichen z) {
    return GetrageneZeichen[stelle(taste)].zeichen[spalte(layout)].enthaelt(z);
}

int Tastentabelle::ersteLektion(int taste, Tastaturlayout layout) {
    const Lektionen& l = ErsteLektionen[stelle(taste)];
    return layout == Tastaturlayout::USA ? l.usa : l.deutschSchweiz;
}

std::string_view Tastentabelle::tastaturhinweis(Tastaturlayout layout) {
    return Tastaturhinweise[spalte(layout)];
}

} // namespace tastwerk
