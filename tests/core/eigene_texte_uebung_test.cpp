#include "practice/eigene_texte_uebung.h"

#include "fakes.h"
#include "keyboard/zeichenmenge.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

using namespace tastwerk;
using tastwerk::test::MerkKlang;

namespace {

constexpr Zeichen Return = ZeichenReturn;

class EigeneTexteTest : public ::testing::Test {
protected:
    Sitzung sitzung;
    MerkKlang klang;

    EigeneTexteUebung gestartet(std::vector<std::string> zeilen, bool berichtigung) {
        sitzung.berichtigungErzwingen = berichtigung ? 1 : 0;
        EigeneTexteUebung uebung(std::move(zeilen), sitzung, klang);
        uebung.taste(ZeichenStartaufforderung);
        return uebung;
    }

    static const EigeneTexteAnzeige& tippen(EigeneTexteUebung& uebung, std::string_view tasten) {
        for (char c : tasten) {
            uebung.taste(static_cast<Zeichen>(c));
        }
        return uebung.anzeige();
    }
};

} // namespace

TEST_F(EigeneTexteTest, StartZeigtNullzaehlerUndMarkiertDasErsteZeichen) {
    EigeneTexteUebung uebung(std::vector<std::string>{"Hallo", "Welt"}, sitzung, klang);
    const EigeneTexteAnzeige& a = uebung.taste(ZeichenStartaufforderung);
    EXPECT_EQ(a.anschlaege, "Anschläge: 0");
    EXPECT_EQ(a.fehler, "Fehler: 0");
    EXPECT_EQ(a.fehleranteil, "Fehleranteil:  0.00 %");
    EXPECT_FALSE(a.fehleranteilRot);
    EXPECT_EQ(a.zeilenanzeige, "Zeile 1 von 2");
    EXPECT_EQ(a.markierung, 0u);
    EXPECT_EQ(a.sollzeichen, 'H');
    EXPECT_FALSE(a.returnHinweis);
    EXPECT_FALSE(a.uebungsbeginn);
    // The start call is part of the counter the speed uses, not of the keystrokes shown.
    EXPECT_EQ(uebung.anschlagzaehler(), 1u);
    EXPECT_EQ(uebung.anschlaege(), 0u);
}

TEST_F(EigeneTexteTest, ErsterEchterAnschlagStartetDieZeitmessung) {
    auto uebung = gestartet({"abc"}, true);
    EXPECT_TRUE(uebung.taste('a').uebungsbeginn);
    EXPECT_FALSE(uebung.taste('b').uebungsbeginn);
    // A repeated start call neither counts nor judges.
    const EigeneTexteAnzeige& a = uebung.taste(ZeichenStartaufforderung);
    EXPECT_EQ(a.anschlaege, "Anschläge: 2");
    EXPECT_EQ(a.sollzeichen, 'c');
    EXPECT_EQ(uebung.fehlerzaehler(), 0u);
}

TEST_F(EigeneTexteTest, EinzeiligerTextEndetNachLetztemZeichenUndReturn) {
    auto uebung = gestartet({"ja"}, true);
    tippen(uebung, "ja");
    EXPECT_TRUE(uebung.anzeige().returnHinweis);
    EXPECT_EQ(uebung.anzeige().sollzeichen, Return);
    EXPECT_EQ(uebung.anzeige().markierung, 2u);
    EXPECT_FALSE(uebung.anzeige().textende);

    const EigeneTexteAnzeige& ende = uebung.taste(Return);
    EXPECT_TRUE(ende.textende);
    EXPECT_TRUE(ende.zeileFertig);
    EXPECT_FALSE(ende.returnHinweis);
    EXPECT_EQ(ende.anschlaege, "Anschläge: 3");
    EXPECT_EQ(ende.zeilenanzeige, "Zeile 1 von 1");
    EXPECT_TRUE(uebung.textendeErreicht());

    // After the end further keys change nothing and do not end the text a second time.
    const EigeneTexteAnzeige& danach = uebung.taste('x');
    EXPECT_FALSE(danach.textende);
    EXPECT_FALSE(danach.tippfehler);
    EXPECT_EQ(danach.anschlaege, "Anschläge: 3");
    EXPECT_EQ(uebung.fehlerzaehler(), 0u);
}

TEST_F(EigeneTexteTest, ReturnEntferntDieFertigeZeileUndZaehltDieZeilenWeiter) {
    auto uebung = gestartet({"ab", "cd", "ef"}, true);
    tippen(uebung, "ab");
    const EigeneTexteAnzeige& a = uebung.taste(Return);
    EXPECT_TRUE(a.zeileFertig);
    EXPECT_FALSE(a.textende);
    EXPECT_EQ(a.zeilenanzeige, "Zeile 2 von 3");
    EXPECT_EQ(a.markierung, 0u);
    EXPECT_EQ(a.sollzeichen, 'c');
    EXPECT_EQ(uebung.textzeile(), 1u);
    EXPECT_FALSE(uebung.taste('c').zeileFertig);
}

TEST_F(EigeneTexteTest, AufLeererZeileGiltNurReturnInBeidenModi) {
    for (const bool berichtigung : {true, false}) {
        SCOPED_TRACE(berichtigung ? "Berichtigung" : "nur zählen");
        auto uebung = gestartet({"a", "", "b"}, berichtigung);
        tippen(uebung, "a");
        const EigeneTexteAnzeige& leer = uebung.taste(Return);
        EXPECT_EQ(leer.zeilenanzeige, "Zeile 2 von 3");
        EXPECT_TRUE(leer.returnHinweis);
        EXPECT_EQ(leer.sollzeichen, Return);

        const std::uint32_t vorher = uebung.anschlaege();
        tippen(uebung, "xy ");
        EXPECT_TRUE(uebung.anzeige().tippfehler);
        EXPECT_EQ(uebung.anzeige().sollzeichen, Return);
        EXPECT_EQ(uebung.textzeile(), 1u);
        // Wrong keys at a line end are one error and no keystrokes.
        EXPECT_EQ(uebung.fehlerzaehler(), 1u);
        EXPECT_EQ(uebung.anschlaege(), vorher);

        EXPECT_EQ(uebung.taste(Return).sollzeichen, 'b');
        EXPECT_EQ(uebung.textzeile(), 2u);
    }
}

TEST_F(EigeneTexteTest, BerichtigungZaehltMehrereFalscheTastenAlsEinenFehlerOhneAnschlaege) {
    auto uebung = gestartet({"abc"}, true);
    tippen(uebung, "a");
    for (char falsch : {'x', 'y', 'z'}) {
        const EigeneTexteAnzeige& a = uebung.taste(static_cast<Zeichen>(falsch));
        EXPECT_TRUE(a.tippfehler);
        EXPECT_EQ(a.markierung, 1u);
        EXPECT_EQ(a.sollzeichen, 'b');
        EXPECT_EQ(a.anschlaege, "Anschläge: 1");
        EXPECT_EQ(a.fehler, "Fehler: 1");
    }
    EXPECT_EQ(uebung.anschlaege(), 1u);
    EXPECT_EQ(uebung.fehlerzaehler(), 1u);

    const EigeneTexteAnzeige& richtig = uebung.taste('b');
    EXPECT_FALSE(richtig.tippfehler);
    EXPECT_EQ(richtig.anschlaege, "Anschläge: 2");
    EXPECT_EQ(richtig.sollzeichen, 'c');
    // A new position counts its error anew.
    uebung.taste('q');
    EXPECT_EQ(uebung.fehlerzaehler(), 2u);
}

TEST_F(EigeneTexteTest, BerichtigungAmLetztenZeichenVerlangtNochDasZeichen) {
    auto uebung = gestartet({"ab"}, true);
    tippen(uebung, "ax");
    EXPECT_FALSE(uebung.anzeige().returnHinweis);
    EXPECT_EQ(uebung.anzeige().sollzeichen, 'b');
    EXPECT_FALSE(uebung.taste(Return).zeileFertig);
    EXPECT_TRUE(tippen(uebung, "b").returnHinweis);
}

TEST_F(EigeneTexteTest, NurZaehlenRuecktMitJederTasteInDerZeileWeiter) {
    auto uebung = gestartet({"abc"}, false);
    const EigeneTexteAnzeige& a = tippen(uebung, "xyc");
    EXPECT_EQ(uebung.fehlerzaehler(), 2u);
    EXPECT_EQ(uebung.anschlaege(), 3u);
    EXPECT_EQ(a.fehler, "Fehler: 2");
    EXPECT_TRUE(a.returnHinweis);
    // At the line end only Return moves on, in count mode too.
    tippen(uebung, "dd");
    EXPECT_EQ(uebung.textposition(), 4u);
    EXPECT_EQ(uebung.fehlerzaehler(), 3u);
    EXPECT_EQ(uebung.anschlaege(), 3u);
    EXPECT_TRUE(uebung.taste(Return).textende);
}

TEST_F(EigeneTexteTest, FehleranteilMitZweiNachkommastellenUndRotUeberDerWunschrate) {
    sitzung.wunschFehlerrate = 25.0f;
    auto uebung = gestartet({"abcdefgh"}, false);
    // One error over the counter 4 (start call and three keys): exactly the highest rate, not red.
    const EigeneTexteAnzeige& gleich = tippen(uebung, "xbc");
    EXPECT_EQ(gleich.fehleranteil, "Fehleranteil: 25.00 %");
    EXPECT_FALSE(gleich.fehleranteilRot);
    const EigeneTexteAnzeige& drueber = tippen(uebung, "x");
    EXPECT_EQ(drueber.fehleranteil, "Fehleranteil: 40.00 %");
    EXPECT_TRUE(drueber.fehleranteilRot);
    const EigeneTexteAnzeige& lang = tippen(uebung, "efg");
    EXPECT_EQ(lang.fehleranteil, "Fehleranteil: 25.00 %");
    EXPECT_DOUBLE_EQ(uebung.fehleranteil(), 25.0);

    auto voll = gestartet({"ab"}, true);
    EXPECT_EQ(voll.taste('x').fehleranteil, "Fehleranteil: 100.00 %");
    EXPECT_EQ(voll.taste('a').fehleranteil, "Fehleranteil: 50.00 %");
    sitzung.wunschFehlerrate = 3.5f;
    auto wenig = gestartet({std::string(40, 'a')}, false);
    EXPECT_EQ(tippen(wenig, "b" + std::string(38, 'a')).fehleranteil, "Fehleranteil:  2.50 %");
}

TEST_F(EigeneTexteTest, FehlertonSpieltFehlerWavOderPiept) {
    auto uebung = gestartet({"ab"}, true);
    EXPECT_TRUE(uebung.taste('x').fehlerton);
    EXPECT_EQ(klang.gespielt, std::vector<std::string>{"sync:Fehler.wav"});
    EXPECT_EQ(klang.piepser, 0);

    klang.abspielbar = false;
    uebung.taste('y');
    EXPECT_EQ(klang.piepser, 1);
    EXPECT_FALSE(uebung.taste('a').fehlerton);

    sitzung.tonBeiTippfehler = false;
    const EigeneTexteAnzeige& still = uebung.taste('x');
    EXPECT_TRUE(still.tippfehler);
    EXPECT_FALSE(still.fehlerton);
    EXPECT_EQ(klang.gespielt.size(), 2u);
    EXPECT_EQ(klang.piepser, 1);
}

TEST_F(EigeneTexteTest, EinstellungenGeltenAbDerNaechstenTaste) {
    auto uebung = gestartet({"abcd"}, true);
    tippen(uebung, "x");
    EXPECT_EQ(uebung.textposition(), 1u);
    sitzung.berichtigungErzwingen = 0;
    tippen(uebung, "x");
    EXPECT_EQ(uebung.textposition(), 2u);
}

TEST_F(EigeneTexteTest, NeuAnfangenMittenImTextBeginntBeiZeile1MitNullzaehlern) {
    auto uebung = gestartet({"ab", "cd"}, true);
    tippen(uebung, "ab\rcx");
    ASSERT_EQ(uebung.textzeile(), 1u);
    ASSERT_EQ(uebung.fehlerzaehler(), 1u);

    const EigeneTexteAnzeige& a = uebung.neuAnfangen();
    EXPECT_EQ(a.zeilenanzeige, "Zeile 1 von 2");
    EXPECT_EQ(a.anschlaege, "Anschläge: 0");
    EXPECT_EQ(a.fehler, "Fehler: 0");
    EXPECT_EQ(a.fehleranteil, "Fehleranteil:  0.00 %");
    EXPECT_EQ(a.markierung, 0u);
    EXPECT_EQ(a.sollzeichen, 'a');
    EXPECT_FALSE(a.returnHinweis);
    EXPECT_EQ(uebung.textzeile(), 0u);
    EXPECT_EQ(uebung.anschlagzaehler(), 1u);
    // The error left open before the restart does not swallow the first error after it.
    uebung.taste('x');
    EXPECT_EQ(uebung.fehlerzaehler(), 1u);
    EXPECT_TRUE(uebung.taste('a').uebungsbeginn);
}

TEST_F(EigeneTexteTest, NeuAnfangenNachDemTextendeBeginntWiederVorn) {
    auto uebung = gestartet({"a"}, true);
    tippen(uebung, "a\r");
    ASSERT_TRUE(uebung.textendeErreicht());
    uebung.neuAnfangen();
    EXPECT_FALSE(uebung.textendeErreicht());
    EXPECT_TRUE(tippen(uebung, "a\r").textende);
}

TEST_F(EigeneTexteTest, ZeileMit300ZeichenLaesstSichBisZumEndeTippen) {
    std::string zeile;
    for (int i = 0; i < 300; ++i) {
        zeile.push_back(static_cast<char>('a' + i % 26));
    }
    auto uebung = gestartet({zeile}, true);
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        ASSERT_EQ(uebung.anzeige().markierung, i);
        ASSERT_EQ(uebung.anzeige().sollzeichen, static_cast<Zeichen>(zeile[i]));
        ASSERT_FALSE(uebung.taste(static_cast<Zeichen>(zeile[i])).tippfehler) << "at " << i;
    }
    EXPECT_EQ(uebung.textposition(), 301u);
    EXPECT_EQ(uebung.anzeige().markierung, 300u);
    EXPECT_TRUE(uebung.anzeige().returnHinweis);
    EXPECT_EQ(uebung.fehlerzaehler(), 0u);
    EXPECT_TRUE(uebung.taste(Return).textende);
    EXPECT_EQ(uebung.anschlaege(), 301u);
}

TEST_F(EigeneTexteTest, LeererTextIstEineLeereZeile) {
    auto uebung = gestartet({}, true);
    EXPECT_EQ(uebung.anzeige().zeilenanzeige, "Zeile 1 von 1");
    EXPECT_EQ(uebung.anzeige().sollzeichen, Return);
    EXPECT_TRUE(uebung.taste(Return).textende);
}

TEST_F(EigeneTexteTest, WindowsZeichenWerdenAlsBytesVerglichen) {
    auto uebung = gestartet({"\xFC\x80"}, true); // ü €
    EXPECT_EQ(uebung.anzeige().sollzeichen, 0xFC);
    EXPECT_FALSE(uebung.taste(0xFC).tippfehler);
    EXPECT_TRUE(uebung.taste(0xDC).tippfehler);
    EXPECT_FALSE(uebung.taste(0x80).tippfehler);
}

namespace {

struct Uebbarkeitsfall {
    const char* name;
    std::string dateiinhalt;
    std::vector<std::string> genannt; // the characters that cannot be practised, as a message names them
};

void PrintTo(const Uebbarkeitsfall& f, std::ostream* aus) {
    *aus << f.name;
}

class EigenerTextUebbar : public ::testing::TestWithParam<Uebbarkeitsfall> {};

} // namespace

TEST_P(EigenerTextUebbar, NichtTippbareZeichenWerdenSichtbarGenannt) {
    const Uebbarkeitsfall& f = GetParam();
    const EigenerText text = textAusBytes(f.dateiinhalt);
    std::vector<std::string> genannt;
    for (const std::string& zeichen : nichtUebbareZeichen(text)) {
        genannt.push_back(zeichenBenennen(zeichen));
    }
    EXPECT_EQ(genannt, f.genannt);
    // Only a text without such characters gives lines to practise.
    EXPECT_EQ(uebungszeilen(text).has_value(), f.genannt.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texte, EigenerTextUebbar,
    ::testing::Values(
        Uebbarkeitsfall{"Tabulator", "Name:\tAnna\r\n", {}},
        Uebbarkeitsfall{"Umlaute",
                        "Ma\xDF"
                        "e \xE4\xF6\xFC \x80 \xA0\r\n",
                        {}},
        Uebbarkeitsfall{"Loeschzeichen", "Ende\x7F\r\nnoch\x7F\r\n", {"U+007F (Löschzeichen)"}},
        Uebbarkeitsfall{"Steuerzeichen", "a\x01z\x1B\r\n", {"U+0001 (Steuerzeichen)", "U+001B (Escape)"}},
        Uebbarkeitsfall{"Unbelegtes Windows-Byte",
                        "Stra\xDF"
                        "e\x81\r\n",
                        {"U+0081 (Steuerzeichen)"}},
        Uebbarkeitsfall{
            "Zeilentrenner in UTF-8", "Zeile\xE2\x80\xA8weiter \xC3\xA4\r\n", {"U+2028 (Zeilentrenner)"}},
        Uebbarkeitsfall{"Reihenfolge des Auftretens",
                        "\xE2\x98\xBA \x7F \xE2\x98\xBA\r\n",
                        {"\"\xE2\x98\xBA\"", "U+007F (Löschzeichen)"}}),
    [](const ::testing::TestParamInfo<Uebbarkeitsfall>& info) {
        std::string name;
        for (const char c : std::string(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(EigenerTextTasten, TabulatorNurWoErlaubtSteuerzeichenNie) {
    EXPECT_TRUE(tippbaresZeichen('a', false));
    EXPECT_TRUE(tippbaresZeichen(0xE4, false)); // ä
    EXPECT_TRUE(tippbaresZeichen(0x80, false)); // €
    EXPECT_TRUE(tippbaresZeichen(ZeichenTabulator, true));
    EXPECT_FALSE(tippbaresZeichen(ZeichenTabulator, false));
    EXPECT_FALSE(tippbaresZeichen(ZeichenStartaufforderung, true));
    EXPECT_FALSE(tippbaresZeichen(0x1B, true));
    EXPECT_FALSE(tippbaresZeichen(0x9D, true));
}

// What the learning history learns of each character: typed right, missed, with Return at line ends.
TEST_F(EigeneTexteTest, ZeichenzaehlungNenntJedesZeichenMitAnschlaegenUndFehlern) {
    struct Fall {
        bool berichtigung;
        const char* tasten;
        std::vector<Zeichenzaehler> erwartet;
    };
    const Fall faelle[] = {
        // Three wrong keys at 'b' count one miss; Return after "ab", a wrong key at the line end.
        {true, "axyzbq\rc", {{Return, 1, 1}, {'a', 1, 0}, {'b', 1, 1}, {'c', 1, 0}}},
        // Counting only: each wrong key is a miss of the character it stood for and moves on.
        {false, "xb\rq", {{Return, 1, 0}, {'a', 0, 1}, {'b', 1, 0}, {'c', 0, 1}}},
    };
    for (const Fall& f : faelle) {
        auto uebung = gestartet({"ab", "c"}, f.berichtigung);
        tippen(uebung, f.tasten);
        EXPECT_EQ(uebung.zeichenzaehlung().liste(), f.erwartet) << f.tasten;
    }
}
