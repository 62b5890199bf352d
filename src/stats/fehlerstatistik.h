// The lesson error statistics: the error rate per finger group, and the panel's text lines, bars,
// colours, title and scale.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "session/sitzung.h"

#include <array>
#include <cstdint>
#include <string>

namespace tastwerk {

// Nine counts or rates, in finger group order.
using Fingerzahlen = std::array<std::uint32_t, FingergruppenAnzahl>;
using Fingerfehlerquoten = std::array<double, FingergruppenAnzahl>;

// The error rate in percent of every finger group: 100 × errors / keystrokes when both are non-zero,
// otherwise 0.
Fingerfehlerquoten statistikberechnen(const Fingerzahlen& anschlaege, const Fingerzahlen& fehler);
// The same from the counter pairs of an exercise.
Fingerfehlerquoten statistikberechnen(const Fingerzaehler& zaehler);

// The keystroke and the error counts of the pairs.
Fingerzahlen anschlaegeVon(const Fingerzaehler& zaehler);
Fingerzahlen fehlerVon(const Fingerzaehler& zaehler);

// "Fehlerstatistik Lektion 3"
std::string statistiktitel(int lektion);

// The finger name that begins a group's text line: "kleiner Finger: ", ..., "Daumen: ".
std::string fingername(Fingergruppe f);
// The colour of a group's text line.
Farbgruppe zeilenfarbe(Fingergruppe f);
// The left hand's four groups and the thumb stand in the left column, the right hand's in the right one.
bool linkeSpalte(Fingergruppe f);

// "Ringfinger: 3 von 120 falsch ( 2.50 %)"
std::string statistikzeile(Fingergruppe f, std::uint32_t fehler, std::uint32_t anschlaege, double quote);

// The position of a bar: the rate rounded to the nearest integer, halves to even. It may lie above the
// scale; balkenwert() is the value a bar with the range 0..skala takes (a full bar then).
int balkenposition(double quote);
int balkenwert(double quote, int skala);

// What the panel shows for one finger group.
struct Statistikzeile {
    std::string text;
    int balken = 0; // balkenposition
    Farbgruppe farbe = Farbgruppe::KleinerFinger;
};

struct Fehlerstatistikanzeige {
    std::string titel;
    std::array<Statistikzeile, FingergruppenAnzahl> zeilen;
};

// The whole panel from the lesson number, the rates and the counts shown (all in finger group order).
Fehlerstatistikanzeige fehlerstatistik(int lektion, const Fingerfehlerquoten& quoten,
                                       const Fingerzahlen& anschlaege, const Fingerzahlen& fehler);

// The full scales of the bars, in the order of the popup menu "Skalierung".
inline constexpr std::array<int, 4> Statistikskalen = {100, 50, 25, 10};
inline constexpr int StandardStatistikskala = 25;
// Whether the value is one of the four scales.
bool istStatistikskala(int skala);
// The scale label at the right end of every bar: "25 %".
std::string skalenbeschriftung(int skala);
// The entry of the popup menu "Skalierung": "100 %", "  50 %", "  25 %", "  10 %"; empty for other values.
std::string skalenmenuetext(int skala);

} // namespace tastwerk
