#include "course/lektionswahl.h"
#include "fakes.h"
#include "keyboard/zeichenmenge.h"
#include "practice/uebungslauf.h"
#include "stats/gesamtstatistik.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tastwerk;

namespace {

struct Lauffixture : ::testing::Test {
    Sitzung sitzung;
    Buchstabenliste liste;
    Zufall zufall{777};
    test::MerkKlang klang;
    Uebungslauf lauf{sitzung, liste, zufall, klang};
    std::vector<Uebungsbericht> berichte;
    std::int64_t jetzt = 1000;

    Lauffixture() {
        lauf.setBerichtEmpfaenger([this](const Uebungsbericht& b) { berichte.push_back(b); });
    }
    // A letter exercise of the lesson, started with its first key at `jetzt`.
    void buchstaben(int lektion) {
        sitzung.lektionNr = lektion;
        lauf.buchstabenuebungVorbereiten();
        lauf.buchstabenuebungBeginnen();
        lauf.taste('x', jetzt);
    }
    Zeichen gefordert() const { return lauf.buchstabenuebung().anzeige().gefordert; }
    Zeichen falsch() const { return gefordert() == 'a' ? 's' : 'a'; }
    Laufschritt tippen(Zeichen z, std::int64_t dauerMs = 1000) {
        jetzt += dauerMs;
        return lauf.taste(z, jetzt);
    }
};

} // namespace

TEST_F(Lauffixture, DieBuchstabenuebungLaeuftErstNachDerEinfuehrung) {
    lauf.buchstabenuebungVorbereiten();
    EXPECT_EQ(lauf.art(), Uebungsart::Keine);
    EXPECT_TRUE(lauf.taste('a', jetzt).abgewiesen) << "the introduction takes no keys";
    lauf.buchstabenuebungBeginnen();
    EXPECT_EQ(lauf.art(), Uebungsart::Buchstabenuebung);
    EXPECT_FALSE(lauf.begonnen());
    const Laufschritt s = lauf.taste('x', jetzt);
    EXPECT_TRUE(s.ersterAnschlag);
    EXPECT_TRUE(s.buchstabe.erster);
    EXPECT_TRUE(lauf.begonnen());
    EXPECT_EQ(lauf.sollzeichen(), gefordert());
}

TEST_F(Lauffixture, PauseUndEinstellungenHaltenUhrUndTastenAn) {
    buchstaben(1);
    lauf.ansichtSetzen(Ansicht::Statistik);
    tippen(gefordert(), 2000);
    lauf.pauseSetzen(true, jetzt);
    EXPECT_TRUE(lauf.pausiert());
    EXPECT_EQ(lauf.ansichtDahinter(), Ansicht::Statistik);
    const std::uint32_t anschlaege = lauf.buchstabenuebung().anschlaege();
    EXPECT_TRUE(tippen(gefordert(), 60000).abgewiesen);
    EXPECT_EQ(lauf.buchstabenuebung().anschlaege(), anschlaege);
    EXPECT_FALSE(lauf.takt(jetzt).tempoNeu) << "the speed stands still while paused";
    lauf.pauseSetzen(false, jetzt);
    EXPECT_EQ(lauf.ansicht(), Ansicht::Statistik) << "the view from before the pause returns";
    EXPECT_EQ(lauf.uebungssekunden(jetzt), 2);

    lauf.einstellungenSetzen(true, jetzt);
    EXPECT_FALSE(lauf.nimmtTasten());
    EXPECT_TRUE(tippen(gefordert(), 30000).abgewiesen);
    lauf.einstellungenSetzen(false, jetzt);
    EXPECT_TRUE(lauf.nimmtTasten());
    EXPECT_EQ(lauf.ansicht(), Ansicht::Statistik);
    EXPECT_EQ(lauf.uebungssekunden(jetzt), 2) << "open settings are no practice time";
}

TEST_F(Lauffixture, WaehrendDesFehlertonsWirdKeineTasteGenommen) {
    klang.synchronDauert = true;
    buchstaben(1);
    EXPECT_FALSE(tippen(falsch()).abgewiesen);
    EXPECT_TRUE(lauf.tonLaeuft());
    EXPECT_TRUE(tippen(gefordert()).abgewiesen);
    EXPECT_EQ(lauf.buchstabenuebung().fehlerzahl(), 1u);
    klang.beenden();
    EXPECT_FALSE(tippen(gefordert()).abgewiesen);
    EXPECT_EQ(lauf.buchstabenuebung().anschlaege(), 2u);
}

TEST_F(Lauffixture, DerTaktZeigtDasTempoUndFaerbtEsUnterDemZiel) {
    sitzung.wunschAnschlaege = 40;
    buchstaben(1);
    for (int k = 0; k < 9; ++k) {
        tippen(gefordert(), 2000);
    }
    Taktergebnis t = lauf.takt(jetzt);
    ASSERT_TRUE(t.tempoNeu);
    EXPECT_EQ(t.anschlaegeProMinute, 33); // 10 keystrokes in 18 s
    EXPECT_TRUE(t.tempoRot);
    sitzung.wunschAnschlaege = 30;
    t = lauf.takt(jetzt);
    EXPECT_FALSE(t.tempoRot);
}

TEST_F(Lauffixture, VerlassenBerichtetWasDieUebungGezaehltHat) {
    buchstaben(2);
    tippen(gefordert(), 3000);
    tippen(falsch(), 1000);
    lauf.pauseSetzen(true, jetzt);
    jetzt += 50000;
    tippen(gefordert(), 1000);
    ASSERT_TRUE(berichte.empty());
    lauf.verlassen(jetzt);
    ASSERT_EQ(berichte.size(), 1u);
    const Uebungsbericht& b = berichte[0];
    EXPECT_EQ(b.art, Uebungsart::Buchstabenuebung);
    EXPECT_EQ(b.ende, Uebungsende::Verlassen);
    EXPECT_EQ(b.lektion, 2);
    EXPECT_EQ(b.anschlaege, lauf.buchstabenuebung().anschlaege());
    EXPECT_EQ(b.fehler, 1u);
    EXPECT_EQ(b.sekunden, 4) << "the pause is not counted";
    EXPECT_EQ(b.fingerzaehler, sitzung.fingerzaehler);
    EXPECT_EQ(lauf.art(), Uebungsart::Keine);
    EXPECT_FALSE(lauf.pausiert()) << "leaving ends the pause";
    lauf.verlassen(jetzt);
    EXPECT_EQ(berichte.size(), 1u) << "nothing runs any more: no second report";
}

TEST_F(Lauffixture, EineUebungOhneAnschlagHinterlaesstKeinenBericht) {
    lauf.buchstabenuebungVorbereiten();
    lauf.buchstabenuebungBeginnen();
    lauf.verlassen(jetzt, Uebungsende::Programmende);
    EXPECT_TRUE(berichte.empty());
}

TEST_F(Lauffixture, DieBestandeneBuchstabenuebungBerichtetUndDieWortuebungFolgt) {
    sitzung.wunschAnschlaege = 0;
    buchstaben(1);
    Laufschritt s;
    for (int k = 0; k < 1000 && !s.buchstabe.bestanden; ++k) {
        s = tippen(gefordert());
    }
    ASSERT_TRUE(s.buchstabe.bestanden);
    EXPECT_EQ(lauf.art(), Uebungsart::Keine);
    EXPECT_EQ(sitzung.uebungsstufe, 1);
    ASSERT_EQ(berichte.size(), 1u);
    EXPECT_EQ(berichte[0].ende, Uebungsende::Bestanden);
    EXPECT_EQ(berichte[0].art, Uebungsart::Buchstabenuebung);

    lauf.wortuebungEinrichten();
    EXPECT_EQ(lauf.art(), Uebungsart::Wortuebung);
    // The key that passed the letter exercise answers the word exercise's start prompt.
    const Laufschritt w = tippen('x');
    EXPECT_TRUE(w.wort.erster);
    EXPECT_TRUE(w.ersterAnschlag);
}

TEST_F(Lauffixture, DieBestandeneWortuebungNenntDieNaechsteLektion) {
    sitzung.lektionNr = 1;
    sitzung.uebungsstufe = 1;
    sitzung.wunschAnschlaege = 0;
    lauf.wortuebungEinrichten();
    Laufschritt s = tippen('x');
    for (int k = 0; k < 2000 && !s.wort.bestanden; ++k) {
        s = tippen(lauf.sollzeichen(), 100);
    }
    ASSERT_TRUE(s.wort.bestanden);
    EXPECT_EQ(lauf.art(), Uebungsart::Keine);
    ASSERT_EQ(berichte.size(), 1u);
    EXPECT_EQ(berichte[0].art, Uebungsart::Wortuebung);
    EXPECT_EQ(berichte[0].lektion, 1);
    EXPECT_EQ(berichte[0].anschlaege + 1, berichte[0].anschlagzaehler);
    EXPECT_EQ(berichte[0].fingerzaehler, lauf.wortuebung().fingerzaehler());
    const Kursposition p = lauf.naechstePositionUebernehmen(s.wort);
    EXPECT_EQ(p.lektion, 2);
    EXPECT_EQ(p.stufe, 0);
    EXPECT_EQ(sitzung.lektionNr, 2);
}

// The word exercise of lesson `lektion` typed through to its pass, one error on the way.
Laufschritt wortuebungBestehen(Lauffixture& f, int lektion) {
    f.sitzung.lektionNr = lektion;
    f.sitzung.uebungsstufe = 1;
    f.sitzung.wunschAnschlaege = 0;
    f.lauf.wortuebungEinrichten();
    Laufschritt s = f.tippen('x');
    s = f.tippen(f.lauf.sollzeichen() == 'a' ? 's' : 'a', 100);
    for (int k = 0; k < 2000 && !s.wort.bestanden; ++k) {
        s = f.tippen(f.lauf.sollzeichen(), 100);
    }
    return s;
}

TEST_F(Lauffixture, DieBestandeneWortuebungTraegtDieLektionInDieGesamtstatistikEin) {
    for (auto& finger : sitzung.fehlerquoten) {
        finger.fill(KeinWert);
    }
    const Laufschritt s = wortuebungBestehen(*this, 1);
    ASSERT_TRUE(s.wort.bestanden);
    ASSERT_TRUE(s.gesamtstatistik.has_value());
    const Fingerfehlerquoten erwartet =
        statistikberechnen(zusammenzaehlen(sitzung.fingerzaehler, lauf.wortuebung().fingerzaehler()));
    EXPECT_EQ(*s.gesamtstatistik, erwartet);
    int eingetragen = 0;
    for (std::size_t f = 0; f < erwartet.size(); ++f) {
        EXPECT_EQ(sitzung.fehlerquoten[f][0], gespeicherteQuote(erwartet[f])) << "Finger " << f;
        EXPECT_EQ(sitzung.fehlerquoten[f][1], KeinWert) << "another lesson, finger " << f;
        eingetragen += sitzung.fehlerquoten[f][0] != 0 ? 1 : 0;
    }
    EXPECT_GE(eingetragen, 1); // the error shows in its finger's rate
}

TEST_F(Lauffixture, EineBestandeneWiederholungLaesstDieGesamtstatistikStehen) {
    sitzung.lektionNr = 5;
    sitzung.uebungsstufe = 0;
    sitzung.wiederholungsLektion = 1;
    sitzung.wiederholungsStufe = 1;
    for (auto& finger : sitzung.fehlerquoten) {
        finger.fill(KeinWert);
    }
    wiederholungBeginnen(sitzung);
    ASSERT_TRUE(sitzung.wiederholungAktiv);
    const int lektion = sitzung.lektionNr;
    Laufschritt s = wortuebungBestehen(*this, lektion);
    ASSERT_TRUE(s.wort.bestanden);
    EXPECT_TRUE(s.wort.wiederholungBeendet);
    EXPECT_FALSE(s.gesamtstatistik.has_value());
    for (const auto& finger : sitzung.fehlerquoten) {
        for (std::uint8_t wert : finger) {
            EXPECT_EQ(wert, KeinWert);
        }
    }
}

TEST_F(Lauffixture, EinEigenerTextBerichtetBeimNeuanfangUndAmTextende) {
    EigeneTexteUebung text({"ab"}, sitzung, klang);
    lauf.eigeneTexteBeginnen(text);
    tippen(ZeichenStartaufforderung);
    EXPECT_FALSE(lauf.begonnen());
    EXPECT_TRUE(tippen('a').ersterAnschlag);
    lauf.eigeneTexteNeuBeginnen(jetzt);
    text.neuAnfangen();
    ASSERT_EQ(berichte.size(), 1u);
    EXPECT_EQ(berichte[0].ende, Uebungsende::NeuBegonnen);
    EXPECT_EQ(berichte[0].anschlaege, 1u);
    EXPECT_EQ(lauf.art(), Uebungsart::EigeneTexte);

    tippen('a');
    tippen('b');
    const Laufschritt ende = tippen(ZeichenReturn);
    ASSERT_NE(ende.eigene, nullptr);
    EXPECT_TRUE(ende.eigene->textende);
    EXPECT_EQ(lauf.art(), Uebungsart::Keine);
    ASSERT_EQ(berichte.size(), 2u);
    EXPECT_EQ(berichte[1].art, Uebungsart::EigeneTexte);
    EXPECT_EQ(berichte[1].ende, Uebungsende::Textende);
    EXPECT_EQ(berichte[1].anschlaege, 3u);
    EXPECT_EQ(berichte[1].fehler, 0u);
}

TEST_F(Lauffixture, EinEigenerTextNimmtInDerPauseKeineTaste) {
    EigeneTexteUebung text({"abc"}, sitzung, klang);
    lauf.eigeneTexteBeginnen(text);
    tippen(ZeichenStartaufforderung);
    tippen('a', 2000);
    lauf.pauseSetzen(true, jetzt);
    EXPECT_TRUE(tippen('b', 60000).abgewiesen);
    EXPECT_TRUE(tippen('x').abgewiesen);
    EXPECT_EQ(text.anschlaege(), 1u);
    EXPECT_EQ(text.fehlerzaehler(), 0u);
    EXPECT_EQ(text.anzeige().markierung, 1u) << "the mark stays on the b";
    lauf.pauseSetzen(false, jetzt);
    EXPECT_FALSE(tippen('b').abgewiesen);
    EXPECT_EQ(text.anschlaege(), 2u);
    EXPECT_EQ(text.anzeige().markierung, 2u);
}

struct Anschlagfall {
    const char* name;
    Zeichen zeichen;
    bool eigenerText;
    bool anschlag;
};

class Anschlaege : public ::testing::TestWithParam<Anschlagfall> {};

TEST_P(Anschlaege, NurDruckbareZeichenSindAnschlaege) {
    const Anschlagfall& f = GetParam();
    Sitzung sitzung;
    Buchstabenliste liste;
    Zufall zufall{1};
    test::MerkKlang klang;
    Uebungslauf lauf{sitzung, liste, zufall, klang};
    EigeneTexteUebung text({"a"}, sitzung, klang);
    if (f.eigenerText) {
        lauf.eigeneTexteBeginnen(text);
    } else {
        lauf.buchstabenuebungBeginnen();
    }
    EXPECT_EQ(lauf.istAnschlag(f.zeichen), f.anschlag);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, Anschlaege,
    ::testing::Values(Anschlagfall{"Buchstabe", 'a', false, true},
                      Anschlagfall{"Leertaste", ' ', false, true},
                      Anschlagfall{"Return", ZeichenReturn, false, true},
                      Anschlagfall{"ReturnImEigenenText", ZeichenReturn, true, true},
                      Anschlagfall{"Umlaut", 0xE4, false, true},
                      Anschlagfall{"TabulatorInDerLektion", ZeichenTabulator, false, false},
                      Anschlagfall{"TabulatorImEigenenText", ZeichenTabulator, true, true},
                      Anschlagfall{"Startcode", ZeichenStartaufforderung, true, false},
                      Anschlagfall{"Steuerzeichen", 0x08, false, false},
                      Anschlagfall{"UnbelegtesByte", 0x81, true, false}),
    [](const ::testing::TestParamInfo<Anschlagfall>& i) { return std::string(i.param.name); });
