#include "ui/bildschirme.h"

#include "ui/begruessungstext.h"
#include "ui/leinwand.h"

#include <QWidget>

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

Bildschirme::Teile Bildschirme::teile() const {
    const Seiten& s = seiten_;
    return {{
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
}

void Bildschirme::zeigen(Bildschirm b) {
    aktuell_ = b;
    const Teile teile = this->teile();
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
                if (gesucht != '-' && bereitstellen_) {
                    bereitstellen_(w);
                }
                w->setVisible(gesucht != '-');
                if (gesucht == 'V') {
                    w->raise();
                }
            }
        }
    }
    fokusGeben(b);
}

void Bildschirme::fokusGeben(Bildschirm b) {
    // During an exercise the exercise decides where the keys go.
    switch (b) {
    case Bildschirm::EigeneTexte:
    case Bildschirm::EigeneTexteUebung:
    case Bildschirm::Buchstabenuebung:
    case Bildschirm::Wortuebung:
    case Bildschirm::Uebungstastatur:
    case Bildschirm::Uebungsstatistik:
    case Bildschirm::Uebungseinstellungen:
    case Bildschirm::Gesamtstatistik:
        return;
    default:
        break;
    }
    const std::string_view zeile = Tabelle[static_cast<std::size_t>(b)].teile;
    const Teile teile = this->teile();
    QWidget* fenster = seiten_.hauptmenue->window();
    QWidget* fokus = fenster->focusWidget();
    const auto enthaelt = [&](QWidget* teil) {
        return teil && teil->isVisible() && fokus && (teil == fokus || teil->isAncestorOf(fokus));
    };
    if (fokus && fokus == namensfeld_ && fokus->isVisible()) {
        return;
    }
    // The framed groups only: the welcome text, the logo and the name prompt are no screen of their own.
    constexpr std::size_t Gruppen = 16;
    for (std::size_t k = 0; k < Gruppen; ++k) {
        if ((zeile[3 * k] == 'V' || zeile[3 * k] == 'z') && enthaelt(teile[k][0])) {
            return;
        }
    }
    // The first control of the part in front, else of a part shown; else the focus stays where it is
    // when a part left showing holds it, or goes to the first control of one.
    for (const char gesucht : {'V', 'z', '.'}) {
        if (gesucht == '.') {
            for (std::size_t k = 0; k < Gruppen; ++k) {
                if (enthaelt(teile[k][0])) {
                    return;
                }
            }
        }
        for (std::size_t k = 0; k < Gruppen; ++k) {
            QWidget* teil = teile[k][0];
            if (zeile[3 * k] != gesucht || !teil || !teil->isVisible()) {
                continue;
            }
            if (QWidget* erstes = ersteBedienung(teil)) {
                erstes->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
}

bool Bildschirme::gehoertZumBildschirm(const QWidget* w) const {
    const std::string_view zeile = Tabelle[static_cast<std::size_t>(aktuell_)].teile;
    const Teile teile = this->teile();
    for (std::size_t k = 0; k < teile.size(); ++k) {
        for (const QWidget* teil : teile[k]) {
            if (teil && (zeile[3 * k] == 'V' || zeile[3 * k] == 'z') &&
                (teil == w || teil->isAncestorOf(w))) {
                return true;
            }
        }
    }
    return false;
}

QWidget* Bildschirme::vorn() const {
    const std::string_view zeile = Tabelle[static_cast<std::size_t>(aktuell_)].teile;
    const Teile teile = this->teile();
    for (std::size_t k = 0; k < teile.size(); ++k) {
        if (zeile[3 * k] == 'V' && teile[k][0] && teile[k][0]->isVisible()) {
            return teile[k][0];
        }
    }
    return nullptr;
}

QList<QWidget*> Bildschirme::bereicheVonVorn() const {
    QList<QWidget*> bereiche;
    if (QWidget* v = vorn()) {
        bereiche << v;
    }
    const Teile teile = this->teile();
    constexpr std::size_t Gruppen = 16;
    for (std::size_t k = Gruppen; k-- > 0;) {
        if (teile[k][0] && teile[k][0]->isVisible() && !bereiche.contains(teile[k][0])) {
            bereiche << teile[k][0];
        }
    }
    if (begruessung_ && begruessung_->isVisible()) {
        bereiche << begruessung_;
    }
    return bereiche;
}

QWidget* Bildschirme::ersteBedienung(QWidget* teil) {
    QWidget* w = teil;
    for (int k = 0; k < 2000; ++k) {
        w = w->nextInFocusChain();
        if (w == teil) {
            break;
        }
        if (teil->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() &&
            w->isEnabled()) {
            return w;
        }
    }
    return nullptr;
}

void Bildschirme::begruessungPlatzieren(int oben, int hoehe) {
    platzieren(begruessung_, QRect(masse_.s(8), oben, masse_.breite - 2 * masse_.s(8), hoehe));
    begruessung_->show();
}

} // namespace tastwerk::ui
