#include "ui/umrissschrift.h"

#include "keyboard/kontrast.h"
#include "ui/farben.h"

#include <QFontInfo>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tastwerk::ui {

namespace {

std::optional<QColor> umriss(const QColor& farbe, const QColor& grund) {
    const std::optional<Farbe> u = umrissfarbe(alsFarbe(farbe), alsFarbe(grund));
    return u ? std::optional<QColor>(alsQColor(*u)) : std::nullopt;
}

// A one-pixel outline: the text drawn once in each of the eight neighbouring positions. It keeps the
// font's hinting, so small text stays sharp.
template <typename Zeichnen> void ringsum(QPainter& maler, const QColor& farbe, Zeichnen zeichnen) {
    maler.setPen(farbe);
    constexpr std::array<QPointF, 8> versatz = {
        {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
    for (const QPointF& v : versatz) {
        zeichnen(v);
    }
}

} // namespace

int umrissbreite(const QFont& schrift) {
    return std::clamp(int(std::lround(QFontInfo(schrift).pixelSize() / 36.0)), 1, 4);
}

void umrandetMalen(QPainter& maler, const QRectF& rechteck, int ausrichtung, const QString& text,
                   const QColor& farbe, const QColor& grund) {
    if (const auto rand = umriss(farbe, grund)) {
        ringsum(maler, *rand,
                [&](const QPointF& v) { maler.drawText(rechteck.translated(v), ausrichtung, text); });
    }
    maler.setPen(farbe);
    maler.drawText(rechteck, ausrichtung, text);
}

void umrandetMalen(QPainter& maler, const QPointF& punkt, const QString& text, const QColor& farbe,
                   const QColor& grund) {
    const auto rand = umriss(farbe, grund);
    const int breite = umrissbreite(maler.font());
    if (rand && breite > 1) {
        // Large text: the glyphs' outlines stroked with round joins, then filled, all smoothed.
        QPainterPath pfad;
        pfad.addText(punkt, maler.font(), text);
        maler.save();
        maler.setRenderHint(QPainter::Antialiasing);
        maler.strokePath(pfad, QPen(*rand, 2.0 * breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        maler.fillPath(pfad, farbe);
        maler.restore();
        return;
    }
    if (rand) {
        ringsum(maler, *rand, [&](const QPointF& v) { maler.drawText(punkt + v, text); });
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
