// The design canvas: every screen is laid out on 800 × 600 units. The canvas shows that picture scaled as
// one piece by min(W / 800, H / 600) of the room it gets, centred; positions, sizes, fonts, margins and table
// cells all follow the scale. Below the smallest legible scale the canvas keeps that scale and scrolls.
#pragma once

#include <QFont>
#include <QRect>
#include <QScrollArea>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QIcon;
class QLayout;

namespace tastwerk::ui {

class Leinwand : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 800;
    static constexpr int Hoehe = 600;

    explicit Leinwand(QWidget* parent = nullptr);

    double massstab() const { return massstab_; }
    // Takes what the screens have been built with as their design: the place of every widget that no
    // layout places, explicit font sizes, fixed sizes, layout margins and table cells. Call once, after
    // the screens are built and before the first scale.
    void erfassen();
    // Builds a screen's contents into the groups `teile` with `bauen` as they would have been built
    // before the design was taken: off the canvas, at the design scale and with the design fonts. Then
    // the groups return to their places (in the same stacking order) and everything is shown at the
    // present scale. Before the design is taken this only builds.
    void einbauen(const QList<QWidget*>& teile, const std::function<void()>& bauen);
    // Scales the canvas and everything on it; the canvas becomes Round(800 s) × Round(600 s) pixels.
    void massstabSetzen(double s);

    // The canvas that holds the widget, or none.
    static Leinwand* von(const QWidget* w);

signals:
    void massstabGeaendert(double s);

private:
    void widgetErfassen(QWidget* w);
    // Takes the design of the widgets and layouts inside `teil` not taken yet, and shows them at the
    // present scale.
    void neuesErfassen(QWidget* teil, QList<QWidget*>& neu, QList<QLayout*>& layouts);
    void neuesAnwenden(const QList<QWidget*>& neu, const QList<QLayout*>& layouts) const;
    void anwenden(QWidget* w, double s) const;
    double massstab_ = 1;
    bool erfasst_ = false;
    bool angewandt_ = false;
};

// The scale a widget is shown at: its canvas's, 1 without one.
double massstab(const QWidget* w);

// The place of a widget in design units relative to its parent; shown at the canvas's scale.
void platzieren(QWidget* w, const QRect& entwurf);
// The design place of a widget (its geometry when it has none).
QRect entwurf(const QWidget* w);
// Moves a widget to a design top edge, or resizes it to a design height, keeping the rest of its place.
void obenSetzen(QWidget* w, int oben);
void hoeheSetzen(QWidget* w, int hoehe);
// A font whose size is in design points (or design pixels); shown at the canvas's scale.
void schriftSetzen(QWidget* w, const QFont& entwurf);

// Gives a button its picture after the canvas has taken the design: shown at the canvas's scale like
// the pictures the screens were built with.
void bildSetzen(QAbstractButton* k, const QIcon& bild);

// The window's client area: holds the canvas, picks the scale from its own size and centres the canvas;
// scrolls when the window is too small for the smallest scale.
class Buehne : public QScrollArea {
    Q_OBJECT
public:
    static constexpr double KleinsterMassstab = 0.75;

    explicit Buehne(QWidget* parent = nullptr);
    Leinwand* leinwand() const { return leinwand_; }
    // Lays the canvas out for the present size (also after `Leinwand::erfassen`).
    void anordnen();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    Leinwand* leinwand_;
};

} // namespace tastwerk::ui
