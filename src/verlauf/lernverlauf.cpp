#include "verlauf/lernverlauf.h"

#include "platform/datei.h"
#include "verlauf/datenbank.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

namespace tastwerk {

namespace {

constexpr int Schemaversion = 1;

// One column per finger group and counter, in the order of the finger groups.
constexpr const char* Schema = R"(
CREATE TABLE IF NOT EXISTS uebung (
    id INTEGER PRIMARY KEY,
    name BLOB NOT NULL,
    beginn TEXT NOT NULL,
    ende TEXT NOT NULL,
    lektion INTEGER NOT NULL,
    stufe TEXT NOT NULL,
    layout INTEGER NOT NULL,
    anschlaege INTEGER NOT NULL,
    fehler INTEGER NOT NULL,
    sekunden INTEGER NOT NULL,
    tempo REAL NOT NULL,
    fehlerquote REAL NOT NULL,
    bestanden INTEGER NOT NULL,
    f1_gezeigt INTEGER NOT NULL, f1_fehler INTEGER NOT NULL,
    f2_gezeigt INTEGER NOT NULL, f2_fehler INTEGER NOT NULL,
    f3_gezeigt INTEGER NOT NULL, f3_fehler INTEGER NOT NULL,
    f4_gezeigt INTEGER NOT NULL, f4_fehler INTEGER NOT NULL,
    f5_gezeigt INTEGER NOT NULL, f5_fehler INTEGER NOT NULL,
    f6_gezeigt INTEGER NOT NULL, f6_fehler INTEGER NOT NULL,
    f7_gezeigt INTEGER NOT NULL, f7_fehler INTEGER NOT NULL,
    f8_gezeigt INTEGER NOT NULL, f8_fehler INTEGER NOT NULL,
    f9_gezeigt INTEGER NOT NULL, f9_fehler INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS uebung_nach_name ON uebung (name, ende, id);
CREATE TABLE IF NOT EXISTS zeichen (
    uebung INTEGER NOT NULL REFERENCES uebung (id) ON DELETE CASCADE,
    zeichen INTEGER NOT NULL,
    anschlaege INTEGER NOT NULL,
    fehler INTEGER NOT NULL,
    PRIMARY KEY (uebung, zeichen)
) WITHOUT ROWID;
)";

constexpr const char* Einfuegen =
    "INSERT INTO uebung (name, beginn, ende, lektion, stufe, layout, anschlaege, fehler, sekunden, tempo, "
    "fehlerquote, bestanden, f1_gezeigt, f1_fehler, f2_gezeigt, f2_fehler, f3_gezeigt, f3_fehler, "
    "f4_gezeigt, f4_fehler, f5_gezeigt, f5_fehler, f6_gezeigt, f6_fehler, f7_gezeigt, f7_fehler, "
    "f8_gezeigt, f8_fehler, f9_gezeigt, f9_fehler) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

constexpr const char* Spalten =
    "id, name, beginn, ende, lektion, stufe, layout, anschlaege, fehler, sekunden, tempo, fehlerquote, "
    "bestanden, f1_gezeigt, f1_fehler, f2_gezeigt, f2_fehler, f3_gezeigt, f3_fehler, f4_gezeigt, "
    "f4_fehler, f5_gezeigt, f5_fehler, f6_gezeigt, f6_fehler, f7_gezeigt, f7_fehler, f8_gezeigt, "
    "f8_fehler, f9_gezeigt, f9_fehler";

Uebungseintrag zeileLesen(const Anweisung& a) {
    Uebungseintrag e;
    e.name = a.text(1);
    e.beginn = a.text(2);
    e.ende = a.text(3);
    e.lektion = int(a.zahl(4));
    e.stufe = a.text(5);
    e.layout = int(a.zahl(6));
    e.anschlaege = std::uint32_t(a.zahl(7));
    e.fehler = std::uint32_t(a.zahl(8));
    e.sekunden = std::uint32_t(a.zahl(9));
    e.tempo = a.reell(10);
    e.fehlerquote = a.reell(11);
    e.bestanden = a.zahl(12) != 0;
    for (int f = 0; f < FingergruppenAnzahl; ++f) {
        e.finger[std::size_t(f)] = {std::uint32_t(a.zahl(13 + 2 * f)), std::uint32_t(a.zahl(14 + 2 * f))};
    }
    return e;
}

void zeichenLesen(Datenbank& db, std::int64_t id, Uebungseintrag& e) {
    Anweisung a(db, "SELECT zeichen, anschlaege, fehler FROM zeichen WHERE uebung = ? ORDER BY zeichen");
    a.binde(1, id);
    while (a.schritt()) {
        e.zeichen.push_back({Zeichen(a.zahl(0)), std::uint32_t(a.zahl(1)), std::uint32_t(a.zahl(2))});
    }
}

// Sets a connection up. Once per program run the file's length is held against the pages it claims
// (a file cut short is damaged even where no read has reached the missing pages yet); damage elsewhere
// shows when a page is read. Then the tables, on the first use of a new file.
void einrichten(Datenbank& db, const std::string& pfad, bool pruefen) {
    if (pruefen) {
        Anweisung seiten(db, "SELECT page_count * page_size FROM pragma_page_count(), pragma_page_size()");
        seiten.schritt();
        const std::int64_t erwartet = seiten.zahl(0);
        std::error_code fehler;
        const auto groesse = std::filesystem::file_size(pfad, fehler);
        if (!fehler && erwartet > 0 && std::int64_t(groesse) < erwartet) {
            throw Datenbankfehler(11 /* SQLITE_CORRUPT */, "Lernverlauf.db ist kürzer als sein Inhalt");
        }
    }
    Anweisung version(db, "PRAGMA user_version");
    version.schritt();
    if (version.zahl(0) < Schemaversion) {
        db.ausfuehren("BEGIN IMMEDIATE");
        db.ausfuehren(Schema);
        db.ausfuehren("PRAGMA user_version = 1");
        db.ausfuehren("COMMIT");
    }
    db.ausfuehren("PRAGMA foreign_keys = ON");
    // A rollback journal that is kept and only invalidated after each commit, and two syncs per
    // commit: a row takes a few milliseconds on a disk instead of a dozen, and a copy that is killed
    // while writing still loses only that row.
    db.ausfuehren("PRAGMA journal_mode = PERSIST");
    db.ausfuehren("PRAGMA synchronous = NORMAL");
}

} // namespace

Lernverlauf::Lernverlauf(std::string ordner) : ordner_(std::move(ordner)), pfad_(ordner_ + "/" + Dateiname) {}

Lernverlauf::~Lernverlauf() = default;

template <class Arbeit>
auto Lernverlauf::mitDatenbank(bool schreiben, bool ordnerGesperrt, Arbeit&& arbeit)
    -> decltype(arbeit(std::declval<Datenbank&>())) {
    for (int versuch = 0;; ++versuch) {
        std::optional<Ordnersperre> sperre;
        if (schreiben && !ordnerGesperrt) {
            sperre.emplace(ordner_);
        }
        if (!schreiben && !dateiExistiert(pfad_)) {
            return {};
        }
        try {
            Datenbank db(pfad_);
            einrichten(db, pfad_, !geprueft_);
            geprueft_ = true;
            return arbeit(db);
        } catch (const Datenbankfehler& f) {
            if (!f.beschaedigt() || versuch > 0) {
                throw;
            }
        }
        // The file is damaged: set it aside under the folder lock and begin a new one.
        if (!sperre && !ordnerGesperrt) {
            sperre.emplace(ordner_);
        }
        beiseitelegen();
    }
}

template <class Arbeit>
auto Lernverlauf::lesen(Arbeit&& arbeit) -> decltype(arbeit(std::declval<Datenbank&>())) {
    try {
        return mitDatenbank(false, false, std::forward<Arbeit>(arbeit));
    } catch (const std::runtime_error& f) {
        melden(std::string("Der Lernverlauf kann nicht gelesen werden (") + f.what() + ").");
        return {};
    }
}

void Lernverlauf::beiseitelegen() {
    std::string ziel;
    for (int n = 1;; ++n) {
        ziel = ordner_ + "/Lernverlauf-defekt-" + std::to_string(n) + ".db";
        if (!dateiExistiert(ziel)) {
            break;
        }
    }
    // Another copy may have set it aside and begun a new one meanwhile: then there is nothing to do.
    bool nochBeschaedigt = true;
    try {
        Datenbank db(pfad_);
        Anweisung pruefung(db, "PRAGMA quick_check");
        nochBeschaedigt = !pruefung.schritt() || pruefung.text(0) != "ok";
    } catch (const Datenbankfehler&) {
    }
    if (!nochBeschaedigt) {
        return;
    }
    if (std::rename(pfad_.c_str(), ziel.c_str()) != 0) {
        throw Dateifehler("Der beschädigte Lernverlauf \"" + pfad_ + "\" kann nicht beiseitegelegt werden.");
    }
    // A journal left by a copy that ended while writing belongs to the damaged file.
    std::rename((pfad_ + "-journal").c_str(), (ziel + "-journal").c_str());
    geprueft_ = false;
    melden("Die Datei Lernverlauf.db war beschädigt. Sie wurde unverändert als " +
           ziel.substr(ordner_.size() + 1) +
           " beiseitegelegt, und ein neuer Lernverlauf wurde begonnen. Die Benutzerdatei ist davon nicht "
           "betroffen.");
}

void Lernverlauf::melden(std::string text) {
    if (text == letzteMeldung_) {
        return;
    }
    letzteMeldung_ = text;
    meldung_ = std::move(text);
}

std::optional<std::string> Lernverlauf::meldungAbholen() {
    return std::exchange(meldung_, std::nullopt);
}

std::optional<std::string> Lernverlauf::eintragen(const Uebungseintrag& e) {
    return eintragen(std::vector<Uebungseintrag>{e});
}

std::optional<std::string> Lernverlauf::eintragen(const std::vector<Uebungseintrag>& eintraege) {
    try {
        mitDatenbank(true, false, [&](Datenbank& db) {
            db.ausfuehren("BEGIN IMMEDIATE");
            try {
                Anweisung a(db, Einfuegen);
                Anweisung id(db, "SELECT last_insert_rowid()");
                Anweisung z(db,
                            "INSERT INTO zeichen (uebung, zeichen, anschlaege, fehler) VALUES (?, ?, ?, ?)");
                for (const Uebungseintrag& e : eintraege) {
                    a.bindeBytes(1, e.name).bindeText(2, e.beginn).bindeText(3, e.ende);
                    a.binde(4, std::int64_t(e.lektion))
                        .bindeText(5, e.stufe)
                        .binde(6, std::int64_t(e.layout));
                    a.binde(7, std::int64_t(e.anschlaege)).binde(8, std::int64_t(e.fehler));
                    a.binde(9, std::int64_t(e.sekunden)).binde(10, e.tempo).binde(11, e.fehlerquote);
                    a.binde(12, std::int64_t(e.bestanden ? 1 : 0));
                    for (int f = 0; f < FingergruppenAnzahl; ++f) {
                        a.binde(13 + 2 * f, std::int64_t(e.finger[std::size_t(f)].anschlaege));
                        a.binde(14 + 2 * f, std::int64_t(e.finger[std::size_t(f)].fehler));
                    }
                    a.schritt();
                    a.zuruecksetzen();
                    id.schritt();
                    const std::int64_t uebung = id.zahl(0);
                    id.zuruecksetzen();
                    for (const Zeichenzaehler& zz : e.zeichen) {
                        z.binde(1, uebung)
                            .binde(2, std::int64_t(zz.zeichen))
                            .binde(3, std::int64_t(zz.anschlaege));
                        z.binde(4, std::int64_t(zz.fehler));
                        z.schritt();
                        z.zuruecksetzen();
                    }
                }
                db.ausfuehren("COMMIT");
            } catch (...) {
                db.zurueckrollen();
                throw;
            }
            return 0;
        });
        letzteMeldung_.clear();
    } catch (const Datenbankfehler& f) {
        melden(f.voll() ? "Der Lernverlauf kann nicht gespeichert werden, weil der Datenträger voll ist. Sie "
                          "können weiter üben; diese Übung fehlt dann im Lernverlauf."
                        : std::string("Der Lernverlauf kann nicht gespeichert werden (") + f.what() +
                              "). Sie können weiter üben; diese Übung fehlt dann im Lernverlauf.");
    } catch (const Dateifehler& f) {
        melden(std::string("Der Lernverlauf kann nicht gespeichert werden (") + f.what() +
               "). Sie können weiter üben; diese Übung fehlt dann im Lernverlauf.");
    }
    return meldungAbholen();
}

std::optional<std::string> Lernverlauf::loeschen(const std::string& name, bool ordnerGesperrt) {
    if (!dateiExistiert(pfad_)) {
        return std::nullopt;
    }
    try {
        mitDatenbank(true, ordnerGesperrt, [&](Datenbank& db) {
            db.ausfuehren("BEGIN IMMEDIATE");
            try {
                Anweisung z(db, "DELETE FROM zeichen WHERE uebung IN (SELECT id FROM uebung WHERE name = ?)");
                z.bindeBytes(1, name).schritt();
                Anweisung u(db, "DELETE FROM uebung WHERE name = ?");
                u.bindeBytes(1, name).schritt();
                db.ausfuehren("COMMIT");
            } catch (...) {
                db.zurueckrollen();
                throw;
            }
            return 0;
        });
    } catch (const std::runtime_error& f) {
        melden(std::string("Der Lernverlauf des Benutzers kann nicht gelöscht werden (") + f.what() + ").");
    }
    return meldungAbholen();
}

std::vector<Uebungseintrag> Lernverlauf::uebungen(const std::string& name, int lektion, bool mitZeichen) {
    return lesen([&](Datenbank& db) {
        std::vector<Uebungseintrag> liste;
        std::vector<std::int64_t> ids;
        const std::string sql = std::string("SELECT ") + Spalten +
                                " FROM uebung WHERE name = ? AND (? = 0 OR lektion = ?) ORDER BY ende, id";
        Anweisung a(db, sql.c_str());
        a.bindeBytes(1, name).binde(2, std::int64_t(lektion)).binde(3, std::int64_t(lektion));
        while (a.schritt()) {
            liste.push_back(zeileLesen(a));
            ids.push_back(a.zahl(0));
        }
        if (mitZeichen) {
            for (std::size_t i = 0; i < liste.size(); ++i) {
                zeichenLesen(db, ids[i], liste[i]);
            }
        }
        return liste;
    });
}

std::vector<Uebungseintrag> Lernverlauf::alle() {
    return lesen([&](Datenbank& db) {
        std::vector<Uebungseintrag> liste;
        const std::string sql = std::string("SELECT ") + Spalten + " FROM uebung ORDER BY ende, id";
        Anweisung a(db, sql.c_str());
        while (a.schritt()) {
            liste.push_back(zeileLesen(a));
        }
        return liste;
    });
}

std::vector<Verlaufssumme> Lernverlauf::summen() {
    return lesen([&](Datenbank& db) {
        std::vector<Verlaufssumme> liste;
        Anweisung a(
            db, "SELECT name, count(*), sum(sekunden), max(ende) FROM uebung GROUP BY name ORDER BY name");
        while (a.schritt()) {
            Verlaufssumme s;
            s.name = a.text(0);
            s.uebungen = std::uint32_t(a.zahl(1));
            s.sekunden = std::uint64_t(a.zahl(2));
            s.letztesEnde = a.text(3);
            liste.push_back(std::move(s));
        }
        Anweisung letzte(
            db, "SELECT tempo, fehlerquote FROM uebung WHERE name = ? ORDER BY ende DESC, id DESC LIMIT 5");
        for (Verlaufssumme& s : liste) {
            letzte.bindeBytes(1, s.name);
            while (letzte.schritt()) {
                s.letzteTempi.push_back(letzte.reell(0));
                s.letzteFehlerquoten.push_back(letzte.reell(1));
            }
            letzte.zuruecksetzen();
        }
        return liste;
    });
}

std::vector<Zeichenzaehler> Lernverlauf::zeichensummen(const std::string& name) {
    return lesen([&](Datenbank& db) {
        // Summed here rather than grouped by SQLite: one pass over the rows, no sorting.
        Zeichenzaehlung summe;
        Anweisung a(db, "SELECT zeichen, anschlaege, fehler FROM zeichen WHERE uebung IN "
                        "(SELECT id FROM uebung WHERE name = ?)");
        a.bindeBytes(1, name);
        while (a.schritt()) {
            summe.hinzufuegen(Zeichen(a.zahl(0)), std::uint32_t(a.zahl(1)), std::uint32_t(a.zahl(2)));
        }
        return summe.liste();
    });
}

} // namespace tastwerk
