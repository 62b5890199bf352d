#include "ui/statusleiste.h"
#include "ui/zugaenglichkeit.h"

#include "ui/leinwand.h"

#include <QContextMenuEvent>
#include <QStyle>

#include <array>
#include <cmath>

namespace tastwerk::ui {

namespace {
QLabel* feld(QWidget* eltern, const QString& text, const QString& hinweis) {
    auto* l = new QLabel(text, eltern);
    l->setToolTip(hinweis);
    // A screen reader reads what the figure shows; the question is its description.
    l->setAccessibleDescription(hinweis);
    // Filled with the bar's colour itself: a new number repaints the figure alone, not the bar and the
    // canvas behind it.
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}
} // namespace

Statusleiste::Statusleiste(const QRect& entwurf, QWidget* parent) : QFrame(parent) {
    setGeometry(entwurf);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Statusleiste"));
    anschlaege_ =
        feld(this, QStringLiteral("Anschläge: 0"), QStringLiteral("Wieviele Anschläge haben Sie geleistet?"));
    tempo_ = feld(this, QString(), QStringLiteral("Wieviele Anschläge schaffen Sie pro Minute?"));
    fehler_ = feld(this, QStringLiteral("Fehler: 0"), QStringLiteral("Wieviele Fehler haben Sie gemacht?"));
    fehleranteil_ = feld(this, QStringLiteral("Fehleranteil: 0.00 %"),
                         QStringLiteral("Wieviel Prozent der Tastaturanschäge waren falsch?"));
    pausentext_ = new QLabel(QStringLiteral("- P A U S E -"), this);
    QFont gross = pausentext_->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 6);
    pausentext_->setFont(gross);
    pausentext_->setAlignment(Qt::AlignCenter);
    QPalette gelb; // only the text colour is its own; the rest follows the bar
    gelb.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x00));
    pausentext_->setPalette(gelb);
    pausentext_->hide();
    // Its picture comes with the first showing: looking it up in the icon themes costs more than the
    // whole rest of the bar, and many sessions never show the bar.
    abbruch_ = new QPushButton(this);
    abbruch_->setToolTip(QStringLiteral("Abbruch"));
    abbruch_->setAccessibleName(QStringLiteral("Abbruch"));
    abbruch_->setFocusPolicy(Qt::NoFocus);

    anordnen();

    popup_ = new QMenu(this);
    pause_ = popup_->addAction(QStringLiteral("Pause"));
}

void Statusleiste::anordnen() {
    // The parts lie on the design canvas, which scales them with the bar. The four figures share the room
    // left of the cancel button 2 : 3 : 2 : 3; the pause text takes that room while paused. Each part has
    // a fixed size: a figure's new number repaints the figure and asks no layout to measure the bar again
    // (the speed changes at every tick while a lesson runs).
    constexpr int Rand = 4;
    constexpr int Abstand = 6;
    const int hoehe = height() - 4;
    const int knopf = hoehe - 6;
    const QRect raum(Rand, 2, width() - 2 * Rand - knopf - Abstand, hoehe);
    abbruch_->setFixedSize(knopf, knopf);
    abbruch_->move(raum.right() + 1 + Abstand, raum.top() + (hoehe - knopf) / 2);
    pausentext_->setFixedSize(raum.size());
    pausentext_->move(raum.topLeft());
    const std::array<std::pair<QLabel*, int>, 4> teile{
        {{anschlaege_, 2}, {tempo_, 3}, {fehler_, 2}, {fehleranteil_, 3}}};
    const double einheit = (raum.width() - 3.0 * Abstand) / 10;
    double links = raum.left();
    for (auto [label, anteil] : teile) {
        const int breite = int(std::lround(einheit * anteil));
        label->setFixedSize(breite, hoehe);
        label->move(int(std::lround(links)), raum.top());
        links += einheit * anteil + Abstand;
    }
}

void Statusleiste::showEvent(QShowEvent* e) {
    if (abbruch_->icon().isNull()) {
        bildSetzen(abbruch_, style()->standardIcon(QStyle::SP_DialogCancelButton));
    }
    QFrame::showEvent(e);
}

void Statusleiste::setPausiert(bool pausiert) {
    pausiert_ = pausiert;
    QPalette p = palette();
    p.setColor(QPalette::Window,
               pausiert ? QColor(0x00, 0x00, 0x80) : parentWidget()->palette().color(QPalette::Button));
    setPalette(p);
    for (QLabel* l : {anschlaege_, tempo_, fehler_, fehleranteil_}) {
        l->setVisible(!pausiert);
    }
    pausentext_->setVisible(pausiert);
}

void Statusleiste::setRot(QLabel* label, bool rot) {
    // Called at every tick and keystroke: the palette changes only when the colour does.
    if (label->property("rot").toBool() == rot) {
        return;
    }
    label->setProperty("rot", rot);
    QPalette p;
    if (rot) {
        p.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    }
    // Without the red the label takes its colours from the status bar again.
    label->setPalette(p);
}

void Statusleiste::tempoZeigen(int anschlaegeProMinute, bool rot) {
    if (tempoWert_ != anschlaegeProMinute) {
        tempoWert_ = anschlaegeProMinute;
        textMelden(tempo_, QStringLiteral("Anschläge pro Minute: %1  ").arg(anschlaegeProMinute));
    }
    setRot(tempo_, rot);
}

void Statusleiste::tempoLeeren() {
    tempo_->clear();
    tempoWert_ = -1;
    setRot(tempo_, false);
}

void Statusleiste::zahlenZeigen(const std::string& anschlaege, const std::string& fehler,
                                const std::string& fehleranteil, bool fehleranteilRot) {
    textMelden(anschlaege_, QString::fromStdString(anschlaege));
    textMelden(fehler_, QString::fromStdString(fehler));
    textMelden(fehleranteil_, QString::fromStdString(fehleranteil));
    setRot(fehleranteil_, fehleranteilRot);
}

void Statusleiste::contextMenuEvent(QContextMenuEvent* e) {
    popup_->popup(e->globalPos());
}

} // namespace tastwerk::ui
