// The class overview and the CSV exports a teacher opens in a German spreadsheet.
#include "fakes.h"

#include "platform/datei.h"
#include "session/benutzerdatei.h"
#include "verlauf/csv.h"
#include "verlauf/klassenuebersicht.h"
#include "verlauf/lernverlauf.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tastwerk {
namespace {

using test::TempOrdner;

std::string lies(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

Uebungseintrag uebung(const std::string& name, const std::string& ende, double tempo, double quote,
                      bool bestanden) {
    Uebungseintrag e;
    e.name = name;
    e.beginn = ende.substr(0, 11) + "09:00:00";
    e.ende = ende;
    e.lektion = 2;
    e.stufe = StufeBuchstaben;
    e.anschlaege = 200;
    e.fehler = 3;
    e.sekunden = 90;
    e.tempo = tempo;
    e.fehlerquote = quote;
    e.bestanden = bestanden;
    e.finger[0] = {10, 1};
    return e;
}

struct TrendFall {
    const char* name;
    std::vector<double> werte;
    std::optional<double> steigung;
};

class Trend : public ::testing::TestWithParam<TrendFall> {};

TEST_P(Trend, IstDieSteigungJeUebung) {
    const auto t = trend(GetParam().werte);
    ASSERT_EQ(t.has_value(), GetParam().steigung.has_value());
    if (t) {
        EXPECT_NEAR(*t, *GetParam().steigung, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Trend,
                         ::testing::Values(TrendFall{"keine", {}, std::nullopt},
                                           TrendFall{"eine", {100}, std::nullopt},
                                           TrendFall{"zwei", {100, 110}, 10.0},
                                           TrendFall{"gleichmaessig", {100, 102, 104, 106, 108}, 2.0},
                                           TrendFall{"fallend", {120, 100, 110, 90, 100}, -5.0},
                                           TrendFall{"gleich", {50, 50, 50}, 0.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Csv, FelderMitTrennzeichenAnfuehrungszeichenOderUmbruchWerdenGequotet) {
    EXPECT_EQ(csvZeile({"a", "b;c", "sag \"ja\"", "x\ny", ""}), "a;\"b;c\";\"sag \"\"ja\"\"\";\"x\ny\";\r\n");
    EXPECT_EQ(csvZahl(12.345, 1), "12,3");
    EXPECT_EQ(csvZahl(-0.04, 1), "0,0");
    EXPECT_EQ(csvZahl(-2.5, 2), "-2,50");
    EXPECT_EQ(csvZahl(std::nullopt, 1), "");
}

// A folder as a teacher has it: three learners, one with an umlaut, one who never practised.
class Klassenordner : public ::testing::Test {
protected:
    void SetUp() override {
        Benutzerdatei datei(ordner.pfad());
        const auto anlegen = [&](const std::string& name, int lektion, int stufe, int benutzungen, Datum d) {
            datei.anmelden(name, [&] {
                Benutzerdatensatz s = neuerBenutzer(name, d, 800);
                s.lektionNr = std::uint8_t(lektion);
                s.uebungsstufe = std::uint8_t(stufe);
                s.benutzungen = std::uint16_t(benutzungen);
                return s;
            });
        };
        anlegen("J\xDCRGEN M\xDCLLER", 3, 1, 12, {2026, 12, 7, 2});
        anlegen("ANNA", 1, 0, 1, {2026, 11, 30, 2});
        anlegen("BEA; \"B\"", 5, 0, 4, {2026, 1, 2, 6});
        Lernverlauf verlauf(ordner.pfad());
        verlauf.eintragen(uebung("J\xDCRGEN M\xDCLLER", "2026-12-01 10:00:00", 100, 5.5, false));
        verlauf.eintragen(uebung("J\xDCRGEN M\xDCLLER", "2026-12-02 10:00:00", 110, 4.25, false));
        verlauf.eintragen(uebung("J\xDCRGEN M\xDCLLER", "2026-12-03 10:00:00", 125, 3.0, true));
        verlauf.eintragen(uebung("BEA; \"B\"", "2026-01-02 08:30:05", 80, 1.5, true));
    }
    TempOrdner ordner;
};

TEST_F(Klassenordner, KlassenlisteByteFuerByte) {
    const std::string ziel = ordner.datei("klasse.csv");
    ASSERT_EQ(klassenlisteAusgeben(ordner.pfad(), ziel), std::nullopt);
    EXPECT_EQ(lies(ziel),
              "\xEF\xBB\xBF"
              "Name;Lektion;Stufe;Benutzungen;\xC3\x9C"
              "bungen;\xC3\x9C"
              "bungszeit (Minuten);Letzte Benutzung;"
              "Anschl\xC3\xA4ge pro Minute;Fehlerquote (%);Trend Anschl\xC3\xA4ge pro Minute je \xC3\x9C"
              "bung;"
              "Trend Fehlerquote je \xC3\x9C"
              "bung\r\n"
              "J\xC3\x9CRGEN M\xC3\x9CLLER;3;W;12;3;4,5;07.12.2026;125,0;3,00;12,5;-1,25\r\n"
              "ANNA;1;B;1;0;0,0;30.11.2026;;;;\r\n"
              "\"BEA; \"\"B\"\"\";5;B;4;1;1,5;02.01.2026;80,0;1,50;;\r\n");
}

TEST_F(Klassenordner, LernverlaufByteFuerByte) {
    const std::string ziel = ordner.datei("verlauf.csv");
    ASSERT_EQ(lernverlaufAusgeben(ordner.pfad(), ziel), std::nullopt);
    const std::string csv = lies(ziel);
    const std::string finger = ";10;1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\r\n";
    const auto kopfEnde = csv.find("\r\n") + 2;
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("Name;Beginn;Ende;Lektion;Stufe;Tastatur;Anschl\xC3\xA4ge;Fehler;Sekunden;"),
              std::string::npos);
    EXPECT_NE(csv.find(";Zeichen rechter Zeigefinger;Fehler rechter Zeigefinger\r\n"), std::string::npos);
    EXPECT_EQ(csv.substr(kopfEnde),
              "\"BEA; \"\"B\"\"\";02.01.2026 09:00:00;02.01.2026 08:30:05;2;B;deutsch;200;3;90;80,0;1,50;ja" +
                  finger +
                  "J\xC3\x9CRGEN M\xC3\x9CLLER;01.12.2026 09:00:00;01.12.2026 "
                  "10:00:00;2;B;deutsch;200;3;90;100,0;5,50;nein" +
                  finger +
                  "J\xC3\x9CRGEN M\xC3\x9CLLER;02.12.2026 09:00:00;02.12.2026 "
                  "10:00:00;2;B;deutsch;200;3;90;110,0;4,25;nein" +
                  finger +
                  "J\xC3\x9CRGEN M\xC3\x9CLLER;03.12.2026 09:00:00;03.12.2026 "
                  "10:00:00;2;B;deutsch;200;3;90;125,0;3,00;ja" +
                  finger);
}

TEST(Klassenliste, OhneBenutzerdateiGibtEsEineMeldungUndKeineDatei) {
    TempOrdner ordner;
    const auto meldung = klassenlisteAusgeben(ordner.pfad(), ordner.datei("k.csv"));
    ASSERT_TRUE(meldung.has_value());
    EXPECT_NE(meldung->find("Benutzer.dat"), std::string::npos);
    EXPECT_FALSE(dateiExistiert(ordner.datei("k.csv")));
}

} // namespace
} // namespace tastwerk
