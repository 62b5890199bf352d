#include "keyboard/grundbegriffe.h"

#include <gtest/gtest.h>

using namespace tastwerk;

TEST(Grundbegriffe, FingergruppenFuellenNeunPlaetzeInFesterReihenfolge) {
    EXPECT_EQ(platz(Fingergruppe::LinkerKleinerFinger), 0);
    EXPECT_EQ(platz(Fingergruppe::Daumen), 4);
    EXPECT_EQ(platz(Fingergruppe::RechterZeigefinger), FingergruppenAnzahl - 1);
}
