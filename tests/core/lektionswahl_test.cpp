#include "course/lektionswahl.h"

#include <gtest/gtest.h>

using namespace tastwerk;

TEST(Lektionswahl, DirekteWahlSetztLektionUndStufe) {
    Sitzung s;
    lektionDirektWaehlen(s, 1);
    EXPECT_EQ(s.lektionNr, 1);
    EXPECT_EQ(s.uebungsstufe, 0);
    lektionDirektWaehlen(s, 32);
    EXPECT_EQ(s.lektionNr, 16);
    EXPECT_EQ(s.uebungsstufe, 1);
    EXPECT_EQ(aktuellePosition(s), 32);
}

TEST(Lektionswahl, WiederholungReichtNurBisZurAktuellenStufe) {
    Sitzung s;
    s.lektionNr = 3;
    s.uebungsstufe = 0; // "3 B" = position 5
    EXPECT_EQ(wiederholungWaehlen(s, 9), 5);
    EXPECT_EQ(s.wiederholungsLektion, 3);
    EXPECT_EQ(s.wiederholungsStufe, 0);
    EXPECT_EQ(wiederholungWaehlen(s, 4), 4); // "2 W"
    EXPECT_EQ(s.wiederholungsLektion, 2);
    EXPECT_EQ(s.wiederholungsStufe, 1);
    EXPECT_EQ(wiederholungHinweis(s), "Wiederholung Lektion 2 (Wortübung)");
}

TEST(Lektionswahl, WiederholungKehrtZurEigenenLektionMitIhrenZaehlernZurueck) {
    Sitzung s;
    s.lektionNr = 3;
    s.uebungsstufe = 0;
    s.fingerzaehler[0] = {40, 2}; // the learner's own lesson 3 in progress
    wiederholungWaehlen(s, 4);
    wiederholungBeginnen(s);
    EXPECT_TRUE(s.wiederholungAktiv);
    EXPECT_EQ(s.lektionNr, 2);
    EXPECT_EQ(s.uebungsstufe, 1);
    EXPECT_EQ(startLektionText(s), "Start Lektion 3 (Buchstabenübung)");
    EXPECT_EQ(aktuellePosition(s), 5);

    s.fingerzaehler = {}; // the repetition's lesson start zeroes the counters
    s.fingerzaehler[1] = {7, 7};
    // A save meanwhile stores the own lesson, stage and counters.
    const Benutzerdatensatz satz = s.alsDatensatz(Datum{});
    EXPECT_EQ(satz.lektionNr, 3);
    EXPECT_EQ(satz.uebungsstufe, 0);
    EXPECT_EQ(satz.fingerzaehlerA[0], 40);
    EXPECT_EQ(satz.fingerzaehlerB[0], 2);
    EXPECT_EQ(satz.fingerzaehlerA[1], 0);

    wiederholungBeenden(s);
    EXPECT_FALSE(s.wiederholungAktiv);
    EXPECT_EQ(s.lektionNr, 3);
    EXPECT_EQ(s.uebungsstufe, 0);
    EXPECT_EQ(s.fingerzaehler[0], (Fingerpaar{40, 2}));
    EXPECT_EQ(s.fingerzaehler[1], (Fingerpaar{}));
    EXPECT_EQ(startLektionText(s), "Start Lektion 3 (Buchstabenübung)");
    wiederholungBeenden(s); // ending twice changes nothing
    EXPECT_EQ(s.lektionNr, 3);
}
