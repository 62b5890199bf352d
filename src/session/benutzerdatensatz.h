// The 376-byte user record of Benutzer.dat: its fields, the defaults of a new user and the byte codec.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "platform/uhr.h"

#include <array>
#include <cstdint>
#include <string>

namespace tastwerk {

constexpr std::size_t Satzlaenge = 376;
using Satzbytes = std::array<std::uint8_t, Satzlaenge>;

constexpr std::size_t NamenKapazitaet = 45;
constexpr std::size_t SchriftartKapazitaet = 31;
constexpr int LektionenAnzahl = 16;
// Marker of a lesson error rate that has not been recorded yet.
constexpr std::uint8_t KeinWert = 101;

constexpr std::array<Farbe, FarbgruppenAnzahl> Standardfarben = {
    0x000000FF, // red
    0x0000FFFF, // yellow
    0x00008080, // olive
    0x00FF0000, // blue
    0x00808080, // grey
};

// Offsets of the fields within the stored record.
enum Satzversatz : std::size_t {
    BenutzernameV = 0,
    LektionNrV = 46,
    FarbenV = 48,
    BenutzungenV = 68,
    WunschAnschlaegeV = 70,
    WunschFehlerrateV = 72,
    BerichtigungErzwingenV = 76,
    UebungsstufeV = 77,
    WochentagV = 78,
    TagV = 79,
    MonatV = 80,
    SchriftgroessenV = 81,
    JahrV = 84,
    FehlerquotenV = 86,
    SchriftartenV = 230,
    FingerzaehlerAV = 326,
    FingerzaehlerBV = 344,
    HintergrundfarbeV = 364,
    TastaturschriftfarbeV = 368,
    StatistikskalaV = 369,
    WiederholungsanteilV = 370,
    TastaturlayoutV = 371,
    Schriftstil2V = 372,
    Schriftstil3V = 373,
    StimmeV = 374,
    TonBeiTippfehlerV = 375,
};

// One learner as stored. Strings hold Windows-1252 bytes.
struct Benutzerdatensatz {
    std::string benutzername;
    std::uint8_t lektionNr = 1;
    std::array<Farbe, FarbgruppenAnzahl> farben = Standardfarben;
    std::uint16_t benutzungen = 0;
    std::uint16_t wunschAnschlaege = 40;
    float wunschFehlerrate = 3.5f;
    std::uint8_t berichtigungErzwingen = 1;
    std::uint8_t uebungsstufe = 0;
    std::uint8_t wochentag = 1;
    std::uint8_t tag = 1;
    std::uint8_t monat = 1;
    std::array<std::uint8_t, 3> schriftgroessen = {121, 18, 14};
    std::uint16_t jahr = 1997;
    // Error rate in percent per finger group (row) and lesson (column); KeinWert where none is recorded.
    std::array<std::array<std::uint8_t, LektionenAnzahl>, FingergruppenAnzahl> fehlerquoten{};
    std::array<std::string, 3> schriftarten = {"Times New Roman", "Times New Roman", "Times New Roman"};
    std::array<std::uint16_t, FingergruppenAnzahl> fingerzaehlerA{}; // letters presented per finger group
    std::array<std::uint16_t, FingergruppenAnzahl> fingerzaehlerB{}; // typing errors per finger group
    Farbe hintergrundfarbe = 0x00C0C0C0;
    std::uint8_t tastaturschriftfarbe = 0;
    std::uint8_t statistikskala = 25;
    std::uint8_t wiederholungsanteil = 30;
    std::uint8_t tastaturlayout = 0;
    std::uint8_t schriftstil2 = 1;
    std::uint8_t schriftstil3 = 0;
    std::uint8_t stimme = 0;
    std::uint8_t tonBeiTippfehler = 1;

    Benutzerdatensatz();
    bool operator==(const Benutzerdatensatz&) const = default;
};

// The record of a new learner: the name, today's date and the font sizes for the screen width.
Benutzerdatensatz neuerBenutzer(const std::string& name, const Datum& heute, int bildschirmbreite);

// A stored font size: whole points within 1..255 (a byte cannot hold more).
std::uint8_t schriftgroesseBegrenzt(long long punkte);

// The default font sizes of the letter, word and own-text exercises for a screen width.
std::array<std::uint8_t, 3> standardSchriftgroessen(int bildschirmbreite);

Satzbytes kodieren(const Benutzerdatensatz& satz);

// Reads a record as stored. A length byte beyond its field's capacity reads as the capacity.
Benutzerdatensatz dekodieren(const Satzbytes& bytes);

// Names are equal when their bytes are equal: no case folding, no trimming.
inline bool gleicherName(const std::string& a, const std::string& b) {
    return a == b;
}

} // namespace tastwerk
