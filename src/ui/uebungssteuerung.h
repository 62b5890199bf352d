// The course and the exercises on the main window: lesson start, introduction, the letter exercise, the
// keystroke dispatch, pause, the settings view during practice and the 250 ms duties of the exercises.
// The rules live in the core engines; this class shows what they decide.
#pragma once

#include "keyboard/buchstabenliste.h"
#include "platform/klang.h"
#include "platform/uhr.h"
#include "practice/uebungslauf.h"
#include "practice/zufall.h"
#include "session/sitzung.h"
#include "ui/masse.h"
#include "verlauf/uebungseintrag.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QPushButton;
class QLabel;
class QWidget;

namespace tastwerk::ui {

class Begruessungstext;
class BuchstabenSeite;
class EinstellungenSeite;
class ExtrasSeite;
class HinweisSeite;
class Logo;
class Namensfeld;
class Statusleiste;
class TastaturWidget;
class WortSeite;
class EigeneTexteSeite;
class StatistikSeite;
class Fehlerraster;
class LayoutAuswahl;
struct Aktionen;
struct Seiten;

// What the exercises see of the main window.
struct Fensterteile {
    QWidget* fenster = nullptr;
    Sitzung* sitzung = nullptr;
    Uhr* uhr = nullptr;
    Klang* klang = nullptr;
    Masse masse;
    Aktionen* aktionen = nullptr;
    Seiten* seiten = nullptr;
    Begruessungstext* begruessung = nullptr;
    Statusleiste* status = nullptr;
    TastaturWidget* tastatur = nullptr;
    LayoutAuswahl* layoutAuswahl = nullptr;
    HinweisSeite* hinweis = nullptr;
    BuchstabenSeite* buchstaben = nullptr;
    WortSeite* wort = nullptr;
    EigeneTexteSeite* eigene = nullptr;
    StatistikSeite* statistik = nullptr;
    Fehlerraster* raster = nullptr;
    EinstellungenSeite* einstellungen = nullptr;
    ExtrasSeite* extras = nullptr;
    Logo* logo = nullptr;
    Namensfeld* namensfeld = nullptr;
    QLabel* namensaufforderung = nullptr;
    // Saves the session; a failure has been shown to the learner when it returns false.
    std::function<bool()> speichern;
    // Places the welcome text (top, height).
    std::function<void(int, int)> begruessungPlatzieren;
    // Keeps an ended exercise in the learning history.
    std::function<void(const Uebungseintrag&)> aufzeichnen;
};

class Uebungssteuerung : public QObject {
    Q_OBJECT
public:
    explicit Uebungssteuerung(Fensterteile teile, QObject* parent = nullptr);

    // Applies a keyboard layout: keyboard, letter sequence, radio buttons and the session.
    void tastaturlayoutAnwenden(Tastaturlayout layout);

    void startvorbereiten();
    void start();
    void startWiederholung();
    // One typed character, Windows-1252 (Return 13), handed to the practice run.
    void uebungen(Zeichen k);
    // A key press of the main window: true when an exercise took it.
    bool tasteGedrueckt(QKeyEvent* e);

    // Pause on or off, as the pause button, its popup entries and the status bar's entry do.
    void bpause();
    bool pausiert() const;
    // The two commands with a state: the exercise paused, its settings open.
    QAction* pauseAktion() const { return pause_; }
    QAction* einstellungenAktion() const { return einstellungen_; }
    // The program closes: a running exercise ends and is reported.
    void programmende();
    void buchstabenuebungeinstellungen();
    void buchstabenuebungAbbruch();
    // Shows the on-screen keyboard and marks the demanded character.
    void tastatur();
    // The exercises' duties of the 250 ms timer.
    void takt();

    void wortuebungEinrichten();
    // The own-texts exercise: its start, its settings view and what a keystroke showed.
    void eigeneTexteGestartet();
    void eigeneTexteeinstellungen();
    void eigeneTexteZeigen(const EigeneTexteAnzeige& anzeige);
    void wortuebungeinstellungen();
    // Shows the lesson error statistics in place of the keyboard.
    void fehlerstatistikAktivieren();
    // Records the lesson's rates per finger and shows the grid of all lessons.
    void gesamtfehlerstatistik();
    // The overall statistics from the Extras screen.
    void fehlerstatistikextras();

    // Whether the running exercise has had its first keystroke.
    bool begonnen() const { return lauf_.begonnen(); }
    bool laeuft() const { return lauf_.laeuft(); }
    const Uebungslauf& lauf() const { return lauf_; }
    Uebungslauf& lauf() { return lauf_; }
    const Buchstabenliste& buchstabenliste() const { return liste_; }

private:
    // Keys typed while the error sound played, taken once it has ended.
    void wartendeTastenNehmen();
    void buchstabeGetippt(const Laufschritt& schritt, Zeichen k);
    void wortGetippt(const Wortschritt& schritt);
    // The practice run's report of an ended exercise, as a row of the learning history.
    void berichtAufzeichnen(const Uebungsbericht& bericht);
    void wortZeigen();
    void wortBestanden(const Wortschritt& schritt);
    void statistikAusZaehlern(const Fingerzaehler& zaehler);
    void rasterFuellen();
    void buchstabeZeigen();
    void erstenAnschlagZeigen();
    void zufallSaeen();
    QFont buchstabenschrift(int index) const;
    // The settings view of an exercise, opened or closed by its "Einstellungen"/"Weiter üben" button.
    void einstellungenUmschalten(QPushButton* knopf, QAction* popupEintrag,
                                 const std::vector<QPushButton*>& gesperrt, QAction* popupPause);
    void einstellungenSchliessen();
    void pauseUmschalten(bool an);

    Fensterteile t_;
    Sitzung& s_;
    Buchstabenliste liste_;
    Zufall zufall_;
    Uebungslauf lauf_;
    QAction* pause_;
    QAction* einstellungen_;
    std::vector<Zeichen> wartend_;
    // The button whose settings view is open.
    QPushButton* einstellungenVon_ = nullptr;
    // The wall-clock time of the running exercise's first keystroke.
    Zeitpunkt beginn_;
    Farbe buchstabenfarbe_ = 0;
};

} // namespace tastwerk::ui
