#include "ui/tastatur_widget.h"

#include "verlauf/auswertung.h"

#include "keyboard/kontrast.h"
#include "keyboard/tastengeometrie.h"
#include "keyboard/tastentabelle.h"
#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/umrissschrift.h"
#include "ui/zugaenglichkeit.h"

#include <QAccessible>

#include <QPainter>

#include <cmath>

namespace tastwerk::ui {

namespace {

constexpr Farbe Silber = 0x00C0C0C0;
constexpr Farbe Schwarz = 0x00000000;
constexpr Farbe Weiss = 0x00FFFFFF;
constexpr int Kante = 2; // width of the bevel

static_assert(TastaturWidget::TastenAnzahl == Tastentabelle::Anzahl);

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// What a screen reader names the key: its caption (or the space bar's name) and the finger that types it.
QString zugaenglicherName(int taste, const QString& beschriftung) {
    const QString name = taste == Tastentabelle::index(5, 3) ? QStringLiteral("Leertaste") : beschriftung;
    return name + QStringLiteral(", ") + fingerbezeichnung(Tastentabelle::finger(taste));
}

void massAnwenden(TastenFeld* feld, const Tastenmass& m) {
    platzieren(feld, QRect(m.links, m.oben, m.breite, m.hoehe));
    feld->setMarke(QRect(m.markeLinks, m.markeOben, m.markeBreite, m.markeHoehe));
    feld->setSchrifthoehe(m.schrifthoehe);
    feld->setHidden(!m.sichtbar);
}

} // namespace

TastenFeld::TastenFeld(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TastenFeld::setBeschriftung(const QString& text) {
    if (text != beschriftung_) {
        beschriftung_ = text;
        update();
    }
}

void TastenFeld::setFarben(Farbe flaeche, Farbe schrift) {
    if (flaeche != flaeche_ || schrift != schrift_) {
        flaeche_ = flaeche;
        schrift_ = schrift;
        update();
    }
}

void TastenFeld::setGedrueckt(bool gedrueckt) {
    if (gedrueckt != gedrueckt_) {
        gedrueckt_ = gedrueckt;
        update();
        QAccessible::State geaendert;
        geaendert.pressed = true;
        geaendert.checked = true;
        QAccessibleStateChangeEvent ereignis(this, geaendert);
        QAccessible::updateAccessibility(&ereignis);
    }
}

void TastenFeld::setMarke(const QRect& marke) {
    if (marke != marke_) {
        marke_ = marke;
        if (gedrueckt_) {
            update();
        }
    }
}

void TastenFeld::setSchrifthoehe(int pixel) {
    if (schrifthoehe_ != pixel) {
        schrifthoehe_ = pixel;
        QFont schrift = font();
        schrift.setPixelSize(pixel);
        schriftSetzen(this, schrift);
        update();
    }
}

void TastenFeld::paintEvent(QPaintEvent*) {
    ++malzaehler_;
    QPainter maler(this);
    QRect flaeche = rect();
    maler.fillRect(flaeche, alsQColor(flaeche_));
    // A key whose colour hardly differs from the keyboard's background gets a thin edge that does.
    if (const auto rand = umrissfarbe(flaeche_, alsFarbe(palette().color(QPalette::Window)))) {
        maler.setPen(alsQColor(*rand));
        maler.drawRect(flaeche.adjusted(0, 0, -1, -1));
        flaeche.adjust(1, 1, -1, -1);
    }

    // The bevel: light above and left, dark below and right when raised; the other way round when pressed.
    // Its width and the mark follow the keyboard's scale.
    const double s = massstab(this);
    const int kante = std::max(1, int(std::lround(Kante * s)));
    const QColor hell(0xFF, 0xFF, 0xFF), halbhell(0xDF, 0xDF, 0xDF), dunkel(0x40, 0x40, 0x40),
        halbdunkel(0x80, 0x80, 0x80);
    for (int k = 0; k < kante; ++k) {
        const QRect r = flaeche.adjusted(k, k, -k, -k);
        const bool aussen = k < (kante + 1) / 2;
        const QColor& oben = gedrueckt_ ? (aussen ? dunkel : halbdunkel) : (aussen ? hell : halbhell);
        const QColor& unten = gedrueckt_ ? (aussen ? hell : halbhell) : (aussen ? dunkel : halbdunkel);
        maler.setPen(oben);
        maler.drawLine(r.topLeft(), r.topRight());
        maler.drawLine(r.topLeft(), r.bottomLeft());
        maler.setPen(unten);
        maler.drawLine(r.bottomLeft(), r.bottomRight());
        maler.drawLine(r.topRight(), r.bottomRight());
    }

    const QRect innen = flaeche.adjusted(kante, kante, -kante, -kante);
    const QRect schriftflaeche = gedrueckt_ ? innen.translated(1, 1) : innen;
    maler.setFont(font());
    umrandetMalen(maler, schriftflaeche, Qt::AlignCenter | Qt::TextSingleLine, beschriftung_,
                  alsQColor(schrift_), alsQColor(flaeche_));

    if (gedrueckt_) {
        const QRect marke(int(std::lround(marke_.x() * s)), int(std::lround(marke_.y() * s)),
                          std::max(1, int(std::lround(marke_.width() * s))),
                          std::max(1, int(std::lround(marke_.height() * s))));
        maler.fillRect(marke.intersected(innen), alsQColor(schrift_));
    }
}

TastaturWidget::TastaturWidget(int bildschirmbreite, QWidget* parent)
    : QWidget(parent), bildschirmbreite_(bildschirmbreite) {
    setFont(QFont(QStringLiteral("Times New Roman")));
    // Its own name: without one a screen reader would give it its group's title a second time.
    setAccessibleName(QStringLiteral("Bildschirmtastatur"));
    for (int i = 0; i < TastenAnzahl; ++i) {
        auto* feld = new TastenFeld(this);
        tasten_[static_cast<std::size_t>(i)] = feld;
        const QString b = text(Tastentabelle::entwurfsbeschriftung(i));
        feld->setBeschriftung(b);
        feld->setAccessibleName(zugaenglicherName(i, b));
        feld->setToolTip(text(Tastentabelle::hinweis(i, Tastaturlayout::Deutsch)));
        feld->setFarben(Silber, schriftfarbeFuer(Silber));
        massAnwenden(feld, entwurfsmass(i, bildschirmbreite_));
    }
}

void TastaturWidget::layoutAnwenden(Tastaturlayout layout) {
    layout_ = layout;
    setToolTip(text(Tastentabelle::tastaturhinweis(layout)));
    for (int i = 0; i < TastenAnzahl; ++i) {
        TastenFeld* feld = tasten_[static_cast<std::size_t>(i)];
        const QString b = text(Tastentabelle::beschriftung(i, layout));
        feld->setBeschriftung(b);
        feld->setAccessibleName(zugaenglicherName(i, b));
        feld->setToolTip(text(Tastentabelle::hinweis(i, layout)));
        massAnwenden(feld, tastenmass(i, layout, bildschirmbreite_));
    }
    updateGeometry();
}

void TastaturWidget::einfaerben(int tastaturlektion, const std::array<Farbe, FarbgruppenAnzahl>& farben) {
    for (int i = 0; i < TastenAnzahl; ++i) {
        const auto gruppe = static_cast<std::size_t>(Tastentabelle::farbgruppe(i)) - 1;
        Farbe f = tastaturlektion >= Tastentabelle::ersteLektion(i, layout_) ? farben[gruppe] : Silber;
        if (heatmap_) {
            const std::optional<double>& quote = (*heatmap_)[static_cast<std::size_t>(i)];
            f = quote ? heatmapFarbe(*quote) : Silber;
        }
        tasten_[static_cast<std::size_t>(i)]->setFarben(f, schriftfarbeFuer(f));
    }
}

void TastaturWidget::heatmapSetzen(std::vector<std::optional<double>> quoten) {
    quoten.resize(TastenAnzahl);
    heatmap_ = std::move(quoten);
}

void TastaturWidget::heatmapAus() {
    heatmap_.reset();
}

Farbe TastaturWidget::schriftfarbeFuer(Farbe flaeche) const {
    return flaeche != Schwarz && tastaturschriftfarbe_ != 1 ? Schwarz : Weiss;
}

void TastaturWidget::setSchriftfarbe(int tastaturschriftfarbe) {
    tastaturschriftfarbe_ = tastaturschriftfarbe;
    for (TastenFeld* feld : tasten_) {
        feld->setFarben(feld->flaechenfarbe(), schriftfarbeFuer(feld->flaechenfarbe()));
    }
}

void TastaturWidget::tastaturaktiviert(Zeichen gefordert) {
    for (int i = 0; i < TastenAnzahl; ++i) {
        TastenFeld* feld = tasten_[static_cast<std::size_t>(i)];
        feld->setGedrueckt(!feld->isHidden() && Tastentabelle::traegtZeichen(i, layout_, gefordert));
    }
}

TastenFeld* TastaturWidget::taste(int reihe, int position) const {
    const int i = Tastentabelle::index(reihe, position);
    return i < 0 ? nullptr : tasten_[static_cast<std::size_t>(i)];
}

int TastaturWidget::malzaehler() const {
    int summe = 0;
    for (const TastenFeld* feld : tasten_) {
        summe += feld->malzaehler();
    }
    return summe;
}

QSize TastaturWidget::sizeHint() const {
    QRect alle;
    for (const TastenFeld* feld : tasten_) {
        if (!feld->isHidden()) {
            alle |= entwurf(feld);
        }
    }
    // As much room right of the keys and below them as there is left of them and above.
    return QSize(alle.right() + 1 + alle.left(), alle.bottom() + 1 + alle.top());
}

} // namespace tastwerk::ui
