#include "session/benutzerdatensatz.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tastwerk;

namespace {

std::uint16_t u16(const Satzbytes& b, std::size_t v) {
    return static_cast<std::uint16_t>(b[v] | b[v + 1] << 8);
}
std::uint32_t u32(const Satzbytes& b, std::size_t v) {
    return std::uint32_t(b[v]) | std::uint32_t(b[v + 1]) << 8 | std::uint32_t(b[v + 2]) << 16 |
           std::uint32_t(b[v + 3]) << 24;
}

} // namespace

TEST(Benutzerdatensatz, NeuerBenutzerLiegtMitAllenStandardwertenAnSeinenVersaetzen) {
    const Benutzerdatensatz satz = neuerBenutzer("ANNA", Datum{1997, 3, 7, 6}, 800);
    const Satzbytes b = kodieren(satz);

    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(std::memcmp(b.data() + 1, "ANNA", 4), 0);
    EXPECT_EQ(b[46], 1);                // lesson
    EXPECT_EQ(u32(b, 48), 0x000000FFu); // red
    EXPECT_EQ(u32(b, 52), 0x0000FFFFu); // yellow
    EXPECT_EQ(u32(b, 56), 0x00008080u); // olive
    EXPECT_EQ(u32(b, 60), 0x00FF0000u); // blue
    EXPECT_EQ(u32(b, 64), 0x00808080u); // grey
    EXPECT_EQ(u16(b, 68), 0);           // uses
    EXPECT_EQ(u16(b, 70), 40);          // target speed
    EXPECT_EQ(u32(b, 72), 0x40600000u); // 3.5 as a single
    EXPECT_EQ(b[76], 1);                // correction
    EXPECT_EQ(b[77], 0);                // stage
    EXPECT_EQ(b[78], 6);                // Friday
    EXPECT_EQ(b[79], 7);
    EXPECT_EQ(b[80], 3);
    EXPECT_EQ(b[81], 121);
    EXPECT_EQ(b[82], 18);
    EXPECT_EQ(b[83], 14);
    EXPECT_EQ(u16(b, 84), 1997);
    for (std::size_t k = 86; k < 230; ++k) {
        ASSERT_EQ(b[k], 101) << "error rate byte " << k;
    }
    for (std::size_t feld : {230u, 262u, 294u}) {
        EXPECT_EQ(b[feld], 15);
        EXPECT_EQ(std::memcmp(b.data() + feld + 1, "Times New Roman", 15), 0);
    }
    for (std::size_t k = 326; k < 362; ++k) {
        ASSERT_EQ(b[k], 0) << "finger counter byte " << k;
    }
    EXPECT_EQ(u32(b, 364), 0x00C0C0C0u);
    const std::uint8_t schluss[] = {0, 25, 30, 0, 1, 0, 0, 1};
    EXPECT_EQ(std::memcmp(b.data() + 368, schluss, sizeof schluss), 0);
}

TEST(Benutzerdatensatz, FehlerquotenLiegenZeilenweiseNachFingerUndLektion) {
    Benutzerdatensatz satz;
    satz.fehlerquoten[2][4] = 7; // row 3, lesson 5
    satz.fingerzaehlerA[8] = 0x1234;
    satz.fingerzaehlerB[0] = 0xABCD;
    const Satzbytes b = kodieren(satz);
    EXPECT_EQ(b[86 + 2 * 16 + 4], 7);
    EXPECT_EQ(u16(b, 326 + 16), 0x1234);
    EXPECT_EQ(u16(b, 344), 0xABCD);
}

TEST(Benutzerdatensatz, HinUndZurueckErgibtDenselbenSatz) {
    Benutzerdatensatz satz = neuerBenutzer(std::string("J\xDCRGEN \xC4", 8), Datum{2026, 12, 8, 3}, 1280);
    satz.lektionNr = 9;
    satz.benutzungen = 65535;
    satz.wunschFehlerrate = 0.7f;
    satz.fehlerquoten[8][15] = 100;
    satz.schriftarten[1] = "Courier New";
    satz.tastaturlayout = 2;
    satz.hintergrundfarbe = 0x00FFFFFF;
    for (std::size_t k = 0; k < 9; ++k) {
        satz.fingerzaehlerA[k] = static_cast<std::uint16_t>(k * 1000);
        satz.fingerzaehlerB[k] = static_cast<std::uint16_t>(k);
    }
    EXPECT_EQ(dekodieren(kodieren(satz)), satz);
}

TEST(Benutzerdatensatz, NamenMitFuenfundvierzigZeichenFuellenDasFeld) {
    const std::string name(45, 'X');
    const Satzbytes b = kodieren(neuerBenutzer(name + "YZ", Datum{}, 800));
    EXPECT_EQ(b[0], 45);
    EXPECT_EQ(b[45], 'X');
    EXPECT_EQ(dekodieren(b).benutzername, name);
}

TEST(Benutzerdatensatz, ZuGrosseLaengenbytesLesenSichAlsKapazitaet) {
    Satzbytes b = kodieren(Benutzerdatensatz{});
    b[0] = 200;  // name
    b[230] = 99; // font name
    const Benutzerdatensatz satz = dekodieren(b);
    EXPECT_EQ(satz.benutzername.size(), 45u);
    EXPECT_EQ(satz.schriftarten[0].size(), 31u);
}

TEST(Benutzerdatensatz, SchriftgroessenPassenImmerInEinByte) {
    EXPECT_EQ(standardSchriftgroessen(800), (std::array<std::uint8_t, 3>{121, 18, 14}));
    EXPECT_EQ(standardSchriftgroessen(1920)[0], 255); // Trunc(1920 * 5/33) = 290
    EXPECT_EQ(standardSchriftgroessen(1920)[1], 43);
    EXPECT_EQ(standardSchriftgroessen(1920)[2], 33);
    EXPECT_EQ(standardSchriftgroessen(20)[1], 1);
    EXPECT_EQ(schriftgroesseBegrenzt(0), 1);
    EXPECT_EQ(schriftgroesseBegrenzt(1000), 255);
}
