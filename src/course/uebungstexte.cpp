#include "course/uebungstexte.h"

#include "platform/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace tastwerk {

namespace daten {
extern const unsigned char uebungszeilenUtf8[];
extern const std::size_t uebungszeilenUtf8Laenge;
} // namespace daten

namespace {

//                                          Lektionsanfang, Wiederholungsanfang, Lektionsende
constexpr std::array<Zeilenbereich, 16> Bereiche = {{
    {0, 0, 8},       // 1
    {9, 0, 17},      // 2
    {18, 9, 47},     // 3
    {48, 18, 68},    // 4
    {69, 48, 89},    // 5
    {90, 69, 114},   // 6
    {115, 90, 134},  // 7
    {135, 115, 174}, // 8
    {175, 135, 205}, // 9
    {206, 175, 238}, // 10
    {239, 206, 281}, // 11
    {282, 239, 315}, // 12
    {316, 282, 341}, // 13
    {342, 316, 361}, // 14
    {362, 342, 404}, // 15
    {405, 206, 731}, // 16
}};

std::vector<std::string> einlesen() {
    const std::string_view text(reinterpret_cast<const char*>(daten::uebungszeilenUtf8),
                                daten::uebungszeilenUtf8Laenge);
    std::vector<std::string> zeilen;
    zeilen.reserve(UebungszeilenAnzahl);
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) {
            ende = text.size();
        }
        std::string_view zeile = text.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r') {
            zeile.remove_suffix(1);
        }
        auto cp1252 = utf8ZuCp1252(zeile);
        if (!cp1252) {
            throw std::logic_error("exercise line " + std::to_string(zeilen.size()) + " is not Windows-1252");
        }
        zeilen.push_back(std::move(*cp1252));
        anfang = ende + 1;
    }
    if (zeilen.size() != UebungszeilenAnzahl) {
        throw std::logic_error("the exercise table holds " + std::to_string(zeilen.size()) + " lines");
    }
    return zeilen;
}

} // namespace

const std::vector<std::string>& uebungszeilen() {
    static const std::vector<std::string> tabelle = einlesen();
    return tabelle;
}

const std::string& uebungszeile(int index) {
    return uebungszeilen().at(static_cast<std::size_t>(index));
}

Zeilenbereich zeilenbereich(int lektion) {
    return Bereiche[static_cast<std::size_t>(std::clamp(lektion, 1, 16) - 1)];
}

} // namespace tastwerk
