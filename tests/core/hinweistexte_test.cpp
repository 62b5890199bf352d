#include "course/hinweistexte.h"

#include "course/lektionskatalog.h"
#include "platform/zeichensatz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tastwerk {
static void PrintTo(const Hinweiszeile& z, std::ostream* os) {
    *os << '"' << z.text << "\" farbe " << (z.farbe ? static_cast<int>(*z.farbe) : 0);
}
} // namespace tastwerk

using namespace tastwerk;

namespace {

constexpr Tastaturlayout Layouts[] = {Tastaturlayout::Deutsch, Tastaturlayout::Schweiz, Tastaturlayout::USA};

// The longest line the screen is laid out for, in characters (the longest lesson 8 line).
constexpr std::size_t LaengsteZeile = 67;

const char* name(Tastaturlayout l) {
    return l == Tastaturlayout::Deutsch ? "Deutsch" : l == Tastaturlayout::Schweiz ? "Schweiz" : "USA";
}

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t zeichenzahl(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The colour group a finger line's text names.
std::optional<Farbgruppe> genannterFinger(const std::string& text) {
    if (text.find("kleiner Finger") != std::string::npos) {
        return Farbgruppe::KleinerFinger;
    }
    if (text.find("Ringfinger") != std::string::npos) {
        return Farbgruppe::Ringfinger;
    }
    if (text.find("Mittelfinger") != std::string::npos) {
        return Farbgruppe::Mittelfinger;
    }
    if (text.find("Zeigefinger") != std::string::npos) {
        return Farbgruppe::Zeigefinger;
    }
    if (text.find("Daumen") != std::string::npos) {
        return Farbgruppe::Daumen;
    }
    return std::nullopt;
}

std::vector<Hinweiszeile> fingerzeilen(const std::vector<Hinweiszeile>& zeilen) {
    std::vector<Hinweiszeile> finger;
    for (const auto& z : zeilen) {
        if (z.farbe) {
            finger.push_back(z);
        }
    }
    return finger;
}

bool enthaelt(const std::vector<Hinweiszeile>& zeilen, const std::string& text) {
    for (const auto& z : zeilen) {
        if (z.text == text) {
            return true;
        }
    }
    return false;
}

constexpr auto Klein = Farbgruppe::KleinerFinger;
constexpr auto Ring = Farbgruppe::Ringfinger;
constexpr auto Mitte = Farbgruppe::Mittelfinger;
constexpr auto Zeige = Farbgruppe::Zeigefinger;

} // namespace

TEST(Hinweistexte, Lektion1LegtDieHaendeAufDieGrundreihe) {
    const std::vector<Hinweiszeile> gemeinsam = {
        {"a: linker kleiner Finger", Klein}, {"s: linker Ringfinger", Ring},
        {"d: linker Mittelfinger", Mitte},   {"f: linker Zeigefinger", Zeige},
        {"j: rechter Zeigefinger", Zeige},   {"k: rechter Mittelfinger", Mitte},
        {"l: rechter Ringfinger", Ring},
    };
    for (const Tastaturlayout layout : Layouts) {
        std::vector<Hinweiszeile> erwartet = gemeinsam;
        erwartet.push_back(
            {layout == Tastaturlayout::USA ? ";: rechter kleiner Finger" : "ö: rechter kleiner Finger",
             Klein});
        erwartet.push_back({"Leertaste: rechter Daumen", Farbgruppe::Daumen});

        const Hinweistext h = hinweistext(1, layout);
        EXPECT_EQ(h.titel, lektionstitel(1, layout)) << name(layout);
        EXPECT_EQ(h.unterueberschrift, "Bitte legen Sie Ihre Hände folgendermaßen auf die Tastatur:");
        EXPECT_EQ(h.zeilen, erwartet) << name(layout);
        EXPECT_TRUE(h.rechteSpalte.empty());
        EXPECT_TRUE(h.tipSichtbar);
        EXPECT_EQ(h.tip[0], "Tip: Versuchen Sie beim Schreiben");
        EXPECT_EQ(h.tip[1], "nicht auf die Tastatur zu blicken.");
    }
    EXPECT_EQ(hinweistext(1, Tastaturlayout::USA).titel, "Die Grundreihe a s d f j k l ;");
}

TEST(Hinweistexte, Lektion16ZeigtDieZiffernreiheInZweiSpalten) {
    struct Fall {
        Tastaturlayout layout;
        std::vector<Hinweiszeile> links, rechts;
    };
    const std::string zwei = std::string("2 ") + '"' + ": linker kleiner Finger";
    const Fall faelle[] = {
        {Tastaturlayout::Deutsch,
         {{"1 !: linker kleiner Finger", Klein},
          {zwei, Klein},
          {"3 §: linker Ringfinger", Ring},
          {"4 $: linker Mittelfinger", Mitte},
          {"5 %: linker Zeigefinger", Zeige},
          {"6 &&: linker Zeigefinger", Zeige}},
         {{"7 /: rechter Zeigefinger", Zeige},
          {"8 (: rechter Zeigefinger", Zeige},
          {"9 ): rechter Mittelfinger", Mitte},
          {"0 =: rechter Ringfinger", Ring},
          {"ß ?: rechter kleiner Finger", Klein}}},
        {Tastaturlayout::Schweiz,
         {{"1 +: linker kleiner Finger", Klein},
          {zwei, Klein},
          {"3 *: linker Ringfinger", Ring},
          {"4 ç: linker Mittelfinger", Mitte},
          {"5 %: linker Zeigefinger", Zeige},
          {"6 &&: linker Zeigefinger", Zeige}},
         {{"7 /: rechter Zeigefinger", Zeige},
          {"8 (: rechter Zeigefinger", Zeige},
          {"9 ): rechter Mittelfinger", Mitte},
          {"0 =: rechter Ringfinger", Ring},
          {"?: rechter kleiner Finger", Klein},
          {"!: rechter kleiner Finger", Klein}}},
        {Tastaturlayout::USA,
         {{"1 !: linker kleiner Finger", Klein},
          {"2 @: linker kleiner Finger", Klein},
          {"3 #: linker Ringfinger", Ring},
          {"4 $: linker Mittelfinger", Mitte},
          {"5 %: linker Zeigefinger", Zeige},
          {"6 ^: linker Zeigefinger", Zeige}},
         {{"7 &&: rechter Zeigefinger", Zeige},
          {"8 *: rechter Zeigefinger", Zeige},
          {"9 (: rechter Mittelfinger", Mitte},
          {"0 ): rechter Ringfinger", Ring},
          {"-_: rechter kleiner Finger", Klein},
          {"= +: rechter kleiner Finger", Klein}}},
    };
    for (const Fall& f : faelle) {
        const Hinweistext h = hinweistext(16, f.layout);
        EXPECT_EQ(h.titel, "Die oberste Tastenreihe");
        EXPECT_EQ(h.zeilen, f.links) << name(f.layout);
        EXPECT_EQ(h.rechteSpalte, f.rechts) << name(f.layout);
        EXPECT_FALSE(h.tipSichtbar);
    }
}

TEST(Hinweistexte, TipNurInDenLektionenMitTip) {
    for (const Tastaturlayout layout : Layouts) {
        for (int lektion = 1; lektion <= 16; ++lektion) {
            const Hinweistext h = hinweistext(lektion, layout);
            const bool ohneTip = lektion == 8 || lektion == 12 || lektion >= 14;
            EXPECT_EQ(h.tipSichtbar, !ohneTip) << "lesson " << lektion << " " << name(layout);
            if (h.tipSichtbar) {
                EXPECT_EQ(h.tip[0].rfind("Tip: ", 0), 0u) << "lesson " << lektion;
                EXPECT_FALSE(h.tip[1].empty()) << "lesson " << lektion;
            } else {
                EXPECT_TRUE(h.tip[0].empty() && h.tip[1].empty()) << "lesson " << lektion;
            }
        }
    }
    EXPECT_EQ(hinweistext(2, Tastaturlayout::Deutsch).tip[0], "Tip: Versuchen Sie möglichst gleichmässig");
    EXPECT_EQ(hinweistext(7, Tastaturlayout::Deutsch).tip[1], "gymnastik! (siehe Extras)");
    EXPECT_EQ(hinweistext(10, Tastaturlayout::Deutsch).tip, hinweistext(9, Tastaturlayout::Deutsch).tip);
    EXPECT_EQ(hinweistext(13, Tastaturlayout::Deutsch).tip, hinweistext(3, Tastaturlayout::Deutsch).tip);
    EXPECT_EQ(hinweistext(9, Tastaturlayout::USA).tip[1], "den Meister!");
}

TEST(Hinweistexte, FingerzeilenStehenVornUndInDerFarbeIhresFingers) {
    for (const Tastaturlayout layout : Layouts) {
        for (int lektion = 1; lektion <= 16; ++lektion) {
            const Hinweistext h = hinweistext(lektion, layout);
            bool erklaerungGesehen = false;
            for (const auto& z : h.zeilen) {
                if (!z.farbe) {
                    erklaerungGesehen = true;
                    continue;
                }
                EXPECT_FALSE(erklaerungGesehen) << "finger line after explanation: " << z.text;
                EXPECT_EQ(z.farbe, genannterFinger(z.text)) << z.text;
            }
            for (const auto& z : h.rechteSpalte) {
                EXPECT_EQ(z.farbe, genannterFinger(z.text)) << z.text;
            }
        }
    }
    const auto zwoelf = hinweistext(12, Tastaturlayout::Deutsch).zeilen;
    ASSERT_GE(zwoelf.size(), 2u);
    EXPECT_EQ(zwoelf[1], (Hinweiszeile{"<: <linke Shift- Taste> + rechter Mittelfinger", Mitte}));
    EXPECT_EQ(hinweistext(4, Tastaturlayout::Schweiz).zeilen[0],
              (Hinweiszeile{"Return: rechter kleiner Finger", Klein}));
}

TEST(Hinweistexte, JedeZeileIstGueltigesUtf8UndPasstAufDenSchirm) {
    for (const Tastaturlayout layout : Layouts) {
        for (int lektion = 1; lektion <= 16; ++lektion) {
            const Hinweistext h = hinweistext(lektion, layout);
            std::vector<std::string> texte = {h.titel, h.unterueberschrift, h.tip[0], h.tip[1]};
            for (const auto& z : h.zeilen) {
                texte.push_back(z.text);
            }
            for (const auto& z : h.rechteSpalte) {
                texte.push_back(z.text);
            }
            for (const std::string& t : texte) {
                EXPECT_TRUE(istGueltigesUtf8(t)) << "lesson " << lektion << " " << name(layout) << ": " << t;
                EXPECT_LE(zeichenzahl(t), LaengsteZeile) << t;
            }
            EXPECT_LE(h.zeilen.size(), static_cast<std::size_t>(HinweiszeilenPlaetze))
                << "lesson " << lektion;
            EXPECT_EQ(h.unterueberschrift.empty(), lektion != 1);
            EXPECT_EQ(h.rechteSpalte.empty(), lektion != 16);
        }
    }
}

TEST(Hinweistexte, KeineZeileLeerAusserDenSemikolonzeilenBeiUsa) {
    for (const Tastaturlayout layout : Layouts) {
        for (int lektion = 1; lektion <= 16; ++lektion) {
            const Hinweistext h = hinweistext(lektion, layout);
            EXPECT_FALSE(h.titel.empty());
            const bool usa12 = lektion == 12 && layout == Tastaturlayout::USA;
            for (std::size_t i = 0; i < h.zeilen.size(); ++i) {
                const bool darfLeer = usa12 && i + 2 >= h.zeilen.size();
                EXPECT_EQ(h.zeilen[i].text.empty(), darfLeer)
                    << "lesson " << lektion << " " << name(layout) << " line " << i;
            }
            // Every lesson but the first and the last explains its keys below the finger lines.
            const std::size_t erklaerungen = h.zeilen.size() - fingerzeilen(h.zeilen).size();
            EXPECT_EQ(erklaerungen == 0, lektion == 1 || lektion == 16) << "lesson " << lektion;
        }
    }
}

TEST(Hinweistexte, Lektion12OhneSemikolonzeilenUnterUsa) {
    const Hinweistext de = hinweistext(12, Tastaturlayout::Deutsch);
    const Hinweistext us = hinweistext(12, Tastaturlayout::USA);
    ASSERT_EQ(de.zeilen.size(), us.zeilen.size());
    const std::size_t n = de.zeilen.size();
    ASSERT_GE(n, 2u);
    EXPECT_EQ(de.zeilen[n - 2].text, "Das Semikolon steht direkt am Wort. Danach erfolgt wie beim Komma");
    EXPECT_EQ(de.zeilen[n - 1].text, "und Punkt ein Leerschritt.");
    EXPECT_EQ(us.zeilen[n - 2], (Hinweiszeile{}));
    EXPECT_EQ(us.zeilen[n - 1], (Hinweiszeile{}));
    EXPECT_EQ(hinweistext(12, Tastaturlayout::Schweiz), de);
    EXPECT_EQ(fingerzeilen(us.zeilen), fingerzeilen(de.zeilen));
}

TEST(Hinweistexte, Lektion14GleichInAllenLayouts) {
    const Hinweistext de = hinweistext(14, Tastaturlayout::Deutsch);
    EXPECT_EQ(hinweistext(14, Tastaturlayout::Schweiz), de);
    EXPECT_EQ(hinweistext(14, Tastaturlayout::USA), de);
    EXPECT_TRUE(enthaelt(de.zeilen, "_: <linke Shift-Taste> + rechter kleiner Finger"));
    EXPECT_TRUE(enthaelt(de.zeilen, "Beim Grundstrich (_) wird noch zusätzlich die linke"));
    EXPECT_TRUE(enthaelt(de.zeilen, "Shift-Taste gedrückt."));
}

TEST(Hinweistexte, VorgegebeneZeilenStehenWoertlichDa) {
    struct Fall {
        int lektion;
        Tastaturlayout layout;
        std::string zeile;
    };
    using enum Tastaturlayout;
    const Fall faelle[] = {
        {2, Deutsch, "Danach kehren die Finger sofort in die Ausgangsposition"},
        {2, Deutsch, "zurück."},
        {3, Deutsch, "Danach kehren die Finger sofort wieder in die"},
        {3, Deutsch, "Ausgangsposition zurück."},
        {4, Schweiz, "Ausgangsposition zurück."},
        {6, Deutsch, ".: rechter Ringfinger"},
        {6, Deutsch, "Der Punkt steht direkt am Wort."},
        {6, USA, "Danach erfolgt (wie beim Komma) ein Leerschritt."},
        {8, USA, "auf der rechten Seite der Tastatur befinden, gross zu schreiben und"},
        {8, Deutsch, "Bemerkung: Für Grossbuchstaben werden zwei Anschläge berechnet."},
        {8, Deutsch, "(<Shift> + <Buchstabe>)"},
        {9, Deutsch, "z: rechter Zeigefinger"},
        {9, USA, "y: rechter Zeigefinger"},
        {11, USA, "zurück."},
        {13, Deutsch, ": : rechter Ringfinger"},
        {13, USA, "unten zum Doppelpunt (:)."},
        {15, Schweiz, "ü: rechter kleiner Finger"},
        {15, USA, "': rechter kleiner Finger"},
        {15, USA, "[: rechter kleiner Finger"},
        {15, Deutsch, "Sie haben es fast geschafft! Weiter so!"},
        {15, USA, "Sie haben es fast geschafft! Weiter so!"},
    };
    for (const Fall& f : faelle) {
        EXPECT_TRUE(enthaelt(hinweistext(f.lektion, f.layout).zeilen, f.zeile))
            << "lesson " << f.lektion << " " << name(f.layout) << ": " << f.zeile;
    }
    EXPECT_FALSE(enthaelt(hinweistext(9, USA).zeilen, "z: rechter Zeigefinger"));
    EXPECT_FALSE(enthaelt(hinweistext(15, USA).zeilen, "ä: rechter kleiner Finger"));
}

TEST(Hinweistexte, ErklaerungenNennenDieFingerNachIhrerGrundtaste) {
    // "F-Finger" and its kin always stand in double quotes and name a home-row key.
    const std::vector<std::string> grundtasten = {"A", "S", "D", "F", "J", "K", "L", "Ö", ";"};
    for (const Tastaturlayout layout : Layouts) {
        for (int lektion = 1; lektion <= 16; ++lektion) {
            for (const auto& z : hinweistext(lektion, layout).zeilen) {
                for (auto p = z.text.find("-Finger"); p != std::string::npos;
                     p = z.text.find("-Finger", p + 1)) {
                    const auto anfang = z.text.rfind('"', p);
                    ASSERT_NE(anfang, std::string::npos) << z.text;
                    EXPECT_TRUE(std::find(grundtasten.begin(), grundtasten.end(),
                                          z.text.substr(anfang + 1, p - anfang - 1)) != grundtasten.end())
                        << z.text;
                    EXPECT_EQ(z.text.substr(p, 8), "-Finger\"") << z.text;
                }
            }
        }
    }
    EXPECT_TRUE(enthaelt(hinweistext(2, Tastaturlayout::Deutsch).zeilen,
                         std::string("Der ") + '"' + "F-Finger" + '"' + " spreizt nach rechts zum g."));
}

TEST(Hinweistexte, LektionAusserhalbWirdAufDenRandGenommen) {
    EXPECT_EQ(hinweistext(0, Tastaturlayout::Deutsch), hinweistext(1, Tastaturlayout::Deutsch));
    EXPECT_EQ(hinweistext(17, Tastaturlayout::USA), hinweistext(16, Tastaturlayout::USA));
}
