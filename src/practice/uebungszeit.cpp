#include "practice/uebungszeit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tastwerk {

void Uebungszeit::zuruecksetzen() {
    beginn_.reset();
    angehaltenSeit_.reset();
    angehaltenSumme_ = 0;
}

void Uebungszeit::beginnen(std::int64_t jetztMs) {
    beginn_ = jetztMs;
    angehaltenSumme_ = 0;
    if (angehaltenSeit_) {
        angehaltenSeit_ = jetztMs;
    }
}

void Uebungszeit::anhalten(std::int64_t jetztMs) {
    if (!angehaltenSeit_) {
        angehaltenSeit_ = jetztMs;
    }
}

void Uebungszeit::fortsetzen(std::int64_t jetztMs) {
    if (!angehaltenSeit_) {
        return;
    }
    if (beginn_) {
        angehaltenSumme_ += std::max<std::int64_t>(0, jetztMs - std::max(*angehaltenSeit_, *beginn_));
    }
    angehaltenSeit_.reset();
}

std::int64_t Uebungszeit::angehaltenMs(std::int64_t jetztMs) const {
    std::int64_t summe = angehaltenSumme_;
    if (angehaltenSeit_ && beginn_) {
        summe += std::max<std::int64_t>(0, jetztMs - std::max(*angehaltenSeit_, *beginn_));
    }
    return summe;
}

std::int64_t Uebungszeit::uebungssekunden(std::int64_t jetztMs) const {
    if (!beginn_) {
        return 0;
    }
    return std::max<std::int64_t>(0, jetztMs - *beginn_ - angehaltenMs(jetztMs)) / 1000;
}

int anschlaegeProMinute(std::uint32_t anschlaege, std::int64_t sekunden) {
    if (sekunden <= 0) {
        return 0;
    }
    const double wert =
        std::nearbyint(static_cast<double>(anschlaege) * 60.0 / static_cast<double>(sekunden));
    return static_cast<int>(std::min<double>(wert, std::numeric_limits<int>::max()));
}

} // namespace tastwerk
