// The user file Benutzer.dat: a flat sequence of 376-byte records, one per learner, found by name.
// Every change holds an exclusive lock on the folder, so two running copies never interleave.
#pragma once

#include "session/benutzerdatensatz.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

class Benutzerdatei {
public:
    explicit Benutzerdatei(std::string programmordner);

    const std::string& ordner() const { return ordner_; }
    const std::string& pfad() const { return pfad_; }
    bool existiert() const;

    struct Anmeldung {
        Benutzerdatensatz satz;
        int satzposition = 0; // 1-based position after the learner's record
        bool neu = false;
        bool dateiAngelegt = false;
        // Where a damaged file (size not a multiple of 376) was copied before it was mended.
        std::optional<std::string> sicherungskopie;
    };

    // Reads the learner's record, or appends the record `neuerSatz` makes when the name is new.
    // Creates the file when it does not exist; an existing file that cannot be opened is an error
    // and is never overwritten. A trailing fragment is copied aside unchanged and cut off first.
    Anmeldung anmelden(const std::string& name, const std::function<Benutzerdatensatz()>& neuerSatz);

    // Writes the record over the stored record of the same name and returns its 1-based position.
    int speichern(const Benutzerdatensatz& satz);

    // All whole records in file order.
    std::vector<Benutzerdatensatz> alleLesen() const;

private:
    std::string ordner_;
    std::string pfad_;
};

} // namespace tastwerk
