// The screen "Extras": repeating an earlier lesson, choosing a lesson directly, and further functions.
#pragma once

#include "session/sitzung.h"
#include "ui/masse.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

namespace tastwerk::ui {

class ExtrasSeite : public QObject {
    Q_OBJECT
public:
    ExtrasSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m);

    // The sliders and boxes follow the learner's position (every tick while no exercise runs).
    void positionZeigen();

    QGroupBox* rahmen() const { return rahmen_; }
    QLabel* wiederholungsTasten() const { return tasten_; }
    QLineEdit* wiederholungsFeld() const { return wiederholungsFeld_; }
    QSlider* wiederholungsRegler() const { return wiederholungsRegler_; }
    QPushButton* startWiederholung() const { return startWiederholung_; }
    QLineEdit* direktFeld() const { return direktFeld_; }
    QSlider* direktRegler() const { return direktRegler_; }
    QMenu* direktPopup() const { return direktPopup_; }
    QPushButton* schreibregeln() const { return schreibregeln_; }
    QPushButton* einsehen() const { return einsehen_; }
    QPushButton* fehlerstatistik() const { return fehlerstatistik_; }
    QPushButton* fingergymnastik() const { return fingergymnastik_; }
    QPushButton* eigeneTexte() const { return eigeneTexte_; }
    QPushButton* lernverlauf() const { return lernverlauf_; }

signals:
    void wiederholungGestartet();
    // The popup's "start", or Return on the slider "Lektion direkt anwählen".
    void startVerlangt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void lektiondirekt(int position);
    void wLektioneinstellen(int position);

    QGroupBox* rahmen_;
    Sitzung& sitzung_;
    QLabel* tasten_;
    QLineEdit* wiederholungsFeld_;
    QSlider* wiederholungsRegler_;
    QPushButton* startWiederholung_;
    QLineEdit* direktFeld_;
    QSlider* direktRegler_;
    QMenu* direktPopup_;
    QPushButton* schreibregeln_;
    QPushButton* einsehen_;
    QPushButton* fehlerstatistik_;
    QPushButton* fingergymnastik_;
    QPushButton* eigeneTexte_;
    QPushButton* lernverlauf_;
    bool programmSetzt_ = false;
};

} // namespace tastwerk::ui
