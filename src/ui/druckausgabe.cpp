#include "ui/druckausgabe.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>
#include <memory>

namespace tastwerk::ui {

Druckausgabe* druckausgabe() {
    static std::unique_ptr<Druckausgabe> ausgabe;
    static bool geladen = false;
    if (geladen) {
        return ausgabe.get();
    }
    geladen = true;
    // The print library lies in lib/tastwerk/druck beside the program's bin folder (installed or built).
    QLibrary bibliothek(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../lib/tastwerk/druck/tastwerk_druck"));
    auto anlegen = reinterpret_cast<Druckausgabe* (*)()>(bibliothek.resolve("tastwerk_druckausgabe_anlegen"));
    if (anlegen == nullptr) {
        std::fprintf(stderr, "tastwerk: Das Drucken ist nicht verfügbar (%s).\n",
                     bibliothek.errorString().toLocal8Bit().constData());
        return nullptr;
    }
    ausgabe.reset(anlegen());
    return ausgabe.get();
}

} // namespace tastwerk::ui
