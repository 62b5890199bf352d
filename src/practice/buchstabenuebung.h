// The letter exercise: single characters of the lesson, one at a time, judged, counted per finger,
// with a goal that grows only while the learner is fast and accurate enough.
#pragma once

#include "keyboard/buchstabenliste.h"
#include "platform/klang.h"
#include "practice/ansicht.h"
#include "practice/zeichenzaehlung.h"
#include "practice/zufall.h"
#include "session/sitzung.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tastwerk {

// What one keystroke of the letter exercise changed, for the screen to show.
struct Buchstabenschritt {
    bool ignoriert = false; // settings open or paused: nothing happened
    bool erster = false;    // the key that started the exercise (not judged)
    bool tippfehler = false;
    bool bestanden = false; // the goal reached 100 %: show the praise, set up the word exercise
    std::string lobTitel;
    std::string lobText;
    bool statistikNeu = false; // the per-finger counters changed
};

// Display state of the letter exercise after a keystroke.
struct Buchstabenanzeige {
    int index = 0;          // index into the letter sequence of the demanded letter
    Zeichen gefordert = 0;  // the demanded letter
    char markierung = 0;    // 'G' (Shift letter), 'Z' (digit) or none
    std::string lernziel;   // "Lernziel erreicht zu  5.0 %"
    int fortschritt = 0;    // progress bar 0..100
    std::string anschlaege; // "Anschläge: 12"
    bool tempoRot = false;
    std::string fehler; // "Fehler: 1"
    std::string fehleranteil;
    bool fehleranteilRot = false;
};

class Buchstabenuebung {
public:
    Buchstabenuebung(Sitzung& sitzung, const Buchstabenliste& liste, Zufall& zufall, Klang& klang);

    // Zeroes the counters of the exercise and the learner's per-finger counters (a lesson starts).
    void nullsetzen();
    // Takes the lesson's part of the letter sequence from the catalogue.
    void lektionEinstellen();

    // One typed character, with what is shown beside the exercise; `uebungssekunden`: net practice
    // seconds so far.
    Buchstabenschritt taste(Zeichen k, Ansicht ansicht, std::int64_t uebungssekunden);

    // Speed text of the status bar for the current counters.
    void tempoAktualisieren(std::int64_t uebungssekunden);

    const Buchstabenanzeige& anzeige() const { return anzeige_; }
    std::uint32_t anschlaege() const { return anschlaege_; }
    std::uint32_t fehlerzahl() const { return fehlerzahl_; }
    std::uint32_t neuZiehungen() const { return neuZiehungen_; }
    // Qualifying keystrokes; the goal is Q / LektionNr percent, reached at Q = 100 × LektionNr.
    std::uint32_t lernzielZaehler() const { return lernziel_; }
    double lernzielanteil() const;
    bool fehlerOffen() const { return fehlerOffen_; }
    int anschlaegeProMinute() const { return apm_; }
    int hoechsterIndex() const { return hoechsterIndex_; }
    int neueBuchstaben() const { return neueBuchstaben_; }
    int buchstabenindex() const { return index_; }

    // For tests: sets the demanded letter.
    void setBuchstabenindex(int index) { index_ = index; }

    // Per character: typed as demanded and missed, since the counters were last zeroed.
    const Zeichenzaehlung& zeichenzaehlung() const { return zeichenzaehlung_; }

private:
    void naechsterBuchstabe();
    void fingerZaehlen(Zeichen z, bool fehler);
    bool fehleranteilZulaessig() const;
    void statusTexte();

    Sitzung& sitzung_;
    const Buchstabenliste& liste_;
    Zufall& zufall_;
    Klang& klang_;

    int index_ = 0;
    int vorigerIndex_ = -1;
    std::uint32_t anschlaege_ = 0;
    std::uint32_t fehlerzahl_ = 0;
    std::uint32_t neuZiehungen_ = 0;
    std::uint32_t lernziel_ = 0;
    bool fehlerOffen_ = false;
    int apm_ = 0;
    Zeichenzaehlung zeichenzaehlung_;
    int hoechsterIndex_ = 8;
    int neueBuchstaben_ = 9;
    int grossesNummer_ = 0;
    Buchstabenanzeige anzeige_;
};

// Whether an error rate errors / keystrokes × 100 is at or below the admissible rate, compared exactly:
// errors × 1000 ≤ Round(rate × 10) × keystrokes.
bool fehlerrateZulaessig(std::uint32_t fehler, std::uint32_t anschlaege, float wunschFehlerrate);

// The praise message at 100 % of the letter exercise, chosen by the number of errors.
struct Meldung {
    std::string titel;
    std::string text;
};
Meldung lobBuchstabenuebung(std::uint32_t fehlerzahl);

} // namespace tastwerk
