#include "ui/buchstaben_seite.h"

#include "ui/aktionsknopf.h"
#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/umrissschrift.h"
#include "ui/zugaenglichkeit.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace tastwerk::ui {

const std::array<Hintergrundwahl, 7> Hintergrundfarben = {{
    {"blau", 0x00FF0000},
    {"gelb", 0x0000FFFF},
    {"rot", 0x000000FF},
    {"grau", 0x00808080},
    {"silber", 0x00C0C0C0},
    {"schwarz", 0x00000000},
    {"weiß", 0x00FFFFFF},
}};

void Buchstabenfeld::contextMenuEvent(QContextMenuEvent* e) {
    emit kontextmenueVerlangt(e->globalPos());
}

void Buchstabenfeld::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    drawFrame(&maler);
    const QString zeichen = text();
    if (zeichen.isEmpty()) {
        return;
    }
    const QRectF platz = QRectF(contentsRect()).adjusted(2, 2, -2, -2);
    QFont schrift = font();
    QFontMetricsF fm(schrift);
    QRectF tinte = fm.tightBoundingRect(zeichen);
    const double faktor = std::min({1.0, platz.width() / std::max(1.0, fm.horizontalAdvance(zeichen)),
                                    platz.width() / std::max(1.0, tinte.width()),
                                    platz.height() / std::max(1.0, tinte.height())});
    if (faktor < 1) {
        schrift.setPointSizeF(std::max(1.0, schrift.pointSizeF() * faktor));
        fm = QFontMetricsF(schrift);
        tinte = fm.tightBoundingRect(zeichen);
    }
    const double x = platz.center().x() - fm.horizontalAdvance(zeichen) / 2;
    double grundlinie = platz.center().y() - (fm.ascent() + fm.descent()) / 2 + fm.ascent();
    if (grundlinie + tinte.bottom() > platz.bottom()) {
        grundlinie = platz.bottom() - tinte.bottom();
    }
    if (grundlinie + tinte.top() < platz.top()) {
        grundlinie = platz.top() - tinte.top();
    }
    maler.setFont(schrift);
    umrandetMalen(maler, QPointF(x, grundlinie), zeichen, palette().color(QPalette::WindowText),
                  palette().color(QPalette::Window));
}

BuchstabenSeite::BuchstabenSeite(QGroupBox* rahmen, const Masse& m, const Uebungsaktionen& a)
    : QObject(rahmen), rahmen_(rahmen) {
    feld_ = new Buchstabenfeld(rahmen);
    feld_->setGeometry(m.r(12, 20, 330, 172));
    feld_->setAlignment(Qt::AlignCenter);
    feld_->setAutoFillBackground(true);
    feld_->setFrameShape(QFrame::Panel);
    feld_->setFrameShadow(QFrame::Sunken);
    feld_->setTextFormat(Qt::PlainText);
    feld_->setAccessibleName(QStringLiteral("Geforderter Buchstabe: START"));
    markierung_ = new QLabel(feld_);
    markierung_->setGeometry(m.s(308), m.s(4), m.s(18), m.s(18));
    markierung_->setAccessibleName(QStringLiteral("Umschalt- oder Zifferzeichen: keines"));
    markierung_->setAlignment(Qt::AlignCenter);
    // A font of its own: it would otherwise take the demanded letter's, many times too large for it.
    QFont markenschrift(QStringLiteral("DejaVu Sans"));
    markenschrift.setPixelSize(m.s(13));
    markenschrift.setBold(true);
    markierung_->setFont(markenschrift);
    aufforderung_ = new QLabel(QStringLiteral("mit beliebiger <Taste>."), feld_);
    aufforderung_->setTextFormat(Qt::PlainText);
    aufforderung_->setAlignment(Qt::AlignCenter);
    aufforderung_->setGeometry(0, m.s(140), m.s(330), m.s(24));
    QFont klein(QStringLiteral("Times New Roman"));
    klein.setPointSize(m.skaliertePunkte(12));
    aufforderung_->setFont(klein);

    lernziel_ = new QLabel(QStringLiteral("Lernziel erreicht zu 0.0 %"), rahmen);
    lernziel_->setGeometry(m.r(356, 22, 240, 22));
    fortschritt_ = new QProgressBar(rahmen);
    fortschritt_->setRange(0, 100);
    fortschritt_->setValue(0);
    fortschritt_->setTextVisible(false);
    fortschritt_->setGeometry(m.r(356, 46, 240, 16));
    fortschritt_->setAccessibleName(QStringLiteral("Lernziel"));
    fortschritt_->setAccessibleDescription(QStringLiteral("Lernziel erreicht in Prozent"));

    legende_ = new QGroupBox(QStringLiteral(" Bedeutung der Farben "), rahmen);
    legende_->setGeometry(m.r(356, 70, 240, 122));
    auto* spalte = new QVBoxLayout(legende_);
    spalte->setSpacing(0);
    const char* namen[] = {"kleiner Finger", "Ringfinger", "Mittelfinger", "Zeigefinger", "Daumen"};
    for (int k = 0; k < 5; ++k) {
        legendentexte_[k] = new Farbtext(QString::fromUtf8(namen[k]), legende_);
        QFont fett;
        fett.setBold(true);
        legendentexte_[k]->setFont(fett);
        spalte->addWidget(legendentexte_[k]);
    }

    tastatur_ = new Aktionsknopf(a.tastatur, rahmen);
    einstellungen_ = new Aktionsknopf(a.einstellungen, rahmen);
    statistik_ = new Aktionsknopf(a.statistik, rahmen);
    pause_ = new Aktionsknopf(a.pause, rahmen);
    hauptmenue_ = new Aktionsknopf(a.hauptmenue, rahmen);
    int y = 20;
    for (QPushButton* k : {tastatur_, einstellungen_, statistik_, pause_, hauptmenue_}) {
        k->setGeometry(m.r(606, y, 166, 30));
        k->setFocusPolicy(Qt::NoFocus);
        y += 34;
    }

    popup_ = new QMenu(rahmen);
    hintergrund_ = popup_->addMenu(QStringLiteral("Hintergrundfarbe"));
    for (const Hintergrundwahl& h : Hintergrundfarben) {
        QAction* farbe = hintergrund_->addAction(QString::fromUtf8(h.name));
        farbe->setData(QVariant::fromValue<uint>(h.farbe));
    }
    QMenu* klang = popup_->addMenu(QStringLiteral("Sound"));
    popupBei_ = klang->addAction(QStringLiteral("Bei Tippfehler"));
    popupBei_->setCheckable(true);
    popupStimme_ = klang->addAction(QStringLiteral("Stimme"));
    popupStimme_->setCheckable(true);
    popup_->addSeparator();
    popup_->addAction(a.pause);
    popup_->addSeparator();
    popup_->addActions({a.einstellungen, a.tastatur, a.statistik});
    popup_->addSeparator();
    popup_->addAction(a.hauptmenue);
    rahmen->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rahmen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(rahmen_->mapToGlobal(p)); });
    connect(feld_, &Buchstabenfeld::kontextmenueVerlangt, this,
            [this](const QPoint& p) { popup_->popup(p); });
}

void BuchstabenSeite::hintergrundSetzen(Farbe hintergrund) {
    QPalette p = feld_->palette();
    p.setColor(QPalette::Window, alsQColor(hintergrund));
    feld_->setPalette(p);
    const QColor schrift = hintergrund == 0 ? QColor(Qt::white) : QColor(Qt::black);
    QPalette a = aufforderung_->palette();
    a.setColor(QPalette::WindowText, schrift);
    aufforderung_->setPalette(a);
}

void BuchstabenSeite::startZeigen(const QFont& schrift, Farbe hintergrund) {
    hintergrundSetzen(hintergrund);
    QFont kleiner = schrift;
    kleiner.setPointSizeF(std::max(8.0, schrift.pointSizeF() / 3));
    schriftSetzen(feld_, kleiner);
    QPalette p = feld_->palette();
    p.setColor(QPalette::WindowText, hintergrund == 0 ? QColor(Qt::white) : QColor(Qt::black));
    feld_->setPalette(p);
    feld_->setText(QStringLiteral("START"));
    zeichenMelden(feld_, QStringLiteral("Geforderter Buchstabe: START"));
    aufforderung_->show();
    markierung_->clear();
    nameMelden(markierung_, QStringLiteral("Umschalt- oder Zifferzeichen: keines"));
}

void BuchstabenSeite::zeichenZeigen(const QString& text, const QColor& farbe, const QFont& schrift) {
    QPalette p = feld_->palette();
    p.setColor(QPalette::WindowText, farbe);
    feld_->setPalette(p);
    schriftSetzen(feld_, schrift);
    feld_->setText(text);
    zeichenMelden(feld_, QStringLiteral("Geforderter Buchstabe: ") + gesprochenesZeichen(text));
}

void BuchstabenSeite::markierungZeigen(char zeichen, Farbe hintergrund) {
    QPalette p = markierung_->palette();
    p.setColor(QPalette::WindowText, hintergrund == 0 ? QColor(Qt::white) : QColor(Qt::black));
    markierung_->setPalette(p);
    markierung_->setText(zeichen ? QString(QChar(zeichen)) : QString());
    nameMelden(markierung_, QStringLiteral("Umschalt- oder Zifferzeichen: ") +
                                (zeichen ? markierung_->text() : QStringLiteral("keines")));
}

void BuchstabenSeite::legendeFaerben(const std::array<Farbe, 5>& farben) {
    for (int k = 0; k < 5; ++k) {
        // Called at every tick while the settings are open: only a changed colour is written.
        const QColor farbe = alsQColor(farben[k]);
        if (legendentexte_[k]->palette().color(QPalette::WindowText) == farbe) {
            continue;
        }
        QPalette p = legendentexte_[k]->palette();
        p.setColor(QPalette::WindowText, farbe);
        legendentexte_[k]->setPalette(p);
    }
}

} // namespace tastwerk::ui
