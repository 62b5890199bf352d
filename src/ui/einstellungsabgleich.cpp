#include "ui/einstellungsabgleich.h"

#include "session/sitzung.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/farben.h"
#include "ui/seitenbau.h"
#include "ui/statistik_seite.h"
#include "ui/tastatur_widget.h"

#include <QCheckBox>
#include <QMenu>

namespace tastwerk::ui {

Einstellungsabgleich::Einstellungsabgleich(Sitzung& sitzung, Seitenbau& seitenbau, QObject* parent)
    : QObject(parent), sitzung_(sitzung), seitenbau_(seitenbau) {
    // Colours, fonts and the sound options take effect at once in the screens that show them.
    connect(&seitenbau_, &Seitenbau::einstellungenGebaut, this, [this](EinstellungenSeite* e) {
        connect(e, &EinstellungenSeite::farbenGeaendert, this, [this] {
            auto* b = seitenbau_.schonGebaut<BuchstabenSeite>();
            if (b) {
                b->legendeFaerben(sitzung_.farben);
            }
            seitenbau_.tastatur.einfaerben(sitzung_.tastaturlektion, sitzung_.farben);
            if (b) {
                Farbepruefen(b->hintergrundMenue(), sitzung_.farben);
            }
        });
        connect(e, &EinstellungenSeite::schriftenGeaendert, this, [this] {
            if (auto* eigene = seitenbau_.schonGebaut<EigeneTexteSeite>()) {
                eigene->schriftAnwenden();
            }
        });
        connect(e, &EinstellungenSeite::tonBeiTippfehlerGeaendert, this, [this](bool an) {
            if (auto* b = seitenbau_.schonGebaut<BuchstabenSeite>()) {
                b->popupBeiTippfehler()->setChecked(an);
            }
        });
        connect(e, &EinstellungenSeite::stimmeGeaendert, this, [this](bool an) {
            if (auto* b = seitenbau_.schonGebaut<BuchstabenSeite>()) {
                b->popupStimme()->setChecked(an);
            }
        });
    });
    connect(&seitenbau_, &Seitenbau::buchstabenGebaut, this, [this](BuchstabenSeite* b) {
        connect(b->hintergrundMenue(), &QMenu::aboutToShow, this,
                [this, b] { Farbepruefen(b->hintergrundMenue(), sitzung_.farben); });
        // The sound settings: the check boxes "Bei" and "Stimme" and the popup items in step.
        connect(b->popupBeiTippfehler(), &QAction::triggered, this, [this](bool an) {
            sitzung_.tonBeiTippfehler = an;
            seitenbau_.einstellungen().beiTippfehler()->setChecked(an);
        });
        connect(b->popupStimme(), &QAction::triggered, this, [this](bool an) {
            sitzung_.stimme = an;
            seitenbau_.einstellungen().stimme()->setChecked(an);
        });
        if (sitzung_.angemeldet) {
            buchstabenEinstellen(*b);
        }
    });
}

void Einstellungsabgleich::angemeldet() {
    if (auto* statistik = seitenbau_.schonGebaut<StatistikSeite>()) {
        statistik->skalierung();
    }
    seitenbau_.tastatur.setSchriftfarbe(sitzung_.tastaturschriftfarbe);
    if (auto* buchstaben = seitenbau_.schonGebaut<BuchstabenSeite>()) {
        buchstabenEinstellen(*buchstaben);
    }
    if (auto* eigene = seitenbau_.schonGebaut<EigeneTexteSeite>()) {
        eigene->schriftAnwenden();
    }
}

void Einstellungsabgleich::buchstabenEinstellen(BuchstabenSeite& b) {
    b.hintergrundSetzen(sitzung_.hintergrundfarbe);
    b.legendeFaerben(sitzung_.farben);
    b.popupBeiTippfehler()->setChecked(sitzung_.tonBeiTippfehler);
    b.popupStimme()->setChecked(sitzung_.stimme);
    Farbepruefen(b.hintergrundMenue(), sitzung_.farben);
}

} // namespace tastwerk::ui
