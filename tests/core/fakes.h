// Stand-ins for the outside world in core tests.
#pragma once

#include "platform/datentraeger.h"
#include "platform/klang.h"
#include "platform/uhr.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk::test {

class FesteUhr : public Uhr {
public:
    Zeitpunkt zeit;
    std::int64_t monoton = 0;
    FesteUhr() { zeit.datum = {1997, 3, 7, 6}; } // Friday, 7 March 1997
    Zeitpunkt jetzt() const override { return zeit; }
    std::int64_t monotonMs() const override { return monoton; }
};

class FesterDatentraeger : public Datentraeger {
public:
    std::optional<std::uint64_t> frei;
    std::optional<std::uint64_t> freieBytes(const std::string&) const override { return frei; }
};

class MerkKlang : public Klang {
public:
    std::vector<std::string> gespielt;
    bool abspielbar = true;
    int piepser = 0;
    // Set by a test: the synchronous sound plays until the test ends it with beenden().
    bool synchronDauert = false;
    bool laeuft = false;
    bool spieleSynchron(const std::string& d) override {
        gespielt.push_back("sync:" + d);
        laeuft = abspielbar && synchronDauert;
        return abspielbar;
    }
    bool synchronLaeuft() const override { return laeuft; }
    void beenden() {
        laeuft = false;
        synchronBeendet();
    }
    void spieleAsynchron(const std::string& d) override { gespielt.push_back("async:" + d); }
    void piepen() override { ++piepser; }
};

// A fresh empty folder below the system's temporary folder, removed afterwards.
class TempOrdner {
public:
    TempOrdner() {
        std::string vorlage = (std::filesystem::temp_directory_path() / "tastwerk-test-XXXXXX").string();
        pfad_ = ::mkdtemp(vorlage.data());
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::permissions(pfad_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(pfad_, ec);
    }
    const std::string& pfad() const { return pfad_; }
    std::string datei(const std::string& name) const { return pfad_ + "/" + name; }

private:
    std::string pfad_;
};

} // namespace tastwerk::test
