// Checked file operations on Linux. Every failure throws Dateifehler with a message that says what failed.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace tastwerk {

class Dateifehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An open file descriptor, closed when it goes out of scope.
class Datei {
public:
    enum class Art { Lesen, LesenSchreiben };
    Datei(const std::string& pfad, Art art);
    ~Datei();
    Datei(const Datei&) = delete;
    Datei& operator=(const Datei&) = delete;

    std::uint64_t groesse() const;
    std::vector<std::uint8_t> allesLesen() const;
    void schreiben(std::uint64_t versatz, const std::uint8_t* daten, std::size_t laenge);
    void kuerzen(std::uint64_t laenge);
    // Writes the bytes at `ende` (the end of the file) and pushes them to the disk. When that fails
    // (a full disk), the file is cut back to `ende` before the error is thrown, so it holds no part of them.
    void anhaengen(std::uint64_t ende, const std::uint8_t* daten, std::size_t laenge);
    // Pushes written data to the disk.
    void sichern();

private:
    int fd_ = -1;
    std::string pfad_;
};

// An exclusive advisory lock on a folder, held while it exists. Two running copies of the program
// that change files in the same folder wait for each other.
class Ordnersperre {
public:
    explicit Ordnersperre(const std::string& ordner);
    ~Ordnersperre();
    Ordnersperre(const Ordnersperre&) = delete;
    Ordnersperre& operator=(const Ordnersperre&) = delete;

private:
    int fd_ = -1;
};

bool dateiExistiert(const std::string& pfad);

// Creates an empty file; false when it exists already (it is left as it is).
bool dateiNeuAnlegen(const std::string& pfad);

// Creates the folder; false when it exists already.
bool ordnerAnlegen(const std::string& pfad);

// Writes the whole content to a temporary file beside the target, pushes it to the disk and renames it
// into place, so the target holds either its old or its new content, never a mix.
void atomarSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);

// Copies a file byte for byte to a new file (which must not exist yet).
void dateiKopieren(const std::string& von, const std::string& nach);

std::string ordnerVon(const std::string& pfad);

} // namespace tastwerk
