#include "practice/wortuebung.h"

#include "course/uebungstexte.h"
#include "fakes.h"
#include "platform/zeichensatz.h"

#include <gtest/gtest.h>

#include <set>

using namespace tastwerk;

namespace {

struct Wortfixture : ::testing::Test {
    Sitzung sitzung;
    Zufall zufall{4711};
    test::MerkKlang klang;
    Wortuebung uebung{sitzung, zufall, klang};

    // Sets the lesson up and answers the start prompt.
    void lektion(int nr, int berichtigung = 1, Tastaturlayout layout = Tastaturlayout::Deutsch) {
        sitzung.lektionNr = nr;
        sitzung.berichtigungErzwingen = static_cast<std::uint8_t>(berichtigung);
        sitzung.tastaturlayout = layout;
        uebung.einrichten();
        uebung.taste('x', Ansicht::Tastatur);
    }
    Zeichen soll() const { return uebung.anzeige().sollzeichen; }
    Zeichen falsch() const { return soll() == 'q' ? 'w' : 'q'; }
    Wortschritt richtig() { return uebung.taste(soll(), Ansicht::Tastatur); }
    int zeilenlaenge() const { return static_cast<int>(uebungszeile(uebung.uebungszeile()).size()); }
    // Types the rest of the current line right; returns the step that drew the next line.
    Wortschritt zeileBeenden() {
        Wortschritt s;
        while (!s.neueZeile && !s.bestanden) {
            s = richtig();
        }
        return s;
    }
    std::uint32_t fingerfehler() const {
        std::uint32_t summe = 0;
        for (const Fingerpaar& p : uebung.fingerzaehler()) {
            summe += p.fehler;
        }
        return summe;
    }
    // The lesson a line belongs to by the blocks of the table.
    static int lektionDerZeile(int zeile) {
        int k = 1;
        while (k < 16 && zeile >= zeilenbereich(k + 1).lektionsanfang) {
            ++k;
        }
        return k;
    }
};

} // namespace

TEST_F(Wortfixture, StartaufforderungUndDieTasteDieSieBeantwortet) {
    sitzung.lektionNr = 3;
    uebung.einrichten();
    EXPECT_TRUE(uebung.laeuft());
    EXPECT_EQ(uebung.anzeige().zeile, " S T A R T der Wortübung Lektion 3 mit beliebiger Taste!");
    EXPECT_EQ(uebung.anzeige().gruppentitel, "Wortübung Lektion 3");
    EXPECT_EQ(uebung.anzeige().lernziel, " 0.0 %");
    EXPECT_EQ(uebung.anzeige().fehleranteil, "Fehleranteil: 0.00 %");
    EXPECT_EQ(uebung.anzeige().sollzeichen, ZeichenStartaufforderung);
    EXPECT_EQ(uebung.zeichenposition(), 1);

    const Wortschritt s = uebung.taste('#', Ansicht::Tastatur);
    EXPECT_TRUE(s.erster);
    EXPECT_FALSE(s.tippfehler);
    EXPECT_EQ(uebung.fehlerzaehler(), 0u);
    EXPECT_EQ(uebung.anschlagzaehler(), 1u);
    EXPECT_EQ(uebung.anzeige().anschlaege, "Anschläge: 0");
    EXPECT_EQ(uebung.anzeige().zeile, cp1252ZuUtf8(uebungszeile(uebung.uebungszeile())));
    EXPECT_EQ(uebung.anzeige().auswahlStart, 0);
    EXPECT_EQ(uebung.anzeige().auswahlLaenge, 1);
    EXPECT_EQ(soll(), static_cast<Zeichen>(uebungszeile(uebung.uebungszeile())[0]));
    EXPECT_TRUE(klang.gespielt.empty());
}

TEST_F(Wortfixture, PauseZeigtDieAufforderungUndDieZeileBeginntVonVorn) {
    lektion(2);
    richtig();
    richtig();
    const std::uint32_t vorher = uebung.anschlagzaehler();
    const Wortschritt s = uebung.taste(soll(), Ansicht::Pause);
    EXPECT_TRUE(s.startaufforderung);
    EXPECT_EQ(uebung.anzeige().zeile, " S T A R T der Wortübung Lektion 2 mit beliebiger Taste!");
    EXPECT_EQ(uebung.anschlagzaehler(), vorher);
    EXPECT_EQ(uebung.zeichenposition(), 1);
    // After the pause the first character of the line is expected again.
    const Zeichen erstes = static_cast<Zeichen>(uebungszeile(uebung.uebungszeile())[0]);
    uebung.taste(erstes, Ansicht::Tastatur);
    EXPECT_EQ(uebung.fehlerzaehler(), 0u);
    EXPECT_EQ(uebung.zeichenposition(), 2);
    EXPECT_EQ(uebung.anzeige().auswahlStart, 1);
}

TEST_F(Wortfixture, Lektion1ZiehtNurZeilenEinsBisSieben) {
    for (std::uint32_t saat = 1; saat <= 40; ++saat) {
        zufall.setSaat(saat);
        lektion(1);
        int vorige = uebung.uebungszeile();
        ASSERT_GE(vorige, 1);
        ASSERT_LE(vorige, 7);
        for (int k = 0; k < 25; ++k) {
            zeileBeenden();
            const int zeile = uebung.uebungszeile();
            ASSERT_GE(zeile, 1) << "seed " << saat;
            ASSERT_LE(zeile, 7) << "seed " << saat;
            ASSERT_NE(zeile, vorige) << "a line never follows itself";
            EXPECT_EQ(uebung.anzeige().wiederholungshinweis, "");
            vorige = zeile;
        }
    }
}

TEST_F(Wortfixture, Lektion16ZiehtNurErlaubteZeilenMitIhrenWiederholungshinweisen) {
    const std::set<int> ausgeschlossen = {409, 410, 414, 424, 428, 429, 481, 483, 485, 489,
                                          572, 577, 582, 598, 601, 607, 623, 627, 636, 637,
                                          646, 648, 652, 668, 670, 672, 674, 678, 679, 706};
    for (const Tastaturlayout layout :
         {Tastaturlayout::Deutsch, Tastaturlayout::Schweiz, Tastaturlayout::USA}) {
        const bool ohne406 = layout != Tastaturlayout::Deutsch;
        std::set<int> gezogen;
        std::set<std::string> hinweise;
        for (std::uint32_t saat = 1; saat <= 20; ++saat) {
            zufall.setSaat(saat * 7919);
            lektion(16, 0, layout);
            int vorige = uebung.uebungszeile();
            ASSERT_GE(vorige, 406);
            ASSERT_LE(vorige, 730);
            ASSERT_FALSE(ausgeschlossen.count(vorige));
            ASSERT_FALSE(ohne406 && vorige == 406);
            for (int k = 0; k < 150; ++k) {
                // Count mode: any key moves on, so a line ends after as many keys as it is long.
                for (int n = zeilenlaenge(); n > 0; --n) {
                    uebung.taste(soll(), Ansicht::Tastatur);
                }
                const int zeile = uebung.uebungszeile();
                ASSERT_NE(zeile, vorige);
                ASSERT_GE(zeile, 207);
                ASSERT_LE(zeile, 730);
                ASSERT_FALSE(ausgeschlossen.count(zeile)) << zeile;
                ASSERT_FALSE(ohne406 && zeile == 406);
                const int k2 = lektionDerZeile(zeile);
                const std::string erwartet = k2 < 16 ? "Wiederholung aus Lektion " + std::to_string(k2) : "";
                ASSERT_EQ(uebung.anzeige().wiederholungshinweis, erwartet) << "line " << zeile;
                gezogen.insert(zeile);
                hinweise.insert(uebung.anzeige().wiederholungshinweis);
                vorige = zeile;
            }
        }
        EXPECT_EQ(hinweise.size(), 7u); // lessons 10 to 15 and none
        EXPECT_LT(*gezogen.begin(), 215);
        EXPECT_EQ(gezogen.count(406), ohne406 ? 0u : 1u);
    }
}

TEST_F(Wortfixture, NurZaehlenFalscheTasteGehtWeiterUndZaehltFehlerUndAnschlag) {
    sitzung.tonBeiTippfehler = false;
    lektion(1, 0);
    richtig();
    const std::uint32_t anschlaege = uebung.anschlagzaehler();
    const int position = uebung.zeichenposition();
    const Wortschritt s = uebung.taste(falsch(), Ansicht::Tastatur);
    EXPECT_TRUE(s.tippfehler);
    EXPECT_EQ(uebung.fehlerzaehler(), 1u);
    EXPECT_EQ(fingerfehler(), 1u);
    EXPECT_EQ(uebung.anschlagzaehler(), anschlaege + 1);
    EXPECT_EQ(uebung.zeichenposition(), position + 1);
    EXPECT_EQ(uebung.anzeige().auswahlStart, position);
    EXPECT_TRUE(klang.gespielt.empty());
}

TEST_F(Wortfixture, BerichtigungDreiFalscheTastenSindEinFehlerUndKeinAnschlag) {
    lektion(1, 1);
    richtig();
    const std::uint32_t anschlaege = uebung.anschlagzaehler();
    const int position = uebung.zeichenposition();
    const Zeichen erwartet = soll();
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(uebung.taste(falsch(), Ansicht::Tastatur).tippfehler);
        EXPECT_EQ(uebung.anschlagzaehler(), anschlaege);
        EXPECT_EQ(uebung.zeichenposition(), position);
        EXPECT_EQ(uebung.anzeige().auswahlStart, position - 1) << "the mark stays";
        EXPECT_EQ(soll(), erwartet);
        EXPECT_TRUE(uebung.fehlerOffen());
    }
    EXPECT_FALSE(uebung.taste(erwartet, Ansicht::Tastatur).tippfehler);
    EXPECT_EQ(uebung.fehlerzaehler(), 1u);
    EXPECT_EQ(fingerfehler(), 1u);
    EXPECT_EQ(uebung.anschlagzaehler(), anschlaege + 1);
    EXPECT_EQ(uebung.zeichenposition(), position + 1);
    EXPECT_FALSE(uebung.fehlerOffen());
    ASSERT_EQ(klang.gespielt.size(), 3u);
    EXPECT_EQ(klang.gespielt[0], "sync:Fehler.wav");
}

TEST_F(Wortfixture, BerichtigungFalscheTasteAmZeilenendeBeendetDieZeileNicht) {
    lektion(1, 1);
    while (uebung.zeichenposition() < zeilenlaenge()) {
        richtig();
    }
    const int zeile = uebung.uebungszeile();
    const Wortschritt s = uebung.taste(falsch(), Ansicht::Tastatur);
    EXPECT_FALSE(s.neueZeile);
    EXPECT_EQ(uebung.uebungszeile(), zeile);
    EXPECT_EQ(uebung.zeichenposition(), zeilenlaenge());
    EXPECT_TRUE(richtig().neueZeile);
    EXPECT_NE(uebung.uebungszeile(), zeile);
    EXPECT_EQ(uebung.zeichenposition(), 1);
    EXPECT_EQ(uebung.anzeige().auswahlStart, 0);
    EXPECT_EQ(soll(), static_cast<Zeichen>(uebungszeile(uebung.uebungszeile())[0]));
}

TEST_F(Wortfixture, NurZaehlenFalscheTasteAmZeilenendeBeendetDieZeile) {
    sitzung.tonBeiTippfehler = false;
    lektion(1, 0);
    while (uebung.zeichenposition() < zeilenlaenge()) {
        richtig();
    }
    EXPECT_TRUE(uebung.taste(falsch(), Ansicht::Tastatur).neueZeile);
}

TEST_F(Wortfixture, UmschaltzeichenZaehlenJeNachLayoutDoppelt) {
    ASSERT_EQ(uebungszeile(143)[4], 'A');
    ASSERT_EQ(uebungszeile(344)[0], 'Y');
    struct Fall {
        Tastaturlayout layout;
        int zeile;
        int position;
        std::uint32_t zuwachs;
    };
    for (const Fall f : {Fall{Tastaturlayout::Deutsch, 143, 5, 2}, Fall{Tastaturlayout::Deutsch, 344, 1, 2},
                         Fall{Tastaturlayout::USA, 344, 1, 1}, Fall{Tastaturlayout::USA, 143, 5, 2},
                         Fall{Tastaturlayout::Deutsch, 143, 4, 1}}) {
        lektion(16, 1, f.layout);
        uebung.setUebungszeile(f.zeile, f.position);
        const std::uint32_t vorher = uebung.anschlagzaehler();
        richtig();
        EXPECT_EQ(uebung.anschlagzaehler(), vorher + f.zuwachs) << f.zeile << ":" << f.position;
    }
}

TEST_F(Wortfixture, FingerzaehlerInDerReihenfolgeDerFingergruppen) {
    sitzung.tonBeiTippfehler = false;
    lektion(1, 0);
    uebung.setUebungszeile(0, 1);         // "ja ja ja ..."
    uebung.taste('k', Ansicht::Tastatur); // j wrong: right index finger
    uebung.taste('a', Ansicht::Tastatur); // a: left little finger
    uebung.taste('x', Ansicht::Tastatur); // blank wrong: thumb
    const Fingerzaehler& z = uebung.fingerzaehler();
    EXPECT_EQ(z[platz(Fingergruppe::RechterZeigefinger)], (Fingerpaar{1, 1}));
    EXPECT_EQ(z[platz(Fingergruppe::LinkerKleinerFinger)], (Fingerpaar{1, 0}));
    EXPECT_EQ(z[platz(Fingergruppe::Daumen)], (Fingerpaar{1, 1}));
    EXPECT_EQ(z[platz(Fingergruppe::RechterKleinerFinger)], (Fingerpaar{}));
}

TEST_F(Wortfixture, StatusTexte) {
    sitzung.tonBeiTippfehler = false;
    sitzung.wunschFehlerrate = 10.0f;
    lektion(1, 0);
    uebung.taste(falsch(), Ansicht::Tastatur);
    EXPECT_EQ(uebung.anzeige().anschlaege, "Anschläge: 1");
    EXPECT_EQ(uebung.anzeige().fehler, "Fehler: 1");
    EXPECT_EQ(uebung.anzeige().fehleranteil, "Fehleranteil: 100.00 %");
    EXPECT_TRUE(uebung.anzeige().fehleranteilRot);
    for (int k = 0; k < 15; ++k) {
        richtig();
    }
    EXPECT_EQ(uebung.anzeige().anschlaege, "Anschläge: 16");
    EXPECT_EQ(uebung.anzeige().fehleranteil, "Fehleranteil:  6.25 %");
    EXPECT_FALSE(uebung.anzeige().fehleranteilRot);
}

TEST_F(Wortfixture, LernzielWaechstNurSchnellGenugUndGenauGenug) {
    sitzung.wunschAnschlaege = 40;
    lektion(1);
    uebung.setAnschlaegeProMinute(39);
    for (int k = 0; k < 5; ++k) {
        richtig();
    }
    EXPECT_EQ(uebung.lernzielZaehler(), 0u);
    uebung.setAnschlaegeProMinute(40);
    richtig();
    EXPECT_EQ(uebung.lernzielZaehler(), 1u);
    EXPECT_EQ(uebung.anzeige().lernziel, " 0.3 %");
    // No error admissible: after one error no right key raises the goal.
    sitzung.wunschFehlerrate = 0.0f;
    uebung.taste(falsch(), Ansicht::Tastatur);
    for (int k = 0; k < 5; ++k) {
        richtig();
    }
    EXPECT_EQ(uebung.lernzielZaehler(), 1u);
    EXPECT_TRUE(uebung.anzeige().fehleranteilRot);
}

TEST_F(Wortfixture, FehleranteilGenauAnDerGrenzeIstZulaessig) {
    sitzung.tonBeiTippfehler = false;
    sitzung.wunschAnschlaege = 0;
    sitzung.wunschFehlerrate = 10.0f;
    lektion(1, 0);
    uebung.taste(falsch(), Ansicht::Tastatur); // 1 error in 1 keystroke
    for (int k = 2; k <= 10; ++k) {
        richtig(); // each judged on 1 error in k - 1 keystrokes: above 10 %
    }
    EXPECT_EQ(uebung.lernzielZaehler(), 0u);
    EXPECT_EQ(uebung.anzeige().fehleranteil, "Fehleranteil: 10.00 %");
    richtig(); // judged on exactly 10 %
    EXPECT_EQ(uebung.lernzielZaehler(), 1u);
}

TEST_F(Wortfixture, Lektion1IstMit334PassendenAnschlaegenBestanden) {
    sitzung.wunschAnschlaege = 0;
    lektion(1);
    for (int k = 0; k < 333; ++k) {
        ASSERT_FALSE(richtig().bestanden);
    }
    EXPECT_EQ(uebung.anzeige().lernziel, "99.9 %");
    EXPECT_EQ(uebung.anzeige().fortschritt, 100);
    const Wortschritt s = richtig();
    ASSERT_TRUE(s.bestanden);
    EXPECT_EQ(s.meldungTitel, "Gratulation!");
    EXPECT_EQ(s.meldungText,
              "Spitze!\n\nSie haben keinen Fehler in der Wortübung gemacht!\nDies ist eine sehr gute "
              "Leistung!\n\nWeiter geht es mit der nächsten Lektion!");
    EXPECT_TRUE(s.lektionWeiter);
    EXPECT_FALSE(s.wiederholungBeendet);
    EXPECT_TRUE(s.statistikNeu) << "the passing key is counted for its finger too";
    EXPECT_EQ(sitzung.lektionNr, 1) << "the caller moves on after recording the statistics";
    EXPECT_EQ(sitzung.uebungsstufe, 0);
    EXPECT_FALSE(uebung.laeuft());
    EXPECT_EQ(uebung.lernzielZaehler(), 0u);
    EXPECT_EQ(uebung.anzeige().lernziel, "");
    EXPECT_EQ(uebung.anzeige().lernzielTitel, "Lernziel der Wortübung erreicht zu 100 %");
    EXPECT_EQ(klang.gespielt.back(), "async:beifall1.wav");
    EXPECT_TRUE(uebung.taste('a', Ansicht::Tastatur).startaufforderung)
        << "keys after success change nothing";
}

TEST_F(Wortfixture, ErfolgMitZweiFehlernZeigtOkay) {
    sitzung.wunschAnschlaege = 0;
    sitzung.wunschFehlerrate = 100.0f;
    sitzung.uebungsstufe = 1;
    lektion(4);
    uebung.taste(falsch(), Ansicht::Tastatur);
    richtig();
    uebung.taste(falsch(), Ansicht::Tastatur);
    uebung.taste(falsch(), Ansicht::Tastatur);
    Wortschritt s;
    for (int k = 0; k < 20000 && !s.bestanden; ++k) {
        s = richtig();
    }
    ASSERT_TRUE(s.bestanden);
    EXPECT_EQ(uebung.fehlerzaehler(), 2u);
    EXPECT_EQ(s.meldungText, "Okay!\n\nSie haben nur zwei Fehler in der Wortübung gemacht!\nDamit können Sie "
                             "zufrieden sein!\n\nWeiter geht es mit der nächsten Lektion!");
    EXPECT_EQ(sitzung.uebungsstufe, 0);
}

TEST_F(Wortfixture, Lektion16ZeigtIhrenEigenenTextUndBleibt) {
    sitzung.wunschAnschlaege = 0;
    sitzung.wunschFehlerrate = 100.0f;
    lektion(16);
    uebung.taste(falsch(), Ansicht::Tastatur);
    int tasten = 0;
    Wortschritt s;
    while (!s.bestanden && tasten < 10000) {
        s = richtig();
        ++tasten;
    }
    ASSERT_TRUE(s.bestanden);
    EXPECT_EQ(tasten, 5334); // 3 × 5334 ≥ 16000
    EXPECT_EQ(s.meldungTitel, "Gratulation!");
    EXPECT_EQ(s.meldungText,
              "Spitze!\n\nSie haben alle 16 Lektionen mit Erfolg durchgearbeitet.\n\nUm Ihre Leistung "
              "noch zu steigern, sollten Sie die Lektion 16\nnoch einige Male durcharbeiten. Versuchen "
              "Sie, weniger Fehler zu machen und Ihre Tippgeschwindigkeit zu erhöhen.");
    EXPECT_FALSE(s.lektionWeiter);
    EXPECT_EQ(sitzung.lektionNr, 16);
}

TEST_F(Wortfixture, ErfolgInDerWiederholungGibtDieGespeicherteStelleZurueck) {
    sitzung.wunschAnschlaege = 0;
    sitzung.wiederholungAktiv = true;
    sitzung.gespeicherteLektion = 5;
    sitzung.gespeicherteStufe = 1;
    sitzung.uebungsstufe = 1;
    sitzung.gespeicherteFingerzaehler[2] = {7, 3};
    lektion(2);
    EXPECT_EQ(uebung.anzeige().gruppentitel, "WiederholungWortübung Lektion 2");
    Wortschritt s;
    for (int k = 0; k < 1000 && !s.bestanden; ++k) {
        s = richtig();
    }
    ASSERT_TRUE(s.bestanden);
    EXPECT_TRUE(s.wiederholungBeendet);
    EXPECT_FALSE(s.lektionWeiter);
    EXPECT_EQ(s.meldungTitel, "Die Wiederholung ist beendet!");
    EXPECT_EQ(s.meldungText, "\nSie haben die Wiederholung erfolgreich abgeschlossen!");
    EXPECT_FALSE(sitzung.wiederholungAktiv);
    EXPECT_EQ(sitzung.lektionNr, 5);
    EXPECT_EQ(sitzung.uebungsstufe, 1);
    EXPECT_EQ(sitzung.fingerzaehler[2], (Fingerpaar{7, 3}));
}

TEST(Wortuebungstexte, AusgeschlosseneZeilenUndHinweise) {
    EXPECT_TRUE(zeileAusgeschlossen(409, Tastaturlayout::Deutsch));
    EXPECT_TRUE(zeileAusgeschlossen(706, Tastaturlayout::USA));
    EXPECT_FALSE(zeileAusgeschlossen(406, Tastaturlayout::Deutsch));
    EXPECT_TRUE(zeileAusgeschlossen(406, Tastaturlayout::Schweiz));
    EXPECT_TRUE(zeileAusgeschlossen(406, Tastaturlayout::USA));
    EXPECT_FALSE(zeileAusgeschlossen(405, Tastaturlayout::USA));
    EXPECT_EQ(wiederholungshinweis(8, 2), "Wiederholung aus Lektion 1");
    EXPECT_EQ(wiederholungshinweis(9, 2), "");
    EXPECT_EQ(wiederholungshinweis(404, 16), "Wiederholung aus Lektion 15");
    EXPECT_EQ(wiederholungshinweis(405, 16), "");
    EXPECT_EQ(lobWortuebung(3, 1).text.substr(0, 8), "Super!\n\n");
    EXPECT_EQ(lobWortuebung(3, 7).text,
              "Spitze!\n\nSie haben die Wortübung geschafft!\n\nWeiter geht es mit der "
              "nächsten Lektion!");
}
