#include "course/uebungstexte.h"

#include "platform/zeichensatz.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace tastwerk;

namespace {
std::string zeile(int i) {
    return cp1252ZuUtf8(uebungszeile(i));
}
} // namespace

TEST(Uebungstexte, TabelleHat732ZeilenVon40Bis75Zeichen) {
    ASSERT_EQ(uebungszeilen().size(), 732u);
    for (int i = 0; i < UebungszeilenAnzahl; ++i) {
        const std::size_t n = uebungszeile(i).size();
        EXPECT_GE(n, 40u) << "line " << i << ": " << zeile(i);
        EXPECT_LE(n, 75u) << "line " << i << ": " << zeile(i);
    }
    EXPECT_THROW(uebungszeile(732), std::out_of_range);
}

TEST(Uebungstexte, JedeZeileStehtNurEinmalDa) {
    std::map<std::string, int> gesehen;
    for (int i = 0; i < UebungszeilenAnzahl; ++i) {
        const auto [ort, neu] = gesehen.emplace(uebungszeile(i), i);
        EXPECT_TRUE(neu) << "line " << i << " repeats line " << ort->second << ": " << zeile(i);
    }
}

TEST(Uebungstexte, BloeckeBeginnenMitIhrenKennzeilen) {
    const std::map<int, std::string> kennzeilen = {
        {0, "ja ja ja da da da ja ja ja da da da ja ja ja falls falls öd öd öd öd öd öd"},
        {9, "aha aha aha aha aha aha aha aha aha aha gag gag gag gag gag gag gag gag gag"},
        {18, "alle alle alle alle alle alle alle alle alle alle alle alle falle falle"},
        {48, "als, als, als, als, all, all, all, all, all, all, das, das, das, das, das"},
        {69, "grell, sehr grell, rauh, sehr rauh, grell, rau, rauer, rauer, rauer, rauer"},
        {90, "weil, weil, weil, weil, weil, will, will, will, will, will, willig willig"},
        {115, "quak, quak, quak, quark, quark, quark, quark, quark, quark, quark, quark"},
        {135, "Röhre, Röhre, Röhre, Röre, Röhre, Röhre, Röhre, die Röhre, das Rohr, Rohr"},
        {175, "Der Hase liegt auf der Wiese. Fritz pfeift das Lied. Julia liest laut."},
        {206, "Sie hatte ihm aufmerksam zugehört. Das stimmt völlig. Volker ist verreist."},
        {239, "nehmen, nehmen, einnehmen, stehen, stehen, stehen, eingestehen, einsehen"},
        {282, "Sein Cousin Claus hat gute Chancen, Chorchef zu werden. Er ist charmant."},
        {316, "Der Doppelpunkt: Der Doppelpunkt: :: :: ::: ::: ::: :::: :::: :::: ::::"},
        {342, "Xylophon, Xylophon, Xylophon, Xylophon, Xylophon, Xylophon, Zypresse"},
        {362, "Karl fühlt sich fit. Wir müssen den Zug noch überholen."},
        {405, "Wie gefällt Ihnen dieses Programm? Wie? Warum? Weshalb? Wer? Wann?"},
        {1, "jaffa jaffa jaffa jaffa jaffa skala skala skala skala skala skala skala öd"},
        {10, "gag gag gag sag sag sag gag sag gag sag gag sag sag sag sag sag sag sag"},
        {19, "eisig eisig eisig eisig eisig eisig eisig eisig eisig eisig falle falle"},
        {49, "da, da, da, da, da, da, da, da, aha, aha, aha, aha, aha, aha, aha, aha, aha"},
        {70, "sehr, frei rief er, ruhig, ruhig, ruhig, frei, frei, frei rief er, rege,"},
        {91, "weg, weg, weg, weg, weg, weg, wir, wir, wir, wir, wir, wir, wir..., wir..."},
        {116, "quer, quer, quer, spielfrei, spielfrei, spielfrei, spielfrei, spielfrei"},
        {136, "das Ufer, das Ufer, das Ufer, das Ufer, das Ufer, das Ufer, das Ufer"},
        {176, "Das Pferd kaut Gras. Das Wasser tut gut. Es ist kalt. Es ist gut."},
        {207, "Sie mag Reis. Er mag Reis. Sie umsorgte Volker. Sie ist mutig."},
        {240, "Blumen, Blumen, Busse, Busse, Beeren, Beeren, Sie sammelt bunte Beeren."},
        {283, "Sie schreibt einen langen Brief an ihre Schulfreundin. Sie hat Scharm."},
        {317, "Worte mit dem Anfangsbuchstaben X: Xenophon; xenophontisch"},
        {343, "Symbol, Symbol, Statussymbol, Er meinte es nur symbolisch. Zypern, Zypern"},
        {363, "Maike ist gutmütig. Albert albert während Ruth ruht. Mücken sind lästig."},
        {406, "Peter hat große Füsse. Der Dieb mißachtete die Gesetze."},
        {730, "Sie verhandelten lange. Sie war trotzdem im Recht."},
        {731, "Sie schlossen eine Wette über das Rennen ab. Sie gab es zu."},
    };
    for (const auto& [nummer, text] : kennzeilen) {
        EXPECT_EQ(zeile(nummer), text) << "line " << nummer;
    }
}

TEST(Uebungstexte, BereicheDerLektionen) {
    int vorigerAnfang = 0;
    for (int lektion = 1; lektion <= 16; ++lektion) {
        const Zeilenbereich b = zeilenbereich(lektion);
        EXPECT_LT(b.lektionsanfang, b.lektionsende) << lektion;
        if (lektion > 1 && lektion < 16) {
            EXPECT_EQ(b.lektionsanfang, zeilenbereich(lektion - 1).lektionsende + 1) << lektion;
            EXPECT_EQ(b.wiederholungsanfang, vorigerAnfang) << lektion;
        }
        vorigerAnfang = b.lektionsanfang;
    }
    EXPECT_EQ(zeilenbereich(1).wiederholungsanfang, 0);
    EXPECT_EQ(zeilenbereich(2).wiederholungsanfang, 0);
    EXPECT_EQ(zeilenbereich(16).lektionsanfang, 405);
    EXPECT_EQ(zeilenbereich(16).wiederholungsanfang, 206);
    EXPECT_EQ(zeilenbereich(16).lektionsende, 731);
    EXPECT_EQ(zeilenbereich(17).lektionsanfang, 405);
}
