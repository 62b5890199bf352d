// Whether bytes can be the program's user file at all. A record the program wrote always passes; a file
// of other data (a picture, a text, random bytes) holds no record that does, and is never taken for a
// user file: signing in there would read garbage learners and write into someone else's file.
#pragma once

#include "platform/datei.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tastwerk {

// A record, or the start of one at the end of a file: its name holds 1..45 characters and none of
// them is a control character, and more than half of the fields with a fixed range that the bytes
// reach are within it. Fields the bytes do not reach are not judged.
bool satzGlaubhaft(std::span<const std::uint8_t> bytes);

// An empty file, or one in which at least one record is plausible (without a whole record: the
// fragment). Damaged records among plausible ones leave it a user file.
bool istBenutzerdatei(std::span<const std::uint8_t> inhalt);

// Thrown by the sign-in when the user file is no user file; the file is left as it was.
class KeineBenutzerdatei : public Dateifehler {
public:
    explicit KeineBenutzerdatei(const std::string& pfad);
    const std::string& pfad() const { return pfad_; }

private:
    std::string pfad_;
};

} // namespace tastwerk
