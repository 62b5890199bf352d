// What the main window connects to its screens, made when each screen is first made: the Extras screen's
// buttons, the user table's requests, the settings that take effect at once in other screens, and the
// own texts' way back to the main menu.
#include "ui/benutzerdatei_seite.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/farben.h"
#include "ui/hauptfenster.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"

#include <QCheckBox>
#include <QMenu>
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
            if (datenaufdiskschreiben()) {
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
    // Colours, fonts and the sound options take effect at once in the screens that show them.
    connect(bau, &Seitenbau::einstellungenGebaut, this, [this](EinstellungenSeite* e) {
        connect(e, &EinstellungenSeite::farbenGeaendert, this, [this] {
            auto* b = seitenbau_->schonGebaut<BuchstabenSeite>();
            if (b) {
                b->legendeFaerben(sitzung_.farben);
            }
            seitenbau_->tastatur.einfaerben(sitzung_.tastaturlektion, sitzung_.farben);
            if (b) {
                Farbepruefen(b->hintergrundMenue(), sitzung_.farben);
            }
        });
        connect(e, &EinstellungenSeite::schriftenGeaendert, this, [this] {
            if (auto* eigene = seitenbau_->schonGebaut<EigeneTexteSeite>()) {
                eigene->schriftAnwenden();
            }
        });
        connect(e, &EinstellungenSeite::tonBeiTippfehlerGeaendert, this, [this](bool an) {
            if (auto* b = seitenbau_->schonGebaut<BuchstabenSeite>()) {
                b->popupBeiTippfehler()->setChecked(an);
            }
        });
        connect(e, &EinstellungenSeite::stimmeGeaendert, this, [this](bool an) {
            if (auto* b = seitenbau_->schonGebaut<BuchstabenSeite>()) {
                b->popupStimme()->setChecked(an);
            }
        });
    });
    connect(bau, &Seitenbau::buchstabenGebaut, this, [this](BuchstabenSeite* b) {
        connect(b->hintergrundMenue(), &QMenu::aboutToShow, this,
                [this, b] { Farbepruefen(b->hintergrundMenue(), sitzung_.farben); });
        // The sound settings: the check boxes "Bei" and "Stimme" and the popup items in step.
        connect(b->popupBeiTippfehler(), &QAction::triggered, this, [this](bool an) {
            sitzung_.tonBeiTippfehler = an;
            seitenbau_->einstellungen().beiTippfehler()->setChecked(an);
        });
        connect(b->popupStimme(), &QAction::triggered, this, [this](bool an) {
            sitzung_.stimme = an;
            seitenbau_->einstellungen().stimme()->setChecked(an);
        });
        if (sitzung_.angemeldet) {
            buchstabenEinstellen(*b);
        }
    });
    connect(bau, &Seitenbau::eigeneGebaut, this, [this](EigeneTexteSeite* e) {
        connect(e->hauptmenueKnopf(), &QPushButton::clicked, this, &Hauptfenster::hauptmenue);
        connect(e, &EigeneTexteSeite::angezeigt, this,
                [this] { bildschirme_->zeigen(Bildschirm::EigeneTexte); });
        connect(e, &EigeneTexteSeite::vorschauGezeigt, this,
                [this] { aktionen_.menueleisteFreigeben(false); });
    });
}

void Hauptfenster::buchstabenEinstellen(BuchstabenSeite& b) {
    b.hintergrundSetzen(sitzung_.hintergrundfarbe);
    b.legendeFaerben(sitzung_.farben);
    b.popupBeiTippfehler()->setChecked(sitzung_.tonBeiTippfehler);
    b.popupStimme()->setChecked(sitzung_.stimme);
    Farbepruefen(b.hintergrundMenue(), sitzung_.farben);
}

} // namespace tastwerk::ui
