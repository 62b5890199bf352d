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
#include <vector>

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

// The band a round pen of half-width `weite` (device pixels) covers outside the glyphs whose coverage is
// the alpha of `maske`, smoothed, in `farbe`. A pixel of coverage a has its edge about a - 0.5 pixels
// beyond its centre, so a pixel at distance d from it lies d - a + 0.5 beyond the edge; whatever of the
// pen's reach is left covers the pixel, at most whole. Every pixel takes the most any glyph pixel gives
// it. This is what stroking the glyphs' outlines gives, without following their curves.
QImage verbreitert(const QImage& maske, double weite, const QColor& farbe) {
    struct Nachbar {
        int dx;
        int dy;
        int abstand; // in 255ths of a pixel
    };
    const int reichweite = int(weite + 2);
    const int reich = int(weite * 255 + 0.5);
    std::vector<Nachbar> nachbarn;
    for (int dy = -reichweite; dy <= reichweite; ++dy) {
        for (int dx = -reichweite; dx <= reichweite; ++dx) {
            const int abstand = int(std::sqrt(double(dx * dx + dy * dy)) * 255 + 0.5);
            if (abstand < reich + 255) {
                nachbarn.push_back({dx, dy, abstand});
            }
        }
    }
    const int breite = maske.width();
    const int hoehe = maske.height();
    const auto alpha = [&](int x, int y) {
        return x < 0 || y < 0 || x >= breite || y >= hoehe
                   ? 0
                   : qAlpha(reinterpret_cast<const QRgb*>(maske.constScanLine(y))[x]);
    };
    // Each glyph pixel on the glyphs' edge spreads its reach; a pixel deep inside is outdone by the edge
    // pixels nearer to any point outside, and is covered by the text anyway.
    std::vector<int> deckung(std::size_t(breite) * std::size_t(hoehe), 0);
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            const int a = alpha(x, y);
            if (a == 0) {
                continue;
            }
            if (a == 255 && alpha(x - 1, y) == 255 && alpha(x + 1, y) == 255 && alpha(x, y - 1) == 255 &&
                alpha(x, y + 1) == 255) {
                deckung[std::size_t(y) * std::size_t(breite) + std::size_t(x)] = 255;
                continue;
            }
            for (const Nachbar& n : nachbarn) {
                const int zx = x + n.dx;
                const int zy = y + n.dy;
                if (zx >= 0 && zx < breite && zy >= 0 && zy < hoehe) {
                    int& d = deckung[std::size_t(zy) * std::size_t(breite) + std::size_t(zx)];
                    d = std::max(d, std::clamp(reich + a - n.abstand, 0, 255));
                }
            }
        }
    }
    QImage bild(maske.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < hoehe; ++y) {
        auto* ziel = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const int d = deckung[std::size_t(y) * std::size_t(breite) + std::size_t(x)];
            ziel[x] = qPremultiply(qRgba(farbe.red(), farbe.green(), farbe.blue(), d * farbe.alpha() / 255));
        }
    }
    return bild;
}

// The outline of a round pen along the glyphs' edges, for text drawn with its baseline at `punkt`; the text
// itself is then drawn over it. Half the pen lies outside the glyphs.
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
        // The glyphs filled, then grown by half the pen.
        QImage maske(flaeche.size(), QImage::Format_ARGB32_Premultiplied);
        maske.fill(Qt::transparent);
        QPainter maskenmaler(&maske);
        maskenmaler.setRenderHint(QPainter::Antialiasing);
        maskenmaler.translate(QPointF(-flaeche.topLeft()) + rest);
        maskenmaler.scale(dpr, dpr);
        maskenmaler.fillPath(pfad, Qt::black);
        maskenmaler.end();
        neu.bild = verbreitert(maske, stift / 2 * dpr, farbe);
        neu.versatz = flaeche.topLeft();
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
