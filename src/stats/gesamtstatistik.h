// The overall error statistics: the rate of every finger group in every lesson, recorded when a lesson
// is passed (or the overall statistics are opened), and the cells of its grid.
#pragma once

#include "session/sitzung.h"
#include "stats/fehlerstatistik.h"

#include <cstdint>
#include <string>

namespace tastwerk {

// The lesson's counts: for every finger group the letter exercise's pair plus the word exercise's.
Fingerzaehler zusammenzaehlen(const Fingerzaehler& buchstabenuebung, const Fingerzaehler& wortuebung);

// A rate as stored: rounded to the nearest integer (halves to even), kept within 0..100 so that it never
// becomes the marker KeinWert.
std::uint8_t gespeicherteQuote(double quote);

// Records the session's lesson: the rates of the combined counts, rounded, replace the lesson's values in
// sitzung.fehlerquoten. Returns the combined counts' rates for the lesson statistics panel.
Fingerfehlerquoten gesamtfehlerstatistik(Sitzung& sitzung, const Fingerzaehler& buchstabenuebung,
                                         const Fingerzaehler& wortuebung);

// The grid's cell of a stored value: right-aligned in three characters ("  5", "100"), "-------" for
// KeinWert.
std::string rasterzelle(std::uint8_t wert);
// The cell of finger group f (1..9) in lesson `lektion` (1..16).
std::string rasterzelle(const Sitzung& sitzung, Fingergruppe f, int lektion);

} // namespace tastwerk
