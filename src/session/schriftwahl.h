// A font the learner chose for the letter, word or own-text exercise, and how the record keeps it: the
// name in Windows-1252 (at most 31 characters), a size of whole points for a screen of 96 pixels per
// inch (1..255), and for the word and own texts a style code (0 regular, 1 bold, 2 italic, 3 bold
// italic). The font dialogs of the settings screen and of the own-texts editor both store through here.
#pragma once

#include "session/sitzung.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tastwerk {

// The three texts whose font the learner chooses, as they index the session's font fields.
enum class Schrifttext { Buchstabenuebung = 0, Wortuebung = 1, EigeneTexte = 2 };

// The answer of a font dialog. The size is given in points, or where punkte is not positive, in pixels.
struct Schriftwahl {
    std::string name; // UTF-8
    double punkte = 0;
    int pixel = 0;
    bool fett = false;
    bool kursiv = false;
};

// The whole points an exercise shows for a stored size on a screen of dpi pixels per inch:
// Trunc(gespeichert × 96 / dpi), at least 1.
int angezeigteSchriftgroesse(std::uint8_t gespeichert, double dpi);

// The size to store for the chosen one: the chosen size in whole points (pixels counted at the screen's
// pixels per inch), stored as the smallest size that this screen shows at least that large, within 1..255.
// The size stored so far stays when this screen already shows it at the chosen size, so a dialog closed
// without a change changes nothing. A choice without a size keeps the size stored so far.
std::uint8_t zuSpeicherndeSchriftgroesse(const Schriftwahl& wahl, double dpi, std::uint8_t bisher);

// The style code of a font.
std::uint8_t schriftstilAus(bool fett, bool kursiv);

// The name as the record keeps it: Windows-1252, cut to 31 characters; nothing when it is empty or holds
// a character that Windows-1252 cannot hold.
std::optional<std::string> speicherbarerSchriftname(std::string_view utf8);

// The style code stored for the text; the letter exercise has none and is shown regular.
std::uint8_t gespeicherterSchriftstil(const Sitzung& sitzung, Schrifttext text);

// Takes the chosen font for the text into the session: name, size and (word and own texts) style.
// False, and the session unchanged, when the name cannot be stored.
bool schriftUebernehmen(Sitzung& sitzung, Schrifttext text, const Schriftwahl& wahl, double dpi);

} // namespace tastwerk
