// The screens of the main window: framed groups that are shown and hidden on one surface.
#pragma once

#include "ui/masse.h"

#include <QFrame>
#include <QGroupBox>

#include <array>

namespace tastwerk::ui {

struct Seiten {
    QGroupBox* hauptmenue;
    QGroupBox* tastatur;
    QGroupBox* einstellungen;
    QGroupBox* benutzerdaten; // "Benutzer- und Systemdaten"
    QGroupBox* benutzerdatei; // "Benutzerdatei einsehen"
    QGroupBox* extras;
    QGroupBox* hinweistext;
    QGroupBox* buchstabenuebung;
    QGroupBox* wortuebung;
    QGroupBox* fehlerstatistik;
    QGroupBox* fehlerraster; // the lesson error grid
    std::array<QGroupBox*, 3> eigeneTexte;
    QGroupBox* fingergymnastik;
    QGroupBox* schreibregeln;
    QFrame* abbruchleiste; // the strip with the exercise abort button
};

// Creates every screen on the surface at its place for the screen size, all hidden.
Seiten seitenAnlegen(QWidget* flaeche, const Masse& m);

} // namespace tastwerk::ui
