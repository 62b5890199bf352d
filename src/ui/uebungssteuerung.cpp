#include "ui/uebungssteuerung.h"

#include "course/hinweistexte.h"
#include "course/lektionskatalog.h"
#include "course/lektionswahl.h"
#include "keyboard/fingerkarte.h"
#include "keyboard/tastentabelle.h"
#include "platform/zeichensatz.h"
#include "ui/aktionen.h"
#include "ui/begruessungstext.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/farben.h"
#include "ui/hinweis_seite.h"
#include "ui/layout_auswahl.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/namensfeld.h"
#include "ui/seiten.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/wort_seite.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace tastwerk::ui {

namespace {
constexpr int IndexLeertaste = 8;
constexpr int IndexReturn = 13;
} // namespace

Uebungssteuerung::Uebungssteuerung(Fensterteile teile, QObject* parent)
    : QObject(parent), t_(std::move(teile)), s_(*t_.sitzung), lauf_(s_, liste_, zufall_, *t_.klang),
      pause_(new QAction(QStringLiteral("Pause"), this)),
      einstellungen_(new QAction(QStringLiteral("Einstellungen"), this)) {
    pause_->setCheckable(true);
    connect(pause_, &QAction::toggled, this, &Uebungssteuerung::pauseUmschalten);
    einstellungen_->setCheckable(true);
    BuchstabenSeite* b = t_.buchstaben;
    connect(b->hauptmenueKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(b->popupHauptmenue(), &QAction::triggered, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(t_.status->abbruch(), &QPushButton::clicked, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(b->pauseKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::bpause);
    connect(b->popupPause(), &QAction::triggered, this, &Uebungssteuerung::bpause);
    connect(t_.status->pauseAktion(), &QAction::triggered, this, &Uebungssteuerung::bpause);
    connect(b->einstellungenKnopf(), &QPushButton::clicked, this,
            &Uebungssteuerung::buchstabenuebungeinstellungen);
    connect(b->popupEinstellungen(), &QAction::triggered, this,
            &Uebungssteuerung::buchstabenuebungeinstellungen);
    connect(b->tastaturKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::tastatur);
    connect(b->statistikKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::fehlerstatistikAktivieren);
    connect(b->popupStatistik(), &QAction::triggered, this, &Uebungssteuerung::fehlerstatistikAktivieren);
    WortSeite* w = t_.wort;
    connect(w->hauptmenueKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(w->popupHauptmenue(), &QAction::triggered, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(w->pauseKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::bpause);
    connect(w->popupPause(), &QAction::triggered, this, &Uebungssteuerung::bpause);
    connect(w->einstellungenKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::wortuebungeinstellungen);
    connect(w->popupEinstellungen(), &QAction::triggered, this, &Uebungssteuerung::wortuebungeinstellungen);
    connect(w->tastaturKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::tastatur);
    connect(w->popupTastatur(), &QAction::triggered, this, &Uebungssteuerung::tastatur);
    connect(w->statistikKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::fehlerstatistikAktivieren);
    connect(w->popupStatistik(), &QAction::triggered, this, &Uebungssteuerung::fehlerstatistikAktivieren);
    EigeneTexteSeite* e = t_.eigene;
    connect(e->uebungHauptmenueKnopf(), &QPushButton::clicked, this,
            &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(e->pauseKnopf(), &QPushButton::clicked, this, &Uebungssteuerung::bpause);
    connect(e, &EigeneTexteSeite::pauseVerlangt, this, [this] {
        if (lauf_.art() == Uebungsart::EigeneTexte && !pausiert()) {
            bpause();
        }
    });
    connect(e->einstellungenKnopf(), &QPushButton::clicked, this,
            &Uebungssteuerung::eigeneTexteeinstellungen);
    connect(e, &EigeneTexteSeite::uebungGestartet, this, &Uebungssteuerung::eigeneTexteGestartet);
    connect(e, &EigeneTexteSeite::neuBeginnt, this, [this] {
        lauf_.eigeneTexteNeuBeginnen(t_.uhr->monotonMs());
        t_.status->tempoLeeren();
    });
    connect(e, &EigeneTexteSeite::anzeigeGeaendert, this, &Uebungssteuerung::eigeneTexteZeigen);
    connect(w->zeile(), &Zeilenanzeige::angeklickt, this, [this] {
        if (lauf_.art() == Uebungsart::Wortuebung && !pausiert()) {
            bpause();
            wortZeigen();
        }
    });
    connect(b->popupTastatur(), &QAction::triggered, this, &Uebungssteuerung::tastatur);
    connect(t_.hinweis, &HinweisSeite::startGedrueckt, this, &Uebungssteuerung::start);
    connect(t_.extras, &ExtrasSeite::wiederholungGestartet, this, &Uebungssteuerung::startWiederholung);
    connect(t_.extras, &ExtrasSeite::startVerlangt, this, &Uebungssteuerung::startvorbereiten);
    connect(t_.layoutAuswahl, &LayoutAuswahl::layoutGewaehlt, this,
            &Uebungssteuerung::tastaturlayoutAnwenden);
    lauf_.setBerichtEmpfaenger([this](const Uebungsbericht& b) { berichtAufzeichnen(b); });
    t_.klang->setSynchronEnde([this] { wartendeTastenNehmen(); });
    for (QAction* a : b->hintergrundMenue()->actions()) {
        connect(a, &QAction::triggered, this, [this, a] {
            s_.hintergrundfarbe = a->data().toUInt();
            t_.buchstaben->hintergrundSetzen(s_.hintergrundfarbe);
        });
    }
}

void Uebungssteuerung::programmende() {
    lauf_.verlassen(t_.uhr->monotonMs(), Uebungsende::Programmende);
}

void Uebungssteuerung::tastaturlayoutAnwenden(Tastaturlayout layout) {
    t_.seiten->tastatur->setToolTip(QString::fromUtf8(Tastentabelle::tastaturhinweis(layout).data(),
                                                      int(Tastentabelle::tastaturhinweis(layout).size())));
    t_.layoutAuswahl->setLayout(layout);
    s_.tastaturlayout = layout;
    t_.tastatur->layoutAnwenden(layout);
    liste_.layoutAnwenden(layout);
}

void Uebungssteuerung::zufallSaeen() {
    const Zeitpunkt z = t_.uhr->jetzt();
    const auto tagesMs =
        static_cast<std::uint32_t>(((z.stunde * 60 + z.minute) * 60 + z.sekunde) * 1000 + z.millisekunde);
    zufall_.setSaat(tagesMs ^ static_cast<std::uint32_t>(t_.uhr->monotonMs() * 2654435761u));
}

void Uebungssteuerung::startvorbereiten() {
    Aktionen& a = *t_.aktionen;
    Seiten& seiten = *t_.seiten;
    BuchstabenSeite& b = *t_.buchstaben;
    // 1.
    b.markierung()->clear();
    for (QGroupBox* e : seiten.eigeneTexte) {
        e->hide();
    }
    t_.einstellungen->schriftZiele()[0]->setChecked(true);
    a.menueleisteFreigeben(false);
    // 2.
    b.lernziel()->setText(QStringLiteral("Lernziel erreicht zu 0.0 %"));
    s_.tastaturlektion = s_.lektionNr;
    b.legendeFaerben(s_.farben);
    // 3.
    zufallSaeen();
    // 4.
    b.fortschritt()->setValue(0);
    obenSetzen(seiten.tastatur, t_.masse.h(0.385));
    seiten.tastatur->show();
    // No key of an earlier exercise stays pressed, and the statistics of a passed lesson go.
    t_.tastatur->tastaturaktiviert(0);
    for (QGroupBox* g : {seiten.extras, seiten.benutzerdatei, seiten.fehlerraster, seiten.fingergymnastik,
                         seiten.schreibregeln, seiten.fehlerstatistik}) {
        g->hide();
    }
    // 5. The word stage skips the introduction.
    if (s_.uebungsstufe == 1) {
        wortuebungEinrichten();
        WortSeite& w = *t_.wort;
        for (QPushButton* k :
             {w.einstellungenKnopf(), w.tastaturKnopf(), w.statistikKnopf(), w.pauseKnopf()}) {
            k->setEnabled(false);
        }
        return;
    }
    // 6.
    lauf_.buchstabenuebungVorbereiten();
    t_.status->tempoLeeren();
    // 7.
    for (QPushButton* k : {b.tastaturKnopf(), b.hauptmenueKnopf(), b.einstellungenKnopf(), b.statistikKnopf(),
                           b.pauseKnopf()}) {
        k->setEnabled(false);
    }
    for (QAction* p : {b.popupTastatur(), b.popupHauptmenue(), b.popupEinstellungen(), b.popupStatistik(),
                       b.popupPause()}) {
        p->setEnabled(false);
    }
    b.hintergrundMenue()->menuAction()->setEnabled(false);
    for (QGroupBox* g : {seiten.hauptmenue, seiten.einstellungen, seiten.benutzerdaten}) {
        g->hide();
    }
    t_.begruessung->hide();
    t_.namensfeld->hide();
    t_.namensaufforderung->hide();
    t_.logo->hide();
    // 8.
    b.startZeigen(buchstabenschrift(-1), s_.hintergrundfarbe);
    // 9.
    b.rahmen()->setTitle((s_.wiederholungAktiv ? QStringLiteral("Wiederholung") : QString()) +
                         QStringLiteral(" Buchstabenübung Lektion %1 ").arg(s_.lektionNr));
    // 10.
    t_.hinweis->fuellen(s_.lektionNr, hinweistext(s_.lektionNr, s_.tastaturlayout), s_.farben);
    // The introduction stands in front of the keyboard, which waits hidden behind it.
    seiten.tastatur->hide();
    t_.hinweis->rahmen()->show();
    t_.hinweis->rahmen()->raise();
    t_.hinweis->startknopf()->setFocus();
}

void Uebungssteuerung::start() {
    t_.hinweis->rahmen()->hide();
    t_.seiten->tastatur->show();
    lauf_.buchstabenuebungBeginnen();
    t_.buchstaben->hauptmenueKnopf()->setEnabled(true);
    t_.buchstaben->popupHauptmenue()->setEnabled(true);
    t_.buchstaben->rahmen()->show();
    t_.fenster->setFocus();
}

void Uebungssteuerung::startWiederholung() {
    // The learner's own position is saved before the repetition takes its place.
    if (!t_.speichern()) {
        return;
    }
    wiederholungBeginnen(s_);
    startvorbereiten();
}

QFont Uebungssteuerung::buchstabenschrift(int index) const {
    QFont schrift(QString::fromStdString(cp1252ZuUtf8(s_.schriftarten[0])));
    const Masse& m = t_.masse;
    if (index == IndexLeertaste) {
        schrift.setPointSize(m.punkte(m.breite * 0.05));
    } else if (index == IndexReturn) {
        schrift.setPointSize(m.punkte(m.breite * 0.0625));
    } else {
        schrift.setPointSizeF(m.gespeicherteBuchstabenpunkte(s_.schriftgroessen[0]));
    }
    return schrift;
}

void Uebungssteuerung::uebungen(Zeichen k) {
    const Laufschritt schritt = lauf_.taste(k, t_.uhr->monotonMs());
    if (schritt.abgewiesen) {
        return;
    }
    if (schritt.ersterAnschlag) {
        beginn_ = t_.uhr->jetzt();
    }
    switch (schritt.art) {
    case Uebungsart::Buchstabenuebung:
        buchstabeGetippt(schritt, k);
        break;
    case Uebungsart::Wortuebung:
        wortGetippt(schritt.wort);
        break;
    case Uebungsart::EigeneTexte:
        if (schritt.eigene != nullptr) {
            t_.eigene->anzeigen(*schritt.eigene);
        }
        break;
    case Uebungsart::Keine:
        break;
    }
}

bool Uebungssteuerung::tasteGedrueckt(QKeyEvent* e) {
    if (!lauf_.nimmtTasten()) {
        return false;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    Zeichen z = 0;
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        z = ZeichenReturn;
    } else {
        const QString text = e->text();
        if (text.size() != 1) {
            return false;
        }
        const auto cp = ausUnicode(text.at(0).unicode());
        if (!cp || !lauf_.istAnschlag(*cp)) {
            return false;
        }
        z = *cp;
    }
    if (lauf_.tonLaeuft() || !wartend_.empty()) {
        // Typed while the error sound plays: taken in order once it has ended.
        wartend_.push_back(z);
        return true;
    }
    uebungen(z);
    return true;
}

void Uebungssteuerung::wartendeTastenNehmen() {
    while (!wartend_.empty() && !lauf_.tonLaeuft()) {
        const Zeichen z = wartend_.front();
        wartend_.erase(wartend_.begin());
        if (lauf_.nimmtTasten()) {
            uebungen(z);
        }
    }
    if (!lauf_.nimmtTasten()) {
        wartend_.clear();
    }
}

void Uebungssteuerung::buchstabeGetippt(const Laufschritt& lauf, Zeichen k) {
    const Buchstabenschritt& schritt = lauf.buchstabe;
    if (schritt.erster) {
        erstenAnschlagZeigen();
    }
    buchstabeZeigen();
    if (schritt.statistikNeu) {
        statistikAusZaehlern(s_.fingerzaehler);
    }
    if (schritt.bestanden) {
        QMessageBox::information(t_.fenster, QString::fromStdString(schritt.lobTitel),
                                 QString::fromStdString(schritt.lobText));
        wortuebungEinrichten();
        // Handed on: the key that passed the letter exercise answers the word exercise's start prompt.
        uebungen(k);
    }
}

void Uebungssteuerung::erstenAnschlagZeigen() {
    BuchstabenSeite& b = *t_.buchstaben;
    t_.begruessung->hide();
    for (QAction* p : {b.popupPause(), b.popupEinstellungen(), b.popupTastatur(), b.popupStatistik()}) {
        p->setEnabled(true);
    }
    b.hintergrundMenue()->menuAction()->setEnabled(true);
    for (QPushButton* k : {b.tastaturKnopf(), b.einstellungenKnopf(), b.statistikKnopf(), b.pauseKnopf()}) {
        k->setEnabled(true);
    }
    b.aufforderung()->hide();
    t_.status->show();
}

void Uebungssteuerung::buchstabeZeigen() {
    const Buchstabenanzeige& a = lauf_.buchstabenuebung().anzeige();
    BuchstabenSeite& b = *t_.buchstaben;
    b.markierungZeigen(a.markierung, s_.hintergrundfarbe);
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        t_.tastatur->tastaturaktiviert(a.gefordert);
    }
    t_.status->tempoZeigen(lauf_.buchstabenuebung().anschlaegeProMinute(), a.tempoRot);
    if (const auto gruppe = farbgruppebestimmen(s_.tastaturlayout, a.gefordert)) {
        buchstabenfarbe_ = s_.farben[static_cast<std::size_t>(int(*gruppe) - 1)];
    }
    QString text;
    if (a.index == IndexLeertaste) {
        text = QStringLiteral("Leertaste");
    } else if (a.index == IndexReturn) {
        text = QStringLiteral("Return");
    } else {
        text = QChar(static_cast<char16_t>(alsUnicode(a.gefordert)));
    }
    b.zeichenZeigen(text, alsQColor(buchstabenfarbe_), buchstabenschrift(a.index));
    t_.status->zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    b.lernziel()->setText(QString::fromStdString(a.lernziel));
    b.fortschritt()->setValue(a.fortschritt);
}

void Uebungssteuerung::tastatur() {
    Seiten& seiten = *t_.seiten;
    seiten.fehlerstatistik->hide();
    if (!laeuft()) {
        for (QGroupBox* g : {seiten.einstellungen, seiten.benutzerdaten, seiten.benutzerdatei, seiten.extras,
                             seiten.schreibregeln, seiten.fingergymnastik, seiten.fehlerraster}) {
            g->hide();
        }
        obenSetzen(seiten.tastatur, t_.masse.h(0.2));
        // The welcome text below the keyboard, which the rules or the gymnastics may have hidden.
        t_.begruessung->show();
    } else if (lauf_.ansicht() == Ansicht::Statistik) {
        lauf_.ansichtSetzen(Ansicht::Tastatur);
    }
    seiten.tastatur->show();
    seiten.tastatur->raise();
    t_.tastatur->tastaturaktiviert(lauf_.sollzeichen());
}

void Uebungssteuerung::buchstabenuebungAbbruch() {
    Seiten& seiten = *t_.seiten;
    t_.einstellungen->stimme()->setEnabled(true);
    for (QGroupBox* e : seiten.eigeneTexte) {
        e->hide();
    }
    t_.hinweis->rahmen()->hide();
    if (pausiert()) {
        bpause();
    }
    // Leaving from the settings view: it closes as if "Weiter üben" had been pressed.
    einstellungenSchliessen();
    // The exercise ends here and is reported with the lesson it practised, before a repetition ends.
    lauf_.verlassen(t_.uhr->monotonMs());
    wiederholungBeenden(s_);
    t_.aktionen->menueleisteFreigeben(true);
    s_.tastaturlektion = 17;
    for (QGroupBox* g : {seiten.buchstabenuebung, seiten.wortuebung, seiten.einstellungen,
                         seiten.benutzerdaten, seiten.fehlerstatistik}) {
        g->hide();
    }
    t_.status->hide();
    t_.logo->show();
    seiten.hauptmenue->show();
    obenSetzen(seiten.tastatur, t_.masse.h(0.2));
    seiten.tastatur->show();
    t_.begruessungPlatzieren(t_.masse.h(0.6494), t_.masse.h(0.2381));
    tastatur();
}

} // namespace tastwerk::ui
