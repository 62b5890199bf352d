#include "session/benutzerdatensatz.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tastwerk {

namespace {

void schreibe16(Satzbytes& b, std::size_t v, std::uint16_t wert) {
    b[v] = static_cast<std::uint8_t>(wert & 0xFF);
    b[v + 1] = static_cast<std::uint8_t>(wert >> 8);
}

void schreibe32(Satzbytes& b, std::size_t v, std::uint32_t wert) {
    for (std::size_t k = 0; k < 4; ++k) {
        b[v + k] = static_cast<std::uint8_t>((wert >> (8 * k)) & 0xFF);
    }
}

std::uint16_t lies16(const Satzbytes& b, std::size_t v) {
    return static_cast<std::uint16_t>(b[v] | (b[v + 1] << 8));
}

std::uint32_t lies32(const Satzbytes& b, std::size_t v) {
    std::uint32_t wert = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        wert |= static_cast<std::uint32_t>(b[v + k]) << (8 * k);
    }
    return wert;
}

void schreibeKurztext(Satzbytes& b, std::size_t v, std::size_t kapazitaet, const std::string& text) {
    const std::size_t laenge = std::min(text.size(), kapazitaet);
    b[v] = static_cast<std::uint8_t>(laenge);
    std::memcpy(b.data() + v + 1, text.data(), laenge);
}

std::string lieseKurztext(const Satzbytes& b, std::size_t v, std::size_t kapazitaet) {
    const std::size_t laenge = std::min<std::size_t>(b[v], kapazitaet);
    return std::string(reinterpret_cast<const char*>(b.data() + v + 1), laenge);
}

} // namespace

Benutzerdatensatz::Benutzerdatensatz() {
    for (auto& zeile : fehlerquoten) {
        zeile.fill(KeinWert);
    }
}

std::uint8_t schriftgroesseBegrenzt(long long punkte) {
    return static_cast<std::uint8_t>(std::clamp<long long>(punkte, 1, 255));
}

std::array<std::uint8_t, 3> standardSchriftgroessen(int bildschirmbreite) {
    const long long w = bildschirmbreite;
    return {schriftgroesseBegrenzt(w * 5 / 33), schriftgroesseBegrenzt(w / 44),
            schriftgroesseBegrenzt(w / 57)};
}

Benutzerdatensatz neuerBenutzer(const std::string& name, const Datum& heute, int bildschirmbreite) {
    Benutzerdatensatz satz;
    satz.benutzername = name.substr(0, NamenKapazitaet);
    satz.wochentag = static_cast<std::uint8_t>(heute.wochentag);
    satz.tag = static_cast<std::uint8_t>(heute.tag);
    satz.monat = static_cast<std::uint8_t>(heute.monat);
    satz.jahr = static_cast<std::uint16_t>(heute.jahr);
    satz.schriftgroessen = standardSchriftgroessen(bildschirmbreite);
    return satz;
}

Satzbytes kodieren(const Benutzerdatensatz& s) {
    Satzbytes b{};
    schreibeKurztext(b, BenutzernameV, NamenKapazitaet, s.benutzername);
    b[LektionNrV] = s.lektionNr;
    for (std::size_t k = 0; k < s.farben.size(); ++k) {
        schreibe32(b, FarbenV + 4 * k, s.farben[k]);
    }
    schreibe16(b, BenutzungenV, s.benutzungen);
    schreibe16(b, WunschAnschlaegeV, s.wunschAnschlaege);
    schreibe32(b, WunschFehlerrateV, std::bit_cast<std::uint32_t>(s.wunschFehlerrate));
    b[BerichtigungErzwingenV] = s.berichtigungErzwingen;
    b[UebungsstufeV] = s.uebungsstufe;
    b[WochentagV] = s.wochentag;
    b[TagV] = s.tag;
    b[MonatV] = s.monat;
    for (std::size_t k = 0; k < 3; ++k) {
        b[SchriftgroessenV + k] = s.schriftgroessen[k];
    }
    schreibe16(b, JahrV, s.jahr);
    for (std::size_t reihe = 0; reihe < FingergruppenAnzahl; ++reihe) {
        for (std::size_t lektion = 0; lektion < LektionenAnzahl; ++lektion) {
            b[FehlerquotenV + reihe * LektionenAnzahl + lektion] = s.fehlerquoten[reihe][lektion];
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        schreibeKurztext(b, SchriftartenV + 32 * k, SchriftartKapazitaet, s.schriftarten[k]);
    }
    for (std::size_t k = 0; k < FingergruppenAnzahl; ++k) {
        schreibe16(b, FingerzaehlerAV + 2 * k, s.fingerzaehlerA[k]);
        schreibe16(b, FingerzaehlerBV + 2 * k, s.fingerzaehlerB[k]);
    }
    schreibe32(b, HintergrundfarbeV, s.hintergrundfarbe);
    b[TastaturschriftfarbeV] = s.tastaturschriftfarbe;
    b[StatistikskalaV] = s.statistikskala;
    b[WiederholungsanteilV] = s.wiederholungsanteil;
    b[TastaturlayoutV] = s.tastaturlayout;
    b[Schriftstil2V] = s.schriftstil2;
    b[Schriftstil3V] = s.schriftstil3;
    b[StimmeV] = s.stimme;
    b[TonBeiTippfehlerV] = s.tonBeiTippfehler;
    return b;
}

Benutzerdatensatz dekodieren(const Satzbytes& b) {
    Benutzerdatensatz s;
    s.benutzername = lieseKurztext(b, BenutzernameV, NamenKapazitaet);
    s.lektionNr = b[LektionNrV];
    for (std::size_t k = 0; k < s.farben.size(); ++k) {
        s.farben[k] = lies32(b, FarbenV + 4 * k);
    }
    s.benutzungen = lies16(b, BenutzungenV);
    s.wunschAnschlaege = lies16(b, WunschAnschlaegeV);
    s.wunschFehlerrate = std::bit_cast<float>(lies32(b, WunschFehlerrateV));
    s.berichtigungErzwingen = b[BerichtigungErzwingenV];
    s.uebungsstufe = b[UebungsstufeV];
    s.wochentag = b[WochentagV];
    s.tag = b[TagV];
    s.monat = b[MonatV];
    for (std::size_t k = 0; k < 3; ++k) {
        s.schriftgroessen[k] = b[SchriftgroessenV + k];
    }
    s.jahr = lies16(b, JahrV);
    for (std::size_t reihe = 0; reihe < FingergruppenAnzahl; ++reihe) {
        for (std::size_t lektion = 0; lektion < LektionenAnzahl; ++lektion) {
            s.fehlerquoten[reihe][lektion] = b[FehlerquotenV + reihe * LektionenAnzahl + lektion];
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        s.schriftarten[k] = lieseKurztext(b, SchriftartenV + 32 * k, SchriftartKapazitaet);
    }
    for (std::size_t k = 0; k < FingergruppenAnzahl; ++k) {
        s.fingerzaehlerA[k] = lies16(b, FingerzaehlerAV + 2 * k);
        s.fingerzaehlerB[k] = lies16(b, FingerzaehlerBV + 2 * k);
    }
    s.hintergrundfarbe = lies32(b, HintergrundfarbeV);
    s.tastaturschriftfarbe = b[TastaturschriftfarbeV];
    s.statistikskala = b[StatistikskalaV];
    s.wiederholungsanteil = b[WiederholungsanteilV];
    s.tastaturlayout = b[TastaturlayoutV];
    s.schriftstil2 = b[Schriftstil2V];
    s.schriftstil3 = b[Schriftstil3V];
    s.stimme = b[StimmeV];
    s.tonBeiTippfehler = b[TonBeiTippfehlerV];
    return s;
}

} // namespace tastwerk
