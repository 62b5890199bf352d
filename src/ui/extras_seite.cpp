#include "ui/extras_seite.h"

#include "course/lektionskatalog.h"
#include "course/lektionswahl.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tastwerk::ui {

namespace {
QSlider* positionsRegler(QWidget* eltern, const QString& name) {
    auto* r = new QSlider(Qt::Horizontal, eltern);
    r->setRange(1, StufenpositionenAnzahl);
    r->setSingleStep(1);
    r->setPageStep(2);
    r->setTickInterval(2);
    r->setTickPosition(QSlider::TicksBelow);
    r->setAccessibleName(name);
    return r;
}
QLineEdit* anzeigefeld(QWidget* eltern, const QString& name) {
    auto* f = new QLineEdit(eltern);
    f->setReadOnly(true);
    f->setAlignment(Qt::AlignCenter);
    f->setFocusPolicy(Qt::NoFocus);
    f->setAccessibleName(name);
    return f;
}
} // namespace

ExtrasSeite::ExtrasSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m)
    : QObject(rahmen), rahmen_(rahmen), sitzung_(sitzung) {
    auto* wiederholen = new QGroupBox(QStringLiteral("Lektion Wiederholen"), rahmen);
    wiederholen->setGeometry(m.r(8, 20, 250, 230));
    auto* w = new QVBoxLayout(wiederholen);
    tasten_ = new QLabel(QStringLiteral("a s d f  j k l ö + Leertaste"), wiederholen);
    wiederholungsFeld_ = anzeigefeld(wiederholen, QStringLiteral("Lektion der Wiederholung"));
    wiederholungsFeld_->setText(QStringLiteral("1 B"));
    wiederholungsRegler_ = positionsRegler(wiederholen, QStringLiteral("Lektion wiederholen"));
    startWiederholung_ = new QPushButton(QStringLiteral("Start &Wiederholung"), wiederholen);
    w->addWidget(tasten_);
    w->addWidget(wiederholungsFeld_);
    w->addWidget(wiederholungsRegler_);
    w->addWidget(startWiederholung_);
    connect(wiederholungsRegler_, &QSlider::valueChanged, this, &ExtrasSeite::wLektioneinstellen);
    connect(startWiederholung_, &QPushButton::clicked, this, &ExtrasSeite::wiederholungGestartet);

    auto* sonstiges = new QGroupBox(QStringLiteral("Sonstiges"), rahmen);
    sonstiges->setGeometry(m.r(266, 20, 250, 230));
    auto* s = new QVBoxLayout(sonstiges);
    s->setContentsMargins(8, 4, 8, 6);
    s->setSpacing(4);
    schreibregeln_ = new QPushButton(QStringLiteral("Schreib&regeln"), sonstiges);
    auto* datei = new QGroupBox(QStringLiteral("Benutzerdatei"), sonstiges);
    auto* d = new QVBoxLayout(datei);
    d->setContentsMargins(6, 2, 6, 4);
    einsehen_ = new QPushButton(QStringLiteral("einsehen"), datei);
    einsehen_->setToolTip(QStringLiteral("Benutzerliste sehen, Benutzer löschen"));
    d->addWidget(einsehen_);
    fehlerstatistik_ = new QPushButton(QStringLiteral("&Fehlerstatistik"), sonstiges);
    fehlerstatistik_->setToolTip(QStringLiteral("Gesamttfehlerstatistik der Lektionen 1 bis 16."));
    fingergymnastik_ = new QPushButton(QStringLiteral("\"Fingergymnastik\""), sonstiges);
    eigeneTexte_ = new QPushButton(QStringLiteral("Eigene Texte üben"), sonstiges);
    lernverlauf_ = new QPushButton(QStringLiteral("&Lernverlauf"), sonstiges);
    lernverlauf_->setToolTip(QStringLiteral("Geschwindigkeit, Fehler und Übungszeit über alle Übungen"));
    for (QWidget* k : std::initializer_list<QWidget*>{schreibregeln_, datei, fehlerstatistik_,
                                                      fingergymnastik_, eigeneTexte_, lernverlauf_}) {
        s->addWidget(k);
    }

    auto* direkt = new QGroupBox(QStringLiteral("Lektion direkt anwählen"), rahmen);
    direkt->setGeometry(m.r(524, 20, 250, 120));
    auto* dl = new QVBoxLayout(direkt);
    direktFeld_ = anzeigefeld(direkt, QStringLiteral("Gewählte Lektion"));
    direktFeld_->setText(QStringLiteral("1 B"));
    direktRegler_ = positionsRegler(direkt, QStringLiteral("Lektion direkt anwählen"));
    dl->addWidget(direktFeld_);
    dl->addWidget(direktRegler_);
    connect(direktRegler_, &QSlider::valueChanged, this, &ExtrasSeite::lektiondirekt);
    direktPopup_ = new QMenu(direkt);
    connect(direktPopup_->addAction(QStringLiteral("start")), &QAction::triggered, this,
            &ExtrasSeite::startVerlangt);
    direktRegler_->installEventFilter(this);
    direkt->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(direkt, &QWidget::customContextMenuRequested, this,
            [this, direkt](const QPoint& p) { direktPopup_->popup(direkt->mapToGlobal(p)); });
    rahmen->resize(rahmen->width(), m.s(258));
}

bool ExtrasSeite::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == direktRegler_ && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if ((taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) &&
            (taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (!taste->isAutoRepeat()) {
                emit startVerlangt();
            }
            return true;
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

void ExtrasSeite::lektiondirekt(int position) {
    if (programmSetzt_) {
        return;
    }
    lektionDirektWaehlen(sitzung_, position);
    direktFeld_->setText(QString::fromStdString(positionsText(position)));
}

void ExtrasSeite::wLektioneinstellen(int position) {
    const QSignalBlocker ruhe(wiederholungsRegler_);
    wiederholungsRegler_->setMaximum(direktRegler_->value());
    const int gewaehlt = wiederholungWaehlen(sitzung_, std::min(position, wiederholungsRegler_->maximum()));
    wiederholungsRegler_->setValue(gewaehlt);
    wiederholungsFeld_->setText(QString::fromStdString(positionsText(gewaehlt)));
    tasten_->setText(QString::fromStdString(
        tastenliste(sitzung_.wiederholungsLektion, sitzung_.wiederholungsStufe, sitzung_.tastaturlayout)));
}

void ExtrasSeite::positionZeigen() {
    const int position = aktuellePosition(sitzung_);
    programmSetzt_ = true;
    if (direktRegler_->value() != position) {
        direktRegler_->setValue(position);
    }
    programmSetzt_ = false;
    // Called every tick: only what changed is written.
    const QString text = QString::fromStdString(positionsText(position));
    if (direktFeld_->text() != text) {
        direktFeld_->setText(text);
    }
    if (wiederholungsRegler_->maximum() != position) {
        const QSignalBlocker ruhe(wiederholungsRegler_);
        wiederholungsRegler_->setMaximum(position);
    }
    startWiederholung_->setToolTip(QString::fromStdString(wiederholungHinweis(sitzung_)));
}

} // namespace tastwerk::ui
