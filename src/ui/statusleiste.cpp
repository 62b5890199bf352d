#include "ui/statusleiste.h"
#include "ui/zugaenglichkeit.h"

#include "ui/leinwand.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QStyle>

namespace tastwerk::ui {

namespace {
QLabel* feld(QWidget* eltern, const QString& text, const QString& hinweis) {
    auto* l = new QLabel(text, eltern);
    l->setToolTip(hinweis);
    // A screen reader reads what the figure shows; the question is its description.
    l->setAccessibleDescription(hinweis);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    // A size of its own: the red of a missed goal comes from a style sheet, which would otherwise give the
    // label the application's font instead of the screens' scaled one.
    QFont schrift = l->font();
    schrift.setPointSizeF(schrift.pointSizeF());
    l->setFont(schrift);
    return l;
}
} // namespace

Statusleiste::Statusleiste(QWidget* parent) : QFrame(parent) {
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
    pausentext_->setStyleSheet(QStringLiteral("color: #FFFF00;"));
    pausentext_->hide();
    // Its picture comes with the first showing: looking it up in the icon themes costs more than the
    // whole rest of the bar, and many sessions never show the bar.
    abbruch_ = new QPushButton(this);
    abbruch_->setToolTip(QStringLiteral("Abbruch"));
    abbruch_->setAccessibleName(QStringLiteral("Abbruch"));
    abbruch_->setFocusPolicy(Qt::NoFocus);

    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->addWidget(anschlaege_, 2);
    zeile->addWidget(tempo_, 3);
    zeile->addWidget(fehler_, 2);
    zeile->addWidget(fehleranteil_, 3);
    zeile->addWidget(pausentext_, 10);
    zeile->addWidget(abbruch_, 0);

    popup_ = new QMenu(this);
    pause_ = popup_->addAction(QStringLiteral("Pause"));
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
