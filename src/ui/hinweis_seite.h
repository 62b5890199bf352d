// The introduction screen "Hinweistext zu Lektion N": the lesson's new keys with their fingers, the
// explanation and a tip, and the button that starts the letter exercise.
#pragma once

#include "course/hinweistexte.h"
#include "ui/masse.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <vector>

namespace tastwerk::ui {

class HinweisSeite : public QObject {
    Q_OBJECT
public:
    HinweisSeite(QGroupBox* rahmen, const Masse& m);

    // Fills the screen for the lesson, with the finger lines in the finger colours.
    void fuellen(int lektion, const Hinweistext& text, const std::array<Farbe, 5>& farben);

    QGroupBox* rahmen() const { return rahmen_; }
    QPushButton* startknopf() const { return start_; }
    QLabel* titel() const { return titel_; }
    QLabel* unterueberschrift() const { return unterueberschrift_; }
    const std::vector<QLabel*>& zeilen() const { return zeilen_; }
    const std::vector<QLabel*>& rechteZeilen() const { return rechts_; }
    QFrame* tiprahmen() const { return tiprahmen_; }
    const std::array<QLabel*, 2>& tip() const { return tip_; }

signals:
    void startGedrueckt();

private:
    QGroupBox* rahmen_;
    QLabel* titel_;
    QLabel* unterueberschrift_;
    std::vector<QLabel*> zeilen_;
    std::vector<QLabel*> rechts_;
    QFrame* tiprahmen_;
    std::array<QLabel*, 2> tip_{};
    QPushButton* start_;
};

// A caption's text as shown: a doubled ampersand shows as one.
QString beschriftungAnzeigen(const std::string& utf8);

} // namespace tastwerk::ui
