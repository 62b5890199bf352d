#include "ui/umrissschrift.h"

#include "keyboard/kontrast.h"
#include "ui/farben.h"

#include <QCache>
#include <QFontInfo>
#include <QImage>
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

// The outline of a text, stroked once into a picture: the letter panel and the keys draw the same few
// characters again at every keystroke, and stroking a large glyph costs far more than copying it.
struct Umrissbild {
    QImage bild;
    QPoint versatz; // of the picture's top left from the whole device pixel the text starts in
};

QCache<QString, Umrissbild>& umrissbilder() {
    static QCache<QString, Umrissbild> bilder(8 * 1024 * 1024); // cost: bytes
    return bilder;
}

QPen umrissstift(const QColor& farbe, double stift) {
    return QPen(farbe, stift, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The glyphs' outlines stroked with round joins, smoothed, for text drawn with its baseline at `punkt`;
// the text itself is then drawn over it. Half the pen lies outside the glyphs.
void umrissStreichen(QPainter& maler, const QPointF& punkt, const QString& text, const QColor& farbe,
                     double stift) {
    const QTransform welt = maler.worldTransform();
    const qreal dpr = maler.device() != nullptr ? maler.device()->devicePixelRatio() : 1.0;
    if (welt.type() > QTransform::TxTranslate) {
        // Turned or scaled: stroked where it is drawn.
        QPainterPath pfad;
        pfad.addText(punkt, maler.font(), text);
        maler.save();
        maler.setRenderHint(QPainter::Antialiasing);
        maler.strokePath(pfad, umrissstift(farbe, stift));
        maler.restore();
        return;
    }
    // The start in device pixels: its whole pixel, and the rest in quarters of a pixel, which the picture
    // keeps so that the outline lies where the glyphs are drawn.
    const QPointF geraet = (punkt + QPointF(welt.dx(), welt.dy())) * dpr;
    const QPoint ganz(int(std::floor(geraet.x())), int(std::floor(geraet.y())));
    const QPointF rest(std::round((geraet.x() - ganz.x()) * 4) / 4,
                       std::round((geraet.y() - ganz.y()) * 4) / 4);
    const QString schluessel = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                                   .arg(maler.font().key(), text, farbe.name(QColor::HexArgb))
                                   .arg(stift)
                                   .arg(dpr)
                                   .arg(rest.x())
                                   .arg(rest.y());
    Umrissbild neu;
    const Umrissbild* eintrag = umrissbilder().object(schluessel);
    if (eintrag == nullptr) {
        QPainterPath pfad;
        pfad.addText(QPointF(0, 0), maler.font(), text);
        const QRectF rand = pfad.boundingRect().adjusted(-stift, -stift, stift, stift);
        const QRect flaeche =
            QRectF(rand.topLeft() * dpr + rest, rand.size() * dpr).toAlignedRect().adjusted(-1, -1, 1, 1);
        neu.bild = QImage(flaeche.size(), QImage::Format_ARGB32_Premultiplied);
        neu.bild.fill(Qt::transparent);
        neu.versatz = flaeche.topLeft();
        QPainter bildmaler(&neu.bild);
        bildmaler.setRenderHint(QPainter::Antialiasing);
        bildmaler.translate(QPointF(-flaeche.topLeft()) + rest);
        bildmaler.scale(dpr, dpr);
        bildmaler.strokePath(pfad, umrissstift(farbe, stift));
        bildmaler.end();
        // A picture that was painted on keeps its paint engine, with the stroker's buffers, for as long as
        // it lives: the cache keeps a copy without.
        neu.bild = neu.bild.copy();
        neu.bild.setDevicePixelRatio(dpr);
        umrissbilder().insert(schluessel, new Umrissbild(neu), int(neu.bild.sizeInBytes()));
        eintrag = &neu;
    }
    maler.save();
    maler.resetTransform();
    maler.drawImage(QPointF(ganz + eintrag->versatz) / dpr, eintrag->bild);
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
