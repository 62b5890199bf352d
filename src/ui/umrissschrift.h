// Text in a finger colour that stays legible on any background: where the colour stands out too little
// from its background, the characters get a thin outline in black or white (see keyboard/kontrast.h).
// The colour itself is drawn as the learner chose it.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPainter>
#include <QString>

namespace tastwerk::ui {

// How far the outline reaches beyond the characters, in pixels, for a font: a little over half a pixel
// on small text, a few pixels on the large letter of the letter exercise.
double umrissbreite(const QFont& schrift);

// Draws the text in `farbe` with the painter's font, laid out in `rechteck` as QPainter::drawText does,
// with the outline `grund` asks for.
void umrandetMalen(QPainter& maler, const QRectF& rechteck, int ausrichtung, const QString& text,
                   const QColor& farbe, const QColor& grund);
// The same with the baseline's start at `punkt`.
void umrandetMalen(QPainter& maler, const QPointF& punkt, const QString& text, const QColor& farbe,
                   const QColor& grund);

// A one-line label in a finger colour (its palette's WindowText) on its Window colour, outlined where
// the two are too alike.
class Farbtext : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace tastwerk::ui
