// What the main window needs from the outside world.
#pragma once

#include "platform/datentraeger.h"
#include "platform/klang.h"
#include "platform/uhr.h"

#include <QSize>
#include <QString>

namespace tastwerk::ui {

struct Umgebung {
    Uhr* uhr = nullptr;
    Klang* klang = nullptr;
    Datentraeger* datentraeger = nullptr;
    QString programmordner; // the start folder: user file and "Texte" lie in it
    QSize bildschirm{800, 600};
    double dpi = 96;
};

} // namespace tastwerk::ui
