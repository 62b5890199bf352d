// The course's character sequence in each layout, and its layout switch.
#include "keyboard/buchstabenliste.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace tastwerk;

namespace {

constexpr std::string_view Deutsch = "asdfjkl\xF6 ghei\r,ruwo.qpASDFJKL\xD6GHEIRUWOQPtTzZvVmMbBnNcC;xX:yY-_"
                                     "\xFC\xDC\xE4\xC4!\"\xA7$%&/()=?1234567890";
constexpr std::string_view Schweiz = "asdfjkl\xF6 ghei\r,ruwo.qpASDFJKL\xE9GHEIRUWOQPtTzZvVmMbBnNcC;xX:yY-_"
                                     "\xFC\xE8\xE4\xE0!\"\xA7$%&/()=?1234567890";
constexpr std::string_view Usa = "asdfjkl; ghei\r,ruwo.qpASDFJKL:GHEIRUWOQPtTyYvVmMbBnNcC;xX:zZ-_"
                                 "[{'\"!@#$%^&*()_1234567890";

std::string alsText(const Buchstabenliste& liste) {
    std::string s;
    for (int i = 0; i < Buchstabenliste::Laenge; ++i) {
        s += static_cast<char>(liste[i]);
    }
    return s;
}

int unterschiede(std::string_view a, std::string_view b) {
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        n += a[i] != b[i];
    }
    return n;
}

} // namespace

TEST(Buchstabenliste, DieFolgenDerDreiLayouts) {
    ASSERT_EQ(Deutsch.size(), 87u);
    ASSERT_EQ(Schweiz.size(), 87u);
    ASSERT_EQ(Usa.size(), 87u);
    Buchstabenliste liste;
    EXPECT_EQ(alsText(liste), Deutsch);
    liste.layoutAnwenden(Tastaturlayout::Schweiz);
    EXPECT_EQ(alsText(liste), Schweiz);
    liste.layoutAnwenden(Tastaturlayout::USA);
    EXPECT_EQ(alsText(liste), Usa);
    // Of the 21 entries a layout writes, 3 differ in Swiss and 18 in US (! $ % stay).
    EXPECT_EQ(unterschiede(Deutsch, Schweiz), 3);
    EXPECT_EQ(unterschiede(Deutsch, Usa), 18);
}

TEST(Buchstabenliste, ZurueckZuDeutschStelltAllesWiederHer) {
    Buchstabenliste liste;
    liste.layoutAnwenden(Tastaturlayout::USA);
    liste.layoutAnwenden(Tastaturlayout::Deutsch);
    EXPECT_EQ(alsText(liste), Deutsch);
    liste.layoutAnwenden(Tastaturlayout::Schweiz);
    liste.layoutAnwenden(Tastaturlayout::USA);
    liste.layoutAnwenden(Tastaturlayout::Schweiz);
    EXPECT_EQ(alsText(liste), Schweiz);
}

TEST(Buchstabenliste, UsHaeltYWoDeutschZHaelt) {
    Buchstabenliste liste;
    EXPECT_EQ(liste[42], 'z');
    EXPECT_EQ(liste[58], 'y');
    liste.layoutAnwenden(Tastaturlayout::USA);
    EXPECT_EQ(liste[42], 'y');
    EXPECT_EQ(liste[43], 'Y');
    EXPECT_EQ(liste[58], 'z');
    EXPECT_EQ(liste[59], 'Z');
}

TEST(Buchstabenliste, IndexVon) {
    Buchstabenliste liste;
    EXPECT_EQ(liste.indexVon('a'), 0);
    EXPECT_EQ(liste.indexVon(' '), 8);
    EXPECT_EQ(liste.indexVon('\r'), 13);
    EXPECT_EQ(liste.indexVon('\xF6'), 7);
    EXPECT_EQ(liste.indexVon('0'), 86);
    EXPECT_EQ(liste.indexVon('#'), -1);
    EXPECT_EQ(liste.indexVon('\0'), -1);
    liste.layoutAnwenden(Tastaturlayout::USA);
    EXPECT_EQ(liste.indexVon('#'), 68);
    EXPECT_EQ(liste.indexVon('\xF6'), -1);
    // The US sequence holds ; : and _ twice; the first place counts.
    EXPECT_EQ(liste.indexVon(';'), 7);
    EXPECT_EQ(liste.indexVon(':'), 29);
    EXPECT_EQ(liste.indexVon('_'), 61);
}
