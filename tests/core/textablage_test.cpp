// Where the own texts lie and what a save of the editor's text writes: the folder of the dialogs, the
// extension of a new file, when the learner is asked before a file is replaced, and the encoding a
// changed file is written back in.
#include "practice/textdatei.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tastwerk;
using tastwerk::test::TempOrdner;

namespace {

void bytesSchreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

std::string bytesLesen(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

struct Endungsfall {
    const char* name;
    const char* gewaehlt;
    const char* gespeichert;
};

void PrintTo(const Endungsfall& f, std::ostream* aus) {
    *aus << f.name;
}

class NeuerTextEndung : public ::testing::TestWithParam<Endungsfall> {};

// A program folder with its folder "Texte".
struct Ablage {
    TempOrdner ordner;
    std::string programmordner = ordner.pfad();
    std::string texte = ordner.datei("Texte");
    Textablage ablage{programmordner};

    Ablage() { std::filesystem::create_directory(texte); }
    std::string datei(const std::string& name) const { return texte + "/" + name; }
};

} // namespace

TEST_P(NeuerTextEndung, NameOhneEndungBekommtTxt) {
    EXPECT_EQ(mitTextendung(GetParam().gewaehlt), GetParam().gespeichert);
}

INSTANTIATE_TEST_SUITE_P(
    Namen, NeuerTextEndung,
    ::testing::Values(Endungsfall{"OhneEndung", "/t/brief", "/t/brief.TXT"},
                      Endungsfall{"PunktAmEnde", "/t/brief.", "/t/brief.TXT"},
                      Endungsfall{"ZweiPunkteAmEnde", "/t/brief..", "/t/brief..TXT"},
                      Endungsfall{"KleineEndungBleibt", "/t/brief.txt", "/t/brief.txt"},
                      Endungsfall{"FremdeEndungBleibt", "/t/brief.doc", "/t/brief.doc"},
                      Endungsfall{"PunktNurImOrdner", "/t/a.b/brief", "/t/a.b/brief.TXT"},
                      Endungsfall{"VersteckteDateiGiltAlsEndung", "/t/.notiz", "/t/.notiz"},
                      Endungsfall{"OhneOrdner", "brief", "brief.TXT"},
                      Endungsfall{"Umlaute",
                                  "/t/\xC3\xBC"
                                  "bung",
                                  "/t/\xC3\xBC"
                                  "bung.TXT"}),
    [](const ::testing::TestParamInfo<Endungsfall>& info) { return std::string(info.param.name); });

TEST(Texteordner, NurEinBestehenderOrdnerTexteZaehlt) {
    TempOrdner ordner;
    EXPECT_EQ(texteOrdner(ordner.pfad()), "") << "no folder: the dialogs open in their default folder";
    bytesSchreiben(ordner.datei("Texte"), "eine Datei, kein Ordner");
    EXPECT_EQ(texteOrdner(ordner.pfad()), "");
    std::filesystem::remove(ordner.datei("Texte"));
    std::filesystem::create_directory(ordner.datei("Texte"));
    EXPECT_EQ(texteOrdner(ordner.pfad()), ordner.datei("Texte"));
}

TEST(Textablage, TextAendernOeffnetImOrdnerDerZuletztGewaehltenDatei) {
    Ablage a;
    EXPECT_EQ(a.ablage.ordner(), a.texte);
    EXPECT_EQ(a.ablage.aendernOrdner(), a.texte);
    std::filesystem::create_directory(a.ordner.datei("woanders"));
    a.ablage.gewaehlt(a.ordner.datei("woanders/brief.TXT"));
    EXPECT_EQ(a.ablage.aendernOrdner(), a.ordner.datei("woanders"));
    // "Text üben" and a new text keep to the folder "Texte".
    EXPECT_EQ(a.ablage.ordner(), a.texte);

    // Another program folder, chosen while the program runs, is followed.
    TempOrdner anderer;
    std::filesystem::create_directory(anderer.datei("Texte"));
    a.programmordner = anderer.pfad();
    EXPECT_EQ(a.ablage.ordner(), anderer.datei("Texte"));
}

TEST(Textablage, NeuerTextFragtNurVorDemErsetzenEinerBestehendenDatei) {
    Ablage a;
    bytesSchreiben(a.datei("brief.TXT"), "alt\r\n");
    a.ablage.neuerText();
    ASSERT_TRUE(a.ablage.istNeuerText());

    const auto neu = a.ablage.neuesZiel(a.datei("neu"));
    EXPECT_EQ(neu.pfad, a.datei("neu.TXT"));
    EXPECT_FALSE(neu.ueberschreibenFragen);
    EXPECT_EQ(neu.kodierung, Textkodierung::Windows1252);

    // The extension is added before it is looked whether the file exists.
    const auto bestehend = a.ablage.neuesZiel(a.datei("brief"));
    EXPECT_EQ(bestehend.pfad, a.datei("brief.TXT"));
    EXPECT_TRUE(bestehend.ueberschreibenFragen);

    a.ablage.schreiben(neu, "Grüße\nzweite");
    EXPECT_EQ(bytesLesen(a.datei("neu.TXT")), "Gr\xFC\xDF"
                                              "e\r\nzweite");
    EXPECT_TRUE(a.ablage.aenderungsziel() == std::nullopt) << "a new text is never saved without a name";
}

TEST(Textablage, AenderungenGehenOhneFrageInDieGeleseneDateiInIhrerKodierung) {
    Ablage a;
    const std::string pfad = a.datei("utf8.TXT");
    bytesSchreiben(pfad, "\xEF\xBB\xBF"
                         "eins\r\n");
    a.ablage.aendernBeginnen();
    EXPECT_FALSE(a.ablage.istNeuerText());
    EXPECT_TRUE(a.ablage.aenderungsziel() == std::nullopt) << "nothing to save into before a file is read";
    a.ablage.aendernGeladen(pfad, textdateiLesen(pfad));
    EXPECT_EQ(a.ablage.geaenderteDatei(), pfad);
    EXPECT_EQ(a.ablage.textname(), "utf8.TXT");

    const auto ziel = a.ablage.aenderungsziel();
    ASSERT_TRUE(ziel.has_value());
    EXPECT_EQ(ziel->pfad, pfad);
    EXPECT_FALSE(ziel->ueberschreibenFragen);
    a.ablage.schreiben(*ziel, "eins\nzwei →\n");
    EXPECT_EQ(bytesLesen(pfad), "\xEF\xBB\xBF"
                                "eins\r\nzwei \xE2\x86\x92\r\n");
}

TEST(Textablage, Windows1252DateiMitFremdenZeichenWirdNurAlsUtf8GeschriebenUndBleibtEs) {
    Ablage a;
    const std::string pfad = a.datei("alt.TXT");
    bytesSchreiben(pfad, "Ma\xDF"
                         "e\r\n");
    a.ablage.aendernBeginnen();
    a.ablage.aendernGeladen(pfad, textdateiLesen(pfad));
    const auto ziel = a.ablage.aenderungsziel();
    ASSERT_TRUE(ziel.has_value());
    EXPECT_EQ(ziel->kodierung, Textkodierung::Windows1252);

    EXPECT_THROW(a.ablage.schreiben(*ziel, "Maße →"), Zeichensatzfehler);
    EXPECT_EQ(bytesLesen(pfad), "Ma\xDF"
                                "e\r\n")
        << "refused: the file is left as it was";

    a.ablage.schreiben(*ziel, "Maße →", true);
    EXPECT_EQ(bytesLesen(pfad), "Ma\xC3\x9F"
                                "e \xE2\x86\x92");
    // The next save keeps UTF-8, so the arrow is not refused again.
    const auto danach = a.ablage.aenderungsziel();
    ASSERT_TRUE(danach.has_value());
    EXPECT_EQ(danach->kodierung, Textkodierung::Utf8);
    EXPECT_FALSE(danach->bom);
}

TEST(Textablage, NurDieZuletztGeleseneDateiWirdGeaendert) {
    Ablage a;
    const std::string pfad = a.datei("text.TXT");
    bytesSchreiben(pfad, "eins\r\n");
    a.ablage.aendernBeginnen();
    a.ablage.aendernGeladen(pfad, textdateiLesen(pfad));

    // "Text ändern" once more, cancelled: the file read before is no longer the target.
    a.ablage.aendernBeginnen();
    EXPECT_TRUE(a.ablage.aenderungsziel() == std::nullopt);
    EXPECT_EQ(a.ablage.textname(), "text.TXT");

    // Nor after "Text üben".
    a.ablage.aendernGeladen(pfad, textdateiLesen(pfad));
    a.ablage.vorschauGeladen(a.datei("anderer.TXT"));
    EXPECT_TRUE(a.ablage.aenderungsziel() == std::nullopt);
    EXPECT_EQ(a.ablage.textname(), "anderer.TXT");

    // A new text has no file name.
    a.ablage.neuerText();
    EXPECT_EQ(a.ablage.textname(), "");
}

TEST(Zeichenaufzaehlung, ZehnZeichenWerdenGenanntDanachUndWeitere) {
    EXPECT_EQ(zeichenAufzaehlen({"\xE2\x86\x92", "\x7F"}), "\"\xE2\x86\x92\", U+007F (Löschzeichen)");
    std::vector<std::string> elf;
    for (char c = 'a'; c <= 'k'; ++c) {
        elf.emplace_back(1, c);
    }
    EXPECT_EQ(zeichenAufzaehlen(std::vector<std::string>(elf.begin(), elf.begin() + 10)),
              "\"a\", \"b\", \"c\", \"d\", \"e\", \"f\", \"g\", \"h\", \"i\", \"j\"");
    EXPECT_EQ(zeichenAufzaehlen(elf),
              "\"a\", \"b\", \"c\", \"d\", \"e\", \"f\", \"g\", \"h\", \"i\", \"j\" und weitere");
}
