// What a learner's history shows them: speed and error rate over the exercises, practice time per day
// and per week, the best speed, and the characters that go wrong most often.
#pragma once

#include "platform/uhr.h"
#include "verlauf/uebungseintrag.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

struct Verlaufspunkt {
    double tempo = 0;
    double fehlerquote = 0;
    bool bestanden = false;
};

struct Zeitabschnitt {
    std::string beginn; // "JJJJ-MM-TT": the day, or the Monday of the week
    std::uint64_t sekunden = 0;
    bool operator==(const Zeitabschnitt&) const = default;
};

struct Auswertung {
    std::vector<Verlaufspunkt> punkte; // one per exercise, oldest first
    std::optional<double> bestesTempo;
    std::uint64_t sekundenGesamt = 0;
    std::vector<Zeitabschnitt> tage;   // the last 14 days up to today, oldest first
    std::vector<Zeitabschnitt> wochen; // the last 8 weeks (Monday to Sunday) up to this one
};

Auswertung auswerten(const std::vector<Uebungseintrag>& eintraege, const Datum& heute);

// The error rate in percent of a key carrying the given characters: all its misses over all the times
// one of them was typed, so a character practised often weighs more. Nothing when none was typed.
std::optional<double> tastenquote(const std::vector<Zeichenzaehler>& summen,
                                  const std::vector<Zeichen>& zeichen);

// The rate of every key of the on-screen keyboard (numbered as the key table numbers them) in the layout,
// from the characters each key carries; nothing for a key none of whose characters was typed.
std::vector<std::optional<double>> tastenquoten(const std::vector<Zeichenzaehler>& summen,
                                                Tastaturlayout layout);

// Green at no errors, yellow at 5 %, red from 10 % on, in between mixed; stored layout 0x00BBGGRR.
Farbe heatmapFarbe(double quote);

// At least this many demands before a character can count among the weakest.
constexpr std::uint32_t MindestanzahlSchwaeche = 5;

// The characters with the highest error rate (at least one miss), highest first, at most `anzahl`.
std::vector<Zeichenzaehler> schwaechsteZeichen(const std::vector<Zeichenzaehler>& summen,
                                               std::size_t anzahl = 5);

// Days since 1 January 1970 of a calendar date, and back ("JJJJ-MM-TT").
std::int64_t tagesnummer(int jahr, int monat, int tag);
std::string datumAusTagesnummer(std::int64_t nummer);

} // namespace tastwerk
