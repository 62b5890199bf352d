// The user file Benutzer.dat: a flat sequence of 376-byte records, one per learner, found by name.
// Every operation holds an exclusive lock on the folder from its first read to its last write, so two
// running copies never interleave and never read a record while it is being written.
#pragma once

#include "session/benutzerdatensatz.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

// A learner's record and the 1-based position after it in the file.
struct Fundstelle {
    Benutzerdatensatz satz;
    int satzposition = 0;
};

struct Loeschergebnis {
    enum class Art {
        Geloescht,
        Verweigert,     // the chosen learner is the signed-in one; the file is unchanged
        NichtVorhanden, // no such row (any more); the file is unchanged
    };
    Art art = Art::NichtVorhanden;
    int benutzerzahl = 0; // users in the file afterwards
    std::string geloeschterName; // for Art::Geloescht
    // The signed-in learner's record as the file holds it afterwards, found by name from the start.
    std::optional<Fundstelle> angemeldeter;
};

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
    // and is never overwritten. A file that holds no plausible record throws KeineBenutzerdatei before
    // anything is written. A trailing fragment is copied aside unchanged and cut off first. When the new
    // record cannot be written whole, the file is cut back to its length before, so it holds no part of it.
    Anmeldung anmelden(const std::string& name, const std::function<Benutzerdatensatz()>& neuerSatz);

    // Writes the record over the stored record of the same name and returns its 1-based position.
    int speichern(const Benutzerdatensatz& satz);

    // All whole records in file order.
    std::vector<Benutzerdatensatz> alleLesen() const;

    // The record of `name`, searched from the start; nothing when the name is not in the file.
    std::optional<Fundstelle> lesen(const std::string& name) const;

    // Deletes the learner of table row `zeile` (1-based, record zeile - 1): the last record takes its
    // place and the file becomes one record shorter. The signed-in learner is never deleted. The new
    // content is written in one atomic step, so after a crash the file is either the old or the new one.
    // `gezeigterName` is the name the table showed in that row: when another running copy has moved
    // the records since, the learner of that name is deleted wherever it now stands, never another one.
    // `auchLoeschen` is called with the deleted learner's name while the folder is still locked, for
    // what else belongs to the learner (the learning history), so no other copy sees one without the other.
    Loeschergebnis loeschen(int zeile, const std::string& angemeldeterName,
                            const std::optional<std::string>& gezeigterName = std::nullopt,
                            const std::function<void(const std::string&)>& auchLoeschen = {});

private:
    // Removes the temporary files that a copy of the program left behind when it ended in the middle
    // of a deletion. Only called under the folder lock, when no deletion can be writing one.
    void zwischendateienEntfernen() const;

    std::string ordner_;
    std::string pfad_;
};

} // namespace tastwerk
