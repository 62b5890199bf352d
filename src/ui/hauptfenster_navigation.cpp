// The navigation of the main window: which command shows which screen, the welcome text window, help,
// the About box and the automatic pause when the program loses the focus.
#include "platform/datei.h"
#include "ui/anmeldung.h"
#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/extras_seite.h"
#include "ui/fehlerraster.h"
#include "ui/hauptfenster.h"
#include "ui/hilfefenster.h"
#include "ui/infofenster.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/namensfeld.h"
#include "ui/qt_plattform.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QShortcut>

namespace tastwerk::ui {

void Hauptfenster::navigationVerbinden() {
    connect(aktionen_.hilfe, &QAction::triggered, this, &Hauptfenster::hilfe1Click);
    connect(aktionen_.info, &QAction::triggered, this, &Hauptfenster::info1Click);
    connect(logo_, &Logo::doppelklick, this, &Hauptfenster::info1Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &Hauptfenster::hilfeThema);
    connect(begruessung_, &Begruessungstext::angeklickt, this, &Hauptfenster::memo1vergroessern);
    connect(aktionen_.textfensterVergroessern, &QAction::triggered, this, &Hauptfenster::memo1vergroessern);
    connect(aktionen_.textfensterVerkleinern, &QAction::triggered, this, &Hauptfenster::memo1verkleinern);
    connect(aktionen_.kopieren, &QAction::triggered, this, &Hauptfenster::copyclip);
    connect(aktionen_.allesMarkieren, &QAction::triggered, this, &Hauptfenster::memo1markieren);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState zustand) {
        if (zustand != Qt::ApplicationActive) {
            deaktiviert();
        }
    });
}

void Hauptfenster::hauptmenue() {
    obenSetzen(seiten_.tastatur, masse_.h(0.2));
    bildschirme_->zeigen(Bildschirm::Hauptmenue);
    aktionen_.menueleisteFreigeben(true);
}

void Hauptfenster::benutzerdatenanzeigen() {
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    seitenbau_->benutzerdaten().anzeigen(freieKByte(*umgebung_.datentraeger, sitzung_.programmordner));
    obenSetzen(seiten_.benutzerdaten, masse_.h(0.2));
    bildschirme_->zeigen(Bildschirm::Benutzerdaten);
    bildschirme_->begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
}

void Hauptfenster::benutzerdateiEinsehen() {
    // 1. The signed-in learner's row is current.
    if (!anmeldung_->datenaufdiskschreiben()) {
        return;
    }
    std::vector<Benutzerdatensatz> saetze;
    try {
        saetze = benutzerdatei_.alleLesen();
    } catch (const Dateifehler& fehler) {
        QMessageBox::critical(this, QApplication::applicationName(),
                              QStringLiteral("Die Benutzerdatei kann nicht gelesen werden.\n\n%1")
                                  .arg(QString::fromStdString(fehler.what())));
        return;
    }
    // 3. to 5.
    const bool lang = seitenbau_->benutzerdatei().fuellen(saetze);
    if (lang) {
        begruessung_->hide();
    } else {
        bildschirme_->begruessungPlatzieren(masse_.h(50, 77), masse_.h(5, 21));
    }
    obenSetzen(seiten_.benutzerdatei, masse_.h(0.2));
    bildschirme_->zeigen(Bildschirm::Benutzerdatei);
}

// The rules and the gymnastics stand in front of the Extras screen and reach down into the welcome text's
// place: both wait hidden until the next screen shows them again.
void Hauptfenster::schreibregeln() {
    // Their contents are made when first shown: most sessions open neither, and the rules' fixed-pitch
    // font is not loaded before then.
    bildschirme_->zeigen(Bildschirm::Schreibregeln);
}

void Hauptfenster::fingergym() {
    bildschirme_->zeigen(Bildschirm::Fingergymnastik);
}

void Hauptfenster::memo1vergroessern() {
    aktionen_.textfensterVergroessern->setEnabled(false);
    aktionen_.textfensterVerkleinern->setEnabled(true);
    begruessung_->setToolTip(QString());
    if (namensfeld_->isEnabled()) {
        return; // before sign-in nothing else happens
    }
    seiten_.fehlerraster->hide();
    bildschirme_->begruessungPlatzieren(masse_.h(5, 26), masse_.h(50, 73));
    begruessung_->raise();
}

void Hauptfenster::memo1verkleinern() {
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    bildschirme_->begruessungPlatzieren(masse_.h(50, 77), masse_.h(10, 43));
}

void Hauptfenster::copyclip() {
    const QString auswahl = begruessung_->textCursor().selectedText();
    if (!auswahl.isEmpty()) {
        QGuiApplication::clipboard()->setText(auswahl);
    }
}

void Hauptfenster::memo1markieren() {
    begruessung_->selectAll();
}

int Hauptfenster::hilfekontext() const {
    if (seiten_.benutzerdatei->isVisible()) {
        return 5;
    }
    if (seiten_.wortuebung->isVisible()) {
        return 3;
    }
    if (seiten_.buchstabenuebung->isVisible()) {
        return 2;
    }
    return 1;
}

// Help and About are made when first asked for: most sessions open neither.
Hilfefenster& Hauptfenster::hilfe() {
    if (!hilfe_) {
        hilfe_ = new Hilfefenster(datenordner(), this);
    }
    return *hilfe_;
}

void Hauptfenster::hilfe1Click() {
    hilfePausieren();
    hilfe().inhaltZeigen();
}

void Hauptfenster::hilfeThema() {
    hilfePausieren();
    hilfe().themaZeigen(hilfekontext());
}

void Hauptfenster::hilfePausieren() {
    // As for the About box: a running exercise pauses while the help window is in front, unless the
    // learner paused it or has its settings open.
    const Uebungslauf& lauf = steuerung_->lauf();
    if (lauf.laeuft() && !lauf.pausiert() && !lauf.einstellungenOffen()) {
        steuerung_->bpause();
        hilfePause_ = true;
    }
}

void Hauptfenster::hilfeVerlassen() {
    // Only the pause the help window made ends here; one the learner made meanwhile stays.
    if (!hilfePause_) {
        return;
    }
    hilfePause_ = false;
    if (steuerung_->pausiert() && steuerung_->laeuft()) {
        steuerung_->bpause();
    }
}

void Hauptfenster::info1Click() {
    const Uebungslauf& lauf = steuerung_->lauf();
    // Only a pause made here is ended here; a pause of the learner's stays.
    const bool pausiertHier = lauf.laeuft() && !lauf.pausiert() && !lauf.einstellungenOffen();
    if (pausiertHier) {
        steuerung_->bpause();
    }
    QAction* befehle[] = {uebungsaktionen_.pause, uebungsaktionen_.hauptmenue};
    bool vorher[2];
    for (int k = 0; k < 2; ++k) {
        vorher[k] = befehle[k]->isEnabled();
        befehle[k]->setEnabled(false);
    }
    if (!info_) {
        info_ = new Infofenster(this);
    }
    info_->exec();
    if (pausiertHier && steuerung_->pausiert()) {
        steuerung_->bpause();
    }
    for (int k = 0; k < 2; ++k) {
        befehle[k]->setEnabled(vorher[k]);
    }
    setFocus();
}

void Hauptfenster::deaktiviert() {
    const Uebungslauf& lauf = steuerung_->lauf();
    if (lauf.laeuft() && !lauf.einstellungenOffen() && !lauf.pausiert() && lauf.begonnen()) {
        steuerung_->bpause();
    }
}

} // namespace tastwerk::ui
