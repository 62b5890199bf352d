#include "session/sitzung.h"

#include <algorithm>
#include <cmath>

namespace tastwerk {

namespace {

std::uint16_t gesaettigt16(std::uint32_t wert) {
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(wert, 0xFFFF));
}

std::uint8_t gueltigeSkala(std::uint8_t skala) {
    switch (skala) {
    case 100:
    case 50:
    case 25:
    case 10:
        return skala;
    default:
        return 25;
    }
}

// 0 regular, 1 bold, 2 italic, 3 bold italic; anything else is the field's default.
std::uint8_t gueltigerSchriftstil(std::uint8_t stil, std::uint8_t standard) {
    return stil <= 3 ? stil : standard;
}

float gueltigeFehlerrate(float rate) {
    if (std::isnan(rate)) {
        return 3.5f;
    }
    return std::clamp(rate, 0.0f, 6.0f);
}

} // namespace

Sitzung::Sitzung() {
    for (auto& zeile : fehlerquoten) {
        zeile.fill(KeinWert);
    }
}

std::uint8_t geprueftSchriftgroesse1(std::uint8_t gespeichert, int bildschirmbreite) {
    const long long w = bildschirmbreite;
    if (gespeichert == 0 || gespeichert * 123LL > w * 20) {
        return schriftgroesseBegrenzt(w * 5 / 31);
    }
    return gespeichert;
}

void Sitzung::ausDatensatzLaden(const Benutzerdatensatz& s) {
    datensatzpuffer = s;
    lektionNr = std::clamp<int>(s.lektionNr, 1, LektionenAnzahl);
    farben = s.farben;
    sitzungszahl = std::uint32_t{s.benutzungen} + 1;
    wunschAnschlaege = s.wunschAnschlaege;
    wunschFehlerrate = gueltigeFehlerrate(s.wunschFehlerrate);
    berichtigungErzwingen = s.berichtigungErzwingen <= 1 ? s.berichtigungErzwingen : 1;
    uebungsstufe = s.uebungsstufe <= 1 ? s.uebungsstufe : 0;
    tag = std::clamp<int>(s.tag, 1, 31);
    monat = std::clamp<int>(s.monat, 1, 12);
    jahr = s.jahr;
    const auto standard = standardSchriftgroessen(bildschirmbreite);
    schriftgroessen = s.schriftgroessen;
    for (std::size_t k = 1; k < 3; ++k) {
        if (schriftgroessen[k] == 0) {
            schriftgroessen[k] = standard[k];
        }
    }
    schriftgroessen[0] = geprueftSchriftgroesse1(s.schriftgroessen[0], bildschirmbreite);
    fehlerquoten = s.fehlerquoten;
    for (auto& zeile : fehlerquoten) {
        for (auto& quote : zeile) {
            quote = std::min(quote, KeinWert);
        }
    }
    schriftarten = s.schriftarten;
    for (std::size_t k = 0; k < FingergruppenAnzahl; ++k) {
        fingerzaehler[k] = {s.fingerzaehlerA[k], s.fingerzaehlerB[k]};
    }
    hintergrundfarbe = s.hintergrundfarbe;
    tastaturschriftfarbe = s.tastaturschriftfarbe <= 1 ? s.tastaturschriftfarbe : 0;
    statistikskala = gueltigeSkala(s.statistikskala);
    wiederholungsanteil = std::clamp<std::uint8_t>(s.wiederholungsanteil, 20, 50);
    tastaturlayout =
        s.tastaturlayout <= 2 ? static_cast<Tastaturlayout>(s.tastaturlayout) : Tastaturlayout::Deutsch;
    schriftstil2 = gueltigerSchriftstil(s.schriftstil2, Benutzerdatensatz{}.schriftstil2);
    schriftstil3 = gueltigerSchriftstil(s.schriftstil3, Benutzerdatensatz{}.schriftstil3);
    stimme = s.stimme != 0;
    tonBeiTippfehler = s.tonBeiTippfehler != 0;
    // The buffer shows the date of the last use; it reads as a real date.
    datensatzpuffer.wochentag = static_cast<std::uint8_t>(std::clamp<int>(datensatzpuffer.wochentag, 1, 7));
    datensatzpuffer.tag = static_cast<std::uint8_t>(tag);
    datensatzpuffer.monat = static_cast<std::uint8_t>(monat);
}

Benutzerdatensatz Sitzung::alsDatensatz(const Datum& heute) const {
    Benutzerdatensatz s;
    s.benutzername = name.substr(0, NamenKapazitaet);
    const int lektion = wiederholungAktiv ? gespeicherteLektion : lektionNr;
    const int stufe = wiederholungAktiv ? gespeicherteStufe : uebungsstufe;
    s.lektionNr = static_cast<std::uint8_t>(std::clamp(lektion, 1, LektionenAnzahl));
    s.uebungsstufe = static_cast<std::uint8_t>(std::clamp(stufe, 0, 1));
    s.farben = farben;
    s.benutzungen = gesaettigt16(sitzungszahl);
    s.wunschAnschlaege = static_cast<std::uint16_t>(wunschAnschlaege & 0xFFFF);
    s.wunschFehlerrate = wunschFehlerrate;
    s.berichtigungErzwingen = berichtigungErzwingen;
    s.wochentag = static_cast<std::uint8_t>(heute.wochentag);
    s.tag = static_cast<std::uint8_t>(heute.tag);
    s.monat = static_cast<std::uint8_t>(heute.monat);
    s.jahr = static_cast<std::uint16_t>(heute.jahr);
    for (std::size_t k = 0; k < 3; ++k) {
        s.schriftgroessen[k] = schriftgroesseBegrenzt(schriftgroessen[k]);
    }
    s.fehlerquoten = fehlerquoten;
    for (std::size_t k = 0; k < 3; ++k) {
        s.schriftarten[k] = schriftarten[k].substr(0, SchriftartKapazitaet);
    }
    const Fingerzaehler& zaehler = wiederholungAktiv ? gespeicherteFingerzaehler : fingerzaehler;
    for (std::size_t k = 0; k < FingergruppenAnzahl; ++k) {
        s.fingerzaehlerA[k] = gesaettigt16(zaehler[k].anschlaege);
        s.fingerzaehlerB[k] = gesaettigt16(zaehler[k].fehler);
    }
    s.hintergrundfarbe = hintergrundfarbe;
    s.tastaturschriftfarbe = tastaturschriftfarbe;
    s.statistikskala = statistikskala;
    s.wiederholungsanteil = wiederholungsanteil;
    s.tastaturlayout = static_cast<std::uint8_t>(tastaturlayout);
    s.schriftstil2 = schriftstil2;
    s.schriftstil3 = schriftstil3;
    s.stimme = stimme ? 1 : 0;
    s.tonBeiTippfehler = tonBeiTippfehler ? 1 : 0;
    return s;
}

} // namespace tastwerk
