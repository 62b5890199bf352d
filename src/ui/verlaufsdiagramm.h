// The chart of the learning history: speed and error rate over the recorded exercises, each on its
// own axis, with the learner's goals as dashed lines. Many exercises are drawn as one mean per pixel
// column, so ten thousand of them draw as fast as a hundred.
#pragma once

#include "verlauf/auswertung.h"

#include <QWidget>

#include <vector>

namespace tastwerk::ui {

class Verlaufsdiagramm : public QWidget {
    Q_OBJECT
public:
    explicit Verlaufsdiagramm(QWidget* parent = nullptr);

    void setzen(std::vector<Verlaufspunkt> punkte, double wunschTempo, double wunschFehlerrate);
    const std::vector<Verlaufspunkt>& punkte() const { return punkte_; }
    // The top of the speed axis and of the error axis as drawn.
    double tempoSkala() const { return tempoSkala_; }
    double fehlerSkala() const { return fehlerSkala_; }

    QSize sizeHint() const override { return {640, 300}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void beschreibungSetzen();

    std::vector<Verlaufspunkt> punkte_;
    double wunschTempo_ = 0;
    double wunschFehlerrate_ = 0;
    double tempoSkala_ = 100;
    double fehlerSkala_ = 5;
};

// Bars of practice minutes per day (or per week), labelled below.
class Zeitdiagramm : public QWidget {
    Q_OBJECT
public:
    explicit Zeitdiagramm(QWidget* parent = nullptr);
    // `beschriftung` is how a bar is labelled: "TT." for days, "KW" weeks by their Monday "TT.MM.".
    void setzen(std::vector<Zeitabschnitt> abschnitte, bool wochen);

    QSize sizeHint() const override { return {640, 140}; }
    QSize minimumSizeHint() const override { return {320, 100}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<Zeitabschnitt> abschnitte_;
    bool wochen_ = false;
};

// A round upper end for an axis showing values up to `hoechster`: 1, 2 or 5 times a power of ten.
double runderSkalenwert(double hoechster);

} // namespace tastwerk::ui
