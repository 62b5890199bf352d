// What runs and what is shown beside the running exercise.
#pragma once

namespace tastwerk {

// The exercise that runs; at most one at a time.
enum class Uebungsart { Keine, Buchstabenuebung, Wortuebung, EigeneTexte };

// What stands beside the running exercise. Typing is taken in the keyboard and statistics views only.
enum class Ansicht {
    Einstellungen,   // the settings are open during practice
    Tastatur,        // the on-screen keyboard
    Statistik,       // the lesson error statistics
    Pause,           // the exercise is paused
    Gesamtstatistik, // the overall statistics opened from the Extras screen
};

} // namespace tastwerk
