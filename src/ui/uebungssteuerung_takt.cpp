// Pause, the settings view during practice and the 250 ms duties of the exercises.
#include "course/lektionswahl.h"
#include "ui/aktionen.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/seiten.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

namespace tastwerk::ui {

bool Uebungssteuerung::pausiert() const {
    return pause_->isChecked();
}

void Uebungssteuerung::bpause() {
    pause_->toggle();
}

void Uebungssteuerung::pauseUmschalten(bool an) {
    BuchstabenSeite& b = *t_.buchstaben;
    WortSeite& w = *t_.wort;
    Statusleiste& status = *t_.status;
    if (an) {
        // 1.
        b.popupEinstellungen()->setEnabled(false);
        w.popupEinstellungen()->setEnabled(false);
        for (QPushButton* k : {b.einstellungenKnopf(), b.tastaturKnopf(), b.statistikKnopf(),
                               w.einstellungenKnopf(), w.tastaturKnopf(), w.statistikKnopf()}) {
            k->setEnabled(false);
        }
        // 3. and 4.
        b.popupPause()->setText(QStringLiteral("Pause beenden"));
        w.popupPause()->setText(QStringLiteral("Pause beenden"));
        status.pauseAktion()->setText(QStringLiteral("Pause beenden"));
        w.zeile()->setEnabled(false);
        t_.eigene->uebungsfeld()->setEnabled(false);
        t_.eigene->neuAnfangenKnopf()->setEnabled(false);
        t_.eigene->einstellungenKnopf()->setEnabled(false);
        if (lauf_.art() == Uebungsart::EigeneTexte) {
            t_.eigene->pauseKnopf()->setText(QStringLiteral("Pause beenden"));
        }
        if (lauf_.art() == Uebungsart::Buchstabenuebung) {
            b.pauseKnopf()->setText(QStringLiteral("Pause beenden"));
            b.pauseKnopf()->show();
        }
        if (lauf_.art() == Uebungsart::Wortuebung) {
            w.pauseKnopf()->setText(QStringLiteral("Pause beenden"));
            w.pauseKnopf()->show();
        }
        // 5. and 6.
        status.show();
        status.setPausiert(true);
        // 2. The practice clock stands still and typing is ignored.
        lauf_.pauseSetzen(true, t_.uhr->monotonMs());
        return;
    }
    // 1. and 2.
    b.popupEinstellungen()->setEnabled(true);
    w.popupEinstellungen()->setEnabled(true);
    status.setPausiert(false);
    b.pauseKnopf()->setText(QStringLiteral("Pause"));
    w.pauseKnopf()->setText(QStringLiteral("Pause"));
    b.popupPause()->setText(QStringLiteral("Pause"));
    w.popupPause()->setText(QStringLiteral("Pause"));
    status.pauseAktion()->setText(QStringLiteral("Pause!"));
    // 3.
    w.zeile()->setEnabled(true);
    t_.eigene->uebungsfeld()->setEnabled(true);
    t_.eigene->neuAnfangenKnopf()->setEnabled(true);
    t_.eigene->einstellungenKnopf()->setEnabled(true);
    t_.eigene->pauseKnopf()->setText(QStringLiteral("Pause"));
    for (QPushButton* k : {b.tastaturKnopf(), b.statistikKnopf(), b.pauseKnopf(), b.einstellungenKnopf(),
                           w.tastaturKnopf(), w.statistikKnopf(), w.pauseKnopf(), w.einstellungenKnopf()}) {
        k->setEnabled(true);
    }
    // 4. and 5.
    lauf_.pauseSetzen(false, t_.uhr->monotonMs());
}

void Uebungssteuerung::einstellungenUmschalten(QPushButton* knopf, QAction* popupEintrag,
                                               const std::vector<QPushButton*>& gesperrt,
                                               QAction* popupPause) {
    Seiten& seiten = *t_.seiten;
    auto sperren = [&](bool frei) {
        for (QPushButton* k : gesperrt) {
            k->setEnabled(frei);
        }
        if (popupPause) {
            popupPause->setEnabled(frei);
        }
        t_.status->pauseAktion()->setEnabled(frei);
    };
    sperren(false);
    seiten.tastatur->hide();
    seiten.fehlerstatistik->hide();
    const QString weiter = QStringLiteral("Weiter üben");
    if (!einstellungen_->isChecked()) {
        // The settings open: typing is ignored and the practice clock stands still.
        einstellungen_->setChecked(true);
        lauf_.einstellungenSetzen(true, t_.uhr->monotonMs());
        einstellungenVon_ = knopf;
        knopf->setText(weiter);
        if (popupEintrag) {
            popupEintrag->setText(weiter);
        }
        obenSetzen(seiten.einstellungen, t_.masse.h(0.4));
        seiten.einstellungen->show();
        seiten.einstellungen->raise();
        seiten.einstellungen->setFocus();
        return;
    }
    knopf->setText(QStringLiteral("Einstellungen"));
    if (popupEintrag) {
        popupEintrag->setText(QStringLiteral("Einstellungen"));
    }
    seiten.einstellungen->hide();
    sperren(true);
    einstellungenVon_ = nullptr;
    einstellungen_->setChecked(false);
    lauf_.einstellungenSetzen(false, t_.uhr->monotonMs());
    if (lauf_.ansicht() == Ansicht::Statistik) {
        seiten.fehlerstatistik->show();
    } else {
        seiten.tastatur->show();
    }
    t_.fenster->setFocus();
}

void Uebungssteuerung::buchstabenuebungeinstellungen() {
    BuchstabenSeite& b = *t_.buchstaben;
    einstellungenUmschalten(b.einstellungenKnopf(), b.popupEinstellungen(),
                            {b.tastaturKnopf(), b.statistikKnopf(), b.pauseKnopf()}, b.popupPause());
}

void Uebungssteuerung::takt() {
    // The speed of the running exercise.
    const Taktergebnis t = lauf_.takt(t_.uhr->monotonMs());
    if (t.tempoNeu) {
        t_.status->tempoZeigen(t.anschlaegeProMinute, t.tempoRot);
    }
    const Uebungsart art = lauf_.art();
    const bool lektion = art == Uebungsart::Buchstabenuebung || art == Uebungsart::Wortuebung;
    // 1. Keys learned so far in their finger colour, the others silver.
    t_.tastatur->einfaerben(s_.tastaturlektion, s_.farben);
    // 2. The letter exercise previews colours and size while its settings are open.
    if (art == Uebungsart::Buchstabenuebung && lauf_.einstellungenOffen()) {
        t_.buchstaben->legendeFaerben(s_.farben);
    }
    // 3. The statistics panel follows the running exercise.
    if (lektion && lauf_.ansicht() == Ansicht::Statistik) {
        t_.statistik->neuZeichnen();
    }
    // 7. and 9. The start entries name the lesson while no exercise runs.
    if (!lektion) {
        const QString text = QString::fromStdString(startLektionText(s_));
        t_.aktionen->start->setText(text);
        t_.aktionen->start->setToolTip(text);
        t_.aktionen->startLektion->setText(QStringLiteral("&") + text);
        t_.extras->positionZeigen();
    }
    // 8.
    if (lauf_.einstellungenOffen()) {
        t_.einstellungen->berichtigung()->setChecked(s_.berichtigungErzwingen == 1);
        t_.einstellungen->nurZaehlen()->setChecked(s_.berichtigungErzwingen == 0);
    }
}

} // namespace tastwerk::ui

namespace tastwerk::ui {

void Uebungssteuerung::einstellungenSchliessen() {
    if (einstellungenVon_ == t_.buchstaben->einstellungenKnopf()) {
        buchstabenuebungeinstellungen();
    } else if (einstellungenVon_ == t_.wort->einstellungenKnopf()) {
        wortuebungeinstellungen();
    } else if (einstellungenVon_ == t_.eigene->einstellungenKnopf()) {
        eigeneTexteeinstellungen();
    }
}

} // namespace tastwerk::ui
