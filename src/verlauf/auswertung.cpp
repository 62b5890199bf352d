#include "verlauf/auswertung.h"

#include "keyboard/tastentabelle.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

namespace tastwerk {

namespace {

constexpr int TageImBlick = 14;
constexpr int WochenImBlick = 8;

std::optional<std::int64_t> tagesnummerVon(const std::string& zeitpunkt) {
    int jahr = 0, monat = 0, tag = 0;
    if (std::sscanf(zeitpunkt.c_str(), "%4d-%2d-%2d", &jahr, &monat, &tag) != 3) {
        return std::nullopt;
    }
    return tagesnummer(jahr, monat, tag);
}

// Monday of the week of a day (1 January 1970 was a Thursday).
std::int64_t montag(std::int64_t tag) {
    const std::int64_t wochentag = ((tag + 3) % 7 + 7) % 7; // 0 = Monday
    return tag - wochentag;
}

} // namespace

std::int64_t tagesnummer(int jahr, int monat, int tag) {
    using namespace std::chrono;
    const sys_days datum{year{jahr} / month{unsigned(monat)} / day{unsigned(tag)}};
    return datum.time_since_epoch().count();
}

std::string datumAusTagesnummer(std::int64_t nummer) {
    using namespace std::chrono;
    const year_month_day datum{sys_days{days{nummer}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(datum.year()), unsigned(datum.month()),
                  unsigned(datum.day()));
    return text;
}

Auswertung auswerten(const std::vector<Uebungseintrag>& eintraege, const Datum& heute) {
    Auswertung a;
    const std::int64_t heuteNummer = tagesnummer(heute.jahr, heute.monat, heute.tag);
    const std::int64_t ersterTag = heuteNummer - (TageImBlick - 1);
    const std::int64_t ersteWoche = montag(heuteNummer) - 7 * (WochenImBlick - 1);
    for (int i = 0; i < TageImBlick; ++i) {
        a.tage.push_back({datumAusTagesnummer(ersterTag + i), 0});
    }
    for (int i = 0; i < WochenImBlick; ++i) {
        a.wochen.push_back({datumAusTagesnummer(ersteWoche + 7 * i), 0});
    }
    a.punkte.reserve(eintraege.size());
    for (const Uebungseintrag& e : eintraege) {
        a.punkte.push_back({e.tempo, e.fehlerquote, e.bestanden});
        if (!a.bestesTempo || e.tempo > *a.bestesTempo) {
            a.bestesTempo = e.tempo;
        }
        a.sekundenGesamt += e.sekunden;
        const auto tag = tagesnummerVon(e.beginn);
        if (!tag || *tag > heuteNummer) {
            continue;
        }
        if (*tag >= ersterTag) {
            a.tage[std::size_t(*tag - ersterTag)].sekunden += e.sekunden;
        }
        if (*tag >= ersteWoche) {
            a.wochen[std::size_t((*tag - ersteWoche) / 7)].sekunden += e.sekunden;
        }
    }
    return a;
}

std::optional<double> tastenquote(const std::vector<Zeichenzaehler>& summen,
                                  const std::vector<Zeichen>& zeichen) {
    std::uint64_t anschlaege = 0, fehler = 0;
    for (const Zeichenzaehler& z : summen) {
        if (std::find(zeichen.begin(), zeichen.end(), z.zeichen) != zeichen.end()) {
            anschlaege += z.anschlaege;
            fehler += z.fehler;
        }
    }
    if (anschlaege == 0) {
        return std::nullopt;
    }
    return 100.0 * double(fehler) / double(anschlaege);
}

std::vector<std::optional<double>> tastenquoten(const std::vector<Zeichenzaehler>& summen,
                                                Tastaturlayout layout) {
    std::vector<std::optional<double>> quoten(std::size_t(Tastentabelle::Anzahl));
    for (int taste = 0; taste < Tastentabelle::Anzahl; ++taste) {
        std::vector<Zeichen> zeichen;
        for (const Zeichenzaehler& z : summen) {
            if (Tastentabelle::traegtZeichen(taste, layout, z.zeichen)) {
                zeichen.push_back(z.zeichen);
            }
        }
        quoten[std::size_t(taste)] = tastenquote(summen, zeichen);
    }
    return quoten;
}

Farbe heatmapFarbe(double quote) {
    struct Stufe {
        double quote;
        int r, g, b;
    };
    static constexpr Stufe Stufen[] = {{0, 0x2E, 0xA0, 0x43}, {5, 0xF2, 0xC4, 0x0C}, {10, 0xD0, 0x21, 0x1B}};
    const auto farbe = [](int r, int g, int b) { return Farbe(r) | Farbe(g) << 8 | Farbe(b) << 16; };
    if (quote <= Stufen[0].quote) {
        return farbe(Stufen[0].r, Stufen[0].g, Stufen[0].b);
    }
    for (std::size_t i = 1; i < std::size(Stufen); ++i) {
        if (quote <= Stufen[i].quote) {
            const Stufe& u = Stufen[i - 1];
            const Stufe& o = Stufen[i];
            const double t = (quote - u.quote) / (o.quote - u.quote);
            const auto mischen = [t](int x, int y) { return int(x + (y - x) * t + 0.5); };
            return farbe(mischen(u.r, o.r), mischen(u.g, o.g), mischen(u.b, o.b));
        }
    }
    const Stufe& letzte = Stufen[std::size(Stufen) - 1];
    return farbe(letzte.r, letzte.g, letzte.b);
}

std::vector<Zeichenzaehler> schwaechsteZeichen(const std::vector<Zeichenzaehler>& summen,
                                               std::size_t anzahl) {
    std::vector<Zeichenzaehler> liste;
    for (const Zeichenzaehler& z : summen) {
        if (z.anschlaege >= MindestanzahlSchwaeche && z.fehler > 0) {
            liste.push_back(z);
        }
    }
    // Highest rate first; of equal rates the more often typed one, then the character's order.
    std::sort(liste.begin(), liste.end(), [](const Zeichenzaehler& a, const Zeichenzaehler& b) {
        const auto links = std::uint64_t(a.fehler) * b.anschlaege;
        const auto rechts = std::uint64_t(b.fehler) * a.anschlaege;
        if (links != rechts) {
            return links > rechts;
        }
        if (a.anschlaege != b.anschlaege) {
            return a.anschlaege > b.anschlaege;
        }
        return a.zeichen < b.zeichen;
    });
    if (liste.size() > anzahl) {
        liste.resize(anzahl);
    }
    return liste;
}

} // namespace tastwerk
