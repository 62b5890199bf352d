#include "fakes.h"
#include "platform/datei.h"
#include "session/benutzerdatei.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tastwerk;
using tastwerk::test::TempOrdner;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void dateiSchreiben(const std::string& pfad, const Bytes& inhalt) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
}

Bytes satz(const Bytes& inhalt, std::size_t k) {
    const auto anfang = inhalt.begin() + static_cast<std::ptrdiff_t>(k * Satzlaenge);
    return {anfang, anfang + static_cast<std::ptrdiff_t>(Satzlaenge)};
}

std::vector<std::string> namen(const Benutzerdatei& datei) {
    std::vector<std::string> n;
    for (const auto& s : datei.alleLesen()) {
        n.push_back(s.benutzername);
    }
    return n;
}

ino_t inode(const std::string& pfad) {
    struct stat st {};
    ::stat(pfad.c_str(), &st);
    return st.st_ino;
}

int zwischendateien(const TempOrdner& ordner) {
    int anzahl = 0;
    for (const auto& e : std::filesystem::directory_iterator(ordner.pfad())) {
        anzahl += e.path().filename().string().starts_with("Benutzer.dat.neu-") ? 1 : 0;
    }
    return anzahl;
}

// A user file of the users B1 .. Bn. Every record carries a mark in the unused bytes of its name
// field and in the padding after the lesson, so a test can see that records move byte for byte.
Bytes fuenfBenutzer(const TempOrdner& ordner, int anzahl = 5) {
    Bytes inhalt;
    for (int k = 1; k <= anzahl; ++k) {
        Benutzerdatensatz s = neuerBenutzer("B" + std::to_string(k), Datum{1997, 3, 7, 6}, 800);
        s.lektionNr = static_cast<std::uint8_t>(k);
        Satzbytes b = kodieren(s);
        b[40] = static_cast<std::uint8_t>(0xA0 + k);
        b[47] = static_cast<std::uint8_t>(0xB0 + k);
        inhalt.insert(inhalt.end(), b.begin(), b.end());
    }
    dateiSchreiben(ordner.datei("Benutzer.dat"), inhalt);
    return inhalt;
}

Benutzerdatensatz neuer(const std::string& name) {
    return neuerBenutzer(name, Datum{1997, 3, 7, 6}, 800);
}

} // namespace

TEST(BenutzerLoeschen, LetzterBenutzerKuerztDieDateiNurUmEinenSatz) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);
    Benutzerdatei datei(ordner.pfad());

    const auto ergebnis = datei.loeschen(5, "B1");

    EXPECT_EQ(ergebnis.art, Loeschergebnis::Art::Geloescht);
    EXPECT_EQ(ergebnis.benutzerzahl, 4);
    EXPECT_EQ(dateiinhalt(datei.pfad()), Bytes(vorher.begin(), vorher.begin() + 4 * Satzlaenge));
    EXPECT_EQ(zwischendateien(ordner), 0);
}

TEST(BenutzerLoeschen, ZweiterVonFuenfWirdDurchDenLetztenErsetztByteFuerByte) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);
    Benutzerdatei datei(ordner.pfad());

    const auto ergebnis = datei.loeschen(2, "B1");

    EXPECT_EQ(ergebnis.art, Loeschergebnis::Art::Geloescht);
    const Bytes nachher = dateiinhalt(datei.pfad());
    ASSERT_EQ(nachher.size(), 4 * Satzlaenge);
    EXPECT_EQ(satz(nachher, 0), satz(vorher, 0));
    EXPECT_EQ(satz(nachher, 1), satz(vorher, 4)); // former user 5, unused bytes included
    EXPECT_EQ(satz(nachher, 2), satz(vorher, 2));
    EXPECT_EQ(satz(nachher, 3), satz(vorher, 3));
    EXPECT_EQ(namen(datei), (std::vector<std::string>{"B1", "B5", "B3", "B4"}));
    EXPECT_EQ(zwischendateien(ordner), 0);
}

TEST(BenutzerLoeschen, AngemeldeterBenutzerWirdVerweigertUndDieDateiBleibtWieSieWar) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);
    Benutzerdatei datei(ordner.pfad());
    const ino_t inodeVorher = inode(datei.pfad());

    const auto ergebnis = datei.loeschen(3, "B3");

    EXPECT_EQ(ergebnis.art, Loeschergebnis::Art::Verweigert);
    EXPECT_EQ(ergebnis.benutzerzahl, 5);
    EXPECT_EQ(dateiinhalt(datei.pfad()), vorher);
    EXPECT_EQ(inode(datei.pfad()), inodeVorher); // not even rewritten
    ASSERT_TRUE(ergebnis.angemeldeter);
    EXPECT_EQ(ergebnis.angemeldeter->satzposition, 3);
    EXPECT_EQ(zwischendateien(ordner), 0);
}

TEST(BenutzerLoeschen, ZeilenOhneBenutzerAendernNichts) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);
    Benutzerdatei datei(ordner.pfad());
    for (const int zeile : {0, -1, 6, 1000}) {
        EXPECT_EQ(datei.loeschen(zeile, "B1").art, Loeschergebnis::Art::NichtVorhanden) << zeile;
    }
    EXPECT_EQ(dateiinhalt(datei.pfad()), vorher);

    TempOrdner leer;
    dateiSchreiben(leer.datei("Benutzer.dat"), {});
    EXPECT_EQ(Benutzerdatei(leer.pfad()).loeschen(1, "B1").art, Loeschergebnis::Art::NichtVorhanden);
}

TEST(BenutzerLoeschen, FehlendeBenutzerdateiIstEinDateifehler) {
    TempOrdner ordner;
    EXPECT_THROW(Benutzerdatei(ordner.pfad()).loeschen(1, "B1"), Dateifehler);
    EXPECT_FALSE(std::filesystem::exists(ordner.datei("Benutzer.dat")));
}

TEST(BenutzerLoeschen, NamensgleichheitIstByteweise) {
    TempOrdner ordner;
    dateiSchreiben(ordner.datei("Benutzer.dat"), {});
    Benutzerdatei datei(ordner.pfad());
    datei.anmelden("ANNA", [] { return neuer("ANNA"); });
    datei.anmelden("ANNA ", [] { return neuer("ANNA "); });

    // Signed in as "ANNA", the user "ANNA " (trailing blank) is someone else and may go.
    EXPECT_EQ(datei.loeschen(2, "ANNA").art, Loeschergebnis::Art::Geloescht);
    EXPECT_EQ(datei.loeschen(1, "ANNA").art, Loeschergebnis::Art::Verweigert);
    EXPECT_EQ(namen(datei), std::vector<std::string>{"ANNA"});
}

TEST(BenutzerLoeschen, DerAngemeldeteWirdNachDemLoeschenNeuGefunden) {
    TempOrdner ordner;
    fuenfBenutzer(ordner);
    Benutzerdatei datei(ordner.pfad());

    // B5 is signed in; deleting row 2 moves B5's record there.
    const auto ergebnis = datei.loeschen(2, "B5");

    ASSERT_TRUE(ergebnis.angemeldeter);
    EXPECT_EQ(ergebnis.angemeldeter->satzposition, 2);
    EXPECT_EQ(ergebnis.angemeldeter->satz.benutzername, "B5");
    EXPECT_EQ(ergebnis.angemeldeter->satz.lektionNr, 5);
    const auto gelesen = datei.lesen("B5");
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->satzposition, 2);
    EXPECT_EQ(gelesen->satz, ergebnis.angemeldeter->satz);
    EXPECT_FALSE(datei.lesen("B2"));
}

TEST(BenutzerLoeschen, GezeigterNameSchuetztVorVerschobenenZeilen) {
    TempOrdner ordner;
    fuenfBenutzer(ordner);
    Benutzerdatei hier(ordner.pfad());
    Benutzerdatei dort(ordner.pfad()); // a second running copy
    // Both copies show the table B1 .. B5. The other copy deletes row 2: B5 now stands in row 2.
    ASSERT_EQ(dort.loeschen(2, "B4", std::string("B2")).art, Loeschergebnis::Art::Geloescht);

    // Row 5 showed B5: B5 goes, wherever it stands now.
    EXPECT_EQ(hier.loeschen(5, "B1", std::string("B5")).art, Loeschergebnis::Art::Geloescht);
    EXPECT_EQ(namen(hier), (std::vector<std::string>{"B1", "B4", "B3"}));
    // Row 2 showed B2, who is gone already: nothing happens, although row 2 holds another user.
    EXPECT_EQ(hier.loeschen(2, "B1", std::string("B2")).art, Loeschergebnis::Art::NichtVorhanden);
    // The signed-in user is refused also when found by name.
    EXPECT_EQ(hier.loeschen(1, "B3", std::string("B3")).art, Loeschergebnis::Art::Verweigert);
    EXPECT_EQ(namen(hier), (std::vector<std::string>{"B1", "B4", "B3"}));
}

TEST(BenutzerLoeschen, RestStueckAmDateiendeBleibtHinterDenSaetzen) {
    TempOrdner ordner;
    Bytes vorher = fuenfBenutzer(ordner, 3);
    vorher.insert(vorher.end(), {1, 2, 3});
    dateiSchreiben(ordner.datei("Benutzer.dat"), vorher);

    ASSERT_EQ(Benutzerdatei(ordner.pfad()).loeschen(1, "B2").art, Loeschergebnis::Art::Geloescht);

    const Bytes nachher = dateiinhalt(ordner.datei("Benutzer.dat"));
    ASSERT_EQ(nachher.size(), 2 * Satzlaenge + 3);
    EXPECT_EQ(satz(nachher, 0), satz(vorher, 2));
    EXPECT_EQ(satz(nachher, 1), satz(vorher, 1));
    EXPECT_EQ(Bytes(nachher.end() - 3, nachher.end()), (Bytes{1, 2, 3}));
}

// A copy of the program that dies while it writes the new content (the file size limit stops it
// with SIGXFSZ halfway through the temporary file) leaves the user file exactly as it was. The
// leftover temporary file is tidied away by the next deletion.
TEST(BenutzerLoeschen, AbsturzMittenImSchreibenLaesstDieAlteDatei) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);

    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const rlimit keinKern{0, 0};
        ::setrlimit(RLIMIT_CORE, &keinKern);
        const rlimit grenze{1000, 1000}; // the new content is 4 × 376 = 1504 bytes
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        std::signal(SIGXFSZ, SIG_DFL);
        try {
            Benutzerdatei(ordner.pfad()).loeschen(2, "B1");
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);

    EXPECT_EQ(dateiinhalt(ordner.datei("Benutzer.dat")), vorher);
    EXPECT_EQ(zwischendateien(ordner), 1); // proof that it died while writing

    Benutzerdatei datei(ordner.pfad());
    EXPECT_EQ(datei.loeschen(2, "B1").art, Loeschergebnis::Art::Geloescht);
    EXPECT_EQ(namen(datei), (std::vector<std::string>{"B1", "B5", "B3", "B4"}));
    EXPECT_EQ(zwischendateien(ordner), 0);
}

// A write that fails (here: the file size limit with the signal ignored) is reported as a file error
// and leaves the user file and no temporary file behind.
TEST(BenutzerLoeschen, FehlgeschlagenesSchreibenLaesstDieAlteDateiUndKeineZwischendatei) {
    TempOrdner ordner;
    const Bytes vorher = fuenfBenutzer(ordner);

    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const rlimit grenze{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        std::signal(SIGXFSZ, SIG_IGN);
        try {
            Benutzerdatei(ordner.pfad()).loeschen(2, "B1");
        } catch (const Dateifehler&) {
            ::_exit(3);
        } catch (...) {
            ::_exit(4);
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);

    EXPECT_EQ(dateiinhalt(ordner.datei("Benutzer.dat")), vorher);
    EXPECT_EQ(zwischendateien(ordner), 0);
}

// Three copies of the program on one folder at the same moment: two sign in 50 new users each and
// save their own record after each, the third deletes 20 old users. Nothing is lost, nothing doubled.
TEST(BenutzerdateiGleichzeitig, DreiLaufendeKopienVerlierenNichts) {
    TempOrdner ordner;
    dateiSchreiben(ordner.datei("Benutzer.dat"), {});
    constexpr int Neue = 50;
    constexpr int Alte = 20;
    {
        Benutzerdatei datei(ordner.pfad());
        for (int k = 0; k < Alte; ++k) {
            const std::string name = "ALT" + std::to_string(k);
            datei.anmelden(name, [&] { return neuer(name); });
        }
    }

    int startsignal[2];
    ASSERT_EQ(::pipe(startsignal), 0);
    std::vector<pid_t> kinder;
    for (int nummer = 1; nummer <= 3; ++nummer) {
        const pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind != 0) {
            kinder.push_back(kind);
            continue;
        }
        ::alarm(120); // a copy that hangs ends the test instead of blocking it
        ::close(startsignal[1]);
        char egal;
        [[maybe_unused]] const auto gelesen = ::read(startsignal[0], &egal, 1);
        try {
            Benutzerdatei datei(ordner.pfad());
            const std::string ich = "KIND" + std::to_string(nummer);
            datei.anmelden(ich, [&] { return neuer(ich); });
            if (nummer < 3) {
                for (int k = 0; k < Neue; ++k) {
                    const std::string name = "K" + std::to_string(nummer) + "-" + std::to_string(k);
                    datei.anmelden(name, [&] { return neuer(name); });
                    Benutzerdatensatz meiner = datei.lesen(ich).value().satz;
                    meiner.benutzungen = static_cast<std::uint16_t>(k + 1);
                    datei.speichern(meiner);
                }
            } else {
                // The rows and names as the table showed them before the others began.
                for (int k = Alte; k >= 1; --k) {
                    const auto art = datei.loeschen(k, ich, "ALT" + std::to_string(k - 1)).art;
                    if (art != Loeschergebnis::Art::Geloescht) {
                        ::_exit(2);
                    }
                }
            }
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    ::close(startsignal[0]);
    ::close(startsignal[1]); // all copies start now

    for (const pid_t kind : kinder) {
        int status = 0;
        ASSERT_EQ(::waitpid(kind, &status, 0), kind);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    const Bytes inhalt = dateiinhalt(ordner.datei("Benutzer.dat"));
    EXPECT_EQ(inhalt.size() % Satzlaenge, 0u);
    std::map<std::string, int> gezaehlt;
    std::map<std::string, int> benutzungen;
    for (const auto& s : Benutzerdatei(ordner.pfad()).alleLesen()) {
        ++gezaehlt[s.benutzername];
        benutzungen[s.benutzername] = s.benutzungen;
    }
    EXPECT_EQ(gezaehlt.size(), static_cast<std::size_t>(2 * Neue + 3));
    for (int nummer = 1; nummer <= 2; ++nummer) {
        for (int k = 0; k < Neue; ++k) {
            const std::string name = "K" + std::to_string(nummer) + "-" + std::to_string(k);
            EXPECT_EQ(gezaehlt[name], 1) << name;
        }
        EXPECT_EQ(benutzungen["KIND" + std::to_string(nummer)], Neue);
    }
    EXPECT_EQ(gezaehlt["KIND3"], 1);
    for (const auto& [name, anzahl] : gezaehlt) {
        EXPECT_EQ(anzahl, 1) << name;
        EXPECT_FALSE(name.starts_with("ALT")) << name;
    }
    EXPECT_EQ(zwischendateien(ordner), 0);
}
