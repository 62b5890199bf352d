#include "session/benutzerdaten.h"

#include "platform/zahlformat.h"
#include "platform/zeichensatz.h"

#include <array>

namespace tastwerk {

std::string wochentagsname(int wochentag) {
    static constexpr std::array<const char*, 7> Namen = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                         "Donnerstag", "Freitag", "Samstag"};
    if (wochentag < 1 || wochentag > 7) {
        return "?";
    }
    return Namen[static_cast<std::size_t>(wochentag - 1)];
}

std::string zweistellig(int wert) {
    return (wert >= 0 && wert < 10 ? "0" : "") + std::to_string(wert);
}

std::string letzteBenutzungText(int wochentag, int tag, int monat, int jahr) {
    return "Letzte Benutzung des Programmes: " + wochentagsname(wochentag) + ", den " + zweistellig(tag) +
           "." + zweistellig(monat) + "." + std::to_string(jahr);
}

std::string benutzungenText(std::uint32_t sitzungszahl) {
    if (sitzungszahl == 0) {
        return "Sie benutzen das Programm zum ersten mal.";
    }
    return "Sie haben das Programm " + std::to_string(sitzungszahl) + "\n mal benutzt.";
}

std::string bildschirmText(int breite, int hoehe) {
    return std::to_string(breite) + " x " + std::to_string(hoehe) + " Punkte";
}

std::string speicherText(std::optional<std::uint64_t> freieKByte) {
    if (!freieKByte) {
        return "Der freie Speicherplatz kann nicht ermittelt werden.";
    }
    return std::to_string(*freieKByte) + " KByte frei.";
}

std::string lektionsfeldText(int lektionNr, int uebungsstufe) {
    return std::to_string(lektionNr) + (uebungsstufe != 0 ? " W" : " B");
}

Benutzerdatentexte benutzerdatentexte(const Sitzung& s, std::optional<std::uint64_t> freieKByte) {
    const Benutzerdatensatz& puffer = s.datensatzpuffer;
    Benutzerdatentexte t;
    t.name = "Benutzername/ Erkennungszeichen: " + cp1252ZuUtf8(s.name);
    t.lektion = "Lektion: " + std::to_string(s.lektionNr) +
                (s.uebungsstufe != 0 ? " (Wortübung)" : " (Buchstabenübung)");
    t.tippgeschwindigkeit =
        "Angestrebte Tippgeschwindigkeit: " + std::to_string(s.wunschAnschlaege) + " Anschläge pro Minute";
    t.hoechstfehlerrate = "Angestrebte Höchstfehlerrate: " + festkomma(s.wunschFehlerrate, 1, 3) + " %";
    t.startzeit = "Startzeit: " + zweistellig(s.startstunde) + ":" + zweistellig(s.startminute);
    t.letzteBenutzung = letzteBenutzungText(puffer.wochentag, puffer.tag, puffer.monat, puffer.jahr);
    t.benutzungen = benutzungenText(s.sitzungszahl);
    t.bildschirm = bildschirmText(s.bildschirmbreite, s.bildschirmhoehe);
    t.speicher = speicherText(freieKByte);
    t.lektionsfeld = lektionsfeldText(s.lektionNr, s.uebungsstufe);
    return t;
}

} // namespace tastwerk
