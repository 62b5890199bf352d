#include "ui/navigation.h"

#include "platform/datei.h"
#include "platform/datentraeger.h"
#include "session/benutzerdatei.h"
#include "session/sitzung.h"
#include "ui/aktionen.h"
#include "ui/anmeldung.h"
#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/bildschirme.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/hilfefenster.h"
#include "ui/infofenster.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/qt_plattform.h"
#include "ui/seitenbau.h"
#include "ui/uebungssteuerung.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace tastwerk::ui {

Navigation::Navigation(Sitzung& sitzung, Benutzerdatei& datei, Datentraeger& datentraeger, Aktionen& aktionen,
                       const Uebungsaktionen& uebungsaktionen, Bildschirme& bildschirme, Seitenbau& seitenbau,
                       Uebungssteuerung& steuerung, Anmeldung& anmeldung, Logo& logo,
                       const QWidget& namensfeld, const Masse& m, QWidget& fenster)
    : QObject(&fenster), sitzung_(sitzung), benutzerdatei_(datei), datentraeger_(datentraeger),
      aktionen_(aktionen), uebungsaktionen_(uebungsaktionen), bildschirme_(bildschirme),
      seitenbau_(seitenbau), steuerung_(steuerung), anmeldung_(anmeldung), namensfeld_(namensfeld), masse_(m),
      fenster_(fenster) {
    befehleVerbinden(logo);
    seitenVerbinden();
}

void Navigation::befehleVerbinden(Logo& logo) {
    connect(aktionen_.einstellungen, &QAction::triggered, this, &Navigation::einstellungenaktiviert);
    connect(aktionen_.menueEinstellungen, &QAction::triggered, this, &Navigation::einstellungenaktiviert);
    connect(aktionen_.extras, &QAction::triggered, this, &Navigation::extrasZeigen);
    connect(aktionen_.benutzerdaten, &QAction::triggered, this, &Navigation::benutzerdatenanzeigen);
    connect(aktionen_.menueBenutzerdaten, &QAction::triggered, this, &Navigation::benutzerdatenanzeigen);
    // Own texts from the main menu's popup.
    connect(aktionen_.textLaden, &QAction::triggered, this, [this] { seitenbau_.eigene().MenueTextladen(); });
    connect(aktionen_.textErstellen, &QAction::triggered, this,
            [this] { seitenbau_.eigene().MenueTextErstellen(); });
    connect(aktionen_.textAendern, &QAction::triggered, this,
            [this] { seitenbau_.eigene().MenueTextaendern(); });
    connect(aktionen_.menueExtras, &QAction::triggered, this, &Navigation::extrasZeigen);

    connect(aktionen_.hilfe, &QAction::triggered, this, &Navigation::hilfe1Click);
    connect(aktionen_.info, &QAction::triggered, this, &Navigation::info1Click);
    connect(&logo, &Logo::doppelklick, this, &Navigation::info1Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &fenster_);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &Navigation::hilfeThema);
    connect(bildschirme_.begruessung(), &Begruessungstext::angeklickt, this, &Navigation::memo1vergroessern);
    connect(aktionen_.textfensterVergroessern, &QAction::triggered, this, &Navigation::memo1vergroessern);
    connect(aktionen_.textfensterVerkleinern, &QAction::triggered, this, &Navigation::memo1verkleinern);
    connect(aktionen_.kopieren, &QAction::triggered, this, &Navigation::copyclip);
    connect(aktionen_.allesMarkieren, &QAction::triggered, this, &Navigation::memo1markieren);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState zustand) {
        if (zustand != Qt::ApplicationActive) {
            deaktiviert();
        }
    });
}

void Navigation::seitenVerbinden() {
    connect(&seitenbau_, &Seitenbau::extrasGebaut, this, [this](ExtrasSeite* x) {
        connect(x->fehlerstatistik(), &QPushButton::clicked, &steuerung_,
                &Uebungssteuerung::fehlerstatistikextras);
        connect(x->einsehen(), &QPushButton::clicked, this, &Navigation::benutzerdateiEinsehen);
        connect(x->eigeneTexte(), &QPushButton::clicked, this,
                [this] { seitenbau_.eigene().MenueEigeneTexte(); });
        // The learner's own position is saved before a repetition takes its place.
        connect(x, &ExtrasSeite::wiederholungGestartet, this, [this] {
            if (anmeldung_.datenaufdiskschreiben()) {
                steuerung_.startWiederholung();
            }
        });
        connect(x->schreibregeln(), &QPushButton::clicked, this, &Navigation::schreibregeln);
        connect(x->fingergymnastik(), &QPushButton::clicked, this, &Navigation::fingergym);
    });
    connect(&seitenbau_, &Seitenbau::benutzerdateiGebaut, this, [this](BenutzerdateiSeite* b) {
        connect(b, &BenutzerdateiSeite::geloescht, this, &Navigation::benutzerdateiEinsehen);
        connect(b, &BenutzerdateiSeite::tabelleVeraltet, this, &Navigation::benutzerdateiEinsehen);
    });
    connect(&seitenbau_, &Seitenbau::eigeneGebaut, this, [this](EigeneTexteSeite* e) {
        connect(e->hauptmenueKnopf(), &QPushButton::clicked, this, &Navigation::hauptmenue);
        connect(e, &EigeneTexteSeite::angezeigt, this,
                [this] { bildschirme_.zeigen(Bildschirm::EigeneTexte); });
        connect(e, &EigeneTexteSeite::vorschauGezeigt, this,
                [this] { aktionen_.menueleisteFreigeben(false); });
    });
}

void Navigation::einstellungenaktiviert() {
    seitenbau_.einstellungen().berichtigungAnzeigen();
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    obenSetzen(bildschirme_.seiten().einstellungen, masse_.h(0.2));
    bildschirme_.zeigen(Bildschirm::Einstellungen);
    seitenbau_.einstellungen().zielTexteAktualisieren();
    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
}

void Navigation::extrasZeigen() {
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    bildschirme_.zeigen(Bildschirm::Extras);
    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
}

void Navigation::hauptmenue() {
    obenSetzen(bildschirme_.seiten().tastatur, masse_.h(0.2));
    bildschirme_.zeigen(Bildschirm::Hauptmenue);
    aktionen_.menueleisteFreigeben(true);
}

void Navigation::benutzerdatenanzeigen() {
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    seitenbau_.benutzerdaten().anzeigen(freieKByte(datentraeger_, sitzung_.programmordner));
    obenSetzen(bildschirme_.seiten().benutzerdaten, masse_.h(0.2));
    bildschirme_.zeigen(Bildschirm::Benutzerdaten);
    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
}

void Navigation::benutzerdateiEinsehen() {
    // 1. The signed-in learner's row is current.
    if (!anmeldung_.datenaufdiskschreiben()) {
        return;
    }
    std::vector<Benutzerdatensatz> saetze;
    try {
        saetze = benutzerdatei_.alleLesen();
    } catch (const Dateifehler& fehler) {
        QMessageBox::critical(&fenster_, QApplication::applicationName(),
                              QStringLiteral("Die Benutzerdatei kann nicht gelesen werden.\n\n%1")
                                  .arg(QString::fromStdString(fehler.what())));
        return;
    }
    // 3. to 5.
    const bool lang = seitenbau_.benutzerdatei().fuellen(saetze);
    if (lang) {
        bildschirme_.begruessung()->hide();
    } else {
        bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
    }
    obenSetzen(bildschirme_.seiten().benutzerdatei, masse_.h(0.2));
    bildschirme_.zeigen(Bildschirm::Benutzerdatei);
}

// The rules and the gymnastics stand in front of the Extras screen and reach down into the welcome text's
// place: both wait hidden until the next screen shows them again.
void Navigation::schreibregeln() {
    // Their contents are made when first shown: most sessions open neither, and the rules' fixed-pitch
    // font is not loaded before then.
    bildschirme_.zeigen(Bildschirm::Schreibregeln);
}

void Navigation::fingergym() {
    bildschirme_.zeigen(Bildschirm::Fingergymnastik);
}

void Navigation::memo1vergroessern() {
    aktionen_.textfensterVergroessern->setEnabled(false);
    aktionen_.textfensterVerkleinern->setEnabled(true);
    bildschirme_.begruessung()->setToolTip(QString());
    if (namensfeld_.isEnabled()) {
        return; // before sign-in nothing else happens
    }
    bildschirme_.seiten().fehlerraster->hide();
    bildschirme_.begruessungPlatzieren(masse_.h(5, 26), masse_.h(50, 73));
    bildschirme_.begruessung()->raise();
}

void Navigation::memo1verkleinern() {
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(10, 43));
}

void Navigation::copyclip() {
    const QString auswahl = bildschirme_.begruessung()->textCursor().selectedText();
    if (!auswahl.isEmpty()) {
        QGuiApplication::clipboard()->setText(auswahl);
    }
}

void Navigation::memo1markieren() {
    bildschirme_.begruessung()->selectAll();
}

int Navigation::hilfekontext() const {
    const Seiten& seiten = bildschirme_.seiten();
    if (seiten.benutzerdatei->isVisible()) {
        return 5;
    }
    if (seiten.wortuebung->isVisible()) {
        return 3;
    }
    if (seiten.buchstabenuebung->isVisible()) {
        return 2;
    }
    return 1;
}

// Help and About are made when first asked for: most sessions open neither.
Hilfefenster& Navigation::hilfe() {
    if (!hilfe_) {
        hilfe_ = new Hilfefenster(datenordner(), &fenster_);
    }
    return *hilfe_;
}

void Navigation::hilfe1Click() {
    hilfePausieren();
    hilfe().inhaltZeigen();
}

void Navigation::hilfeThema() {
    hilfePausieren();
    hilfe().themaZeigen(hilfekontext());
}

void Navigation::hilfePausieren() {
    // As for the About box: a running exercise pauses while the help window is in front, unless the
    // learner paused it or has its settings open.
    const Uebungslauf& lauf = steuerung_.lauf();
    if (lauf.laeuft() && !lauf.pausiert() && !lauf.einstellungenOffen()) {
        steuerung_.bpause();
        hilfePause_ = true;
    }
}

void Navigation::fensterereignis(const QObject* ziel, const QEvent* e) {
    if ((ziel == hilfe_ && e->type() == QEvent::Hide) ||
        (ziel == &fenster_ && e->type() == QEvent::WindowActivate)) {
        hilfeVerlassen();
    }
}

void Navigation::hilfeVerlassen() {
    // Only the pause the help window made ends here; one the learner made meanwhile stays.
    if (!hilfePause_) {
        return;
    }
    hilfePause_ = false;
    if (steuerung_.pausiert() && steuerung_.laeuft()) {
        steuerung_.bpause();
    }
}

void Navigation::info1Click() {
    const Uebungslauf& lauf = steuerung_.lauf();
    // Only a pause made here is ended here; a pause of the learner's stays.
    const bool pausiertHier = lauf.laeuft() && !lauf.pausiert() && !lauf.einstellungenOffen();
    if (pausiertHier) {
        steuerung_.bpause();
    }
    QAction* befehle[] = {uebungsaktionen_.pause, uebungsaktionen_.hauptmenue};
    bool vorher[2];
    for (int k = 0; k < 2; ++k) {
        vorher[k] = befehle[k]->isEnabled();
        befehle[k]->setEnabled(false);
    }
    if (!info_) {
        info_ = new Infofenster(&fenster_);
    }
    info_->exec();
    if (pausiertHier && steuerung_.pausiert()) {
        steuerung_.bpause();
    }
    for (int k = 0; k < 2; ++k) {
        befehle[k]->setEnabled(vorher[k]);
    }
    fenster_.setFocus();
}

void Navigation::deaktiviert() {
    const Uebungslauf& lauf = steuerung_.lauf();
    if (lauf.laeuft() && !lauf.einstellungenOffen() && !lauf.pausiert() && lauf.begonnen()) {
        steuerung_.bpause();
    }
}

} // namespace tastwerk::ui
