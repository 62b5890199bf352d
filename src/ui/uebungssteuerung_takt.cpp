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

void Uebungssteuerung::zeitAnhalten() {
    zeit_.anhalten(t_.uhr->monotonMs());
}

void Uebungssteuerung::zeitFortsetzen() {
    zeit_.fortsetzen(t_.uhr->monotonMs());
}

void Uebungssteuerung::bpause() {
    BuchstabenSeite& b = *t_.buchstaben;
    WortSeite& w = *t_.wort;
    Statusleiste& status = *t_.status;
    if (!status.pausiert()) {
        // 1.
        b.popupEinstellungen()->setEnabled(false);
        w.popupEinstellungen()->setEnabled(false);
        for (QPushButton* k : {b.einstellungenKnopf(), b.tastaturKnopf(), b.statistikKnopf(),
                               w.einstellungenKnopf(), w.tastaturKnopf(), w.statistikKnopf()}) {
            k->setEnabled(false);
        }
        // 2.
        zustandVorPause_ = anzeigezustand_;
        anzeigezustand_ = 3;
        // 3. and 4.
        b.popupPause()->setText(QStringLiteral("Pause beenden"));
        w.popupPause()->setText(QStringLiteral("Pause beenden"));
        status.pauseAktion()->setText(QStringLiteral("Pause beenden"));
        w.zeile()->setEnabled(false);
        t_.eigene->uebungsfeld()->setEnabled(false);
        t_.eigene->neuAnfangenKnopf()->setEnabled(false);
        t_.eigene->einstellungenKnopf()->setEnabled(false);
        if (s_.eigeneTexteLaeuft) {
            t_.eigene->pauseKnopf()->setText(QStringLiteral("Pause beenden"));
        }
        if (s_.buchstabenuebungLaeuft) {
            b.pauseKnopf()->setText(QStringLiteral("Pause beenden"));
            b.pauseKnopf()->show();
        }
        if (s_.wortuebungLaeuft) {
            w.pauseKnopf()->setText(QStringLiteral("Pause beenden"));
            w.pauseKnopf()->show();
        }
        // 5. and 6.
        status.show();
        status.setPausiert(true);
        zeitAnhalten();
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
    anzeigezustand_ = zustandVorPause_;
    zeitFortsetzen();
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
    if (knopf->text() != weiter) {
        // The settings open: typing is ignored and the practice clock stands still.
        zustandVorEinstellungen_ = anzeigezustand_;
        anzeigezustand_ = 0;
        knopf->setText(weiter);
        if (popupEintrag) {
            popupEintrag->setText(weiter);
        }
        obenSetzen(seiten.einstellungen, t_.masse.h(0.4));
        seiten.einstellungen->show();
        seiten.einstellungen->raise();
        seiten.einstellungen->setFocus();
        zeitAnhalten();
        return;
    }
    knopf->setText(QStringLiteral("Einstellungen"));
    if (popupEintrag) {
        popupEintrag->setText(QStringLiteral("Einstellungen"));
    }
    seiten.einstellungen->hide();
    sperren(true);
    anzeigezustand_ = zustandVorEinstellungen_;
    if (anzeigezustand_ == 2) {
        seiten.fehlerstatistik->show();
    } else {
        seiten.tastatur->show();
    }
    zeitFortsetzen();
    t_.fenster->setFocus();
}

void Uebungssteuerung::buchstabenuebungeinstellungen() {
    BuchstabenSeite& b = *t_.buchstaben;
    einstellungenUmschalten(b.einstellungenKnopf(), b.popupEinstellungen(),
                            {b.tastaturKnopf(), b.statistikKnopf(), b.pauseKnopf()}, b.popupPause());
}

void Uebungssteuerung::takt() {
    const std::int64_t jetzt = t_.uhr->monotonMs();
    // The speed of the running letter exercise.
    if ((anzeigezustand_ == 1 || anzeigezustand_ == 2) && s_.buchstabenuebungLaeuft &&
        buchstabenuebung_.anschlaege() > 0) {
        buchstabenuebung_.tempoAktualisieren(zeit_.uebungssekunden(jetzt));
        tempoZeigen(buchstabenuebung_.anschlaegeProMinute(), buchstabenuebung_.anzeige().tempoRot);
    }
    if ((anzeigezustand_ == 1 || anzeigezustand_ == 2) && s_.wortuebungLaeuft && zeit_.begonnen()) {
        const int apm = anschlaegeProMinute(wortuebung_.anschlagzaehler(), zeit_.uebungssekunden(jetzt));
        wortuebung_.setAnschlaegeProMinute(apm);
        tempoZeigen(apm, apm < s_.wunschAnschlaege);
    }
    if ((anzeigezustand_ == 1 || anzeigezustand_ == 2) && s_.eigeneTexteLaeuft && t_.eigene->uebung() &&
        zeit_.begonnen()) {
        const int apm =
            anschlaegeProMinute(t_.eigene->uebung()->anschlagzaehler(), zeit_.uebungssekunden(jetzt));
        // Red only below the target and not at 0.
        tempoZeigen(apm, apm < s_.wunschAnschlaege && apm != 0);
    }
    // 1. Keys learned so far in their finger colour, the others silver.
    t_.tastatur->einfaerben(s_.tastaturlektion, s_.farben);
    // 2. The letter exercise previews colours and size while its settings are open.
    if (s_.buchstabenuebungLaeuft && anzeigezustand_ == 0) {
        t_.buchstaben->legendeFaerben(s_.farben);
    }
    // 3. The statistics panel follows the running exercise.
    if ((s_.buchstabenuebungLaeuft || s_.wortuebungLaeuft) && anzeigezustand_ == 2) {
        t_.statistik->neuZeichnen();
    }
    // 7. and 9. The start entries name the lesson while no exercise runs.
    if (!s_.buchstabenuebungLaeuft && !s_.wortuebungLaeuft) {
        const QString text = QString::fromStdString(startLektionText(s_));
        t_.aktionen->start->setText(text);
        t_.aktionen->start->setToolTip(text);
        t_.aktionen->startLektion->setText(QStringLiteral("&") + text);
        t_.extras->positionZeigen();
    }
    // 8.
    if (anzeigezustand_ == 0) {
        t_.einstellungen->berichtigung()->setChecked(s_.berichtigungErzwingen == 1);
        t_.einstellungen->nurZaehlen()->setChecked(s_.berichtigungErzwingen == 0);
    }
}

} // namespace tastwerk::ui
