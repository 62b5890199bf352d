// CSV for German spreadsheets: UTF-8 with a byte order mark, ";" between fields, a decimal comma,
// CR LF at the end of each row, fields quoted where they hold ";", a quote or a line break.
#pragma once

#include "verlauf/klassenuebersicht.h"
#include "verlauf/uebungseintrag.h"

#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

std::string csvFeld(const std::string& text);
std::string csvZeile(const std::vector<std::string>& felder);
// A number with a decimal comma; empty when there is none.
std::string csvZahl(std::optional<double> wert, int nachkommastellen);

std::string klassenlisteCsv(const std::vector<Klassenzeile>& zeilen);
std::string lernverlaufCsv(const std::vector<Uebungseintrag>& eintraege);

// Writes the class list or the whole history of a folder to a CSV file, without a display.
// Returns a German message when it cannot.
std::optional<std::string> klassenlisteAusgeben(const std::string& ordner, const std::string& ziel);
std::optional<std::string> lernverlaufAusgeben(const std::string& ordner, const std::string& ziel);

} // namespace tastwerk
