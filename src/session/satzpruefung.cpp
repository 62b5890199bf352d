#include "session/satzpruefung.h"

#include "session/benutzerdatensatz.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace tastwerk {

namespace {

bool imBereich(std::uint8_t wert, int von, int bis) {
    return wert >= von && wert <= bis;
}

bool namenszeichen(std::uint8_t z) {
    return z >= 0x20 && z != 0x7F;
}

// One field with a fixed range: its place, its length and whether the stored bytes lie within it.
struct Bereichspruefung {
    std::size_t versatz;
    std::size_t laenge;
    bool (*gueltig)(const std::uint8_t* feld);
};

constexpr std::array<Bereichspruefung, 19> Pruefungen = {{
    {LektionNrV, 1, [](const std::uint8_t* f) { return imBereich(*f, 1, LektionenAnzahl); }},
    {WunschFehlerrateV, 4,
     [](const std::uint8_t* f) {
         const auto bits = static_cast<std::uint32_t>(f[0] | (f[1] << 8) | (f[2] << 16)) |
                           (static_cast<std::uint32_t>(f[3]) << 24);
         const float rate = std::bit_cast<float>(bits);
         return std::isfinite(rate) && rate >= 0.0f && rate <= 6.0f;
     }},
    {BerichtigungErzwingenV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 1); }},
    {UebungsstufeV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 1); }},
    {WochentagV, 1, [](const std::uint8_t* f) { return imBereich(*f, 1, 7); }},
    {TagV, 1, [](const std::uint8_t* f) { return imBereich(*f, 1, 31); }},
    {MonatV, 1, [](const std::uint8_t* f) { return imBereich(*f, 1, 12); }},
    {FehlerquotenV, FingergruppenAnzahl* LektionenAnzahl,
     [](const std::uint8_t* f) {
         return std::all_of(f, f + FingergruppenAnzahl * LektionenAnzahl,
                            [](std::uint8_t quote) { return quote <= KeinWert; });
     }},
    {SchriftartenV, 1, [](const std::uint8_t* f) { return *f <= SchriftartKapazitaet; }},
    {SchriftartenV + 32, 1, [](const std::uint8_t* f) { return *f <= SchriftartKapazitaet; }},
    {SchriftartenV + 64, 1, [](const std::uint8_t* f) { return *f <= SchriftartKapazitaet; }},
    {TastaturschriftfarbeV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 1); }},
    {StatistikskalaV, 1, [](const std::uint8_t* f) { return *f == 100 || *f == 50 || *f == 25 || *f == 10; }},
    {WiederholungsanteilV, 1, [](const std::uint8_t* f) { return imBereich(*f, 20, 50); }},
    {TastaturlayoutV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 2); }},
    {Schriftstil2V, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 3); }},
    {Schriftstil3V, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 3); }},
    {StimmeV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 1); }},
    {TonBeiTippfehlerV, 1, [](const std::uint8_t* f) { return imBereich(*f, 0, 1); }},
}};

bool nameGlaubhaft(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return false;
    }
    const std::size_t laenge = bytes[0];
    if (laenge < 1 || laenge > NamenKapazitaet) {
        return false;
    }
    const auto zeichen = bytes.subspan(1, std::min(laenge, bytes.size() - 1));
    return std::all_of(zeichen.begin(), zeichen.end(), namenszeichen);
}

} // namespace

bool satzGlaubhaft(std::span<const std::uint8_t> bytes) {
    if (!nameGlaubhaft(bytes)) {
        return false;
    }
    int geprueft = 0;
    int gueltig = 0;
    for (const Bereichspruefung& p : Pruefungen) {
        if (p.versatz + p.laenge > bytes.size()) {
            continue;
        }
        ++geprueft;
        gueltig += p.gueltig(bytes.data() + p.versatz) ? 1 : 0;
    }
    return 2 * gueltig > geprueft || geprueft == 0;
}

bool istBenutzerdatei(std::span<const std::uint8_t> inhalt) {
    if (inhalt.empty()) {
        return true;
    }
    const std::size_t ganze = inhalt.size() / Satzlaenge;
    if (ganze == 0) {
        return satzGlaubhaft(inhalt);
    }
    for (std::size_t k = 0; k < ganze; ++k) {
        if (satzGlaubhaft(inhalt.subspan(k * Satzlaenge, Satzlaenge))) {
            return true;
        }
    }
    return false;
}

KeineBenutzerdatei::KeineBenutzerdatei(const std::string& pfad)
    : Dateifehler("Die Datei \"" + pfad +
                  "\" ist keine Benutzerdatei von Tastwerk: sie enthält keinen "
                  "einzigen lesbaren Benutzereintrag."),
      pfad_(pfad) {}

} // namespace tastwerk
