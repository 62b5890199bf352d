// The screen "Einstellungen": learning goals, correction mode, fonts, layout, colours and sound.
#pragma once

#include "session/sitzung.h"
#include "ui/masse.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include <array>

namespace tastwerk::ui {

class EinstellungenSeite : public QObject {
    Q_OBJECT
public:
    EinstellungenSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m);

    // Shows the learner's values in the controls (the sliders' change handlers run as well).
    void anzeigen();
    // The font labels in the fonts they name.
    void schriftenAnzeigen();

    QGroupBox* rahmen() const { return rahmen_; }
    QGroupBox* lernziele() const { return lernziele_; }
    QGroupBox* tastaturlayoutPlatz() const { return layoutPlatz_; }
    QGroupBox* farbenAendern() const { return farben_; }
    QSlider* anschlagRegler() const { return anschlagRegler_; }
    QSlider* fehlerRegler() const { return fehlerRegler_; }
    QSlider* wiederholungRegler() const { return wiederholungRegler_; }
    QLabel* anschlagText() const { return anschlagText_; }
    QLabel* fehlerText() const { return fehlerText_; }
    QLabel* wiederholungText() const { return wiederholungText_; }
    QRadioButton* berichtigung() const { return berichtigung_; }
    QRadioButton* nurZaehlen() const { return nurZaehlen_; }
    QCheckBox* beiTippfehler() const { return bei_; }
    QCheckBox* stimme() const { return stimme_; }
    const std::array<QLabel*, 3>& schriftTexte() const { return schriftTexte_; }
    const std::array<QRadioButton*, 3>& schriftZiele() const { return schriftZiele_; }

    // The two goal labels from the session's values.
    void zielTexteAktualisieren();

signals:
    void tonBeiTippfehlerGeaendert(bool an);
    void stimmeGeaendert(bool an);

private:
    void wunschanpm(int position);
    void wunschfehlerrate(int position);
    void trackBar3Change(int position);

    QGroupBox* rahmen_;
    Sitzung& sitzung_;
    QGroupBox* lernziele_;
    QGroupBox* layoutPlatz_;
    QGroupBox* farben_;
    QSlider* anschlagRegler_;
    QSlider* fehlerRegler_;
    QSlider* wiederholungRegler_;
    QLabel* anschlagText_;
    QLabel* fehlerText_;
    QLabel* wiederholungText_;
    QRadioButton* berichtigung_;
    QRadioButton* nurZaehlen_;
    QCheckBox* bei_;
    QCheckBox* stimme_;
    std::array<QRadioButton*, 3> schriftZiele_{};
    std::array<QLabel*, 3> schriftTexte_{};
};

// "Höchste zulässige Fehlerrate: " with the rate written with one decimal, at least three wide, and " %".
QString fehlerratenText(float rate);

} // namespace tastwerk::ui
