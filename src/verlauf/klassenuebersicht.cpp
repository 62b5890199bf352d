#include "verlauf/klassenuebersicht.h"

#include "platform/zeichensatz.h"

#include <cstdio>
#include <map>

namespace tastwerk {

std::optional<double> trend(const std::vector<double>& werte) {
    const std::size_t n = werte.size();
    if (n < 2) {
        return std::nullopt;
    }
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = double(i);
        sx += x;
        sy += werte[i];
        sxx += x * x;
        sxy += x * werte[i];
    }
    const double nenner = double(n) * sxx - sx * sx;
    return (double(n) * sxy - sx * sy) / nenner;
}

std::vector<Klassenzeile> klassenuebersicht(const std::vector<Benutzerdatensatz>& saetze,
                                            const std::vector<Verlaufssumme>& summen) {
    std::map<std::string, const Verlaufssumme*> nachName;
    for (const Verlaufssumme& s : summen) {
        nachName[s.name] = &s;
    }
    std::vector<Klassenzeile> zeilen;
    zeilen.reserve(saetze.size());
    for (const Benutzerdatensatz& satz : saetze) {
        Klassenzeile z;
        z.name = cp1252ZuUtf8(satz.benutzername);
        z.lektion = satz.lektionNr;
        z.stufe = satz.uebungsstufe;
        z.benutzungen = satz.benutzungen;
        char datum[16];
        std::snprintf(datum, sizeof datum, "%02d.%02d.%04d", int(satz.tag), int(satz.monat), int(satz.jahr));
        z.letzteBenutzung = datum;
        if (const auto it = nachName.find(satz.benutzername); it != nachName.end()) {
            const Verlaufssumme& s = *it->second;
            z.uebungen = s.uebungen;
            z.sekunden = s.sekunden;
            if (!s.letzteTempi.empty()) {
                z.tempo = s.letzteTempi.front();
                z.fehlerquote = s.letzteFehlerquoten.front();
                z.tempoTrend = trend({s.letzteTempi.rbegin(), s.letzteTempi.rend()});
                z.fehlerTrend = trend({s.letzteFehlerquoten.rbegin(), s.letzteFehlerquoten.rend()});
            }
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

} // namespace tastwerk
