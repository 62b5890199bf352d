#include "ui/bildschirme.h"

#include "ui/begruessungstext.h"
#include "ui/leinwand.h"

#include <array>
#include <string_view>

namespace tastwerk::ui {

namespace {

// One row per screen, one column per part:
//   z shown, V shown and put in front, - hidden, . left as it is.
// HM main menu, TA keyboard, EI settings, BD user data, BF user file, EX Extras, HI introduction,
// BU letter exercise, WU word exercise, FS error statistics, FR lesson grid, E0 E1 E2 own texts (menu,
// editor, practice), FG finger gymnastics, SR writing rules, BG welcome text, LO logo, NF name prompt.
struct Zeile {
    Bildschirm bildschirm;
    std::string_view teile;
};

// clang-format off
constexpr std::array Tabelle{
    //                                        HM TA EI BD BF EX HI BU WU FS FR E0 E1 E2 FG SR BG LO NF
    Zeile{Bildschirm::Anmeldung,              "z  V  -  -  -  -  -  -  -  -  -  -  -  -  -  -  z  .  ."},
    Zeile{Bildschirm::Hauptmenue,             "z  z  -  -  -  -  -  -  -  -  -  -  -  -  -  -  z  z  ."},
    Zeile{Bildschirm::Tastatur,               ".  V  -  -  -  -  .  .  .  -  -  .  .  .  -  -  z  .  ."},
    Zeile{Bildschirm::Einstellungen,          ".  -  z  -  -  -  .  .  .  .  -  -  -  -  -  -  z  .  ."},
    Zeile{Bildschirm::Extras,                 ".  -  -  -  -  V  .  .  .  .  -  .  .  .  -  -  z  .  ."},
    Zeile{Bildschirm::Benutzerdaten,          ".  -  -  V  -  -  .  .  .  .  -  -  -  -  -  -  z  .  ."},
    Zeile{Bildschirm::Benutzerdatei,          ".  -  -  -  V  -  .  -  .  .  .  .  .  .  .  .  .  .  -"},
    Zeile{Bildschirm::Schreibregeln,          ".  .  .  .  .  -  .  .  .  .  .  .  .  .  .  V  -  .  ."},
    Zeile{Bildschirm::Fingergymnastik,        ".  .  .  .  .  -  .  .  .  .  .  .  .  .  V  .  -  .  ."},
    Zeile{Bildschirm::GesamtstatistikExtras,  ".  -  .  -  .  -  .  .  -  -  V  .  .  .  .  .  .  .  ."},
    Zeile{Bildschirm::EigeneTexte,            "-  -  -  -  -  -  .  .  .  .  -  .  .  .  -  -  -  .  ."},
    Zeile{Bildschirm::EigeneTexteUebung,      "-  z  -  -  -  -  .  .  .  -  .  .  .  .  .  .  -  -  ."},
    Zeile{Bildschirm::Hinweistext,            "-  -  -  -  -  -  V  .  .  -  -  -  -  -  -  -  -  -  -"},
    Zeile{Bildschirm::Buchstabenuebung,       ".  z  .  .  .  .  -  z  .  .  .  .  .  .  .  .  .  .  ."},
    Zeile{Bildschirm::Wortuebung,             "-  z  -  -  -  -  -  -  z  -  -  -  -  -  -  -  -  -  ."},
    Zeile{Bildschirm::Uebungstastatur,        ".  V  -  .  .  .  .  .  .  -  .  .  .  .  .  .  .  .  ."},
    Zeile{Bildschirm::Uebungsstatistik,       ".  -  -  .  .  .  .  .  .  V  .  .  .  .  .  .  -  .  ."},
    Zeile{Bildschirm::Uebungseinstellungen,   ".  -  V  .  .  .  .  .  .  -  .  .  .  .  .  .  .  .  ."},
    Zeile{Bildschirm::Gesamtstatistik,        ".  -  .  .  .  .  .  .  -  z  V  .  .  .  .  .  .  .  ."},
};
// clang-format on

constexpr bool tabelleVollstaendig() {
    for (std::size_t k = 0; k < Tabelle.size(); ++k) {
        if (Tabelle[k].bildschirm != static_cast<Bildschirm>(k) || Tabelle[k].teile.size() != 19 * 3 - 2) {
            return false;
        }
    }
    return true;
}
static_assert(tabelleVollstaendig(), "one row of 19 parts per screen, in the order of the enum");

} // namespace

Bildschirme::Bildschirme(const Seiten& seiten, Begruessungstext* begruessung, QWidget* logo,
                         QWidget* namensfeld, QWidget* namensaufforderung, const Masse& m)
    : seiten_(seiten), begruessung_(begruessung), logo_(logo), namensfeld_(namensfeld),
      namensaufforderung_(namensaufforderung), masse_(m) {}

void Bildschirme::zeigen(Bildschirm b) {
    const Seiten& s = seiten_;
    const std::array<std::array<QWidget*, 2>, 19> teile{{
        {s.hauptmenue},
        {s.tastatur},
        {s.einstellungen},
        {s.benutzerdaten},
        {s.benutzerdatei},
        {s.extras},
        {s.hinweistext},
        {s.buchstabenuebung},
        {s.wortuebung},
        {s.fehlerstatistik},
        {s.fehlerraster},
        {s.eigeneTexte[0]},
        {s.eigeneTexte[1]},
        {s.eigeneTexte[2]},
        {s.fingergymnastik},
        {s.schreibregeln},
        {begruessung_},
        {logo_},
        {namensfeld_, namensaufforderung_},
    }};
    const std::string_view zeile = Tabelle[static_cast<std::size_t>(b)].teile;
    // Hidden first, so that a part shown never stands behind one that goes.
    for (const char gesucht : {'-', 'z', 'V'}) {
        for (std::size_t k = 0; k < teile.size(); ++k) {
            if (zeile[3 * k] != gesucht) {
                continue;
            }
            for (QWidget* w : teile[k]) {
                if (w == nullptr) {
                    continue;
                }
                w->setVisible(gesucht != '-');
                if (gesucht == 'V') {
                    w->raise();
                }
            }
        }
    }
}

void Bildschirme::begruessungPlatzieren(int oben, int hoehe) {
    platzieren(begruessung_, QRect(masse_.s(8), oben, masse_.breite - 2 * masse_.s(8), hoehe));
    begruessung_->show();
}

} // namespace tastwerk::ui
