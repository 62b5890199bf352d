// The lesson catalogue: which part of the letter sequence each of the 16 lessons drills, the lesson titles,
// the key lists of the repetition chooser, and the stage positions 1..32 of the direct-choice sliders.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <string>

namespace tastwerk {

// Lesson and stage as one slider position: 2 × lesson − 1 for the letter stage, 2 × lesson for the word
// stage.
constexpr int StufenpositionenAnzahl = 32;

// A lesson draws from the letter sequence indices 0..hoechsterIndex; the top neueBuchstaben of them count
// as the lesson's new letters.
struct Lektionsdaten {
    int hoechsterIndex;
    int neueBuchstaben;
};

// Every function below takes lesson numbers 1..16; a number outside is taken as the nearest lesson.
// A stage is 0 (letter exercise "B") or 1 (word exercise "W"); any other value counts as the word stage.

Lektionsdaten lektionsdaten(int lektion);

// Whether letter sequence index `index` counts as new in `lektion`: index > hoechsterIndex − neueBuchstaben.
// In lesson 1 the difference is −1, so every index counts; in lesson 16 the block reaches back to 27.
bool zaehltAlsNeu(int lektion, int index);

// Heading of the lesson's introduction screen (UTF-8).
std::string lektionstitel(int lektion, Tastaturlayout layout);

// Short key list shown in the repetition chooser for a lesson and stage (UTF-8).
std::string tastenliste(int lektion, int stufe, Tastaturlayout layout);

struct Stufe {
    int lektion;
    int stufe;
};

// Position 1..32 of a lesson and stage.
int stufenposition(int lektion, int stufe);

// Lesson and stage of a position; a position outside 1..32 is taken as the nearest one.
Stufe ausPosition(int position);

// A position as shown above the sliders: "1 B", "1 W", ... "16 W".
std::string positionsText(int position);

} // namespace tastwerk
