#include "session/sitzung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
