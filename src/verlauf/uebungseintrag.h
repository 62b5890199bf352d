// One exercise as the learning history keeps it: who practised what, when, how fast and how well.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "practice/zeichenzaehlung.h"
#include "session/sitzung.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tastwerk {

// Stage names of the two course stages; an own text is recorded under its file name.
inline constexpr const char* StufeBuchstaben = "B";
inline constexpr const char* StufeWort = "W";

struct Uebungseintrag {
    std::string name;   // the learner's name as Benutzer.dat holds it (Windows-1252 bytes)
    std::string beginn; // local time "JJJJ-MM-TT hh:mm:ss"
    std::string ende;
    int lektion = 1;
    std::string stufe = StufeBuchstaben; // "B", "W" or the own text's file name (UTF-8)
    int layout = 0;                      // 0 German, 1 Swiss, 2 US
    std::uint32_t anschlaege = 0;
    std::uint32_t fehler = 0;
    std::uint32_t sekunden = 0; // net practice seconds, pauses left out
    double tempo = 0;           // keystrokes per minute
    double fehlerquote = 0;     // percent
    bool bestanden = false;
    Fingerzaehler finger{};              // characters presented and errors per finger group
    std::vector<Zeichenzaehler> zeichen; // ordered by character
    bool operator==(const Uebungseintrag&) const = default;
};

// An exercise is worth keeping when it was passed or left after at least 10 keystrokes.
constexpr std::uint32_t MindestanschlaegeFuerVerlauf = 10;
inline bool lohntAufzeichnung(const Uebungseintrag& e) {
    return e.bestanden || e.anschlaege >= MindestanschlaegeFuerVerlauf;
}

} // namespace tastwerk
