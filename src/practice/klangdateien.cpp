#include "practice/klangdateien.h"

#include <array>

namespace tastwerk {

namespace {

struct Klangeintrag {
    Zeichen zeichen;
    const char* datei;
};

// One file per small letter, digit and sign of the course under the German, Swiss and US layouts.
// scripts/klaenge_erzeugen.sh speaks them under the same names.
constexpr Klangeintrag Klangtabelle[] = {
    {'a', "a.wav"},
    {'b', "b.wav"},
    {'c', "c.wav"},
    {'d', "d.wav"},
    {'e', "e.wav"},
    {'f', "f.wav"},
    {'g', "g.wav"},
    {'h', "h.wav"},
    {'i', "i.wav"},
    {'j', "j.wav"},
    {'k', "k.wav"},
    {'l', "l.wav"},
    {'m', "m.wav"},
    {'n', "n.wav"},
    {'o', "o.wav"},
    {'p', "p.wav"},
    {'q', "q.wav"},
    {'r', "r.wav"},
    {'s', "s.wav"},
    {'t', "t.wav"},
    {'u', "u.wav"},
    {'v', "v.wav"},
    {'w', "w.wav"},
    {'x', "x.wav"},
    {'y', "y.wav"},
    {'z', "z.wav"},
    {0xE4, "ae.wav"},       // ä
    {0xF6, "oe.wav"},       // ö
    {0xFC, "ue.wav"},       // ü
    {0xE9, "e_akut.wav"},   // é
    {0xE8, "e_gravis.wav"}, // è
    {0xE0, "a_gravis.wav"}, // à
    {ZeichenLeertaste, "leer.wav"},
    {ZeichenReturn, "return.wav"},
    {',', "Komma.wav"},
    {'.', "Punkt.wav"},
    {';', "Semikolon.wav"},
    {':', "Doppelpunkt.wav"},
    {'-', "Bindestrich.wav"},
    {'_', "Unterstrich.wav"},
    {'!', "Ausrufezeichen.wav"},
    {'"', "Anfuehrungszeichen.wav"},
    {0xA7, "Paragraf.wav"}, // §
    {'$', "Dollar.wav"},
    {'%', "Prozent.wav"},
    {'&', "Undzeichen.wav"},
    {'/', "Schraegstrich.wav"},
    {'(', "KlammerAuf.wav"},
    {')', "KlammerZu.wav"},
    {'=', "Gleich.wav"},
    {'?', "Fragezeichen.wav"},
    {'@', "at.wav"},
    {'#', "Raute.wav"},
    {'^', "Zirkumflex.wav"},
    {'*', "Stern.wav"},
    {'[', "EckigeKlammerAuf.wav"},
    {'{', "GeschweifteKlammerAuf.wav"},
    {'\'', "Apostroph.wav"},
    {'1', "eins.wav"},
    {'2', "zwei.wav"},
    {'3', "drei.wav"},
    {'4', "vier.wav"},
    {'5', "fuenf.wav"},
    {'6', "sechs.wav"},
    {'7', "sieben.wav"},
    {'8', "acht.wav"},
    {'9', "neun.wav"},
    {'0', "null.wav"},
};

// The table spread over all 256 bytes, so that a lookup on the keystroke path is one index.
constexpr std::array<const char*, 256> Klangnachschlag = [] {
    std::array<const char*, 256> nachschlag{};
    for (const Klangeintrag& e : Klangtabelle) {
        nachschlag[e.zeichen] = e.datei;
    }
    return nachschlag;
}();

constexpr const char* GrossesDateien[GrossesAnzahl] = {"Grosses1.wav", "Grosses2.wav", "Grosses3.wav"};

// Upper case letters of Windows-1252 in the Latin-1 range lie 32 below their small letters: A-Z and
// À-Þ without the multiplication sign ×.
constexpr bool grossbuchstabeLatin1(Zeichen z) {
    return (z >= 'A' && z <= 'Z') || (z >= 0xC0 && z <= 0xDE && z != 0xD7);
}

} // namespace

bool istGrossbuchstabe(Zeichen zeichen) {
    return grossbuchstabeLatin1(zeichen) && Klangnachschlag[zeichen + 32] != nullptr;
}

std::string klangdatei(Zeichen zeichen) {
    const Zeichen stimme = istGrossbuchstabe(zeichen) ? static_cast<Zeichen>(zeichen + 32) : zeichen;
    const char* datei = Klangnachschlag[stimme];
    return datei != nullptr ? datei : std::string();
}

std::string grossesDatei(int k) {
    if (k < 1 || k > GrossesAnzahl) {
        return {};
    }
    return GrossesDateien[k - 1];
}

std::vector<std::string> alleKlangdateien() {
    std::vector<std::string> dateien{std::string(Fehlerklang), std::string(Beifallklang)};
    for (const char* datei : GrossesDateien) {
        dateien.emplace_back(datei);
    }
    for (const Klangeintrag& e : Klangtabelle) {
        dateien.emplace_back(e.datei);
    }
    return dateien;
}

} // namespace tastwerk
