#include "practice/klangdateien.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

using namespace tastwerk;

namespace {

// The letter sequence of the course under each layout, index 0..86, as Windows-1252 bytes.
const std::string FolgeDeutsch = std::string("asdfjkl\xF6 ghei\r,ruwo.qpASDFJKL") + "\xD6" + "GHEIRUWOQP" +
                                 "tT" + "zZ" + "vVmMbBnNcC;xX:" + "yY" + "-_" + "\xFC\xDC\xE4\xC4" +
                                 "!\"\xA7$%&/()=?" + "1234567890";
const std::string FolgeSchweiz = std::string("asdfjkl\xF6 ghei\r,ruwo.qpASDFJKL") + "\xE9" + "GHEIRUWOQP" +
                                 "tT" + "zZ" + "vVmMbBnNcC;xX:" + "yY" + "-_" + "\xFC\xE8\xE4\xE0" +
                                 "!\"\xA7$%&/()=?" + "1234567890";
const std::string FolgeUSA = std::string("asdfjkl; ghei\r,ruwo.qpASDFJKL") + ":" + "GHEIRUWOQP" + "tT" +
                             "yY" + "vVmMbBnNcC;xX:" + "zZ" + "-_" + "[{'\"" + "!@#$%^&*()_" + "1234567890";

struct Layoutfolge {
    const char* name;
    const std::string& folge;
};
const Layoutfolge Folgen[] = {{"German", FolgeDeutsch}, {"Swiss", FolgeSchweiz}, {"US", FolgeUSA}};

// The sounds as the program in the build tree finds them: ../share/tastwerk/klaenge beside the test program.
std::filesystem::path klangordner() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "share" / "tastwerk" /
           "klaenge";
}

std::string inhalt(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

std::uint32_t le(const std::string& d, std::size_t ort, int breite) {
    std::uint32_t wert = 0;
    for (int i = breite - 1; i >= 0; --i) {
        wert = (wert << 8) | static_cast<unsigned char>(d[ort + i]);
    }
    return wert;
}

struct Wellenform {
    bool gueltig = false;
    std::uint32_t format = 0, kanaele = 0, rate = 0, bits = 0, datenbytes = 0;
};

// Reads the "fmt " and "data" chunks of a RIFF WAVE file.
Wellenform wellenform(const std::string& d) {
    Wellenform w;
    if (d.size() < 12 || d.compare(0, 4, "RIFF") != 0 || d.compare(8, 4, "WAVE") != 0) {
        return w;
    }
    bool fmt = false;
    for (std::size_t ort = 12; ort + 8 <= d.size();) {
        const std::string id = d.substr(ort, 4);
        const std::uint32_t laenge = le(d, ort + 4, 4);
        if (id == "fmt " && laenge >= 16 && ort + 24 <= d.size()) {
            w.format = le(d, ort + 8, 2);
            w.kanaele = le(d, ort + 10, 2);
            w.rate = le(d, ort + 12, 4);
            w.bits = le(d, ort + 22, 2);
            fmt = true;
        } else if (id == "data") {
            w.datenbytes = laenge;
            w.gueltig = fmt && ort + 8 + laenge <= d.size();
            return w;
        }
        ort += 8 + laenge + (laenge & 1);
    }
    return w;
}

} // namespace

TEST(Klangdateien, JedesZeichenDerDreiLayoutsHatSeineDatei) {
    for (const Layoutfolge& l : Folgen) {
        ASSERT_EQ(l.folge.size(), 87u) << l.name;
        for (std::size_t i = 0; i < l.folge.size(); ++i) {
            EXPECT_FALSE(klangdatei(static_cast<Zeichen>(l.folge[i])).empty()) << l.name << " index " << i;
        }
    }
    EXPECT_EQ(klangdatei(ZeichenLeertaste), "leer.wav");
    EXPECT_EQ(klangdatei(ZeichenReturn), "return.wav");
    EXPECT_EQ(klangdatei(0xF6), "oe.wav");
    EXPECT_EQ(klangdatei(','), "Komma.wav");
}

TEST(Klangdateien, GrossbuchstabenSprechenDieDateiIhresKleinbuchstabens) {
    // German: A-Z and Ä Ö Ü; Swiss: é è à take the places of Ö Ü Ä; US: A-Z alone.
    const std::map<std::string, int> erwarteteGrossbuchstaben = {{"German", 29}, {"Swiss", 26}, {"US", 26}};
    for (const Layoutfolge& l : Folgen) {
        int grosse = 0;
        for (const char c : l.folge) {
            const auto z = static_cast<Zeichen>(c);
            if (istGrossbuchstabe(z)) {
                ++grosse;
                EXPECT_EQ(klangdatei(z), klangdatei(static_cast<Zeichen>(z + 32))) << l.name << " " << c;
            }
        }
        EXPECT_EQ(grosse, erwarteteGrossbuchstaben.at(l.name)) << l.name;
    }
    EXPECT_EQ(klangdatei(0xC4), "ae.wav");
    EXPECT_EQ(klangdatei(0xDC), "ue.wav");
    // Shifted signs and accented small letters are no capitals and speak for themselves.
    for (const Zeichen z :
         {Zeichen(':'), Zeichen('{'), Zeichen('_'), Zeichen('"'), Zeichen(0xA7), Zeichen(0xE8), Zeichen(0xE0),
          Zeichen(0xE9), Zeichen('a'), Zeichen(ZeichenReturn)}) {
        EXPECT_FALSE(istGrossbuchstabe(z)) << int(z);
    }
    EXPECT_EQ(klangdatei('{'), "GeschweifteKlammerAuf.wav");
    EXPECT_NE(klangdatei('{'), klangdatei('['));
}

TEST(Klangdateien, VerschiedeneZeichenKlingenVerschieden) {
    std::map<std::string, Zeichen> sprecher;
    for (const Layoutfolge& l : Folgen) {
        for (const char c : l.folge) {
            auto z = static_cast<Zeichen>(c);
            if (istGrossbuchstabe(z)) {
                z = static_cast<Zeichen>(z + 32);
            }
            const auto [ort, neu] = sprecher.emplace(klangdatei(z), z);
            EXPECT_EQ(ort->second, z) << ort->first << " speaks two characters";
        }
    }
    // Every small letter, digit and sign of the three layouts: 26 + 3 umlauts + 3 accented letters +
    // space and Return + 17 German signs + 7 US signs + 10 digits.
    EXPECT_EQ(sprecher.size(), 68u);
}

TEST(Klangdateien, ZeichenAusserhalbDesKursesHabenKeineDatei) {
    for (const Zeichen z : {Zeichen(0), Zeichen('+'), Zeichen('<'), Zeichen('~'), Zeichen(0xDF),
                            Zeichen(0x80), Zeichen(0xFF), Zeichen(ZeichenStartaufforderung)}) {
        EXPECT_EQ(klangdatei(z), "") << int(z);
        EXPECT_FALSE(istGrossbuchstabe(z)) << int(z);
    }
    EXPECT_FALSE(istGrossbuchstabe(0xD7)); // the multiplication sign lies among the capitals
}

TEST(Klangdateien, GrossesDateienEinsBisDrei) {
    EXPECT_EQ(grossesDatei(1), "Grosses1.wav");
    EXPECT_EQ(grossesDatei(2), "Grosses2.wav");
    EXPECT_EQ(grossesDatei(3), "Grosses3.wav");
    EXPECT_EQ(grossesDatei(0), "");
    EXPECT_EQ(grossesDatei(4), "");
}

TEST(Klangdateien, ListeNenntJedeDateiEinmalMitAsciiNamen) {
    const std::vector<std::string> liste = alleKlangdateien();
    const std::set<std::string> menge(liste.begin(), liste.end());
    EXPECT_EQ(menge.size(), liste.size()) << "a file is named twice";
    for (const std::string& name : liste) {
        ASSERT_GT(name.size(), 4u);
        EXPECT_EQ(name.substr(name.size() - 4), ".wav") << name;
        for (const char c : name) {
            EXPECT_TRUE(c > 0x20 && c < 0x7F && c != '/' && c != '\\') << name;
        }
    }
    for (const char* pflicht : {"Fehler.wav", "beifall1.wav", "Grosses1.wav", "Grosses3.wav"}) {
        EXPECT_TRUE(menge.count(pflicht)) << pflicht;
    }
    for (int z = 0; z < 256; ++z) {
        const std::string datei = klangdatei(static_cast<Zeichen>(z));
        EXPECT_TRUE(datei.empty() || menge.count(datei)) << datei << " is missing from the list";
    }
}

TEST(Klangdateien, JedeGenannteDateiLiegtAlsKleineWelleInAssets) {
    const std::filesystem::path ordner = klangordner();
    ASSERT_TRUE(std::filesystem::is_directory(ordner)) << ordner;
    const std::vector<std::string> liste = alleKlangdateien();
    std::uintmax_t gesamt = 0;
    for (const std::string& name : liste) {
        const std::filesystem::path pfad = ordner / name;
        ASSERT_TRUE(std::filesystem::is_regular_file(pfad)) << pfad;
        const Wellenform w = wellenform(inhalt(pfad));
        ASSERT_TRUE(w.gueltig) << name;
        EXPECT_EQ(w.format, 1u) << name << ": not PCM";
        EXPECT_EQ(w.kanaele, 1u) << name;
        EXPECT_EQ(w.bits, 16u) << name;
        EXPECT_TRUE(w.rate == 16000 || w.rate == 22050) << name << ": " << w.rate;
        const double sekunden = w.datenbytes / 2.0 / w.rate;
        EXPECT_GT(sekunden, 0.1) << name;
        EXPECT_LT(sekunden, 2.5) << name;
        gesamt += std::filesystem::file_size(pfad);
    }
    EXPECT_LT(gesamt, 2u * 1024 * 1024);

    // The error sound is short; the applause lasts a while.
    const Wellenform fehler = wellenform(inhalt(ordner / "Fehler.wav"));
    const Wellenform beifall = wellenform(inhalt(ordner / "beifall1.wav"));
    EXPECT_LT(fehler.datenbytes / 2.0 / fehler.rate, 0.25);
    EXPECT_GT(beifall.datenbytes / 2.0 / beifall.rate, 1.4);

    // No stray files that nothing plays.
    const std::set<std::string> menge(liste.begin(), liste.end());
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        if (eintrag.path().extension() == ".wav") {
            EXPECT_TRUE(menge.count(eintrag.path().filename().string()))
                << eintrag.path() << " is never played";
        }
    }
}
