// The screen "Buchstabenübung": the large letter panel in the finger colour, the goal, the colour legend,
// the buttons and the popup menu of the letter exercise.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "ui/masse.h"
#include "ui/uebungsaktionen.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

#include <array>

namespace tastwerk::ui {

class Buchstabenfeld : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void kontextmenueVerlangt(const QPoint& global);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    // The character whole: centred as a label centres its line, moved or made smaller only as far as
    // its ink would otherwise reach past the panel (the descender of "j", the dots of "Ä").
    void paintEvent(QPaintEvent* e) override;
};

class BuchstabenSeite : public QObject {
    Q_OBJECT
public:
    BuchstabenSeite(QGroupBox* rahmen, const Masse& m, const Uebungsaktionen& a);

    QGroupBox* rahmen() const { return rahmen_; }
    Buchstabenfeld* feld() const { return feld_; }
    QLabel* markierung() const { return markierung_; }
    QLabel* aufforderung() const { return aufforderung_; }
    QLabel* lernziel() const { return lernziel_; }
    QProgressBar* fortschritt() const { return fortschritt_; }
    QGroupBox* legende() const { return legende_; }
    const std::array<QLabel*, 5>& legendentexte() const { return legendentexte_; }
    QPushButton* tastaturKnopf() const { return tastatur_; }
    QPushButton* einstellungenKnopf() const { return einstellungen_; }
    QPushButton* statistikKnopf() const { return statistik_; }
    QPushButton* pauseKnopf() const { return pause_; }
    QPushButton* hauptmenueKnopf() const { return hauptmenue_; }
    QMenu* popup() const { return popup_; }
    QMenu* hintergrundMenue() const { return hintergrund_; }
    QAction* popupBeiTippfehler() const { return popupBei_; }
    QAction* popupStimme() const { return popupStimme_; }

    // The panel before the first key: "START" and the prompt.
    void startZeigen(const QFont& schrift, Farbe hintergrund);
    // The demanded character (or "Leertaste", "Return") in its colour, font and size; a screen reader
    // hears it as "Geforderter Buchstabe: " and the character, at every keystroke.
    void zeichenZeigen(const QString& text, const QColor& farbe, const QFont& schrift);
    void hintergrundSetzen(Farbe hintergrund);
    void markierungZeigen(char zeichen, Farbe hintergrund);
    // The five labels of the colour legend in the finger colours.
    void legendeFaerben(const std::array<Farbe, 5>& farben);

private:
    QGroupBox* rahmen_;
    Buchstabenfeld* feld_;
    QLabel* markierung_;
    QLabel* aufforderung_;
    QLabel* lernziel_;
    QProgressBar* fortschritt_;
    QGroupBox* legende_;
    std::array<QLabel*, 5> legendentexte_{};
    QPushButton* tastatur_;
    QPushButton* einstellungen_;
    QPushButton* statistik_;
    QPushButton* pause_;
    QPushButton* hauptmenue_;
    QMenu* popup_;
    QMenu* hintergrund_;
    QAction* popupBei_;
    QAction* popupStimme_;
};

// The seven background colours of the letter panel's popup, in its order.
struct Hintergrundwahl {
    const char* name;
    Farbe farbe;
};
extern const std::array<Hintergrundwahl, 7> Hintergrundfarben;

} // namespace tastwerk::ui
