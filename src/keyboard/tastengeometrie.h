// Where the keys of the on-screen keyboard stand, how large they are, where their mark sits and how high
// their caption font is, for the screen width read at start-up. Some sizes depend on the layout.
#pragma once

#include "keyboard/grundbegriffe.h"

namespace tastwerk {

// Pixels. The key relative to the keyboard, its mark relative to the key.
struct Tastenmass {
    int links = 0;
    int oben = 0;
    int breite = 0;
    int hoehe = 0;
    int markeLinks = 0;
    int markeOben = 0;
    int markeBreite = 0;
    int markeHoehe = 0;
    bool sichtbar = true;
    int schrifthoehe = 0; // of the caption

    bool operator==(const Tastenmass&) const = default;
};

// The key as designed, shown before any layout is applied: the design lengths for a screen 800 pixels
// wide, scaled to the screen width and cut to whole pixels.
Tastenmass entwurfsmass(int taste, int bildschirmbreite);

// The key in the layout: the design, with the Return key, the key beside it, the left Shift key and
// the key beside that sized for the layout. Those sizes are the screen width divided by a fixed number,
// cut to whole pixels.
Tastenmass tastenmass(int taste, Tastaturlayout layout, int bildschirmbreite);

} // namespace tastwerk
