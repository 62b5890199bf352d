#include "session/startordner.h"

#include <algorithm>

namespace tastwerk {

namespace {

bool istAbsolut(const std::string& pfad) {
    return !pfad.empty() && pfad.front() == '/';
}

std::string verbinden(const std::string& ordner, const std::string& name) {
    if (ordner.empty() || ordner.back() == '/') {
        return ordner + name;
    }
    return ordner + "/" + name;
}

std::string nichtLeer(const Umgebungsvariable& umgebung, const char* name) {
    const std::optional<std::string> wert = umgebung(name);
    return wert ? *wert : std::string();
}

} // namespace

Startordnerwahl startordnerWaehlen(const Befehlszeile& befehle, const Umgebungsvariable& umgebung,
                                   const std::string& aktuellerOrdner) {
    Startordnerwahl wahl;
    auto gegeben = [&](const std::string& ordner, const char* herkunft) {
        wahl.ordner = istAbsolut(ordner) ? ordner : verbinden(aktuellerOrdner, ordner);
        wahl.herkunft = herkunft;
        return wahl;
    };
    if (befehle.ordner) {
        return gegeben(*befehle.ordner, "--ordner");
    }
    if (const std::string klasse = nichtLeer(umgebung, "TASTWERK_ORDNER"); !klasse.empty()) {
        return gegeben(klasse, "TASTWERK_ORDNER");
    }
    if (befehle.benutzerordner) {
        std::string daten = nichtLeer(umgebung, "XDG_DATA_HOME");
        if (!istAbsolut(daten)) {
            const std::string heim = nichtLeer(umgebung, "HOME");
            if (!istAbsolut(heim)) {
                wahl.fehler = "Der eigene Datenordner ist unbekannt: weder XDG_DATA_HOME noch HOME nennen "
                              "einen Ordner.";
                return wahl;
            }
            daten = verbinden(heim, ".local/share");
        }
        wahl.ordner = verbinden(daten, "tastwerk");
        wahl.anlegen = true;
        return wahl;
    }
    wahl.ordner = aktuellerOrdner;
    return wahl;
}

std::vector<std::string> datenordnerListe(const std::string& programmordner,
                                          const Umgebungsvariable& umgebung) {
    std::vector<std::string> liste;
    auto aufnehmen = [&liste](std::string ordner) {
        while (ordner.size() > 1 && ordner.back() == '/') {
            ordner.pop_back();
        }
        if (std::find(liste.begin(), liste.end(), ordner) == liste.end()) {
            liste.push_back(std::move(ordner));
        }
    };
    if (istAbsolut(programmordner)) {
        aufnehmen(verbinden(programmordner, "../share/tastwerk"));
    }
    std::string orte = nichtLeer(umgebung, "XDG_DATA_DIRS");
    if (orte.empty()) {
        orte = "/usr/local/share:/usr/share";
    }
    std::size_t anfang = 0;
    while (anfang <= orte.size()) {
        const std::size_t ende = std::min(orte.find(':', anfang), orte.size());
        const std::string ort = orte.substr(anfang, ende - anfang);
        if (istAbsolut(ort)) {
            aufnehmen(verbinden(ort, "tastwerk"));
        }
        anfang = ende + 1;
    }
    return liste;
}

} // namespace tastwerk
