// The on-screen keyboard: 59 keys in five rows, each its own small widget, captioned for the keyboard
// layout, coloured in the finger colours of the keys learned so far, with the keys of the demanded
// character pressed.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

namespace tastwerk::ui {

// One key: its face in its colour, its caption, a raised or lowered bevel, and a small mark that shows
// while the key is pressed. It repaints only when something it shows has changed.
class TastenFeld : public QWidget {
    Q_OBJECT
public:
    explicit TastenFeld(QWidget* parent = nullptr);

    void setBeschriftung(const QString& text);
    QString beschriftung() const { return beschriftung_; }
    void setFarben(Farbe flaeche, Farbe schrift);
    Farbe flaechenfarbe() const { return flaeche_; }
    Farbe schriftfarbe() const { return schrift_; }
    void setGedrueckt(bool gedrueckt);
    bool gedrueckt() const { return gedrueckt_; }
    bool markeSichtbar() const { return gedrueckt_; }
    // The mark, relative to the key in design pixels; what reaches past the key's edge is cut off.
    void setMarke(const QRect& marke);
    QRect marke() const { return marke_; }
    void setSchrifthoehe(int pixel);

    // Paint events the key has handled.
    int malzaehler() const { return malzaehler_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString beschriftung_;
    Farbe flaeche_ = 0x00C0C0C0;
    Farbe schrift_ = 0x00000000;
    bool gedrueckt_ = false;
    QRect marke_;
    int schrifthoehe_ = 0;
    int malzaehler_ = 0;
};

class TastaturWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int TastenAnzahl = 59;

    // The keys with their design captions and places for a screen `bildschirmbreite` pixels wide, light
    // grey, raised.
    explicit TastaturWidget(int bildschirmbreite, QWidget* parent = nullptr);

    // Captions, hints, sizes and places of the keys for the layout; key 4.2 is hidden in the US layout.
    // The colours stay until the next `einfaerben`.
    void layoutAnwenden(Tastaturlayout layout);
    Tastaturlayout tastaturlayout() const { return layout_; }

    // Gives every key its finger colour once `tastaturlektion` has reached the key's first lesson, light
    // grey before (17: every key). Keys whose colours do not change are not repainted.
    void einfaerben(int tastaturlektion, const std::array<Farbe, FarbgruppenAnzahl>& farben);

    // The error heatmap: while it is on, `einfaerben` colours every key by the learner's error rate on
    // its characters (index as the key table numbers the keys; light grey where nothing was typed).
    void heatmapSetzen(std::vector<std::optional<double>> quoten);
    void heatmapAus();
    bool heatmapAn() const { return heatmap_.has_value(); }

    // The keyboard lettering setting: 0 black, 1 white. A caption is black when its key is not black and
    // the setting is not 1, white otherwise.
    void setSchriftfarbe(int tastaturschriftfarbe);

    // Shows every key that carries the character pressed with its mark, every other key raised.
    void tastaturaktiviert(Zeichen gefordert);

    // The key in `reihe` (1 to 5) at `position` (from 1, from the left); nullptr when there is none.
    TastenFeld* taste(int reihe, int position) const;

    // Paint events of all keys together.
    int malzaehler() const;

    QSize sizeHint() const override;

private:
    Farbe schriftfarbeFuer(Farbe flaeche) const;

    int bildschirmbreite_;
    Tastaturlayout layout_ = Tastaturlayout::Deutsch;
    int tastaturschriftfarbe_ = 0;
    std::array<TastenFeld*, TastenAnzahl> tasten_{};
    std::optional<std::vector<std::optional<double>>> heatmap_;
};

} // namespace tastwerk::ui
