// The screen "Wortübung": the line display with the expected character selected, the repetition label,
// the goal, the buttons and the popup menu of the word exercise.
#pragma once

#include "ui/masse.h"
#include "ui/uebungsaktionen.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

namespace tastwerk::ui {

// The read-only line display; a click into it asks for a pause.
class Zeilenanzeige : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void angeklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

class WortSeite : public QObject {
    Q_OBJECT
public:
    WortSeite(QGroupBox* rahmen, const Masse& m, const Uebungsaktionen& a);

    QGroupBox* rahmen() const { return rahmen_; }
    Zeilenanzeige* zeile() const { return zeile_; }
    QLabel* wiederholung() const { return wiederholung_; }
    QLabel* lernzielTitel() const { return lernzielTitel_; }
    QLabel* lernziel() const { return lernziel_; }
    QProgressBar* fortschritt() const { return fortschritt_; }
    QPushButton* einstellungenKnopf() const { return einstellungen_; }
    QPushButton* tastaturKnopf() const { return tastatur_; }
    QPushButton* statistikKnopf() const { return statistik_; }
    QPushButton* pauseKnopf() const { return pause_; }
    QPushButton* hauptmenueKnopf() const { return hauptmenue_; }
    QMenu* popup() const { return popup_; }

    // Shows the line and selects `laenge` characters from `start`.
    void zeileZeigen(const QString& text, int start, int laenge);

private:
    QGroupBox* rahmen_;
    Zeilenanzeige* zeile_;
    QLabel* wiederholung_;
    QLabel* lernzielTitel_;
    QLabel* lernziel_;
    QProgressBar* fortschritt_;
    QPushButton* einstellungen_;
    QPushButton* tastatur_;
    QPushButton* statistik_;
    QPushButton* pause_;
    QPushButton* hauptmenue_;
    QMenu* popup_;
};

} // namespace tastwerk::ui
