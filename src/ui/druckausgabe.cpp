#include "ui/druckausgabe.h"

#include "ui/privatmodul.h"

#include <memory>

namespace tastwerk::ui {

Druckausgabe* druckausgabe() {
    static std::unique_ptr<Druckausgabe> ausgabe;
    static bool geladen = false;
    if (geladen) {
        return ausgabe.get();
    }
    geladen = true;
    auto anlegen = reinterpret_cast<Druckausgabe* (*)()>(privatmodulLaden(
        QStringLiteral("druck"), "tastwerk_druckausgabe_anlegen", "Das Drucken ist nicht verfügbar"));
    if (anlegen == nullptr) {
        return nullptr;
    }
    ausgabe.reset(anlegen());
    return ausgabe.get();
}

} // namespace tastwerk::ui
