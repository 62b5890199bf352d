#include "course/hinweistexte.h"

#include "course/lektionskatalog.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tastwerk {

namespace {

constexpr int Lektionen = 16;

// The layouts a line is shown under, one bit per layout.
enum Gilt : unsigned {
    D = 1u << static_cast<unsigned>(Tastaturlayout::Deutsch),
    S = 1u << static_cast<unsigned>(Tastaturlayout::Schweiz),
    U = 1u << static_cast<unsigned>(Tastaturlayout::USA),
    DS = D | S,
    DU = D | U,
    Alle = D | S | U,
};

enum Spalte { Links, Rechts };

constexpr Farbgruppe Klein = Farbgruppe::KleinerFinger;
constexpr Farbgruppe Ring = Farbgruppe::Ringfinger;
constexpr Farbgruppe Mitte = Farbgruppe::Mittelfinger;
constexpr Farbgruppe Zeige = Farbgruppe::Zeigefinger;
constexpr Farbgruppe Daumen = Farbgruppe::Daumen;

struct Fingerzeile {
    int lektion;
    unsigned gilt;
    Spalte spalte;
    Farbgruppe farbe;
    std::string_view text;
};

struct Erklaerungszeile {
    int lektion;
    unsigned gilt;
    std::string_view text;
};

struct Tip {
    std::string_view erste;
    std::string_view zweite;
};

constexpr std::string_view Unterueberschrift = "Bitte legen Sie Ihre Hände folgendermaßen auf die Tastatur:";

// clang-format off
constexpr Fingerzeile Fingerzeilen[] = {
    { 1, Alle, Links,  Klein,  "a: linker kleiner Finger"},
    { 1, Alle, Links,  Ring,   "s: linker Ringfinger"},
    { 1, Alle, Links,  Mitte,  "d: linker Mittelfinger"},
    { 1, Alle, Links,  Zeige,  "f: linker Zeigefinger"},
    { 1, Alle, Links,  Zeige,  "j: rechter Zeigefinger"},
    { 1, Alle, Links,  Mitte,  "k: rechter Mittelfinger"},
    { 1, Alle, Links,  Ring,   "l: rechter Ringfinger"},
    { 1, DS,   Links,  Klein,  "ö: rechter kleiner Finger"},
    { 1, U,    Links,  Klein,  ";: rechter kleiner Finger"},
    { 1, Alle, Links,  Daumen, "Leertaste: rechter Daumen"},

    { 2, Alle, Links,  Zeige,  "g: linker Zeigefinger"},
    { 2, Alle, Links,  Zeige,  "h: rechter Zeigefinger"},

    { 3, Alle, Links,  Mitte,  "e: linker Mittelfinger"},
    { 3, Alle, Links,  Mitte,  "i: rechter Mittelfinger"},

    { 4, Alle, Links,  Klein,  "Return: rechter kleiner Finger"},
    { 4, Alle, Links,  Mitte,  "Komma: rechter Mittelfinger"},

    { 5, Alle, Links,  Zeige,  "r: linker Zeigefinger"},
    { 5, Alle, Links,  Zeige,  "u: rechter Zeigefinger"},

    { 6, Alle, Links,  Ring,   "w: linker Ringfinger"},
    { 6, Alle, Links,  Ring,   "o: rechter Ringfinger"},
    { 6, Alle, Links,  Ring,   ".: rechter Ringfinger"},

    { 7, Alle, Links,  Klein,  "q: linker kleiner Finger"},
    { 7, Alle, Links,  Klein,  "p: rechter kleiner Finger"},

    // lesson 8 explains capitals and has no finger lines

    { 9, Alle, Links,  Zeige,  "t: linker Zeigefinger"},
    { 9, DS,   Links,  Zeige,  "z: rechter Zeigefinger"},
    { 9, U,    Links,  Zeige,  "y: rechter Zeigefinger"},

    {10, Alle, Links,  Zeige,  "v: linker Zeigefinger"},
    {10, Alle, Links,  Zeige,  "m: rechter Zeigefinger"},

    {11, Alle, Links,  Zeige,  "b: linker Zeigefinger"},
    {11, Alle, Links,  Zeige,  "n: rechter Zeigefinger"},

    {12, Alle, Links,  Mitte,  "c: linker Mittelfinger"},
    {12, Alle, Links,  Mitte,  "<: <linke Shift- Taste> + rechter Mittelfinger"},

    {13, Alle, Links,  Ring,   "x: linker Ringfinger"},
    {13, Alle, Links,  Ring,   ": : rechter Ringfinger"},

    {14, Alle, Links,  Klein,  "y: linker kleiner Finger"},
    {14, Alle, Links,  Klein,  "_: <linke Shift-Taste> + rechter kleiner Finger"},
    {14, Alle, Links,  Klein,  "-: rechter kleiner Finger"},

    {15, DS,   Links,  Klein,  "ä: rechter kleiner Finger"},
    {15, DS,   Links,  Klein,  "ü: rechter kleiner Finger"},
    {15, U,    Links,  Klein,  "': rechter kleiner Finger"},
    {15, U,    Links,  Klein,  "[: rechter kleiner Finger"},

    {16, DU,   Links,  Klein,  "1 !: linker kleiner Finger"},
    {16, S,    Links,  Klein,  "1 +: linker kleiner Finger"},
    {16, DS,   Links,  Klein,  R"(2 ": linker kleiner Finger)"},
    {16, U,    Links,  Klein,  "2 @: linker kleiner Finger"},
    {16, D,    Links,  Ring,   "3 §: linker Ringfinger"},
    {16, S,    Links,  Ring,   "3 *: linker Ringfinger"},
    {16, U,    Links,  Ring,   "3 #: linker Ringfinger"},
    {16, DU,   Links,  Mitte,  "4 $: linker Mittelfinger"},
    {16, S,    Links,  Mitte,  "4 ç: linker Mittelfinger"},
    {16, Alle, Links,  Zeige,  "5 %: linker Zeigefinger"},
    {16, DS,   Links,  Zeige,  "6 &&: linker Zeigefinger"},
    {16, U,    Links,  Zeige,  "6 ^: linker Zeigefinger"},
    {16, DS,   Rechts, Zeige,  "7 /: rechter Zeigefinger"},
    {16, U,    Rechts, Zeige,  "7 &&: rechter Zeigefinger"},
    {16, DS,   Rechts, Zeige,  "8 (: rechter Zeigefinger"},
    {16, U,    Rechts, Zeige,  "8 *: rechter Zeigefinger"},
    {16, DS,   Rechts, Mitte,  "9 ): rechter Mittelfinger"},
    {16, U,    Rechts, Mitte,  "9 (: rechter Mittelfinger"},
    {16, DS,   Rechts, Ring,   "0 =: rechter Ringfinger"},
    {16, U,    Rechts, Ring,   "0 ): rechter Ringfinger"},
    {16, D,    Rechts, Klein,  "ß ?: rechter kleiner Finger"},
    {16, S,    Rechts, Klein,  "?: rechter kleiner Finger"},
    {16, S,    Rechts, Klein,  "!: rechter kleiner Finger"},
    {16, U,    Rechts, Klein,  "-_: rechter kleiner Finger"},
    {16, U,    Rechts, Klein,  "= +: rechter kleiner Finger"},
};

// The fingers are named by their home keys. Lessons 1 and 16 have no explanation lines.
constexpr Erklaerungszeile Erklaerungszeilen[] = {
    { 2, Alle, R"(Der "F-Finger" spreizt nach rechts zum g.)"},
    { 2, Alle, R"(Der "J-Finger" spreizt nach links zum h.)"},
    { 2, Alle, "Danach kehren die Finger sofort in die Ausgangsposition"},
    { 2, Alle, "zurück."},

    { 3, Alle, R"(Der "D-Finger" spreizt nach oben zum e.)"},
    { 3, Alle, R"(Der "K-Finger" spreizt nach oben zum i.)"},
    { 3, Alle, "Danach kehren die Finger sofort wieder in die"},
    { 3, Alle, "Ausgangsposition zurück."},

    { 4, Alle, R"(Der "Ö-Finger" spreizt nach ganz rechts zur Return-Taste.)"},
    { 4, Alle, R"(Der "K-Finger" spreizt nach unten zum Komma.)"},
    { 4, Alle, "Danach kehren die Finger sofort wieder in die"},
    { 4, Alle, "Ausgangsposition zurück."},

    { 5, Alle, R"(Der "F-Finger" spreizt weit nach oben zum r.)"},
    { 5, Alle, R"(Der "J-Finger" spreizt nach oben zum u.)"},
    { 5, Alle, "Danach kehren die Finger sofort wieder in die"},
    { 5, Alle, "Ausgangsposition zurück."},

    { 6, Alle, R"(Der "S-Finger" spreizt weit nach oben zum w.)"},
    { 6, Alle, R"(Der "L-Finger" spreizt nach oben zum o.)"},
    { 6, Alle, "Danach kehren beide Finger in die Ausgangsposition zurück."},
    { 6, Alle, "Der Punkt steht direkt am Wort."},
    { 6, Alle, "Danach erfolgt (wie beim Komma) ein Leerschritt."},

    { 7, Alle, R"(Der "A-Finger" spreizt nach oben zum q.)"},
    { 7, Alle, R"(Der "Ö-Finger" spreizt nach links oben zum p.)"},
    { 7, Alle, "Danach kehren die Finger sofort wieder in die"},
    { 7, Alle, "Ausgangsposition zurück."},

    { 8, Alle, "Drücken Sie die linke Shift-Taste, um die Buchstaben, die sich"},
    { 8, Alle, "auf der rechten Seite der Tastatur befinden, gross zu schreiben und"},
    { 8, Alle, "die rechte Shift-Taste, um die Buchstaben, die sich auf der linken"},
    { 8, Alle, "Tastaturhälfte befinden, gross zu schreiben."},
    { 8, Alle, "Bemerkung: Für Grossbuchstaben werden zwei Anschläge berechnet."},
    { 8, Alle, "(<Shift> + <Buchstabe>)"},

    { 9, Alle, R"(Der "F-Finger" spreizt nach rechts oben zum t.)"},
    { 9, DS,   R"(Der "J-Finger" spreizt nach links oben zum z.)"},
    { 9, U,    R"(Der "J-Finger" spreizt nach links oben zum y.)"},
    { 9, Alle, "Danach kehren die Finger sofort in die Ausgangsposition"},
    { 9, Alle, "zurück."},

    {10, Alle, R"(Der "F-Finger" spreizt nach rechts unten zum v.)"},
    {10, Alle, R"(Der "J-Finger" spreizt nach rechts unten zum m.)"},
    {10, Alle, "Danach kehren die Finger sofort in die Ausgangsposition"},
    {10, Alle, "zurück."},

    {11, Alle, R"(Der "F-Finger" spreizt nach rechts unten zwischen den Tasten)"},
    {11, Alle, "G und V hindurch zum b."},
    {11, Alle, R"(Der "J-Finger" spreizt nach links unten zum n.)"},
    {11, Alle, "Danach kehren die Finger sofort in die Ausgangsposition"},
    {11, Alle, "zurück."},

    {12, Alle, R"(Der "D-Finger" spreizt nach unten zum c.)"},
    {12, Alle, R"(Der "K-Finger" spreizt bei gedrückter linker Shift-Taste nach)"},
    {12, DS,   "rechts unten zum Semikolon (;)."},
    {12, U,    "rechts unten zum Kleinerzeichen (<)."},
    {12, DS,   "Das Semikolon steht direkt am Wort. Danach erfolgt wie beim Komma"},
    {12, U,    ""},
    {12, DS,   "und Punkt ein Leerschritt."},
    {12, U,    ""},

    {13, Alle, R"(Der "S-Finger" spreizt nach unten zum x.)"},
    {13, Alle, R"(Der "L-Finger" spreizt bei gedrückter linker Shift-Taste nach)"},
    {13, Alle, "unten zum Doppelpunt (:)."},

    {14, Alle, R"(Der "A-Finger" spreizt nach unten zum y.)"},
    {14, Alle, R"(Der "Ö-Finger" spreizt nach rechts unten zum Mittestrich (-).)"},
    {14, Alle, "Beim Grundstrich (_) wird noch zusätzlich die linke"},
    {14, Alle, "Shift-Taste gedrückt."},

    {15, DS,   R"(Der "Ö-Finger" spreizt nach rechts zum Ä oder nach oben)"},
    {15, DS,   "zwischen die P-Taste und die nächste Taste zum Ü."},
    {15, U,    R"(Der ";-Finger" spreizt nach rechts zum ' oder nach oben)"},
    {15, U,    "zwischen die P-Taste und die nächste Taste zum [."},
    {15, Alle, "Sie haben es fast geschafft! Weiter so!"},
};

// An empty tip hides the tip frame.
constexpr std::array<Tip, Lektionen> Tips = {{
    /*  1 */ {"Tip: Versuchen Sie beim Schreiben", "nicht auf die Tastatur zu blicken."},
    /*  2 */ {"Tip: Versuchen Sie möglichst gleichmässig", "im Takt zu schreiben."},
    /*  3 */ {"Tip: Fehlerfrei zu schreiben ist wichtiger,", "als schnell zu schreiben."},
    /*  4 */ {"Tip: Nehmen Sie höchstens eine Lektion", "am Tag durch."},
    /*  5 */ {"Tip: Versuchen Sie, täglich mindestens", "20 Minuten zu üben."},
    /*  6 */ {"Tip: Versuchen Sie, stets geduldig", "zu schreiben."},
    /*  7 */ {"Tip: Machen Sie zwischendurch Finger-", "gymnastik! (siehe Extras)"},
    /*  8 */ {},
    /*  9 */ {"Tip: Alt aber wahr: Übung macht", "den Meister!"},
    /* 10 */ {"Tip: Alt aber wahr: Übung macht", "den Meister!"},
    /* 11 */ {"Tip: Versuchen Sie, jeden Tag eine halbe", "Stunde zu üben!"},
    /* 12 */ {},
    /* 13 */ {"Tip: Fehlerfrei zu schreiben ist wichtiger,", "als schnell zu schreiben."},
    /* 14 */ {},
    /* 15 */ {},
    /* 16 */ {},
}};
// clang-format on

unsigned layoutbit(Tastaturlayout layout) {
    const auto nr = static_cast<unsigned>(layout);
    return nr < static_cast<unsigned>(LayoutAnzahl) ? 1u << nr : D;
}

} // namespace

Hinweistext hinweistext(int lektion, Tastaturlayout layout) {
    const int l = std::clamp(lektion, 1, Lektionen);
    const unsigned bit = layoutbit(layout);

    Hinweistext h;
    h.titel = lektionstitel(l, layout);
    if (l == 1) {
        h.unterueberschrift = Unterueberschrift;
    }
    for (const Fingerzeile& z : Fingerzeilen) {
        if (z.lektion == l && (z.gilt & bit) != 0) {
            (z.spalte == Links ? h.zeilen : h.rechteSpalte).push_back({std::string(z.text), z.farbe});
        }
    }
    for (const Erklaerungszeile& z : Erklaerungszeilen) {
        if (z.lektion == l && (z.gilt & bit) != 0) {
            h.zeilen.push_back({std::string(z.text), std::nullopt});
        }
    }
    const Tip& tip = Tips[static_cast<std::size_t>(l - 1)];
    h.tipSichtbar = !tip.erste.empty();
    h.tip = {std::string(tip.erste), std::string(tip.zweite)};
    return h;
}

} // namespace tastwerk
