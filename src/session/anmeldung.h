// Signing a learner in by name, and saving the session into the learner's record.
#pragma once

#include "platform/uhr.h"
#include "session/benutzerdatei.h"
#include "session/sitzung.h"

#include <optional>
#include <string>

namespace tastwerk {

struct Anmeldeergebnis {
    bool neu = false;
    bool dateiAngelegt = false;
    bool texteordnerAngelegt = false;
    std::optional<std::string> sicherungskopie;
};

// Reads or creates the record of `name` (Windows-1252) and loads the session from it. On the first run
// in a folder the user file and the folder "Texte" are created. Throws Dateifehler; the session is then
// unchanged and the learner is not signed in.
Anmeldeergebnis anmelden(Sitzung& sitzung, Benutzerdatei& datei, const Uhr& uhr, const std::string& name);

// Writes the session into the signed-in learner's record (with today's date). Throws Dateifehler; the
// session in memory then stays as it was.
void datenaufdiskschreiben(Sitzung& sitzung, Benutzerdatei& datei, const Uhr& uhr);

// Whether closing the program saves the session: only for a signed-in learner whose name has at least
// two characters.
bool beimBeendenSpeichern(const Sitzung& sitzung);

} // namespace tastwerk
