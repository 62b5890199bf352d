// The word exercise and the two error statistics on the main window.
#include "platform/zeichensatz.h"
#include "stats/gesamtstatistik.h"
#include "ui/aktionen.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/fehlerraster.h"
#include "ui/leinwand.h"
#include "ui/schriften.h"
#include "ui/seiten.h"
#include "ui/seitenbau.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"
#include "ui/zugaenglichkeit.h"

#include <QApplication>
#include <QMessageBox>

namespace tastwerk::ui {

void Uebungssteuerung::wortuebungEinrichten() {
    WortSeite& w = p_.wort();
    // 1.
    p_.einstellungen().stimmeFreigeben(false);
    p_.einstellungen().fuerUebung(1);
    // 3.
    w.wiederholung()->clear();
    zufallSaeen();
    // 5. The line in the word exercise's font.
    QFont zeilenschrift =
        gespeicherteSchriftart(s_.schriftarten[1], masse_.punkte(s_.schriftgroessen[1]), s_.schriftstil2);
    zeilenschrift.setPointSizeF(masse_.gespeichertePunkte(s_.schriftgroessen[1]));
    schriftSetzen(w.zeile(), zeilenschrift);
    // 4. and 6.
    p_.status.show();
    obenSetzen(b_.seiten().tastatur, masse_.h(0.385));
    b_.zeigen(Bildschirm::Wortuebung);
    // 7. to 13.
    lauf_.wortuebungEinrichten();
    p_.status.tempoLeeren();
    w.rahmen()->setTitle(QString::fromStdString(lauf_.wortuebung().anzeige().gruppentitel));
    w.lernzielTitel()->setText(QString::fromUtf8(LernzielTitel));
    w.lernziel()->show();
    // Only the way back to the main menu before the first keystroke.
    a_.freigeben(false);
    a_.hauptmenue->setEnabled(true);
    // 14.
    wortZeigen();
    fenster_->setFocus();
}

void Uebungssteuerung::wortGetippt(const Laufschritt& lauf) {
    const Wortschritt& schritt = lauf.wort;
    if (schritt.erster) {
        a_.freigeben(true);
    }
    if (schritt.statistikNeu) {
        statistikAusZaehlern(lauf_.wortuebung().fingerzaehler());
    }
    wortZeigen();
    if (schritt.bestanden) {
        wortBestanden(lauf);
    }
}

void Uebungssteuerung::wortZeigen() {
    const Wortanzeige& a = lauf_.wortuebung().anzeige();
    WortSeite& w = p_.wort();
    w.zeileZeigen(QString::fromStdString(a.zeile), a.auswahlStart, a.auswahlLaenge);
    w.wiederholung()->setText(QString::fromStdString(a.wiederholungshinweis));
    // The percentage stands beside its title; a screen reader hears them together.
    const QString ziel = QString::fromStdString(a.lernziel);
    w.lernziel()->setText(ziel);
    nameMelden(w.lernziel(), w.lernzielTitel()->text().trimmed() + QLatin1Char(' ') + ziel.trimmed());
    w.fortschritt()->setValue(std::clamp(a.fortschritt, 0, 100));
    p_.status.zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        p_.tastatur.tastaturaktiviert(a.sollzeichen);
    }
}

void Uebungssteuerung::wortBestanden(const Laufschritt& lauf) {
    const Wortschritt& schritt = lauf.wort;
    WortSeite& w = p_.wort();
    w.lernziel()->clear();
    w.lernziel()->hide();
    w.lernzielTitel()->setText(QString::fromUtf8(LernzielErreichtText));
    w.fortschritt()->setValue(100);
    QMessageBox::information(fenster_, QString::fromStdString(schritt.meldungTitel),
                             QString::fromStdString(schritt.meldungText));
    if (schritt.wiederholungBeendet) {
        buchstabenuebungAbbruch();
        return;
    }
    s_.uebungsstufe = 0;
    // The practice run has recorded the lesson's rates into the overall statistics.
    if (lauf.gesamtstatistik) {
        gesamtfehlerstatistik(*lauf.gesamtstatistik);
    }
    p_.status.hide();
    QMessageBox::information(fenster_, QApplication::applicationName(),
                             QString::fromUtf8(HinweisNachLektion));
    lauf_.naechstePositionUebernehmen(schritt);
    startvorbereiten();
}

void Uebungssteuerung::statistikAusZaehlern(const Fingerzaehler& zaehler) {
    p_.statistik().fehlerstatistik(s_.lektionNr, statistikberechnen(zaehler), anschlaegeVon(zaehler),
                                   fehlerVon(zaehler));
}

void Uebungssteuerung::fehlerstatistikAktivieren() {
    obenSetzen(b_.seiten().fehlerstatistik, int(masse_.hoehe / 2.6));
    lauf_.ansichtSetzen(Ansicht::Statistik);
    a_.tastatur->setEnabled(true);
    b_.zeigen(Bildschirm::Uebungsstatistik);
}

void Uebungssteuerung::rasterFuellen() {
    for (int lektion = 1; lektion <= 16; ++lektion) {
        for (int f = 1; f <= FingergruppenAnzahl; ++f) {
            p_.raster().setZelle(
                lektion, f, QString::fromStdString(rasterzelle(s_, static_cast<Fingergruppe>(f), lektion)));
        }
    }
}

void Uebungssteuerung::gesamtfehlerstatistik(const Fingerfehlerquoten& quoten) {
    const Seiten& seiten = b_.seiten();
    const bool ausExtras = lauf_.ansicht() == Ansicht::Gesamtstatistik;
    // 1. and 2.
    if (!ausExtras) {
        obenSetzen(seiten.fehlerraster, masse_.h(1, 120));
    }
    // 3. to 5. The lesson's rates from both exercises' counters together.
    const Fingerzaehler gesamt = zusammenzaehlen(s_.fingerzaehler, lauf_.wortuebung().fingerzaehler());
    if (!ausExtras) {
        p_.statistik().fehlerstatistik(s_.lektionNr, quoten, anschlaegeVon(gesamt), fehlerVon(gesamt));
    }
    // 6. to 8.
    obenSetzen(seiten.fehlerstatistik, int(masse_.hoehe / 2.18));
    rasterFuellen();
    b_.zeigen(ausExtras ? Bildschirm::GesamtstatistikExtras : Bildschirm::Gesamtstatistik);
    lauf_.ansichtSetzen(Ansicht::Statistik);
}

void Uebungssteuerung::fehlerstatistikextras() {
    lauf_.ansichtSetzen(Ansicht::Gesamtstatistik);
    // The grid stands in front of the Extras screen, which waits hidden behind it.
    obenSetzen(b_.seiten().fehlerraster, masse_.h(50, 261));
    gesamtfehlerstatistik(lauf_.gesamtstatistikEintragen());
}

} // namespace tastwerk::ui
