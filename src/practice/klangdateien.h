// The wave files the program plays: the error sound, the applause, and the voice that names the demanded
// character of the letter exercise. All are named without a folder; they ship in assets/klaenge.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <string>
#include <string_view>
#include <vector>

namespace tastwerk {

// Played on a typing error when "Bei" is ticked.
constexpr std::string_view Fehlerklang = "Fehler.wav";
// Played when a learning goal is reached.
constexpr std::string_view Beifallklang = "beifall1.wav";

// The number of spoken notices "capital letter" that precede a capital's own file.
constexpr int GrossesAnzahl = 3;

// The file that speaks a character of the course, for any of the three layouts; a capital gives its small
// letter's file. Empty when the character has none.
std::string klangdatei(Zeichen zeichen);

// Whether the character is a capital letter, which is announced by a "Grosses" file before its letter's
// file. Only letters that have a file count.
bool istGrossbuchstabe(Zeichen zeichen);

// "Grosses1.wav" .. "Grosses3.wav" for k = 1..3; empty for any other k.
std::string grossesDatei(int k);

// Every file the program may play, each once: the error sound, the applause, the "Grosses" files and the
// files of all characters.
std::vector<std::string> alleKlangdateien();

} // namespace tastwerk
