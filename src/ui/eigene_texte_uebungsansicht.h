// The exercise on a text of the learner's own: the practice box with the finished lines taken off the
// top and the expected character marked, the Return hint, the line label and the buttons "Neu anfangen",
// "Einstellungen", "Pause" and "Hauptmenü", which show the exercise commands of the same names.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "platform/klang.h"
#include "practice/eigene_texte_uebung.h"
#include "session/sitzung.h"
#include "ui/masse.h"
#include "ui/uebungsaktionen.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace tastwerk::ui {

// The read-only practice box; a click into it asks for a pause.
class Uebungsfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

signals:
    void angeklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
};

class EigeneTexteUebungsansicht : public QObject {
    Q_OBJECT
public:
    // The widgets are placed in rahmen, which is placed here too; fenster is the parent of the
    // end-of-text message. The buttons show the commands of `aktionen`; "Neu anfangen" is handled here.
    EigeneTexteUebungsansicht(QGroupBox* rahmen, Sitzung& sitzung, Klang& klang, const Masse& m,
                              const Uebungsaktionen& aktionen, QWidget* fenster, QObject* eltern);
    ~EigeneTexteUebungsansicht() override;

    // "Start": the exercise on these lines (Windows-1252) begins; name is the text's file name.
    void starten(std::vector<std::string> zeilen, const QString& name);
    // One keystroke of the exercise (Windows-1252; 127 shows the display again).
    void taste(Zeichen k);
    // Shows what a keystroke of the running exercise left to show.
    void anzeigen(const EigeneTexteAnzeige& a);

    // The running exercise; nothing before the first "Start".
    EigeneTexteUebung* uebung() const { return uebung_.get(); }
    // The file name of the text being practised; empty for a text that came from the editor.
    const QString& uebungsdatei() const { return uebungsdatei_; }

    QGroupBox* rahmen() const { return rahmen_; }
    Uebungsfeld* uebungsfeld() const { return feld_; }
    QLabel* returnHinweis() const { return returnHinweis_; }
    QLabel* zeilenanzeige() const { return zeilenanzeige_; }
    QPushButton* neuAnfangenKnopf() const { return neuAnfangen_; }
    QPushButton* einstellungenKnopf() const { return einstellungen_; }
    QPushButton* pauseKnopf() const { return pause_; }
    QPushButton* hauptmenueKnopf() const { return hauptmenue_; }

signals:
    // "Start": the main window shows the status bar, places the keyboard at 5/13 of the screen height,
    // hands the exercise to the practice run. The first display follows.
    void uebungGestartet();
    // "Neu anfangen" was pressed; the exercise still holds what it counted.
    void neuBeginnt();
    // "Neu anfangen": the exercise is back at its start. The display follows.
    void neuBegonnen();
    // After every keystroke: the status bar and the on-screen keyboard follow the display.
    void anzeigeGeaendert(const EigeneTexteAnzeige& anzeige);
    // The speed counts from this keystroke.
    void uebungsbeginn();
    // The last line of the text was finished (before the end-of-text message is shown).
    void textendeErreicht();
    // A click into the practice box while a text is practised.
    void pauseVerlangt();

private:
    // "Neu anfangen": the same text again from its first line.
    void neuAnfangen();
    void markieren(std::size_t stelle);
    void ersteZeileEntfernen();
    void feldAngeklickt();

    Sitzung& sitzung_;
    Klang& klang_;
    Uebungsaktionen aktionen_;
    QWidget* fenster_;
    QGroupBox* rahmen_;

    Uebungsfeld* feld_ = nullptr;
    QLabel* returnHinweis_ = nullptr;
    QLabel* zeilenanzeige_ = nullptr;
    QPushButton* neuAnfangen_ = nullptr;
    QPushButton* einstellungen_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* hauptmenue_ = nullptr;

    std::unique_ptr<EigeneTexteUebung> uebung_;
    // The whole text as the practice box shows it at the start.
    QString uebungstext_;
    QString uebungsdatei_;
};

} // namespace tastwerk::ui
