// What the learner's history screen shows: time per day and week, best speed, weak characters, and the
// heatmap's rate and colour of a key.
#include "verlauf/auswertung.h"

#include "keyboard/tastentabelle.h"

#include <gtest/gtest.h>

namespace tastwerk {
namespace {

Uebungseintrag am(const std::string& tag, std::uint32_t sekunden, double tempo) {
    Uebungseintrag e;
    e.beginn = tag + " 23:59:00";
    e.ende = tag + " 23:59:59";
    e.sekunden = sekunden;
    e.tempo = tempo;
    return e;
}

TEST(Auswertung, ZeitJeTagUndWocheBisHeuteUndDieBesteGeschwindigkeit) {
    const Datum heute{2026, 12, 8, 3}; // Tuesday
    const auto a = auswerten({am("2026-11-01", 600, 80), am("2026-11-25", 60, 95), am("2026-12-06", 120, 130),
                              am("2026-12-07", 30, 110), am("2026-12-08", 45, 100), am("2026-12-08", 15, 90)},
                             heute);
    EXPECT_EQ(a.punkte.size(), 6u);
    EXPECT_EQ(a.bestesTempo, 130);
    EXPECT_EQ(a.sekundenGesamt, 870u);
    ASSERT_EQ(a.tage.size(), 14u);
    EXPECT_EQ(a.tage.front(), (Zeitabschnitt{"2026-11-25", 60}));
    EXPECT_EQ(a.tage[11], (Zeitabschnitt{"2026-12-06", 120}));
    EXPECT_EQ(a.tage.back(), (Zeitabschnitt{"2026-12-08", 60}));
    ASSERT_EQ(a.wochen.size(), 8u);
    EXPECT_EQ(a.wochen.back(), (Zeitabschnitt{"2026-12-07", 90})) << "this week begins on Monday 7 December";
    EXPECT_EQ(a.wochen[6], (Zeitabschnitt{"2026-11-30", 120}));
    EXPECT_EQ(a.wochen[5], (Zeitabschnitt{"2026-11-23", 60}));
    EXPECT_EQ(a.wochen.front(), (Zeitabschnitt{"2026-10-19", 0}));
}

TEST(Auswertung, OhneUebungenKeineBesteGeschwindigkeit) {
    const auto a = auswerten({}, {2024, 3, 1, 6});
    EXPECT_FALSE(a.bestesTempo.has_value());
    EXPECT_EQ(a.tage.front().beginn, "2024-02-17") << "across a leap day";
}

TEST(Heatmap, EineTasteMitZweiZeichenGewichtetNachIhrenAnforderungen) {
    const std::vector<Zeichenzaehler> summen = {{'1', 10, 5}, {'!', 90, 0}, {'a', 40, 4}};
    EXPECT_DOUBLE_EQ(*tastenquote(summen, {'1', '!'}), 5.0)
        << "5 misses in 100 demands, not (50 % + 0 %) / 2";
    EXPECT_DOUBLE_EQ(*tastenquote(summen, {'a', 'A'}), 10.0);
    EXPECT_FALSE(tastenquote(summen, {'q', 'Q'}).has_value());
}

TEST(Heatmap, JedeTasteTraegtDieQuoteIhrerZeichenImLayout) {
    // 'z' and 'y' swap places between the German and the US keyboard.
    const std::vector<Zeichenzaehler> summen = {{'z', 10, 1}, {'Z', 10, 3}, {'y', 20, 0}};
    const auto deutsch = tastenquoten(summen, Tastaturlayout::Deutsch);
    const auto usa = tastenquoten(summen, Tastaturlayout::USA);
    ASSERT_EQ(deutsch.size(), std::size_t(Tastentabelle::Anzahl));
    int zTaste = -1;
    for (int t = 0; t < Tastentabelle::Anzahl; ++t) {
        if (Tastentabelle::traegtZeichen(t, Tastaturlayout::Deutsch, 'z')) {
            zTaste = t;
        }
    }
    ASSERT_GE(zTaste, 0);
    EXPECT_DOUBLE_EQ(*deutsch[std::size_t(zTaste)], 20.0) << "z and Z together: 4 misses in 20";
    EXPECT_DOUBLE_EQ(*usa[std::size_t(zTaste)], 0.0) << "the same key types y in the US layout";
    int ohne = 0;
    for (const auto& q : deutsch) {
        ohne += !q.has_value();
    }
    EXPECT_EQ(ohne, Tastentabelle::Anzahl - 2);
}

struct FarbFall {
    double quote;
    Farbe farbe;
};

class HeatmapFarbe : public ::testing::TestWithParam<FarbFall> {};

TEST_P(HeatmapFarbe, VonGruenUeberGelbNachRot) {
    EXPECT_EQ(heatmapFarbe(GetParam().quote), GetParam().farbe) << GetParam().quote;
}

INSTANTIATE_TEST_SUITE_P(Stufen, HeatmapFarbe,
                         ::testing::Values(FarbFall{0, 0x43A02E}, FarbFall{5, 0x0CC4F2},
                                           FarbFall{10, 0x1B21D0}, FarbFall{55, 0x1B21D0},
                                           FarbFall{2.5, 0x28B290}));

TEST(Schwaechen, HoechsteQuoteZuerstSeltenGeforderteZaehlenNicht) {
    const std::vector<Zeichenzaehler> summen = {{'a', 100, 2}, {'b', 4, 4},  {'c', 20, 5}, {'d', 50, 0},
                                                {'e', 40, 10}, {'f', 10, 1}, {'g', 10, 2}, {'h', 30, 3}};
    const auto schwach = schwaechsteZeichen(summen);
    std::string reihenfolge;
    for (const auto& z : schwach) {
        reihenfolge += char(z.zeichen);
    }
    EXPECT_EQ(reihenfolge, "ecghf") << "b is demanded too rarely, d never missed; h before f at equal rates";
}

} // namespace
} // namespace tastwerk
