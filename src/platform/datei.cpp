#include "platform/datei.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tastwerk {

namespace {

[[noreturn]] void fehler(const std::string& was, const std::string& pfad, int nummer) {
    throw Dateifehler(was + " \"" + pfad + "\": " + std::strerror(nummer));
}

void allesSchreiben(int fd, const std::string& pfad, std::uint64_t versatz, const std::uint8_t* daten,
                    std::size_t laenge) {
    std::size_t geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t n = ::pwrite(fd, daten + geschrieben, laenge - geschrieben,
                                   static_cast<off_t>(versatz + geschrieben));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fehler("Schreiben fehlgeschlagen:", pfad, errno);
        }
        geschrieben += static_cast<std::size_t>(n);
    }
}

} // namespace

Datei::Datei(const std::string& pfad, Art art) : pfad_(pfad) {
    fd_ = ::open(pfad.c_str(), (art == Art::Lesen ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd_ < 0) {
        fehler("Die Datei kann nicht geöffnet werden:", pfad, errno);
    }
}

Datei::~Datei() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::uint64_t Datei::groesse() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        fehler("Die Dateigröße kann nicht gelesen werden:", pfad_, errno);
    }
    return static_cast<std::uint64_t>(st.st_size);
}

std::vector<std::uint8_t> Datei::allesLesen() const {
    std::vector<std::uint8_t> inhalt(groesse());
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t n =
            ::pread(fd_, inhalt.data() + gelesen, inhalt.size() - gelesen, static_cast<off_t>(gelesen));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fehler("Lesen fehlgeschlagen:", pfad_, errno);
        }
        if (n == 0) {
            inhalt.resize(gelesen);
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    return inhalt;
}

void Datei::schreiben(std::uint64_t versatz, const std::uint8_t* daten, std::size_t laenge) {
    allesSchreiben(fd_, pfad_, versatz, daten, laenge);
}

void Datei::kuerzen(std::uint64_t laenge) {
    if (::ftruncate(fd_, static_cast<off_t>(laenge)) != 0) {
        fehler("Die Datei kann nicht gekürzt werden:", pfad_, errno);
    }
}

void Datei::anhaengen(std::uint64_t ende, const std::uint8_t* daten, std::size_t laenge) {
    try {
        allesSchreiben(fd_, pfad_, ende, daten, laenge);
        sichern();
    } catch (const Dateifehler&) {
        // The first error is the one to report; cutting back is all that can still be done.
        if (::ftruncate(fd_, static_cast<off_t>(ende)) == 0) {
            ::fsync(fd_);
        }
        throw;
    }
}

void Datei::sichern() {
    if (::fsync(fd_) != 0) {
        fehler("Die Daten können nicht auf den Datenträger geschrieben werden:", pfad_, errno);
    }
}

Ordnersperre::Ordnersperre(const std::string& ordner) {
    fd_ = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        fehler("Der Ordner kann nicht geöffnet werden:", ordner, errno);
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int nummer = errno;
            ::close(fd_);
            fehler("Der Ordner kann nicht gesperrt werden:", ordner, nummer);
        }
    }
}

Ordnersperre::~Ordnersperre() {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

bool dateiExistiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0;
}

bool dateiNeuAnlegen(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST) {
            return false;
        }
        fehler("Die Datei kann nicht angelegt werden:", pfad, errno);
    }
    ::close(fd);
    return true;
}

bool ordnerAnlegen(const std::string& pfad) {
    if (::mkdir(pfad.c_str(), 0755) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        struct stat st {};
        if (::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            return false;
        }
        fehler("Der Ordner kann nicht angelegt werden, es gibt schon eine Datei dieses Namens:", pfad,
               EEXIST);
    }
    fehler("Der Ordner kann nicht angelegt werden:", pfad, errno);
}

std::string ordnerVon(const std::string& pfad) {
    const auto trenner = pfad.find_last_of('/');
    if (trenner == std::string::npos) {
        return ".";
    }
    if (trenner == 0) {
        return "/";
    }
    return pfad.substr(0, trenner);
}

void atomarSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    std::string vorlage = pfad + ".neu-XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) {
        fehler("Die Zwischendatei kann nicht angelegt werden:", vorlage, errno);
    }
    try {
        allesSchreiben(fd, vorlage, 0, inhalt.data(), inhalt.size());
        if (::fsync(fd) != 0) {
            fehler("Die Daten können nicht auf den Datenträger geschrieben werden:", vorlage, errno);
        }
        struct stat alt {};
        if (::stat(pfad.c_str(), &alt) == 0) {
            ::fchmod(fd, alt.st_mode & 07777);
        } else {
            ::fchmod(fd, 0644);
        }
        ::close(fd);
    } catch (...) {
        ::close(fd);
        ::unlink(vorlage.c_str());
        throw;
    }
    if (::rename(vorlage.c_str(), pfad.c_str()) != 0) {
        const int nummer = errno;
        ::unlink(vorlage.c_str());
        fehler("Die Datei kann nicht ersetzt werden:", pfad, nummer);
    }
    const int ordner = ::open(ordnerVon(pfad).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordner >= 0) {
        ::fsync(ordner);
        ::close(ordner);
    }
}

void dateiKopieren(const std::string& von, const std::string& nach) {
    const Datei quelle(von, Datei::Art::Lesen);
    const auto inhalt = quelle.allesLesen();
    const int fd = ::open(nach.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        fehler("Die Sicherungskopie kann nicht angelegt werden:", nach, errno);
    }
    try {
        allesSchreiben(fd, nach, 0, inhalt.data(), inhalt.size());
        if (::fsync(fd) != 0) {
            fehler("Die Sicherungskopie kann nicht auf den Datenträger geschrieben werden:", nach, errno);
        }
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
}

} // namespace tastwerk
