// The finger map of the statistics and the colour groups of the demanded character, for every layout,
// checked character by character against the tables written out as Windows-1252 bytes.
#include "keyboard/fingerkarte.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

using namespace tastwerk;

namespace {

constexpr std::array<Tastaturlayout, LayoutAnzahl> Layouts = {Tastaturlayout::Deutsch,
                                                              Tastaturlayout::Schweiz, Tastaturlayout::USA};

using Spalten = std::array<std::string_view, LayoutAnzahl>;

// Per finger group: Deutsch, Schweiz, USA.
const std::array<Spalten, FingergruppenAnzahl> Fingertabelle = {{
    {"!1<>AQYaqy\xB0", "+1<>AQYaqy\xB0", "!1AQZ\\aqz~"},
    {"2SWXswx\"", "2SWXswx\"", "2SWXswx@"},
    {"3CDEcde\xA7", "*3CDEcde", "#3CDEcde"},
    {"$%45BFGRTVbfgrtv", "%45BFGRTVbfgrtv\xE7", "$%45BFGRTVbfgrtv"},
    {" ", " ", " "},
    {"#-?P_p\xC4\xD6\xDC\xE4\xF6\xFC", "$-?P_p\xE0\xE4\xE8\xE9\xF6\xFC", "'/:;?P[\\_p{\""},
    {".0:=LOlo", ".0:=LOlo", ").0>LOlo"},
    {"),9;IKik", "),9;IKik", "(,9<IKik"},
    {"(/78HJMNUZhjmnuz", "(/78HJMNUZhjmnuz", "&*78HJMNUYhjmnuy"},
}};

// Per colour group, in the order of the tests.
const std::array<Spalten, FarbgruppenAnzahl> Farbtabelle = {{
    {"\r!-12?APQY_apqy\xC4\xD6\xDC\xDF\xE4\xF6\xFC\"",
     "\r!$-12?APQY_apqy\xA7\xC4\xD6\xDC\xDF\xE0\xE4\xE8\xE9\xF6\xFC\"", "\r!'-/12:;?APQZ[_apqz{}\"@"},
    {".03:=LOSWXloswx\xA7", "*.03:=LOSWXloswx", "#).03>LOSWXloswx"},
    {"$),49;CDEIKcdeik", "),49;CDEIKcdeik", "$(,49<CDEIKcdeik"},
    {"%&(/5678BFGHJMNRTUVZbfghjmnrtuvz", "%&(/5678BFGHJMNRTUVZbfghjmnrtuvz",
     "%&*5678BFGHJMNRTUVY^bfghjmnrtuvy"},
    {" ", " ", " "},
}};

bool enthaelt(std::string_view menge, int z) {
    return z != 0 && menge.find(static_cast<char>(z)) != std::string_view::npos;
}

std::vector<Fingergruppe> alsListe(const Fingergruppen& g) {
    return {g.begin(), g.end()};
}

std::vector<Fingergruppe> finger(Tastaturlayout l, char z) {
    return alsListe(fingerbestimmen(l, static_cast<Zeichen>(z)));
}

} // namespace

TEST(Fingerkarte, JedesZeichenJedesLayoutsWieDieTabelle) {
    for (Tastaturlayout l : Layouts) {
        const auto spalte = static_cast<std::size_t>(l);
        for (int z = 0; z < 256; ++z) {
            std::vector<Fingergruppe> erwartet;
            for (std::size_t g = 0; g < Fingertabelle.size(); ++g) {
                if (enthaelt(Fingertabelle[g][spalte], z)) {
                    erwartet.push_back(static_cast<Fingergruppe>(g + 1));
                }
            }
            const Fingergruppen ist = fingerbestimmen(l, static_cast<Zeichen>(z));
            EXPECT_EQ(alsListe(ist), erwartet) << "layout " << spalte << ", character " << z;
            EXPECT_EQ(ist.anzahl(), static_cast<int>(erwartet.size()));
            EXPECT_EQ(ist.leer(), erwartet.empty());
        }
    }
}

TEST(Fingerkarte, UsBackslashZaehltFuerBeideKleinenFinger) {
    const Fingergruppen g = fingerbestimmen(Tastaturlayout::USA, '\\');
    EXPECT_EQ(alsListe(g),
              (std::vector{Fingergruppe::LinkerKleinerFinger, Fingergruppe::RechterKleinerFinger}));
    EXPECT_TRUE(g.enthaelt(Fingergruppe::RechterKleinerFinger));
    EXPECT_FALSE(g.enthaelt(Fingergruppe::Daumen));
    EXPECT_TRUE(fingerbestimmen(Tastaturlayout::Deutsch, '\\').leer());
}

TEST(Fingerkarte, ZeichenOhneFinger) {
    for (Tastaturlayout l : Layouts) {
        EXPECT_TRUE(finger(l, '6').empty());
        EXPECT_TRUE(finger(l, '\r').empty());
    }
    EXPECT_TRUE(finger(Tastaturlayout::Deutsch, '&').empty());
    for (char z : {'!', '\xA7', '&'}) {
        EXPECT_TRUE(finger(Tastaturlayout::Schweiz, z).empty()) << z;
    }
    EXPECT_TRUE(finger(Tastaturlayout::USA, '^').empty());
    EXPECT_TRUE(finger(Tastaturlayout::USA, '-').empty());
}

TEST(Fingerkarte, LeertasteNurDaumen) {
    for (Tastaturlayout l : Layouts) {
        EXPECT_EQ(finger(l, ' '), std::vector{Fingergruppe::Daumen});
    }
}

TEST(Fingerkarte, UsVertauschtYUndZ) {
    EXPECT_EQ(finger(Tastaturlayout::USA, 'y'), std::vector{Fingergruppe::RechterZeigefinger});
    EXPECT_EQ(finger(Tastaturlayout::USA, 'z'), std::vector{Fingergruppe::LinkerKleinerFinger});
    EXPECT_EQ(finger(Tastaturlayout::USA, 'x'), std::vector{Fingergruppe::LinkerRingfinger});
    EXPECT_EQ(finger(Tastaturlayout::Deutsch, 'z'), std::vector{Fingergruppe::RechterZeigefinger});
    EXPECT_EQ(finger(Tastaturlayout::Deutsch, 'y'), std::vector{Fingergruppe::LinkerKleinerFinger});
}

TEST(Farbgruppen, JedesZeichenJedesLayoutsWieDieTabelleLetzterTrefferGilt) {
    for (Tastaturlayout l : Layouts) {
        const auto spalte = static_cast<std::size_t>(l);
        for (int z = 0; z < 256; ++z) {
            std::optional<Farbgruppe> erwartet;
            for (std::size_t g = 0; g < Farbtabelle.size(); ++g) {
                if (enthaelt(Farbtabelle[g][spalte], z)) {
                    erwartet = static_cast<Farbgruppe>(g + 1);
                }
            }
            EXPECT_EQ(farbgruppebestimmen(l, static_cast<Zeichen>(z)), erwartet)
                << "layout " << spalte << ", character " << z;
        }
    }
}

TEST(Farbgruppen, BesondereZeichen) {
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::Deutsch, ';'), Farbgruppe::Mittelfinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::Schweiz, ';'), Farbgruppe::Mittelfinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::USA, ','), Farbgruppe::Mittelfinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::USA, '<'), Farbgruppe::Mittelfinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::USA, ';'), Farbgruppe::KleinerFinger);
    for (Tastaturlayout l : Layouts) {
        EXPECT_EQ(farbgruppebestimmen(l, '\r'), Farbgruppe::KleinerFinger);
        EXPECT_EQ(farbgruppebestimmen(l, ' '), Farbgruppe::Daumen);
        EXPECT_EQ(farbgruppebestimmen(l, '~'), std::nullopt);
    }
    // § is the ring finger's in German, the little finger's in Swiss, and nobody's in US.
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::Deutsch, '\xA7'), Farbgruppe::Ringfinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::Schweiz, '\xA7'), Farbgruppe::KleinerFinger);
    EXPECT_EQ(farbgruppebestimmen(Tastaturlayout::USA, '\xA7'), std::nullopt);
}
