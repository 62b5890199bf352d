// Positions and sizes as fractions of the screen size read at start-up, cut to whole pixels.
#pragma once

#include <QFont>
#include <QRect>

#include <cmath>

namespace tastwerk::ui {

struct Masse {
    int breite = 800; // Bildschirmbreite
    int hoehe = 600;  // Bildschirmhoehe
    double dpi = 96;  // logical pixels per inch of the screen

    // Trunc(Bildschirmbreite × zaehler / nenner)
    int w(double zaehler, double nenner = 1) const { return int(std::trunc(breite * zaehler / nenner)); }
    // Trunc(Bildschirmhoehe × zaehler / nenner)
    int h(double zaehler, double nenner = 1) const { return int(std::trunc(hoehe * zaehler / nenner)); }
    // A length designed for a screen 800 pixels wide, scaled to this screen.
    int s(double entwurf) const { return int(std::trunc(entwurf * breite / 800.0)); }
    QRect r(double x, double y, double b, double hh) const { return QRect(s(x), s(y), s(b), s(hh)); }
    // A font size designed for 96 dpi, for this screen: Trunc(punkte × 96 / dpi).
    int punkte(double entwurf) const { return std::max(1, int(std::trunc(entwurf * 96.0 / dpi))); }
    // A font size designed for 800 pixels of width and 96 dpi.
    int skaliertePunkte(double entwurf) const { return punkte(entwurf * breite / 800.0); }
};

} // namespace tastwerk::ui
