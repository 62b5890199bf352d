// The word exercise and the two error statistics on the main window.
#include "platform/zeichensatz.h"
#include "stats/gesamtstatistik.h"
#include "ui/aktionen.h"
#include "ui/begruessungstext.h"
#include "ui/buchstaben_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/fehlerraster.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/schriften.h"
#include "ui/seiten.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

#include <QApplication>
#include <QMessageBox>

namespace tastwerk::ui {

void Uebungssteuerung::wortuebungEinrichten() {
    Seiten& seiten = *t_.seiten;
    WortSeite& w = *t_.wort;
    // 1.
    t_.einstellungen->stimme()->setEnabled(false);
    for (QGroupBox* e : seiten.eigeneTexte) {
        e->hide();
    }
    t_.begruessung->hide();
    t_.einstellungen->schriftZiele()[1]->setChecked(true);
    // 3.
    w.wiederholung()->clear();
    zufallSaeen();
    // 4.
    w.rahmen()->show();
    for (QGroupBox* g : {seiten.hauptmenue, seiten.buchstabenuebung, seiten.einstellungen,
                         seiten.benutzerdaten, seiten.benutzerdatei, seiten.hinweistext}) {
        g->hide();
    }
    t_.logo->hide();
    // 5. The line in the word exercise's font.
    QFont zeilenschrift =
        gespeicherteSchriftart(s_.schriftarten[1], t_.masse.punkte(s_.schriftgroessen[1]), s_.schriftstil2);
    zeilenschrift.setPointSizeF(t_.masse.gespeichertePunkte(s_.schriftgroessen[1]));
    schriftSetzen(w.zeile(), zeilenschrift);
    // 6.
    t_.status->show();
    obenSetzen(seiten.tastatur, t_.masse.h(0.385));
    seiten.tastatur->show();
    seiten.fehlerstatistik->hide();
    // 7. to 13.
    lauf_.wortuebungEinrichten();
    t_.status->tempoLeeren();
    w.rahmen()->setTitle(QString::fromStdString(lauf_.wortuebung().anzeige().gruppentitel));
    w.lernzielTitel()->setText(QString::fromUtf8(LernzielTitel));
    w.lernziel()->show();
    for (QPushButton* k : {w.einstellungenKnopf(), w.tastaturKnopf(), w.statistikKnopf(), w.pauseKnopf()}) {
        k->setEnabled(false);
    }
    w.hauptmenueKnopf()->setEnabled(true);
    // 14.
    wortZeigen();
    t_.fenster->setFocus();
}

void Uebungssteuerung::wortGetippt(const Wortschritt& schritt) {
    if (schritt.erster) {
        WortSeite& w = *t_.wort;
        for (QPushButton* knopf :
             {w.einstellungenKnopf(), w.tastaturKnopf(), w.statistikKnopf(), w.pauseKnopf()}) {
            knopf->setEnabled(true);
        }
    }
    if (schritt.statistikNeu) {
        statistikAusZaehlern(lauf_.wortuebung().fingerzaehler());
    }
    wortZeigen();
    if (schritt.bestanden) {
        wortBestanden(schritt);
    }
}

void Uebungssteuerung::wortZeigen() {
    const Wortanzeige& a = lauf_.wortuebung().anzeige();
    WortSeite& w = *t_.wort;
    w.zeileZeigen(QString::fromStdString(a.zeile), a.auswahlStart, a.auswahlLaenge);
    w.wiederholung()->setText(QString::fromStdString(a.wiederholungshinweis));
    w.lernziel()->setText(QString::fromStdString(a.lernziel));
    w.fortschritt()->setValue(std::clamp(a.fortschritt, 0, 100));
    t_.status->zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        t_.tastatur->tastaturaktiviert(a.sollzeichen);
    }
}

void Uebungssteuerung::wortBestanden(const Wortschritt& schritt) {
    WortSeite& w = *t_.wort;
    w.lernziel()->clear();
    w.lernziel()->hide();
    w.lernzielTitel()->setText(QString::fromUtf8(LernzielErreichtText));
    w.fortschritt()->setValue(100);
    QMessageBox::information(t_.fenster, QString::fromStdString(schritt.meldungTitel),
                             QString::fromStdString(schritt.meldungText));
    if (schritt.wiederholungBeendet) {
        buchstabenuebungAbbruch();
        return;
    }
    s_.uebungsstufe = 0;
    gesamtfehlerstatistik();
    t_.status->hide();
    QMessageBox::information(t_.fenster, QApplication::applicationName(),
                             QString::fromUtf8(HinweisNachLektion));
    lauf_.naechstePositionUebernehmen(schritt);
    startvorbereiten();
    t_.seiten->fehlerraster->hide();
}

void Uebungssteuerung::statistikAusZaehlern(const Fingerzaehler& zaehler) {
    t_.statistik->fehlerstatistik(s_.lektionNr, statistikberechnen(zaehler), anschlaegeVon(zaehler),
                                  fehlerVon(zaehler));
}

void Uebungssteuerung::fehlerstatistikAktivieren() {
    Seiten& seiten = *t_.seiten;
    obenSetzen(seiten.fehlerstatistik, int(t_.masse.hoehe / 2.6));
    seiten.tastatur->hide();
    lauf_.ansichtSetzen(Ansicht::Statistik);
    t_.buchstaben->tastaturKnopf()->setEnabled(true);
    t_.wort->tastaturKnopf()->setEnabled(true);
    seiten.fehlerstatistik->show();
    seiten.fehlerstatistik->raise();
    t_.begruessung->hide();
}

void Uebungssteuerung::rasterFuellen() {
    for (int lektion = 1; lektion <= 16; ++lektion) {
        for (int f = 1; f <= FingergruppenAnzahl; ++f) {
            t_.raster->setZelle(
                lektion, f, QString::fromStdString(rasterzelle(s_, static_cast<Fingergruppe>(f), lektion)));
        }
    }
}

void Uebungssteuerung::gesamtfehlerstatistik() {
    Seiten& seiten = *t_.seiten;
    const bool ausExtras = lauf_.ansicht() == Ansicht::Gesamtstatistik;
    // 1. and 2.
    seiten.wortuebung->hide();
    if (!ausExtras) {
        obenSetzen(seiten.fehlerraster, t_.masse.h(1, 120));
    }
    // 3. to 5. The lesson's rates from both exercises' counters together.
    const Fingerzaehler& wort = lauf_.wortuebung().fingerzaehler();
    const Fingerzaehler gesamt = zusammenzaehlen(s_.fingerzaehler, wort);
    const Fingerfehlerquoten quoten = tastwerk::gesamtfehlerstatistik(s_, s_.fingerzaehler, wort);
    if (!ausExtras) {
        t_.statistik->fehlerstatistik(s_.lektionNr, quoten, anschlaegeVon(gesamt), fehlerVon(gesamt));
    }
    // 6.
    seiten.tastatur->hide();
    obenSetzen(seiten.fehlerstatistik, int(t_.masse.hoehe / 2.18));
    if (!ausExtras) {
        seiten.fehlerstatistik->show();
    }
    // 7. and 8.
    rasterFuellen();
    seiten.fehlerraster->show();
    seiten.fehlerraster->raise();
    lauf_.ansichtSetzen(Ansicht::Statistik);
}

void Uebungssteuerung::fehlerstatistikextras() {
    Seiten& seiten = *t_.seiten;
    lauf_.ansichtSetzen(Ansicht::Gesamtstatistik);
    // The grid stands in front of the Extras screen, which waits hidden behind it.
    for (QGroupBox* g : {seiten.fehlerstatistik, seiten.benutzerdaten, seiten.tastatur, seiten.extras}) {
        g->hide();
    }
    obenSetzen(seiten.fehlerraster, t_.masse.h(50, 261));
    seiten.fehlerraster->raise();
    gesamtfehlerstatistik();
}

void Uebungssteuerung::wortuebungeinstellungen() {
    WortSeite& w = *t_.wort;
    const bool schliesst = einstellungen_->isChecked();
    einstellungenUmschalten(w.einstellungenKnopf(), w.popupEinstellungen(),
                            {w.tastaturKnopf(), w.statistikKnopf(), w.pauseKnopf()}, w.popupPause());
    if (schliesst) {
        t_.buchstaben->statistikKnopf()->setEnabled(true);
        t_.buchstaben->tastaturKnopf()->setEnabled(true);
    }
}

} // namespace tastwerk::ui
