// The main window: creates the screens, the shared session state and the navigation, and routes the
// key presses and the 250 ms timer. Each screen's own work lives in its own class.
#pragma once

#include "platform/datentraeger.h"
#include "platform/klang.h"
#include "platform/uhr.h"
#include "session/benutzerdatei.h"
#include "session/sitzung.h"
#include "ui/aktionen.h"
#include "ui/masse.h"
#include "ui/seiten.h"
#include "ui/uebungsaktionen.h"
#include "verlauf/lernverlauf.h"

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class QDialog;
class QKeyEvent;

namespace tastwerk::ui {

class Begruessungstext;
class Bildschirme;
class Buehne;
class BuchstabenSeite;
class EinstellungenSeite;
class ExtrasSeite;
class HinweisSeite;
class LayoutAuswahl;
class Statusleiste;
class TastaturWidget;
class Uebungssteuerung;
class Hilfefenster;
class Infofenster;
class WortSeite;
class EigeneTexteSeite;
class BenutzerdatenSeite;
class BenutzerdateiSeite;
class StatistikSeite;
class Fehlerraster;
class Logo;
class Namensfeld;
class LernverlaufFenster;
class KlassenuebersichtFenster;
class TastaturHeatmap;

// What the window needs from the outside world.
struct Umgebung {
    Uhr* uhr = nullptr;
    Klang* klang = nullptr;
    Datentraeger* datentraeger = nullptr;
    QString programmordner; // the start folder: user file and "Texte" lie in it
    QSize bildschirm{800, 600};
    double dpi = 96;
};

class Hauptfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit Hauptfenster(Umgebung umgebung, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    Sitzung& sitzung() { return sitzung_; }
    const Masse& masse() const { return masse_; }
    // The client area with the design canvas.
    Buehne* buehne() const { return buehne_; }
    const Aktionen& aktionen() const { return aktionen_; }
    // The commands of the letter and the word exercise.
    const Uebungsaktionen& uebungsaktionen() const { return uebungsaktionen_; }
    const Seiten& seiten() const { return seiten_; }
    Namensfeld* namensfeld() const { return namensfeld_; }
    QLabel* namensaufforderung() const { return namensaufforderung_; }
    Begruessungstext* begruessungstext() const { return begruessung_; }
    Fehlerraster* fehlerraster() const { return fehlerraster_; }
    QLabel* wiederholungsTasten() const;
    EinstellungenSeite* einstellungen() const { return einstellungen_; }
    ExtrasSeite* extras() const { return extras_; }
    HinweisSeite* hinweis() const { return hinweis_; }
    BuchstabenSeite* buchstaben() const { return buchstaben_; }
    WortSeite* wort() const { return wort_; }
    EigeneTexteSeite* eigeneTexte() const { return eigene_; }
    BenutzerdatenSeite* benutzerdatenSeite() const { return benutzerdaten_; }
    BenutzerdateiSeite* benutzerdateiSeite() const { return benutzerdatei_seite_; }
    StatistikSeite* statistik() const { return statistik_; }
    Statusleiste* statusleiste() const { return status_; }
    TastaturWidget* tastatur() const { return tastatur_; }
    LayoutAuswahl* layoutAuswahl() const { return layoutAuswahl_; }
    Uebungssteuerung* steuerung() const { return steuerung_; }

    // Saves the session into the learner's record; a failure is shown to the learner. True on success.
    bool datenaufdiskschreiben();

    // The desktop session ends or the program is told to terminate: save as at closing, without asking.
    void beendenOhneFrage();

    // Context number of the help topic for what is shown: 1 main window, 2 letter exercise, 3 word
    // exercise, 5 user table.
    int hilfekontext() const;
    // The help window and the About box, once opened.
    Hilfefenster* hilfefenster() const { return hilfe_; }
    Infofenster* infofenster() const { return info_; }
    // The learner's history and the teacher's class overview, once opened.
    LernverlaufFenster* lernverlaufFenster() const { return lernverlaufFenster_; }
    KlassenuebersichtFenster* klassenuebersichtFenster() const { return klassenFenster_; }
    TastaturHeatmap* heatmap() const { return heatmap_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    // Keys that stand in for the mouse: Return on a button, the menu key and Shift+F10.
    bool tastaturwegNehmen(QWidget* ziel, const QKeyEvent* e);
    // The navigation of the main menu.
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
    void init();
    // The application lost the focus: a running exercise pauses.
    void deaktiviert();
    // The free space check of the start-up, run once the window is shown.
    void speicherPruefen();
    void editfeld(int taste, int laengeVorher, const QString& textVorher);
    bool anmelden(const QString& name);
    // The file `pfad` is no user file: the learner chooses another folder for the user file and the
    // texts (true), or ends the program (false). The file is left as it is.
    bool andererOrdner(const QString& pfad);
    void angemeldetAnzeigen();
    void universaltimer();
    void verbinden();
    void navigationVerbinden();
    void inhalteAnlegen();
    // Makes a screen's contents before it is first shown, where they are made only then.
    void seiteBereitstellen(QGroupBox* seite);
    // The help window pauses a running exercise while it is in front, and ends only that pause.
    void hilfePausieren();
    void hilfeVerlassen();
    // Pauses a running exercise before the close question, unless it is paused already.
    void pausierenFallsLaeuft();
    // The learning history of the start folder (made anew when the folder changed).
    Lernverlauf& verlauf();
    void verlaufVerbinden();
    void uebungAufzeichnen(const Uebungseintrag& eintrag);
    void lernverlaufZeigen();
    void klassenuebersichtZeigen();

    Umgebung umgebung_;
    Masse masse_;
    Buehne* buehne_ = nullptr;
    Sitzung sitzung_;
    Benutzerdatei benutzerdatei_;
    Aktionen aktionen_;
    Uebungsaktionen uebungsaktionen_{};
    Seiten seiten_;
    std::unique_ptr<Bildschirme> bildschirme_;
    Logo* logo_ = nullptr;
    QLabel* namensaufforderung_ = nullptr;
    Namensfeld* namensfeld_ = nullptr;
    Begruessungstext* begruessung_ = nullptr;
    Fehlerraster* fehlerraster_ = nullptr;
    EinstellungenSeite* einstellungen_ = nullptr;
    ExtrasSeite* extras_ = nullptr;
    HinweisSeite* hinweis_ = nullptr;
    BuchstabenSeite* buchstaben_ = nullptr;
    WortSeite* wort_ = nullptr;
    EigeneTexteSeite* eigene_ = nullptr;
    BenutzerdatenSeite* benutzerdaten_ = nullptr;
    BenutzerdateiSeite* benutzerdatei_seite_ = nullptr;
    StatistikSeite* statistik_ = nullptr;
    Statusleiste* status_ = nullptr;
    TastaturWidget* tastatur_ = nullptr;
    LayoutAuswahl* layoutAuswahl_ = nullptr;
    Uebungssteuerung* steuerung_ = nullptr;
    Hilfefenster* hilfe_ = nullptr;
    Infofenster* info_ = nullptr;
    QMenu* tastaturPopup_ = nullptr;
    QTimer takt_;
    bool ohneFrage_ = false;
    bool hilfePause_ = false;
    std::unique_ptr<Lernverlauf> verlauf_;
    LernverlaufFenster* lernverlaufFenster_ = nullptr;
    KlassenuebersichtFenster* klassenFenster_ = nullptr;
    TastaturHeatmap* heatmap_ = nullptr;
};

} // namespace tastwerk::ui
