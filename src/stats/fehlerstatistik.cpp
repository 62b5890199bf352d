#include "stats/fehlerstatistik.h"

#include "platform/zahlformat.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tastwerk {

namespace {

struct Zeilenart {
    const char* name;
    Farbgruppe farbe;
};

// The panel's rows, in finger group order.
constexpr std::array<Zeilenart, FingergruppenAnzahl> Zeilenarten = {{
    {"kleiner Finger: ", Farbgruppe::KleinerFinger}, // 1 left little finger
    {"Ringfinger: ", Farbgruppe::Ringfinger},        // 2 left ring finger
    {"Mittelfinger: ", Farbgruppe::Mittelfinger},    // 3 left middle finger
    {"Zeigefinger: ", Farbgruppe::Zeigefinger},      // 4 left index finger
    {"Daumen: ", Farbgruppe::Daumen},                // 5 thumb
    {"kleiner Finger: ", Farbgruppe::KleinerFinger}, // 6 right little finger
    {"Ringfinger: ", Farbgruppe::Ringfinger},        // 7 right ring finger
    {"Mittelfinger: ", Farbgruppe::Mittelfinger},    // 8 right middle finger
    {"Zeigefinger: ", Farbgruppe::Zeigefinger},      // 9 right index finger
}};

const Zeilenart& zeilenart(Fingergruppe f) {
    return Zeilenarten[static_cast<std::size_t>(platz(f))];
}

} // namespace

Fingerfehlerquoten statistikberechnen(const Fingerzahlen& anschlaege, const Fingerzahlen& fehler) {
    Fingerfehlerquoten quoten{};
    for (std::size_t i = 0; i < quoten.size(); ++i) {
        if (anschlaege[i] != 0 && fehler[i] != 0) {
            quoten[i] = 100.0 * fehler[i] / anschlaege[i];
        }
    }
    return quoten;
}

Fingerfehlerquoten statistikberechnen(const Fingerzaehler& zaehler) {
    return statistikberechnen(anschlaegeVon(zaehler), fehlerVon(zaehler));
}

Fingerzahlen anschlaegeVon(const Fingerzaehler& zaehler) {
    Fingerzahlen zahlen{};
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        zahlen[i] = zaehler[i].anschlaege;
    }
    return zahlen;
}

Fingerzahlen fehlerVon(const Fingerzaehler& zaehler) {
    Fingerzahlen zahlen{};
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        zahlen[i] = zaehler[i].fehler;
    }
    return zahlen;
}

std::string statistiktitel(int lektion) {
    return "Fehlerstatistik Lektion " + std::to_string(lektion);
}

std::string fingername(Fingergruppe f) {
    return zeilenart(f).name;
}

Farbgruppe zeilenfarbe(Fingergruppe f) {
    return zeilenart(f).farbe;
}

bool linkeSpalte(Fingergruppe f) {
    return f <= Fingergruppe::Daumen;
}

std::string statistikzeile(Fingergruppe f, std::uint32_t fehler, std::uint32_t anschlaege, double quote) {
    return fingername(f) + std::to_string(fehler) + " von " + std::to_string(anschlaege) + " falsch (" +
           festkomma(quote, 2, 5) + " %)";
}

int balkenposition(double quote) {
    return static_cast<int>(std::nearbyint(quote));
}

int balkenwert(double quote, int skala) {
    return std::clamp(balkenposition(quote), 0, std::max(0, skala));
}

Fehlerstatistikanzeige fehlerstatistik(int lektion, const Fingerfehlerquoten& quoten,
                                       const Fingerzahlen& anschlaege, const Fingerzahlen& fehler) {
    Fehlerstatistikanzeige anzeige;
    anzeige.titel = statistiktitel(lektion);
    for (std::size_t i = 0; i < anzeige.zeilen.size(); ++i) {
        const auto f = static_cast<Fingergruppe>(i + 1);
        Statistikzeile& zeile = anzeige.zeilen[i];
        zeile.text = statistikzeile(f, fehler[i], anschlaege[i], quoten[i]);
        zeile.balken = balkenposition(quoten[i]);
        zeile.farbe = zeilenfarbe(f);
    }
    return anzeige;
}

bool istStatistikskala(int skala) {
    return std::find(Statistikskalen.begin(), Statistikskalen.end(), skala) != Statistikskalen.end();
}

std::string skalenbeschriftung(int skala) {
    return std::to_string(skala) + " %";
}

std::string skalenmenuetext(int skala) {
    switch (skala) {
    case 100:
        return "100 %";
    case 50:
        return "  50 %";
    case 25:
        return "  25 %";
    case 10:
        return "  10 %";
    default:
        return {};
    }
}

} // namespace tastwerk
