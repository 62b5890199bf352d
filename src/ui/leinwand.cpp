#include "ui/leinwand.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLayout>
#include <QResizeEvent>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tastwerk::ui {

namespace {

// What the canvas keeps on each widget, layout and table: the design values.
constexpr const char* Ort = "tastwerk_entwurf";
constexpr const char* Punkte = "tastwerk_entwurfPunkte";
constexpr const char* Pixel = "tastwerk_entwurfPixel";
constexpr const char* Mindestens = "tastwerk_entwurfMin";
constexpr const char* Hoechstens = "tastwerk_entwurfMax";
constexpr const char* Raender = "tastwerk_entwurfRaender";
constexpr const char* Abstaende = "tastwerk_entwurfAbstaende";
constexpr const char* Spalten = "tastwerk_entwurfSpalten";
constexpr const char* Zeilen = "tastwerk_entwurfZeilen";
constexpr const char* Zeilenhoehe = "tastwerk_entwurfZeilenhoehe";
constexpr const char* Kopfhoehe = "tastwerk_entwurfKopfhoehe";
constexpr const char* Bildgroesse = "tastwerk_entwurfBildgroesse";
constexpr const char* Erfasst = "tastwerk_erfasst";

int runden(double wert) {
    return int(std::lround(wert));
}

int skaliertLaenge(double entwurf, double s) {
    return entwurf <= 0 ? int(entwurf) : std::max(1, runden(entwurf * s));
}

bool imLayout(const QLayout* layout, const QWidget* w) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* eintrag = layout->itemAt(i);
        if (eintrag->widget() == w) {
            return true;
        }
        if (QLayout* innen = eintrag->layout(); innen && imLayout(innen, w)) {
            return true;
        }
    }
    return false;
}

// Widgets that their parent places itself: the parts of scroll areas and Qt's own inner widgets.
bool innenteil(const QWidget* w) {
    const QWidget* eltern = w->parentWidget();
    return w->objectName().startsWith(QLatin1String("qt_")) ||
           qobject_cast<const QAbstractScrollArea*>(eltern);
}

// The design origin of a widget relative to the canvas, when every widget on the way has a design place.
std::optional<QPoint> entwurfsursprung(const QWidget* w) {
    QPoint ursprung;
    for (const QWidget* v = w; v && !qobject_cast<const Leinwand*>(v); v = v->parentWidget()) {
        const QVariant ort = v->property(Ort);
        if (!ort.isValid()) {
            return std::nullopt;
        }
        ursprung += ort.toRect().topLeft();
    }
    return ursprung;
}

// The pixel place of a design rectangle. Edges are rounded on the canvas, so that a child that ends
// where its parent ends in design units does so in pixels too.
QRect pixelort(const QWidget* w, const QRect& e, double s) {
    const QWidget* eltern = w->parentWidget();
    const std::optional<QPoint> basis = eltern ? entwurfsursprung(eltern) : std::optional<QPoint>(QPoint());
    if (!basis) {
        return QRect(runden(e.x() * s), runden(e.y() * s), skaliertLaenge(e.width(), s),
                     skaliertLaenge(e.height(), s));
    }
    const double x0 = basis->x() + e.x(), y0 = basis->y() + e.y();
    const int links = runden(x0 * s) - runden(basis->x() * s);
    const int oben = runden(y0 * s) - runden(basis->y() * s);
    const int rechts = runden((x0 + e.width()) * s) - runden(basis->x() * s);
    const int unten = runden((y0 + e.height()) * s) - runden(basis->y() * s);
    return QRect(links, oben, std::max(e.width() > 0 ? 1 : 0, rechts - links),
                 std::max(e.height() > 0 ? 1 : 0, unten - oben));
}

QSize skaliertGroesse(const QSize& entwurf, double s, int grenze) {
    auto eins = [&](int v) { return v >= grenze ? v : skaliertLaenge(v, s); };
    return QSize(eins(entwurf.width()), eins(entwurf.height()));
}

void schriftAnwenden(QWidget* w, double s) {
    const QVariant punkte = w->property(Punkte);
    const QVariant pixel = w->property(Pixel);
    if (!punkte.isValid() && !pixel.isValid()) {
        return;
    }
    QFont f = w->font();
    if (punkte.isValid()) {
        f.setPointSizeF(std::max(1.0, punkte.toDouble() * s));
    } else {
        f.setPixelSize(std::max(1, runden(pixel.toInt() * s)));
    }
    if (f != w->font()) {
        w->setFont(f);
    }
}

QVariant alsListe(const QList<int>& werte) {
    return QVariant::fromValue(werte);
}

void tabelleErfassen(QTableView* t) {
    QList<int> spalten, zeilen;
    for (int k = 0; k < t->horizontalHeader()->count(); ++k) {
        spalten << t->columnWidth(k);
    }
    for (int k = 0; k < t->verticalHeader()->count(); ++k) {
        zeilen << t->rowHeight(k);
    }
    t->setProperty(Spalten, alsListe(spalten));
    t->setProperty(Zeilen, alsListe(zeilen));
    t->setProperty(Zeilenhoehe, t->verticalHeader()->defaultSectionSize());
    const QHeaderView* kopf = t->horizontalHeader();
    if (kopf->minimumHeight() == kopf->maximumHeight()) {
        t->setProperty(Kopfhoehe, kopf->maximumHeight());
    }
}

void tabelleAnwenden(QTableView* t, double s) {
    const QList<int> spalten = t->property(Spalten).value<QList<int>>();
    for (int k = 0; k < spalten.size() && k < t->horizontalHeader()->count(); ++k) {
        t->setColumnWidth(k, skaliertLaenge(spalten[k], s));
    }
    const int standard = skaliertLaenge(t->property(Zeilenhoehe).toInt(), s);
    t->verticalHeader()->setDefaultSectionSize(standard);
    const QList<int> zeilen = t->property(Zeilen).value<QList<int>>();
    for (int k = 0; k < t->verticalHeader()->count(); ++k) {
        t->setRowHeight(k, k < zeilen.size() ? skaliertLaenge(zeilen[k], s) : standard);
    }
    if (const QVariant kopf = t->property(Kopfhoehe); kopf.isValid()) {
        t->horizontalHeader()->setFixedHeight(skaliertLaenge(kopf.toInt(), s));
    }
    // Qt gives table heads a font of their own, which does not follow the table's: the heads are written
    // in the table's font, at its scale.
    t->horizontalHeader()->setFont(t->font());
}

void layoutErfassen(QLayout* l) {
    l->setProperty(Raender, QVariant::fromValue(l->contentsMargins()));
    if (auto* g = qobject_cast<QGridLayout*>(l)) {
        l->setProperty(Abstaende, QPoint(g->horizontalSpacing(), g->verticalSpacing()));
    } else {
        l->setProperty(Abstaende, QPoint(l->spacing(), l->spacing()));
    }
}

void layoutAnwenden(QLayout* l, double s) {
    const QMargins r = l->property(Raender).value<QMargins>();
    l->setContentsMargins(runden(r.left() * s), runden(r.top() * s), runden(r.right() * s),
                          runden(r.bottom() * s));
    const QPoint a = l->property(Abstaende).toPoint();
    if (auto* g = qobject_cast<QGridLayout*>(l)) {
        g->setHorizontalSpacing(a.x() < 0 ? a.x() : runden(a.x() * s));
        g->setVerticalSpacing(a.y() < 0 ? a.y() : runden(a.y() * s));
    } else if (a.x() >= 0) {
        l->setSpacing(runden(a.x() * s));
    }
}

} // namespace

Leinwand::Leinwand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("leinwand"));
    resize(Breite, Hoehe);
}

Leinwand* Leinwand::von(const QWidget* w) {
    for (const QWidget* v = w; v; v = v->parentWidget()) {
        if (auto* l = qobject_cast<const Leinwand*>(v)) {
            return const_cast<Leinwand*>(l);
        }
        if (v->isWindow()) {
            break;
        }
    }
    return nullptr;
}

void Leinwand::erfassen() {
    for (QWidget* w : findChildren<QWidget*>()) {
        widgetErfassen(w);
    }
    for (QLayout* l : findChildren<QLayout*>()) {
        layoutErfassen(l);
    }
    erfasst_ = true;
}

void Leinwand::widgetErfassen(QWidget* w) {
    if (w->isWindow() || innenteil(w) || w->property(Erfasst).isValid()) {
        return;
    }
    w->setProperty(Erfasst, true);
    QWidget* eltern = w->parentWidget();
    const bool vomLayout = eltern && eltern->layout() && imLayout(eltern->layout(), w);
    if (!vomLayout && !w->property(Ort).isValid()) {
        w->setProperty(Ort, w->geometry());
    }
    if (w->testAttribute(Qt::WA_SetFont) && !w->property(Punkte).isValid() && !w->property(Pixel).isValid()) {
        const QFont f = w->font();
        if (f.resolveMask() & QFont::SizeResolved) {
            w->setProperty(f.pixelSize() > 0 ? Pixel : Punkte,
                           f.pixelSize() > 0 ? QVariant(f.pixelSize()) : QVariant(f.pointSizeF()));
        }
    }
    if (w->minimumSize() != QSize(0, 0)) {
        w->setProperty(Mindestens, w->minimumSize());
    }
    if (w->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) {
        w->setProperty(Hoechstens, w->maximumSize());
    }
    if (auto* t = qobject_cast<QTableView*>(w)) {
        tabelleErfassen(t);
    }
    if (auto* k = qobject_cast<QAbstractButton*>(w); k && !k->icon().isNull()) {
        w->setProperty(Bildgroesse, k->iconSize());
    }
}

void Leinwand::neuesErfassen(QWidget* teil, QList<QWidget*>& neu, QList<QLayout*>& layouts) {
    // What is built inside `teil` after the design was taken: the inner widgets and layouts, never `teil`
    // itself, whose design is known already.
    for (QWidget* w : teil->findChildren<QWidget*>()) {
        if (!w->property(Erfasst).isValid()) {
            neu << w;
            widgetErfassen(w);
        }
    }
    for (QLayout* l : teil->findChildren<QLayout*>()) {
        if (!l->property(Raender).isValid()) {
            layouts << l;
            layoutErfassen(l);
        }
    }
}

void Leinwand::neuesAnwenden(const QList<QWidget*>& neu, const QList<QLayout*>& layouts) const {
    if (!angewandt_) {
        return;
    }
    for (QWidget* w : neu) {
        anwenden(w, massstab_);
    }
    for (QLayout* l : layouts) {
        layoutAnwenden(l, massstab_);
    }
}

void Leinwand::einbauen(const QList<QWidget*>& teile, const std::function<void()>& bauen) {
    if (!erfasst_) {
        bauen();
        return;
    }
    struct Platz {
        QWidget* teil;
        QWidget* eltern;
        QWidget* darueber; // the sibling just above it, or none when it is on top
        bool verborgen;
    };
    QList<Platz> plaetze;
    for (QWidget* teil : teile) {
        QWidget* eltern = teil->parentWidget();
        const QObjectList& geschwister = eltern->children();
        QWidget* darueber = nullptr;
        for (qsizetype k = geschwister.indexOf(teil) + 1; k < geschwister.size() && !darueber; ++k) {
            auto* w = qobject_cast<QWidget*>(geschwister[k]);
            darueber = w && !w->isWindow() ? w : nullptr;
        }
        plaetze << Platz{teil, eltern, darueber, teil->isHidden()};
        // Off the canvas the group has its design place and the fonts that no widget sets itself are
        // the application's, as when the screens were first built.
        teil->setParent(nullptr);
        anwenden(teil, 1);
    }
    bauen();
    // The design of what has been built is taken off the canvas, where it is the design.
    QList<QWidget*> neu;
    QList<QLayout*> layouts;
    for (const Platz& p : plaetze) {
        neuesErfassen(p.teil, neu, layouts);
    }
    for (const Platz& p : plaetze) {
        const QRect ort = p.teil->geometry();
        p.teil->setParent(p.eltern);
        if (p.darueber) {
            p.teil->stackUnder(p.darueber);
        }
        // The group itself as it has been built: its place, fonts and sizes are taken anew.
        p.teil->setGeometry(ort);
        p.teil->setProperty(Erfasst, QVariant());
        p.teil->setProperty(Ort, QVariant());
        widgetErfassen(p.teil);
        if (angewandt_) {
            anwenden(p.teil, massstab_);
        }
        if (!p.verborgen) {
            p.teil->show();
        }
    }
    neuesAnwenden(neu, layouts);
}

void Leinwand::anwenden(QWidget* w, double s) const {
    if (const QVariant m = w->property(Mindestens); m.isValid()) {
        w->setMinimumSize(skaliertGroesse(m.toSize(), s, QWIDGETSIZE_MAX));
    }
    if (const QVariant m = w->property(Hoechstens); m.isValid()) {
        w->setMaximumSize(skaliertGroesse(m.toSize(), s, QWIDGETSIZE_MAX));
    }
    if (const QVariant ort = w->property(Ort); ort.isValid()) {
        w->setGeometry(pixelort(w, ort.toRect(), s));
    }
    schriftAnwenden(w, s);
    if (const QVariant b = w->property(Bildgroesse); b.isValid()) {
        static_cast<QAbstractButton*>(w)->setIconSize(skaliertGroesse(b.toSize(), s, QWIDGETSIZE_MAX));
    }
    if (auto* t = qobject_cast<QTableView*>(w); t && t->property(Spalten).isValid()) {
        tabelleAnwenden(t, s);
    }
}

void Leinwand::massstabSetzen(double s) {
    if (!erfasst_) {
        return;
    }
    const bool gleich = std::abs(s - massstab_) < 1e-9;
    massstab_ = s;
    resize(runden(Breite * s), runden(Hoehe * s));
    if (gleich && angewandt_) {
        return;
    }
    angewandt_ = true;
    // The fonts that no widget sets itself follow the canvas.
    QFont grund = QApplication::font();
    grund.setPointSizeF(grund.pointSizeF() * s);
    setFont(grund);
    // Parents before children: findChildren lists them in that order.
    for (QWidget* w : findChildren<QWidget*>()) {
        anwenden(w, massstab_);
    }
    for (QLayout* l : findChildren<QLayout*>()) {
        if (l->property(Raender).isValid()) {
            layoutAnwenden(l, s);
        }
    }
    emit massstabGeaendert(s);
}

double massstab(const QWidget* w) {
    const Leinwand* l = Leinwand::von(w);
    return l ? l->massstab() : 1.0;
}

void platzieren(QWidget* w, const QRect& e) {
    w->setProperty(Ort, e);
    w->setGeometry(pixelort(w, e, massstab(w)));
}

QRect entwurf(const QWidget* w) {
    const QVariant ort = w->property(Ort);
    return ort.isValid() ? ort.toRect() : w->geometry();
}

void obenSetzen(QWidget* w, int oben) {
    QRect e = entwurf(w);
    e.moveTop(oben);
    platzieren(w, e);
}

void hoeheSetzen(QWidget* w, int hoehe) {
    QRect e = entwurf(w);
    e.setHeight(hoehe);
    platzieren(w, e);
}

void schriftSetzen(QWidget* w, const QFont& e) {
    if (e.pixelSize() > 0) {
        w->setProperty(Pixel, e.pixelSize());
        w->setProperty(Punkte, QVariant());
    } else {
        w->setProperty(Punkte, e.pointSizeF());
        w->setProperty(Pixel, QVariant());
    }
    w->setFont(e);
    schriftAnwenden(w, massstab(w));
}

void bildSetzen(QAbstractButton* k, const QIcon& bild) {
    if (!k->property(Bildgroesse).isValid()) {
        k->setProperty(Bildgroesse, k->iconSize());
    }
    k->setIcon(bild);
    k->setIconSize(skaliertGroesse(k->property(Bildgroesse).toSize(), massstab(k), QWIDGETSIZE_MAX));
}

Buehne::Buehne(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("buehne"));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    leinwand_ = new Leinwand;
    setWidget(leinwand_);
    setWidgetResizable(false);
    // The client area is no control of its own: Tab goes from control to control, and the area scrolls
    // to the one that takes the focus.
    setFocusPolicy(Qt::NoFocus);
}

void Buehne::anordnen() {
    const QSize platz = maximumViewportSize();
    const double s = std::max(KleinsterMassstab, std::min(platz.width() / double(Leinwand::Breite),
                                                          platz.height() / double(Leinwand::Hoehe)));
    leinwand_->massstabSetzen(s);
}

void Buehne::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    anordnen();
}

} // namespace tastwerk::ui
