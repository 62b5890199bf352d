#include "verlauf/aufzeichnung.h"

#include "practice/uebungszeit.h"

#include <algorithm>
#include <cstdio>

namespace tastwerk {

std::string zeitText(const Zeitpunkt& z) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", z.datum.jahr, z.datum.monat,
                  z.datum.tag, z.stunde, z.minute, z.sekunde);
    return text;
}

Uebungseintrag uebungseintrag(const std::string& name, int lektion, const std::string& stufe, int layout,
                              const Zeitpunkt& beginn, const Zeitpunkt& ende, const Uebungsstand& stand,
                              bool bestanden) {
    Uebungseintrag e;
    e.name = name;
    e.beginn = zeitText(beginn);
    e.ende = zeitText(ende);
    e.lektion = lektion;
    e.stufe = stufe;
    e.layout = layout;
    e.anschlaege = stand.anschlaege;
    e.fehler = stand.fehler;
    e.sekunden = std::uint32_t(std::max<std::int64_t>(0, stand.sekunden));
    e.tempo = anschlaegeProMinute(stand.tempozaehler, stand.sekunden);
    e.fehlerquote = stand.anschlaege == 0 ? 0.0 : 100.0 * stand.fehler / stand.anschlaege;
    e.bestanden = bestanden;
    e.finger = stand.finger;
    e.zeichen = stand.zeichen;
    return e;
}

} // namespace tastwerk
