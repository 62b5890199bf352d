// What the main window connects to its screens, made when each screen is first made: the Extras screen's
// buttons, the user table's requests and the own texts' way back to the main menu.
#include "ui/anmeldung.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/bildschirme.h"
#include "ui/eigene_texte_seite.h"
#include "ui/extras_seite.h"
#include "ui/hauptfenster.h"
#include "ui/uebungssteuerung.h"

#include <QPushButton>

namespace tastwerk::ui {

void Hauptfenster::seitenVerbinden() {
    Seitenbau* bau = seitenbau_;
    connect(bau, &Seitenbau::extrasGebaut, this, [this](ExtrasSeite* x) {
        connect(x->fehlerstatistik(), &QPushButton::clicked, steuerung_,
                &Uebungssteuerung::fehlerstatistikextras);
        connect(x->einsehen(), &QPushButton::clicked, this, &Hauptfenster::benutzerdateiEinsehen);
        connect(x->eigeneTexte(), &QPushButton::clicked, this,
                [this] { seitenbau_->eigene().MenueEigeneTexte(); });
        // The learner's own position is saved before a repetition takes its place.
        connect(x, &ExtrasSeite::wiederholungGestartet, this, [this] {
            if (anmeldung_->datenaufdiskschreiben()) {
                steuerung_->startWiederholung();
            }
        });
        connect(x->schreibregeln(), &QPushButton::clicked, this, &Hauptfenster::schreibregeln);
        connect(x->fingergymnastik(), &QPushButton::clicked, this, &Hauptfenster::fingergym);
        connect(x->lernverlauf(), &QPushButton::clicked, this, &Hauptfenster::lernverlaufZeigen);
    });
    connect(bau, &Seitenbau::benutzerdateiGebaut, this, [this](BenutzerdateiSeite* b) {
        connect(b, &BenutzerdateiSeite::geloescht, this, &Hauptfenster::benutzerdateiEinsehen);
        connect(b, &BenutzerdateiSeite::tabelleVeraltet, this, &Hauptfenster::benutzerdateiEinsehen);
        connect(b, &BenutzerdateiSeite::klassenuebersichtVerlangt, this,
                &Hauptfenster::klassenuebersichtZeigen);
        b->auchLoeschen = [this](const std::string& name) {
            // The folder is locked by the deletion of the record already.
            return verlauf().loeschen(name, true);
        };
    });
    connect(bau, &Seitenbau::eigeneGebaut, this, [this](EigeneTexteSeite* e) {
        connect(e->hauptmenueKnopf(), &QPushButton::clicked, this, &Hauptfenster::hauptmenue);
        connect(e, &EigeneTexteSeite::angezeigt, this,
                [this] { bildschirme_->zeigen(Bildschirm::EigeneTexte); });
        connect(e, &EigeneTexteSeite::vorschauGezeigt, this,
                [this] { aktionen_.menueleisteFreigeben(false); });
    });
}

} // namespace tastwerk::ui
