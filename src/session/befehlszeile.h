// The program's command line: options, the German answers to --help and --version, and the messages for a
// command line that cannot be followed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tastwerk {

struct Befehlszeile {
    enum class Auftrag { Starten, Hilfe, Version, Fehler };
    Auftrag auftrag = Auftrag::Starten;
    // --ordner: the start folder as given.
    std::optional<std::string> ordner;
    // --benutzerordner: the learners' data go to the user's own data folder (the desktop entry asks so).
    bool benutzerordner = false;
    // --klassenliste, --lernverlauf: write the class overview or every recorded exercise of the start
    // folder as CSV into this file and end, without a window.
    std::optional<std::string> klassenliste;
    std::optional<std::string> lernverlauf;
    // For Auftrag::Fehler: what is wrong, one German sentence without the program's name.
    std::string fehler;
};

// Reads the arguments after the program's name. Options follow GNU rules: "--ordner ORDNER",
// "--ordner=ORDNER", "-o ORDNER", "-oORDNER", unique abbreviations of long options, "--" ends the
// options. The options of Qt's window system (-platform, -display, -session, -style, -name with one value,
// -reverse) are let through for Qt, not listed. --help and --version win over everything after them.
Befehlszeile befehlszeileLesen(const std::vector<std::string>& argumente);

// The answer to --help, German, ending in a line break.
std::string hilfetext();

// The answer to --version, ending in a line break.
std::string versionstext(std::string_view version);

// A command line error for the terminal: "tastwerk: <fehler>" and a pointer to --help.
std::string fehlertext(std::string_view fehler);

} // namespace tastwerk
