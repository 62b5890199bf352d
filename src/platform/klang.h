// Sound output: wave files by bare name and the system beep.
#pragma once

#include <functional>
#include <string>

namespace tastwerk {

class Klang {
public:
    virtual ~Klang() = default;
    // Plays the wave file to its end before the next keystroke is taken: it starts at once, and
    // synchronLaeuft() holds until it has ended; false when it could not be played.
    virtual bool spieleSynchron(const std::string& dateiname) = 0;
    // Whether a sound started by spieleSynchron() still plays.
    virtual bool synchronLaeuft() const { return false; }
    // Called when a sound started by spieleSynchron() has ended.
    void setSynchronEnde(std::function<void()> ende) { synchronEnde_ = std::move(ende); }
    // Starts the wave file and returns at once; a file that cannot be played stays silent.
    virtual void spieleAsynchron(const std::string& dateiname) = 0;
    // The standard system beep.
    virtual void piepen() = 0;

protected:
    void synchronBeendet() {
        if (synchronEnde_) {
            synchronEnde_();
        }
    }

private:
    std::function<void()> synchronEnde_;
};

} // namespace tastwerk
