#include "session/schriftwahl.h"

#include "platform/zeichensatz.h"

#include <algorithm>
#include <cmath>

namespace tastwerk {

namespace {

constexpr double Bezugsdpi = 96;

double oderBezug(double dpi) {
    return dpi > 0 && std::isfinite(dpi) ? dpi : Bezugsdpi;
}

} // namespace

int angezeigteSchriftgroesse(std::uint8_t gespeichert, double dpi) {
    return std::max(1, static_cast<int>(std::trunc(gespeichert * Bezugsdpi / oderBezug(dpi))));
}

std::uint8_t zuSpeicherndeSchriftgroesse(const Schriftwahl& wahl, double dpi, std::uint8_t bisher) {
    dpi = oderBezug(dpi);
    const double punkte = wahl.punkte > 0 ? wahl.punkte : wahl.pixel * 72.0 / dpi;
    if (!(punkte > 0) || !std::isfinite(punkte)) {
        return bisher;
    }
    // The exercises show whole points; beyond what a byte stores at this dpi there is nothing to show.
    const int ziel = static_cast<int>(std::lround(std::clamp(punkte, 1.0, 1000.0)));
    if (angezeigteSchriftgroesse(bisher, dpi) == ziel) {
        return bisher;
    }
    int groesse = static_cast<int>(std::clamp(std::ceil(ziel * dpi / Bezugsdpi - 1e-9), 1.0, 255.0));
    auto zeigt = [dpi](int g) { return angezeigteSchriftgroesse(static_cast<std::uint8_t>(g), dpi); };
    while (groesse > 1 && zeigt(groesse - 1) >= ziel) {
        --groesse;
    }
    while (groesse < 255 && zeigt(groesse) < ziel) {
        ++groesse;
    }
    return static_cast<std::uint8_t>(groesse);
}

std::uint8_t schriftstilAus(bool fett, bool kursiv) {
    return static_cast<std::uint8_t>((fett ? 1 : 0) + (kursiv ? 2 : 0));
}

std::optional<std::string> speicherbarerSchriftname(std::string_view utf8) {
    std::optional<std::string> name = utf8ZuCp1252(utf8);
    if (!name || name->empty()) {
        return std::nullopt;
    }
    name->resize(std::min(name->size(), SchriftartKapazitaet));
    return name;
}

std::uint8_t gespeicherterSchriftstil(const Sitzung& sitzung, Schrifttext text) {
    switch (text) {
    case Schrifttext::Wortuebung:
        return sitzung.schriftstil2;
    case Schrifttext::EigeneTexte:
        return sitzung.schriftstil3;
    case Schrifttext::Buchstabenuebung:
        break;
    }
    return 0;
}

bool schriftUebernehmen(Sitzung& sitzung, Schrifttext text, const Schriftwahl& wahl, double dpi) {
    const std::optional<std::string> name = speicherbarerSchriftname(wahl.name);
    if (!name) {
        return false;
    }
    const auto k = static_cast<std::size_t>(text);
    sitzung.schriftarten[k] = *name;
    sitzung.schriftgroessen[k] = zuSpeicherndeSchriftgroesse(wahl, dpi, sitzung.schriftgroessen[k]);
    if (text == Schrifttext::Wortuebung) {
        sitzung.schriftstil2 = schriftstilAus(wahl.fett, wahl.kursiv);
    } else if (text == Schrifttext::EigeneTexte) {
        sitzung.schriftstil3 = schriftstilAus(wahl.fett, wahl.kursiv);
    }
    return true;
}

} // namespace tastwerk
