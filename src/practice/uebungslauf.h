// The practice run: which exercise runs, what is shown beside it, its clock and pause, and its engines.
// The window hands it a keystroke or a tick of the clock and shows what it returns; when an exercise ends
// the run reports what it counted.
#pragma once

#include "keyboard/buchstabenliste.h"
#include "platform/klang.h"
#include "practice/ansicht.h"
#include "practice/buchstabenuebung.h"
#include "practice/eigene_texte_uebung.h"
#include "practice/uebungszeit.h"
#include "practice/wortuebung.h"
#include "practice/zeichenzaehlung.h"
#include "practice/zufall.h"
#include "session/sitzung.h"
#include "stats/fehlerstatistik.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tastwerk {

// Why an exercise ended.
enum class Uebungsende {
    Bestanden,    // the goal reached 100 %
    Verlassen,    // back to the main menu, or the exercise was left for another
    Textende,     // an own text was typed to its end
    NeuBegonnen,  // an own text was started again from its first line
    Programmende, // the program closed during the exercise
};

// What an exercise counted, reported when it ends.
struct Uebungsbericht {
    Uebungsart art = Uebungsart::Keine;
    Uebungsende ende = Uebungsende::Verlassen;
    int lektion = 1;
    bool wiederholung = false;
    std::uint32_t anschlaege = 0;      // the number in "Anschläge: "
    std::uint32_t anschlagzaehler = 0; // the counter the speed is computed from
    std::uint32_t fehler = 0;
    std::int64_t sekunden = 0; // net practice seconds
    Fingerzaehler fingerzaehler{};
    std::vector<Zeichenzaehler> zeichen; // per character: typed as demanded and missed
};

// What one keystroke did.
struct Laufschritt {
    // Not taken: no exercise runs, the settings are open or the exercise is paused (letter exercise), or
    // the error sound still plays.
    bool abgewiesen = false;
    Uebungsart art = Uebungsart::Keine;         // the exercise that took the key
    Buchstabenschritt buchstabe;                // when the letter exercise took it
    Wortschritt wort;                           // when the word exercise took it (also after the letter pass)
    const EigeneTexteAnzeige* eigene = nullptr; // when the own-texts exercise took it
    bool ersterAnschlag = false;                // the exercise's clock started with this key
    // A passed word exercise (not a repetition's): the lesson's error rates per finger from both
    // exercises, recorded into the overall statistics.
    std::optional<Fingerfehlerquoten> gesamtstatistik;
};

// The course position after a passed word exercise.
struct Kursposition {
    int lektion = 1;
    int stufe = 0;
};

// The speed shown in the status bar after a tick.
struct Taktergebnis {
    bool tempoNeu = false; // the speed is to be shown
    int anschlaegeProMinute = 0;
    bool tempoRot = false;
};

class Uebungslauf {
public:
    // The references must outlive the run.
    Uebungslauf(Sitzung& sitzung, const Buchstabenliste& liste, Zufall& zufall, Klang& klang);

    // A lesson's letter exercise is set up behind its introduction; it runs from beginnen().
    void buchstabenuebungVorbereiten();
    void buchstabenuebungBeginnen();
    // The word exercise of the session's lesson; it runs at once, its start prompt shown.
    void wortuebungEinrichten();
    // An own text runs; the engine belongs to the caller and must outlive the exercise.
    void eigeneTexteBeginnen(EigeneTexteUebung& uebung);
    // The own text starts again from its first line ("Neu anfangen"): called before the engine is reset,
    // so that the run can report what the text counted so far.
    void eigeneTexteNeuBeginnen(std::int64_t jetztMs);
    // Back to the main menu (or the program closes): the exercise ends, pause and settings end too.
    void verlassen(std::int64_t jetztMs, Uebungsende ende = Uebungsende::Verlassen);

    // Whether a keystroke can deliver this character to the running exercise: printable characters,
    // and the tab in an own text.
    bool istAnschlag(Zeichen z) const;
    // Whether keys go to the run: an exercise runs and its settings are closed.
    bool nimmtTasten() const { return laeuft() && ansicht_ != Ansicht::Einstellungen; }
    // Whether a key is taken now: not while the error sound of the last key still plays.
    bool tonLaeuft() const { return klang_.synchronLaeuft(); }
    // One typed character (Return 13); ZeichenStartaufforderung asks for the start prompt.
    Laufschritt taste(Zeichen k, std::int64_t jetztMs);
    // The 250 ms tick: the speed of the running exercise.
    Taktergebnis takt(std::int64_t jetztMs);
    // After a passed word exercise: where the learner goes on (the lesson rises unless it is the last,
    // the stage is the letter exercise), taken over into the session.
    Kursposition naechstePositionUebernehmen(const Wortschritt& bestanden);
    // Records the error rates per finger of the letter and the word exercise together for the learner's
    // lesson into the overall statistics and returns them.
    Fingerfehlerquoten gesamtstatistikEintragen();

    void pauseSetzen(bool an, std::int64_t jetztMs);
    bool pausiert() const { return ansicht_ == Ansicht::Pause; }
    void einstellungenSetzen(bool offen, std::int64_t jetztMs);
    bool einstellungenOffen() const { return ansicht_ == Ansicht::Einstellungen; }
    // The keyboard or the statistics beside the exercise; the overall statistics from the Extras screen.
    void ansichtSetzen(Ansicht ansicht) { ansicht_ = ansicht; }
    Ansicht ansicht() const { return ansicht_; }
    // The view that returns when pause or settings end.
    Ansicht ansichtDahinter() const;

    Uebungsart art() const { return art_; }
    bool laeuft() const { return art_ != Uebungsart::Keine; }
    // Whether the running exercise has had its first keystroke.
    bool begonnen() const;
    std::int64_t uebungssekunden(std::int64_t jetztMs) const { return zeit_.uebungssekunden(jetztMs); }

    // Receives the report of every exercise that ends after its first keystroke.
    void setBerichtEmpfaenger(std::function<void(const Uebungsbericht&)> empfaenger) {
        empfaenger_ = std::move(empfaenger);
    }

    const Buchstabenuebung& buchstabenuebung() const { return buchstabenuebung_; }
    const Wortuebung& wortuebung() const { return wortuebung_; }
    const EigeneTexteUebung* eigeneTexte() const { return eigene_; }
    // The character the on-screen keyboard marks, 0 for none.
    Zeichen sollzeichen() const;

private:
    void berichten(Uebungsende ende, std::int64_t jetztMs, int lektion, bool wiederholung);
    void artSetzen(Uebungsart art);

    Sitzung& sitzung_;
    const Klang& klang_;
    Buchstabenuebung buchstabenuebung_;
    Wortuebung wortuebung_;
    EigeneTexteUebung* eigene_ = nullptr;
    Uebungszeit zeit_;
    Uebungsart art_ = Uebungsart::Keine;
    Ansicht ansicht_ = Ansicht::Tastatur;
    Ansicht vorPause_ = Ansicht::Tastatur;
    Ansicht vorEinstellungen_ = Ansicht::Tastatur;
    bool vorbereitet_ = false;
    std::function<void(const Uebungsbericht&)> empfaenger_;
};

} // namespace tastwerk
