// The table "Benutzerdatei einsehen": its columns, the cells of each user's row, and the texts and
// rules of deleting a user from it.
#pragma once

#include "session/benutzerdatensatz.h"

#include <array>
#include <string>
#include <string_view>

namespace tastwerk {

struct Tabellenspalte {
    const char* kopf;
    // The column is Trunc(screen width × zaehler / nenner) pixels wide.
    int zaehler;
    int nenner;
};

constexpr int TabellenspaltenAnzahl = 5;

constexpr std::array<Tabellenspalte, TabellenspaltenAnzahl> Tabellenspalten = {{
    {" Nr.", 1, 16},
    {" Benutzername/ Erkennungszeichen", 50, 87},
    {" Lektion", 100, 1333},
    {" Letzte Benutzung", 25, 174},
    {" Benutzt", 20, 291},
}};

using Tabellenzeile = std::array<std::string, TabellenspaltenAnzahl>;

// Width in pixels of column `spalte` (0..4) on a screen `bildschirmbreite` pixels wide.
int spaltenbreite(int spalte, int bildschirmbreite);

// The cells of table row `zeile` (1-based), showing `satz`, as UTF-8.
Tabellenzeile tabellenzeile(int zeile, const Benutzerdatensatz& satz);

// "  5", " 42", "123": the row number.
std::string nummernzelle(int zeile);
// A space and the name.
std::string namenszelle(const Benutzerdatensatz& satz);
// "12 W", "  3 B".
std::string lektionszelle(const Benutzerdatensatz& satz);
// " MO, 07.03.1997".
std::string datumszelle(const Benutzerdatensatz& satz);
// The use count behind two spaces for each of below 10, below 100, below 1000.
std::string benutzungszelle(const Benutzerdatensatz& satz);

// Whether a click on table row `zeile` selects a user: the header row (0), a click beside the cells
// (-1) and rows below the last user select nothing.
bool benutzerzeileGewaehlt(int zeile, int benutzerzahl);

// The question on the deletion panel for row `zeile`, whose name cell is `namenszelle`.
std::string loeschfrage(int zeile, const std::string& namenszelle);

// The refusal when the chosen user is the signed-in one.
constexpr const char* LoeschenVerweigert =
    "Zugriff verweigert!\n\nAktive Benutzer können nicht gelöscht werden!";

// The access word that enables "Benutzer löschen", and how many characters the password box takes.
constexpr std::string_view Zugangswort = "tovik";
constexpr int PasswortHoechstlaenge = 12;

// Whether the password box holds the access word: exactly, case-sensitive.
bool zugangswortRichtig(std::string_view eingabe);

} // namespace tastwerk
