// The menu of the own texts: "Text üben", "Text neu erstellen", "Text ändern" and "Hauptmenü" in a row.
#pragma once

#include "ui/masse.h"

#include <QGroupBox>
#include <QObject>
#include <QPushButton>

namespace tastwerk::ui {

class EigeneTexteMenue : public QObject {
    Q_OBJECT
public:
    // The buttons are placed in rahmen, which is placed here too.
    EigeneTexteMenue(QGroupBox* rahmen, const Masse& m, QObject* eltern);

    // Shows the menu in front of the screens.
    void zeigen();
    // "Text üben" is shown bold while it is the step the learner is expected to take.
    void textUebenHervorheben(bool ja);

    QGroupBox* rahmen() const { return rahmen_; }
    QPushButton* textUebenKnopf() const { return textUeben_; }
    QPushButton* neuErstellenKnopf() const { return neuErstellen_; }
    QPushButton* aendernKnopf() const { return aendern_; }
    QPushButton* hauptmenueKnopf() const { return hauptmenue_; }

private:
    QGroupBox* rahmen_;
    QPushButton* textUeben_;
    QPushButton* neuErstellen_;
    QPushButton* aendern_;
    QPushButton* hauptmenue_;
};

// Shows the button's caption bold or not; only the weight, the size follows the screens.
void fett(QPushButton* knopf, bool ja);

} // namespace tastwerk::ui
