#include "practice/eigene_texte_uebung.h"

#include "keyboard/zeichenmenge.h"
#include "platform/zeichensatz.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace tastwerk {

namespace {

// Appends without a temporary string: the captions are rebuilt in place at every keystroke.
void zahlAnhaengen(std::string& s, std::uint64_t zahl) {
    std::array<char, 24> puffer{};
    const auto ergebnis = std::to_chars(puffer.data(), puffer.data() + puffer.size(), zahl);
    s.append(puffer.data(), ergebnis.ptr);
}

// Two decimals, right-aligned to at least five characters, a point as decimal separator.
void prozentAnhaengen(std::string& s, double wert) {
    std::array<char, 64> puffer{};
    const auto ergebnis =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert, std::chars_format::fixed, 2);
    const auto laenge = static_cast<std::size_t>(ergebnis.ptr - puffer.data());
    if (laenge < 5) {
        s.append(5 - laenge, ' ');
    }
    s.append(puffer.data(), laenge);
}

} // namespace

bool tippbaresZeichen(Zeichen z, bool tabulator) {
    if (z == ZeichenTabulator) {
        return tabulator;
    }
    if (z < ZeichenLeertaste || z == 127) {
        return false;
    }
    // 0x81, 0x8D, 0x8F, 0x90, 0x9D stand for C1 controls.
    return z < 0x80 || z >= 0xA0 || alsUnicode(z) >= 0xA0;
}

std::vector<std::string> nichtUebbareZeichen(const EigenerText& text) {
    std::vector<std::string> gefunden;
    for (const std::string& zeile : text.zeilen) {
        std::size_t i = 0;
        while (i < zeile.size()) {
            const std::size_t n = utf8Zeichenlaenge(zeile, i);
            const std::string_view zeichen(zeile.data() + i, n);
            i += n;
            const std::optional<std::string> byte = utf8ZuCp1252(zeichen);
            std::string_view uebbarNicht;
            if (!byte) {
                // Not UTF-8 at all, or beyond Windows-1252.
                uebbarNicht = istGueltigesUtf8(zeichen) ? zeichen : std::string_view("\xEF\xBF\xBD");
            } else if (!tippbaresZeichen(static_cast<Zeichen>((*byte)[0]), true)) {
                uebbarNicht = zeichen;
            }
            if (!uebbarNicht.empty() &&
                std::find(gefunden.begin(), gefunden.end(), uebbarNicht) == gefunden.end()) {
                gefunden.emplace_back(uebbarNicht);
            }
        }
    }
    return gefunden;
}

std::optional<std::vector<std::string>> uebungszeilen(const EigenerText& text) {
    if (!nichtUebbareZeichen(text).empty()) {
        return std::nullopt;
    }
    return zeilenInWindows1252(text);
}

EigeneTexteUebung::EigeneTexteUebung(std::vector<std::string> zeilen, const Sitzung& sitzung, Klang& klang)
    : zeilen_(std::move(zeilen)), sitzung_(sitzung), klang_(klang) {
    if (zeilen_.empty()) {
        zeilen_.emplace_back();
    }
    anzeigeFuellen();
}

double EigeneTexteUebung::fehleranteil() const {
    if (fehlerzaehler_ == 0 || anschlagzaehler_ == 0) {
        return 0.0;
    }
    return 100.0 * fehlerzaehler_ / anschlagzaehler_;
}

const EigeneTexteAnzeige& EigeneTexteUebung::neuAnfangen() {
    textzeile_ = 0;
    textposition_ = 0;
    anschlagzaehler_ = 0;
    fehlerzaehler_ = 0;
    fehlerOffen_ = false;
    textende_ = false;
    zeichenzaehlung_.nullsetzen();
    return taste(ZeichenStartaufforderung);
}

void EigeneTexteUebung::falscheTaste() {
    anzeige_.tippfehler = true;
    if (sitzung_.tonBeiTippfehler) {
        if (!klang_.spieleSynchron("Fehler.wav")) {
            klang_.piepen();
        }
        anzeige_.fehlerton = true;
    }
}

const EigeneTexteAnzeige& EigeneTexteUebung::taste(Zeichen k) {
    anzeige_.zeileFertig = false;
    anzeige_.textende = false;
    anzeige_.tippfehler = false;
    anzeige_.fehlerton = false;
    anzeige_.uebungsbeginn = false;
    if (textende_) {
        return anzeige_;
    }
    if (textposition_ == 0) {
        // The start call: it counts as the first keystroke of the counter, as in the word exercise.
        anschlagzaehler_ += 1;
        textposition_ = 1;
        anzeigeFuellen();
        return anzeige_;
    }
    if (k == ZeichenStartaufforderung) {
        anzeigeFuellen();
        return anzeige_;
    }

    anzeige_.uebungsbeginn = anschlagzaehler_ == 1;
    anschlagzaehler_ += 1;
    const std::string& zeile = zeilen_[textzeile_];
    const bool berichtigung = sitzung_.berichtigungErzwingen != 0;

    if (textposition_ == zeile.size() + 1) {
        // Line end: only Return moves on, in both modes; wrong keys here count one error together.
        if (k != ZeichenReturn) {
            if (!fehlerOffen_) {
                fehlerzaehler_ += 1;
                zeichenzaehlung_.zaehlen(ZeichenReturn, true);
            }
            anschlagzaehler_ -= 1;
            fehlerOffen_ = true;
            falscheTaste();
        } else {
            fehlerOffen_ = false;
            zeichenzaehlung_.zaehlen(ZeichenReturn, false);
            textzeile_ += 1;
            anzeige_.zeileFertig = true;
            if (textzeile_ == zeilen_.size()) {
                textende_ = true;
                anzeige_.textende = true;
            } else {
                textposition_ = 1;
            }
        }
    } else if (k == static_cast<Zeichen>(zeile[textposition_ - 1])) {
        zeichenzaehlung_.zaehlen(k, false);
        fehlerOffen_ = false;
        textposition_ += 1;
    } else if (berichtigung) {
        // The mark stays on the expected character; the position is counted wrong once.
        if (!fehlerOffen_) {
            fehlerzaehler_ += 1;
            zeichenzaehlung_.zaehlen(static_cast<Zeichen>(zeile[textposition_ - 1]), true);
        }
        anschlagzaehler_ -= 1;
        fehlerOffen_ = true;
        falscheTaste();
    } else {
        fehlerzaehler_ += 1;
        zeichenzaehlung_.zaehlen(static_cast<Zeichen>(zeile[textposition_ - 1]), true);
        textposition_ += 1;
        falscheTaste();
    }
    anzeigeFuellen();
    return anzeige_;
}

void EigeneTexteUebung::anzeigeFuellen() {
    EigeneTexteAnzeige& a = anzeige_;
    a.anschlaege.assign("Anschläge: ");
    zahlAnhaengen(a.anschlaege, anschlaege());
    a.fehler.assign("Fehler: ");
    zahlAnhaengen(a.fehler, fehlerzaehler_);
    const double anteil = fehleranteil();
    a.fehleranteil.assign("Fehleranteil: ");
    prozentAnhaengen(a.fehleranteil, anteil);
    a.fehleranteil.append(" %");
    a.fehleranteilRot = anteil > static_cast<double>(sitzung_.wunschFehlerrate);

    a.zeilenanzeige.assign("Zeile ");
    zahlAnhaengen(a.zeilenanzeige, textende_ ? zeilen_.size() : textzeile_ + 1);
    a.zeilenanzeige.append(" von ");
    zahlAnhaengen(a.zeilenanzeige, zeilen_.size());

    if (textende_ || textposition_ == 0) {
        // Nothing to type: the text is finished, or the start call has not come yet.
        a.markierung = 0;
        a.returnHinweis = false;
        a.sollzeichen = ZeichenStartaufforderung;
        return;
    }
    const std::string& zeile = zeilen_[textzeile_];
    a.markierung = textposition_ - 1;
    a.returnHinweis = textposition_ == zeile.size() + 1;
    a.sollzeichen = a.returnHinweis ? ZeichenReturn : static_cast<Zeichen>(zeile[textposition_ - 1]);
}

} // namespace tastwerk
