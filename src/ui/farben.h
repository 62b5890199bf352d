// Conversion between the stored colour layout 0x00BBGGRR and Qt colours.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <QColor>

namespace tastwerk::ui {

inline QColor alsQColor(Farbe f) {
    return QColor(int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF));
}
inline Farbe alsFarbe(const QColor& c) {
    return Farbe(c.red()) | (Farbe(c.green()) << 8) | (Farbe(c.blue()) << 16);
}

} // namespace tastwerk::ui
