// The main window: creates the screens, the shared session state and the navigation, and routes the
// key presses and the 250 ms timer. Each screen's own work lives in its own class.
#pragma once

#include "session/benutzerdatei.h"
#include "session/sitzung.h"
#include "ui/aktionen.h"
#include "ui/masse.h"
#include "ui/seiten.h"
#include "ui/seitenbau.h"
#include "ui/uebungsaktionen.h"
#include "ui/umgebung.h"

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QKeyEvent;
class QLabel;

namespace tastwerk::ui {

class Anmeldung;
class Begruessungstext;
class Bildschirme;
class Buehne;
class Einstellungsabgleich;
class Logo;
class Namensfeld;
class Navigation;
class Uebungssteuerung;
class Verlaufsanzeige;

class Hauptfenster : public QMainWindow {
    Q_OBJECT
public:
    explicit Hauptfenster(Umgebung umgebung, QWidget* parent = nullptr);
    ~Hauptfenster() override;

    Sitzung& sitzung() { return sitzung_; }
    // The client area with the design canvas.
    Buehne* buehne() const { return buehne_; }
    const Aktionen& aktionen() const { return aktionen_; }
    const Seiten& seiten() const { return seiten_; }
    Namensfeld* namensfeld() const { return namensfeld_; }
    QLabel* namensaufforderung() const { return namensaufforderung_; }
    Begruessungstext* begruessungstext() const { return begruessung_; }
    // The screens; each is made when first asked for.
    Seitenbau& seitenbau() const { return *seitenbau_; }
    EinstellungenSeite* einstellungen() const { return &seitenbau_->einstellungen(); }
    ExtrasSeite* extras() const { return &seitenbau_->extras(); }
    HinweisSeite* hinweis() const { return &seitenbau_->hinweis(); }
    BuchstabenSeite* buchstaben() const { return &seitenbau_->buchstaben(); }
    WortSeite* wort() const { return &seitenbau_->wort(); }
    EigeneTexteSeite* eigeneTexte() const { return &seitenbau_->eigene(); }
    BenutzerdatenSeite* benutzerdatenSeite() const { return &seitenbau_->benutzerdaten(); }
    BenutzerdateiSeite* benutzerdateiSeite() const { return &seitenbau_->benutzerdatei(); }
    StatistikSeite* statistik() const { return &seitenbau_->statistik(); }
    Statusleiste* statusleiste() const { return &seitenbau_->status; }
    TastaturWidget* tastatur() const { return &seitenbau_->tastatur; }
    // The parts that do the window's work.
    Uebungssteuerung* steuerung() const { return steuerung_; }
    const Navigation& navigation() const { return *navigation_; }
    const Verlaufsanzeige& verlaufsanzeige() const { return *verlaufsanzeige_; }

    // The desktop session ends or the program is told to terminate: save as at closing, without asking.
    void beendenOhneFrage();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    // Keys that stand in for the mouse: Return on a button, the menu key and Shift+F10.
    bool tastaturwegNehmen(QWidget* ziel, const QKeyEvent* e);
    void verbinden();
    void universaltimer();

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
    Seitenbau* seitenbau_ = nullptr;
    Uebungssteuerung* steuerung_ = nullptr;
    Einstellungsabgleich* abgleich_ = nullptr;
    Anmeldung* anmeldung_ = nullptr;
    Navigation* navigation_ = nullptr;
    Verlaufsanzeige* verlaufsanzeige_ = nullptr;
    QTimer takt_;
};

} // namespace tastwerk::ui
