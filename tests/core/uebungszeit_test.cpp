#include "practice/uebungszeit.h"
#include "practice/zufall.h"

#include <gtest/gtest.h>

using namespace tastwerk;

TEST(Uebungszeit, EinePauseSenktDasTempoNicht) {
    Uebungszeit zeit;
    zeit.beginnen(1000);
    EXPECT_EQ(zeit.uebungssekunden(61000), 60);
    EXPECT_EQ(anschlaegeProMinute(120, zeit.uebungssekunden(61000)), 120);
    zeit.anhalten(61000);
    EXPECT_EQ(zeit.uebungssekunden(361000), 60); // five minutes paused
    zeit.fortsetzen(361000);
    EXPECT_EQ(zeit.uebungssekunden(361000), 60);
    EXPECT_EQ(zeit.uebungssekunden(391000), 90);
}

TEST(Uebungszeit, DoppeltesAnhaltenUndAnhaltenVorDemBeginnZaehlenNicht) {
    Uebungszeit zeit;
    zeit.anhalten(0); // paused before the first keystroke
    zeit.fortsetzen(50000);
    zeit.beginnen(60000);
    EXPECT_EQ(zeit.uebungssekunden(70000), 10);
    zeit.anhalten(70000);
    zeit.anhalten(80000); // settings opened while paused
    zeit.fortsetzen(90000);
    zeit.fortsetzen(95000);
    EXPECT_EQ(zeit.uebungssekunden(100000), 20);
    zeit.zuruecksetzen();
    EXPECT_EQ(zeit.uebungssekunden(100000), 0);
    EXPECT_FALSE(zeit.begonnen());
}

TEST(Uebungszeit, TempoRundetHalbeZurGeradenZahlUndIstImErstenSekundeNull) {
    EXPECT_EQ(anschlaegeProMinute(5, 0), 0);
    EXPECT_EQ(anschlaegeProMinute(1, 120), 0); // 0.5 → 0
    EXPECT_EQ(anschlaegeProMinute(3, 120), 2); // 1.5 → 2
    EXPECT_EQ(anschlaegeProMinute(5, 120), 2); // 2.5 → 2
    EXPECT_EQ(anschlaegeProMinute(100, 60), 100);
    EXPECT_EQ(anschlaegeProMinute(7, 3), 140);
}

TEST(Zufall, LinearerKongruenzgeneratorMitHohenBits) {
    Zufall z(0);
    // seed 1: (1 * 10) >> 32 = 0; seed 134775814: 134775814 * 10 >> 32 = 0; ...
    EXPECT_EQ(z.ziehen(10), 0u);
    EXPECT_EQ(z.saat(), 1u);
    EXPECT_EQ(z.ziehen(10), 0u);
    EXPECT_EQ(z.saat(), 134775814u);
    z.setSaat(0xFFFFFFFFu);
    // 0xFFFFFFFF * 134775813 + 1 mod 2^32 = 2^32 - 134775812
    EXPECT_EQ(z.ziehen(1000),
              static_cast<std::uint32_t>((std::uint64_t(4294967296u - 134775812u) * 1000) >> 32));
    Zufall a(42), b(42);
    for (int i = 0; i < 100; ++i) {
        const auto x = a.ziehen(87);
        EXPECT_LT(x, 87u);
        EXPECT_EQ(x, b.ziehen(87));
    }
}
