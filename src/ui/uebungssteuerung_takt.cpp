// Pause, the settings view during practice and the 250 ms duties of the exercises.
#include "course/lektionswahl.h"
#include "ui/aktionen.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/seiten.h"
#include "ui/seitenbau.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

namespace tastwerk::ui {

bool Uebungssteuerung::pausiert() const {
    return a_.pause->isChecked();
}

void Uebungssteuerung::bpause() {
    a_.pause->toggle();
}

void Uebungssteuerung::knoepfeFokussierbar(bool ja) {
    for (QPushButton* k :
         {p_.buchstaben().tastaturKnopf(), p_.buchstaben().einstellungenKnopf(),
          p_.buchstaben().statistikKnopf(), p_.buchstaben().pauseKnopf(), p_.buchstaben().hauptmenueKnopf(),
          p_.wort().einstellungenKnopf(), p_.wort().tastaturKnopf(), p_.wort().statistikKnopf(),
          p_.wort().pauseKnopf(), p_.wort().hauptmenueKnopf(), p_.eigene().neuAnfangenKnopf(),
          p_.eigene().einstellungenKnopf(), p_.eigene().pauseKnopf(), p_.eigene().uebungHauptmenueKnopf()}) {
        k->setFocusPolicy(ja ? Qt::TabFocus : Qt::NoFocus);
    }
    if (!ja && fenster_->focusWidget() && fenster_->focusWidget()->focusPolicy() == Qt::NoFocus) {
        // Typing goes on: no button keeps the focus.
        fenster_->setFocus();
    }
}

void Uebungssteuerung::pauseUmschalten(bool an) {
    Statusleiste& status = p_.status;
    EigeneTexteSeite& e = p_.eigene();
    // 1. While paused the views beside the exercise stay as they are.
    for (QAction* a : {a_.einstellungen, a_.tastatur, a_.statistik}) {
        a->setEnabled(!an);
    }
    // 3. and 4.
    const QString text = an ? QStringLiteral("Pause beenden") : QStringLiteral("Pause");
    Uebungsaktionen::beschriften(a_.pause, text);
    status.pauseAktion()->setText(an ? text : QStringLiteral("Pause!"));
    p_.wort().zeile()->setEnabled(!an);
    e.uebungsfeld()->setEnabled(!an);
    a_.neuAnfangen->setEnabled(!an);
    knoepfeFokussierbar(an);
    // 5. and 6.
    if (an) {
        status.show();
    }
    status.setPausiert(an);
    // 2. The practice clock stands still and typing is ignored.
    lauf_.pauseSetzen(an, uhr_.monotonMs());
}

void Uebungssteuerung::einstellungenUmschalten(bool offen) {
    if (lauf_.art() == Uebungsart::EigeneTexte) {
        p_.einstellungen().stimmeFreigeben(false);
        a_.neuAnfangen->setEnabled(!offen);
    }
    // Meanwhile the other views and the pause wait.
    for (QAction* a : {a_.tastatur, a_.statistik, a_.pause}) {
        a->setEnabled(!offen);
    }
    p_.status.pauseAktion()->setEnabled(!offen);
    Uebungsaktionen::beschriften(a_.einstellungen,
                                 offen ? QStringLiteral("Weiter üben") : QStringLiteral("Einstellungen"));
    // The practice clock stands still while the settings are open, and typing is ignored.
    lauf_.einstellungenSetzen(offen, uhr_.monotonMs());
    knoepfeFokussierbar(offen);
    if (offen) {
        obenSetzen(b_.seiten().einstellungen, masse_.h(0.4));
        b_.zeigen(Bildschirm::Uebungseinstellungen);
        b_.seiten().einstellungen->setFocus();
        return;
    }
    b_.zeigen(lauf_.ansicht() == Ansicht::Statistik ? Bildschirm::Uebungsstatistik
                                                    : Bildschirm::Uebungstastatur);
    fenster_->setFocus();
}

void Uebungssteuerung::einstellungenSchliessen() {
    if (a_.einstellungen->isChecked()) {
        a_.einstellungen->setChecked(false);
    }
}

void Uebungssteuerung::takt() {
    // The speed of the running exercise.
    const Taktergebnis t = lauf_.takt(uhr_.monotonMs());
    if (t.tempoNeu) {
        p_.status.tempoZeigen(t.anschlaegeProMinute, t.tempoRot);
    }
    const Uebungsart art = lauf_.art();
    const bool lektion = art == Uebungsart::Buchstabenuebung || art == Uebungsart::Wortuebung;
    // 1. Keys learned so far in their finger colour, the others silver.
    p_.tastatur.einfaerben(s_.tastaturlektion, s_.farben);
    // 2. The letter exercise previews colours and size while its settings are open.
    if (art == Uebungsart::Buchstabenuebung && lauf_.einstellungenOffen()) {
        p_.buchstaben().legendeFaerben(s_.farben);
    }
    // 3. The statistics panel follows the running exercise.
    if (lektion && lauf_.ansicht() == Ansicht::Statistik) {
        p_.statistik().neuZeichnen();
    }
    // 7. and 9. The start entries name the lesson while no exercise runs.
    if (!lektion) {
        const QString text = QString::fromStdString(startLektionText(s_));
        aktionen_.start->setText(text);
        aktionen_.start->setToolTip(text);
        aktionen_.startLektion->setText(QStringLiteral("&") + text);
        if (ExtrasSeite* extras = p_.schonGebaut<ExtrasSeite>()) {
            extras->positionZeigen();
        }
    }
    // 8.
    if (lauf_.einstellungenOffen()) {
        p_.einstellungen().berichtigungAnzeigen();
    }
}

} // namespace tastwerk::ui
