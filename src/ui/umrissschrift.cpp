#include "ui/umrissschrift.h"

#include "keyboard/kontrast.h"
#include "ui/farben.h"

#include <QFontInfo>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tastwerk::ui {

namespace {

std::optional<QColor> umriss(const QColor& farbe, const QColor& grund) {
    const std::optional<Farbe> u = umrissfarbe(alsFarbe(farbe), alsFarbe(grund));
    return u ? std::optional<QColor>(alsQColor(*u)) : std::nullopt;
}

// The glyphs' outlines stroked with round joins, smoothed, for text drawn with its baseline at `punkt`;
// the text itself is then drawn over it. Half the pen lies outside the glyphs.
void umrissStreichen(QPainter& maler, const QPointF& punkt, const QString& text, const QColor& farbe,
                     double stift) {
    QPainterPath pfad;
    pfad.addText(punkt, maler.font(), text);
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.strokePath(pfad, QPen(farbe, stift, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.restore();
}

// The baseline of one line laid out in the rectangle as QPainter::drawText lays it out.
QPointF grundlinie(const QFont& schrift, const QRectF& r, int ausrichtung, const QString& text) {
    const QFontMetricsF fm(schrift);
    const QRectF platz = fm.boundingRect(r, ausrichtung, text);
    return {platz.left(), platz.top() + fm.ascent()};
}

} // namespace

double umrissbreite(const QFont& schrift) {
    return std::clamp(QFontInfo(schrift).pixelSize() / 36.0, 0.6, 4.0);
}

void umrandetMalen(QPainter& maler, const QRectF& rechteck, int ausrichtung, const QString& text,
                   const QColor& farbe, const QColor& grund) {
    if (const auto rand = umriss(farbe, grund)) {
        umrissStreichen(maler, grundlinie(maler.font(), rechteck, ausrichtung, text), text, *rand,
                        2 * umrissbreite(maler.font()));
    }
    maler.setPen(farbe);
    maler.drawText(rechteck, ausrichtung, text);
}

void umrandetMalen(QPainter& maler, const QPointF& punkt, const QString& text, const QColor& farbe,
                   const QColor& grund) {
    if (const auto rand = umriss(farbe, grund)) {
        umrissStreichen(maler, punkt, text, *rand, 2 * umrissbreite(maler.font()));
    }
    maler.setPen(farbe);
    maler.drawText(punkt, text);
}

void Farbtext::paintEvent(QPaintEvent* e) {
    const QColor farbe = palette().color(QPalette::WindowText);
    const QColor grund = palette().color(QPalette::Window);
    if (!isEnabled() || !umriss(farbe, grund)) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter maler(this);
    drawFrame(&maler);
    maler.setFont(font());
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    umrandetMalen(maler, r, int(alignment()) | Qt::TextSingleLine, text(), farbe, grund);
}

} // namespace tastwerk::ui
