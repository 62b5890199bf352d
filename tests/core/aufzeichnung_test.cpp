// The history row of an exercise that ended.
#include "verlauf/aufzeichnung.h"

#include <gtest/gtest.h>

namespace tastwerk {
namespace {

TEST(Aufzeichnung, ZeileMitTempoWieDieStatusleisteUndFehlerquoteDerAnschlaege) {
    Zeitpunkt beginn;
    beginn.datum = {2026, 3, 7, 7};
    beginn.stunde = 9;
    beginn.minute = 5;
    beginn.sekunde = 3;
    Zeitpunkt ende = beginn;
    ende.minute = 7;
    Uebungsstand stand;
    stand.anschlaege = 200;
    stand.tempozaehler = 201;
    stand.fehler = 7;
    stand.sekunden = 90;
    stand.finger[4] = {30, 1};
    stand.zeichen = {{' ', 30, 1}};
    const Uebungseintrag e = uebungseintrag("ANNA", 3, StufeWort, 2, beginn, ende, stand, true);
    EXPECT_EQ(e.beginn, "2026-03-07 09:05:03");
    EXPECT_EQ(e.ende, "2026-03-07 09:07:03");
    EXPECT_EQ(e.lektion, 3);
    EXPECT_EQ(e.stufe, "W");
    EXPECT_EQ(e.layout, 2);
    EXPECT_EQ(e.tempo, 134); // 201 in 1.5 minutes
    EXPECT_DOUBLE_EQ(e.fehlerquote, 3.5);
    EXPECT_TRUE(e.bestanden);
    EXPECT_EQ(e.finger[4], (Fingerpaar{30, 1}));
    EXPECT_EQ(e.zeichen, stand.zeichen);

    stand.anschlaege = 0;
    stand.sekunden = 0;
    const Uebungseintrag leer = uebungseintrag("ANNA", 1, StufeBuchstaben, 0, beginn, beginn, stand, false);
    EXPECT_EQ(leer.fehlerquote, 0);
    EXPECT_EQ(leer.tempo, 0);
    EXPECT_FALSE(lohntAufzeichnung(leer));
}

} // namespace
} // namespace tastwerk
