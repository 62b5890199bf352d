// The word exercise: whole lines of the lesson's block of exercise lines, typed character by character,
// judged, counted per finger, with a goal that grows only while the learner is fast and accurate enough.
#pragma once

#include "course/uebungstexte.h"
#include "keyboard/grundbegriffe.h"
#include "platform/klang.h"
#include "practice/ansicht.h"
#include "practice/buchstabenuebung.h"
#include "practice/zufall.h"
#include "session/sitzung.h"

#include <cstdint>
#include <string>

namespace tastwerk {

// What one keystroke of the word exercise changed, for the screen to act on.
struct Wortschritt {
    // The start prompt is shown (key 127, exercise not running, or paused); nothing else happened.
    bool startaufforderung = false;
    // The key that answered the start prompt (not judged): store the clock and enable the exercise's
    // buttons "Einstellungen", "Tastatur", "Fehlerstatistik" and "Pause".
    bool erster = false;
    bool tippfehler = false; // the error sound has been played when sound on errors is on
    bool neueZeile = false;  // the line was finished and the next one drawn
    // The per-finger counters were handed on: refresh the lesson statistics panel.
    bool statistikNeu = false;

    // The goal reached 100 %: the applause has been played, the goal label is to be cleared and hidden and
    // the goal caption reads LernzielErreichtText. The keystroke ends here.
    bool bestanden = false;
    // A repetition was passed: show meldungTitel / meldungText, then back to the main menu. Lesson, stage
    // and the own lesson's counters are already the saved ones again.
    bool wiederholungBeendet = false;
    // Otherwise: show the praise (meldungTitel / meldungText), then the overall error statistics of the
    // lesson just passed (with the lesson number as it still stands) and the hint HinweisNachLektion;
    // then, if lektionWeiter, the lesson number rises by one; then the lesson starts.
    bool lektionWeiter = false;
    std::string meldungTitel;
    std::string meldungText;
};

// What the word exercise screen shows after a keystroke.
struct Wortanzeige {
    std::string gruppentitel; // "Wortübung Lektion 3", "WiederholungWortübung Lektion 3"
    // The line display, UTF-8: the start prompt or the current line.
    std::string zeile;
    // Selection in the line display in characters (start 0-based); length 0 for none.
    int auswahlStart = 0;
    int auswahlLaenge = 0;
    std::string wiederholungshinweis; // "Wiederholung aus Lektion 3" or empty
    std::string lernzielTitel;        // "Lernziel der Wortübung erreicht zu"
    std::string lernziel;             // " 0.3 %"; empty after success
    int fortschritt = 0;              // goal progress bar 0..100
    std::string anschlaege;           // "Anschläge: 12"
    std::string fehleranteil;         // "Fehleranteil:  8.33 %"
    bool fehleranteilRot = false;     // above the highest admissible error rate
    std::string fehler;               // "Fehler: 1"
    // The character expected next, for the on-screen keyboard; ZeichenStartaufforderung before the first
    // keystroke.
    Zeichen sollzeichen = ZeichenStartaufforderung;
};

inline constexpr const char* LernzielTitel = "Lernziel der Wortübung erreicht zu";
inline constexpr const char* LernzielErreichtText = "Lernziel der Wortübung erreicht zu 100 %";
// The information message after the overall error statistics of a passed lesson.
inline constexpr const char* HinweisNachLektion = "Hier können Sie sich noch eimal genau ansehen,\n"
                                                  "wo Ihre Schwächen liegen.\n\nWeiter geht es!";

class Wortuebung {
public:
    // The references must outlive the exercise. Settings are read from the session at every keystroke.
    Wortuebung(Sitzung& sitzung, Zufall& zufall, Klang& klang);

    // Sets the exercise up for the session's lesson: counters, per-finger counters and goal zero, the line
    // range of the lesson, the first line drawn, the start prompt shown; the exercise runs from now on.
    // The caller seeds the random generator from the clock first.
    void einrichten();

    // One typed character, with what is shown beside the exercise. ZeichenStartaufforderung, and any key
    // while paused or after the exercise was passed, shows the start prompt.
    Wortschritt taste(Zeichen key, Ansicht ansicht);
    // From einrichten() until the exercise is passed.
    bool laeuft() const { return laeuft_; }

    // The speed computed by the timer from anschlagzaehler().
    void setAnschlaegeProMinute(int apm) { apm_ = apm; }
    int anschlaegeProMinute() const { return apm_; }

    const Wortanzeige& anzeige() const { return anzeige_; }

    // The keystroke counter the speed is computed from: it counts the key that answered the start prompt,
    // so after n counted keystrokes it holds n + 1 (a Shift character counts twice).
    std::uint32_t anschlagzaehler() const { return anschlagzaehler_; }
    std::uint32_t fehlerzaehler() const { return fehlerzaehler_; }
    // Keystrokes and errors per finger group of this word exercise, in finger group order.
    const Fingerzaehler& fingerzaehler() const { return fingerzaehler_; }
    // Per character: typed as demanded and missed in this word exercise.
    const Zeichenzaehlung& zeichenzaehlung() const { return zeichenzaehlung_; }

    // Qualifying keystrokes; the goal is 0.3 × Q / LektionNr percent, passed at 3 × Q ≥ 1000 × LektionNr.
    std::uint32_t lernzielZaehler() const { return lernziel_; }
    double lernzielanteil() const;

    int uebungszeile() const { return uebungszeile_; }
    // 1-based position of the expected character in the current line.
    int zeichenposition() const { return zeichenposition_; }
    bool fehlerOffen() const { return fehlerOffen_; }
    const Zeilenbereich& bereich() const { return bereich_; }

    // For tests: sets the current line and the position of the expected character in it.
    void setUebungszeile(int zeile, int position);

private:
    int lektion() const;
    bool ausgeschlossen(int zeile) const;
    int ersteZeileZiehen();
    int naechsteZeileZiehen();
    Zeichen zeichenAn(int position) const;
    void startaufforderungZeigen();
    void fingerZaehlen(Zeichen z, bool fehler);
    void bestehen(Wortschritt& schritt);
    void zeileUebernehmen(int zeile);
    void lernzielZeigen();
    void statusTexte();

    Sitzung& sitzung_;
    Zufall& zufall_;
    Klang& klang_;

    Zeilenbereich bereich_{0, 0, 8};
    int uebungszeile_ = 1;
    int letzteZeile_ = 1;
    int zeichenposition_ = 0;
    int zeilenlaenge_ = 0;
    std::string zeileUtf8_;
    std::uint32_t anschlagzaehler_ = 0;
    std::uint32_t fehlerzaehler_ = 0;
    // The counters the shown error rate was computed from; the goal is judged on them at the next key.
    std::uint32_t anteilAnschlaege_ = 0;
    std::uint32_t anteilFehler_ = 0;
    std::uint32_t lernziel_ = 0;
    bool fehlerOffen_ = false;
    bool laeuft_ = false;
    int apm_ = 0;
    Fingerzaehler fingerzaehler_{};
    Zeichenzaehlung zeichenzaehlung_;
    Wortanzeige anzeige_;
};

// Whether the line is never drawn (neither as the first nor as a next line) under the layout.
bool zeileAusgeschlossen(int zeile, Tastaturlayout layout);

// "Wiederholung aus Lektion k" for a line of an earlier lesson k than `lektion`, else empty.
std::string wiederholungshinweis(int zeile, int lektion);

// The start prompt of the line display.
std::string startaufforderungWortuebung(int lektion);

// The caption of the word exercise group.
std::string gruppentitelWortuebung(int lektion, bool wiederholung);

// The praise after a passed word exercise (not a repetition), with line breaks as "\n".
Meldung lobWortuebung(int lektion, std::uint32_t fehlerzaehler);
// The message after a passed repetition.
Meldung wiederholungBeendetMeldung();

} // namespace tastwerk
