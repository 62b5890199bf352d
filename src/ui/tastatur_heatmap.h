// The error heatmap of the keyboard screen: a switch that colours every key by the learner's error rate
// on the characters it carries, a legend, and the five weakest characters. The switch shows with the
// keyboard while no exercise runs; leaving that screen switches the heatmap off again.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QWidget;

namespace tastwerk {
class Lernverlauf;
struct Sitzung;
} // namespace tastwerk

namespace tastwerk::ui {

class TastaturWidget;

class TastaturHeatmap : public QObject {
    Q_OBJECT
public:
    // `leiste` is placed on the canvas by the caller; `verlauf` gives the learning history of the moment.
    TastaturHeatmap(QWidget* leinwand, TastaturWidget* tastatur, Sitzung& sitzung,
                    std::function<Lernverlauf&()> verlauf);

    // The timer's duty: whether the keyboard screen is shown without an exercise.
    void takt(bool tastaturbildschirm);

    QFrame* leiste() const { return leiste_; }
    QCheckBox* schalter() const { return schalter_; }
    QLabel* schwaechen() const { return schwaechen_; }

private:
    void umschalten(bool an);

    TastaturWidget* tastatur_;
    Sitzung& sitzung_;
    std::function<Lernverlauf&()> verlauf_;
    QFrame* leiste_;
    QCheckBox* schalter_;
    QLabel* schwaechen_;
};

} // namespace tastwerk::ui
