#include "ui/benutzerdaten_seite.h"

#include "session/benutzerdaten.h"

#include <QGridLayout>
#include <QLayout>
#include <QVBoxLayout>

namespace tastwerk::ui {

namespace {
QLabel* zeile(QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setTextFormat(Qt::PlainText);
    return l;
}
QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
} // namespace

BenutzerdatenSeite::BenutzerdatenSeite(QGroupBox* rahmen, const Sitzung& sitzung, const Masse& m)
    : QObject(rahmen), rahmen_(rahmen), sitzung_(sitzung) {
    const int oben = m.s(20);
    const int hoehe = std::max(m.s(120), rahmen->height() - oben - m.s(8));

    auto* benutzer = new QGroupBox(QStringLiteral("Benutzerdaten"), rahmen);
    benutzer->setGeometry(m.s(8), oben, m.s(520), hoehe);
    auto* b = new QGridLayout(benutzer);
    name_ = zeile(benutzer);
    lektion_ = zeile(benutzer);
    tippgeschwindigkeit_ = zeile(benutzer);
    hoechstfehlerrate_ = zeile(benutzer);
    startzeit_ = zeile(benutzer);
    letzteBenutzung_ = zeile(benutzer);
    benutzungen_ = zeile(benutzer);
    lektionsfeld_ = new QLineEdit(benutzer);
    lektionsfeld_->setReadOnly(true);
    lektionsfeld_->setAlignment(Qt::AlignCenter);
    lektionsfeld_->setFocusPolicy(Qt::NoFocus);
    lektionsfeld_->setFixedWidth(m.s(60));
    lektionsfeld_->setAccessibleName(QStringLiteral("Aktuelle Lektion"));
    int reihe = 0;
    for (QLabel* l : {name_, lektion_, tippgeschwindigkeit_, hoechstfehlerrate_, startzeit_, letzteBenutzung_,
                      benutzungen_}) {
        b->addWidget(l, reihe++, 0);
    }
    // The box stands beside the lesson line that it repeats in short.
    b->addWidget(lektionsfeld_, 1, 1, Qt::AlignRight);
    b->setColumnStretch(0, 1);
    b->setRowStretch(reihe, 1);

    auto* system = new QGroupBox(QStringLiteral("Systemdaten"), rahmen);
    system->setGeometry(m.s(536), oben, rahmen->width() - m.s(536) - m.s(8), hoehe);
    auto* s = new QVBoxLayout(system);
    bildschirm_ = zeile(system);
    speicher_ = zeile(system);
    speicher_->setWordWrap(true);
    s->addWidget(bildschirm_);
    s->addWidget(speicher_);
    s->addStretch(1);
}

void BenutzerdatenSeite::anzeigen(std::optional<std::uint64_t> freieKByte) {
    const Benutzerdatentexte t = benutzerdatentexte(sitzung_, freieKByte);
    name_->setText(text(t.name));
    lektion_->setText(text(t.lektion));
    tippgeschwindigkeit_->setText(text(t.tippgeschwindigkeit));
    hoechstfehlerrate_->setText(text(t.hoechstfehlerrate));
    startzeit_->setText(text(t.startzeit));
    letzteBenutzung_->setText(text(t.letzteBenutzung));
    benutzungen_->setText(text(t.benutzungen));
    bildschirm_->setText(text(t.bildschirm));
    speicher_->setText(text(t.speicher));
    lektionsfeldAktualisieren();
    // The use count may have become two lines: lay the lines out anew before the screen is painted.
    for (QLabel* l : {benutzungen_, speicher_}) {
        l->parentWidget()->layout()->activate();
    }
}

void BenutzerdatenSeite::lektionsfeldAktualisieren() {
    if (sitzung_.lektionNr == gezeigteLektion_ && sitzung_.uebungsstufe == gezeigteStufe_) {
        return;
    }
    gezeigteLektion_ = sitzung_.lektionNr;
    gezeigteStufe_ = sitzung_.uebungsstufe;
    lektionsfeld_->setText(text(lektionsfeldText(gezeigteLektion_, gezeigteStufe_)));
}

} // namespace tastwerk::ui
