#include "ui/anmeldung.h"

#include "platform/datei.h"
#include "platform/zeichensatz.h"
#include "session/anmeldung.h"
#include "session/benutzerdatei.h"
#include "session/satzpruefung.h"
#include "session/sitzung.h"
#include "ui/aktionen.h"
#include "ui/begruessungstext.h"
#include "ui/bildschirme.h"
#include "ui/einstellungen_seite.h"
#include "ui/einstellungsabgleich.h"
#include "ui/namensfeld.h"
#include "ui/seitenbau.h"
#include "ui/uebungssteuerung.h"
#include "ui/umgebung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace tastwerk::ui {

namespace {
bool istEnter(int taste) {
    return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}
} // namespace

Anmeldung::Anmeldung(Umgebung& umgebung, Sitzung& sitzung, Benutzerdatei& datei, Aktionen& aktionen,
                     Bildschirme& bildschirme, Seitenbau& seitenbau, Uebungssteuerung& steuerung,
                     Einstellungsabgleich& abgleich, Namensfeld& namensfeld, QLabel& namensaufforderung,
                     const Masse& m, QWidget& fenster)
    : QObject(&fenster), umgebung_(umgebung), sitzung_(sitzung), benutzerdatei_(datei), aktionen_(aktionen),
      bildschirme_(bildschirme), seitenbau_(seitenbau), steuerung_(steuerung), abgleich_(abgleich),
      namensfeld_(namensfeld), namensaufforderung_(namensaufforderung), masse_(m), fenster_(fenster) {
    connect(&namensfeld_, &Namensfeld::tasteGedrueckt, this, &Anmeldung::editfeld);
}

void Anmeldung::init() {
    // 1. Nothing of the practice is usable before a learner has signed in.
    aktionen_.start->setText(QStringLiteral("Start"));
    aktionen_.hauptmenueFreigeben(false);
    aktionen_.menueleisteFreigeben(false);

    // 2. and 3. The screen size; the window is laid out for it.
    sitzung_.bildschirmbreite = masse_.bildschirmbreite;
    sitzung_.bildschirmhoehe = masse_.bildschirmhoehe;
    sitzung_.angemeldet = false;

    // 6. The free space check, once the window is shown.
    QTimer::singleShot(0, this, &Anmeldung::speicherPruefen);

    // 7. Start values.
    sitzung_.wiederholungsLektion = 1;
    sitzung_.wiederholungsStufe = 0;
    aktionen_.textfensterVergroessern->setEnabled(false);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    const Zeitpunkt jetzt = umgebung_.uhr->jetzt();
    sitzung_.startstunde = jetzt.stunde;
    sitzung_.startminute = jetzt.minute;
    sitzung_.farben = Standardfarben;

    // 8. The lesson error grid is prepared when it is made.

    // 9. and 10.
    sitzung_.tastaturlektion = 17;
    bildschirme_.zeigen(Bildschirm::Anmeldung);

    // 11. The start folder holds the user file; it is opened at sign-in.
    sitzung_.programmordner = umgebung_.programmordner.toStdString();

    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(10, 43));
    seitenbau_.wiederholungsTastenZeigen(QStringLiteral("a s d f  j k l ö + Leertaste"));
    namensfeld_.setFocus();
}

void Anmeldung::speicherPruefen() {
    if (!zuWenigSpeicher(*umgebung_.datentraeger, sitzung_.programmordner)) {
        return;
    }
    QMessageBox::critical(
        &fenster_, QApplication::applicationName(),
        QStringLiteral("Es ist nicht genug Speicherkapazität auf dem Datenträger vorhanden!\n\n"
                       "Das Programm \"Tastwerk\" kann nicht fehlerfrei ausgeführt werden!"));
}

void Anmeldung::editfeld(int taste, int laengeVorher, const QString& textVorher) {
    sitzung_.namenslaenge = std::min(laengeVorher, int(NamenKapazitaet));
    if (istEnter(taste) && sitzung_.namenslaenge >= 1 && !sitzung_.angemeldet) {
        if (anmelden(textVorher.left(int(NamenKapazitaet)))) {
            angemeldetAnzeigen();
        }
    }
    seitenbau_.wiederholungsTastenZeigen(sitzung_.tastaturlayout == Tastaturlayout::USA
                                             ? QStringLiteral("a s d f  j k l ; + Leertaste")
                                             : QStringLiteral("a s d f  j k l ö + Leertaste"));
}

bool Anmeldung::anmelden(const QString& name) {
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
                &fenster_, QApplication::applicationName(),
                QStringLiteral("Die Anmeldung ist nicht möglich, weil die Benutzerdatei nicht "
                               "gelesen oder geschrieben werden kann.\n\n%1")
                    .arg(QString::fromStdString(fehler.what())));
            return false;
        }
    }
    if (ergebnis.sicherungskopie) {
        QMessageBox::warning(
            &fenster_, QApplication::applicationName(),
            QStringLiteral("Die Benutzerdatei war beschädigt: Am Ende stand ein unvollständiger Eintrag.\n\n"
                           "Die Datei wurde unverändert als\n%1\ngesichert. Alle vollständigen Einträge "
                           "bleiben erhalten; der unvollständige Rest wurde entfernt.")
                .arg(QString::fromStdString(*ergebnis.sicherungskopie)));
    }
    return true;
}

bool Anmeldung::andererOrdner(const QString& pfad) {
    for (;;) {
        QMessageBox frage(
            QMessageBox::Warning, QApplication::applicationName(),
            QStringLiteral("Die Datei\n%1\nist keine Benutzerdatei von Tastwerk: Sie enthält "
                           "keinen einzigen lesbaren Benutzereintrag.\n\nDie Datei bleibt "
                           "unverändert an ihrem Platz. Bitte wählen Sie einen anderen Ordner für "
                           "Ihre Benutzerdaten, oder beenden Sie das Programm.")
                .arg(pfad),
            QMessageBox::Open | QMessageBox::Close, &fenster_);
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
            &fenster_, QStringLiteral("Ordner für die Benutzerdaten wählen"), umgebung_.programmordner,
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

void Anmeldung::angemeldetAnzeigen() {
    // 3. and 4. The practice functions become usable.
    aktionen_.hauptmenueFreigeben(true);
    aktionen_.menueleisteFreigeben(true);
    bildschirme_.begruessung()->setToolTip(
        QStringLiteral("Bitte klicken Sie in dieses Fenster, um es zu vergrössern"));
    aktionen_.textfensterVergroessern->setEnabled(true);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    bildschirme_.seiten().einstellungen->setEnabled(true);

    // 5.
    namensfeld_.hide();
    namensfeld_.setEnabled(false);
    namensaufforderung_.hide();
    bildschirme_.begruessungPlatzieren(masse_.h(50, 77), masse_.h(200, 923));

    // 11. and 12. The loaded values in the controls that show them.
    seitenbau_.einstellungen().anzeigen();
    steuerung_.tastaturlayoutAnwenden(sitzung_.tastaturlayout);
    abgleich_.angemeldet();
    // The name box has gone: the main menu's first button takes the keys.
    fenster_.setFocus();
    bildschirme_.fokusGeben(Bildschirm::Hauptmenue);
}

bool Anmeldung::datenaufdiskschreiben() {
    try {
        tastwerk::datenaufdiskschreiben(sitzung_, benutzerdatei_, *umgebung_.uhr);
        return true;
    } catch (const Dateifehler& fehler) {
        QMessageBox::critical(&fenster_, QApplication::applicationName(),
                              QStringLiteral("Ihre Daten konnten nicht gespeichert werden.\n\n%1")
                                  .arg(QString::fromStdString(fehler.what())));
        return false;
    }
}

void Anmeldung::pausierenFallsLaeuft() {
    if (!steuerung_.pausiert()) {
        steuerung_.bpause();
    }
}

void Anmeldung::schliessenFragen(QCloseEvent* e) {
    if (ohneFrage_) {
        e->accept();
        return;
    }
    const Uebungsart art = steuerung_.lauf().art();
    if (art == Uebungsart::Buchstabenuebung || art == Uebungsart::Wortuebung) {
        pausierenFallsLaeuft();
    }
    if (beimBeendenSpeichern(sitzung_)) {
        try {
            tastwerk::datenaufdiskschreiben(sitzung_, benutzerdatei_, *umgebung_.uhr);
        } catch (const Dateifehler& fehler) {
            // The learner decides knowing what ending now costs.
            QMessageBox::critical(
                &fenster_, QApplication::applicationName(),
                QStringLiteral("Ihre Daten konnten nicht gespeichert werden.\n\n%1\n\n"
                               "Wenn Sie Tastwerk jetzt beenden, geht der Lernfortschritt dieser Sitzung "
                               "verloren. Ihr Benutzereintrag behält den Stand der letzten Speicherung.")
                    .arg(QString::fromStdString(fehler.what())));
        }
    }
    const auto antwort = QMessageBox::question(&fenster_, QApplication::applicationName(),
                                               QStringLiteral("Tastwerk beenden ?"),
                                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (antwort == QMessageBox::Yes) {
        // A running exercise ends with the program.
        steuerung_.programmende();
        e->accept();
    } else {
        e->ignore();
    }
}

void Anmeldung::beendenOhneFrage() {
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
    steuerung_.programmende();
    fenster_.close();
}

} // namespace tastwerk::ui
