// The 732 lines of the word exercise in 16 lesson blocks, and the line range of each lesson.
#pragma once

#include <string>
#include <vector>

namespace tastwerk {

constexpr int UebungszeilenAnzahl = 732;

// The table, as Windows-1252 bytes. Built on the first call (the program calls it at start-up) and never
// changed afterwards.
const std::vector<std::string>& uebungszeilen();

// Line `index` (0..731).
const std::string& uebungszeile(int index);

// The lines a lesson's word exercise draws from: its own block starts at `lektionsanfang` and ends at
// `lektionsende`; `wiederholungsanfang` is the first line of the previous lesson (lesson 16: lesson 10).
struct Zeilenbereich {
    int lektionsanfang;
    int wiederholungsanfang;
    int lektionsende;
};

// The range of a lesson; every lesson above 15 takes lesson 16's.
Zeilenbereich zeilenbereich(int lektion);

} // namespace tastwerk
