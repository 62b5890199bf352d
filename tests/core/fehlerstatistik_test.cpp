// The lesson error statistics panel and the overall statistics per finger group and lesson.
#include "stats/fehlerstatistik.h"
#include "stats/gesamtstatistik.h"

#include <gtest/gtest.h>

using namespace tastwerk;

namespace {
constexpr std::size_t Ring = platz(Fingergruppe::LinkerRingfinger);
} // namespace

TEST(Fehlerstatistik, QuoteNurWennAnschlaegeUndFehlerDa) {
    Fingerzahlen anschlaege{};
    Fingerzahlen fehler{};
    anschlaege[Ring] = 120;
    fehler[Ring] = 3;
    anschlaege[0] = 50;            // no errors
    fehler[8] = 4;                 // errors without keystrokes
    anschlaege[4] = fehler[4] = 7; // all wrong
    const Fingerfehlerquoten q = statistikberechnen(anschlaege, fehler);
    EXPECT_DOUBLE_EQ(q[Ring], 2.5);
    EXPECT_EQ(q[0], 0.0);
    EXPECT_EQ(q[8], 0.0);
    EXPECT_DOUBLE_EQ(q[4], 100.0);

    Fingerzaehler paare{};
    paare[Ring] = {120, 3};
    EXPECT_DOUBLE_EQ(statistikberechnen(paare)[Ring], 2.5);
}

TEST(Fehlerstatistik, TextzeilenMitNameZahlenUndQuote) {
    EXPECT_EQ(statistikzeile(Fingergruppe::LinkerRingfinger, 3, 120, 2.5),
              "Ringfinger: 3 von 120 falsch ( 2.50 %)");
    EXPECT_EQ(statistikzeile(Fingergruppe::Daumen, 7, 7, 100.0), "Daumen: 7 von 7 falsch (100.00 %)");
    EXPECT_EQ(statistikzeile(Fingergruppe::RechterKleinerFinger, 0, 0, 0.0),
              "kleiner Finger: 0 von 0 falsch ( 0.00 %)");
}

TEST(Fehlerstatistik, PanelZeigtTitelNamenFarbenUndBalken) {
    Fingerzahlen anschlaege{};
    Fingerzahlen fehler{};
    anschlaege[Ring] = 120;
    fehler[Ring] = 3;
    const Fehlerstatistikanzeige a =
        fehlerstatistik(7, statistikberechnen(anschlaege, fehler), anschlaege, fehler);
    EXPECT_EQ(a.titel, "Fehlerstatistik Lektion 7");
    const char* namen[] = {"kleiner Finger: ", "Ringfinger: ", "Mittelfinger: ", "Zeigefinger: ", "Daumen: ",
                           "kleiner Finger: ", "Ringfinger: ", "Mittelfinger: ", "Zeigefinger: "};
    const int farben[] = {1, 2, 3, 4, 5, 1, 2, 3, 4};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(a.zeilen[i].text.rfind(namen[i], 0), 0u) << i;
        EXPECT_EQ(static_cast<int>(a.zeilen[i].farbe), farben[i]) << i;
        EXPECT_EQ(linkeSpalte(static_cast<Fingergruppe>(i + 1)), i < 5) << i;
    }
    EXPECT_EQ(a.zeilen[Ring].text, "Ringfinger: 3 von 120 falsch ( 2.50 %)");
    EXPECT_EQ(a.zeilen[Ring].balken, 2); // 2.5 rounds to even
    EXPECT_EQ(a.zeilen[0].balken, 0);
}

TEST(Fehlerstatistik, BalkenUeberDerSkalaIstVoll) {
    EXPECT_EQ(balkenposition(40.0), 40);
    EXPECT_GE(balkenposition(40.0), 25);
    EXPECT_EQ(balkenwert(40.0, 25), 25);
    EXPECT_EQ(balkenwert(7.4, 10), 7);
    EXPECT_EQ(balkenposition(3.5), 4);
    EXPECT_EQ(balkenposition(0.5), 0);
}

TEST(Fehlerstatistik, SkalenUndIhreBeschriftungen) {
    EXPECT_EQ(Statistikskalen, (std::array<int, 4>{100, 50, 25, 10}));
    EXPECT_EQ(skalenbeschriftung(25), "25 %");
    EXPECT_EQ(skalenbeschriftung(100), "100 %");
    EXPECT_EQ(skalenmenuetext(100), "100 %");
    EXPECT_EQ(skalenmenuetext(50), "  50 %");
    EXPECT_EQ(skalenmenuetext(25), "  25 %");
    EXPECT_EQ(skalenmenuetext(10), "  10 %");
    EXPECT_TRUE(istStatistikskala(10));
    EXPECT_FALSE(istStatistikskala(20));
}

TEST(Gesamtstatistik, BeideUebungenZusammengezaehltNichtGemittelt) {
    Sitzung s;
    for (auto& zeile : s.fehlerquoten) {
        zeile.fill(KeinWert);
    }
    s.lektionNr = 4;
    Fingerzaehler buchstaben{};
    Fingerzaehler worte{};
    buchstaben[Ring] = {40, 2};
    worte[Ring] = {60, 3};
    buchstaben[3] = {10, 10};
    worte[6] = {8, 1}; // 12.5 % rounds to 12
    const Fingerfehlerquoten q = gesamtfehlerstatistik(s, buchstaben, worte);
    EXPECT_DOUBLE_EQ(q[Ring], 5.0);
    EXPECT_EQ(s.fehlerquoten[Ring][3], 5);
    EXPECT_EQ(s.fehlerquoten[3][3], 100);
    EXPECT_EQ(s.fehlerquoten[6][3], 12);
    EXPECT_EQ(s.fehlerquoten[0][3], 0) << "no keystrokes in a recorded lesson";
    EXPECT_EQ(s.fehlerquoten[Ring][2], KeinWert) << "other lessons stay";

    EXPECT_EQ(rasterzelle(s, Fingergruppe::LinkerRingfinger, 4), "  5");
    EXPECT_EQ(rasterzelle(s, Fingergruppe::LinkerZeigefinger, 4), "100");
    EXPECT_EQ(rasterzelle(s, Fingergruppe::LinkerKleinerFinger, 4), "  0");
    EXPECT_EQ(rasterzelle(s, Fingergruppe::LinkerKleinerFinger, 5), "-------");

    // A new run of the lesson overwrites its values.
    gesamtfehlerstatistik(s, Fingerzaehler{}, Fingerzaehler{});
    EXPECT_EQ(s.fehlerquoten[3][3], 0);
}

TEST(Gesamtstatistik, EineQuoteWirdNieZurMarke) {
    EXPECT_EQ(gespeicherteQuote(100.0), 100);
    EXPECT_EQ(gespeicherteQuote(100.6), 100);
    EXPECT_EQ(gespeicherteQuote(150.0), 100);
    EXPECT_EQ(gespeicherteQuote(-1.0), 0);
    EXPECT_EQ(gespeicherteQuote(2.5), 2);

    Sitzung s;
    s.lektionNr = 16;
    Fingerzaehler worte{};
    worte[5] = {100, 101}; // more errors than keystrokes
    gesamtfehlerstatistik(s, Fingerzaehler{}, worte);
    EXPECT_EQ(s.fehlerquoten[5][15], 100);
    EXPECT_EQ(rasterzelle(s.fehlerquoten[5][15]), "100");
    EXPECT_EQ(rasterzelle(KeinWert), "-------");
}
