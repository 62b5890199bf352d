#include "session/befehlszeile.h"
#include "session/startordner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace tastwerk;

namespace {

using Auftrag = Befehlszeile::Auftrag;

struct Aufruf {
    const char* name;
    std::vector<std::string> argumente;
    Auftrag auftrag;
    std::optional<std::string> ordner;
    bool benutzerordner;
    const char* fehlerEnthaelt; // for Auftrag::Fehler
};

class BefehlszeileTest : public ::testing::TestWithParam<Aufruf> {};

TEST_P(BefehlszeileTest, LiestOptionenNachGnuRegeln) {
    const Aufruf& a = GetParam();
    const Befehlszeile b = befehlszeileLesen(a.argumente);
    EXPECT_EQ(b.auftrag, a.auftrag) << b.fehler;
    if (a.auftrag == Auftrag::Fehler) {
        EXPECT_NE(b.fehler.find(a.fehlerEnthaelt), std::string::npos) << b.fehler;
        return;
    }
    EXPECT_EQ(b.ordner, a.ordner);
    EXPECT_EQ(b.benutzerordner, a.benutzerordner);
}

INSTANTIATE_TEST_SUITE_P(
    Aufrufe, BefehlszeileTest,
    ::testing::Values(
        Aufruf{"ohneArgumente", {}, Auftrag::Starten, std::nullopt, false, ""},
        Aufruf{"ordnerGetrennt", {"--ordner", "/k"}, Auftrag::Starten, "/k", false, ""},
        Aufruf{"ordnerMitGleich", {"--ordner=/k 1"}, Auftrag::Starten, "/k 1", false, ""},
        Aufruf{"ordnerKurz", {"-o", "k"}, Auftrag::Starten, "k", false, ""},
        Aufruf{"ordnerKurzAngehaengt", {"-ok"}, Auftrag::Starten, "k", false, ""},
        Aufruf{"ordnerAbgekuerzt", {"--ord", "/k"}, Auftrag::Starten, "/k", false, ""},
        Aufruf{"ordnerDerMitStrichBeginnt", {"--ordner", "-x"}, Auftrag::Starten, "-x", false, ""},
        Aufruf{"benutzerordner", {"--benutzerordner"}, Auftrag::Starten, std::nullopt, true, ""},
        Aufruf{"beides", {"--benutzerordner", "--ordner", "/k"}, Auftrag::Starten, "/k", true, ""},
        Aufruf{"hilfe", {"--help"}, Auftrag::Hilfe, std::nullopt, false, ""},
        Aufruf{"hilfeKurz", {"-h"}, Auftrag::Hilfe, std::nullopt, false, ""},
        Aufruf{"hilfeVorFehler", {"--help", "--gibtsnicht"}, Auftrag::Hilfe, std::nullopt, false, ""},
        Aufruf{"version", {"--version"}, Auftrag::Version, std::nullopt, false, ""},
        Aufruf{"versionKurz", {"-V"}, Auftrag::Version, std::nullopt, false, ""},
        Aufruf{"qtOptionenGehenDurch",
               {"-platform", "xcb", "-reverse", "-style=fusion", "--ordner", "/k"},
               Auftrag::Starten,
               "/k",
               false,
               ""},
        Aufruf{"unbekannteLangoption",
               {"--qmljsdebugger=port:1"},
               Auftrag::Fehler,
               std::nullopt,
               false,
               "unbekannte Option »--qmljsdebugger«"},
        Aufruf{"unbekannteKurzoption", {"-x"}, Auftrag::Fehler, std::nullopt, false, "ungültige Option »-x«"},
        Aufruf{"ordnerOhneWert", {"--ordner"}, Auftrag::Fehler, std::nullopt, false, "verlangt einen Ordner"},
        Aufruf{"ordnerLeer", {"--ordner="}, Auftrag::Fehler, std::nullopt, false, "verlangt einen Ordner"},
        Aufruf{"hilfeMitWert", {"--help=1"}, Auftrag::Fehler, std::nullopt, false, "erlaubt kein Argument"},
        Aufruf{"ueberzaehlig",
               {"Benutzer.dat"},
               Auftrag::Fehler,
               std::nullopt,
               false,
               "überzähliges Argument »Benutzer.dat«"},
        Aufruf{"nachDoppelstrich",
               {"--", "--help"},
               Auftrag::Fehler,
               std::nullopt,
               false,
               "überzähliges Argument »--help«"},
        Aufruf{"qtOptionOhneWert",
               {"-platform"},
               Auftrag::Fehler,
               std::nullopt,
               false,
               "verlangt ein Argument"}),
    [](const ::testing::TestParamInfo<Aufruf>& info) { return std::string(info.param.name); });

TEST(Befehlszeilentexte, SindDeutschUndOhneQtOptionen) {
    const std::string hilfe = hilfetext();
    EXPECT_EQ(hilfe.rfind("Aufruf: tastwerk [OPTION]...\n", 0), 0u);
    for (const char* teil :
         {"--ordner=ORDNER", "--benutzerordner", "TASTWERK_ORDNER", "--help", "--version"}) {
        EXPECT_NE(hilfe.find(teil), std::string::npos) << teil;
    }
    for (const char* qt : {"Usage", "-platform", "qmljsdebugger", "help-all"}) {
        EXPECT_EQ(hilfe.find(qt), std::string::npos) << qt;
    }
    EXPECT_EQ(versionstext("2.7.0"), "tastwerk 2.7.0\n");
    EXPECT_EQ(fehlertext("unbekannte Option »-x«"),
              "tastwerk: unbekannte Option »-x«\nWeitere Informationen mit »tastwerk --help«.\n");
}

// The environment of one case; variables not named are unset.
Umgebungsvariable umgebungAus(std::map<std::string, std::string> werte) {
    return [werte = std::move(werte)](const char* name) -> std::optional<std::string> {
        const auto it = werte.find(name);
        if (it == werte.end()) {
            return std::nullopt;
        }
        return it->second;
    };
}

TEST(BefehlszeileAusgabe, KlassenlisteUndLernverlaufNehmenEineDatei) {
    const Befehlszeile b = befehlszeileLesen({"--ordner", "/k", "--klassenliste", "k.csv", "--lernverlauf=v.csv"});
    EXPECT_EQ(b.auftrag, Auftrag::Starten) << b.fehler;
    EXPECT_EQ(b.ordner, "/k");
    EXPECT_EQ(b.klassenliste, "k.csv");
    EXPECT_EQ(b.lernverlauf, "v.csv");
    EXPECT_EQ(befehlszeileLesen({"--klassen=k.csv"}).klassenliste, "k.csv");
    for (const auto& falsch : std::vector<std::vector<std::string>>{{"--klassenliste"}, {"--lernverlauf="}}) {
        const Befehlszeile f = befehlszeileLesen(falsch);
        EXPECT_EQ(f.auftrag, Auftrag::Fehler);
        EXPECT_NE(f.fehler.find("verlangt eine Datei"), std::string::npos) << f.fehler;
    }
    EXPECT_NE(hilfetext().find("--klassenliste=DATEI"), std::string::npos);
}

struct Startfall {
    const char* name;
    std::vector<std::string> argumente;
    std::map<std::string, std::string> umgebung;
    const char* ordner;
    bool anlegen;
};

class StartordnerTest : public ::testing::TestWithParam<Startfall> {};

TEST_P(StartordnerTest, WaehltNachVorrang) {
    const Startfall& f = GetParam();
    const Startordnerwahl w =
        startordnerWaehlen(befehlszeileLesen(f.argumente), umgebungAus(f.umgebung), "/hier");
    EXPECT_EQ(w.fehler, "");
    EXPECT_EQ(w.ordner, f.ordner);
    EXPECT_EQ(w.anlegen, f.anlegen);
}

const std::map<std::string, std::string> heim{{"HOME", "/home/ina"}};

INSTANTIATE_TEST_SUITE_P(
    Faelle, StartordnerTest,
    ::testing::Values(
        Startfall{"terminalOhneOptionen", {}, heim, "/hier", false},
        Startfall{"terminalMitOrdner", {"--ordner", "/klasse"}, heim, "/klasse", false},
        Startfall{"relativerOrdner", {"--ordner", "daten"}, heim, "/hier/daten", false},
        Startfall{"menue", {"--benutzerordner"}, heim, "/home/ina/.local/share/tastwerk", true},
        Startfall{"menueMitXdgDataHome",
                  {"--benutzerordner"},
                  {{"HOME", "/home/ina"}, {"XDG_DATA_HOME", "/d/"}},
                  "/d/tastwerk",
                  true},
        Startfall{"menueRelativesXdgDataHomeGilltNicht",
                  {"--benutzerordner"},
                  {{"HOME", "/home/ina"}, {"XDG_DATA_HOME", "d"}},
                  "/home/ina/.local/share/tastwerk",
                  true},
        Startfall{"klassenordnerGiltImMenue",
                  {"--benutzerordner"},
                  {{"HOME", "/home/ina"}, {"TASTWERK_ORDNER", "/srv/klasse"}},
                  "/srv/klasse",
                  false},
        Startfall{
            "klassenordnerGiltImTerminal", {}, {{"TASTWERK_ORDNER", "/srv/klasse"}}, "/srv/klasse", false},
        Startfall{"leererKlassenordnerZaehltNicht", {}, {{"TASTWERK_ORDNER", ""}}, "/hier", false},
        Startfall{"ordnerVorKlassenordner",
                  {"--ordner", "/eigen"},
                  {{"TASTWERK_ORDNER", "/srv/klasse"}},
                  "/eigen",
                  false}),
    [](const ::testing::TestParamInfo<Startfall>& info) { return std::string(info.param.name); });

TEST(Startordner, OhneHeimordnerIstDerEigeneDatenordnerUnbekannt) {
    const Startordnerwahl w =
        startordnerWaehlen(befehlszeileLesen({"--benutzerordner"}), umgebungAus({}), "/hier");
    EXPECT_TRUE(w.ordner.empty());
    EXPECT_NE(w.fehler.find("XDG_DATA_HOME"), std::string::npos);
}

TEST(Datenordner, ErstNebenDemProgrammDannXdgDataDirs) {
    EXPECT_EQ(datenordnerListe("/opt/tw/bin", umgebungAus({})),
              (std::vector<std::string>{"/opt/tw/bin/../share/tastwerk", "/usr/local/share/tastwerk",
                                        "/usr/share/tastwerk"}));
    EXPECT_EQ(datenordnerListe("/usr/bin", umgebungAus({{"XDG_DATA_DIRS", "/a:relativ::/b/:/a"}})),
              (std::vector<std::string>{"/usr/bin/../share/tastwerk", "/a/tastwerk", "/b/tastwerk"}));
    EXPECT_EQ(datenordnerListe("", umgebungAus({{"XDG_DATA_DIRS", ""}})),
              (std::vector<std::string>{"/usr/local/share/tastwerk", "/usr/share/tastwerk"}));
}

} // namespace
