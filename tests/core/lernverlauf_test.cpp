// The learning history: what is kept, what survives damage, crashes, a full disk and a second copy.
#include "fakes.h"

#include "platform/datei.h"
#include "session/benutzerdatei.h"
#include "verlauf/lernverlauf.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tastwerk {
namespace {

using test::TempOrdner;

Uebungseintrag uebung(const std::string& name, int nummer, bool bestanden = false) {
    Uebungseintrag e;
    e.name = name;
    e.beginn = "2026-12-0" + std::to_string(1 + nummer % 9) + " 10:00:00";
    e.ende = "2026-12-0" + std::to_string(1 + nummer % 9) + " 10:0" + std::to_string(nummer % 10) + ":00";
    e.lektion = 1 + nummer % 16;
    e.stufe = nummer % 2 ? StufeWort : StufeBuchstaben;
    e.anschlaege = 100 + std::uint32_t(nummer);
    e.fehler = std::uint32_t(nummer % 7);
    e.sekunden = 60;
    e.tempo = 100.0 + nummer;
    e.fehlerquote = 100.0 * e.fehler / e.anschlaege;
    e.bestanden = bestanden;
    e.finger[3] = {40, 2};
    e.finger[8] = {60, std::uint32_t(nummer % 5)};
    e.zeichen = {{'a', 20, 1}, {'f', 30, 0}, {'j', 25, 2}};
    return e;
}

std::vector<std::uint8_t> inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

struct AufzeichnungsFall {
    const char* name;
    bool bestanden;
    std::uint32_t anschlaege;
    bool aufgezeichnet;
};

class WelcheUebungenBleiben : public ::testing::TestWithParam<AufzeichnungsFall> {};

TEST_P(WelcheUebungenBleiben, BestandenOderMitZehnAnschlaegenVerlassen) {
    Uebungseintrag e;
    e.bestanden = GetParam().bestanden;
    e.anschlaege = GetParam().anschlaege;
    EXPECT_EQ(lohntAufzeichnung(e), GetParam().aufgezeichnet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, WelcheUebungenBleiben,
                         ::testing::Values(AufzeichnungsFall{"bestanden", true, 0, true},
                                           AufzeichnungsFall{"verlassenMitZehn", false, 10, true},
                                           AufzeichnungsFall{"verlassenMitNeun", false, 9, false},
                                           AufzeichnungsFall{"verlassenOhneAnschlag", false, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Lernverlauf, EineUebungKommtSoZurueckWieSieEingetragenWurde) {
    TempOrdner ordner;
    Lernverlauf verlauf(ordner.pfad());
    Uebungseintrag e = uebung("J\xDCRGEN", 3, true);
    e.stufe = "Gedicht \xC3\xBC.TXT"; // an own text's file name, UTF-8
    ASSERT_EQ(verlauf.eintragen(e), std::nullopt);
    ASSERT_EQ(verlauf.eintragen(uebung("ANNA", 4)), std::nullopt);

    const auto liste = verlauf.uebungen("J\xDCRGEN");
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0], e);
    EXPECT_TRUE(verlauf.uebungen("J\xFCRGEN").empty()) << "names are compared byte for byte";
    EXPECT_EQ(verlauf.uebungen("ANNA", 5).size(), 1u);
    EXPECT_TRUE(verlauf.uebungen("ANNA", 6).empty());
}

TEST(Lernverlauf, LesenOhneDateiLegtKeineAn) {
    TempOrdner ordner;
    Lernverlauf verlauf(ordner.pfad());
    EXPECT_TRUE(verlauf.alle().empty());
    EXPECT_TRUE(verlauf.summen().empty());
    EXPECT_EQ(verlauf.meldungAbholen(), std::nullopt);
    EXPECT_FALSE(dateiExistiert(verlauf.pfad()));
}

TEST(Lernverlauf, LoeschenNimmtNurDieUebungenDesBenutzers) {
    TempOrdner ordner;
    Lernverlauf verlauf(ordner.pfad());
    for (int i = 0; i < 5; ++i) {
        verlauf.eintragen(uebung("ANNA", i));
        verlauf.eintragen(uebung("BERND", i));
    }
    EXPECT_EQ(verlauf.loeschen("ANNA"), std::nullopt);
    EXPECT_TRUE(verlauf.uebungen("ANNA").empty());
    EXPECT_TRUE(verlauf.zeichensummen("ANNA").empty());
    EXPECT_EQ(verlauf.uebungen("BERND").size(), 5u);
    EXPECT_EQ(verlauf.zeichensummen("BERND").size(), 3u);
}

TEST(Lernverlauf, SummenZaehlenZeitUndNennenDieLetztenFuenfNeuesteZuerst) {
    TempOrdner ordner;
    Lernverlauf verlauf(ordner.pfad());
    for (int i = 0; i < 7; ++i) {
        verlauf.eintragen(uebung("ANNA", i));
    }
    const auto summen = verlauf.summen();
    ASSERT_EQ(summen.size(), 1u);
    EXPECT_EQ(summen[0].uebungen, 7u);
    EXPECT_EQ(summen[0].sekunden, 420u);
    EXPECT_EQ(summen[0].letztesEnde, "2026-12-07 10:06:00");
    EXPECT_EQ(summen[0].letzteTempi, (std::vector<double>{106, 105, 104, 103, 102}));
    const auto zeichen = verlauf.zeichensummen("ANNA");
    ASSERT_EQ(zeichen.size(), 3u);
    EXPECT_EQ(zeichen[2], (Zeichenzaehler{'j', 175, 14}));
}

TEST(Lernverlauf, EinGeloeschterBenutzerVerliertSeinenVerlaufImSelbenSchritt) {
    TempOrdner ordner;
    test::FesteUhr uhr;
    Benutzerdatei datei(ordner.pfad());
    for (const char* name : {"ANNA", "BERND", "CARL"}) {
        datei.anmelden(name, [&] { return neuerBenutzer(name, uhr.jetzt().datum, 800); });
    }
    Lernverlauf verlauf(ordner.pfad());
    for (const char* name : {"ANNA", "BERND", "CARL"}) {
        verlauf.eintragen(uebung(name, 1));
    }
    std::optional<std::string> meldung;
    const auto ergebnis = datei.loeschen(2, "CARL", std::string("BERND"), [&](const std::string& name) {
        // Still under the folder lock: the history must not try to take it a second time.
        meldung = verlauf.loeschen(name, true);
    });
    EXPECT_EQ(ergebnis.art, Loeschergebnis::Art::Geloescht);
    EXPECT_EQ(ergebnis.geloeschterName, "BERND");
    EXPECT_EQ(meldung, std::nullopt);
    EXPECT_TRUE(verlauf.uebungen("BERND").empty());
    EXPECT_EQ(verlauf.alle().size(), 2u);

    // A refused deletion leaves the history alone.
    bool gerufen = false;
    datei.loeschen(1, "ANNA", std::string("ANNA"), [&](const std::string&) { gerufen = true; });
    EXPECT_FALSE(gerufen);
}

// A damaged file is set aside unchanged, reported once, and a new history begins; the user file beside
// it is never touched.
struct Schaden {
    const char* name;
    void (*anrichten)(const std::string& pfad);
};

class BeschaedigterVerlauf : public ::testing::TestWithParam<Schaden> {};

TEST_P(BeschaedigterVerlauf, WirdBeiseitegelegtUndDasUebenGehtWeiter) {
    TempOrdner ordner;
    test::FesteUhr uhr;
    Benutzerdatei benutzer(ordner.pfad());
    benutzer.anmelden("ANNA", [&] { return neuerBenutzer("ANNA", uhr.jetzt().datum, 800); });
    const auto benutzerVorher = inhalt(benutzer.pfad());
    {
        std::vector<Uebungseintrag> eintraege;
        for (int i = 0; i < 200; ++i) {
            eintraege.push_back(uebung("ANNA", i));
        }
        ASSERT_EQ(Lernverlauf(ordner.pfad()).eintragen(eintraege), std::nullopt);
    }
    GetParam().anrichten(ordner.datei("Lernverlauf.db"));
    const auto beschaedigt = inhalt(ordner.datei("Lernverlauf.db"));

    Lernverlauf verlauf(ordner.pfad());
    const auto meldung = verlauf.eintragen(uebung("ANNA", 1000, true));
    ASSERT_TRUE(meldung.has_value());
    EXPECT_NE(meldung->find("Lernverlauf-defekt-1.db"), std::string::npos) << *meldung;
    EXPECT_EQ(inhalt(ordner.datei("Lernverlauf-defekt-1.db")), beschaedigt);
    const auto liste = verlauf.uebungen("ANNA");
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_TRUE(liste[0].bestanden);
    EXPECT_EQ(verlauf.eintragen(uebung("ANNA", 1001)), std::nullopt) << "reported once";
    EXPECT_EQ(inhalt(benutzer.pfad()), benutzerVorher);
}

INSTANTIATE_TEST_SUITE_P(Faelle, BeschaedigterVerlauf,
                         ::testing::Values(Schaden{"abgeschnitten",
                                                   [](const std::string& pfad) {
                                                       Datei d(pfad, Datei::Art::LesenSchreiben);
                                                       d.kuerzen(d.groesse() / 2);
                                                   }},
                                           Schaden{"zufallsbytes",
                                                   [](const std::string& pfad) {
                                                       std::mt19937 zufall(7);
                                                       std::vector<std::uint8_t> bytes(5000);
                                                       for (auto& b : bytes) {
                                                           b = std::uint8_t(zufall());
                                                       }
                                                       atomarSchreiben(pfad, bytes);
                                                   }},
                                           Schaden{"seitenUeberschrieben",
                                                   [](const std::string& pfad) {
                                                       Datei d(pfad, Datei::Art::LesenSchreiben);
                                                       const std::vector<std::uint8_t> muell(4096, 0xA5);
                                                       d.schreiben(4096, muell.data(), muell.size());
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LernverlaufGleichzeitig, ZweiLaufendeKopienVerlierenKeineZeile) {
    TempOrdner ordner;
    constexpr int ProKopie = 500;
    std::vector<pid_t> kinder;
    for (int kopie = 0; kopie < 2; ++kopie) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            Lernverlauf verlauf(ordner.pfad());
            int fehler = 0;
            for (int i = 0; i < ProKopie; ++i) {
                fehler += verlauf.eintragen(uebung(kopie == 0 ? "ANNA" : "BERND", i)).has_value();
            }
            ::_exit(fehler == 0 ? 0 : 1);
        }
        kinder.push_back(kind);
    }
    for (const pid_t kind : kinder) {
        int status = 0;
        ::waitpid(kind, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Lernverlauf verlauf(ordner.pfad());
    EXPECT_EQ(verlauf.uebungen("ANNA", 0, false).size(), std::size_t(ProKopie));
    EXPECT_EQ(verlauf.uebungen("BERND", 0, false).size(), std::size_t(ProKopie));
}

TEST(LernverlaufAbsturz, EineMittenImSchreibenBeendeteKopieVerliertHoechstensDieseZeile) {
    TempOrdner ordner;
    int vorher = 0;
    {
        Lernverlauf verlauf(ordner.pfad());
        for (; vorher < 20; ++vorher) {
            verlauf.eintragen(uebung("ANNA", vorher));
        }
    }
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        Lernverlauf verlauf(ordner.pfad());
        for (int i = 0;; ++i) {
            verlauf.eintragen(uebung("BERND", i));
        }
    }
    ::usleep(150 * 1000);
    ::kill(kind, SIGKILL);
    ::waitpid(kind, nullptr, 0);

    Lernverlauf verlauf(ordner.pfad());
    EXPECT_EQ(verlauf.uebungen("ANNA").size(), std::size_t(vorher));
    const auto bernd = verlauf.uebungen("BERND");
    std::set<int> nummern;
    for (const Uebungseintrag& e : bernd) {
        const int nummer = int(e.anschlaege) - 100;
        EXPECT_EQ(e, uebung("BERND", nummer)) << "row " << nummer << " is whole";
        nummern.insert(nummer);
    }
    EXPECT_EQ(nummern.size(), bernd.size());
    EXPECT_TRUE(nummern.empty() || *nummern.rbegin() == int(bernd.size()) - 1)
        << "no row before the last is lost";
    EXPECT_EQ(verlauf.eintragen(uebung("ANNA", 99)), std::nullopt);
    EXPECT_EQ(verlauf.meldungAbholen(), std::nullopt);
    EXPECT_FALSE(dateiExistiert(ordner.datei("Lernverlauf-defekt-1.db")));
}

TEST(LernverlaufVoll, EinVollerDatentraegerWirdGemeldetUndDanachGehtEsWeiter) {
    TempOrdner ordner;
    {
        Lernverlauf verlauf(ordner.pfad());
        verlauf.eintragen(uebung("ANNA", 0));
    }
    const auto groesse = inhalt(ordner.datei("Lernverlauf.db")).size();
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        // No file may grow beyond its present size: the next page the history needs cannot be written.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{groesse, groesse};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        Lernverlauf verlauf(ordner.pfad());
        Uebungseintrag gross = uebung("ANNA", 1);
        for (int z = 0; z < 256; ++z) {
            gross.zeichen.push_back({Zeichen(z), 1, 0});
        }
        gross.zeichen.erase(gross.zeichen.begin(), gross.zeichen.begin() + 3);
        int gemeldet = 0;
        for (int i = 0; i < 50; ++i) {
            gemeldet += verlauf.eintragen(gross).has_value();
        }
        ::_exit(gemeldet == 1 ? 0 : 10 + gemeldet);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the full disk is reported once, not at every exercise";
    Lernverlauf verlauf(ordner.pfad());
    EXPECT_EQ(verlauf.alle().size(), 1u);
    EXPECT_EQ(verlauf.eintragen(uebung("ANNA", 2)), std::nullopt);
    EXPECT_EQ(verlauf.alle().size(), 2u);
}

} // namespace
} // namespace tastwerk
