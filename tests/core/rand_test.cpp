#include "platform/datentraeger.h"
#include "platform/zahlformat.h"
#include "platform/zeichensatz.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace tastwerk;

TEST(Zeichensatz, JedesByteKommtUnveraendertZurueck) {
    for (int b = 0; b < 256; ++b) {
        const auto z = static_cast<Zeichen>(b);
        const auto zurueck = ausUnicode(alsUnicode(z));
        ASSERT_TRUE(zurueck.has_value()) << b;
        EXPECT_EQ(*zurueck, z) << b;
    }
    std::string alle;
    for (int b = 1; b < 256; ++b) {
        alle.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(utf8ZuCp1252(cp1252ZuUtf8(alle)), alle);
}

TEST(Zeichensatz, UmlauteUndEuroWerdenEinzelneBytes) {
    EXPECT_EQ(utf8ZuCp1252("Jürgen Öß €"), std::string("J\xFCrgen \xD6\xDF \x80"));
    EXPECT_EQ(cp1252ZuUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\xA7\xB0"), "äöüÄÖÜß§°");
}

TEST(Zeichensatz, WasWindows1252NichtHaltenKannWirdAbgewiesen) {
    EXPECT_FALSE(utf8ZuCp1252("Łódź").has_value());
    EXPECT_FALSE(utf8ZuCp1252("😀").has_value());
    EXPECT_FALSE(ausUnicode(0x0141).has_value());
    EXPECT_FALSE(utf8ZuCp1252("\xC3").has_value());     // cut sequence
    EXPECT_FALSE(utf8ZuCp1252("\xC0\xAF").has_value()); // overlong
    EXPECT_FALSE(istGueltigesUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_TRUE(istGueltigesUtf8("Grüße"));
    EXPECT_FALSE(istGueltigesUtf8("Gr\xFC\xDF"));
}

TEST(Zeichensatz, GrossbuchstabenNachDenRegelnVonWindows1252) {
    EXPECT_EQ(grossbuchstabe('a'), 'A');
    EXPECT_EQ(grossbuchstabe(0xE4), 0xC4); // ä
    EXPECT_EQ(grossbuchstabe(0xFC), 0xDC); // ü
    EXPECT_EQ(grossbuchstabe(0x9A), 0x8A); // š
    EXPECT_EQ(grossbuchstabe(0xFF), 0x9F); // ÿ
    EXPECT_EQ(grossbuchstabe(0xDF), 0xDF); // ß stays
    EXPECT_EQ(grossbuchstabe(0xB5), 0xB5); // µ stays
    EXPECT_EQ(grossbuchstabe(0xF7), 0xF7); // ÷ is no letter
    EXPECT_EQ(grossbuchstabe('1'), '1');
}

TEST(Zahlformat, PunktAlsDezimaltrennerUndFesteBreite) {
    EXPECT_EQ(festkomma(3.5, 1, 3), "3.5");
    EXPECT_EQ(festkomma(2.5, 2, 5), " 2.50");
    EXPECT_EQ(festkomma(100, 2, 5), "100.00");
    EXPECT_EQ(festkomma(0.3, 1, 4), " 0.3");
    EXPECT_EQ(festkomma(0, 2, 5), " 0.00");
    EXPECT_EQ(rechtsbuendig(1, 3), "  1");
    EXPECT_EQ(rechtsbuendig(16, 3), " 16");
    EXPECT_EQ(rechtsbuendig(1234, 3), "1234");
}

TEST(Datentraeger, FreierPlatzIn64BitUndUnlesbaresIstNichtVoll) {
    test::FesterDatentraeger d;
    d.frei = 2047;
    EXPECT_TRUE(zuWenigSpeicher(d, "/"));
    d.frei = 2048;
    EXPECT_FALSE(zuWenigSpeicher(d, "/"));
    d.frei = 64ull * 1024 * 1024 * 1024 * 1024 + 1023; // 64 TiB would wrap a 16-bit count of KByte
    EXPECT_FALSE(zuWenigSpeicher(d, "/"));
    EXPECT_EQ(freieKByte(d, "/"), 64ull * 1024 * 1024 * 1024);
    d.frei.reset();
    EXPECT_FALSE(zuWenigSpeicher(d, "/"));
    EXPECT_FALSE(freieKByte(d, "/").has_value());
}
