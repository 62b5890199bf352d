// A sign-in whose new record does not fit on the disk leaves the user file byte for byte as it was:
// once on a real full file system (a small tmpfs, where mounting one is allowed) and once with a file
// size limit, which makes the same write stop after the same bytes on any machine.
#include "fakes.h"
#include "platform/datei.h"
#include "session/anmeldung.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tastwerk;
using tastwerk::test::FesteUhr;
using tastwerk::test::TempOrdner;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Ten learners fill 3760 bytes: the eleventh record crosses the 4096-byte page, so a disk without a
// free page takes its first 336 bytes and then refuses the rest.
constexpr int Vorhandene = 10;
constexpr std::uint64_t Seitengrenze = 4096;

void zehnBenutzerAnlegen(Benutzerdatei& datei, const Uhr& uhr) {
    for (int k = 0; k < Vorhandene; ++k) {
        Sitzung s;
        anmelden(s, datei, uhr, "LERNER " + std::to_string(k));
    }
}

// While it exists, a regular file cannot grow beyond `grenze` bytes: a write across it is cut short and
// the next one fails, as on a full disk.
class Dateigroessengrenze {
public:
    explicit Dateigroessengrenze(rlim_t grenze) {
        getrlimit(RLIMIT_FSIZE, &vorher_);
        signalVorher_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = vorher_;
        neu.rlim_cur = grenze;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigroessengrenze() {
        setrlimit(RLIMIT_FSIZE, &vorher_);
        std::signal(SIGXFSZ, signalVorher_);
    }

private:
    rlimit vorher_{};
    void (*signalVorher_)(int) = SIG_DFL;
};

} // namespace

TEST(BenutzerdateiVoll, AbgebrochenesAnhaengenLaesstDieDateiByteFuerByteWieSieWar) {
    TempOrdner ordner;
    FesteUhr uhr;
    Benutzerdatei datei(ordner.pfad());
    zehnBenutzerAnlegen(datei, uhr);
    const Bytes vorher = dateiinhalt(datei.pfad());
    ASSERT_EQ(vorher.size(), Vorhandene * Satzlaenge);

    Sitzung s;
    {
        const Dateigroessengrenze grenze(Seitengrenze);
        EXPECT_THROW(anmelden(s, datei, uhr, "NEU"), Dateifehler);
    }
    EXPECT_FALSE(s.angemeldet);
    EXPECT_EQ(dateiinhalt(datei.pfad()), vorher);

    // With room again the same sign-in appends the whole record, and nothing was copied aside.
    const auto ergebnis = anmelden(s, datei, uhr, "NEU");
    EXPECT_TRUE(ergebnis.neu);
    EXPECT_FALSE(ergebnis.sicherungskopie.has_value());
    EXPECT_EQ(s.satzposition, Vorhandene + 1);
    EXPECT_EQ(dateiinhalt(datei.pfad()).size(), (Vorhandene + 1) * Satzlaenge);
}

TEST(BenutzerdateiVoll, AbgebrochenerErsterStartHinterlaesstKeineDatei) {
    TempOrdner ordner;
    FesteUhr uhr;
    Benutzerdatei datei(ordner.pfad());
    Sitzung s;
    {
        const Dateigroessengrenze grenze(100);
        EXPECT_THROW(anmelden(s, datei, uhr, "ANNA"), Dateifehler);
    }
    EXPECT_FALSE(std::filesystem::exists(datei.pfad()));
    EXPECT_FALSE(std::filesystem::exists(ordner.datei("Texte")));
    // So the next start is still the first run: file and folder for texts.
    const auto ergebnis = anmelden(s, datei, uhr, "ANNA");
    EXPECT_TRUE(ergebnis.dateiAngelegt);
    EXPECT_TRUE(std::filesystem::is_directory(ordner.datei("Texte")));
}

namespace {

// Exit codes of the child that runs on the small file system.
enum Kindergebnis : int {
    Bestanden = 0,
    KeinFehlerGemeldet = 1,
    DateiVeraendert = 2,
    VorbereitungMisslungen = 3,
    DanachNichtAngehaengt = 4,
    KeinTmpfs = 77,
};

bool schreibeDatei(const char* pfad, const char* text) {
    const int fd = ::open(pfad, O_WRONLY);
    if (fd < 0) {
        return false;
    }
    const auto laenge = static_cast<ssize_t>(std::strlen(text));
    const bool ok = ::write(fd, text, static_cast<std::size_t>(laenge)) == laenge;
    ::close(fd);
    return ok;
}

// A mount namespace of its own, as root or else as root of a new user namespace.
bool eigenerMountNamensraum() {
    if (::unshare(CLONE_NEWNS) == 0) {
        return true;
    }
    const auto uid = ::getuid();
    const auto gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        return false;
    }
    const std::string uidZeile = "0 " + std::to_string(uid) + " 1";
    const std::string gidZeile = "0 " + std::to_string(gid) + " 1";
    return schreibeDatei("/proc/self/setgroups", "deny") &&
           schreibeDatei("/proc/self/uid_map", uidZeile.c_str()) &&
           schreibeDatei("/proc/self/gid_map", gidZeile.c_str());
}

// Runs `pruefung` in a child process in whose own mount namespace `ordner` is a tmpfs of 64 KByte;
// the mount goes with the child. Nothing when no tmpfs can be mounted here.
std::optional<int> aufKleinemTmpfs(const std::string& ordner, const std::function<int()>& pruefung) {
    const pid_t kind = ::fork();
    if (kind < 0) {
        return std::nullopt;
    }
    if (kind == 0) {
        if (!eigenerMountNamensraum() || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", ordner.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(KeinTmpfs);
        }
        ::_exit(pruefung());
    }
    int status = 0;
    if (::waitpid(kind, &status, 0) != kind || !WIFEXITED(status) || WEXITSTATUS(status) == KeinTmpfs) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

// Fills the file system until it refuses another byte.
bool vollschreiben(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    const std::vector<char> block(4096, 'x');
    for (;;) {
        const ssize_t n = ::write(fd, block.data(), block.size());
        if (n < 0) {
            const bool voll = errno == ENOSPC;
            ::close(fd);
            return voll;
        }
        if (n == 0) {
            break;
        }
    }
    ::close(fd);
    return false;
}

} // namespace

TEST(BenutzerdateiVoll, AufVollemDatentraegerBleibtDieDateiWieSieWar) {
    TempOrdner ordner;
    const std::optional<int> ergebnis = aufKleinemTmpfs(ordner.pfad(), [&]() -> int {
        try {
            FesteUhr uhr;
            Benutzerdatei datei(ordner.pfad());
            zehnBenutzerAnlegen(datei, uhr);
            if (!vollschreiben(ordner.datei("Fueller"))) {
                return VorbereitungMisslungen;
            }
            const Bytes vorher = dateiinhalt(datei.pfad());
            Sitzung s;
            try {
                anmelden(s, datei, uhr, "NEU");
                return KeinFehlerGemeldet;
            } catch (const Dateifehler&) {
            }
            if (dateiinhalt(datei.pfad()) != vorher) {
                return DateiVeraendert;
            }
            std::filesystem::remove(ordner.datei("Fueller"));
            anmelden(s, datei, uhr, "NEU");
            return dateiinhalt(datei.pfad()).size() == (Vorhandene + 1) * Satzlaenge ? Bestanden
                                                                                     : DanachNichtAngehaengt;
        } catch (...) {
            return VorbereitungMisslungen;
        }
    });
    if (!ergebnis) {
        GTEST_SKIP()
            << "Hier lässt sich kein tmpfs einhängen (weder mit Root-Rechten noch in einem eigenen "
               "Benutzer-Namensraum); der volle Datenträger ist nur mit der Dateigrößengrenze geprüft.";
    }
    EXPECT_NE(*ergebnis, KeinFehlerGemeldet)
        << "Das Anhängen auf dem vollen Datenträger meldete keinen Fehler.";
    EXPECT_NE(*ergebnis, DateiVeraendert)
        << "Nach dem misslungenen Anhängen war die Benutzerdatei verändert.";
    EXPECT_NE(*ergebnis, VorbereitungMisslungen) << "Der Datenträger ließ sich nicht vorbereiten.";
    EXPECT_NE(*ergebnis, DanachNichtAngehaengt) << "Mit freiem Platz wurde der Benutzer nicht angehängt.";
    EXPECT_EQ(*ergebnis, Bestanden);
}
