// The learning history Lernverlauf.db beside Benutzer.dat: one row per exercise that ended, kept in an
// SQLite database with a rollback journal (the folder may be a network share, where a write-ahead log
// is not safe). Every change is one transaction under the folder lock, so two running copies on one
// folder add their rows without loss and a copy killed while writing loses at most that row.
//
// The history never stands in the way of practice: a damaged file is copied aside and a new one begun,
// a full disk is reported, and either way the learner goes on. Benutzer.dat is never touched here.
#pragma once

#include "verlauf/uebungseintrag.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

class Datenbank;

// What one learner's history says in sum; the overview of a class is built from these.
struct Verlaufssumme {
    std::string name; // Windows-1252, as in Benutzer.dat
    std::uint32_t uebungen = 0;
    std::uint64_t sekunden = 0;
    std::string letztesEnde; // "JJJJ-MM-TT hh:mm:ss" of the latest exercise
    // Speed and error rate of the latest exercises, newest first (at most five).
    std::vector<double> letzteTempi;
    std::vector<double> letzteFehlerquoten;
};

class Lernverlauf {
public:
    static constexpr const char* Dateiname = "Lernverlauf.db";

    explicit Lernverlauf(std::string ordner);
    ~Lernverlauf();
    Lernverlauf(const Lernverlauf&) = delete;
    Lernverlauf& operator=(const Lernverlauf&) = delete;

    const std::string& pfad() const { return pfad_; }

    // Adds one exercise. Returns a message for the learner when something went wrong; the exercise is
    // then lost for the history, nothing else is. A damaged file is set aside first and the exercise
    // goes into a new one.
    std::optional<std::string> eintragen(const Uebungseintrag& e);
    // Adds several exercises in one transaction: all of them or none.
    std::optional<std::string> eintragen(const std::vector<Uebungseintrag>& eintraege);

    // Deletes every exercise of the learner. `ordnerGesperrt`: the caller holds the folder lock
    // already (the deletion of the learner's record), so it is not taken a second time.
    std::optional<std::string> loeschen(const std::string& name, bool ordnerGesperrt = false);

    // The learner's exercises in the order they ended; with `lektion` > 0 only that lesson's.
    std::vector<Uebungseintrag> uebungen(const std::string& name, int lektion = 0, bool mitZeichen = true);

    // Every recorded exercise, in the order they ended, without the per-character counts.
    std::vector<Uebungseintrag> alle();

    // Per learner who has a history: number of exercises, practice time, latest exercises.
    std::vector<Verlaufssumme> summen();

    // Per character, summed over the learner's exercises: how often typed as demanded and missed.
    std::vector<Zeichenzaehler> zeichensummen(const std::string& name);

    // A message that reading came upon (a damaged file that was set aside, an unreadable file), handed
    // out once; later calls return nothing until something new happens.
    std::optional<std::string> meldungAbholen();

private:
    template <class Arbeit>
    auto mitDatenbank(bool schreiben, bool ordnerGesperrt, Arbeit&& arbeit)
        -> decltype(arbeit(std::declval<Datenbank&>()));
    // Reads without the folder lock; a failure is reported and reads as nothing.
    template <class Arbeit> auto lesen(Arbeit&& arbeit) -> decltype(arbeit(std::declval<Datenbank&>()));
    void beiseitelegen();
    void melden(std::string text);

    std::string ordner_;
    std::string pfad_;
    bool geprueft_ = false;
    std::optional<std::string> meldung_;
    std::string letzteMeldung_;
};

} // namespace tastwerk
