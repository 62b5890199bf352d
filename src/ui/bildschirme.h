// Which screen the main window shows: a table says for each screen which framed groups, and whether the
// welcome text, the logo and the name prompt, are shown; one call switches to a screen.
#pragma once

#include "ui/masse.h"
#include "ui/seiten.h"

#include <QList>

#include <array>
#include <functional>

class QWidget;

namespace tastwerk::ui {

class Begruessungstext;

enum class Bildschirm {
    Anmeldung,             // the first screen: main menu and keyboard, before and at sign-in
    Hauptmenue,            // back from an exercise or from the own texts
    Tastatur,              // "Die Tastatur" of the main menu
    Einstellungen,         // "Einstellungen" of the main menu
    Extras,                // "Extras"
    Benutzerdaten,         // "Benutzer- und Systemdaten"
    Benutzerdatei,         // the table of all users
    Schreibregeln,         // in front of the Extras screen
    Fingergymnastik,       // in front of the Extras screen
    GesamtstatistikExtras, // the grid of all lessons from the Extras screen
    EigeneTexte,           // the own-texts screens, which show their own groups
    EigeneTexteUebung,     // practising an own text
    Hinweistext,           // the introduction of a lesson, before its letter exercise
    Buchstabenuebung,      // the letter exercise with the keyboard
    Wortuebung,            // the word exercise with the keyboard
    Uebungstastatur,       // during an exercise: the keyboard beside it
    Uebungsstatistik,      // during an exercise: its error statistics in place of the keyboard
    Uebungseinstellungen,  // during an exercise: its settings
    Gesamtstatistik,       // a passed lesson: its statistics and the grid of all lessons
};

class Bildschirme {
public:
    Bildschirme(const Seiten& seiten, Begruessungstext* begruessung, QWidget* logo, QWidget* namensfeld,
                QWidget* namensaufforderung, const Masse& m);

    // Shows the screen's parts, hides the others it names and leaves the rest as they are; the parts
    // the table puts in front are raised.
    void zeigen(Bildschirm b);
    // What makes a part's contents before it is first shown.
    void setBereitstellen(std::function<void(QWidget*)> bereitstellen) {
        bereitstellen_ = std::move(bereitstellen);
    }

    const Seiten& seiten() const { return seiten_; }
    Begruessungstext* begruessung() const { return begruessung_; }
    // Places the welcome text (top, height) and shows it.
    void begruessungPlatzieren(int oben, int hoehe);

    // A screen shown without the focus on one of its controls gives it to its first control; the name
    // box keeps it at sign-in, and the exercises place it themselves. Called by `zeigen`.
    void fokusGeben(Bildschirm b);

    // Whether the widget lies in a part the screen shown last shows (not in one it leaves as it is).
    bool gehoertZumBildschirm(const QWidget* w) const;
    // The parts showing, the one in front first, then the more particular before the more general
    // (an exercise before the keyboard beside it, the keyboard before the main menu), the welcome text
    // last: where the keyboard's request for a popup menu goes when no control holds the focus.
    QList<QWidget*> bereicheVonVorn() const;

private:
    // The parts in the order of the table's columns (the name prompt is two widgets).
    using Teile = std::array<std::array<QWidget*, 2>, 19>;
    Teile teile() const;
    // The part the screen shown last puts in front, when it is showing; else none.
    QWidget* vorn() const;
    static QWidget* ersteBedienung(QWidget* teil);

    Seiten seiten_;
    Bildschirm aktuell_ = Bildschirm::Anmeldung;
    Begruessungstext* begruessung_;
    QWidget* logo_;
    QWidget* namensfeld_;
    QWidget* namensaufforderung_;
    Masse masse_;
    std::function<void(QWidget*)> bereitstellen_;
};

} // namespace tastwerk::ui
