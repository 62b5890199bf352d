#include "session/schriftwahl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

using namespace tastwerk;

namespace {

struct Groessenfall {
    const char* name;
    double dpi;
    double punkte; // the dialog's size in points; not positive: given in pixels
    int pixel;
    std::uint8_t bisher;
    std::uint8_t gespeichert;
};

void PrintTo(const Groessenfall& f, std::ostream* aus) {
    *aus << f.name;
}

class SchriftgroesseSpeichern : public ::testing::TestWithParam<Groessenfall> {};

} // namespace

// The stored size is the one the exercises show at the chosen size on this screen again.
TEST_P(SchriftgroesseSpeichern, ZeigtDieGewaehlteGroesseWieder) {
    const Groessenfall& f = GetParam();
    Schriftwahl wahl;
    wahl.name = "Courier New";
    wahl.punkte = f.punkte;
    wahl.pixel = f.pixel;
    const std::uint8_t gespeichert = zuSpeicherndeSchriftgroesse(wahl, f.dpi, f.bisher);
    EXPECT_EQ(int(gespeichert), int(f.gespeichert));
    if (f.gespeichert > 1 && f.gespeichert < 255 && f.punkte > 0 && f.dpi >= 96) {
        EXPECT_EQ(angezeigteSchriftgroesse(gespeichert, f.dpi), std::lround(f.punkte));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SchriftgroesseSpeichern,
    ::testing::Values(
        // At 96 pixels per inch the stored size is the chosen size.
        Groessenfall{"dpi96ganz", 96, 12, -1, 14, 12}, Groessenfall{"dpi96bisher", 96, 14, -1, 14, 14},
        Groessenfall{"dpi96unterHalb", 96, 10.4, -1, 14, 10}, Groessenfall{"dpi96halb", 96, 10.5, -1, 14, 11},
        Groessenfall{"dpi96ueberHalb", 96, 10.6, -1, 14, 11},
        Groessenfall{"dpi96hoechste", 96, 255, -1, 14, 255},
        Groessenfall{"dpi96zuGross", 96, 300, -1, 14, 255}, Groessenfall{"dpi96zuKlein", 96, 0.3, -1, 14, 1},
        // Elsewhere it is the smallest size that shows the chosen one.
        Groessenfall{"dpi120ganz", 120, 12, -1, 14, 15}, Groessenfall{"dpi120zehn", 120, 10, -1, 14, 13},
        Groessenfall{"dpi120gebrochen", 120, 9.6, -1, 14, 13},
        Groessenfall{"dpi120zuKlein", 120, 0.5, -1, 14, 1},
        Groessenfall{"dpi120zuGross", 120, 210, -1, 14, 255}, Groessenfall{"dpi144neun", 144, 9, -1, 20, 14},
        Groessenfall{"dpi144zwoelf", 144, 12, -1, 14, 18},
        Groessenfall{"dpi144gebrochen", 144, 12.4, -1, 14, 18},
        // A size shown as chosen stays as it is stored, though a smaller one would show it too.
        Groessenfall{"dpi120bisherBleibt", 120, 12, -1, 16, 16},
        Groessenfall{"dpi144bisherBleibt", 144, 8, -1, 13, 13},
        // Below 96 not every size can be shown: the next larger one is.
        Groessenfall{"dpi72luecke", 72, 7, -1, 14, 6},
        // Pixel sizes count at the screen's pixels per inch.
        Groessenfall{"pixelDpi96", 96, -1, 16, 14, 12}, Groessenfall{"pixelDpi120", 120, -1, 16, 14, 13},
        Groessenfall{"pixelDpi144", 144, -1, 24, 14, 18},
        // Without any size the stored one stays; a broken dpi counts as 96.
        Groessenfall{"ohneGroesse", 120, -1, -1, 14, 14}, Groessenfall{"dpiNull", 0, 12, -1, 14, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Schriftgroesse, AngezeigtWirdAufGanzePunkteAbgeschnittenUndMindestensEins) {
    EXPECT_EQ(angezeigteSchriftgroesse(12, 96), 12);
    EXPECT_EQ(angezeigteSchriftgroesse(16, 120), 12); // 12.8
    EXPECT_EQ(angezeigteSchriftgroesse(255, 120), 204);
    EXPECT_EQ(angezeigteSchriftgroesse(1, 144), 1);
    EXPECT_EQ(angezeigteSchriftgroesse(0, 96), 1);
}

TEST(SchriftUebernehmen, SpeichertNameGroesseUndStilDesGewaehltenTextes) {
    Sitzung s;
    Schriftwahl wahl{"Schöne Größe", 16, -1, true, true};
    ASSERT_TRUE(schriftUebernehmen(s, Schrifttext::Wortuebung, wahl, 96));
    EXPECT_EQ(s.schriftarten[1], "Sch\xF6ne Gr\xF6\xDF"
                                 "e");
    EXPECT_EQ(s.schriftgroessen[1], 16);
    EXPECT_EQ(s.schriftstil2, 3);
    EXPECT_EQ(s.schriftstil3, 0);
    EXPECT_EQ(s.schriftgroessen[2], 14);

    wahl = Schriftwahl{"Courier New", 12, -1, false, true};
    ASSERT_TRUE(schriftUebernehmen(s, Schrifttext::EigeneTexte, wahl, 120));
    EXPECT_EQ(s.schriftarten[2], "Courier New");
    EXPECT_EQ(s.schriftgroessen[2], 15);
    EXPECT_EQ(s.schriftstil3, 2);
    EXPECT_EQ(s.schriftstil2, 3);

    // The letter exercise keeps no style.
    wahl = Schriftwahl{"Eine sehr lange Schriftart mit Namen", 96, -1, true, false};
    ASSERT_TRUE(schriftUebernehmen(s, Schrifttext::Buchstabenuebung, wahl, 96));
    EXPECT_EQ(s.schriftarten[0], "Eine sehr lange Schriftart mit ");
    EXPECT_EQ(s.schriftgroessen[0], 96);
    EXPECT_EQ(s.schriftstil2, 3);
    EXPECT_EQ(s.schriftstil3, 2);
    EXPECT_EQ(gespeicherterSchriftstil(s, Schrifttext::Buchstabenuebung), 0);
}

TEST(SchriftUebernehmen, EinNameOhneWindows1252AendertNichts) {
    for (const char* name : {"Łódź Sans", "", "Noto \xF0\x9F\x98\x80", "kaputt \xC3"}) {
        Sitzung s;
        const Sitzung vorher = s;
        EXPECT_FALSE(
            schriftUebernehmen(s, Schrifttext::EigeneTexte, Schriftwahl{name, 20, -1, true, true}, 96))
            << name;
        EXPECT_EQ(s.schriftarten, vorher.schriftarten) << name;
        EXPECT_EQ(s.schriftgroessen, vorher.schriftgroessen) << name;
        EXPECT_EQ(s.schriftstil3, vorher.schriftstil3) << name;
    }
}
