#include "session/benutzerdatei.h"

#include "platform/datei.h"

#include <algorithm>

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
    satzSchreiben(datei, saetze.size(), ergebnis.satz);
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
    const Datei datei(pfad_, Datei::Art::Lesen);
    return saetzeAus(datei.allesLesen());
}

} // namespace tastwerk
