// Where the learners' data live (the start folder) and where the program's own data (help pages, sounds)
// are looked for. Both are decided at each start from the command line and the environment, never at
// build time.
#pragma once

#include "session/befehlszeile.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk {

// Reads one environment variable; nullopt when it is not set.
using Umgebungsvariable = std::function<std::optional<std::string>(const char* name)>;

struct Startordnerwahl {
    // The folder; empty when none can be named (then `fehler` says why).
    std::string ordner;
    // The folder is the user's own data folder and is created when missing; any other must exist.
    bool anlegen = false;
    // Where the folder came from, for messages: "--ordner", "TASTWERK_ORDNER" or empty.
    std::string herkunft;
    std::string fehler;
};

// In this order: --ordner; the environment variable TASTWERK_ORDNER (a class's shared folder, also for
// starts from the menu); with --benutzerordner $XDG_DATA_HOME/tastwerk (~/.local/share/tastwerk when
// XDG_DATA_HOME is unset, empty or relative); otherwise the current folder. A relative folder is taken
// relative to the current folder.
Startordnerwahl startordnerWaehlen(const Befehlszeile& befehle, const Umgebungsvariable& umgebung,
                                   const std::string& aktuellerOrdner);

// The folders that may hold the program's data, in the order they are searched: ../share/tastwerk beside
// the program's own folder (installed anywhere, and the build tree, which mirrors that layout), then
// "tastwerk" in each folder of XDG_DATA_DIRS (/usr/local/share:/usr/share when unset or empty). Relative
// entries are skipped, duplicates dropped. Paths are joined, not resolved.
std::vector<std::string> datenordnerListe(const std::string& programmordner,
                                          const Umgebungsvariable& umgebung);

} // namespace tastwerk
