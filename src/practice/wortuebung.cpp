#include "practice/wortuebung.h"

#include "course/lektionswahl.h"
#include "keyboard/fingerkarte.h"
#include "platform/zahlformat.h"
#include "platform/zeichensatz.h"
#include "practice/umschaltzeichen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tastwerk {

namespace {

// Lines never drawn as the next line, under every layout.
constexpr std::array<int, 30> AusgeschlosseneZeilen = {
    409, 410, 414, 424, 428, 429, 481, 483, 485, 489, 572, 577, 582, 598, 601,
    607, 623, 627, 636, 637, 646, 648, 652, 668, 670, 672, 674, 678, 679, 706,
};
// Left out under the Swiss and US layouts as well.
constexpr int AusgeschlossenSchweizUSA = 406;

constexpr int LetzteLektion = 16;

} // namespace

bool zeileAusgeschlossen(int zeile, Tastaturlayout layout) {
    if (zeile == AusgeschlossenSchweizUSA && layout != Tastaturlayout::Deutsch) {
        return true;
    }
    return std::find(AusgeschlosseneZeilen.begin(), AusgeschlosseneZeilen.end(), zeile) !=
           AusgeschlosseneZeilen.end();
}

std::string wiederholungshinweis(int zeile, int lektion) {
    // The smallest earlier lesson whose block ends before the line names the line's lesson.
    for (int k = 1; k < std::min(lektion, LetzteLektion); ++k) {
        if (zeile < zeilenbereich(k + 1).lektionsanfang) {
            return "Wiederholung aus Lektion " + std::to_string(k);
        }
    }
    return {};
}

std::string startaufforderungWortuebung(int lektion) {
    return " S T A R T der Wortübung Lektion " + std::to_string(lektion) + " mit beliebiger Taste!";
}

std::string gruppentitelWortuebung(int lektion, bool wiederholung) {
    return std::string(wiederholung ? "Wiederholung" : "") + "Wortübung Lektion " + std::to_string(lektion);
}

Meldung lobWortuebung(int lektion, std::uint32_t fehlerzaehler) {
    constexpr const char* Titel = "Gratulation!";
    if (lektion >= LetzteLektion) {
        return {Titel, "Spitze!\n\nSie haben alle 16 Lektionen mit Erfolg durchgearbeitet.\n\n"
                       "Um Ihre Leistung noch zu steigern, sollten Sie die Lektion 16\n"
                       "noch einige Male durcharbeiten. Versuchen Sie, weniger Fehler zu machen und Ihre "
                       "Tippgeschwindigkeit zu erhöhen."};
    }
    switch (fehlerzaehler) {
    case 0:
        return {Titel, "Spitze!\n\nSie haben keinen Fehler in der Wortübung gemacht!\n"
                       "Dies ist eine sehr gute Leistung!\n\nWeiter geht es mit der nächsten Lektion!"};
    case 1:
        return {Titel, "Super!\n\nSie haben nur einen Fehler in der Wortübung gemacht!\n"
                       "Dies ist eine gute Leistung!\n\nWeiter geht es mit der nächsten Lektion!"};
    case 2:
        return {Titel, "Okay!\n\nSie haben nur zwei Fehler in der Wortübung gemacht!\n"
                       "Damit können Sie zufrieden sein!\n\nWeiter geht es mit der nächsten Lektion!"};
    default:
        return {Titel,
                "Spitze!\n\nSie haben die Wortübung geschafft!\n\nWeiter geht es mit der nächsten Lektion!"};
    }
}

Meldung wiederholungBeendetMeldung() {
    return {"Die Wiederholung ist beendet!", "\nSie haben die Wiederholung erfolgreich abgeschlossen!"};
}

Wortuebung::Wortuebung(Sitzung& sitzung, Zufall& zufall, Klang& klang)
    : sitzung_(sitzung), zufall_(zufall), klang_(klang) {}

int Wortuebung::lektion() const {
    return std::max(1, sitzung_.lektionNr);
}

double Wortuebung::lernzielanteil() const {
    return 3.0 * lernziel_ / (10.0 * lektion());
}

bool Wortuebung::ausgeschlossen(int zeile) const {
    return zeileAusgeschlossen(zeile, sitzung_.tastaturlayout);
}

int Wortuebung::ersteZeileZiehen() {
    // One of the lesson's own lines, drawn until it fits.
    const auto anzahl = static_cast<std::uint32_t>(bereich_.lektionsende);
    int zeile = 0;
    do {
        zeile = static_cast<int>(zufall_.ziehen(anzahl));
    } while (zeile <= bereich_.lektionsanfang || ausgeschlossen(zeile));
    return zeile;
}

int Wortuebung::naechsteZeileZiehen() {
    // A line of this or the previous lesson, never the last one again, drawn until every condition holds.
    const auto anzahl = static_cast<std::uint32_t>(2 * bereich_.lektionsende);
    int zeile = 0;
    do {
        zeile = static_cast<int>(zufall_.ziehen(anzahl));
    } while (zeile <= bereich_.wiederholungsanfang || zeile >= bereich_.lektionsende ||
             zeile == letzteZeile_ || ausgeschlossen(zeile));
    return zeile;
}

Zeichen Wortuebung::zeichenAn(int position) const {
    const std::string& zeile = tastwerk::uebungszeile(uebungszeile_);
    if (position < 1 || position > static_cast<int>(zeile.size())) {
        return 0;
    }
    return static_cast<Zeichen>(zeile[static_cast<std::size_t>(position - 1)]);
}

void Wortuebung::zeileUebernehmen(int zeile) {
    uebungszeile_ = zeile;
    zeileUtf8_ = cp1252ZuUtf8(tastwerk::uebungszeile(zeile));
}

void Wortuebung::setUebungszeile(int zeile, int position) {
    zeileUebernehmen(zeile);
    letzteZeile_ = zeile;
    zeilenlaenge_ = static_cast<int>(tastwerk::uebungszeile(zeile).size());
    zeichenposition_ = position;
    anzeige_.zeile = zeileUtf8_;
    anzeige_.auswahlStart = position - 1;
    anzeige_.auswahlLaenge = 1;
    anzeige_.sollzeichen = zeichenAn(position);
}

void Wortuebung::einrichten() {
    bereich_ = zeilenbereich(sitzung_.lektionNr);
    zeichenposition_ = 0;
    zeilenlaenge_ = 0;
    anschlagzaehler_ = 0;
    fehlerzaehler_ = 0;
    anteilAnschlaege_ = 0;
    anteilFehler_ = 0;
    lernziel_ = 0;
    fehlerOffen_ = false;
    apm_ = 0;
    fingerzaehler_ = {};
    zeichenzaehlung_.nullsetzen();

    anzeige_ = Wortanzeige{};
    anzeige_.gruppentitel = gruppentitelWortuebung(sitzung_.lektionNr, sitzung_.wiederholungAktiv);
    anzeige_.lernzielTitel = LernzielTitel;
    anzeige_.lernziel = " 0.0 %";
    anzeige_.anschlaege = "Anschläge: 0";
    anzeige_.fehleranteil = "Fehleranteil: 0.00 %";
    anzeige_.fehler = "Fehler: 0";

    zeileUebernehmen(ersteZeileZiehen());
    letzteZeile_ = uebungszeile_;
    startaufforderungZeigen();
    laeuft_ = true;
}

void Wortuebung::startaufforderungZeigen() {
    zeichenposition_ = 1;
    anzeige_.zeile = startaufforderungWortuebung(sitzung_.lektionNr);
    anzeige_.auswahlStart = 0;
    anzeige_.auswahlLaenge = 0;
}

void Wortuebung::fingerZaehlen(Zeichen z, bool fehler) {
    zeichenzaehlung_.zaehlen(z, fehler);
    for (const Fingergruppe f : fingerbestimmen(sitzung_.tastaturlayout, z)) {
        Fingerpaar& paar = fingerzaehler_[static_cast<std::size_t>(platz(f))];
        ++(fehler ? paar.fehler : paar.anschlaege);
    }
}

Wortschritt Wortuebung::taste(Zeichen key, Ansicht ansicht) {
    Wortschritt schritt;
    if (key == ZeichenStartaufforderung || !laeuft_ || ansicht == Ansicht::Pause) {
        startaufforderungZeigen();
        schritt.startaufforderung = true;
        return schritt;
    }
    const bool berichtigung = sitzung_.berichtigungErzwingen == 1;
    // The key that answers the start prompt is not judged.
    const bool gezaehlt = anschlagzaehler_ > 0;
    schritt.erster = !gezaehlt;
    const Zeichen erwartet = zeichenAn(zeichenposition_);

    // Judge the key.
    if (gezaehlt && key == erwartet) {
        fehlerOffen_ = false;
    } else if (gezaehlt) {
        if (!berichtigung) {
            fingerZaehlen(erwartet, true);
            ++fehlerzaehler_;
        } else {
            // A position is counted wrong once, however many wrong keys follow; wrong keys are no keystrokes.
            if (!fehlerOffen_) {
                ++fehlerzaehler_;
                fingerZaehlen(erwartet, true);
            }
            if (anschlagzaehler_ > 1) {
                --anschlagzaehler_;
            }
            fehlerOffen_ = true;
        }
        if (sitzung_.tonBeiTippfehler && !klang_.spieleSynchron("Fehler.wav")) {
            klang_.piepen();
        }
        schritt.tippfehler = true;
    }

    // Line end: in correction mode only once the last character is right.
    if (zeichenposition_ == zeilenlaenge_ && (!berichtigung || !schritt.tippfehler)) {
        zeichenposition_ = 0;
        zeileUebernehmen(naechsteZeileZiehen());
        letzteZeile_ = uebungszeile_;
        anzeige_.wiederholungshinweis = wiederholungshinweis(uebungszeile_, sitzung_.lektionNr);
        schritt.neueZeile = true;
    }

    // Count the typed character for its finger; a Shift character is two keystrokes.
    if (gezaehlt) {
        schritt.statistikNeu = true;
        const bool nichtGezaehlt = berichtigung && schritt.tippfehler;
        if (!nichtGezaehlt && umschaltzeichenWortuebung(sitzung_.tastaturlayout, erwartet)) {
            ++anschlagzaehler_;
        }
        if (!fehlerOffen_) {
            fingerZaehlen(erwartet, false);
        }
    }

    // The goal grows with a right key made fast and accurately enough. The error rate is the one shown
    // after the previous keystroke, the speed the one last computed by the timer.
    if (gezaehlt && key == erwartet &&
        fehlerrateZulaessig(anteilFehler_, anteilAnschlaege_, sitzung_.wunschFehlerrate) &&
        apm_ >= sitzung_.wunschAnschlaege) {
        ++lernziel_;
    }
    if (3ull * lernziel_ >= 1000ull * static_cast<unsigned>(lektion())) {
        bestehen(schritt);
        return schritt;
    }

    // Show the line and move the mark: in correction mode a wrong key leaves it where it is.
    anzeige_.zeile = zeileUtf8_;
    zeilenlaenge_ = static_cast<int>(tastwerk::uebungszeile(uebungszeile_).size());
    if (gezaehlt && (!berichtigung || !schritt.tippfehler)) {
        ++zeichenposition_;
    }
    anzeige_.auswahlStart = zeichenposition_ - 1;
    anzeige_.auswahlLaenge = 1;

    statusTexte();
    lernzielZeigen();
    anzeige_.sollzeichen = zeichenAn(zeichenposition_);
    ++anschlagzaehler_;
    return schritt;
}

void Wortuebung::bestehen(Wortschritt& schritt) {
    schritt.bestanden = true;
    klang_.spieleAsynchron("beifall1.wav");
    anzeige_.lernziel.clear();
    anzeige_.lernzielTitel = LernzielErreichtText;
    anzeige_.fortschritt = 100;
    lernziel_ = 0;
    laeuft_ = false;

    if (sitzung_.wiederholungAktiv) {
        const Meldung m = wiederholungBeendetMeldung();
        schritt.meldungTitel = m.titel;
        schritt.meldungText = m.text;
        schritt.wiederholungBeendet = true;
        wiederholungBeenden(sitzung_);
        return;
    }
    const Meldung m = lobWortuebung(sitzung_.lektionNr, fehlerzaehler_);
    schritt.meldungTitel = m.titel;
    schritt.meldungText = m.text;
    sitzung_.uebungsstufe = 0;
    schritt.lektionWeiter = sitzung_.lektionNr < LetzteLektion;
}

void Wortuebung::lernzielZeigen() {
    anzeige_.lernziel = festkomma(lernzielanteil(), 1, 4) + " %";
    anzeige_.fortschritt = static_cast<int>(std::min(100.0, std::nearbyint(lernzielanteil())));
}

void Wortuebung::statusTexte() {
    anteilAnschlaege_ = anschlagzaehler_;
    anteilFehler_ = fehlerzaehler_;
    const double anteil =
        fehlerzaehler_ > 0 && anschlagzaehler_ > 0 ? 100.0 * fehlerzaehler_ / anschlagzaehler_ : 0.0;
    anzeige_.anschlaege = "Anschläge: " + std::to_string(anschlagzaehler_);
    anzeige_.fehleranteil = "Fehleranteil: " + festkomma(anteil, 2, 5) + " %";
    anzeige_.fehleranteilRot =
        !fehlerrateZulaessig(fehlerzaehler_, anschlagzaehler_, sitzung_.wunschFehlerrate);
    anzeige_.fehler = "Fehler: " + std::to_string(fehlerzaehler_);
}

} // namespace tastwerk
