// Which finger a character belongs to: the finger groups the error statistics count it for, and the
// finger colour it is shown in. Two separate tables per layout; they do not agree in every detail.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tastwerk {

// The finger groups of one character: usually one, two for the US backslash, none for characters that
// are counted for no finger. A small value without allocation, in the fixed group order.
class Fingergruppen {
public:
    const Fingergruppe* begin() const { return gruppen_.data(); }
    const Fingergruppe* end() const { return gruppen_.data() + anzahl_; }
    int anzahl() const { return anzahl_; }
    bool leer() const { return anzahl_ == 0; }
    bool enthaelt(Fingergruppe f) const;

    void hinzufuegen(Fingergruppe f) { gruppen_[anzahl_++] = f; }

private:
    std::array<Fingergruppe, FingergruppenAnzahl> gruppen_{};
    std::uint8_t anzahl_ = 0;
};

// The finger groups whose set in the layout's statistics finger map holds the character; a blank
// belongs to the thumb.
Fingergruppen fingerbestimmen(Tastaturlayout layout, Zeichen z);

// The colour group of the character in the layout: the groups are tested in the order little, ring,
// middle, index finger, then the blank for the thumb, and the last match decides. Nothing when no
// group holds the character; the caller then keeps its colour.
std::optional<Farbgruppe> farbgruppebestimmen(Tastaturlayout layout, Zeichen z);

} // namespace tastwerk
