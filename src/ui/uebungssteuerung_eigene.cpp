// The own-texts exercise on the main window: its start, its settings view and its display.
#include "ui/bildschirme.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/leinwand.h"
#include "ui/seiten.h"
#include "ui/seitenbau.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"

#include <QPlainTextEdit>

namespace tastwerk::ui {

void Uebungssteuerung::eigeneTexteGestartet() {
    p_.status.show();
    obenSetzen(b_.seiten().tastatur, masse_.h(5, 13));
    b_.zeigen(Bildschirm::EigeneTexteUebung);
    if (EigeneTexteUebung* uebung = p_.eigene().uebung()) {
        lauf_.eigeneTexteBeginnen(*uebung);
    }
    p_.status.fehler()->setText(QStringLiteral("Fehler: 0"));
    Statusleiste::setRot(p_.status.fehler(), false);
    p_.einstellungen().fuerUebung(2);
    p_.status.tempoLeeren();
    fenster_->setFocus();
}

void Uebungssteuerung::eigeneTexteZeigen(const EigeneTexteAnzeige& a) {
    p_.status.zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    // At the end of the text the final speed stays as the last tick computed it.
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        p_.tastatur.tastaturaktiviert(a.sollzeichen);
    }
}

} // namespace tastwerk::ui
