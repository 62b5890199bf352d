// The session state: every value of the signed-in learner and of the running program, in one object.
// It is loaded from the learner's record at sign-in and written back by the save.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "session/benutzerdatensatz.h"

#include <array>
#include <cstdint>
#include <string>

namespace tastwerk {

// Keystrokes (characters presented) and errors of one finger group. Memory holds more than the
// record's 16 bits; the save saturates.
struct Fingerpaar {
    std::uint32_t anschlaege = 0;
    std::uint32_t fehler = 0;
    bool operator==(const Fingerpaar&) const = default;
};

using Fingerzaehler = std::array<Fingerpaar, FingergruppenAnzahl>;

struct Sitzung {
    // The program run.
    int bildschirmbreite = 800;
    int bildschirmhoehe = 600;
    bool angemeldet = false;
    int namenslaenge = 0;
    std::string name; // Windows-1252, at most 45 characters
    std::string programmordner;
    int startstunde = 0;
    int startminute = 0;
    // 1-based position after the learner's record, found by the last search of the user file.
    int satzposition = 0;
    // The learner's record exactly as it was read or last written.
    Benutzerdatensatz datensatzpuffer;

    // The learner's values.
    int lektionNr = 1;
    int uebungsstufe = 0; // 0 letter exercise, 1 word exercise
    std::array<Farbe, FarbgruppenAnzahl> farben = Standardfarben;
    std::uint32_t sitzungszahl = 0;
    std::int32_t wunschAnschlaege = 40;
    float wunschFehlerrate = 3.5f;
    std::uint8_t berichtigungErzwingen = 1;
    int jahr = 1997;
    int monat = 1;
    int tag = 1;
    std::array<std::uint8_t, 3> schriftgroessen = {121, 18, 14};
    std::array<std::array<std::uint8_t, LektionenAnzahl>, FingergruppenAnzahl> fehlerquoten{};
    std::array<std::string, 3> schriftarten = {"Times New Roman", "Times New Roman", "Times New Roman"};
    Fingerzaehler fingerzaehler{};
    Farbe hintergrundfarbe = 0x00C0C0C0;
    std::uint8_t tastaturschriftfarbe = 0;
    std::uint8_t statistikskala = 25;
    std::uint8_t wiederholungsanteil = 30;
    Tastaturlayout tastaturlayout = Tastaturlayout::Deutsch;
    std::uint8_t schriftstil2 = 1;
    std::uint8_t schriftstil3 = 0;
    bool stimme = false;
    bool tonBeiTippfehler = true;

    // Repetition of an earlier lesson and the chooser's current choice.
    bool wiederholungAktiv = false;
    int gespeicherteLektion = 1;
    int gespeicherteStufe = 0;
    // The per-finger counters of the learner's own lesson, kept aside while a repetition runs.
    Fingerzaehler gespeicherteFingerzaehler{};
    int wiederholungsLektion = 1;
    int wiederholungsStufe = 0;
    // Lesson up to which the on-screen keyboard shows the keys as learned; 17 = all keys.
    int tastaturlektion = 17;

    Sitzung();

    // Fills the learner's values from a record: values out of their range are brought into range,
    // the session count is the stored count + 1, and a letter font too large for the screen is replaced.
    void ausDatensatzLaden(const Benutzerdatensatz& satz);

    // Rebuilds the whole record from the session with today's date. During a repetition the saved
    // lesson, stage and per-finger counters are stored, never the repeated ones; the session itself is not
    // changed.
    Benutzerdatensatz alsDatensatz(const Datum& heute) const;
};

// The letter font size check on load: a size above W × 20/123 is replaced by Trunc(W × 5/31).
std::uint8_t geprueftSchriftgroesse1(std::uint8_t gespeichert, int bildschirmbreite);

} // namespace tastwerk
