// Sign-in, save and shutdown of the main window.
#include "platform/datei.h"
#include "platform/zeichensatz.h"
#include "session/anmeldung.h"
#include "session/satzpruefung.h"
#include "ui/begruessungstext.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/hauptfenster.h"
#include "ui/namensfeld.h"
#include "ui/statistik_seite.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>

namespace tastwerk::ui {

namespace {
bool istEnter(int taste) {
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}
} // namespace

void Hauptfenster::editfeld(int taste, int laengeVorher, const QString& textVorher) {
    sitzung_.namenslaenge = std::min(laengeVorher, int(NamenKapazitaet));
    if (istEnter(taste) && sitzung_.namenslaenge >= 1 && !sitzung_.angemeldet) {
        if (anmelden(textVorher.left(int(NamenKapazitaet)))) {
            angemeldetAnzeigen();
        }
    }
    seitenbau_->wiederholungsTastenZeigen(sitzung_.tastaturlayout == Tastaturlayout::USA
                                              ? QStringLiteral("a s d f  j k l ; + Leertaste")
                                              : QStringLiteral("a s d f  j k l ö + Leertaste"));
}

bool Hauptfenster::anmelden(const QString& name) {
    // The name box holds only characters that the user file can hold.
    const auto cp1252 = utf8ZuCp1252(name.toStdString());
    if (!cp1252) {
        return false;
    }
    Anmeldeergebnis ergebnis;
    for (bool angemeldet = false; !angemeldet;) {
        try {
            ergebnis = tastwerk::anmelden(sitzung_, benutzerdatei_, *umgebung_.uhr, *cp1252);
            angemeldet = true;
        } catch (const KeineBenutzerdatei& fehler) {
            if (!andererOrdner(QString::fromStdString(fehler.pfad()))) {
                return false;
            }
        } catch (const Dateifehler& fehler) {
            QMessageBox::critical(
                this, QApplication::applicationName(),
                QStringLiteral("Die Anmeldung ist nicht möglich, weil die Benutzerdatei nicht "
                               "gelesen oder geschrieben werden kann.\n\n%1")
                    .arg(QString::fromStdString(fehler.what())));
            return false;
        }
    }
    if (ergebnis.sicherungskopie) {
        QMessageBox::warning(
            this, QApplication::applicationName(),
            QStringLiteral("Die Benutzerdatei war beschädigt: Am Ende stand ein unvollständiger Eintrag.\n\n"
                           "Die Datei wurde unverändert als\n%1\ngesichert. Alle vollständigen Einträge "
                           "bleiben erhalten; der unvollständige Rest wurde entfernt.")
                .arg(QString::fromStdString(*ergebnis.sicherungskopie)));
    }
    return true;
}

bool Hauptfenster::andererOrdner(const QString& pfad) {
    for (;;) {
        QMessageBox frage(
            QMessageBox::Warning, QApplication::applicationName(),
            QStringLiteral("Die Datei\n%1\nist keine Benutzerdatei von Tastwerk: Sie enthält "
                           "keinen einzigen lesbaren Benutzereintrag.\n\nDie Datei bleibt "
                           "unverändert an ihrem Platz. Bitte wählen Sie einen anderen Ordner für "
                           "Ihre Benutzerdaten, oder beenden Sie das Programm.")
                .arg(pfad),
            QMessageBox::Open | QMessageBox::Close, this);
        frage.button(QMessageBox::Open)->setText(QStringLiteral("Anderen Ordner wählen …"));
        frage.button(QMessageBox::Close)->setText(QStringLiteral("Beenden"));
        frage.setDefaultButton(QMessageBox::Open);
        frage.setEscapeButton(QMessageBox::Close);
        if (frage.exec() != QMessageBox::Open) {
            // Nobody is signed in, so there is nothing to save and nothing to ask.
            beendenOhneFrage();
            return false;
        }
        const QString ordner = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Ordner für die Benutzerdaten wählen"), umgebung_.programmordner,
            QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (!ordner.isEmpty()) {
            // The user file and the folder "Texte" lie in the chosen folder from now on.
            umgebung_.programmordner = ordner;
            sitzung_.programmordner = ordner.toStdString();
            benutzerdatei_ = Benutzerdatei(sitzung_.programmordner);
            return true;
        }
    }
}

void Hauptfenster::angemeldetAnzeigen() {
    // 3. and 4. The practice functions become usable.
    aktionen_.hauptmenueFreigeben(true);
    aktionen_.menueleisteFreigeben(true);
    begruessung_->setToolTip(QStringLiteral("Bitte klicken Sie in dieses Fenster, um es zu vergrössern"));
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    seiten_.einstellungen->setEnabled(true);

    // 5.
    namensfeld_->hide();
    namensfeld_->setEnabled(false);
    namensaufforderung_->hide();
    bildschirme_->begruessungPlatzieren(masse_.h(50, 77), masse_.h(200, 923));

    // 11. and 12. The loaded values in the controls that show them.
    seitenbau_->einstellungen().anzeigen();
    steuerung_->tastaturlayoutAnwenden(sitzung_.tastaturlayout);
    // Screens made later take these values when they are made.
    if (auto* statistik = seitenbau_->schonGebaut<StatistikSeite>()) {
        statistik->skalierung();
    }
    seitenbau_->tastatur.setSchriftfarbe(sitzung_.tastaturschriftfarbe);
    if (auto* buchstaben = seitenbau_->schonGebaut<BuchstabenSeite>()) {
        buchstabenEinstellen(*buchstaben);
    }
    if (auto* eigene = seitenbau_->schonGebaut<EigeneTexteSeite>()) {
        eigene->schriftAnwenden();
    }
    // The name box has gone: the main menu's first button takes the keys.
    setFocus();
    bildschirme_->fokusGeben(Bildschirm::Hauptmenue);
}

bool Hauptfenster::datenaufdiskschreiben() {
    try {
        tastwerk::datenaufdiskschreiben(sitzung_, benutzerdatei_, *umgebung_.uhr);
        return true;
    } catch (const Dateifehler& fehler) {
        QMessageBox::critical(this, QApplication::applicationName(),
                              QStringLiteral("Ihre Daten konnten nicht gespeichert werden.\n\n%1")
                                  .arg(QString::fromStdString(fehler.what())));
        return false;
    }
}

void Hauptfenster::pausierenFallsLaeuft() {
    if (!steuerung_->pausiert()) {
        steuerung_->bpause();
    }
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (ohneFrage_) {
        e->accept();
        return;
    }
    const Uebungsart art = steuerung_->lauf().art();
    if (art == Uebungsart::Buchstabenuebung || art == Uebungsart::Wortuebung) {
        pausierenFallsLaeuft();
    }
    if (beimBeendenSpeichern(sitzung_)) {
        try {
            tastwerk::datenaufdiskschreiben(sitzung_, benutzerdatei_, *umgebung_.uhr);
        } catch (const Dateifehler& fehler) {
            // The learner decides knowing what ending now costs.
            QMessageBox::critical(
                this, QApplication::applicationName(),
                QStringLiteral("Ihre Daten konnten nicht gespeichert werden.\n\n%1\n\n"
                               "Wenn Sie Tastwerk jetzt beenden, geht der Lernfortschritt dieser Sitzung "
                               "verloren. Ihr Benutzereintrag behält den Stand der letzten Speicherung.")
                    .arg(QString::fromStdString(fehler.what())));
        }
    }
    const auto antwort =
        QMessageBox::question(this, QApplication::applicationName(), QStringLiteral("Tastwerk beenden ?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort == QMessageBox::Yes) {
        // A running exercise ends with the program.
        steuerung_->programmende();
        e->accept();
    } else {
        e->ignore();
    }
}

void Hauptfenster::beendenOhneFrage() {
    if (ohneFrage_) {
        return;
    }
    if (beimBeendenSpeichern(sitzung_)) {
        try {
            tastwerk::datenaufdiskschreiben(sitzung_, benutzerdatei_, *umgebung_.uhr);
        } catch (const Dateifehler&) {
            // Nobody is there to read a message any more; the record keeps its last saved state.
            qWarning("Tastwerk: die Sitzung konnte beim Beenden nicht gespeichert werden.");
        }
    }
    ohneFrage_ = true;
    steuerung_->programmende();
    close();
}

} // namespace tastwerk::ui
