// The sound output behind QtKlang. It lives in a small library of its own that is loaded when the first
// sound plays, so that the audio stack is not loaded at start.
#pragma once

#include <QString>

#include <functional>

namespace tastwerk::ui {

class Klangausgabe {
public:
    virtual ~Klangausgabe() = default;
    // Whether the machine has a sound output at all.
    virtual bool vorhanden() = 0;
    // Starts the wave file; `ende` (when given) is called once it has ended, with true when it could not
    // be played after all. False when the file is known to be unplayable.
    virtual bool spielen(const QString& pfad, std::function<void(bool fehler)> ende) = 0;
};

} // namespace tastwerk::ui

// The entry point of the sound library: one output for the program's whole run.
extern "C" tastwerk::ui::Klangausgabe* tastwerk_klangausgabe_anlegen();
