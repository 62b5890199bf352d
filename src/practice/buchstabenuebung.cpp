#include "practice/buchstabenuebung.h"

#include "course/lektionskatalog.h"
#include "keyboard/fingerkarte.h"
#include "platform/zahlformat.h"
#include "practice/klangdateien.h"
#include "practice/uebungszeit.h"
#include "practice/umschaltzeichen.h"

#include <cmath>

namespace tastwerk {

namespace {
constexpr int ErsteZiffer = 77; // the digits are the last ten letters of the sequence
} // namespace

bool fehlerrateZulaessig(std::uint32_t fehler, std::uint32_t anschlaege, float wunschFehlerrate) {
    const auto grenze =
        static_cast<std::uint64_t>(std::max(0.0, std::nearbyint(double(wunschFehlerrate) * 10)));
    return std::uint64_t{fehler} * 1000 <= grenze * anschlaege;
}

Meldung lobBuchstabenuebung(std::uint32_t fehlerzahl) {
    switch (fehlerzahl) {
    case 0:
        return {"Sehr gute Leistung!",
                "Großes Lob!!!\n\nSie haben in der Buchstabenübung keinen Fehler gemacht!\n\n"
                "Weiter geht es mit der Wortübung!"};
    case 1:
        return {"Herzlichen Glückwunsch!",
                "Gut!\n\nSie haben in der Buchstabenübung nur einen Fehler gemacht!\n\n"
                "Weiter geht es mit der Wortübung."};
    case 2:
        return {"Herzlichen Glückwunsch!",
                "Akzeptabele Leistung!\n\nSie haben in der Buchstabenübung nur zwei Fehler gemacht!\n\n"
                "Weiter geht es mit der Wortübung."};
    default:
        return {"Herzlichen Glückwunsch!", "Sie haben die Buchstabenübung gemeistert!\n\n"
                                           "Weiter geht es mit der Wortübung!"};
    }
}

Buchstabenuebung::Buchstabenuebung(Sitzung& sitzung, const Buchstabenliste& liste, Zufall& zufall,
                                   Klang& klang)
    : sitzung_(sitzung), liste_(liste), zufall_(zufall), klang_(klang) {
    lektionEinstellen();
}

void Buchstabenuebung::nullsetzen() {
    anschlaege_ = 0;
    fehlerzahl_ = 0;
    neuZiehungen_ = 0;
    lernziel_ = 0;
    fehlerOffen_ = false;
    apm_ = 0;
    sitzung_.fingerzaehler = {};
    zeichenzaehlung_.nullsetzen();
}

void Buchstabenuebung::lektionEinstellen() {
    const Lektionsdaten d = lektionsdaten(sitzung_.lektionNr);
    hoechsterIndex_ = d.hoechsterIndex;
    neueBuchstaben_ = d.neueBuchstaben;
}

double Buchstabenuebung::lernzielanteil() const {
    return static_cast<double>(lernziel_) / static_cast<double>(std::max(1, sitzung_.lektionNr));
}

bool Buchstabenuebung::fehleranteilZulaessig() const {
    return anschlaege_ == 0 || fehlerrateZulaessig(fehlerzahl_, anschlaege_, sitzung_.wunschFehlerrate);
}

void Buchstabenuebung::fingerZaehlen(Zeichen z, bool fehler) {
    zeichenzaehlung_.zaehlen(z, fehler);
    for (const Fingergruppe f : fingerbestimmen(sitzung_.tastaturlayout, z)) {
        Fingerpaar& paar = sitzung_.fingerzaehler[static_cast<std::size_t>(platz(f))];
        ++(fehler ? paar.fehler : paar.anschlaege);
    }
}

void Buchstabenuebung::naechsterBuchstabe() {
    const bool berichtigung = sitzung_.berichtigungErzwingen == 1;
    // The share of draws that must fall on the lesson's new letters.
    const std::uint32_t soll =
        berichtigung ? 9 * anschlaege_ / std::max<std::uint32_t>(1, sitzung_.wiederholungsanteil)
                     : anschlaege_ / 2;
    const auto anzahl = static_cast<std::uint32_t>(hoechsterIndex_ + 1);
    while (true) {
        int gezogen = 0;
        do {
            gezogen = static_cast<int>(zufall_.ziehen(anzahl));
        } while (gezogen == vorigerIndex_ && anzahl > 1);
        index_ = gezogen;
        vorigerIndex_ = gezogen;
        if (index_ > hoechsterIndex_ - neueBuchstaben_) {
            ++neuZiehungen_;
        }
        if (neuZiehungen_ >= soll) {
            break;
        }
    }
}

Buchstabenschritt Buchstabenuebung::taste(Zeichen k, Ansicht ansicht, std::int64_t uebungssekunden) {
    Buchstabenschritt schritt;
    // 1. Typing is ignored while the settings are open or the exercise is paused.
    if (ansicht == Ansicht::Einstellungen || ansicht == Ansicht::Pause) {
        schritt.ignoriert = true;
        return schritt;
    }
    // 2. Any key starts the exercise; that key is not judged.
    const bool startTaste = anschlaege_ == 0;
    schritt.erster = startTaste;
    // 4. Judge the key.
    const bool berichtigung = sitzung_.berichtigungErzwingen == 1;
    const Zeichen gefordert = liste_[index_];
    if (!startTaste && k != gefordert) {
        schritt.tippfehler = true;
        if (!berichtigung) {
            fingerZaehlen(gefordert, true);
            ++fehlerzahl_;
        } else {
            if (!fehlerOffen_) {
                ++fehlerzahl_;
                fingerZaehlen(gefordert, true);
            }
            --anschlaege_;
            fehlerOffen_ = true;
        }
        if (sitzung_.tonBeiTippfehler && !klang_.spieleSynchron("Fehler.wav")) {
            klang_.piepen();
        }
    }
    if (k == gefordert || startTaste) {
        fehlerOffen_ = false;
    }

    // 5. The goal grows with a right key made fast and accurately enough (as of the previous keystroke).
    if (k == gefordert && !startTaste && fehleranteilZulaessig() && apm_ >= sitzung_.wunschAnschlaege) {
        ++lernziel_;
    }
    // 6.
    anzeige_.lernziel = "Lernziel erreicht zu " + festkomma(lernzielanteil(), 1, 4) + " %";
    anzeige_.fortschritt = static_cast<int>(std::min(100.0, std::nearbyint(lernzielanteil())));

    // 7. Passed.
    if (lernziel_ >= 100u * static_cast<std::uint32_t>(std::max(1, sitzung_.lektionNr))) {
        klang_.spieleAsynchron("beifall1.wav");
        lernziel_ = 0;
        const Meldung lob = lobBuchstabenuebung(fehlerzahl_);
        schritt.bestanden = true;
        schritt.lobTitel = lob.titel;
        schritt.lobText = lob.text;
        sitzung_.uebungsstufe = 1;
    }

    // 8. The next letter, in correction mode only after a right key.
    if (!berichtigung || !schritt.tippfehler) {
        naechsterBuchstabe();
    }
    // 9. Count the newly demanded letter for its finger.
    if (!startTaste) {
        schritt.statistikNeu = true;
        if (!fehlerOffen_) {
            fingerZaehlen(liste_[index_], false);
        }
    }
    // 10. A Shift letter counts twice.
    const Zeichen neu = liste_[index_];
    anzeige_.markierung = 0;
    if (!startTaste && umschaltzeichenBuchstabenuebung(sitzung_.tastaturlayout, neu)) {
        ++anschlaege_;
        anzeige_.markierung = 'G';
    } else if (index_ >= ErsteZiffer) {
        anzeige_.markierung = 'Z';
    }
    anzeige_.index = index_;
    anzeige_.gefordert = neu;

    // 12. and 13.
    apm_ = uebungssekunden != 0 ? tastwerk::anschlaegeProMinute(anschlaege_, uebungssekunden) : 0;

    // 15. The voice names the letter.
    if (sitzung_.stimme) {
        if (istGrossbuchstabe(neu)) {
            grossesNummer_ = grossesNummer_ % 3 + 1;
            klang_.spieleSynchron(grossesDatei(grossesNummer_));
        }
        const std::string datei = klangdatei(neu);
        if (!datei.empty()) {
            klang_.spieleAsynchron(datei);
        }
    }
    // 17.
    ++anschlaege_;
    statusTexte();
    return schritt;
}

void Buchstabenuebung::tempoAktualisieren(std::int64_t uebungssekunden) {
    apm_ = uebungssekunden != 0 ? tastwerk::anschlaegeProMinute(anschlaege_, uebungssekunden) : 0;
    statusTexte();
}

void Buchstabenuebung::statusTexte() {
    anzeige_.tempoRot = apm_ < sitzung_.wunschAnschlaege;
    anzeige_.fehler = "Fehler: " + std::to_string(fehlerzahl_);
    anzeige_.anschlaege = "Anschläge: " + std::to_string(anschlaege_);
    const double anteil = fehlerzahl_ != 0 ? 100.0 * fehlerzahl_ / anschlaege_ : 0.0;
    anzeige_.fehleranteil = "Fehleranteil: " + festkomma(anteil, 2, 5) + " %";
    anzeige_.fehleranteilRot = !fehleranteilZulaessig();
}

} // namespace tastwerk
