#include "stats/gesamtstatistik.h"

#include "platform/zahlformat.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tastwerk {

Fingerzaehler zusammenzaehlen(const Fingerzaehler& buchstabenuebung, const Fingerzaehler& wortuebung) {
    Fingerzaehler summe{};
    for (std::size_t i = 0; i < summe.size(); ++i) {
        summe[i].anschlaege = buchstabenuebung[i].anschlaege + wortuebung[i].anschlaege;
        summe[i].fehler = buchstabenuebung[i].fehler + wortuebung[i].fehler;
    }
    return summe;
}

std::uint8_t gespeicherteQuote(double quote) {
    return static_cast<std::uint8_t>(std::clamp(std::nearbyint(quote), 0.0, 100.0));
}

Fingerfehlerquoten gesamtfehlerstatistik(Sitzung& sitzung, const Fingerzaehler& buchstabenuebung,
                                         const Fingerzaehler& wortuebung) {
    const Fingerfehlerquoten quoten = statistikberechnen(zusammenzaehlen(buchstabenuebung, wortuebung));
    const auto lektion = static_cast<std::size_t>(std::clamp(sitzung.lektionNr, 1, LektionenAnzahl) - 1);
    for (std::size_t i = 0; i < quoten.size(); ++i) {
        sitzung.fehlerquoten[i][lektion] = gespeicherteQuote(quoten[i]);
    }
    return quoten;
}

std::string rasterzelle(std::uint8_t wert) {
    return wert == KeinWert ? "-------" : rechtsbuendig(wert, 3);
}

std::string rasterzelle(const Sitzung& sitzung, Fingergruppe f, int lektion) {
    const auto spalte = static_cast<std::size_t>(std::clamp(lektion, 1, LektionenAnzahl) - 1);
    return rasterzelle(sitzung.fehlerquoten[static_cast<std::size_t>(platz(f))][spalte]);
}

} // namespace tastwerk
