#include "fakes.h"
#include "practice/buchstabenuebung.h"
#include "practice/umschaltzeichen.h"

#include <gtest/gtest.h>

using namespace tastwerk;

namespace {

struct Buchstabenfixture : ::testing::Test {
    Sitzung sitzung;
    Buchstabenliste liste;
    Zufall zufall{12345};
    test::MerkKlang klang;
    std::optional<Buchstabenuebung> uebung;

    void lektion(int nr, int berichtigung = 1) {
        sitzung.lektionNr = nr;
        sitzung.berichtigungErzwingen = static_cast<std::uint8_t>(berichtigung);
        uebung.emplace(sitzung, liste, zufall, klang);
        uebung->nullsetzen();
        uebung->lektionEinstellen();
        uebung->taste('x', Ansicht::Tastatur, 0); // any key starts the exercise
    }
    Zeichen gefordert() const { return liste[uebung->buchstabenindex()]; }
    Zeichen falsch() const { return gefordert() == 'a' ? 's' : 'a'; }
    Buchstabenschritt richtig(std::int64_t sekunden = 1) {
        return uebung->taste(gefordert(), Ansicht::Tastatur, sekunden);
    }
    std::uint32_t fehlerSumme() const {
        std::uint32_t summe = 0;
        for (const auto& p : sitzung.fingerzaehler) {
            summe += p.fehler;
        }
        return summe;
    }
};

} // namespace

TEST_F(Buchstabenfixture, DieErsteTasteStartetOhneUrteil) {
    lektion(1);
    EXPECT_EQ(uebung->anschlaege(), 1u);
    EXPECT_EQ(uebung->fehlerzahl(), 0u);
}

TEST_F(Buchstabenfixture, BerichtigungZaehltMehrereFalscheTastenEinmalUndKeineAnschlaege) {
    lektion(1, 1);
    const std::uint32_t vorher = uebung->anschlaege();
    const int index = uebung->buchstabenindex();
    for (int k = 0; k < 3; ++k) {
        const auto s = uebung->taste(falsch(), Ansicht::Tastatur, 1);
        EXPECT_TRUE(s.tippfehler);
        EXPECT_EQ(uebung->buchstabenindex(), index) << "the letter stays demanded";
        EXPECT_TRUE(uebung->fehlerOffen());
    }
    richtig();
    EXPECT_EQ(uebung->fehlerzahl(), 1u);
    EXPECT_EQ(fehlerSumme(), 1u);
    EXPECT_EQ(uebung->anschlaege(), vorher + 1);
    EXPECT_FALSE(uebung->fehlerOffen());
    EXPECT_EQ(klang.gespielt.size(), 3u);
    EXPECT_EQ(klang.gespielt[0], "sync:Fehler.wav");
}

TEST_F(Buchstabenfixture, NurZaehlenZaehltFalscheTastenUndZiehtSofortNeu) {
    lektion(1, 0);
    const std::uint32_t vorher = uebung->anschlaege();
    const int index = uebung->buchstabenindex();
    const auto s = uebung->taste(falsch(), Ansicht::Tastatur, 1);
    EXPECT_TRUE(s.tippfehler);
    EXPECT_EQ(uebung->anschlaege(), vorher + 1);
    EXPECT_EQ(uebung->fehlerzahl(), 1u);
    EXPECT_NE(uebung->buchstabenindex(), index);
}

TEST_F(Buchstabenfixture, NieZweimalDerselbeBuchstabeHintereinanderUndNurAusDerLektion) {
    for (int nr : {1, 2, 8, 16}) {
        lektion(nr);
        int vorig = uebung->buchstabenindex();
        for (int k = 0; k < 2000; ++k) {
            richtig();
            ASSERT_NE(uebung->buchstabenindex(), vorig) << "lesson " << nr;
            ASSERT_LE(uebung->buchstabenindex(), uebung->hoechsterIndex());
            vorig = uebung->buchstabenindex();
        }
    }
}

TEST_F(Buchstabenfixture, LernzielWaechstNurSchnellGenugUndFehlerfreiGenug) {
    sitzung.wunschAnschlaege = 50;
    sitzung.wunschFehlerrate = 0.0f;
    lektion(1);
    // Slow: 1 keystroke in 60 seconds.
    for (int k = 0; k < 5; ++k) {
        richtig(600);
    }
    EXPECT_EQ(uebung->lernzielZaehler(), 0u);
    // Fast: the goal grows 1 % a keystroke in lesson 1 (the first fast keystroke sets the speed).
    richtig(1);
    const std::uint32_t q = uebung->lernzielZaehler();
    for (int k = 0; k < 10; ++k) {
        richtig(1);
    }
    EXPECT_EQ(uebung->lernzielZaehler(), q + 10);
    EXPECT_EQ(uebung->anzeige().lernziel.substr(0, 21), "Lernziel erreicht zu ");
    // One error at 0 % admissible: no right key raises the goal any more.
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    const std::uint32_t nachFehler = uebung->lernzielZaehler();
    for (int k = 0; k < 10; ++k) {
        richtig(1);
    }
    EXPECT_EQ(uebung->lernzielZaehler(), nachFehler);
    EXPECT_TRUE(uebung->anzeige().fehleranteilRot);
}

TEST_F(Buchstabenfixture, HundertProzentZeigtDasLobUndGehtZurWortuebung) {
    sitzung.wunschAnschlaege = 0;
    lektion(1);
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    uebung->taste(falsch(), Ansicht::Tastatur, 1); // still one error: correction mode
    Buchstabenschritt s;
    int tasten = 0;
    while (!s.bestanden && tasten < 1000) {
        s = richtig(1);
        ++tasten;
    }
    ASSERT_TRUE(s.bestanden);
    EXPECT_EQ(s.lobTitel, "Herzlichen Glückwunsch!");
    EXPECT_EQ(s.lobText, "Gut!\n\nSie haben in der Buchstabenübung nur einen Fehler gemacht!\n\n"
                         "Weiter geht es mit der Wortübung.");
    EXPECT_EQ(sitzung.uebungsstufe, 1);
    EXPECT_EQ(uebung->lernzielZaehler(), 0u);
    EXPECT_EQ(klang.gespielt.back(), "async:beifall1.wav");
}

TEST_F(Buchstabenfixture, LektionSechzehnBrauchtSechzehnhundertAnschlaege) {
    sitzung.wunschAnschlaege = 0;
    sitzung.wunschFehlerrate = 6.0f;
    lektion(16);
    int tasten = 0;
    Buchstabenschritt s;
    while (!s.bestanden && tasten < 5000) {
        s = richtig(1);
        ++tasten;
    }
    EXPECT_EQ(tasten, 1600); // every right key qualifies: 1600 at 1/16 % each
    EXPECT_EQ(s.lobTitel, "Sehr gute Leistung!");
}

TEST_F(Buchstabenfixture, UmschaltbuchstabenZaehlenDoppeltUndTragenG) {
    lektion(8);
    for (int k = 0; k < 300; ++k) {
        const std::uint32_t vorher = uebung->anschlaege();
        richtig();
        const bool umschalt = umschaltzeichenBuchstabenuebung(Tastaturlayout::Deutsch, gefordert());
        ASSERT_EQ(uebung->anschlaege(), vorher + (umschalt ? 2 : 1));
        ASSERT_EQ(uebung->anzeige().markierung, umschalt ? 'G' : 0);
    }
}

TEST_F(Buchstabenfixture, ZiffernTragenZ) {
    lektion(16);
    bool ziffer = false;
    for (int k = 0; k < 500 && !ziffer; ++k) {
        richtig();
        if (uebung->buchstabenindex() >= 77) {
            ziffer = true;
            EXPECT_EQ(uebung->anzeige().markierung, 'Z');
        }
    }
    EXPECT_TRUE(ziffer);
}

TEST_F(Buchstabenfixture, InDerPauseUndInDenEinstellungenZaehltNichts) {
    lektion(1);
    const std::uint32_t vorher = uebung->anschlaege();
    EXPECT_TRUE(uebung->taste(gefordert(), Ansicht::Pause, 1).ignoriert);
    EXPECT_TRUE(uebung->taste(falsch(), Ansicht::Einstellungen, 1).ignoriert);
    EXPECT_EQ(uebung->anschlaege(), vorher);
    EXPECT_EQ(uebung->fehlerzahl(), 0u);
}

TEST_F(Buchstabenfixture, FehlertonFaelltAufDenSystemtonZurueck) {
    klang.abspielbar = false;
    lektion(1);
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    EXPECT_EQ(klang.piepser, 1);
    sitzung.tonBeiTippfehler = false;
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    EXPECT_EQ(klang.piepser, 1);
}

TEST_F(Buchstabenfixture, FingerzaehlerZaehlenGezeigteBuchstabenProFinger) {
    lektion(1);
    for (int k = 0; k < 50; ++k) {
        richtig();
    }
    std::uint32_t gezeigt = 0;
    for (const auto& p : sitzung.fingerzaehler) {
        gezeigt += p.anschlaege;
    }
    EXPECT_EQ(gezeigt, 50u); // every letter of lesson 1 has exactly one finger
}

TEST(Fehlerrate, GenauAnDerGrenzeIstZulaessig) {
    EXPECT_TRUE(fehlerrateZulaessig(7, 1000, 0.7f));
    EXPECT_FALSE(fehlerrateZulaessig(8, 1000, 0.7f));
    EXPECT_TRUE(fehlerrateZulaessig(35, 1000, 3.5f));
    EXPECT_TRUE(fehlerrateZulaessig(0, 10, 0.0f));
    EXPECT_FALSE(fehlerrateZulaessig(1, 10, 0.0f));
}

TEST(Lobmeldungen, NachFehlerzahl) {
    EXPECT_EQ(lobBuchstabenuebung(0).text, "Großes Lob!!!\n\nSie haben in der Buchstabenübung keinen Fehler "
                                           "gemacht!\n\nWeiter geht es mit der Wortübung!");
    EXPECT_EQ(lobBuchstabenuebung(2).text.substr(0, 22), "Akzeptabele Leistung!\n");
    EXPECT_EQ(lobBuchstabenuebung(3).text,
              "Sie haben die Buchstabenübung gemeistert!\n\nWeiter geht es mit der "
              "Wortübung!");
}

TEST_F(Buchstabenfixture, ZeichenzaehlungFolgtDenFingerzaehlern) {
    lektion(1, 1);
    const Zeichen erster = gefordert();
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    uebung->taste(falsch(), Ansicht::Tastatur, 1);
    richtig();
    std::uint32_t anschlaege = 0, fehler = 0;
    for (const Zeichenzaehler& z : uebung->zeichenzaehlung().liste()) {
        anschlaege += z.anschlaege;
        fehler += z.fehler;
        if (z.zeichen == erster) {
            EXPECT_EQ(z.fehler, 1u) << "one miss however many wrong keys";
        }
    }
    EXPECT_EQ(anschlaege, 1u);
    EXPECT_EQ(fehler, fehlerSumme());
    uebung->nullsetzen();
    EXPECT_TRUE(uebung->zeichenzaehlung().liste().empty());
}
