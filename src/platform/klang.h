// Sound output: wave files by bare name and the system beep.
#pragma once

#include <string>

namespace tastwerk {

class Klang {
public:
    virtual ~Klang() = default;
    // Plays the wave file and returns when it has ended; false when it could not be played.
    virtual bool spieleSynchron(const std::string& dateiname) = 0;
    // Starts the wave file and returns at once; a file that cannot be played stays silent.
    virtual void spieleAsynchron(const std::string& dateiname) = 0;
    // The standard system beep.
    virtual void piepen() = 0;
};

} // namespace tastwerk
