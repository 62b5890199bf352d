#include "ui/lernverlauf_fenster.h"

#include "platform/zeichensatz.h"
#include "ui/verlaufsdiagramm.h"
#include "verlauf/auswertung.h"
#include "verlauf/lernverlauf.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tastwerk::ui {

QString dauerText(std::uint64_t sekunden) {
    const std::uint64_t minuten = (sekunden + 30) / 60;
    if (minuten < 60) {
        return QStringLiteral("%1 Min.").arg(minuten);
    }
    return QStringLiteral("%1 Std. %2 Min.").arg(minuten / 60).arg(minuten % 60);
}

QString zeichenText(unsigned char zeichen) {
    if (zeichen == ZeichenLeertaste) {
        return QStringLiteral("Leertaste");
    }
    if (zeichen == ZeichenReturn) {
        return QStringLiteral("Return");
    }
    return QStringLiteral("„%1“").arg(QString(QChar(char32_t(alsUnicode(zeichen)))));
}

QString schwaechenText(const std::vector<Zeichenzaehler>& summen) {
    QStringList schwach;
    for (const Zeichenzaehler& z : schwaechsteZeichen(summen)) {
        schwach << QStringLiteral("%1 %2 %")
                       .arg(zeichenText(z.zeichen))
                       .arg(QString::number(100.0 * z.fehler / std::max<std::uint32_t>(1, z.anschlaege), 'f',
                                            1));
    }
    return schwach.isEmpty()
               ? QStringLiteral("Schwächste Zeichen: noch keine")
               : QStringLiteral("Schwächste Zeichen: %1").arg(schwach.join(QStringLiteral(", ")));
}

LernverlaufFenster::LernverlaufFenster(Lernverlauf& verlauf, QWidget* parent)
    : QDialog(parent), verlauf_(verlauf) {
    setWindowTitle(QStringLiteral("Tastwerk - Lernverlauf"));
    setModal(false);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    titel_ = new QLabel(this);

    lektion_ = new QComboBox(this);
    lektion_->addItem(QStringLiteral("Alle Lektionen"), 0);
    for (int l = 1; l <= 16; ++l) {
        lektion_->addItem(QStringLiteral("Lektion %1").arg(l), l);
    }
    lektion_->setAccessibleName(QStringLiteral("Lektion"));
    auto* lektionText = new QLabel(QStringLiteral("&Zeigen:"), this);
    lektionText->setBuddy(lektion_);
    connect(lektion_, &QComboBox::currentIndexChanged, this, &LernverlaufFenster::lesen);

    diagramm_ = new Verlaufsdiagramm(this);
    bestes_ = new QLabel(this);
    zeit_ = new QLabel(this);
    schwaechen_ = new QLabel(this);
    schwaechen_->setWordWrap(true);
    for (QLabel* l : {bestes_, zeit_, schwaechen_}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    auto* tageGruppe = new QGroupBox(QStringLiteral("Übungszeit der letzten 14 Tage (Minuten)"), this);
    tage_ = new Zeitdiagramm(tageGruppe);
    tage_->setAccessibleName(tageGruppe->title());
    (new QVBoxLayout(tageGruppe))->addWidget(tage_);
    auto* wochenGruppe = new QGroupBox(QStringLiteral("Übungszeit der letzten 8 Wochen (Minuten)"), this);
    wochen_ = new Zeitdiagramm(wochenGruppe);
    wochen_->setAccessibleName(wochenGruppe->title());
    (new QVBoxLayout(wochenGruppe))->addWidget(wochen_);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Schließen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(titel_, 1);
    kopf->addWidget(lektionText);
    kopf->addWidget(lektion_);
    auto* zeiten = new QHBoxLayout;
    zeiten->addWidget(tageGruppe, 1);
    zeiten->addWidget(wochenGruppe, 1);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(kopf);
    aussen->addWidget(diagramm_, 3);
    aussen->addWidget(bestes_);
    aussen->addWidget(zeit_);
    aussen->addWidget(schwaechen_);
    aussen->addLayout(zeiten, 2);
    aussen->addWidget(knoepfe);
    resize(820, 640);
}

void LernverlaufFenster::zeigen(const std::string& name, double wunschTempo, double wunschFehlerrate,
                                const Datum& heute) {
    name_ = name;
    wunschTempo_ = wunschTempo;
    wunschFehlerrate_ = wunschFehlerrate;
    heute_ = heute;
    titel_->setText(QStringLiteral("Lernverlauf von %1").arg(QString::fromStdString(cp1252ZuUtf8(name))));
    // The title a third larger than the window's texts, whatever size those have.
    QFont gross = font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    gross.setBold(true);
    titel_->setFont(gross);
    lesen();
    show();
    raise();
    activateWindow();
}

void LernverlaufFenster::lesen() {
    const int lektion = lektion_->currentData().toInt();
    const auto eintraege = verlauf_.uebungen(name_, lektion, false);
    const Auswertung a = auswerten(eintraege, heute_);
    diagramm_->setzen(a.punkte, wunschTempo_, wunschFehlerrate_);
    tage_->setzen(a.tage, false);
    wochen_->setzen(a.wochen, true);
    bestes_->setText(a.bestesTempo
                         ? QStringLiteral("Beste Geschwindigkeit: %1 Anschläge pro Minute (Lernziel: %2)")
                               .arg(QString::number(*a.bestesTempo, 'f', 0))
                               .arg(QString::number(wunschTempo_, 'f', 0))
                         : QStringLiteral("Beste Geschwindigkeit: noch keine Übung aufgezeichnet"));
    zeit_->setText(QStringLiteral("Übungen: %1, Übungszeit insgesamt: %2")
                       .arg(eintraege.size())
                       .arg(dauerText(a.sekundenGesamt)));
    schwaechen_->setText(schwaechenText(verlauf_.zeichensummen(name_)));
    if (const auto meldung = verlauf_.meldungAbholen()) {
        QMessageBox::warning(this, QStringLiteral("Lernverlauf"), QString::fromStdString(*meldung));
    }
}

} // namespace tastwerk::ui
