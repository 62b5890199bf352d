// Positions and sizes on the design canvas of 800 × 600 units: a fraction of the screen width is that
// fraction of 800 units, a fraction of the screen height that fraction of 600, cut to whole units. The
// canvas shows them scaled (ui/leinwand.h). The real screen size stays for what the learner's record
// stores from it and for the report of the user data screen.
#pragma once

#include <QFont>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace tastwerk::ui {

struct Masse {
    static constexpr int breite = 800; // the canvas, in design units
    static constexpr int hoehe = 600;
    int bildschirmbreite = 800; // Bildschirmbreite, read at start-up
    int bildschirmhoehe = 600;  // Bildschirmhoehe
    double dpi = 96;            // logical pixels per inch of the screen

    // Trunc(Bildschirmbreite × zaehler / nenner), on the canvas
    int w(double zaehler, double nenner = 1) const { return int(std::trunc(breite * zaehler / nenner)); }
    // Trunc(Bildschirmhoehe × zaehler / nenner), on the canvas
    int h(double zaehler, double nenner = 1) const { return int(std::trunc(hoehe * zaehler / nenner)); }
    // A length designed for a window 800 pixels wide.
    int s(double entwurf) const { return int(std::trunc(entwurf)); }
    QRect r(double x, double y, double b, double hh) const { return QRect(s(x), s(y), s(b), s(hh)); }
    // A font size designed for 96 dpi, for this screen: Trunc(punkte × 96 / dpi).
    int punkte(double entwurf) const { return std::max(1, int(std::trunc(entwurf * 96.0 / dpi))); }
    // A font size designed for 800 pixels of width and 96 dpi.
    int skaliertePunkte(double entwurf) const { return punkte(entwurf); }
    // A font size the learner's record keeps (computed from the real screen width), on the canvas: in the
    // same proportion to the canvas as to a 4:3 screen of that width, for 96 dpi.
    double gespeichertePunkte(int groesse) const {
        return std::max(1.0, groesse * 96.0 / dpi * double(breite) / std::max(1, bildschirmbreite));
    }
    // The letter exercise's stored size, on the canvas. Its default (Trunc(Bildschirmbreite × 5/33)) no
    // longer fits into the record's byte on screens wider than 1683 pixels, where it is kept at 255: a
    // stored size counts as chosen on a screen at most that wide, so the letter fills its panel there too.
    double gespeicherteBuchstabenpunkte(int groesse) const {
        constexpr int BreitesterBildschirm = 255 * 33 / 5;
        return std::max(1.0, groesse * 96.0 / dpi * double(breite) /
                                 std::clamp(bildschirmbreite, 1, BreitesterBildschirm));
    }
};

} // namespace tastwerk::ui
