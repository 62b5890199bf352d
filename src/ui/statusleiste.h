// The status bar at the bottom of the window: keystrokes, speed, errors, error percentage, the pause
// text and the cancel button.
#pragma once

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <string>

namespace tastwerk::ui {

class Statusleiste : public QFrame {
    Q_OBJECT
public:
    // `entwurf`: the bar's place on the design canvas.
    Statusleiste(const QRect& entwurf, QWidget* parent);

    QLabel* anschlaege() const { return anschlaege_; }
    QLabel* tempo() const { return tempo_; }
    QLabel* fehler() const { return fehler_; }
    QLabel* fehleranteil() const { return fehleranteil_; }
    QLabel* pausentext() const { return pausentext_; }
    QPushButton* abbruch() const { return abbruch_; }
    // The popup's pause entry, which toggles the exercise's pause. An entry of its own: a menu shows its
    // action's caption, and this one reads "Pause!" where the exercise's pause command reads "Pause".
    QAction* pauseAktion() const { return pause_; }
    QMenu* popup() const { return popup_; }

    // Navy blue with the pause text, or the standard look with the four figures.
    void setPausiert(bool pausiert);
    bool pausiert() const { return pausiert_; }

    static void setRot(QLabel* label, bool rot);

    // No speed is shown until the first keystroke of an exercise.
    void tempoLeeren();
    // "Anschläge pro Minute: n  ", red below the target.
    void tempoZeigen(int anschlaegeProMinute, bool rot);

    // The three counting figures of a keystroke; the error percentage red above the admissible rate.
    void zahlenZeigen(const std::string& anschlaege, const std::string& fehler,
                      const std::string& fehleranteil, bool fehleranteilRot);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void anordnen();

    QLabel* anschlaege_;
    QLabel* tempo_;
    int tempoWert_ = -1;
    QLabel* fehler_;
    QLabel* fehleranteil_;
    QLabel* pausentext_;
    QPushButton* abbruch_;
    QMenu* popup_;
    QAction* pause_;
    bool pausiert_ = false;
};

} // namespace tastwerk::ui
