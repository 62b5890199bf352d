#include "ui/fingergymnastik.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <numbers>

namespace tastwerk::ui {

namespace {

// Every picture is drawn on a canvas of 200 × 160 units, scaled to the widget.
constexpr double leinwandBreite = 200;
constexpr double leinwandHoehe = 160;

const QColor hautfarbe(0xF6, 0xD2, 0xAE);
const QColor konturfarbe(0x6E, 0x42, 0x26);
const QColor nagelfarbe(0xFD, 0xEC, 0xE0);
const QColor pfeilfarbe(0x1C, 0x4E, 0xA8);

// A part of a hand: its filled outline and the lines drawn on it (nails, creases).
struct Handteil {
    QPainterPath umriss;
    QPainterPath linien;

    void dazu(const Handteil& t) {
        umriss = umriss.united(t.umriss);
        linien.addPath(t.linien);
    }
    Handteil abgebildet(const QTransform& t) const { return {t.map(umriss), t.map(linien)}; }
};

// A finger as a capsule standing on its base point, turned by winkel degrees (0 points up, positive
// turns clockwise); with a nail at the tip and creases at the joints.
Handteil finger(QPointF basis, double winkel, double laenge, double breite, bool mitNagel = true) {
    Handteil f;
    f.umriss.addRoundedRect(QRectF(-breite / 2, -laenge, breite, laenge + breite / 2), breite / 2,
                            breite / 2);
    if (mitNagel) {
        f.linien.addRoundedRect(QRectF(-breite / 2 + 2.6, -laenge + 2.2, breite - 5.2, breite * 0.75), 2.6,
                                2.6);
    }
    for (const double anteil : {0.62, 0.34}) {
        const double y = -laenge * anteil;
        f.linien.moveTo(-breite / 2 + 3, y);
        f.linien.quadTo(0, y + 2, breite / 2 - 3, y);
    }
    QTransform t;
    t.translate(basis.x(), basis.y());
    t.rotate(winkel);
    return f.abgebildet(t);
}

// A finger from its base point whose tip just reaches the given point.
Handteil fingerBis(QPointF basis, QPointF spitze, double breite) {
    const QPointF d = spitze - basis;
    const double winkel = std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi;
    return finger(basis, winkel, std::hypot(d.x(), d.y()), breite);
}

// An open right hand seen from its back, fingers up, thumb to the left, in hand units (the palm is
// 56 wide, its centre at the origin). Angles of index, middle, ring and little finger and of the thumb.
struct Haltung {
    std::array<double, 4> winkel{-5, -1, 3, 8};
    double daumenwinkel = -48;
    double unterarm = 0; // length of the forearm below the wrist, 0 for none
    double laengenfaktor = 1;
};

constexpr std::array<double, 4> fingerX{-19.5, -6.5, 6.5, 19};
constexpr std::array<double, 4> fingerLaenge{40, 45, 42, 32};
constexpr std::array<double, 4> fingerBreite{13.5, 14, 13, 11.5};

Handteil offeneHand(const Haltung& h) {
    Handteil hand;
    hand.umriss.addRoundedRect(QRectF(-28, -28, 56, 58), 15, 15);
    if (h.unterarm > 0) {
        Handteil arm;
        arm.umriss.addRect(QRectF(-19, 20, 38, h.unterarm));
        hand.dazu(arm);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        hand.dazu(finger({fingerX[i], -22}, h.winkel[i], fingerLaenge[i] * h.laengenfaktor, fingerBreite[i]));
    }
    hand.dazu(finger({-21, 8}, h.daumenwinkel, 34, 15.5));
    // the knuckles on the back of the hand
    for (std::size_t i = 0; i < 4; ++i) {
        hand.linien.moveTo(fingerX[i] - 3, -16);
        hand.linien.quadTo(fingerX[i], -18, fingerX[i] + 3, -16);
    }
    return hand;
}

QTransform lage(QPointF mitte, double drehung, double groesse, bool gespiegelt = false) {
    QTransform t;
    t.translate(mitte.x(), mitte.y());
    t.rotate(drehung);
    t.scale(gespiegelt ? -groesse : groesse, groesse);
    return t;
}

void teilMalen(QPainter& maler, const Handteil& teil) {
    maler.setPen(QPen(konturfarbe, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(hautfarbe);
    maler.drawPath(teil.umriss);
    maler.setPen(QPen(konturfarbe, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    maler.setBrush(nagelfarbe);
    maler.drawPath(teil.linien);
}

// The head of an arrow at spitze, pointing in the direction of the angle (radians).
void pfeilspitze(QPainter& maler, QPointF spitze, double richtung, double groesse = 7) {
    const double breite = 0.5;
    QPolygonF kopf;
    kopf << spitze << spitze - QPointF(std::cos(richtung - breite), std::sin(richtung - breite)) * groesse
         << spitze - QPointF(std::cos(richtung + breite), std::sin(richtung + breite)) * groesse;
    maler.setPen(Qt::NoPen);
    maler.setBrush(pfeilfarbe);
    maler.drawPolygon(kopf);
}

void pfeil(QPainter& maler, QPointF von, QPointF nach) {
    maler.setPen(QPen(pfeilfarbe, 2.4, Qt::SolidLine, Qt::RoundCap));
    const QPointF d = nach - von;
    const double richtung = std::atan2(d.y(), d.x());
    maler.drawLine(von, nach - QPointF(std::cos(richtung), std::sin(richtung)) * 4);
    pfeilspitze(maler, nach, richtung);
}

// Picture 1: one hand with its fingers spread wide apart.
void fingerSpreizen(QPainter& maler) {
    Haltung h;
    h.winkel = {-22, -7, 8, 24};
    h.daumenwinkel = -66;
    h.unterarm = 40;
    h.laengenfaktor = 1.08;
    teilMalen(maler, offeneHand(h).abgebildet(lage({104, 100}, 0, 1.12)));
    // arrows pushing the fingers apart
    pfeil(maler, {46, 72}, {24, 62});
    pfeil(maler, {154, 44}, {176, 36});
    pfeil(maler, {88, 14}, {74, 8});
    pfeil(maler, {118, 14}, {132, 8});
}

// Picture 2: a hand on its forearm, with a circling arrow round the wrist.
void handgelenkKreisen(QPainter& maler) {
    const QPointF gelenk(100, 112);
    const QRectF bahn(gelenk.x() - 44, gelenk.y() - 11, 88, 22);
    maler.setBrush(Qt::NoBrush);
    // the half of the circle behind the arm
    maler.setPen(QPen(pfeilfarbe, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hinten;
    hinten.arcMoveTo(bahn, 0);
    hinten.arcTo(bahn, 0, 180);
    maler.drawPath(hinten);

    Haltung h;
    h.winkel = {-4, -1, 2, 6};
    h.daumenwinkel = -40;
    h.unterarm = 70;
    teilMalen(maler, offeneHand(h).abgebildet(lage({100, 82}, 12, 0.95)));

    // the half in front of the arm, ending in the arrow head
    maler.setBrush(Qt::NoBrush);
    maler.setPen(QPen(pfeilfarbe, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath vorn;
    vorn.arcMoveTo(bahn, 180);
    vorn.arcTo(bahn, 180, 160);
    maler.drawPath(vorn);
    const double w = 340.0 * std::numbers::pi / 180.0;
    const QPointF ende(bahn.center().x() + bahn.width() / 2 * std::cos(w),
                       bahn.center().y() - bahn.height() / 2 * std::sin(w));
    pfeilspitze(maler, ende + QPointF(2, -2), -0.45, 9);
}

// Picture 3: the fingertips of both hands pressed against each other.
void fingerspitzenDruecken(QPainter& maler) {
    // The right hand in hand units, turned so that its fingers point up to the left; each fingertip
    // reaches the middle line, where it meets the same fingertip of the mirrored left hand.
    const QTransform rechts = lage({150, 112}, -22, 0.9);
    Handteil hand;
    hand.umriss.addRoundedRect(QRectF(-28, -28, 56, 58), 15, 15);
    {
        Handteil arm;
        arm.umriss.addRect(QRectF(-19, 20, 38, 30));
        hand.dazu(arm);
    }
    const QTransform zurueck = rechts.inverted();
    const std::array<double, 4> spitzenY{70, 52, 35, 20};
    std::array<Handteil, 4> einzelneFinger;
    for (std::size_t i = 0; i < 4; ++i) {
        einzelneFinger[i] =
            fingerBis({fingerX[i], -22}, zurueck.map(QPointF(100, spitzenY[i])), fingerBreite[i] * 0.85);
    }
    hand.dazu(fingerBis({-21, 8}, zurueck.map(QPointF(100, 108)), 15.5));
    QTransform spiegel;
    spiegel.translate(leinwandBreite, 0);
    spiegel.scale(-1, 1);
    for (const QTransform& t : {rechts, rechts * spiegel}) {
        teilMalen(maler, hand.abgebildet(t));
        for (auto f = einzelneFinger.rbegin(); f != einzelneFinger.rend(); ++f) {
            teilMalen(maler, f->abgebildet(t));
        }
    }
    pfeil(maler, {18, 66}, {40, 66});
    pfeil(maler, {182, 66}, {160, 66});
}

// Picture 4: a fist seen from the front, knuckles up, the thumb across the fingers.
void faust(QPainter& maler) {
    const QTransform t = lage({100, 78}, 0, 1.25);
    Handteil koerper;
    koerper.umriss.addRoundedRect(QRectF(-34, -26, 68, 64), 16, 16);
    Handteil arm;
    arm.umriss.addRect(QRectF(-22, 30, 44, 40));
    koerper.dazu(arm);
    teilMalen(maler, koerper.abgebildet(t));

    // the four bent fingers: first the joints of the knuckles, then the folded finger ends below them
    for (int i = 0; i < 4; ++i) {
        const double x = -34 + i * 17;
        Handteil knoechel;
        knoechel.umriss.addRoundedRect(QRectF(x, -30, 17, 30), 8, 8);
        teilMalen(maler, knoechel.abgebildet(t));
    }
    for (int i = 0; i < 4; ++i) {
        const double x = -34 + i * 17;
        Handteil glied;
        glied.umriss.addRoundedRect(QRectF(x + 0.5, -6, 16, 22), 7, 7);
        glied.linien.moveTo(x + 4, 4);
        glied.linien.quadTo(x + 8.5, 6, x + 13, 4);
        teilMalen(maler, glied.abgebildet(t));
    }
    // the thumb lies across the lower finger ends
    teilMalen(maler, finger({-31, 20}, 78, 40, 16).abgebildet(t));
}

// Picture 5: both hands folded, seen from above: the fingers laced into each other in the middle, the
// thumbs crossed on top.
void haendeFalten(QPainter& maler) {
    maler.translate(0, 8);
    Handteil links;
    links.umriss.addRoundedRect(QRectF(30, 58, 50, 60), 16, 16);
    Handteil arm;
    arm.umriss = finger({46, 100}, 238, 90, 36, false).umriss;
    links.dazu(arm);
    QTransform spiegel;
    spiegel.translate(leinwandBreite, 0);
    spiegel.scale(-1, 1);
    teilMalen(maler, links);
    teilMalen(maler, links.abgebildet(spiegel));

    // from the bottom up, alternately a finger of the right hand (pointing left) and one of the left
    // hand (pointing right), each lying over the one below it
    const std::array<double, 4> laenge{58, 64, 62, 52}; // index finger (top) to little finger
    for (int i = 3; i >= 0; --i) {
        const auto k = std::size_t(i);
        const double y = 64 + i * 15;
        teilMalen(maler, finger({leinwandBreite - 68, y + 7.5}, -90, laenge[k], 11));
        teilMalen(maler, finger({68, y}, 90, laenge[k], 11));
    }
    // the thumbs, crossed above the fingers
    teilMalen(maler, finger({leinwandBreite - 62, 66}, -60, 46, 14));
    teilMalen(maler, finger({62, 66}, 60, 46, 14));
}

} // namespace

void fingergymnastikZeichnen(QPainter& maler, const QRectF& flaeche, int nummer) {
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    const double massstab = std::min(flaeche.width() / leinwandBreite, flaeche.height() / leinwandHoehe);
    maler.translate(flaeche.center().x() - leinwandBreite * massstab / 2,
                    flaeche.center().y() - leinwandHoehe * massstab / 2);
    maler.scale(massstab, massstab);
    // a white card: what reaches beyond it (the forearms) is cut off at its edge
    const QRectF karte(0, 0, leinwandBreite, leinwandHoehe);
    maler.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1));
    maler.setBrush(Qt::white);
    maler.drawRect(karte.adjusted(0.5, 0.5, -0.5, -0.5));
    maler.setClipRect(karte.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    switch (nummer) {
    case 1:
        fingerSpreizen(maler);
        break;
    case 2:
        handgelenkKreisen(maler);
        break;
    case 3:
        fingerspitzenDruecken(maler);
        break;
    case 4:
        faust(maler);
        break;
    case 5:
        haendeFalten(maler);
        break;
    default:
        break;
    }
    maler.restore();
}

QString fingergymnastikUnterschrift(int nummer) {
    switch (nummer) {
    case 1:
        return QStringLiteral("Bild 1: Spreizen Sie die Finger auseinander.");
    case 2:
        return QStringLiteral("Bild 2: Lassen Sie Ihr Handgelenk drehen/ kreisen.");
    case 3:
        return QStringLiteral("Bild 3: Drücken Sie die Fingerspitzen beider Hände zusammen.");
    case 4:
        return QStringLiteral("Bild 4: Machen Sie eine \"Faust\".");
    case 5:
        return QStringLiteral("Bild 5: Falten Sie Ihre Hände zusammen.");
    default:
        return {};
    }
}

FingergymnastikBild::FingergymnastikBild(int nummer, QWidget* parent) : QWidget(parent), nummer_(nummer) {
    static const std::array<const char*, 5> beschreibung{
        "Bild 1: Hand mit weit gespreizten Fingern",
        "Bild 2: Hand mit kreisendem Handgelenk",
        "Bild 3: Fingerspitzen beider Hände aneinandergedrückt",
        "Bild 4: Hand zur Faust geschlossen",
        "Bild 5: gefaltete Hände",
    };
    if (nummer >= 1 && nummer <= 5) {
        setAccessibleName(QString::fromUtf8(beschreibung[std::size_t(nummer - 1)]));
    }
    QSizePolicy politik(QSizePolicy::Preferred, QSizePolicy::Preferred);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
}

QSize FingergymnastikBild::sizeHint() const {
    return {200, 160};
}

QSize FingergymnastikBild::minimumSizeHint() const {
    return {100, 80};
}

int FingergymnastikBild::heightForWidth(int breite) const {
    return breite * 4 / 5;
}

void FingergymnastikBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    fingergymnastikZeichnen(maler, QRectF(rect()), nummer_);
}

QWidget* fingergymnastikInhalt(QWidget* parent) {
    auto* inhalt = new QWidget(parent);
    auto* raster = new QGridLayout(inhalt);
    for (int nummer = 1; nummer <= 5; ++nummer) {
        auto* feld = new QVBoxLayout;
        auto* bild = new FingergymnastikBild(nummer, inhalt);
        bild->setObjectName(QStringLiteral("fingergymnastikBild%1").arg(nummer));
        auto* unterschrift = new QLabel(fingergymnastikUnterschrift(nummer), inhalt);
        unterschrift->setObjectName(QStringLiteral("fingergymnastikUnterschrift%1").arg(nummer));
        unterschrift->setWordWrap(true);
        unterschrift->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        unterschrift->setTextFormat(Qt::PlainText);
        feld->addWidget(bild, 1);
        feld->addWidget(unterschrift);
        // three pictures in the upper row, two in the lower, centred beneath them
        const int zeile = nummer <= 3 ? 0 : 1;
        const int spalte = nummer <= 3 ? (nummer - 1) * 2 : (nummer - 4) * 2 + 1;
        raster->addLayout(feld, zeile, spalte, 1, 2);
    }
    return inhalt;
}

} // namespace tastwerk::ui
