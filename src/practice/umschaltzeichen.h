// Characters typed with the Shift key, which count as two keystrokes. The letter exercise and the word
// exercise each have their own sets per layout.
#pragma once

#include "keyboard/grundbegriffe.h"

namespace tastwerk {

// The letter exercise: such a demanded character counts twice and is marked "G".
bool umschaltzeichenBuchstabenuebung(Tastaturlayout layout, Zeichen z);

// The word exercise: such a typed character counts twice.
bool umschaltzeichenWortuebung(Tastaturlayout layout, Zeichen z);

} // namespace tastwerk
