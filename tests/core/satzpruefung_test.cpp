// Which bytes the sign-in takes for a user file: every record the program writes, never a file of other
// data, and a user file with some damaged records still.
#include "fakes.h"
#include "session/anmeldung.h"
#include "session/satzpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <random>

using namespace tastwerk;
using tastwerk::test::FesteUhr;
using tastwerk::test::TempOrdner;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes zufallsbytes(std::size_t anzahl, unsigned saat) {
    std::mt19937 zufall(saat);
    Bytes b(anzahl);
    for (auto& byte : b) {
        byte = static_cast<std::uint8_t>(zufall() & 0xFF);
    }
    return b;
}

Bytes bytesVon(const Benutzerdatensatz& satz) {
    const Satzbytes b = kodieren(satz);
    return {b.begin(), b.end()};
}

Bytes dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void dateiSchreiben(const std::string& pfad, const Bytes& inhalt) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
}

std::string fallname(const char* name) {
    std::string aus;
    for (const char c : std::string(name)) {
        aus += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return aus;
}

// A session at the ends of every range the settings allow, saved as the program saves it.
Benutzerdatensatz grenzwerteGespeichert(bool obereGrenzen) {
    Sitzung s;
    s.name = obereGrenzen ? std::string(45, '\xDC') : "A"; // 45 × Ü, or one letter
    s.lektionNr = obereGrenzen ? 16 : 1;
    s.uebungsstufe = obereGrenzen ? 1 : 0;
    s.sitzungszahl = obereGrenzen ? 70000 : 0;
    s.wunschAnschlaege = obereGrenzen ? 260 : 20;
    s.wunschFehlerrate = obereGrenzen ? 6.0f : 0.0f;
    s.berichtigungErzwingen = obereGrenzen ? 1 : 0;
    for (auto& zeile : s.fehlerquoten) {
        zeile.fill(obereGrenzen ? 100 : 0);
    }
    s.schriftarten = {obereGrenzen ? std::string(40, 'X') : std::string(), "DejaVu Sans", "Liberation Mono"};
    s.schriftgroessen = {obereGrenzen ? std::uint8_t{255} : std::uint8_t{1}, 72, 8};
    s.fingerzaehler[0] = {obereGrenzen ? 99999u : 0u, obereGrenzen ? 99999u : 0u};
    s.hintergrundfarbe = obereGrenzen ? 0x00FFFFFF : 0;
    s.tastaturschriftfarbe = obereGrenzen ? 1 : 0;
    s.statistikskala = obereGrenzen ? 100 : 10;
    s.wiederholungsanteil = obereGrenzen ? 50 : 20;
    s.tastaturlayout = obereGrenzen ? Tastaturlayout::USA : Tastaturlayout::Deutsch;
    s.schriftstil2 = obereGrenzen ? 3 : 0;
    s.schriftstil3 = obereGrenzen ? 3 : 0;
    s.stimme = obereGrenzen;
    s.tonBeiTippfehler = !obereGrenzen;
    return s.alsDatensatz(obereGrenzen ? Datum{2099, 12, 31, 7} : Datum{1980, 1, 1, 1});
}

// A record as an older program may have left it: the unused bytes of the strings and the padding hold
// whatever its memory held.
Bytes mitResteInFuellbytes() {
    Bytes b = bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
    std::fill(b.begin() + 5, b.begin() + 46, 0xFF);    // behind the name
    b[47] = 0xFF;                                      // padding
    std::fill(b.begin() + 247, b.begin() + 262, 0x07); // behind "Times New Roman"
    b[362] = 0xAA;
    b[363] = 0x55; // padding
    return b;
}

struct Satzfall {
    const char* name;
    std::function<Bytes()> bytes;
    bool glaubhaft;
};

void PrintTo(const Satzfall& f, std::ostream* aus) {
    *aus << f.name;
}

class Satzpruefung : public testing::TestWithParam<Satzfall> {};

TEST_P(Satzpruefung, SaetzeDesProgrammsSindGlaubhaftFremdeBytesNicht) {
    const Bytes b = GetParam().bytes();
    EXPECT_EQ(satzGlaubhaft(b), GetParam().glaubhaft);
}

INSTANTIATE_TEST_SUITE_P(
    Saetze, Satzpruefung,
    testing::Values(
        Satzfall{"neuer Benutzer 800 breit",
                 [] {
                     return bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
                 },
                 true},
        Satzfall{"neuer Benutzer 3840 breit",
                 [] {
                     return bytesVon(neuerBenutzer("J\xDCRGEN M\xDCLLER", Datum{2026, 12, 8, 3}, 3840));
                 },
                 true},
        Satzfall{"Standardsatz ohne Namen", [] { return bytesVon(Benutzerdatensatz{}); }, false},
        Satzfall{"Standardsatz mit Name",
                 [] {
                     Benutzerdatensatz s;
                     s.benutzername = "X";
                     return bytesVon(s);
                 },
                 true},
        Satzfall{"obere Grenzen gespeichert", [] { return bytesVon(grenzwerteGespeichert(true)); }, true},
        Satzfall{"untere Grenzen gespeichert", [] { return bytesVon(grenzwerteGespeichert(false)); }, true},
        Satzfall{"Reste in Fuellbytes", mitResteInFuellbytes, true},
        Satzfall{"einzelne Werte beschaedigt",
                 [] {
                     Bytes b = bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
                     b[LektionNrV] = 200;
                     b[StatistikskalaV] = 33;
                     b[FehlerquotenV + 5] = 250;
                     b[TastaturlayoutV] = 9;
                     return b;
                 },
                 true},
        Satzfall{"Anfang eines Satzes",
                 [] {
                     Bytes b = bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
                     b.resize(120);
                     return b;
                 },
                 true},
        Satzfall{"Nullbytes", [] { return Bytes(Satzlaenge, 0); }, false},
        Satzfall{"Name mit Steuerzeichen",
                 [] {
                     return bytesVon(neuerBenutzer("AN\x01NA", Datum{1997, 3, 7, 6}, 800));
                 },
                 false},
        Satzfall{"Name mit Loeschzeichen",
                 [] {
                     return bytesVon(neuerBenutzer("ANNA\x7F", Datum{1997, 3, 7, 6}, 800));
                 },
                 false},
        Satzfall{"Laengenbyte ueber 45",
                 [] {
                     Bytes b = bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
                     b[0] = 46;
                     return b;
                 },
                 false},
        Satzfall{"guter Name, meiste Werte ausserhalb",
                 [] {
                     Bytes b(Satzlaenge, 0xEE);
                     b[0] = 4;
                     std::memcpy(b.data() + 1, "ANNA", 4);
                     return b;
                 },
                 false},
        Satzfall{"Text",
                 [] {
                     std::string text;
                     while (text.size() < Satzlaenge) {
                         text += " Lorem ipsum dolor sit amet, consetetur sadipscing elitr.\r\n";
                     }
                     return Bytes(text.begin(), text.begin() + Satzlaenge);
                 },
                 false}),
    [](const testing::TestParamInfo<Satzfall>& info) { return fallname(info.param.name); });

struct Dateifall {
    const char* name;
    std::function<Bytes()> inhalt;
    bool benutzerdatei;
};

void PrintTo(const Dateifall& f, std::ostream* aus) {
    *aus << f.name;
}

class Dateipruefung : public testing::TestWithParam<Dateifall> {};

TEST_P(Dateipruefung, NurDateiOhneEinzigenGlaubhaftenSatzIstKeineBenutzerdatei) {
    EXPECT_EQ(istBenutzerdatei(GetParam().inhalt()), GetParam().benutzerdatei);
}

Bytes anna() {
    return bytesVon(neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800));
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Dateipruefung,
    testing::Values(Dateifall{"leer", [] { return Bytes{}; }, true}, Dateifall{"ein Benutzer", anna, true},
                    Dateifall{"5000 Zufallsbytes", [] { return zufallsbytes(5000, 12); }, false},
                    Dateifall{"beschaedigte Saetze vor einem guten",
                              [] {
                                  Bytes b = zufallsbytes(3 * Satzlaenge, 7);
                                  const Bytes gut = anna();
                                  b.insert(b.end(), gut.begin(), gut.end());
                                  return b;
                              },
                              true},
                    Dateifall{"guter Satz und abgerissener Rest",
                              [] {
                                  Bytes b = anna();
                                  b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7});
                                  return b;
                              },
                              true},
                    Dateifall{"nur der Anfang eines guten Satzes",
                              [] {
                                  Bytes b = anna();
                                  b.resize(200);
                                  return b;
                              },
                              true},
                    Dateifall{"100 Zufallsbytes", [] { return zufallsbytes(100, 3); }, false},
                    Dateifall{"drei Saetze Nullbytes", [] { return Bytes(3 * Satzlaenge, 0); }, false}),
    [](const testing::TestParamInfo<Dateifall>& info) { return fallname(info.param.name); });

} // namespace

TEST(Satzpruefung, KeineVonTausendZufallsdateienGiltAlsBenutzerdatei) {
    for (unsigned saat = 1; saat <= 1000; ++saat) {
        ASSERT_FALSE(istBenutzerdatei(zufallsbytes(5000, saat))) << "Saat " << saat;
    }
}

TEST(Satzpruefung, DateiDieDasProgrammSchreibtIstImmerEineBenutzerdatei) {
    TempOrdner ordner;
    FesteUhr uhr;
    Benutzerdatei datei(ordner.pfad());
    for (const char* name : {"A", "ANNA", "BERND", "J\xDCRGEN M\xDCLLER", "ZOE"}) {
        Sitzung s;
        s.bildschirmbreite = 1920;
        anmelden(s, datei, uhr, name);
        s.lektionNr = 16;
        s.uebungsstufe = 1;
        s.fehlerquoten[8].fill(100);
        s.tastaturschriftfarbe = 1;
        s.schriftstil2 = 3;
        s.schriftarten[0] = std::string(60, 'Q'); // cut to 31 when saved
        datenaufdiskschreiben(s, datei, uhr);
    }
    datei.loeschen(2, "ZOE");
    const Bytes inhalt = dateiinhalt(datei.pfad());
    ASSERT_EQ(inhalt.size(), 4 * Satzlaenge);
    EXPECT_TRUE(istBenutzerdatei(inhalt));
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(satzGlaubhaft(std::span(inhalt).subspan(k * Satzlaenge, Satzlaenge))) << "Satz " << k;
    }
}

TEST(Satzpruefung, AnmeldungInFremderDateiSchreibtNichtsUndWirftKeineBenutzerdatei) {
    TempOrdner ordner;
    FesteUhr uhr;
    const std::string pfad = ordner.datei("Benutzer.dat");
    const Bytes fremd = zufallsbytes(5000, 2026);
    dateiSchreiben(pfad, fremd);
    Sitzung s;
    Benutzerdatei datei(ordner.pfad());
    try {
        anmelden(s, datei, uhr, "ANNA");
        ADD_FAILURE() << "angemeldet in einer Datei, die keine Benutzerdatei ist";
    } catch (const KeineBenutzerdatei& e) {
        EXPECT_EQ(e.pfad(), pfad);
        EXPECT_NE(std::string(e.what()).find("ist keine Benutzerdatei von Tastwerk"), std::string::npos);
    }
    EXPECT_FALSE(s.angemeldet);
    EXPECT_EQ(dateiinhalt(pfad), fremd);
    // Nothing beside it either: no copy of a "damaged" file, no folder for texts.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);
}

TEST(Satzpruefung, BeschaedigteSaetzeNebenGutenBehaltenDieAnmeldungVonHeute) {
    TempOrdner ordner;
    FesteUhr uhr;
    const std::string pfad = ordner.datei("Benutzer.dat");
    Bytes inhalt = anna();
    const Bytes kaputt = zufallsbytes(2 * Satzlaenge, 5);
    inhalt.insert(inhalt.end(), kaputt.begin(), kaputt.end());
    dateiSchreiben(pfad, inhalt);
    Sitzung s;
    Benutzerdatei datei(ordner.pfad());
    const auto ergebnis = anmelden(s, datei, uhr, "BERND");
    EXPECT_TRUE(ergebnis.neu);
    EXPECT_EQ(s.satzposition, 4);
    const Bytes danach = dateiinhalt(pfad);
    ASSERT_EQ(danach.size(), 4 * Satzlaenge);
    EXPECT_TRUE(std::equal(inhalt.begin(), inhalt.end(), danach.begin()));
}
