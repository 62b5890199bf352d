// The course and the exercises on the main window: lesson start, introduction, the letter exercise, the
// keystroke dispatch, pause, the settings view during practice and the 250 ms duties of the exercises.
// The rules live in the core engines; this class shows what they decide. It is handed the session, the
// screens it shows and the exercise's commands; which groups a screen shows is the table of `Bildschirme`.
#pragma once

#include "keyboard/buchstabenliste.h"
#include "platform/klang.h"
#include "platform/uhr.h"
#include "practice/uebungslauf.h"
#include "practice/zufall.h"
#include "session/sitzung.h"
#include "ui/masse.h"
#include "ui/uebungsaktionen.h"
#include "verlauf/uebungseintrag.h"

#include <QObject>

#include <vector>

class QAction;
class QKeyEvent;
class QWidget;

namespace tastwerk::ui {

class BuchstabenSeite;
class Bildschirme;
class EinstellungenSeite;
class ExtrasSeite;
class HinweisSeite;
class Statusleiste;
class TastaturWidget;
class WortSeite;
class EigeneTexteSeite;
class StatistikSeite;
class Fehlerraster;
class LayoutAuswahl;
class Seitenbau;
struct Aktionen;

class Uebungssteuerung : public QObject {
    Q_OBJECT
public:
    // The window `fenster` takes the focus back from the exercise's buttons and owns the message boxes.
    // The screens the exercises show come from `seiten`, made when first needed.
    Uebungssteuerung(Sitzung& sitzung, Uhr& uhr, Klang& klang, const Masse& m, Bildschirme& bildschirme,
                     Aktionen& aktionen, const Uebungsaktionen& uebungsaktionen, Seitenbau& seiten,
                     QWidget* fenster);

    // Applies a keyboard layout: keyboard, letter sequence, radio buttons and the session.
    void tastaturlayoutAnwenden(Tastaturlayout layout);

    void startvorbereiten();
    void start();
    // A repetition of an earlier lesson; the learner's own position has been saved.
    void startWiederholung();
    // One typed character, Windows-1252 (Return 13), handed to the practice run.
    void uebungen(Zeichen k);
    // A key press of the main window: true when an exercise took it, as a keystroke or as the key of one
    // of its commands.
    bool tasteGedrueckt(QKeyEvent* e);

    // Pause on or off, as the pause button, its popup entries and the status bar's entry do.
    void bpause();
    bool pausiert() const;
    // The two commands with a state: the exercise paused, its settings open.
    QAction* pauseAktion() const { return a_.pause; }
    QAction* einstellungenAktion() const { return a_.einstellungen; }
    // The program closes: a running exercise ends and is reported.
    void programmende();
    void buchstabenuebungAbbruch();
    // Shows the on-screen keyboard and marks the demanded character.
    void tastatur();
    // The exercises' duties of the 250 ms timer.
    void takt();

    void wortuebungEinrichten();
    // The own-texts exercise: its start, its settings view and what a keystroke showed.
    void eigeneTexteGestartet();
    void eigeneTexteZeigen(const EigeneTexteAnzeige& anzeige);
    // Shows the lesson error statistics in place of the keyboard.
    void fehlerstatistikAktivieren();
    // Shows the lesson's rates per finger, recorded into the overall statistics, and the grid of all
    // lessons.
    void gesamtfehlerstatistik(const Fingerfehlerquoten& quoten);
    // The overall statistics from the Extras screen.
    void fehlerstatistikextras();

    // Whether the running exercise has had its first keystroke.
    bool begonnen() const { return lauf_.begonnen(); }
    bool laeuft() const { return lauf_.laeuft(); }
    const Uebungslauf& lauf() const { return lauf_; }
    Uebungslauf& lauf() { return lauf_; }
    const Buchstabenliste& buchstabenliste() const { return liste_; }

signals:
    // An ended exercise, for the learning history.
    void aufgezeichnet(const Uebungseintrag& eintrag);

private:
    // Escape and F2 to F5 while the letter or the word exercise is shown, Escape, F3, F5 and F6 while an
    // own text is practised: the key of a command, never a keystroke. True when it was one.
    bool befehlstaste(QKeyEvent* e);
    // Keys typed while the error sound played, taken once it has ended.
    void wartendeTastenNehmen();
    void buchstabeGetippt(const Laufschritt& schritt, Zeichen k);
    void wortGetippt(const Laufschritt& schritt);
    // The practice run's report of an ended exercise, as a row of the learning history.
    void berichtAufzeichnen(const Uebungsbericht& bericht);
    void wortZeigen();
    void wortBestanden(const Laufschritt& schritt);
    void statistikAusZaehlern(const Fingerzaehler& zaehler);
    void rasterFuellen();
    void buchstabeZeigen();
    void erstenAnschlagZeigen();
    void zufallSaeen();
    QFont buchstabenschrift(int index) const;
    // The settings view of an exercise, opened or closed by its "Einstellungen"/"Weiter üben" command.
    void einstellungenUmschalten(bool offen);
    void einstellungenSchliessen();
    void pauseUmschalten(bool an);
    // While paused or in the settings the exercise's buttons take the focus by Tab; while typing never.
    void knoepfeFokussierbar(bool ja);

    Sitzung& s_;
    Uhr& uhr_;
    Klang& klang_;
    Masse masse_;
    Bildschirme& b_;
    Aktionen& aktionen_;
    Uebungsaktionen a_;
    Seitenbau& p_;
    QWidget* fenster_;
    Buchstabenliste liste_;
    Zufall zufall_;
    Uebungslauf lauf_;
    std::vector<Zeichen> wartend_;
    // The wall-clock time of the running exercise's first keystroke.
    Zeitpunkt beginn_;
    Farbe buchstabenfarbe_ = 0;
};

} // namespace tastwerk::ui
