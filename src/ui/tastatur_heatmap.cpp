#include "ui/tastatur_heatmap.h"

#include "session/sitzung.h"
#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/lernverlauf_fenster.h"
#include "ui/tastatur_widget.h"
#include "verlauf/auswertung.h"
#include "verlauf/lernverlauf.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tastwerk::ui {

namespace {

// A small square in a colour, then its text: a plain label painted in two colours. Rich text would do
// the same at the price of Qt's HTML and CSS machinery, built for four labels at every start.
class Legendeneintrag : public QLabel {
public:
    Legendeneintrag(QWidget* eltern, Farbe farbe, const QString& text)
        : QLabel(QStringLiteral("\u25A0\u00A0") + text, eltern), farbe_(alsQColor(farbe)) {
        setTextFormat(Qt::PlainText);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        const QRect r = contentsRect();
        const QString quadrat = text().left(1);
        const int ausrichtung = int(alignment()) | Qt::TextSingleLine;
        maler.setPen(farbe_);
        maler.drawText(r, ausrichtung, quadrat);
        maler.setPen(palette().color(QPalette::WindowText));
        maler.drawText(r.adjusted(fontMetrics().horizontalAdvance(quadrat), 0, 0, 0), ausrichtung,
                       text().mid(1));
    }

private:
    QColor farbe_;
};

} // namespace

TastaturHeatmap::TastaturHeatmap(QWidget* leinwand, TastaturWidget* tastatur, Sitzung& sitzung,
                                 std::function<Lernverlauf&()> verlauf)
    : QObject(leinwand), tastatur_(tastatur), sitzung_(sitzung), verlauf_(std::move(verlauf)) {
    leiste_ = new QFrame(leinwand);
    leiste_->setAccessibleName(QStringLiteral("Fehlerquote je Taste"));
    schalter_ = new QCheckBox(QStringLiteral("Fehlerquote je Taste &zeigen"), leiste_);
    schalter_->setToolTip(QStringLiteral("Färbt jede Taste nach Ihrer Fehlerquote auf ihren Zeichen, "
                                         "aus allen aufgezeichneten Übungen"));
    auto* oben = new QHBoxLayout;
    oben->setContentsMargins(0, 0, 0, 0);
    oben->setSpacing(16);
    oben->addWidget(schalter_);
    oben->addStretch(1);
    for (auto [quote, text] : {std::pair{0.0, QStringLiteral("0 %")}, std::pair{5.0, QStringLiteral("5 %")},
                               std::pair{10.0, QStringLiteral("10 % und mehr")}}) {
        oben->addWidget(new Legendeneintrag(leiste_, heatmapFarbe(quote), text));
    }
    oben->addWidget(new Legendeneintrag(leiste_, 0x00C0C0C0, QStringLiteral("nicht geübt")));
    schwaechen_ = new QLabel(leiste_);
    auto* spalte = new QVBoxLayout(leiste_);
    spalte->setContentsMargins(4, 0, 4, 0);
    spalte->setSpacing(0);
    spalte->addLayout(oben);
    spalte->addWidget(schwaechen_);
    schwaechen_->hide();
    leiste_->hide();
    connect(schalter_, &QCheckBox::toggled, this, &TastaturHeatmap::umschalten);
}

void TastaturHeatmap::takt(bool tastaturbildschirm) {
    if (leiste_->isVisible() == tastaturbildschirm) {
        return;
    }
    if (!tastaturbildschirm) {
        schalter_->setChecked(false);
    }
    leiste_->setVisible(tastaturbildschirm);
    if (tastaturbildschirm) {
        leiste_->raise();
    }
}

void TastaturHeatmap::umschalten(bool an) {
    if (!an) {
        tastatur_->heatmapAus();
        schwaechen_->hide();
    } else {
        Lernverlauf& verlauf = verlauf_();
        const auto summen = verlauf.zeichensummen(sitzung_.name);
        tastatur_->heatmapSetzen(tastenquoten(summen, sitzung_.tastaturlayout));
        schwaechen_->setText(schwaechenText(summen));
        schwaechen_->show();
    }
    tastatur_->einfaerben(sitzung_.tastaturlektion, sitzung_.farben);
}

} // namespace tastwerk::ui
