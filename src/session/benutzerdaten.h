// The texts of the screen "Benutzer- und Systemdaten": the signed-in learner's settings, start time,
// last use and use count, and the screen size and free disk space.
#pragma once

#include "session/sitzung.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tastwerk {

// The lines of the screen, UTF-8, each for one label.
struct Benutzerdatentexte {
    std::string name;
    std::string lektion;
    std::string tippgeschwindigkeit;
    std::string hoechstfehlerrate;
    std::string startzeit;
    std::string letzteBenutzung;
    std::string benutzungen;
    std::string bildschirm;
    std::string speicher;
    std::string lektionsfeld;
};

// All lines from the session; the last use comes from the record buffer, so it is the previous save
// until the session has been saved in this run. `freieKByte` is nothing when the drive cannot tell.
Benutzerdatentexte benutzerdatentexte(const Sitzung& sitzung, std::optional<std::uint64_t> freieKByte);

// The weekday name of a stored code 1 = Sunday .. 7 = Saturday; "?" for any other code.
std::string wochentagsname(int wochentag);

// A number of at least two digits: a leading "0" below 10.
std::string zweistellig(int wert);

// "Letzte Benutzung des Programmes: Freitag, den 07.03.1997" from a stored weekday and date.
std::string letzteBenutzungText(int wochentag, int tag, int monat, int jahr);

// "Sie haben das Programm 3\n mal benutzt.", or the first-use sentence for a count of 0.
std::string benutzungenText(std::uint32_t sitzungszahl);

// "800 x 600 Punkte".
std::string bildschirmText(int breite, int hoehe);

// "1234 KByte frei.", or a note that the free space cannot be read.
std::string speicherText(std::optional<std::uint64_t> freieKByte);

// The read-only lesson box: "7 W" in the word exercise, "7 B" in the letter exercise.
std::string lektionsfeldText(int lektionNr, int uebungsstufe);

} // namespace tastwerk
