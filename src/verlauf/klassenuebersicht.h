// The overview of a class: every learner of a folder's Benutzer.dat beside what their history says.
#pragma once

#include "session/benutzerdatensatz.h"
#include "verlauf/lernverlauf.h"

#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

struct Klassenzeile {
    std::string name; // UTF-8
    int lektion = 1;
    int stufe = 0;       // 0 letter, 1 word exercise
    int benutzungen = 0; // sessions, as the record counts them
    std::uint32_t uebungen = 0;
    std::uint64_t sekunden = 0;        // net practice time of all recorded exercises
    std::string letzteBenutzung;       // "TT.MM.JJJJ": the day of the last save of the record
    std::optional<double> tempo;       // latest exercise
    std::optional<double> fehlerquote; // latest exercise
    // Change per exercise over the latest five (least squares); needs two exercises at least.
    std::optional<double> tempoTrend;
    std::optional<double> fehlerTrend;
};

// The rows in the order of the user file; a learner without history has no speed and no trend.
std::vector<Klassenzeile> klassenuebersicht(const std::vector<Benutzerdatensatz>& saetze,
                                            const std::vector<Verlaufssumme>& summen);

// The slope of the values taken oldest first at the steps 0, 1, 2, ...; nothing for fewer than two.
std::optional<double> trend(const std::vector<double>& aeltesteZuerst);

} // namespace tastwerk
