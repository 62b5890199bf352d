#include "practice/uebungslauf.h"

#include "stats/gesamtstatistik.h"

#include <optional>

namespace tastwerk {

namespace {

bool zeigtUebung(Ansicht a) {
    return a == Ansicht::Tastatur || a == Ansicht::Statistik;
}

std::uint32_t gezeigteAnschlaege(std::uint32_t anschlagzaehler) {
    return anschlagzaehler > 0 ? anschlagzaehler - 1 : 0;
}

} // namespace

Uebungslauf::Uebungslauf(Sitzung& sitzung, const Buchstabenliste& liste, Zufall& zufall, Klang& klang)
    : sitzung_(sitzung), klang_(klang), buchstabenuebung_(sitzung, liste, zufall, klang),
      wortuebung_(sitzung, zufall, klang) {}

void Uebungslauf::artSetzen(Uebungsart art) {
    art_ = art;
    if (art != Uebungsart::EigeneTexte) {
        eigene_ = nullptr;
    }
}

void Uebungslauf::buchstabenuebungVorbereiten() {
    buchstabenuebung_.nullsetzen();
    buchstabenuebung_.lektionEinstellen();
    zeit_.zuruecksetzen();
    ansicht_ = Ansicht::Tastatur;
}

void Uebungslauf::buchstabenuebungBeginnen() {
    artSetzen(Uebungsart::Buchstabenuebung);
}

void Uebungslauf::wortuebungEinrichten() {
    ansicht_ = Ansicht::Tastatur;
    wortuebung_.einrichten();
    zeit_.zuruecksetzen();
    artSetzen(Uebungsart::Wortuebung);
}

void Uebungslauf::eigeneTexteBeginnen(EigeneTexteUebung& uebung) {
    ansicht_ = Ansicht::Tastatur;
    artSetzen(Uebungsart::EigeneTexte);
    eigene_ = &uebung;
    zeit_.zuruecksetzen();
}

void Uebungslauf::eigeneTexteNeuBeginnen(std::int64_t jetztMs) {
    if (art_ == Uebungsart::EigeneTexte && begonnen()) {
        berichten(Uebungsende::NeuBegonnen, jetztMs, sitzung_.lektionNr, sitzung_.wiederholungAktiv);
    }
    // Begun anew, also after the text's end: the keys count again.
    if (eigene_ != nullptr) {
        art_ = Uebungsart::EigeneTexte;
    }
    zeit_.zuruecksetzen();
}

void Uebungslauf::verlassen(std::int64_t jetztMs, Uebungsende ende) {
    if (laeuft() && begonnen()) {
        berichten(ende, jetztMs, sitzung_.lektionNr, sitzung_.wiederholungAktiv);
    }
    if (pausiert()) {
        pauseSetzen(false, jetztMs);
    }
    if (einstellungenOffen()) {
        einstellungenSetzen(false, jetztMs);
    }
    artSetzen(Uebungsart::Keine);
    ansicht_ = Ansicht::Tastatur;
}

bool Uebungslauf::begonnen() const {
    switch (art_) {
    case Uebungsart::Buchstabenuebung:
        return buchstabenuebung_.anschlaege() > 0;
    case Uebungsart::Wortuebung:
        return wortuebung_.anschlagzaehler() > 0;
    case Uebungsart::EigeneTexte:
        return zeit_.begonnen();
    case Uebungsart::Keine:
        break;
    }
    return false;
}

bool Uebungslauf::istAnschlag(Zeichen z) const {
    if (z == ZeichenReturn) {
        return true;
    }
    return tippbaresZeichen(z, art_ == Uebungsart::EigeneTexte);
}

Laufschritt Uebungslauf::taste(Zeichen k, std::int64_t jetztMs) {
    Laufschritt schritt;
    if (!laeuft() || tonLaeuft()) {
        schritt.abgewiesen = true;
        return schritt;
    }
    schritt.art = art_;
    // A passed repetition brings back the learner's own lesson before the report is made.
    const int lektion = sitzung_.lektionNr;
    const bool wiederholung = sitzung_.wiederholungAktiv;
    // What the exercise's engine says: whether this key started it, and whether the exercise ended.
    bool erster = false;
    std::optional<Uebungsende> ende;
    switch (art_) {
    case Uebungsart::Buchstabenuebung:
        if (sitzung_.uebungsstufe != 0) {
            break;
        }
        schritt.buchstabe = buchstabenuebung_.taste(k, ansicht_, zeit_.uebungssekunden(jetztMs));
        if (schritt.buchstabe.ignoriert) {
            schritt.abgewiesen = true;
            break;
        }
        erster = schritt.buchstabe.erster;
        if (schritt.buchstabe.bestanden) {
            ende = Uebungsende::Bestanden;
        }
        break;
    case Uebungsart::Wortuebung:
        schritt.wort = wortuebung_.taste(k, ansicht_);
        erster = schritt.wort.erster;
        if (schritt.wort.bestanden) {
            ende = Uebungsende::Bestanden;
            // A lesson passed in its course (a repetition keeps the statistics as they are).
            if (!schritt.wort.wiederholungBeendet) {
                schritt.gesamtstatistik = gesamtstatistikEintragen();
            }
        }
        break;
    case Uebungsart::EigeneTexte:
        if (eigene_ == nullptr) {
            break;
        }
        // Paused, the text stands still as the lessons do: a key neither moves on nor counts.
        if (pausiert()) {
            schritt.abgewiesen = true;
            break;
        }
        schritt.eigene = &eigene_->taste(k);
        erster = schritt.eigene->uebungsbeginn;
        if (schritt.eigene->textende) {
            ende = Uebungsende::Textende;
        }
        break;
    case Uebungsart::Keine:
        break;
    }
    if (erster) {
        zeit_.beginnen(jetztMs);
        schritt.ersterAnschlag = true;
    }
    if (ende) {
        berichten(*ende, jetztMs, lektion, wiederholung);
        if (art_ == Uebungsart::EigeneTexte) {
            // The engine stays for the final display; only the run ends.
            art_ = Uebungsart::Keine;
        } else {
            artSetzen(Uebungsart::Keine);
        }
    }
    return schritt;
}

Taktergebnis Uebungslauf::takt(std::int64_t jetztMs) {
    Taktergebnis t;
    if (!zeigtUebung(ansicht_)) {
        return t;
    }
    const std::int64_t sekunden = zeit_.uebungssekunden(jetztMs);
    switch (art_) {
    case Uebungsart::Buchstabenuebung:
        if (buchstabenuebung_.anschlaege() > 0) {
            buchstabenuebung_.tempoAktualisieren(sekunden);
            t.tempoNeu = true;
            t.anschlaegeProMinute = buchstabenuebung_.anschlaegeProMinute();
            t.tempoRot = buchstabenuebung_.anzeige().tempoRot;
        }
        break;
    case Uebungsart::Wortuebung:
        if (zeit_.begonnen()) {
            t.tempoNeu = true;
            t.anschlaegeProMinute = anschlaegeProMinute(wortuebung_.anschlagzaehler(), sekunden);
            wortuebung_.setAnschlaegeProMinute(t.anschlaegeProMinute);
            t.tempoRot = t.anschlaegeProMinute < sitzung_.wunschAnschlaege;
        }
        break;
    case Uebungsart::EigeneTexte:
        if (eigene_ != nullptr && zeit_.begonnen()) {
            t.tempoNeu = true;
            t.anschlaegeProMinute = anschlaegeProMinute(eigene_->anschlagzaehler(), sekunden);
            // Red only below the target and not at 0.
            t.tempoRot = t.anschlaegeProMinute < sitzung_.wunschAnschlaege && t.anschlaegeProMinute != 0;
        }
        break;
    case Uebungsart::Keine:
        break;
    }
    return t;
}

Kursposition Uebungslauf::naechstePositionUebernehmen(const Wortschritt& bestanden) {
    if (bestanden.lektionWeiter) {
        ++sitzung_.lektionNr;
    }
    return {sitzung_.lektionNr, sitzung_.uebungsstufe};
}

Fingerfehlerquoten Uebungslauf::gesamtstatistikEintragen() {
    return gesamtfehlerstatistik(sitzung_, sitzung_.fingerzaehler, wortuebung_.fingerzaehler());
}

void Uebungslauf::pauseSetzen(bool an, std::int64_t jetztMs) {
    if (an == pausiert()) {
        return;
    }
    if (an) {
        vorPause_ = ansicht_;
        ansicht_ = Ansicht::Pause;
        zeit_.anhalten(jetztMs);
    } else {
        ansicht_ = vorPause_;
        zeit_.fortsetzen(jetztMs);
    }
}

void Uebungslauf::einstellungenSetzen(bool offen, std::int64_t jetztMs) {
    if (offen == einstellungenOffen()) {
        return;
    }
    if (offen) {
        // Typing is ignored and the practice clock stands still while the settings are open.
        vorEinstellungen_ = ansicht_;
        ansicht_ = Ansicht::Einstellungen;
        zeit_.anhalten(jetztMs);
    } else {
        ansicht_ = vorEinstellungen_;
        zeit_.fortsetzen(jetztMs);
    }
}

Ansicht Uebungslauf::ansichtDahinter() const {
    if (pausiert()) {
        return vorPause_;
    }
    if (einstellungenOffen()) {
        return vorEinstellungen_;
    }
    return ansicht_;
}

Zeichen Uebungslauf::sollzeichen() const {
    switch (art_) {
    case Uebungsart::Buchstabenuebung:
        return buchstabenuebung_.anschlaege() > 0 ? buchstabenuebung_.anzeige().gefordert : 0;
    case Uebungsart::Wortuebung:
        return wortuebung_.anzeige().sollzeichen;
    case Uebungsart::EigeneTexte:
        return eigene_ != nullptr ? eigene_->anzeige().sollzeichen : 0;
    case Uebungsart::Keine:
        break;
    }
    return 0;
}

void Uebungslauf::berichten(Uebungsende ende, std::int64_t jetztMs, int lektion, bool wiederholung) {
    if (!empfaenger_) {
        return;
    }
    Uebungsbericht b;
    b.art = art_;
    b.ende = ende;
    b.lektion = lektion;
    b.wiederholung = wiederholung;
    b.sekunden = zeit_.begonnen() ? zeit_.uebungssekunden(jetztMs) : 0;
    switch (art_) {
    case Uebungsart::Buchstabenuebung:
        b.anschlaege = buchstabenuebung_.anschlaege();
        b.anschlagzaehler = buchstabenuebung_.anschlaege();
        b.fehler = buchstabenuebung_.fehlerzahl();
        b.fingerzaehler = sitzung_.fingerzaehler;
        b.zeichen = buchstabenuebung_.zeichenzaehlung().liste();
        break;
    case Uebungsart::Wortuebung:
        b.anschlaege = gezeigteAnschlaege(wortuebung_.anschlagzaehler());
        b.anschlagzaehler = wortuebung_.anschlagzaehler();
        b.fehler = wortuebung_.fehlerzaehler();
        b.fingerzaehler = wortuebung_.fingerzaehler();
        b.zeichen = wortuebung_.zeichenzaehlung().liste();
        break;
    case Uebungsart::EigeneTexte:
        if (eigene_ != nullptr) {
            b.anschlaege = eigene_->anschlaege();
            b.anschlagzaehler = eigene_->anschlagzaehler();
            b.fehler = eigene_->fehlerzaehler();
            b.zeichen = eigene_->zeichenzaehlung().liste();
        }
        break;
    case Uebungsart::Keine:
        return;
    }
    empfaenger_(b);
}

} // namespace tastwerk
