// The navigation of the main menu: which command shows which screen, the Extras screen's buttons, the
// table of all users, the own texts' way in and back, the welcome text window, help, the About box and
// the automatic pause when the program loses the focus.
#pragma once

#include "ui/masse.h"
#include "ui/uebungsaktionen.h"

#include <QObject>

class QEvent;
class QWidget;

namespace tastwerk {
struct Sitzung;
class Benutzerdatei;
class Datentraeger;
} // namespace tastwerk

namespace tastwerk::ui {

class Anmeldung;
class Bildschirme;
class Hilfefenster;
class Infofenster;
class Logo;
class Seitenbau;
class Uebungssteuerung;
struct Aktionen;

class Navigation : public QObject {
    Q_OBJECT
public:
    // `fenster` owns the help window, the About box and the message boxes; `namensfeld` is enabled until
    // a learner has signed in.
    Navigation(Sitzung& sitzung, Benutzerdatei& datei, Datentraeger& datentraeger, Aktionen& aktionen,
               const Uebungsaktionen& uebungsaktionen, Bildschirme& bildschirme, Seitenbau& seitenbau,
               Uebungssteuerung& steuerung, Anmeldung& anmeldung, Logo& logo, const QWidget& namensfeld,
               const Masse& m, QWidget& fenster);

    // Context number of the help topic for what is shown: 1 main window, 2 letter exercise, 3 word
    // exercise, 5 user table.
    int hilfekontext() const;
    // The help window and the About box, once opened.
    Hilfefenster* hilfefenster() const { return hilfe_; }
    Infofenster* infofenster() const { return info_; }

    // An event the main window sees: the help window leaves the front when it is closed or the learner
    // comes back to the main window.
    void fensterereignis(const QObject* ziel, const QEvent* e);

private:
    void einstellungenaktiviert();
    void extrasZeigen();
    void hauptmenue();
    // The learner's and the system's data, and the table of all users (saved first).
    void benutzerdatenanzeigen();
    void benutzerdateiEinsehen();
    void schreibregeln();
    void fingergym();
    // The welcome text window: enlarge, shrink, copy, select all.
    void memo1vergroessern();
    void memo1verkleinern();
    void copyclip();
    void memo1markieren();
    // The About box; a running exercise is paused meanwhile.
    void info1Click();
    // The help window: its contents, or the topic of the screen in front (F1).
    void hilfe1Click();
    void hilfeThema();
    Hilfefenster& hilfe();
    // The help window pauses a running exercise while it is in front, and ends only that pause.
    void hilfePausieren();
    void hilfeVerlassen();
    // The application lost the focus: a running exercise pauses.
    void deaktiviert();
    void befehleVerbinden(Logo& logo);
    // What talks to a screen, connected when the screen is made.
    void seitenVerbinden();

    Sitzung& sitzung_;
    Benutzerdatei& benutzerdatei_;
    Datentraeger& datentraeger_;
    Aktionen& aktionen_;
    Uebungsaktionen uebungsaktionen_;
    Bildschirme& bildschirme_;
    Seitenbau& seitenbau_;
    Uebungssteuerung& steuerung_;
    Anmeldung& anmeldung_;
    const QWidget& namensfeld_;
    Masse masse_;
    QWidget& fenster_;
    Hilfefenster* hilfe_ = nullptr;
    Infofenster* info_ = nullptr;
    bool hilfePause_ = false;
};

} // namespace tastwerk::ui
