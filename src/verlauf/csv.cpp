#include "verlauf/csv.h"

#include "platform/datei.h"
#include "platform/zahlformat.h"
#include "platform/zeichensatz.h"
#include "session/benutzerdatei.h"

namespace tastwerk {

namespace {

constexpr const char* Bytereihenfolge = "\xEF\xBB\xBF";

const char* const Fingernamen[FingergruppenAnzahl] = {
    "linker kleiner Finger",  "linker Ringfinger",  "linker Mittelfinger",  "linker Zeigefinger",  "Daumen",
    "rechter kleiner Finger", "rechter Ringfinger", "rechter Mittelfinger", "rechter Zeigefinger",
};

// "JJJJ-MM-TT hh:mm:ss" as German spreadsheets read a date: "TT.MM.JJJJ hh:mm:ss".
std::string deutschesDatum(const std::string& iso) {
    if (iso.size() < 10) {
        return iso;
    }
    return iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4) + iso.substr(10);
}

std::optional<std::string> schreiben(const std::string& ziel, const std::string& inhalt) {
    try {
        atomarSchreiben(ziel, std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
    } catch (const Dateifehler& f) {
        return std::string("Die Datei kann nicht geschrieben werden: ") + f.what();
    }
    return std::nullopt;
}

} // namespace

std::string csvFeld(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string feld = "\"";
    for (const char c : text) {
        feld += c;
        if (c == '"') {
            feld += '"';
        }
    }
    return feld + "\"";
}

std::string csvZeile(const std::vector<std::string>& felder) {
    std::string zeile;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i > 0) {
            zeile += ';';
        }
        zeile += csvFeld(felder[i]);
    }
    return zeile + "\r\n";
}

std::string csvZahl(std::optional<double> wert, int nachkommastellen) {
    if (!wert) {
        return {};
    }
    std::string text = festkomma(*wert, nachkommastellen);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1); // no "-0,0" for a value that rounds to nothing
    }
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

std::string klassenlisteCsv(const std::vector<Klassenzeile>& zeilen) {
    std::string csv = Bytereihenfolge;
    csv += csvZeile({"Name", "Lektion", "Stufe", "Benutzungen", "Übungen", "Übungszeit (Minuten)",
                     "Letzte Benutzung", "Anschläge pro Minute", "Fehlerquote (%)",
                     "Trend Anschläge pro Minute je Übung", "Trend Fehlerquote je Übung"});
    for (const Klassenzeile& z : zeilen) {
        csv += csvZeile({z.name, std::to_string(z.lektion), z.stufe == 0 ? "B" : "W",
                         std::to_string(z.benutzungen), std::to_string(z.uebungen),
                         csvZahl(double(z.sekunden) / 60.0, 1), z.letzteBenutzung, csvZahl(z.tempo, 1),
                         csvZahl(z.fehlerquote, 2), csvZahl(z.tempoTrend, 1), csvZahl(z.fehlerTrend, 2)});
    }
    return csv;
}

std::string lernverlaufCsv(const std::vector<Uebungseintrag>& eintraege) {
    std::vector<std::string> kopf = {"Name",
                                     "Beginn",
                                     "Ende",
                                     "Lektion",
                                     "Stufe",
                                     "Tastatur",
                                     "Anschläge",
                                     "Fehler",
                                     "Sekunden",
                                     "Anschläge pro Minute",
                                     "Fehlerquote (%)",
                                     "Bestanden"};
    for (const char* finger : Fingernamen) {
        kopf.push_back(std::string("Zeichen ") + finger);
        kopf.push_back(std::string("Fehler ") + finger);
    }
    static const char* const Layouts[] = {"deutsch", "schweizerisch", "US"};
    std::string csv = Bytereihenfolge + csvZeile(kopf);
    for (const Uebungseintrag& e : eintraege) {
        std::vector<std::string> felder = {cp1252ZuUtf8(e.name),
                                           deutschesDatum(e.beginn),
                                           deutschesDatum(e.ende),
                                           std::to_string(e.lektion),
                                           e.stufe,
                                           e.layout >= 0 && e.layout < 3 ? Layouts[e.layout]
                                                                         : std::to_string(e.layout),
                                           std::to_string(e.anschlaege),
                                           std::to_string(e.fehler),
                                           std::to_string(e.sekunden),
                                           csvZahl(e.tempo, 1),
                                           csvZahl(e.fehlerquote, 2),
                                           e.bestanden ? "ja" : "nein"};
        for (const Fingerpaar& f : e.finger) {
            felder.push_back(std::to_string(f.anschlaege));
            felder.push_back(std::to_string(f.fehler));
        }
        csv += csvZeile(felder);
    }
    return csv;
}

std::optional<std::string> klassenlisteAusgeben(const std::string& ordner, const std::string& ziel) {
    const Benutzerdatei datei(ordner);
    if (!datei.existiert()) {
        return "Im Ordner \"" + ordner + "\" gibt es keine Benutzerdatei Benutzer.dat.";
    }
    std::vector<Benutzerdatensatz> saetze;
    try {
        saetze = datei.alleLesen();
    } catch (const Dateifehler& f) {
        return std::string("Die Benutzerdatei kann nicht gelesen werden: ") + f.what();
    }
    Lernverlauf verlauf(ordner);
    const auto summen = verlauf.summen();
    if (auto meldung = verlauf.meldungAbholen()) {
        return meldung;
    }
    return schreiben(ziel, klassenlisteCsv(klassenuebersicht(saetze, summen)));
}

std::optional<std::string> lernverlaufAusgeben(const std::string& ordner, const std::string& ziel) {
    Lernverlauf verlauf(ordner);
    const auto eintraege = verlauf.alle();
    if (auto meldung = verlauf.meldungAbholen()) {
        return meldung;
    }
    return schreiben(ziel, lernverlaufCsv(eintraege));
}

} // namespace tastwerk
