// The learner's place in the course: direct choice of lesson and stage, and the repetition of an earlier
// lesson, which never becomes the learner's position.
#pragma once

#include "session/sitzung.h"

#include <string>

namespace tastwerk {

// The slider of "Lektion direkt anwählen": lesson and stage from a position 1..32.
void lektionDirektWaehlen(Sitzung& sitzung, int position);

// The position of the learner's current lesson and stage (the saved one while a repetition runs).
int aktuellePosition(const Sitzung& sitzung);

// The slider of "Lektion Wiederholen": positions up to the current one can be repeated. Returns the
// position taken (cut to the current position).
int wiederholungWaehlen(Sitzung& sitzung, int position);

// A repetition starts: the real position and the own lesson's per-finger counters are kept aside.
void wiederholungBeginnen(Sitzung& sitzung);

// A repetition ends, however it ends: position and counters of the learner's own lesson come back.
void wiederholungBeenden(Sitzung& sitzung);

// " (Buchstabenübung)" or " (Wortübung)" for a stage.
std::string stufenzusatz(int stufe);

// "Start Lektion N (Buchstabenübung)": the start entries while no exercise runs (the saved lesson during
// a repetition).
std::string startLektionText(const Sitzung& sitzung);

// "Wiederholung Lektion N (Wortübung)": hint of the repetition's start button.
std::string wiederholungHinweis(const Sitzung& sitzung);

} // namespace tastwerk
