// The learner's history in a window of its own: speed and error rate over the exercises (all, or one
// lesson), practice time per day and per week, the best speed and the weakest characters.
#pragma once

#include "platform/uhr.h"
#include "practice/zeichenzaehlung.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace tastwerk {
class Lernverlauf;
}

namespace tastwerk::ui {

class Verlaufsdiagramm;
class Zeitdiagramm;

class LernverlaufFenster : public QDialog {
    Q_OBJECT
public:
    explicit LernverlaufFenster(Lernverlauf& verlauf, QWidget* parent = nullptr);

    // Reads the learner's history anew and shows it; `name` as Benutzer.dat holds it.
    void zeigen(const std::string& name, double wunschTempo, double wunschFehlerrate, const Datum& heute);

    Verlaufsdiagramm* diagramm() const { return diagramm_; }
    QComboBox* lektionswahl() const { return lektion_; }
    QLabel* bestesTempo() const { return bestes_; }
    QLabel* schwaechen() const { return schwaechen_; }
    QLabel* uebungszeit() const { return zeit_; }

private:
    void lesen();

    Lernverlauf& verlauf_;
    std::string name_;
    double wunschTempo_ = 0;
    double wunschFehlerrate_ = 0;
    Datum heute_;
    QLabel* titel_;
    QComboBox* lektion_;
    Verlaufsdiagramm* diagramm_;
    Zeitdiagramm* tage_;
    Zeitdiagramm* wochen_;
    QLabel* bestes_;
    QLabel* zeit_;
    QLabel* schwaechen_;
};

// "2 Std. 5 Min.", "12 Min."
QString dauerText(std::uint64_t sekunden);
// A character as the learner reads it: "a", "Leertaste", "Return".
QString zeichenText(unsigned char zeichen);
// "Schwächste Zeichen: „j“ 25.0 %, …" of the character sums of a history, or "… noch keine".
QString schwaechenText(const std::vector<Zeichenzaehler>& summen);

} // namespace tastwerk::ui
