#include "session/sitzung.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <ostream>

using namespace tastwerk;

namespace {
Sitzung geladen(const Benutzerdatensatz& satz, int breite = 800) {
    Sitzung s;
    s.bildschirmbreite = breite;
    s.ausDatensatzLaden(satz);
    return s;
}
} // namespace

TEST(SitzungLaden, WerteAusserhalbIhresBereichsWerdenEingefangen) {
    Benutzerdatensatz satz;
    satz.lektionNr = 0;
    satz.uebungsstufe = 5;
    satz.wiederholungsanteil = 3;
    satz.berichtigungErzwingen = 9;
    satz.wochentag = 0;
    satz.tastaturlayout = 7;
    satz.statistikskala = 33;
    satz.wunschFehlerrate = std::numeric_limits<float>::quiet_NaN();
    Sitzung s = geladen(satz);
    EXPECT_EQ(s.lektionNr, 1);
    EXPECT_EQ(s.uebungsstufe, 0);
    EXPECT_EQ(s.wiederholungsanteil, 20);
    EXPECT_EQ(s.berichtigungErzwingen, 1);
    EXPECT_EQ(s.datensatzpuffer.wochentag, 1);
    EXPECT_EQ(s.tastaturlayout, Tastaturlayout::Deutsch);
    EXPECT_EQ(s.statistikskala, 25);
    EXPECT_FLOAT_EQ(s.wunschFehlerrate, 3.5f);

    satz.lektionNr = 200;
    satz.wiederholungsanteil = 99;
    satz.wochentag = 12;
    satz.wunschFehlerrate = 40.0f;
    s = geladen(satz);
    EXPECT_EQ(s.lektionNr, 16);
    EXPECT_EQ(s.wiederholungsanteil, 50);
    EXPECT_EQ(s.datensatzpuffer.wochentag, 7);
    EXPECT_FLOAT_EQ(s.wunschFehlerrate, 6.0f);
}

// One stored byte and what the session makes of it on load.
struct Bereichsfall {
    const char* name;
    void (*setzen)(Benutzerdatensatz&, std::uint8_t);
    int (*geladen)(const Sitzung&);
    std::uint8_t gespeichert;
    int erwartet;
};

void PrintTo(const Bereichsfall& f, std::ostream* aus) {
    *aus << f.name << " " << int(f.gespeichert);
}

class SitzungLadenBereich : public testing::TestWithParam<Bereichsfall> {};

TEST_P(SitzungLadenBereich, GespeicherterWertWirdInSeinenBereichGebracht) {
    const Bereichsfall& f = GetParam();
    Benutzerdatensatz satz;
    f.setzen(satz, f.gespeichert);
    EXPECT_EQ(f.geladen(geladen(satz)), f.erwartet);
}

constexpr auto Schriftfarbe = [](Benutzerdatensatz& s, std::uint8_t w) { s.tastaturschriftfarbe = w; };
constexpr auto SchriftfarbeGeladen = [](const Sitzung& s) { return int(s.tastaturschriftfarbe); };
constexpr auto Stil2 = [](Benutzerdatensatz& s, std::uint8_t w) { s.schriftstil2 = w; };
constexpr auto Stil2Geladen = [](const Sitzung& s) { return int(s.schriftstil2); };
constexpr auto Stil3 = [](Benutzerdatensatz& s, std::uint8_t w) { s.schriftstil3 = w; };
constexpr auto Stil3Geladen = [](const Sitzung& s) { return int(s.schriftstil3); };
// A cell in the middle of the table: finger row 4, lesson 9.
constexpr auto Quote = [](Benutzerdatensatz& s, std::uint8_t w) { s.fehlerquoten[3][8] = w; };
constexpr auto QuoteGeladen = [](const Sitzung& s) { return int(s.fehlerquoten[3][8]); };
constexpr auto Tag = [](Benutzerdatensatz& s, std::uint8_t w) { s.tag = w; };
constexpr auto TagGeladen = [](const Sitzung& s) { return s.tag; };
// The date of the last use, as the user data screen shows it.
constexpr auto TagImPuffer = [](const Sitzung& s) { return int(s.datensatzpuffer.tag); };
constexpr auto Monat = [](Benutzerdatensatz& s, std::uint8_t w) { s.monat = w; };
constexpr auto MonatGeladen = [](const Sitzung& s) { return s.monat; };
constexpr auto MonatImPuffer = [](const Sitzung& s) { return int(s.datensatzpuffer.monat); };

INSTANTIATE_TEST_SUITE_P(
    Felder, SitzungLadenBereich,
    testing::Values(Bereichsfall{"Tastaturschrift schwarz", Schriftfarbe, SchriftfarbeGeladen, 0, 0},
                    Bereichsfall{"Tastaturschrift weiss", Schriftfarbe, SchriftfarbeGeladen, 1, 1},
                    Bereichsfall{"Tastaturschrift 2", Schriftfarbe, SchriftfarbeGeladen, 2, 0},
                    Bereichsfall{"Tastaturschrift 255", Schriftfarbe, SchriftfarbeGeladen, 255, 0},
                    Bereichsfall{"Stil Wortuebung fett kursiv", Stil2, Stil2Geladen, 3, 3},
                    Bereichsfall{"Stil Wortuebung 4", Stil2, Stil2Geladen, 4, 1},
                    Bereichsfall{"Stil Wortuebung 200", Stil2, Stil2Geladen, 200, 1},
                    Bereichsfall{"Stil eigene Texte kursiv", Stil3, Stil3Geladen, 2, 2},
                    Bereichsfall{"Stil eigene Texte 4", Stil3, Stil3Geladen, 4, 0},
                    Bereichsfall{"Fehlerquote 0", Quote, QuoteGeladen, 0, 0},
                    Bereichsfall{"Fehlerquote 100", Quote, QuoteGeladen, 100, 100},
                    Bereichsfall{"Fehlerquote ohne Wert", Quote, QuoteGeladen, 101, 101},
                    Bereichsfall{"Fehlerquote 102", Quote, QuoteGeladen, 102, 101},
                    Bereichsfall{"Fehlerquote 255", Quote, QuoteGeladen, 255, 101},
                    Bereichsfall{"Tag 1", Tag, TagGeladen, 1, 1},
                    Bereichsfall{"Tag 31", Tag, TagGeladen, 31, 31},
                    Bereichsfall{"Tag 0", Tag, TagGeladen, 0, 1},
                    Bereichsfall{"Tag 32", Tag, TagGeladen, 32, 31},
                    Bereichsfall{"Tag 0 im Puffer", Tag, TagImPuffer, 0, 1},
                    Bereichsfall{"Tag 200 im Puffer", Tag, TagImPuffer, 200, 31},
                    Bereichsfall{"Monat 12", Monat, MonatGeladen, 12, 12},
                    Bereichsfall{"Monat 0", Monat, MonatGeladen, 0, 1},
                    Bereichsfall{"Monat 13", Monat, MonatGeladen, 13, 12},
                    Bereichsfall{"Monat 0 im Puffer", Monat, MonatImPuffer, 0, 1},
                    Bereichsfall{"Monat 99 im Puffer", Monat, MonatImPuffer, 99, 12}),
    [](const testing::TestParamInfo<Bereichsfall>& info) {
        std::string name;
        for (const char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(SitzungLaden, GueltigeWerteBleibenWieGespeichert) {
    Benutzerdatensatz satz;
    for (std::uint8_t skala : {100, 50, 25, 10}) {
        satz.statistikskala = skala;
        EXPECT_EQ(geladen(satz).statistikskala, skala);
    }
    satz.wunschFehlerrate = 0.0f;
    EXPECT_FLOAT_EQ(geladen(satz).wunschFehlerrate, 0.0f);
    satz.lektionNr = 16;
    satz.uebungsstufe = 1;
    EXPECT_EQ(geladen(satz).lektionNr, 16);
    EXPECT_EQ(geladen(satz).uebungsstufe, 1);
}

TEST(SitzungLaden, ZuGrosseBuchstabenschriftWirdFuerDenBildschirmErsetzt) {
    Benutzerdatensatz satz;
    satz.schriftgroessen = {200, 18, 14};
    // 800 * 20/123 = 130.08: 200 is too large and becomes Trunc(800 * 5/31) = 129.
    EXPECT_EQ(geladen(satz, 800).schriftgroessen[0], 129);
    satz.schriftgroessen[0] = 130;
    EXPECT_EQ(geladen(satz, 800).schriftgroessen[0], 130);
    // On a wide screen the replacement stays within a byte.
    satz.schriftgroessen[0] = 0;
    EXPECT_EQ(geladen(satz, 1920).schriftgroessen[0], 255);
}

TEST(SitzungSpeichern, ZaehlerDieDenSatzUebersteigenWerdenGesaettigt) {
    Sitzung s;
    s.sitzungszahl = 70000;
    s.fingerzaehler[0] = {65536, 65537};
    const Benutzerdatensatz satz = s.alsDatensatz(Datum{});
    EXPECT_EQ(satz.benutzungen, 65535);
    EXPECT_EQ(satz.fingerzaehlerA[0], 65535);
    EXPECT_EQ(satz.fingerzaehlerB[0], 65535);
}

TEST(SitzungSpeichern, FingerpaareWerdenInZweiReihenGespeichert) {
    Sitzung s;
    for (std::uint32_t k = 0; k < 9; ++k) {
        s.fingerzaehler[k] = {10 + k, k};
    }
    const Benutzerdatensatz satz = s.alsDatensatz(Datum{});
    Sitzung wieder;
    wieder.ausDatensatzLaden(satz);
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(satz.fingerzaehlerA[k], 10 + k);
        EXPECT_EQ(satz.fingerzaehlerB[k], k);
        EXPECT_EQ(wieder.fingerzaehler[k], s.fingerzaehler[k]);
    }
}
