#include "course/lektionskatalog.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tastwerk {

namespace {

constexpr int Lektionen = 16;

// clang-format off
//                                        HoechsterIndex, NeueBuchstaben     indices added
constexpr std::array<Lektionsdaten, Lektionen> Katalog = {{
    { 8,  9},  //  1                                                          0-8
    {10,  2},  //  2                                                          9-10
    {12,  2},  //  3                                                          11-12
    {14,  2},  //  4                                                          13-14
    {16,  2},  //  5                                                          15-16
    {19,  3},  //  6                                                          17-19
    {21,  2},  //  7                                                          20-21
    {39, 18},  //  8                                                          22-39
    {43,  4},  //  9                                                          40-43
    {47,  4},  // 10                                                          44-47
    {51,  4},  // 11                                                          48-51
    {54,  3},  // 12                                                          52-54
    {57,  4},  // 13  the ";" of lesson 12 counts as new once more            55-57
    {61,  4},  // 14                                                          58-61
    {65,  4},  // 15                                                          62-65
    {86, 60},  // 16  the new block reaches back to index 27                  66-86
}};

// An empty cell means: as the German text.
struct Titel {
    std::string_view deutsch;
    std::string_view schweiz;
    std::string_view usa;
};

constexpr std::array<Titel, Lektionen> Titeltabelle = {{
    /*  1 */ {"Die Grundreihe a s d f  j k l ö", {}, "Die Grundreihe a s d f j k l ;"},
    /*  2 */ {"Die Buchstaben g und h", {}, {}},
    /*  3 */ {"Die Buchstaben e und i", {}, {}},
    /*  4 */ {"Return (\"Enter\") und das Komma", {}, {}},
    /*  5 */ {"Die Buchstaben r und u", {}, {}},
    /*  6 */ {"Die Buchstaben w, o und der Punkt (.)", {}, {}},
    /*  7 */ {"Die Buchstaben q und p", {}, {}},
    /*  8 */ {"Die Großschreibung", {}, {}},
    /*  9 */ {"Die Buchstaben t und z", {}, "Die Buchstaben t und y"},
    /* 10 */ {"Die Buchstaben v und m", {}, {}},
    /* 11 */ {"Die Buchstaben b und n", {}, {}},
    /* 12 */ {"Der Buchstabe C und das Semikolon", {}, "Der Buchstabe C und <."},
    /* 13 */ {"Der Buchstabe x und der Doppelpunkt", {}, {}},
    /* 14 */ {"Der Buchstabe y, der Grundstrich _ und der Mittestrich -", {}, {}},
    /* 15 */ {"Die Buchstaben ä und ü", "Die Buchstaben ä à und ü è", "Die Zeichen ' und ["},
    /* 16 */ {"Die oberste Tastenreihe", {}, {}},
}};

// An empty cell means: as the first column.
struct Tasten {
    std::string_view text;
    std::string_view usa;
    std::string_view wortstufe;
};

constexpr std::array<Tasten, Lektionen> Tastentabelle = {{
    /*  1 */ {"a s d f  j k l ö + Leertaste", "a s d f  j k l ; + Leertaste", {}},
    /*  2 */ {"g h", {}, {}},
    /*  3 */ {"e i", {}, {}},
    /*  4 */ {"Return Komma", {}, {}},
    /*  5 */ {"r u", {}, {}},
    /*  6 */ {"w o der Punkt (.)", {}, {}},
    /*  7 */ {"q p", {}, {}},
    /*  8 */ {"die Großschreibung", {}, {}},
    /*  9 */ {"t T z Z", {}, {}},
    /* 10 */ {"v V m M", {}, {}},
    /* 11 */ {"b B n N", {}, {}},
    /* 12 */ {"c C ;", {}, {}},
    /* 13 */ {"x X :", {}, "x X:"},
    /* 14 */ {"y Y - _", {}, {}},
    /* 15 */ {"ä Ä ü Ü", {}, {}},
    /* 16 */ {"Die oberste Tastenreihe", {}, {}},
}};
// clang-format on

std::size_t platzVon(int lektion) {
    return static_cast<std::size_t>(std::clamp(lektion, 1, Lektionen) - 1);
}

std::string_view oder(std::string_view eigener, std::string_view sonst) {
    return eigener.empty() ? sonst : eigener;
}

} // namespace

Lektionsdaten lektionsdaten(int lektion) {
    return Katalog[platzVon(lektion)];
}

bool zaehltAlsNeu(int lektion, int index) {
    const Lektionsdaten d = lektionsdaten(lektion);
    return index > d.hoechsterIndex - d.neueBuchstaben;
}

std::string lektionstitel(int lektion, Tastaturlayout layout) {
    const Titel& t = Titeltabelle[platzVon(lektion)];
    switch (layout) {
    case Tastaturlayout::Schweiz:
        return std::string(oder(t.schweiz, t.deutsch));
    case Tastaturlayout::USA:
        return std::string(oder(t.usa, t.deutsch));
    case Tastaturlayout::Deutsch:
        break;
    }
    return std::string(t.deutsch);
}

std::string tastenliste(int lektion, int stufe, Tastaturlayout layout) {
    const Tasten& t = Tastentabelle[platzVon(lektion)];
    const std::string_view text = layout == Tastaturlayout::USA ? oder(t.usa, t.text) : t.text;
    return std::string(stufe != 0 ? oder(t.wortstufe, text) : text);
}

int stufenposition(int lektion, int stufe) {
    return 2 * std::clamp(lektion, 1, Lektionen) - (stufe == 0 ? 1 : 0);
}

Stufe ausPosition(int position) {
    const int p = std::clamp(position, 1, StufenpositionenAnzahl);
    return Stufe{(p + 1) / 2, p % 2 == 0 ? 1 : 0};
}

std::string positionsText(int position) {
    const Stufe s = ausPosition(position);
    return std::to_string(s.lektion) + (s.stufe == 0 ? " B" : " W");
}

} // namespace tastwerk
