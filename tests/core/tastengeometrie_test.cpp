// Where the keys stand: the layout's sizes as fractions of the screen width, and keys that never overlap.
#include "keyboard/tastengeometrie.h"
#include "keyboard/tastentabelle.h"

#include <gtest/gtest.h>

#include <array>

using namespace tastwerk;

namespace {

constexpr std::array<Tastaturlayout, LayoutAnzahl> Layouts = {Tastaturlayout::Deutsch,
                                                              Tastaturlayout::Schweiz, Tastaturlayout::USA};

int taste(int reihe, int position) {
    return Tastentabelle::index(reihe, position);
}

bool ueberlappen(const Tastenmass& a, const Tastenmass& b) {
    return a.links < b.links + b.breite && b.links < a.links + a.breite && a.oben < b.oben + b.hoehe &&
           b.oben < a.oben + a.hoehe;
}

} // namespace

TEST(Tastengeometrie, LayoutgroessenBei800Pixeln) {
    const auto D = Tastaturlayout::Deutsch, S = Tastaturlayout::Schweiz, U = Tastaturlayout::USA;
    for (Tastaturlayout l : {D, S}) {
        const Tastenmass ret = tastenmass(taste(2, 14), l, 800);
        EXPECT_EQ(ret.hoehe, 88);
        const Tastenmass nachbar = tastenmass(taste(3, 13), l, 800);
        EXPECT_EQ(nachbar.breite, 41);
        EXPECT_EQ(nachbar.links, 629);
        EXPECT_EQ(nachbar.markeLinks, entwurfsmass(taste(3, 13), 800).markeLinks);
        EXPECT_EQ(nachbar.markeBreite, entwurfsmass(taste(3, 13), 800).markeBreite);
        const Tastenmass shift = tastenmass(taste(4, 1), l, 800);
        EXPECT_EQ(shift.breite, 62);
        EXPECT_EQ(shift.markeLinks, 47);
        EXPECT_TRUE(tastenmass(taste(4, 2), l, 800).sichtbar);
    }
    EXPECT_EQ(tastenmass(taste(2, 14), U, 800).hoehe, 41);
    const Tastenmass enter = tastenmass(taste(3, 13), U, 800);
    EXPECT_EQ(enter.breite, 100);
    EXPECT_EQ(enter.links, 650);
    EXPECT_EQ(enter.markeBreite, 72);
    EXPECT_EQ(enter.markeLinks, 69);
    const Tastenmass shift = tastenmass(taste(4, 1), U, 800);
    EXPECT_EQ(shift.breite, 110);
    EXPECT_EQ(shift.markeLinks, 95);
    EXPECT_FALSE(tastenmass(taste(4, 2), U, 800).sichtbar);
}

TEST(Tastengeometrie, LayoutgroessenSindBildschirmbreiteDurchZahlAbgeschnitten) {
    const auto D = Tastaturlayout::Deutsch, U = Tastaturlayout::USA;
    EXPECT_EQ(tastenmass(taste(2, 14), D, 1024).hoehe, 113); // 1024 / 8.99 = 113.9
    EXPECT_EQ(tastenmass(taste(2, 14), U, 1024).hoehe, 52);  // 1024 / 19.51 = 52.5
    EXPECT_EQ(tastenmass(taste(3, 13), D, 1024).breite, 52);
    EXPECT_EQ(tastenmass(taste(3, 13), D, 1024).links, 806); // 1024 / 1.27 = 806.3
    EXPECT_EQ(tastenmass(taste(3, 13), U, 1024).breite, 128);
    EXPECT_EQ(tastenmass(taste(3, 13), U, 1024).links, 832);      // 1024 / 1.23 = 832.5
    EXPECT_EQ(tastenmass(taste(3, 13), U, 1024).markeBreite, 93); // 1024 / 10.96 = 93.4
    EXPECT_EQ(tastenmass(taste(3, 13), U, 1024).markeLinks, 89);  // 1024 / 11.43 = 89.6
    EXPECT_EQ(tastenmass(taste(4, 1), D, 1024).breite, 80);       // 1024 / 12.7 = 80.6
    EXPECT_EQ(tastenmass(taste(4, 1), U, 1024).breite, 140);      // 1024 / 7.27 = 140.9
    EXPECT_EQ(tastenmass(taste(4, 1), D, 1024).markeLinks, 61);   // 1024 / 16.67 = 61.4
    EXPECT_EQ(tastenmass(taste(4, 1), U, 1024).markeLinks, 121);  // 1024 / 8.42 = 121.6
}

TEST(Tastengeometrie, EntwurfIstDasDeutscheLayoutBei800Pixeln) {
    for (int i = 0; i < Tastentabelle::Anzahl; ++i) {
        EXPECT_EQ(entwurfsmass(i, 800), tastenmass(i, Tastaturlayout::Deutsch, 800)) << i;
    }
    // The Return key is two rows tall: it ends where the row below ends.
    const Tastenmass ret = entwurfsmass(taste(2, 14), 800);
    const Tastenmass unten = entwurfsmass(taste(3, 13), 800);
    EXPECT_EQ(ret.oben, entwurfsmass(taste(2, 13), 800).oben);
    EXPECT_EQ(ret.oben + ret.hoehe, unten.oben + unten.hoehe);
}

TEST(Tastengeometrie, EntwurfSkaliertMitDerBildschirmbreite) {
    const Tastenmass a = entwurfsmass(taste(5, 3), 1600);
    const Tastenmass b = entwurfsmass(taste(5, 3), 800);
    EXPECT_EQ(a.links, 2 * b.links);
    EXPECT_EQ(a.breite, 2 * b.breite);
    EXPECT_EQ(a.oben, 2 * b.oben);
    EXPECT_EQ(a.schrifthoehe, 30);
    EXPECT_EQ(b.schrifthoehe, 15);
    EXPECT_EQ(entwurfsmass(taste(1, 2), 1023).links, 98); // 77 × 1023 / 800 = 98.5
}

TEST(Tastengeometrie, UsCapsLockMitKleinererSchrift) {
    for (int w : {800, 1024, 1920}) {
        const int normal = entwurfsmass(taste(3, 2), w).schrifthoehe;
        EXPECT_EQ(tastenmass(taste(3, 1), Tastaturlayout::Deutsch, w).schrifthoehe, normal);
        EXPECT_EQ(tastenmass(taste(3, 1), Tastaturlayout::Schweiz, w).schrifthoehe, normal);
        EXPECT_EQ(tastenmass(taste(3, 1), Tastaturlayout::USA, w).schrifthoehe, 11 * w / 800);
        EXPECT_LT(tastenmass(taste(3, 1), Tastaturlayout::USA, w).schrifthoehe, normal);
    }
}

TEST(Tastengeometrie, SichtbareTastenUeberlappenSichNieUndMarkenLiegenInDerTaste) {
    for (int w : {640, 800, 1024, 1280, 1366, 1920, 2560}) {
        for (Tastaturlayout l : Layouts) {
            for (int i = 0; i < Tastentabelle::Anzahl; ++i) {
                const Tastenmass a = tastenmass(i, l, w);
                EXPECT_GE(a.links, 0);
                EXPECT_LE(a.links + a.breite, w);
                EXPECT_GT(a.breite, 0);
                EXPECT_GT(a.hoehe, 0);
                // The mark of the US Enter key is placed wider than the key and is cut at its edge.
                if (!(l == Tastaturlayout::USA && i == taste(3, 13))) {
                    EXPECT_GE(a.markeLinks, 0) << i;
                    EXPECT_LE(a.markeLinks + a.markeBreite, a.breite) << i;
                }
                EXPECT_LE(a.markeOben + a.markeHoehe, a.hoehe) << i;
                for (int j = i + 1; j < Tastentabelle::Anzahl; ++j) {
                    const Tastenmass b = tastenmass(j, l, w);
                    if (a.sichtbar && b.sichtbar) {
                        EXPECT_FALSE(ueberlappen(a, b)) << "width " << w << ", keys " << i << " and " << j;
                    }
                }
            }
        }
    }
}

TEST(Tastengeometrie, TastenEinerReiheStehenImGleichenAbstand) {
    // At 800 pixels neighbouring keys stand 6 pixels apart; other gaps only before the Return key, and in
    // the US layout before the Enter key, which the layout moves right, and after the wide Shift key.
    for (Tastaturlayout l : Layouts) {
        for (int r = 1; r <= Tastentabelle::Reihen; ++r) {
            Tastenmass links = tastenmass(taste(r, 1), l, 800);
            for (int p = 2; p <= Tastentabelle::tastenInReihe(r); ++p) {
                const Tastenmass rechts = tastenmass(taste(r, p), l, 800);
                if (!rechts.sichtbar) {
                    continue;
                }
                int abstand = 6;
                if (r == 2 && p == 14) {
                    abstand = 12;
                } else if (r == 3 && p == 13 && l == Tastaturlayout::USA) {
                    abstand = 27;
                } else if (r == 4 && p == 3 && l == Tastaturlayout::USA) {
                    abstand = 5;
                }
                EXPECT_EQ(rechts.links - (links.links + links.breite), abstand) << r << "." << p;
                EXPECT_EQ(rechts.oben, links.oben) << r << "." << p;
                links = rechts;
            }
        }
    }
}
