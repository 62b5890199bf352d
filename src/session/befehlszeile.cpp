#include "session/befehlszeile.h"

#include <array>

namespace tastwerk {

namespace {

enum class Option { Ordner, Benutzerordner, Klassenliste, Lernverlauf, Hilfe, Version };

struct Langoption {
    std::string_view name;
    Option option;
    bool mitWert;
};

constexpr std::array<Langoption, 6> langoptionen{{
    {"ordner", Option::Ordner, true},
    {"benutzerordner", Option::Benutzerordner, false},
    {"klassenliste", Option::Klassenliste, true},
    {"lernverlauf", Option::Lernverlauf, true},
    {"help", Option::Hilfe, false},
    {"version", Option::Version, false},
}};

// Options of Qt's window system that QApplication takes from the command line itself.
constexpr std::array<std::string_view, 5> qtOptionenMitWert{"-platform", "-display", "-session", "-style",
                                                            "-name"};
constexpr std::string_view qtOptionOhneWert = "-reverse";

std::string inAnfuehrung(std::string_view s) {
    return "»" + std::string(s) + "«";
}

bool istQtOption(std::string_view arg, bool& mitWert) {
    if (arg == qtOptionOhneWert) {
        mitWert = false;
        return true;
    }
    for (std::string_view o : qtOptionenMitWert) {
        if (arg == o) {
            mitWert = true;
            return true;
        }
        if (arg.size() > o.size() && arg.substr(0, o.size()) == o && arg[o.size()] == '=') {
            mitWert = false;
            return true;
        }
    }
    return false;
}

} // namespace

Befehlszeile befehlszeileLesen(const std::vector<std::string>& argumente) {
    Befehlszeile b;
    auto fehler = [&b](std::string text) {
        b.auftrag = Befehlszeile::Auftrag::Fehler;
        b.fehler = std::move(text);
        return b;
    };
    bool optionenZuEnde = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string_view arg = argumente[i];
        if (optionenZuEnde || arg.size() < 2 || arg[0] != '-') {
            return fehler("überzähliges Argument " + inAnfuehrung(arg));
        }
        if (arg == "--") {
            optionenZuEnde = true;
            continue;
        }

        Option option{};
        std::optional<std::string> wert;
        std::string genannt;
        if (arg.substr(0, 2) == "--") {
            const std::string_view rest = arg.substr(2);
            const std::size_t gleich = rest.find('=');
            const std::string_view name = rest.substr(0, gleich);
            const Langoption* gefunden = nullptr;
            int treffer = 0;
            for (const Langoption& l : langoptionen) {
                if (l.name == name) {
                    gefunden = &l;
                    treffer = 1;
                    break;
                }
                if (l.name.substr(0, name.size()) == name) {
                    gefunden = &l;
                    ++treffer;
                }
            }
            if (treffer == 0) {
                return fehler(
                    "unbekannte Option " +
                    inAnfuehrung(arg.substr(0, gleich == std::string_view::npos ? arg.size() : gleich + 2)));
            }
            if (treffer > 1) {
                return fehler("Die Option " + inAnfuehrung(arg) + " ist mehrdeutig.");
            }
            option = gefunden->option;
            genannt = "--" + std::string(gefunden->name);
            if (gleich != std::string_view::npos) {
                if (!gefunden->mitWert) {
                    return fehler("Die Option " + inAnfuehrung(genannt) + " erlaubt kein Argument.");
                }
                wert = std::string(rest.substr(gleich + 1));
            }
        } else {
            bool qtMitWert = false;
            if (istQtOption(arg, qtMitWert)) {
                if (qtMitWert) {
                    if (i + 1 >= argumente.size()) {
                        return fehler("Die Option " + inAnfuehrung(arg) + " verlangt ein Argument.");
                    }
                    ++i;
                }
                continue;
            }
            genannt = "-" + std::string(1, arg[1]);
            switch (arg[1]) {
            case 'o':
                option = Option::Ordner;
                if (arg.size() > 2) {
                    wert = std::string(arg.substr(2));
                }
                break;
            case 'h':
                option = Option::Hilfe;
                break;
            case 'V':
                option = Option::Version;
                break;
            default:
                return fehler("ungültige Option " + inAnfuehrung(arg));
            }
            if (option != Option::Ordner && arg.size() > 2) {
                return fehler("ungültige Option " + inAnfuehrung(arg));
            }
        }

        switch (option) {
        case Option::Hilfe:
            b.auftrag = Befehlszeile::Auftrag::Hilfe;
            return b;
        case Option::Version:
            b.auftrag = Befehlszeile::Auftrag::Version;
            return b;
        case Option::Benutzerordner:
            b.benutzerordner = true;
            break;
        case Option::Ordner:
        case Option::Klassenliste:
        case Option::Lernverlauf: {
            // The value follows with "=", attached to a short option, or as the next argument.
            const char* verlangt =
                option == Option::Ordner ? " verlangt einen Ordner." : " verlangt eine Datei.";
            if (!wert && i + 1 < argumente.size()) {
                wert = argumente[++i];
            }
            if (!wert || wert->empty()) {
                return fehler("Die Option " + inAnfuehrung(genannt) + verlangt);
            }
            if (option == Option::Ordner) {
                b.ordner = *wert;
                break;
            }
            (option == Option::Klassenliste ? b.klassenliste : b.lernverlauf) = *wert;
            break;
        }
        }
    }
    return b;
}

std::string hilfetext() {
    return "Aufruf: tastwerk [OPTION]...\n"
           "Tastwerk – Schreibtrainer für das Zehnfingersystem in 16 Lektionen.\n"
           "\n"
           "Die Benutzerdatei Benutzer.dat und der Ordner Texte mit den eigenen Texten\n"
           "liegen im Startordner. Ohne Angabe ist das der aktuelle Ordner.\n"
           "\n"
           "  -o, --ordner=ORDNER    ORDNER als Startordner nehmen, zum Beispiel einen\n"
           "                           gemeinsamen Ordner der Klasse\n"
           "      --benutzerordner   den eigenen Datenordner als Startordner nehmen:\n"
           "                           $XDG_DATA_HOME/tastwerk, sonst\n"
           "                           ~/.local/share/tastwerk; er wird beim ersten Start\n"
           "                           angelegt (so startet der Eintrag im Menü)\n"
           "      --klassenliste=DATEI  die Klassenübersicht des Startordners als CSV in\n"
           "                           DATEI schreiben und beenden (ohne Fenster)\n"
           "      --lernverlauf=DATEI   jede aufgezeichnete Übung des Startordners als\n"
           "                           CSV in DATEI schreiben und beenden (ohne Fenster)\n"
           "  -h, --help             diese Hilfe anzeigen und beenden\n"
           "  -V, --version          Versionsangabe anzeigen und beenden\n"
           "\n"
           "Umgebungsvariablen:\n"
           "  TASTWERK_ORDNER        Startordner, wenn --ordner fehlt; gilt auch für\n"
           "                           Starts aus dem Menü\n"
           "  XDG_DATA_HOME          Ort des eigenen Datenordners (--benutzerordner)\n"
           "  XDG_DATA_DIRS          weitere Orte der Hilfeseiten und Klänge\n"
           "\n"
           "Hilfeseiten und Klänge sucht Tastwerk zuerst in ../share/tastwerk neben dem\n"
           "Programm, dann im Unterordner tastwerk jedes Ordners aus XDG_DATA_DIRS.\n"
           "\n"
           "Rückgabewert: 0, wenn alles in Ordnung ist; 1 bei einem Fehler beim Start;\n"
           "2 bei einer falschen Befehlszeile.\n";
}

std::string versionstext(std::string_view version) {
    return "tastwerk " + std::string(version) + "\n";
}

std::string fehlertext(std::string_view fehler) {
    return "tastwerk: " + std::string(fehler) + "\nWeitere Informationen mit »tastwerk --help«.\n";
}

} // namespace tastwerk
