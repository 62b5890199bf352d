#include "ui/uebungssteuerung.h"
#include "ui/zugaenglichkeit.h"

#include "course/hinweistexte.h"
#include "course/lektionskatalog.h"
#include "course/lektionswahl.h"
#include "keyboard/fingerkarte.h"
#include "keyboard/tastentabelle.h"
#include "platform/zeichensatz.h"
#include "ui/aktionen.h"
#include "ui/begruessungstext.h"
#include "ui/bildschirme.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/farben.h"
#include "ui/hinweis_seite.h"
#include "ui/layout_auswahl.h"
#include "ui/leinwand.h"
#include "ui/seiten.h"
#include "ui/seitenbau.h"
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

Uebungssteuerung::Uebungssteuerung(Sitzung& sitzung, Uhr& uhr, Klang& klang, const Masse& m,
                                   Bildschirme& bildschirme, Aktionen& aktionen,
                                   const Uebungsaktionen& uebungsaktionen, Seitenbau& seiten,
                                   QWidget* fenster)
    : QObject(fenster), s_(sitzung), uhr_(uhr), klang_(klang), masse_(m), b_(bildschirme),
      aktionen_(aktionen), a_(uebungsaktionen), p_(seiten), fenster_(fenster),
      lauf_(s_, liste_, zufall_, klang_) {
    // The commands of the exercises: their buttons, popup entries and keys.
    connect(a_.pause, &QAction::toggled, this, &Uebungssteuerung::pauseUmschalten);
    connect(a_.einstellungen, &QAction::toggled, this, &Uebungssteuerung::einstellungenUmschalten);
    connect(a_.tastatur, &QAction::triggered, this, &Uebungssteuerung::tastatur);
    connect(a_.statistik, &QAction::triggered, this, &Uebungssteuerung::fehlerstatistikAktivieren);
    connect(a_.hauptmenue, &QAction::triggered, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(p_.status.abbruch(), &QPushButton::clicked, this, &Uebungssteuerung::buchstabenuebungAbbruch);
    connect(p_.status.pauseAktion(), &QAction::triggered, this, &Uebungssteuerung::bpause);
    lauf_.setBerichtEmpfaenger([this](const Uebungsbericht& b) { berichtAufzeichnen(b); });
    klang_.setSynchronEnde([this] { wartendeTastenNehmen(); });
    // The screens' own requests, connected when a screen is made.
    connect(&p_, &Seitenbau::eigeneGebaut, this, [this](EigeneTexteSeite* e) {
        connect(e, &EigeneTexteSeite::pauseVerlangt, this, [this] {
            if (lauf_.art() == Uebungsart::EigeneTexte && !pausiert()) {
                bpause();
            }
        });
        connect(e, &EigeneTexteSeite::uebungGestartet, this, &Uebungssteuerung::eigeneTexteGestartet);
        connect(e, &EigeneTexteSeite::neuBeginnt, this, [this] {
            lauf_.eigeneTexteNeuBeginnen(uhr_.monotonMs());
            p_.status.tempoLeeren();
        });
        connect(e, &EigeneTexteSeite::anzeigeGeaendert, this, &Uebungssteuerung::eigeneTexteZeigen);
    });
    connect(&p_, &Seitenbau::wortGebaut, this, [this](WortSeite* w) {
        connect(w->zeile(), &Zeilenanzeige::angeklickt, this, [this] {
            if (lauf_.art() == Uebungsart::Wortuebung && !pausiert()) {
                bpause();
                wortZeigen();
            }
        });
    });
    connect(&p_, &Seitenbau::hinweisGebaut, this, [this](HinweisSeite* h) {
        connect(h, &HinweisSeite::startGedrueckt, this, &Uebungssteuerung::start);
    });
    connect(&p_, &Seitenbau::extrasGebaut, this, [this](ExtrasSeite* x) {
        connect(x, &ExtrasSeite::startVerlangt, this, &Uebungssteuerung::startvorbereiten);
    });
    connect(&p_, &Seitenbau::einstellungenGebaut, this, [this] {
        connect(&p_.layoutAuswahl(), &LayoutAuswahl::layoutGewaehlt, this,
                &Uebungssteuerung::tastaturlayoutAnwenden);
    });
    connect(&p_, &Seitenbau::buchstabenGebaut, this, [this](BuchstabenSeite* b) {
        for (QAction* h : b->hintergrundMenue()->actions()) {
            connect(h, &QAction::triggered, this, [this, h] {
                s_.hintergrundfarbe = h->data().toUInt();
                p_.buchstaben().hintergrundSetzen(s_.hintergrundfarbe);
            });
        }
    });
}

void Uebungssteuerung::programmende() {
    lauf_.verlassen(uhr_.monotonMs(), Uebungsende::Programmende);
}

void Uebungssteuerung::tastaturlayoutAnwenden(Tastaturlayout layout) {
    b_.seiten().tastatur->setToolTip(QString::fromUtf8(Tastentabelle::tastaturhinweis(layout).data(),
                                                       int(Tastentabelle::tastaturhinweis(layout).size())));
    p_.layoutAuswahl().setLayout(layout);
    s_.tastaturlayout = layout;
    p_.tastatur.layoutAnwenden(layout);
    liste_.layoutAnwenden(layout);
}

void Uebungssteuerung::zufallSaeen() {
    const Zeitpunkt z = uhr_.jetzt();
    const auto tagesMs =
        static_cast<std::uint32_t>(((z.stunde * 60 + z.minute) * 60 + z.sekunde) * 1000 + z.millisekunde);
    zufall_.setSaat(tagesMs ^ static_cast<std::uint32_t>(uhr_.monotonMs() * 2654435761u));
}

void Uebungssteuerung::startvorbereiten() {
    Aktionen& a = aktionen_;
    const Seiten& seiten = b_.seiten();
    BuchstabenSeite& b = p_.buchstaben();
    // 1.
    b.markierung()->clear();
    p_.einstellungen().fuerUebung(0);
    a.menueleisteFreigeben(false);
    // 2.
    b.lernziel()->setText(QStringLiteral("Lernziel erreicht zu 0.0 %"));
    s_.tastaturlektion = s_.lektionNr;
    b.legendeFaerben(s_.farben);
    // 3.
    zufallSaeen();
    // 4. No key of an earlier exercise stays pressed, and the statistics of a passed lesson go.
    b.fortschritt()->setValue(0);
    obenSetzen(seiten.tastatur, masse_.h(0.385));
    p_.tastatur.tastaturaktiviert(0);
    // 5. The word stage skips the introduction.
    if (s_.uebungsstufe == 1) {
        wortuebungEinrichten();
        return;
    }
    // 6.
    lauf_.buchstabenuebungVorbereiten();
    p_.status.tempoLeeren();
    // 7. The introduction stands in front of the keyboard, which waits hidden behind it.
    a_.freigeben(false);
    b.hintergrundMenue()->menuAction()->setEnabled(false);
    b_.zeigen(Bildschirm::Hinweistext);
    // 8.
    b.startZeigen(buchstabenschrift(-1), s_.hintergrundfarbe);
    // 9.
    b.rahmen()->setTitle((s_.wiederholungAktiv ? QStringLiteral("Wiederholung") : QString()) +
                         QStringLiteral(" Buchstabenübung Lektion %1 ").arg(s_.lektionNr));
    // 10.
    p_.hinweis().fuellen(s_.lektionNr, hinweistext(s_.lektionNr, s_.tastaturlayout), s_.farben);
    p_.hinweis().startknopf()->setFocus();
}

void Uebungssteuerung::start() {
    b_.zeigen(Bildschirm::Buchstabenuebung);
    lauf_.buchstabenuebungBeginnen();
    a_.hauptmenue->setEnabled(true);
    fenster_->setFocus();
}

void Uebungssteuerung::startWiederholung() {
    wiederholungBeginnen(s_);
    startvorbereiten();
}

QFont Uebungssteuerung::buchstabenschrift(int index) const {
    QFont schrift(QString::fromStdString(cp1252ZuUtf8(s_.schriftarten[0])));
    const Masse& m = masse_;
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
    const Laufschritt schritt = lauf_.taste(k, uhr_.monotonMs());
    if (schritt.abgewiesen) {
        return;
    }
    if (schritt.ersterAnschlag) {
        beginn_ = uhr_.jetzt();
    }
    switch (schritt.art) {
    case Uebungsart::Buchstabenuebung:
        buchstabeGetippt(schritt, k);
        break;
    case Uebungsart::Wortuebung:
        wortGetippt(schritt);
        break;
    case Uebungsart::EigeneTexte:
        if (schritt.eigene != nullptr) {
            p_.eigene().anzeigen(*schritt.eigene);
        }
        break;
    case Uebungsart::Keine:
        break;
    }
}

bool Uebungssteuerung::befehlstaste(QKeyEvent* e) {
    std::vector<QAction*> befehle;
    const Seiten& seiten = b_.seiten();
    if (seiten.buchstabenuebung->isVisible() || seiten.wortuebung->isVisible()) {
        befehle = a_.lektionsbefehle();
    } else if (seiten.eigeneTexte[2]->isVisible()) {
        befehle = a_.eigeneTexteBefehle();
    } else {
        return false;
    }
    const QKeySequence taste(e->keyCombination());
    for (QAction* a : befehle) {
        if (a->shortcut() == taste) {
            // A held key does not switch to and fro.
            if (a->isEnabled() && !e->isAutoRepeat()) {
                a->trigger();
            }
            return true;
        }
    }
    return false;
}

bool Uebungssteuerung::tasteGedrueckt(QKeyEvent* e) {
    if (befehlstaste(e)) {
        return true;
    }
    if (!lauf_.nimmtTasten()) {
        return false;
    }
    // Paused, Tab moves through the exercise's buttons, also where a text of one's own holds tabs.
    if (lauf_.pausiert() && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        return false;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    // A button the learner reached by Tab while paused or in the settings takes Return and Space.
    const auto* knopf = qobject_cast<const QPushButton*>(QApplication::focusWidget());
    const Seiten& seiten = b_.seiten();
    if (knopf && knopf->focusPolicy() != Qt::NoFocus &&
        (knopf->parentWidget() == seiten.buchstabenuebung || knopf->parentWidget() == seiten.wortuebung ||
         knopf->parentWidget() == seiten.eigeneTexte[2]) &&
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)) {
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
        QMessageBox::information(fenster_, QString::fromStdString(schritt.lobTitel),
                                 QString::fromStdString(schritt.lobText));
        wortuebungEinrichten();
        // Handed on: the key that passed the letter exercise answers the word exercise's start prompt.
        uebungen(k);
    }
}

void Uebungssteuerung::erstenAnschlagZeigen() {
    BuchstabenSeite& b = p_.buchstaben();
    b_.begruessung()->hide();
    a_.freigeben(true);
    b.hintergrundMenue()->menuAction()->setEnabled(true);
    b.aufforderung()->hide();
    p_.status.show();
}

void Uebungssteuerung::buchstabeZeigen() {
    const Buchstabenanzeige& a = lauf_.buchstabenuebung().anzeige();
    BuchstabenSeite& b = p_.buchstaben();
    b.markierungZeigen(a.markierung, s_.hintergrundfarbe);
    if (lauf_.ansicht() == Ansicht::Tastatur) {
        p_.tastatur.tastaturaktiviert(a.gefordert);
    }
    p_.status.tempoZeigen(lauf_.buchstabenuebung().anschlaegeProMinute(), a.tempoRot);
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
    p_.status.zahlenZeigen(a.anschlaege, a.fehler, a.fehleranteil, a.fehleranteilRot);
    textMelden(b.lernziel(), QString::fromStdString(a.lernziel));
    b.fortschritt()->setValue(a.fortschritt);
}

void Uebungssteuerung::tastatur() {
    if (!laeuft()) {
        obenSetzen(b_.seiten().tastatur, masse_.h(0.2));
        // The welcome text below the keyboard, which the rules or the gymnastics may have hidden.
        b_.zeigen(Bildschirm::Tastatur);
    } else {
        if (lauf_.ansicht() == Ansicht::Statistik) {
            lauf_.ansichtSetzen(Ansicht::Tastatur);
        }
        b_.zeigen(Bildschirm::Uebungstastatur);
    }
    p_.tastatur.tastaturaktiviert(lauf_.sollzeichen());
}

void Uebungssteuerung::buchstabenuebungAbbruch() {
    p_.einstellungen().stimmeFreigeben(true);
    if (pausiert()) {
        bpause();
    }
    // Leaving from the settings view: it closes as if "Weiter üben" had been pressed.
    einstellungenSchliessen();
    // The exercise ends here and is reported with the lesson it practised, before a repetition ends.
    lauf_.verlassen(uhr_.monotonMs());
    wiederholungBeenden(s_);
    aktionen_.menueleisteFreigeben(true);
    s_.tastaturlektion = 17;
    p_.status.hide();
    obenSetzen(b_.seiten().tastatur, masse_.h(0.2));
    b_.zeigen(Bildschirm::Hauptmenue);
    b_.begruessungPlatzieren(masse_.h(0.6494), masse_.h(0.2381));
    tastatur();
}

} // namespace tastwerk::ui
