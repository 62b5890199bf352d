#include "ui/statistik_seite.h"
#include "ui/zugaenglichkeit.h"

#include "ui/farben.h"
#include "ui/umrissschrift.h"

#include <QPainter>

namespace tastwerk::ui {

namespace {

// The small picture at the lower right of the panel: a bar chart.
class Statistikbild : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect().adjusted(2, 2, -2, -2);
        const QColor farben[] = {QColor(0xFF, 0, 0), QColor(0xFF, 0xFF, 0), QColor(0x80, 0x80, 0),
                                 QColor(0, 0, 0xFF)};
        const double hoehen[] = {0.35, 0.8, 0.55, 0.25};
        const double breite = r.width() / 4.0;
        for (int k = 0; k < 4; ++k) {
            const double h = r.height() * hoehen[k];
            p.setPen(Qt::black);
            p.setBrush(farben[k]);
            p.drawRect(QRectF(r.left() + k * breite + 1, r.bottom() - h, breite - 2, h));
        }
    }
};

} // namespace

StatistikSeite::StatistikSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m)
    : QObject(rahmen), rahmen_(rahmen), sitzung_(sitzung) {
    rahmen->setToolTip(QStringLiteral("Wieviele Fehler machen Sie mit welchem Finger?"));
    rahmen->setAutoFillBackground(true);
    rahmen->resize(rahmen->width(), m.s(236));
    auto* links = new QLabel(QStringLiteral("linke Hand:"), rahmen);
    links->setGeometry(m.r(12, 18, 200, 18));
    auto* rechts = new QLabel(QStringLiteral("rechte Hand:"), rahmen);
    rechts->setGeometry(m.r(400, 18, 200, 18));
    QFont fett = links->font();
    fett.setBold(true);
    links->setFont(fett);
    rechts->setFont(fett);

    for (int k = 0; k < FingergruppenAnzahl; ++k) {
        const auto f = static_cast<Fingergruppe>(k + 1);
        const bool l = linkeSpalte(f);
        // Left column: rows 1-4 and the thumb below; right column: rows 1-4.
        const int reihe = l ? k : k - 5;
        const double x = l ? 12 : 400;
        const double y = 38 + reihe * 38;
        zeilen_[k] = new Farbtext(QString::fromStdString(fingername(f)), rahmen);
        zeilen_[k]->setGeometry(m.r(x, y, 370, 16));
        zeilen_[k]->setFont(fett);
        auto* null = new QLabel(k == 4 ? QStringLiteral("0%") : QStringLiteral("0 %"), rahmen);
        null->setGeometry(m.r(x, y + 17, 30, 14));
        balken_[k] = new Anteilsbalken(rahmen);
        balken_[k]->setTextVisible(false);
        balken_[k]->setRange(0, k == 4 ? 100 : 25);
        balken_[k]->setGeometry(m.r(x + 30, y + 17, 270, 14));
        balken_[k]->setAccessibleName(QStringLiteral("Fehleranteil %1: 0 %").arg(fingerbezeichnung(f)));
        skalen_[k] = new QLabel(QStringLiteral("25 %"), rahmen);
        skalen_[k]->setGeometry(m.r(x + 304, y + 17, 50, 14));
    }
    auto* bild = new Statistikbild(rahmen);
    bild->setGeometry(m.r(720, 180, 48, 40));

    popup_ = new QMenu(rahmen);
    skalierungsMenue_ = popup_->addMenu(QStringLiteral("Skalierung"));
    for (int skala : Statistikskalen) {
        QAction* a = skalierungsMenue_->addAction(QString::fromStdString(skalenmenuetext(skala)));
        connect(a, &QAction::triggered, this, [this, skala] {
            sitzung_.statistikskala = static_cast<std::uint8_t>(skala);
            skalierung();
        });
    }
    rahmen->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rahmen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(rahmen_->mapToGlobal(p)); });
}

void StatistikSeite::skalierung() {
    const int skala =
        istStatistikskala(sitzung_.statistikskala) ? sitzung_.statistikskala : StandardStatistikskala;
    for (int k = 0; k < FingergruppenAnzahl; ++k) {
        skalen_[k]->setText(QString::fromStdString(skalenbeschriftung(skala)));
        balken_[k]->setRange(0, skala);
    }
    if (gezeichnet_) {
        neuZeichnen();
    }
}

void StatistikSeite::fehlerstatistik(int lektion, const Fingerfehlerquoten& quoten,
                                     const Fingerzahlen& anschlaege, const Fingerzahlen& fehler) {
    const Fehlerstatistikanzeige a = tastwerk::fehlerstatistik(lektion, quoten, anschlaege, fehler);
    rahmen_->setTitle(QString::fromStdString(a.titel));
    for (int k = 0; k < FingergruppenAnzahl; ++k) {
        textMelden(zeilen_[k], QString::fromStdString(a.zeilen[k].text));
        QPalette p = zeilen_[k]->palette();
        p.setColor(QPalette::WindowText, alsQColor(sitzung_.farben[int(a.zeilen[k].farbe) - 1]));
        zeilen_[k]->setPalette(p);
    }
    quoten_ = quoten;
    lektion_ = lektion;
    gezeichnet_ = true;
    neuZeichnen();
}

void StatistikSeite::neuZeichnen() {
    for (int k = 0; k < FingergruppenAnzahl; ++k) {
        // The bar stops at its scale; a screen reader hears the whole rate, named by hand and finger.
        balken_[k]->setAnteil(quoten_[k]);
        nameMelden(balken_[k], QStringLiteral("Fehleranteil %1: %2 %")
                                   .arg(fingerbezeichnung(static_cast<Fingergruppe>(k + 1)))
                                   .arg(balkenposition(quoten_[k])));
        const int wert = balkenwert(quoten_[k], balken_[k]->maximum());
        if (balken_[k]->value() != wert) {
            balken_[k]->setValue(wert);
        }
    }
}

} // namespace tastwerk::ui
