#include "ui/privatmodul.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace tastwerk::ui {

void* privatmodulLaden(const QString& aufgabe, const char* anlegen, const char* ohne) {
    QLibrary bibliothek(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tastwerk/") +
                        aufgabe + QStringLiteral("/tastwerk_") + aufgabe);
    QFunctionPointer funktion = bibliothek.resolve(anlegen);
    if (funktion == nullptr) {
        std::fprintf(stderr, "tastwerk: %s (%s).\n", ohne,
                     bibliothek.errorString().toLocal8Bit().constData());
        return nullptr;
    }
    return reinterpret_cast<void*>(funktion);
}

} // namespace tastwerk::ui
