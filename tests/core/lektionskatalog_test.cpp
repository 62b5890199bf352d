#include "course/lektionskatalog.h"

#include <gtest/gtest.h>

#include <string>

using namespace tastwerk;

TEST(Lektionskatalog, JedeLektionHatIhrenHoechstenIndexUndIhreNeuenBuchstaben) {
    struct Fall {
        int lektion, hoechsterIndex, neueBuchstaben;
    };
    const Fall faelle[] = {
        {1, 8, 9},   {2, 10, 2},  {3, 12, 2},  {4, 14, 2},   {5, 16, 2},  {6, 19, 3},
        {7, 21, 2},  {8, 39, 18}, {9, 43, 4},  {10, 47, 4},  {11, 51, 4}, {12, 54, 3},
        {13, 57, 4}, {14, 61, 4}, {15, 65, 4}, {16, 86, 60},
    };
    for (const Fall& f : faelle) {
        const Lektionsdaten d = lektionsdaten(f.lektion);
        EXPECT_EQ(d.hoechsterIndex, f.hoechsterIndex) << "lesson " << f.lektion;
        EXPECT_EQ(d.neueBuchstaben, f.neueBuchstaben) << "lesson " << f.lektion;
    }
}

TEST(Lektionskatalog, JedeLektionSchliesstAnIhreVorgaengerinAn) {
    // Apart from lessons 13 and 16, the new block is exactly what the lesson adds to the previous one.
    for (int lektion = 2; lektion <= 16; ++lektion) {
        const int hinzu = lektionsdaten(lektion).hoechsterIndex - lektionsdaten(lektion - 1).hoechsterIndex;
        ASSERT_GT(hinzu, 0) << "lesson " << lektion;
        if (lektion != 13 && lektion != 16) {
            EXPECT_EQ(lektionsdaten(lektion).neueBuchstaben, hinzu) << "lesson " << lektion;
        }
    }
    EXPECT_EQ(lektionsdaten(16).hoechsterIndex, 86); // the whole letter sequence
}

TEST(Lektionskatalog, NeueBuchstabenSindDerObersteBlock) {
    for (int index = 0; index <= 8; ++index) {
        EXPECT_TRUE(zaehltAlsNeu(1, index)) << index; // 8 - 9 = -1: the whole lesson is new
    }
    EXPECT_FALSE(zaehltAlsNeu(2, 8));
    EXPECT_TRUE(zaehltAlsNeu(2, 9));

    EXPECT_FALSE(zaehltAlsNeu(13, 53));
    EXPECT_TRUE(zaehltAlsNeu(13, 54)); // the ";" of lesson 12 counts again
    EXPECT_TRUE(zaehltAlsNeu(13, 57));
    EXPECT_FALSE(zaehltAlsNeu(12, 51));
    EXPECT_TRUE(zaehltAlsNeu(12, 52));

    EXPECT_FALSE(zaehltAlsNeu(16, 26));
    for (int index = 27; index <= 86; ++index) {
        EXPECT_TRUE(zaehltAlsNeu(16, index)) << index;
    }
}

TEST(Lektionskatalog, TitelHaengenNurWoVorgesehenVomLayoutAb) {
    using enum Tastaturlayout;
    EXPECT_EQ(lektionstitel(1, Deutsch), "Die Grundreihe a s d f  j k l ö");
    EXPECT_EQ(lektionstitel(1, Schweiz), "Die Grundreihe a s d f  j k l ö");
    EXPECT_EQ(lektionstitel(1, USA), "Die Grundreihe a s d f j k l ;");
    EXPECT_EQ(lektionstitel(9, Schweiz), "Die Buchstaben t und z");
    EXPECT_EQ(lektionstitel(9, USA), "Die Buchstaben t und y");
    EXPECT_EQ(lektionstitel(12, Deutsch), "Der Buchstabe C und das Semikolon");
    EXPECT_EQ(lektionstitel(12, USA), "Der Buchstabe C und <.");
    EXPECT_EQ(lektionstitel(15, Deutsch), "Die Buchstaben ä und ü");
    EXPECT_EQ(lektionstitel(15, Schweiz), "Die Buchstaben ä à und ü è");
    EXPECT_EQ(lektionstitel(15, USA), "Die Zeichen ' und [");
    for (int lektion : {2, 3, 4, 5, 6, 7, 8, 10, 11, 13, 14, 16}) {
        const std::string deutsch = lektionstitel(lektion, Deutsch);
        EXPECT_FALSE(deutsch.empty()) << lektion;
        EXPECT_EQ(lektionstitel(lektion, Schweiz), deutsch) << lektion;
        EXPECT_EQ(lektionstitel(lektion, USA), deutsch) << lektion;
    }
    EXPECT_EQ(lektionstitel(8, Deutsch), "Die Großschreibung");
    EXPECT_EQ(lektionstitel(14, Deutsch), "Der Buchstabe y, der Grundstrich _ und der Mittestrich -");
}

TEST(Lektionskatalog, TitelVonLektion4SetztEnterInGeradeAnfuehrungszeichen) {
    EXPECT_EQ(lektionstitel(4, Tastaturlayout::Deutsch),
              std::string("Return (") + '"' + "Enter" + '"' + ") und das Komma");
}

TEST(Lektionskatalog, TastenlisteDerWiederholungNachLayoutUndStufe) {
    using enum Tastaturlayout;
    EXPECT_EQ(tastenliste(1, 0, Deutsch), "a s d f  j k l ö + Leertaste");
    EXPECT_EQ(tastenliste(1, 1, Schweiz), "a s d f  j k l ö + Leertaste");
    EXPECT_EQ(tastenliste(1, 0, USA), "a s d f  j k l ; + Leertaste");
    EXPECT_EQ(tastenliste(1, 1, USA), "a s d f  j k l ; + Leertaste");
    EXPECT_EQ(tastenliste(13, 0, Deutsch), "x X :");
    EXPECT_EQ(tastenliste(13, 1, Deutsch), "x X:");
    EXPECT_EQ(tastenliste(13, 1, USA), "x X:");
    EXPECT_EQ(tastenliste(4, 1, USA), "Return Komma");
    EXPECT_EQ(tastenliste(9, 0, USA), "t T z Z");
    EXPECT_EQ(tastenliste(15, 0, Schweiz), "ä Ä ü Ü");
    EXPECT_EQ(tastenliste(16, 1, Deutsch), "Die oberste Tastenreihe");
}

TEST(Lektionskatalog, StufenpositionenVonEinsBisZweiunddreissig) {
    EXPECT_EQ(stufenposition(1, 0), 1);
    EXPECT_EQ(stufenposition(1, 1), 2);
    EXPECT_EQ(stufenposition(3, 0), 5);
    EXPECT_EQ(stufenposition(16, 1), 32);
    EXPECT_EQ(positionsText(1), "1 B");
    EXPECT_EQ(positionsText(2), "1 W");
    EXPECT_EQ(positionsText(31), "16 B");
    EXPECT_EQ(positionsText(32), "16 W");
    for (int position = 1; position <= StufenpositionenAnzahl; ++position) {
        const Stufe s = ausPosition(position);
        ASSERT_GE(s.lektion, 1);
        ASSERT_LE(s.lektion, 16);
        EXPECT_EQ(stufenposition(s.lektion, s.stufe), position);
        EXPECT_EQ(positionsText(position), std::to_string(s.lektion) + (s.stufe == 0 ? " B" : " W"));
    }
    for (int lektion = 1; lektion <= 16; ++lektion) {
        for (int stufe = 0; stufe <= 1; ++stufe) {
            const Stufe s = ausPosition(stufenposition(lektion, stufe));
            EXPECT_EQ(s.lektion, lektion);
            EXPECT_EQ(s.stufe, stufe);
        }
    }
}

TEST(Lektionskatalog, WerteAusserhalbWerdenAufDenRandGenommen) {
    EXPECT_EQ(lektionsdaten(0).hoechsterIndex, 8);
    EXPECT_EQ(lektionsdaten(17).hoechsterIndex, 86);
    EXPECT_EQ(positionsText(0), "1 B");
    EXPECT_EQ(positionsText(33), "16 W");
}
