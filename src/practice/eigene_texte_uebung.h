// The own-texts exercise: the learner types a text of their own line by line, each line ended with Return.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "platform/klang.h"
#include "practice/textdatei.h"
#include "practice/zeichenzaehlung.h"
#include "session/sitzung.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

inline constexpr const char* TextendeTitel = "Textende";
inline constexpr const char* TextendeText = "Sie haben das Textende erreicht!";
// The end-of-text message box: the text between two line breaks.
inline constexpr const char* TextendeMeldung = "\nSie haben das Textende erreicht!\n";
inline constexpr const char* ReturnHinweis = "Bitte drücken Sie <RETURN>.";

// Whether a keystroke can deliver this Windows-1252 character: the printable characters, and the tab
// where `tabulator` allows it. Controls, DEL (127, the exercise's start code) and the five bytes
// Windows-1252 leaves unassigned are never typed.
bool tippbaresZeichen(Zeichen z, bool tabulator);

// The characters of an own text that cannot be practised, each once in order of appearance, as UTF-8:
// those Windows-1252 cannot hold and those no keystroke delivers (the tab is typed as one). A text
// holding any of them can be shown but never typed to its end.
std::vector<std::string> nichtUebbareZeichen(const EigenerText& text);

// The lines of an own text as the exercise compares them, in Windows-1252; nothing when the text holds
// a character that cannot be practised.
std::optional<std::vector<std::string>> uebungszeilen(const EigenerText& text);

// What the screen shows after a keystroke.
struct EigeneTexteAnzeige {
    std::string anschlaege;   // "Anschläge: 12"
    std::string fehler;       // "Fehler: 1"
    std::string fehleranteil; // "Fehleranteil:  8.33 %"
    bool fehleranteilRot = false;
    std::string zeilenanzeige; // "Zeile 2 von 7"
    // Start of the one-character selection in the first line of the practice box (0 = its first
    // character; the line's length when Return is due).
    std::size_t markierung = 0;
    bool returnHinweis = false;
    // The character the on-screen keyboard marks; Return (13) at a line end and on an empty line,
    // ZeichenStartaufforderung once the text is finished.
    Zeichen sollzeichen = ZeichenStartaufforderung;
    // This keystroke finished the first line of the practice box: remove it.
    bool zeileFertig = false;
    // This keystroke finished the text: clear the practice box, put TextendeText into it, show the
    // final captions and the message box.
    bool textende = false;
    // The key was wrong; the error sound was played (when sound on errors is on).
    bool tippfehler = false;
    bool fehlerton = false;
    // The speed counts from this keystroke: store the clock now as the start of the exercise.
    bool uebungsbeginn = false;
};

class EigeneTexteUebung {
public:
    // zeilen: the text's lines in Windows-1252 (no line breaks); an empty list is one empty line.
    // The settings (correction mode, highest error rate, sound on errors) are read from the session at
    // every keystroke. Both references must outlive the exercise.
    EigeneTexteUebung(std::vector<std::string> zeilen, const Sitzung& sitzung, Klang& klang);

    // One keystroke. ZeichenStartaufforderung starts the exercise (counters shown, first character
    // marked); once started it only shows the display again. Before the start every key is taken as the
    // start call; after the end of the text keys change nothing. The reference stays valid until the
    // next call.
    const EigeneTexteAnzeige& taste(Zeichen k);

    // "Neu anfangen": line 1, all counters zero, and the start call.
    const EigeneTexteAnzeige& neuAnfangen();

    const EigeneTexteAnzeige& anzeige() const { return anzeige_; }

    // The keystroke counter the speed is computed from. Like the word exercise's it counts the start
    // call too: after n counted keystrokes it holds n + 1 (0 before the start).
    std::uint32_t anschlagzaehler() const { return anschlagzaehler_; }
    // Keystrokes counted (the number in "Anschläge: "); wrong keys in correction mode and wrong keys at a
    // line end are not counted.
    std::uint32_t anschlaege() const { return anschlagzaehler_ > 0 ? anschlagzaehler_ - 1 : 0; }
    std::uint32_t fehlerzaehler() const { return fehlerzaehler_; }
    // 100 × errors / Anschlagzaehler, 0 without errors.
    double fehleranteil() const;

    // Lines finished; the first line of the practice box is line textzeile() of the text.
    std::size_t textzeile() const { return textzeile_; }
    std::size_t textzeilen() const { return zeilen_.size(); }
    // 1-based position of the next character in the current line; length + 1 when Return is due;
    // 0 before the start.
    std::size_t textposition() const { return textposition_; }
    bool textendeErreicht() const { return textende_; }
    const std::vector<std::string>& zeilen() const { return zeilen_; }

    // Per character: typed as demanded and missed since the text was begun.
    const Zeichenzaehlung& zeichenzaehlung() const { return zeichenzaehlung_; }

private:
    void falscheTaste();
    void anzeigeFuellen();

    std::vector<std::string> zeilen_;
    const Sitzung& sitzung_;
    Klang& klang_;

    std::size_t textzeile_ = 0;
    std::size_t textposition_ = 0;
    std::uint32_t anschlagzaehler_ = 0;
    std::uint32_t fehlerzaehler_ = 0;
    bool fehlerOffen_ = false;
    bool textende_ = false;
    EigeneTexteAnzeige anzeige_;
    Zeichenzaehlung zeichenzaehlung_;
};

} // namespace tastwerk
