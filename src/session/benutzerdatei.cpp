#include "session/benutzerdatei.h"

#include "platform/datei.h"
#include "session/satzpruefung.h"

#include <algorithm>
#include <filesystem>

namespace tastwerk {

namespace {

std::vector<Benutzerdatensatz> saetzeAus(const std::vector<std::uint8_t>& inhalt) {
    std::vector<Benutzerdatensatz> saetze;
    const std::size_t anzahl = inhalt.size() / Satzlaenge;
    saetze.reserve(anzahl);
    for (std::size_t k = 0; k < anzahl; ++k) {
        Satzbytes bytes;
        std::copy_n(inhalt.begin() + static_cast<std::ptrdiff_t>(k * Satzlaenge), Satzlaenge, bytes.begin());
        saetze.push_back(dekodieren(bytes));
    }
    return saetze;
}

std::optional<std::size_t> findeName(const std::vector<Benutzerdatensatz>& saetze, const std::string& name) {
    const auto treffer = std::find_if(saetze.begin(), saetze.end(), [&](const Benutzerdatensatz& s) {
        return gleicherName(s.benutzername, name);
    });
    if (treffer == saetze.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(treffer - saetze.begin());
}

std::string freierSicherungsname(const std::string& pfad) {
    std::string kandidat = pfad + ".beschaedigt";
    for (int nummer = 2; dateiExistiert(kandidat); ++nummer) {
        kandidat = pfad + ".beschaedigt-" + std::to_string(nummer);
    }
    return kandidat;
}

std::optional<Fundstelle> fundstelleIn(const std::vector<Benutzerdatensatz>& saetze,
                                       const std::string& name) {
    const auto index = findeName(saetze, name);
    if (!index) {
        return std::nullopt;
    }
    return Fundstelle{saetze[*index], static_cast<int>(*index) + 1};
}

// The record to delete: row `zeile`, or, when that row no longer holds the name the table showed,
// the record of that name.
std::optional<std::size_t> zuLoeschen(const std::vector<Benutzerdatensatz>& saetze, int zeile,
                                      const std::optional<std::string>& gezeigterName) {
    const bool zeileVorhanden = zeile >= 1 && static_cast<std::size_t>(zeile) <= saetze.size();
    if (zeileVorhanden &&
        (!gezeigterName ||
         gleicherName(saetze[static_cast<std::size_t>(zeile) - 1].benutzername, *gezeigterName))) {
        return static_cast<std::size_t>(zeile) - 1;
    }
    if (gezeigterName) {
        return findeName(saetze, *gezeigterName);
    }
    return std::nullopt;
}

void satzSchreiben(Datei& datei, std::size_t index, const Benutzerdatensatz& satz) {
    const Satzbytes bytes = kodieren(satz);
    datei.schreiben(static_cast<std::uint64_t>(index) * Satzlaenge, bytes.data(), bytes.size());
    datei.sichern();
}

} // namespace

Benutzerdatei::Benutzerdatei(std::string programmordner)
    : ordner_(std::move(programmordner)),
      pfad_(ordner_ + (ordner_.ends_with('/') ? "" : "/") + "Benutzer.dat") {}

bool Benutzerdatei::existiert() const {
    return dateiExistiert(pfad_);
}

Benutzerdatei::Anmeldung Benutzerdatei::anmelden(const std::string& name,
                                                 const std::function<Benutzerdatensatz()>& neuerSatz) {
    const Ordnersperre sperre(ordner_);
    Anmeldung ergebnis;
    ergebnis.dateiAngelegt = dateiNeuAnlegen(pfad_);

    Datei datei(pfad_, Datei::Art::LesenSchreiben);
    const auto inhalt = datei.allesLesen();
    if (!istBenutzerdatei(inhalt)) {
        throw KeineBenutzerdatei(pfad_);
    }
    const std::size_t ganze = inhalt.size() / Satzlaenge * Satzlaenge;
    if (ganze != inhalt.size()) {
        const std::string kopie = freierSicherungsname(pfad_);
        dateiKopieren(pfad_, kopie);
        datei.kuerzen(ganze);
        datei.sichern();
        ergebnis.sicherungskopie = kopie;
    }

    const auto saetze = saetzeAus(inhalt);
    if (const auto index = findeName(saetze, name)) {
        ergebnis.satz = saetze[*index];
        ergebnis.satzposition = static_cast<int>(*index) + 1;
        return ergebnis;
    }
    ergebnis.neu = true;
    ergebnis.satz = neuerSatz();
    const Satzbytes bytes = kodieren(ergebnis.satz);
    try {
        datei.anhaengen(ganze, bytes.data(), bytes.size());
    } catch (const Dateifehler&) {
        // A file made just now goes again, so the next start is a first run that makes "Texte" too.
        if (ergebnis.dateiAngelegt) {
            std::error_code egal;
            std::filesystem::remove(pfad_, egal);
        }
        throw;
    }
    ergebnis.satzposition = static_cast<int>(saetze.size()) + 1;
    return ergebnis;
}

int Benutzerdatei::speichern(const Benutzerdatensatz& satz) {
    const Ordnersperre sperre(ordner_);
    Datei datei(pfad_, Datei::Art::LesenSchreiben);
    const auto saetze = saetzeAus(datei.allesLesen());
    const auto index = findeName(saetze, satz.benutzername);
    if (!index) {
        throw Dateifehler("Der Benutzer ist in der Benutzerdatei \"" + pfad_ +
                          "\" nicht mehr vorhanden; die Daten wurden nicht gespeichert.");
    }
    satzSchreiben(datei, *index, satz);
    return static_cast<int>(*index) + 1;
}

std::vector<Benutzerdatensatz> Benutzerdatei::alleLesen() const {
    const Ordnersperre sperre(ordner_);
    const Datei datei(pfad_, Datei::Art::Lesen);
    return saetzeAus(datei.allesLesen());
}

std::optional<Fundstelle> Benutzerdatei::lesen(const std::string& name) const {
    return fundstelleIn(alleLesen(), name);
}

Loeschergebnis Benutzerdatei::loeschen(int zeile, const std::string& angemeldeterName,
                                       const std::optional<std::string>& gezeigterName,
                                       const std::function<void(const std::string&)>& auchLoeschen) {
    const Ordnersperre sperre(ordner_);
    zwischendateienEntfernen();
    std::vector<std::uint8_t> inhalt = Datei(pfad_, Datei::Art::Lesen).allesLesen();
    std::vector<Benutzerdatensatz> saetze = saetzeAus(inhalt);

    Loeschergebnis ergebnis;
    const auto index = zuLoeschen(saetze, zeile, gezeigterName);
    if (!index) {
        ergebnis.art = Loeschergebnis::Art::NichtVorhanden;
    } else if (gleicherName(saetze[*index].benutzername, angemeldeterName)) {
        ergebnis.art = Loeschergebnis::Art::Verweigert;
    } else {
        // The stored bytes of the last record move as they are; a trailing fragment stays behind them.
        const std::size_t letzter = saetze.size() - 1;
        ergebnis.geloeschterName = saetze[*index].benutzername;
        const auto anfang = [&](std::size_t k) {
            return inhalt.begin() + static_cast<std::ptrdiff_t>(k * Satzlaenge);
        };
        if (*index != letzter) {
            std::copy_n(anfang(letzter), Satzlaenge, anfang(*index));
            saetze[*index] = saetze[letzter];
        }
        inhalt.erase(anfang(letzter), anfang(letzter + 1));
        saetze.pop_back();
        atomarSchreiben(pfad_, inhalt);
        ergebnis.art = Loeschergebnis::Art::Geloescht;
        if (auchLoeschen) {
            auchLoeschen(ergebnis.geloeschterName);
        }
    }
    ergebnis.benutzerzahl = static_cast<int>(saetze.size());
    ergebnis.angemeldeter = fundstelleIn(saetze, angemeldeterName);
    return ergebnis;
}

void Benutzerdatei::zwischendateienEntfernen() const {
    // atomarSchreiben names its temporary file after the target with ".neu-" and six letters.
    // Tidying is a courtesy: what cannot be removed stays and does no harm.
    const std::string praefix = std::filesystem::path(pfad_).filename().string() + ".neu-";
    std::error_code fehler;
    std::filesystem::directory_iterator eintrag(ordner_, fehler);
    for (; !fehler && eintrag != std::filesystem::directory_iterator(); eintrag.increment(fehler)) {
        if (eintrag->path().filename().string().starts_with(praefix)) {
            std::error_code egal;
            std::filesystem::remove(eintrag->path(), egal);
        }
    }
}

} // namespace tastwerk
