#include "keyboard/fingerkarte.h"

#include "keyboard/zeichenmenge.h"

#include <algorithm>
#include <string_view>

namespace tastwerk {

namespace {

// One row of a map: the characters of one group in the three layouts.
struct Gruppenzeile {
    std::array<Zeichenmenge, LayoutAnzahl> spalten;

    constexpr Gruppenzeile(std::string_view deutsch, std::string_view schweiz, std::string_view usa)
        : spalten{Zeichenmenge(deutsch), Zeichenmenge(schweiz), Zeichenmenge(usa)} {}
};

// clang-format off
// The statistics finger map, in the order of the finger groups.
constexpr std::array<Gruppenzeile, FingergruppenAnzahl> Fingerkarte{{
    // 1 linker kleiner Finger
    {"! 1 < > A Q Y a q y °",
     "+ 1 < > A Q Y a q y °",
     "! 1 A Q Z \\ a q z ~"},
    // 2 linker Ringfinger
    {"2 S W X s w x \"",
     "2 S W X s w x \"",
     "2 S W X s w x @"},
    // 3 linker Mittelfinger
    {"3 C D E c d e §",
     "* 3 C D E c d e",
     "# 3 C D E c d e"},
    // 4 linker Zeigefinger
    {"$ % 4 5 B F G R T V b f g r t v",
     "% 4 5 B F G R T V b f g r t v ç",
     "$ % 4 5 B F G R T V b f g r t v"},
    // 5 Daumen
    {"Leertaste",
     "Leertaste",
     "Leertaste"},
    // 6 rechter kleiner Finger
    {"# - ? P _ p Ä Ö Ü ä ö ü",
     "$ - ? P _ p à ä è é ö ü",
     "' / : ; ? P [ \\ _ p { \""},
    // 7 rechter Ringfinger
    {". 0 : = L O l o",
     ". 0 : = L O l o",
     ") . 0 > L O l o"},
    // 8 rechter Mittelfinger
    {") , 9 ; I K i k",
     ") , 9 ; I K i k",
     "( , 9 < I K i k"},
    // 9 rechter Zeigefinger
    {"( / 7 8 H J M N U Z h j m n u z",
     "( / 7 8 H J M N U Z h j m n u z",
     "& * 7 8 H J M N U Y h j m n u y"},
}};

// The colour groups, in the order in which they are tested.
constexpr std::array<Gruppenzeile, FarbgruppenAnzahl> Farbkarte{{
    // 1 kleiner Finger
    {"Return ! - 1 2 ? A P Q Y _ a p q y Ä Ö Ü ß ä ö ü \"",
     "Return ! $ - 1 2 ? A P Q Y _ a p q y § Ä Ö Ü ß à ä è é ö ü \"",
     "Return ! ' - / 1 2 : ; ? A P Q Z [ _ a p q z { } \" @"},
    // 2 Ringfinger
    {". 0 3 : = L O S W X l o s w x §",
     "* . 0 3 : = L O S W X l o s w x",
     "# ) . 0 3 > L O S W X l o s w x"},
    // 3 Mittelfinger
    {"$ ) , 4 9 ; C D E I K c d e i k",
     ") , 4 9 ; C D E I K c d e i k",
     "$ ( , 4 9 < C D E I K c d e i k"},
    // 4 Zeigefinger
    {"% & ( / 5 6 7 8 B F G H J M N R T U V Z b f g h j m n r t u v z",
     "% & ( / 5 6 7 8 B F G H J M N R T U V Z b f g h j m n r t u v z",
     "% & * 5 6 7 8 B F G H J M N R T U V Y ^ b f g h j m n r t u v y"},
    // 5 Daumen
    {"Leertaste",
     "Leertaste",
     "Leertaste"},
}};
// clang-format on

} // namespace

bool Fingergruppen::enthaelt(Fingergruppe f) const {
    return std::find(begin(), end(), f) != end();
}

Fingergruppen fingerbestimmen(Tastaturlayout layout, Zeichen z) {
    const auto spalte = static_cast<std::size_t>(layout);
    Fingergruppen gruppen;
    for (std::size_t g = 0; g < Fingerkarte.size(); ++g) {
        if (Fingerkarte[g].spalten[spalte].enthaelt(z)) {
            gruppen.hinzufuegen(static_cast<Fingergruppe>(g + 1));
        }
    }
    return gruppen;
}

std::optional<Farbgruppe> farbgruppebestimmen(Tastaturlayout layout, Zeichen z) {
    const auto spalte = static_cast<std::size_t>(layout);
    std::optional<Farbgruppe> gruppe;
    for (std::size_t g = 0; g < Farbkarte.size(); ++g) {
        if (Farbkarte[g].spalten[spalte].enthaelt(z)) {
            gruppe = static_cast<Farbgruppe>(g + 1);
        }
    }
    return gruppe;
}

} // namespace tastwerk
