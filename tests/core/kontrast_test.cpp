// The contrast of finger colours on the letter panel's backgrounds and the outline that keeps them
// legible.
#include "keyboard/kontrast.h"
#include "session/benutzerdatensatz.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tastwerk;

namespace {

constexpr Farbe Schwarz = 0x00000000;
constexpr Farbe Weiss = 0x00FFFFFF;
constexpr Farbe Gelb = 0x0000FFFF;
constexpr Farbe Silber = 0x00C0C0C0;

struct Paar {
    const char* name;
    Farbe a;
    Farbe b;
    double verhaeltnis;
};

class Kontrastverhaeltnis : public testing::TestWithParam<Paar> {};

TEST_P(Kontrastverhaeltnis, StimmtMitDenBekanntenWertenUeberein) {
    const Paar& p = GetParam();
    EXPECT_NEAR(kontrastverhaeltnis(p.a, p.b), p.verhaeltnis, 0.01);
    EXPECT_DOUBLE_EQ(kontrastverhaeltnis(p.a, p.b), kontrastverhaeltnis(p.b, p.a));
}

// The channel curve is a table built when the program is compiled: every grey and every channel alone
// must give what the sRGB formula gives.
TEST(RelativeLeuchtdichte, FolgtDerSrgbKurveInJedemKanal) {
    for (unsigned k = 0; k < 256; ++k) {
        const double c = k / 255.0;
        const double soll = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        const Farbe grau = k | (k << 8) | (k << 16);
        EXPECT_NEAR(relativeLeuchtdichte(grau), soll, 1e-12) << "Grau " << k;
        EXPECT_NEAR(relativeLeuchtdichte(k), 0.2126 * soll, 1e-12) << "Rot " << k;
        EXPECT_NEAR(relativeLeuchtdichte(k << 8), 0.7152 * soll, 1e-12) << "Grün " << k;
        EXPECT_NEAR(relativeLeuchtdichte(k << 16), 0.0722 * soll, 1e-12) << "Blau " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Farbpaare, Kontrastverhaeltnis,
    testing::Values(Paar{"SchwarzAufWeiss", Schwarz, Weiss, 21.0}, Paar{"GleicheFarben", Silber, Silber, 1.0},
                    Paar{"GelbAufSilber", Gelb, Silber, 1.69}, Paar{"RotAufWeiss", 0x000000FF, Weiss, 4.0},
                    // Blue and red channels are told apart: pure blue is far darker than pure red.
                    Paar{"BlauAufSchwarz", 0x00FF0000, Schwarz, 2.44},
                    Paar{"GrauAufWeiss", 0x00808080, Weiss, 3.95}),
    [](const testing::TestParamInfo<Paar>& i) { return std::string(i.param.name); });

TEST(Umrissfarbe, FehltWoDasZeichenSchonGenugAbsticht) {
    EXPECT_FALSE(umrissfarbe(Schwarz, Weiss));
    EXPECT_FALSE(umrissfarbe(Gelb, Schwarz));
    EXPECT_TRUE(umrissfarbe(Gelb, Silber));
}

TEST(Umrissfarbe, DunkelAufHellemUndHellAufDunklemGrund) {
    EXPECT_EQ(umrissfarbe(Gelb, Silber), Schwarz);
    EXPECT_EQ(umrissfarbe(Gelb, Weiss), Schwarz);
    EXPECT_EQ(umrissfarbe(0x00800000, Schwarz), Weiss);    // navy on black
    EXPECT_EQ(umrissfarbe(0x00FF0000, 0x00800000), Weiss); // blue on navy
}

// Every colour the learner can pick stands out on every background, with its outline where it needs one.
TEST(Umrissfarbe, JedeFarbeStichtAufJedemGrundMindestensDreiZuEinsAb) {
    for (Farbe rot = 0; rot <= 0xFF; rot += 0x11) {
        for (Farbe gruen = 0; gruen <= 0xFF; gruen += 0x11) {
            for (Farbe blau = 0; blau <= 0xFF; blau += 0x11) {
                const Farbe grund = rot | gruen << 8 | blau << 16;
                for (const Farbe schrift : {Schwarz, Weiss, Gelb, Silber, Farbe(0x00808080), grund}) {
                    const std::optional<Farbe> umriss = umrissfarbe(schrift, grund);
                    const double kontrast =
                        umriss ? kontrastverhaeltnis(*umriss, grund) : kontrastverhaeltnis(schrift, grund);
                    ASSERT_GE(kontrast, Mindestkontrast)
                        << std::hex << "Schrift " << schrift << " auf " << grund;
                }
            }
        }
    }
}

} // namespace
