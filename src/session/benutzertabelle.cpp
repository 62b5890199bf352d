#include "session/benutzertabelle.h"

#include "platform/zeichensatz.h"
#include "session/benutzerdaten.h"

namespace tastwerk {

int spaltenbreite(int spalte, int bildschirmbreite) {
    const Tabellenspalte& s = Tabellenspalten.at(static_cast<std::size_t>(spalte));
    return static_cast<int>(static_cast<long long>(bildschirmbreite) * s.zaehler / s.nenner);
}

std::string nummernzelle(int zeile) {
    std::string zelle;
    if (zeile < 10) {
        zelle += "  ";
    }
    if (zeile < 100) {
        zelle += " ";
    }
    return zelle + std::to_string(zeile);
}

std::string namenszelle(const Benutzerdatensatz& satz) {
    return " " + cp1252ZuUtf8(satz.benutzername);
}

std::string lektionszelle(const Benutzerdatensatz& satz) {
    return (satz.lektionNr < 10 ? "  " : "") + std::to_string(satz.lektionNr) +
           (satz.uebungsstufe == 1 ? " W" : " B");
}

std::string datumszelle(const Benutzerdatensatz& satz) {
    static constexpr std::array<const char*, 7> Kuerzel = {" SO, ", " MO, ", " DI, ", " MI, ",
                                                           " DO, ", " FR, ", " SA, "};
    const std::string tag =
        satz.wochentag >= 1 && satz.wochentag <= 7 ? Kuerzel[satz.wochentag - 1u] : std::string(" ?, ");
    return tag + zweistellig(satz.tag) + "." + zweistellig(satz.monat) + "." + std::to_string(satz.jahr);
}

std::string benutzungszelle(const Benutzerdatensatz& satz) {
    std::string zelle;
    for (const int grenze : {10, 100, 1000}) {
        if (satz.benutzungen < grenze) {
            zelle += "  ";
        }
    }
    return zelle + std::to_string(satz.benutzungen);
}

Tabellenzeile tabellenzeile(int zeile, const Benutzerdatensatz& satz) {
    return {nummernzelle(zeile), namenszelle(satz), lektionszelle(satz), datumszelle(satz),
            benutzungszelle(satz)};
}

bool benutzerzeileGewaehlt(int zeile, int benutzerzahl) {
    return zeile >= 1 && zeile <= benutzerzahl;
}

std::string loeschfrage(int zeile, const std::string& namenszelle) {
    return "Möchten Sie den Benutzer Nr." + std::to_string(zeile) + "\n\"" + namenszelle +
           "\"\n-unwiderruflich aus der Benutzerliste löschen?";
}

bool zugangswortRichtig(std::string_view eingabe) {
    return eingabe == Zugangswort;
}

} // namespace tastwerk
