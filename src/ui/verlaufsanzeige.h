// The learning history on the main window: each ended exercise is kept, the learner opens their history
// from the main menu's popup and from Extras, the teacher the class overview behind the access word, a
// deleted learner's history goes with them, and the error heatmap shows beside the keyboard.
#pragma once

#include "ui/masse.h"
#include "verlauf/lernverlauf.h"
#include "verlauf/uebungseintrag.h"

#include <QObject>

#include <memory>

class QWidget;

namespace tastwerk {
struct Sitzung;
} // namespace tastwerk

namespace tastwerk::ui {

class Anmeldung;
class Bildschirme;
class KlassenuebersichtFenster;
class Leinwand;
class LernverlaufFenster;
class Seitenbau;
class TastaturHeatmap;
class Uebungssteuerung;
struct Aktionen;
struct Umgebung;

class Verlaufsanzeige : public QObject {
    Q_OBJECT
public:
    // The history lies in the start folder of `umgebung`; `fenster` owns the windows and message boxes.
    Verlaufsanzeige(const Umgebung& umgebung, Sitzung& sitzung, Aktionen& aktionen,
                    const Bildschirme& bildschirme, Seitenbau& seitenbau, const Uebungssteuerung& steuerung,
                    const Anmeldung& anmeldung, Leinwand& leinwand, const Masse& m, QWidget& fenster);
    ~Verlaufsanzeige() override;

    // The learner's history and the teacher's class overview, once opened.
    LernverlaufFenster* lernverlaufFenster() const { return lernverlaufFenster_; }
    KlassenuebersichtFenster* klassenuebersichtFenster() const { return klassenFenster_; }
    TastaturHeatmap* heatmap() const { return heatmap_; }

    // The duty of the 250 ms timer: the heatmap's switch belongs to the keyboard screen outside the
    // exercises.
    void takt();

private:
    // The learning history of the start folder (made anew when the folder changed).
    Lernverlauf& verlauf();
    void uebungAufzeichnen(const Uebungseintrag& eintrag);
    void lernverlaufZeigen();
    void klassenuebersichtZeigen();

    const Umgebung& umgebung_;
    Sitzung& sitzung_;
    const Bildschirme& bildschirme_;
    const Uebungssteuerung& steuerung_;
    const Anmeldung& anmeldung_;
    Leinwand& leinwand_;
    QWidget& fenster_;
    std::unique_ptr<Lernverlauf> verlauf_;
    LernverlaufFenster* lernverlaufFenster_ = nullptr;
    KlassenuebersichtFenster* klassenFenster_ = nullptr;
    TastaturHeatmap* heatmap_ = nullptr;
};

} // namespace tastwerk::ui
