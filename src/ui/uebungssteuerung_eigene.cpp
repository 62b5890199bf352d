// The own-texts exercise on the main window: its start, its settings view and its display.
#include "ui/begruessungstext.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/seiten.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"

#include <QPlainTextEdit>

namespace tastwerk::ui {

void Uebungssteuerung::eigeneTexteGestartet() {
    Seiten& seiten = *t_.seiten;
    t_.logo->hide();
    t_.begruessung->hide();
    for (QGroupBox* g : {seiten.einstellungen, seiten.benutzerdaten, seiten.benutzerdatei, seiten.hauptmenue,
                         seiten.extras, seiten.fehlerstatistik}) {
        g->hide();
    }
    t_.status->show();
    obenSetzen(seiten.tastatur, t_.masse.h(5, 13));
    seiten.tastatur->show();
    if (EigeneTexteUebung* uebung = t_.eigene->uebung()) {
        lauf_.eigeneTexteBeginnen(*uebung);
    }
    t_.status->fehler()->setText(QStringLiteral("Fehler: 0"));
    Statusleiste::setRot(t_.status->fehler(), false);
    t_.einstellungen->schriftZiele()[2]->setChecked(true);
    t_.status->tempoLeeren();
    t_.fenster->setFocus();
}

void Uebungssteuerung::eigeneTexteZeigen(const EigeneTexteAnzeige& a) {
    t_.status->zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    // At the end of the text the final speed stays as the last tick computed it.
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        t_.tastatur->tastaturaktiviert(a.sollzeichen);
    }
}

void Uebungssteuerung::eigeneTexteeinstellungen() {
    EigeneTexteSeite& e = *t_.eigene;
    t_.einstellungen->stimme()->setEnabled(false);
    // The time with the settings open is no practice time: the clock stands still meanwhile.
    einstellungenUmschalten(e.einstellungenKnopf(), nullptr, {e.neuAnfangenKnopf(), e.pauseKnopf()}, nullptr);
}

} // namespace tastwerk::ui
