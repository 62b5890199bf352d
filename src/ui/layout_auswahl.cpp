#include "ui/layout_auswahl.h"
#include "ui/zugaenglichkeit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include <functional>

namespace tastwerk::ui {

namespace {

// A small flag of the layout's country. A click on it calls `beimKlick`.
class Flagge : public QWidget {
public:
    Flagge(Tastaturlayout layout, std::function<void()> beimKlick, QWidget* parent)
        : QWidget(parent), layout_(layout), beimKlick_(std::move(beimKlick)) {
        const int hoehe = fontMetrics().height();
        setFixedSize(hoehe * 3 / 2, hoehe);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        switch (layout_) {
        case Tastaturlayout::Deutsch:
            deutschland(maler, r);
            break;
        case Tastaturlayout::Schweiz:
            schweiz(maler, r);
            break;
        case Tastaturlayout::USA:
            usa(maler, r);
            break;
        }
        maler.setPen(QColor(0x40, 0x40, 0x40));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(r);
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            beimKlick_();
        }
    }

private:
    static void deutschland(QPainter& maler, const QRect& r) {
        const int streifen = r.height() / 3;
        maler.fillRect(r, QColor(0xFF, 0xCE, 0x00));
        maler.fillRect(QRect(r.left(), r.top(), r.width(), streifen), Qt::black);
        maler.fillRect(QRect(r.left(), r.top() + streifen, r.width(), streifen), QColor(0xDD, 0x00, 0x00));
    }

    static void schweiz(QPainter& maler, const QRect& r) {
        maler.fillRect(r, QColor(0xDA, 0x29, 0x1C));
        const int arm = std::max(2, r.height() * 3 / 5);
        const int dicke = std::max(1, r.height() / 5);
        const QPoint mitte = r.center();
        maler.fillRect(QRect(mitte.x() - arm / 2, mitte.y() - dicke / 2, arm, dicke), Qt::white);
        maler.fillRect(QRect(mitte.x() - dicke / 2, mitte.y() - arm / 2, dicke, arm), Qt::white);
    }

    static void usa(QPainter& maler, const QRect& r) {
        constexpr int Streifen = 13;
        maler.fillRect(r, Qt::white);
        for (int s = 0; s < Streifen; s += 2) {
            const int oben = r.top() + r.height() * s / Streifen;
            const int unten = r.top() + r.height() * (s + 1) / Streifen;
            maler.fillRect(QRect(r.left(), oben, r.width(), std::max(1, unten - oben)),
                           QColor(0xB2, 0x22, 0x34));
        }
        const QRect feld(r.left(), r.top(), r.width() * 2 / 5, r.height() * 7 / Streifen);
        maler.fillRect(feld, QColor(0x3C, 0x3B, 0x6E));
        // A few white points for the stars.
        for (int y = 1; y <= 2; ++y) {
            for (int x = 1; x <= 3; ++x) {
                maler.fillRect(
                    QRect(feld.left() + feld.width() * x / 4, feld.top() + feld.height() * y / 3, 1, 1),
                    Qt::white);
            }
        }
    }

    Tastaturlayout layout_;
    std::function<void()> beimKlick_;
};

constexpr std::array<Tastaturlayout, LayoutAnzahl> Layouts = {Tastaturlayout::Deutsch,
                                                              Tastaturlayout::Schweiz, Tastaturlayout::USA};

std::size_t platzVon(Tastaturlayout layout) {
    return static_cast<std::size_t>(layout);
}

} // namespace

LayoutAuswahl::LayoutAuswahl(QWidget* parent) : QGroupBox(QStringLiteral("Tastaturlayout"), parent) {
    auto* raster = new QGridLayout(this);
    auto* gruppe = new QButtonGroup(this);
    const std::array<QString, LayoutAnzahl> namen = {QStringLiteral("Deutsch"), QStringLiteral("Schweiz"),
                                                     QStringLiteral("USA")};
    for (Tastaturlayout layout : Layouts) {
        const std::size_t i = platzVon(layout);
        auto* knopf = new QRadioButton(namen[i], this);
        gruppe->addButton(knopf);
        connect(knopf, &QRadioButton::clicked, this, [this, layout] { emit layoutGewaehlt(layout); });
        auto* flagge = new Flagge(
            layout, [knopf] { knopf->click(); }, this);
        alsBildZeigen(flagge, QStringLiteral("Flagge ") + namen[i]);
        raster->addWidget(flagge, static_cast<int>(i), 0);
        raster->addWidget(knopf, static_cast<int>(i), 1);
        knoepfe_[i] = knopf;
        bilder_[i] = flagge;
    }
    raster->setColumnStretch(1, 1);
}

void LayoutAuswahl::setLayout(Tastaturlayout layout) {
    knoepfe_[platzVon(layout)]->setChecked(true);
}

QRadioButton* LayoutAuswahl::knopf(Tastaturlayout layout) const {
    return knoepfe_[platzVon(layout)];
}

QWidget* LayoutAuswahl::bild(Tastaturlayout layout) const {
    return bilder_[platzVon(layout)];
}

} // namespace tastwerk::ui
