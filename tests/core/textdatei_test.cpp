#include "practice/textdatei.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace tastwerk;
using tastwerk::test::TempOrdner;

namespace {

void bytesSchreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream aus(pfad, std::ios::binary);
    aus << inhalt;
}

std::string bytesLesen(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

std::set<std::string> eintraege(const std::string& ordner) {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner)) {
        namen.insert(e.path().filename().string());
    }
    return namen;
}

// Reads the file, passes the text through the editor and writes it back unchanged.
std::string ueberDenEditorZurueck(const TempOrdner& ordner, const std::string& inhalt) {
    const std::string pfad = ordner.datei("TEXT.TXT");
    bytesSchreiben(pfad, inhalt);
    const EigenerText gelesen = textdateiLesen(pfad);
    textdateiSchreiben(pfad, textAusEditor(editortext(gelesen), gelesen.kodierung, gelesen.bom));
    return bytesLesen(pfad);
}

} // namespace

TEST(TextdateiVorschau, LangeZeilenZaehlenHoechstens120Zeichen) {
    EigenerText text;
    text.zeilen = {"abc", std::string(200, 'x'), "", std::string(120, 'y'), std::string(121, 'z')};
    const Vorschauzahlen zahlen = vorschauZaehlen(text);
    EXPECT_EQ(zahlen.textzeilen, 5u);
    EXPECT_EQ(zahlen.textzeichen, 3u + 120 + 0 + 120 + 120);
    EXPECT_EQ(vorschauBeschriftung(zahlen), "Zeilen: 5   Zeichen: 363");
}

TEST(TextdateiVorschau, ZaehltZeichenNichtBytes) {
    std::string umlaute;
    for (int i = 0; i < 130; ++i) {
        umlaute += "ä";
    }
    const EigenerText text = textAusBytes("Grüße\r\n" + umlaute + "\r\n€😀");
    const Vorschauzahlen zahlen = vorschauZaehlen(text);
    EXPECT_EQ(zahlen.textzeilen, 3u);
    EXPECT_EQ(zahlen.textzeichen, 5u + 120 + 2);
}

TEST(TextdateiVorschau, LeereDateiHatEineZeileOhneZeichen) {
    TempOrdner ordner;
    bytesSchreiben(ordner.datei("LEER.TXT"), "");
    const EigenerText text = textdateiLesen(ordner.datei("LEER.TXT"));
    ASSERT_EQ(text.zeilen.size(), 1u);
    EXPECT_EQ(text.zeilen[0], "");
    EXPECT_EQ(vorschauZaehlen(text).textzeilen, 1u);
    EXPECT_EQ(vorschauZaehlen(text).textzeichen, 0u);
    EXPECT_EQ(vorschauZaehlen(textAusEditor("")).textzeilen, 1u);
    EXPECT_EQ(ueberDenEditorZurueck(ordner, ""), "");
}

TEST(TextdateiZeilen, ZeilenumbruecheAllerArtenWerdenRichtigGelesen) {
    struct Fall {
        std::string inhalt;
        std::vector<std::string> zeilen;
        bool schlussumbruch;
    };
    const std::vector<Fall> faelle = {
        {"eins\r\nzwei\r\n", {"eins", "zwei"}, true},
        {"eins\r\nzwei", {"eins", "zwei"}, false},
        {"eins\nzwei\n", {"eins", "zwei"}, true},
        {"eins\rzwei\r", {"eins", "zwei"}, true},
        {"eins\n\nzwei", {"eins", "", "zwei"}, false},
        {"eins\r\n\r\n", {"eins", ""}, true},
        {"\r\n", {""}, true},
        {"\n\r", {"", ""}, true},
        {"eins\r\nzwei\ndrei\rvier", {"eins", "zwei", "drei", "vier"}, false},
    };
    for (const auto& fall : faelle) {
        const EigenerText text = textAusBytes(fall.inhalt);
        EXPECT_EQ(text.zeilen, fall.zeilen) << fall.inhalt;
        EXPECT_EQ(text.schlussumbruch, fall.schlussumbruch) << fall.inhalt;
        // The editor holds the same lines as the file.
        EXPECT_EQ(textAusEditor(editortext(text)).zeilen, fall.zeilen) << fall.inhalt;
    }
}

TEST(TextdateiZeilen, NurLfDateiWirdMitCrLfZurueckgeschrieben) {
    TempOrdner ordner;
    EXPECT_EQ(ueberDenEditorZurueck(ordner, "Hallo Welt\nzweite Zeile\n"), "Hallo Welt\r\nzweite Zeile\r\n");
}

TEST(TextdateiKodierung, Utf8MitUndOhneBomKommtByteFuerByteZurueck) {
    TempOrdner ordner;
    const std::string ohneBom = "Äpfel über Öl\r\nSüßes Größe\r\n\r\nletzte Zeile ohne Umbruch";
    for (const std::string& inhalt : {ohneBom, "\xEF\xBB\xBF" + ohneBom, std::string("\xEF\xBB\xBF")}) {
        const EigenerText text = textAusBytes(inhalt);
        EXPECT_EQ(text.kodierung, Textkodierung::Utf8);
        EXPECT_EQ(text.bom, inhalt.starts_with("\xEF\xBB\xBF"));
        EXPECT_TRUE(text.nichtDarstellbar.empty());
        EXPECT_EQ(ueberDenEditorZurueck(ordner, inhalt), inhalt);
    }
    const EigenerText text = textAusBytes("\xEF\xBB\xBF" + ohneBom);
    ASSERT_EQ(text.zeilen.size(), 4u);
    EXPECT_EQ(text.zeilen[0], "Äpfel über Öl"); // without the byte-order mark
    EXPECT_EQ(text.zeilen[1], "Süßes Größe");
}

TEST(TextdateiKodierung, Windows1252KommtByteFuerByteZurueck) {
    TempOrdner ordner;
    const std::string inhalt = "Gr\xFC\xDF"
                               "e aus K\xF6ln\r\n\x80 5,- \x84zitiert\x93\r\n";
    const EigenerText text = textAusBytes(inhalt);
    EXPECT_EQ(text.kodierung, Textkodierung::Windows1252);
    EXPECT_FALSE(text.bom);
    ASSERT_EQ(text.zeilen.size(), 2u);
    EXPECT_EQ(text.zeilen[0], "Grüße aus Köln");
    EXPECT_EQ(text.zeilen[1], "€ 5,- „zitiert“");
    EXPECT_EQ(ueberDenEditorZurueck(ordner, inhalt), inhalt);

    // Every byte but the line breaks, the five unassigned ones included, survives the round trip.
    std::string alle;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            alle.push_back(static_cast<char>(b));
        }
    }
    EXPECT_EQ(textAusBytes(alle).kodierung, Textkodierung::Windows1252);
    EXPECT_EQ(ueberDenEditorZurueck(ordner, alle), alle);
}

TEST(TextdateiKodierung, ReinesAsciiUndKaputtesUtf8GeltenAlsWindows1252) {
    EXPECT_EQ(textAusBytes("nur ASCII\r\n").kodierung, Textkodierung::Windows1252);
    // A byte-order mark before bytes that are not UTF-8 is three Windows-1252 characters.
    const EigenerText kaputt = textAusBytes("\xEF\xBB\xBF"
                                            "K\xF6ln");
    EXPECT_EQ(kaputt.kodierung, Textkodierung::Windows1252);
    EXPECT_EQ(kaputt.zeilen[0], "ï»¿Köln");
}

TEST(TextdateiZeichensatz, ZeichenOhneWindows1252WerdenGemeldetUndNieVerloren) {
    TempOrdner ordner;
    const std::string pfad = ordner.datei("PFEILE.TXT");
    const std::string inhalt = "links ← rechts →\r\n😀 und noch einmal →\r\n";
    bytesSchreiben(pfad, inhalt);
    const EigenerText text = textdateiLesen(pfad);
    EXPECT_EQ(text.kodierung, Textkodierung::Utf8);
    EXPECT_EQ(text.nichtDarstellbar, (std::vector<std::string>{"←", "→", "😀"}));
    EXPECT_FALSE(zeilenInWindows1252(text).has_value());
    EXPECT_EQ(nichtDarstellbareZeichen("€ Ä ß ‰ Ÿ"), std::vector<std::string>{});

    // Saved in its own encoding, nothing is lost.
    textdateiSchreiben(pfad, text);
    EXPECT_EQ(bytesLesen(pfad), inhalt);

    // Into a Windows-1252 file it is refused, and the file keeps its old content.
    const std::string alt = "alter Inhalt\r\n";
    bytesSchreiben(pfad, alt);
    const EigenerText neu = textAusEditor(editortext(text), Textkodierung::Windows1252);
    EXPECT_EQ(neu.nichtDarstellbar, text.nichtDarstellbar);
    try {
        textdateiSchreiben(pfad, neu);
        FAIL() << "written without complaint";
    } catch (const Zeichensatzfehler& f) {
        EXPECT_EQ(f.zeichen(), text.nichtDarstellbar);
        EXPECT_NE(std::string(f.what()).find("\"→\""), std::string::npos) << f.what();
    }
    EXPECT_EQ(bytesLesen(pfad), alt);
    EXPECT_EQ(eintraege(ordner.pfad()), std::set<std::string>{"PFEILE.TXT"});
}

TEST(TextdateiZeichensatz, UebungszeilenSindWindows1252) {
    const EigenerText text = textAusBytes("Grüße\r\n€");
    const auto zeilen = zeilenInWindows1252(text);
    ASSERT_TRUE(zeilen.has_value());
    EXPECT_EQ(*zeilen, (std::vector<std::string>{"Gr\xFC\xDF"
                                                 "e",
                                                 "\x80"}));
}

TEST(TextdateiSpeichern, NeuerTextWirdWindows1252MitCrLf) {
    TempOrdner ordner;
    const std::string pfad = ordner.datei("NEU.TXT");
    textdateiSchreiben(pfad, textAusEditor("Grüße\nzweite"));
    EXPECT_EQ(bytesLesen(pfad), "Gr\xFC\xDF"
                                "e\r\nzweite");
}

TEST(TextdateiSpeichern, FehlgeschlagenesSpeichernLaesstNichtsZurueck) {
    TempOrdner ordner;
    const EigenerText text = textAusEditor("Text\n");

    EXPECT_THROW(textdateiSchreiben(ordner.datei("fehlt/TEXT.TXT"), text), Dateifehler);
    EXPECT_TRUE(eintraege(ordner.pfad()).empty());

    // The target name is a folder: it and its content stay, and no temporary file is left beside it.
    std::filesystem::create_directory(ordner.datei("ORDNER.TXT"));
    bytesSchreiben(ordner.datei("ORDNER.TXT/drin"), "drin");
    EXPECT_THROW(textdateiSchreiben(ordner.datei("ORDNER.TXT"), text), Dateifehler);
    EXPECT_TRUE(std::filesystem::is_directory(ordner.datei("ORDNER.TXT")));
    EXPECT_EQ(bytesLesen(ordner.datei("ORDNER.TXT/drin")), "drin");
    EXPECT_EQ(eintraege(ordner.pfad()), std::set<std::string>{"ORDNER.TXT"});
}

TEST(TextdateiLesen, FehlendeDateiOderOrdnerWirftDateifehler) {
    TempOrdner ordner;
    EXPECT_THROW(textdateiLesen(ordner.datei("GIBTSNICHT.TXT")), Dateifehler);
    EXPECT_THROW(textdateiLesen(ordner.pfad()), Dateifehler);
}
