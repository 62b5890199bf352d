// The screen "Einstellungen": learning goals, correction mode, fonts, layout, colours and sound.
#pragma once

#include "session/sitzung.h"
#include "ui/masse.h"

#include <QCheckBox>
#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tastwerk::ui {

class EinstellungenSeite : public QObject {
    Q_OBJECT
public:
    EinstellungenSeite(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m);

    // Shows the learner's values in the controls (the sliders' change handlers run as well).
    void anzeigen();
    // The font labels in the fonts they name.
    void schriftenAnzeigen();
    // The colour buttons in the learner's finger colours.
    void farbenAnzeigen();

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
    QPushButton* schriftartKnopf() const { return schriftartKnopf_; }
    // One button per finger colour: little, ring, middle, index finger, thumb.
    const std::array<QPushButton*, FarbgruppenAnzahl>& farbKnoepfe() const { return farbKnoepfe_; }
    QPushButton* standardfarbenKnopf() const { return standardfarben_; }
    // The popup of the "Lernziele" group and its two submenus.
    QMenu* lernzielMenue() const { return lernzielMenue_; }
    QMenu* anschlagMenue() const { return anschlagMenue_; }
    QMenu* fehlerMenue() const { return fehlerMenue_; }

    // The two goal labels from the session's values.
    void zielTexteAktualisieren();
    // The correction mode's radio buttons from the session's value.
    void berichtigungAnzeigen();
    // What the settings are opened for during practice: the font of exercise `uebung` (0 letter, 1 word,
    // 2 own texts) is the one "Schriftart..." changes; the voice can be switched only in the letter
    // exercise and outside the exercises.
    void fuerUebung(int uebung);
    void stimmeFreigeben(bool frei);

    // The colour dialog for finger colour k, preset with its colour; a colour equal to the letter panel's
    // background is refused and the old colour stays.
    void farbeAendern(int k);
    // The five default finger colours.
    void standardfarben();
    // The font dialog for the text chosen by the radio buttons, preset with that text's font.
    void schriftAendern();

    // The font dialog: the chosen font, nothing when cancelled. Tests answer with fonts that are not
    // installed (names with umlauts, names Windows-1252 cannot hold), which the dialog cannot offer.
    std::function<std::optional<QFont>(const QFont& vorgabe)> schriftWaehlen;

signals:
    void tonBeiTippfehlerGeaendert(bool an);
    void stimmeGeaendert(bool an);
    // A finger colour changed: the keyboard, the legend and the introduction lines are to be recoloured.
    void farbenGeaendert();
    // A font of the letter, word or own-texts exercise changed.
    void schriftenGeaendert();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Tab goes through the groups as they stand on the screen, left to right and top to bottom:
    // "Lernziele", "Schriftarten", "Tippfehler", "Tastaturlayout", "Farben ändern", "Sound". Made anew
    // each time the screen shows, as the layout chooser is put in later.
    void tabfolgeOrdnen();
    void wunschanpm(int position);

    void wunschfehlerrate(int position);
    void trackBar3Change(int position);
    void standardDialogeSetzen();
    void farbenGruppeBauen(const Masse& m);
    void lernzielMenueBauen();
    // The popup shortcuts of the goals.
    void anschlaegeGewaehlt(int anschlaege);
    void fehlerrateGewaehlt(int prozent);
    void anpm1Click() { anschlaegeGewaehlt(60); }
    void N801Click() { anschlaegeGewaehlt(80); }
    void N1001Click() { anschlaegeGewaehlt(100); }
    void N1201Click() { anschlaegeGewaehlt(120); }
    void N1401Click() { anschlaegeGewaehlt(140); }
    void N01Click() { fehlerrateGewaehlt(0); }
    void N101Click() { fehlerrateGewaehlt(1); }
    void N201Click() { fehlerrateGewaehlt(2); }
    void N31Click() { fehlerrateGewaehlt(3); }
    int schriftZiel() const;

    QGroupBox* rahmen_;
    std::vector<QGroupBox*> gruppenFolge_;
    Sitzung& sitzung_;
    double dpi_; // the screen's pixels per inch, for the stored font sizes
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
    QPushButton* schriftartKnopf_ = nullptr;
    std::array<QPushButton*, FarbgruppenAnzahl> farbKnoepfe_{};
    QPushButton* standardfarben_ = nullptr;
    QMenu* lernzielMenue_ = nullptr;
    QMenu* anschlagMenue_ = nullptr;
    QMenu* fehlerMenue_ = nullptr;
};

// "Höchste zulässige Fehlerrate: " with the rate written with one decimal, at least three wide, and " %".
QString fehlerratenText(float rate);

// The background popup of the letter panel: "gelb", "silber", "schwarz" and "grau" are disabled while one of
// the finger colours equals that colour, and enabled otherwise. Its actions carry their colour as data.
void Farbepruefen(QMenu* hintergrundMenue, const std::array<Farbe, FarbgruppenAnzahl>& farben);

} // namespace tastwerk::ui
