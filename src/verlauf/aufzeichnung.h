// The row of the learning history for an exercise that has just ended, from what the exercise counted.
#pragma once

#include "platform/uhr.h"
#include "verlauf/uebungseintrag.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tastwerk {

// What the running exercise counted up to its end.
struct Uebungsstand {
    std::uint32_t anschlaege = 0;   // keystrokes as the status bar shows them
    std::uint32_t tempozaehler = 0; // the counter the speed is computed from
    std::uint32_t fehler = 0;
    std::int64_t sekunden = 0; // net practice seconds
    Fingerzaehler finger{};
    std::vector<Zeichenzaehler> zeichen;
};

// "JJJJ-MM-TT hh:mm:ss"
std::string zeitText(const Zeitpunkt& z);

// The row: speed as the status bar computes it, error rate in percent of the keystrokes.
Uebungseintrag uebungseintrag(const std::string& name, int lektion, const std::string& stufe, int layout,
                              const Zeitpunkt& beginn, const Zeitpunkt& ende, const Uebungsstand& stand,
                              bool bestanden);

} // namespace tastwerk
