#include "keyboard/tastengeometrie.h"

#include "keyboard/tastentabelle.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace tastwerk {

namespace {

// Design lengths, for a screen 800 pixels wide.
constexpr int Entwurfsbreite = 800;
constexpr int Tastenhoehe = 41;
constexpr int Reihenabstand = 47; // from the top of one row to the top of the next
constexpr int Schrifthoehe = 15;
constexpr int KleineSchrifthoehe = 11; // 8 points at 96 dpi
// The mark: a small bar near the key's bottom right corner.
constexpr int MarkeVonRechts = 15;
constexpr int MarkeBreite = 10;
constexpr int MarkeVonUnten = 11;
constexpr int MarkeHoehe = 5;

struct Entwurf {
    int reihe;
    int position;
    int links;
    int breite;
    int hoehe = Tastenhoehe;
};

// clang-format off
constexpr std::array<Entwurf, Tastentabelle::Anzahl> Entwuerfe{{
    // Key    Left  Width
    {1,  1,    30,   41},
    {1,  2,    77,   41},
    {1,  3,   124,   41},
    {1,  4,   171,   41},
    {1,  5,   218,   41},
    {1,  6,   265,   41},
    {1,  7,   312,   41},
    {1,  8,   359,   41},
    {1,  9,   406,   41},
    {1, 10,   453,   41},
    {1, 11,   500,   41},
    {1, 12,   547,   41},
    {1, 13,   594,   41},
    {1, 14,   641,  109},   // DEL

    {2,  1,    30,   70},   // TAB
    {2,  2,   106,   41},
    {2,  3,   153,   41},
    {2,  4,   200,   41},
    {2,  5,   247,   41},
    {2,  6,   294,   41},
    {2,  7,   341,   41},
    {2,  8,   388,   41},
    {2,  9,   435,   41},
    {2, 10,   482,   41},
    {2, 11,   529,   41},
    {2, 12,   576,   41},
    {2, 13,   623,   41},
    {2, 14,   676,   74, Reihenabstand + Tastenhoehe},   // Return, two rows tall

    {3,  1,    30,   76},   // Caps lock
    {3,  2,   112,   41},
    {3,  3,   159,   41},
    {3,  4,   206,   41},
    {3,  5,   253,   41},
    {3,  6,   300,   41},
    {3,  7,   347,   41},
    {3,  8,   394,   41},
    {3,  9,   441,   41},
    {3, 10,   488,   41},
    {3, 11,   535,   41},
    {3, 12,   582,   41},
    {3, 13,   629,   41},

    {4,  1,    30,   62},   // Shift
    {4,  2,    98,   41},
    {4,  3,   145,   41},
    {4,  4,   192,   41},
    {4,  5,   239,   41},
    {4,  6,   286,   41},
    {4,  7,   333,   41},
    {4,  8,   380,   41},
    {4,  9,   427,   41},
    {4, 10,   474,   41},
    {4, 11,   521,   41},
    {4, 12,   568,   41},
    {4, 13,   615,  135},   // Shift

    {5,  1,    30,   76},   // Strg
    {5,  2,   112,   64},   // Alt
    {5,  3,   182,  416},   // space bar
    {5,  4,   604,   64},   // Alt Gr
    {5,  5,   674,   76},   // Strg
}};
// clang-format on

constexpr bool entwurfsfolgeStimmt() {
    std::size_t i = 0;
    for (int r = 1; r <= Tastentabelle::Reihen; ++r) {
        for (int p = 1; i < Entwuerfe.size() && Entwuerfe[i].reihe == r; ++p, ++i) {
            if (Entwuerfe[i].position != p) {
                return false;
            }
        }
    }
    return i == Entwuerfe.size();
}
static_assert(entwurfsfolgeStimmt(), "the design table must list the keys row by row");

// The layout's sizes: the screen width divided by these numbers.
struct Teiler {
    double deutschSchweiz;
    double usa;
};
constexpr Teiler ReturnHoehe{8.99, 19.51};
constexpr Teiler NachbarBreite{19.51, 8};
constexpr Teiler NachbarLinks{1.27, 1.23};
constexpr double NachbarMarkeBreiteUSA = 10.96;
constexpr double NachbarMarkeLinksUSA = 11.43;
constexpr Teiler ShiftBreite{12.7, 7.27};
constexpr Teiler ShiftMarkeLinks{16.67, 8.42};

struct Schirm {
    int breite;
    // A design length scaled to the screen.
    int s(int entwurf) const { return entwurf * breite / Entwurfsbreite; }
    // The screen width divided by the number.
    int teil(double teiler) const { return static_cast<int>(std::trunc(breite / teiler)); }
    int teil(const Teiler& t, Tastaturlayout l) const {
        return teil(l == Tastaturlayout::USA ? t.usa : t.deutschSchweiz);
    }
};

bool ist(int taste, int reihe, int position) {
    return Tastentabelle::index(reihe, position) == taste;
}

} // namespace

Tastenmass entwurfsmass(int taste, int bildschirmbreite) {
    const Schirm schirm{bildschirmbreite};
    const Entwurf& e = Entwuerfe[static_cast<std::size_t>(taste)];
    Tastenmass m;
    m.links = schirm.s(e.links);
    m.oben = schirm.s((e.reihe - 1) * Reihenabstand);
    m.breite = schirm.s(e.breite);
    m.hoehe = schirm.s(e.hoehe);
    m.markeLinks = schirm.s(e.breite - MarkeVonRechts);
    m.markeOben = m.hoehe - schirm.s(MarkeVonUnten);
    m.markeBreite = schirm.s(MarkeBreite);
    m.markeHoehe = schirm.s(MarkeHoehe);
    m.schrifthoehe = schirm.s(Schrifthoehe);
    return m;
}

Tastenmass tastenmass(int taste, Tastaturlayout layout, int bildschirmbreite) {
    const Schirm schirm{bildschirmbreite};
    const bool usa = layout == Tastaturlayout::USA;
    Tastenmass m = entwurfsmass(taste, bildschirmbreite);
    if (ist(taste, 2, 14)) {
        m.hoehe = schirm.teil(ReturnHoehe, layout);
        m.markeOben = m.hoehe - schirm.s(MarkeVonUnten);
    } else if (ist(taste, 3, 13)) {
        m.breite = schirm.teil(NachbarBreite, layout);
        m.links = schirm.teil(NachbarLinks, layout);
        if (usa) {
            m.markeBreite = schirm.teil(NachbarMarkeBreiteUSA);
            m.markeLinks = schirm.teil(NachbarMarkeLinksUSA);
        }
    } else if (ist(taste, 4, 1)) {
        m.breite = schirm.teil(ShiftBreite, layout);
        m.markeLinks = schirm.teil(ShiftMarkeLinks, layout);
    } else if (ist(taste, 4, 2)) {
        m.sichtbar = !usa;
    } else if (ist(taste, 3, 1) && usa) {
        m.schrifthoehe = schirm.s(KleineSchrifthoehe);
    }
    return m;
}

} // namespace tastwerk
