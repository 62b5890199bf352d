#include "ui/einstellungen_seite.h"

#include "platform/zahlformat.h"

#include <QButtonGroup>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace tastwerk::ui {

namespace {

QSlider* regler(QWidget* eltern, int von, int bis, int teilung, const QString& name) {
    auto* r = new QSlider(Qt::Horizontal, eltern);
    r->setRange(von, bis);
    r->setTickInterval(teilung);
    r->setTickPosition(QSlider::TicksBelow);
    r->setSingleStep(1);
    r->setPageStep(teilung);
    r->setAccessibleName(name);
    return r;
}

} // namespace

QString fehlerratenText(float rate) {
    return QStringLiteral("Höchste zulässige Fehlerrate: ") + QString::fromStdString(festkomma(rate, 1, 3)) +
           QStringLiteral(" %");
}

EinstellungenSeite::EinstellungenSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m)
    : QObject(rahmen), rahmen_(rahmen), sitzung_(sitzung), dpi_(m.dpi) {
    standardDialogeSetzen();
    // Learning goals.
    lernziele_ = new QGroupBox(QStringLiteral("Lernziele"), rahmen);
    lernziele_->setGeometry(m.r(8, 16, 300, 192));
    auto* ziele = new QVBoxLayout(lernziele_);
    anschlagText_ = new QLabel(lernziele_);
    anschlagRegler_ = regler(lernziele_, 20, 260, 10, QStringLiteral("Anschläge pro Minute"));
    anschlagRegler_->setValue(50);
    fehlerText_ = new QLabel(lernziele_);
    fehlerRegler_ = regler(lernziele_, 0, 60, 5, QStringLiteral("Höchste Fehlerrate"));
    fehlerRegler_->setValue(0);
    auto* bekannt = new QLabel(QStringLiteral("Wiederholung schon bekannter"), lernziele_);
    wiederholungText_ = new QLabel(lernziele_);
    wiederholungRegler_ = regler(lernziele_, 20, 50, 3, QStringLiteral("Wiederholungsanteil"));
    wiederholungRegler_->setValue(20);
    for (QWidget* w :
         std::initializer_list<QWidget*>{anschlagText_, anschlagRegler_, fehlerText_, fehlerRegler_, bekannt,
                                         wiederholungText_, wiederholungRegler_}) {
        ziele->addWidget(w);
    }
    connect(anschlagRegler_, &QSlider::valueChanged, this, &EinstellungenSeite::wunschanpm);
    connect(fehlerRegler_, &QSlider::valueChanged, this, &EinstellungenSeite::wunschfehlerrate);
    connect(wiederholungRegler_, &QSlider::valueChanged, this, &EinstellungenSeite::trackBar3Change);
    lernzielMenueBauen();

    // Fonts.
    auto* schriften = new QGroupBox(QStringLiteral("Schriftarten"), rahmen);
    schriften->setGeometry(m.r(316, 16, 230, 192));
    auto* schriftSpalte = new QVBoxLayout(schriften);
    const QString ziele3[] = {QStringLiteral("Buchstabenübung"), QStringLiteral("Wortübung"),
                              QStringLiteral("Eigene Texte üben")};
    auto* zielGruppe = new QButtonGroup(this);
    for (int k = 0; k < 3; ++k) {
        schriftZiele_[k] = new QRadioButton(ziele3[k], schriften);
        zielGruppe->addButton(schriftZiele_[k]);
        schriftTexte_[k] = new QLabel(schriften);
        schriftSpalte->addWidget(schriftZiele_[k]);
        schriftSpalte->addWidget(schriftTexte_[k]);
    }
    schriftZiele_[0]->setChecked(true);
    for (QLabel* l : schriftTexte_) {
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(QStringLiteral("Schriftart ändern"));
        l->installEventFilter(this);
    }
    schriftartKnopf_ = new QPushButton(QStringLiteral("Schriftart..."), schriften);
    schriftSpalte->addWidget(schriftartKnopf_);
    connect(schriftartKnopf_, &QPushButton::clicked, this, &EinstellungenSeite::schriftAendern);

    // Typing errors.
    auto* tippfehler = new QGroupBox(QStringLiteral("Tippfehler"), rahmen);
    tippfehler->setGeometry(m.r(554, 16, 226, 62));
    auto* modus = new QVBoxLayout(tippfehler);
    // Two lines in a low group: little room around them.
    modus->setContentsMargins(6, 2, 6, 2);
    modus->setSpacing(0);
    berichtigung_ = new QRadioButton(QStringLiteral("Berichtigung"), tippfehler);
    berichtigung_->setToolTip(QStringLiteral("Tippfehler müssen berichtigt werden."));
    nurZaehlen_ = new QRadioButton(QStringLiteral("nur zählen"), tippfehler);
    nurZaehlen_->setToolTip(QStringLiteral("Tippfehler werden nur gezählt."));
    modus->addWidget(berichtigung_);
    modus->addWidget(nurZaehlen_);
    connect(berichtigung_, &QRadioButton::clicked, this,
            [this] { sitzung_.berichtigungErzwingen = berichtigung_->isChecked() ? 1 : 0; });
    connect(nurZaehlen_, &QRadioButton::clicked, this,
            [this] { sitzung_.berichtigungErzwingen = nurZaehlen_->isChecked() ? 0 : 1; });

    // The keyboard layout group is put here by the keyboard's owner.
    layoutPlatz_ = new QGroupBox(QStringLiteral("Tastaturlayout"), rahmen);
    layoutPlatz_->setGeometry(m.r(554, 80, 226, 118));

    // Sound.
    auto* klang = new QGroupBox(QStringLiteral("Sound"), rahmen);
    klang->setGeometry(m.r(554, 200, 226, 56));
    bei_ = new QCheckBox(QStringLiteral("Bei"), klang);
    bei_->setToolTip(QStringLiteral("Ton bei Tippfehler"));
    stimme_ = new QCheckBox(QStringLiteral("Stimme"), klang);
    auto* klangZeile = new QHBoxLayout(klang);
    klangZeile->setContentsMargins(6, 2, 6, 2);
    klangZeile->addWidget(bei_);
    klangZeile->addWidget(stimme_);
    connect(bei_, &QCheckBox::clicked, this, [this](bool an) {
        sitzung_.tonBeiTippfehler = an;
        emit tonBeiTippfehlerGeaendert(an);
    });
    connect(stimme_, &QCheckBox::clicked, this, [this](bool an) {
        sitzung_.stimme = an;
        emit stimmeGeaendert(an);
    });

    farbenGruppeBauen(m);

    rahmen->resize(rahmen->width(), m.s(262));
    gruppenFolge_ = {lernziele_, schriften, tippfehler, layoutPlatz_, farben_, klang};
    rahmen->installEventFilter(this);
}

void EinstellungenSeite::tabfolgeOrdnen() {
    // Each group's controls in the order they have among themselves.
    std::vector<QWidget*> folge;
    for (QGroupBox* gruppe : gruppenFolge_) {
        QWidget* w = rahmen_;
        for (int k = 0; k < 5000; ++k) {
            w = w->nextInFocusChain();
            if (w == rahmen_) {
                break;
            }
            if (gruppe->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                !w->focusProxy()) {
                folge.push_back(w);
            }
        }
    }
    for (std::size_t k = 1; k < folge.size(); ++k) {
        QWidget::setTabOrder(folge[k - 1], folge[k]);
    }
}

void EinstellungenSeite::lernzielMenueBauen() {
    lernzielMenue_ = new QMenu(lernziele_);
    anschlagMenue_ = lernzielMenue_->addMenu(QStringLiteral("Anschläge pro Minute"));
    const std::pair<int, void (EinstellungenSeite::*)()> anschlaege[] = {
        {60, &EinstellungenSeite::anpm1Click},
        {80, &EinstellungenSeite::N801Click},
        {100, &EinstellungenSeite::N1001Click},
        {120, &EinstellungenSeite::N1201Click},
        {140, &EinstellungenSeite::N1401Click}};
    for (const auto& [wert, handler] : anschlaege) {
        connect(anschlagMenue_->addAction(QString::number(wert)), &QAction::triggered, this, handler);
    }
    fehlerMenue_ = lernzielMenue_->addMenu(QStringLiteral("Höchste Fehlerrate"));
    const std::pair<int, void (EinstellungenSeite::*)()> raten[] = {{0, &EinstellungenSeite::N01Click},
                                                                    {1, &EinstellungenSeite::N101Click},
                                                                    {2, &EinstellungenSeite::N201Click},
                                                                    {3, &EinstellungenSeite::N31Click}};
    for (const auto& [prozent, handler] : raten) {
        connect(fehlerMenue_->addAction(QStringLiteral("%1 %").arg(prozent)), &QAction::triggered, this,
                handler);
    }
    // The sliders and labels of the group pass the right mouse button on to it.
    lernziele_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lernziele_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { lernzielMenue_->popup(lernziele_->mapToGlobal(p)); });
}

void EinstellungenSeite::anschlaegeGewaehlt(int anschlaege) {
    sitzung_.wunschAnschlaege = anschlaege;
    anschlagRegler_->setValue(anschlaege);
    anschlagText_->setText(QStringLiteral("Anschläge pro Minute: %1").arg(anschlaege));
}

void EinstellungenSeite::fehlerrateGewaehlt(int prozent) {
    sitzung_.wunschFehlerrate = float(prozent);
    fehlerRegler_->setValue(prozent * 10);
    fehlerText_->setText(QStringLiteral("Höchste zulässige Fehlerrate: ") +
                         QString::fromStdString(festkomma(prozent, 1)) + QStringLiteral(" %"));
}

void EinstellungenSeite::wunschanpm(int position) {
    sitzung_.wunschAnschlaege = position;
    zielTexteAktualisieren();
}

void EinstellungenSeite::wunschfehlerrate(int position) {
    sitzung_.wunschFehlerrate = static_cast<float>(position * 0.1);
    zielTexteAktualisieren();
}

void EinstellungenSeite::trackBar3Change(int position) {
    sitzung_.wiederholungsanteil = static_cast<std::uint8_t>(position);
    wiederholungText_->setText(QStringLiteral("Buchstaben zu %1 %").arg(position));
}

void EinstellungenSeite::berichtigungAnzeigen() {
    berichtigung_->setChecked(sitzung_.berichtigungErzwingen == 1);
    nurZaehlen_->setChecked(sitzung_.berichtigungErzwingen == 0);
}

void EinstellungenSeite::fuerUebung(int uebung) {
    schriftZiele_[static_cast<std::size_t>(uebung)]->setChecked(true);
}

void EinstellungenSeite::stimmeFreigeben(bool frei) {
    stimme_->setEnabled(frei);
}

void EinstellungenSeite::zielTexteAktualisieren() {
    anschlagText_->setText(QStringLiteral("Anschläge pro Minute: %1").arg(sitzung_.wunschAnschlaege));
    fehlerText_->setText(fehlerratenText(sitzung_.wunschFehlerrate));
}

void EinstellungenSeite::anzeigen() {
    bei_->setChecked(sitzung_.tonBeiTippfehler);
    stimme_->setChecked(sitzung_.stimme);
    // The sliders' change handlers take the positions over, as when the learner moves them.
    const int anschlaege = sitzung_.wunschAnschlaege;
    const int fehlerPosition = int(std::nearbyint(double(sitzung_.wunschFehlerrate) * 10));
    const int anteil = sitzung_.wiederholungsanteil;
    anschlagRegler_->setValue(anschlaege);
    wunschanpm(anschlagRegler_->value());
    fehlerRegler_->setValue(fehlerPosition);
    wunschfehlerrate(fehlerRegler_->value());
    wiederholungRegler_->setValue(anteil);
    trackBar3Change(wiederholungRegler_->value());
    berichtigung_->setChecked(sitzung_.berichtigungErzwingen == 1);
    nurZaehlen_->setChecked(sitzung_.berichtigungErzwingen == 0);
    schriftenAnzeigen();
    farbenAnzeigen();
}

} // namespace tastwerk::ui
