// The three screens "Eigene Texte üben": the menu of the own texts, the editor with its preview below it,
// and the exercise on a text of the learner's own.
#pragma once

#include "keyboard/grundbegriffe.h"
#include "platform/klang.h"
#include "practice/eigene_texte_uebung.h"
#include "practice/textdatei.h"
#include "session/sitzung.h"
#include "ui/masse.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>

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

class EigeneTexteSeite : public QObject {
    Q_OBJECT
public:
    // menue: the first screen with the four buttons; unten: the editor and preview below it;
    // uebung: the exercise. The groups are placed here; fenster is the parent of the dialogs.
    EigeneTexteSeite(QGroupBox* menue, QGroupBox* unten, QGroupBox* uebung, Sitzung& sitzung, Klang& klang,
                     const Masse& m, QWidget* fenster);
    ~EigeneTexteSeite() override;

    // The handlers of the main menu popup and the Extras button.
    void MenueEigeneTexte();
    void MenueTextladen();
    void MenueTextErstellen();
    void MenueTextaendern();
    // Gives both text areas the own texts' font, size and style of the session.
    void schriftAnwenden();

    // One keystroke of the exercise (Windows-1252; 127 shows the display again).
    void taste(Zeichen k);
    // Shows what a keystroke of the running exercise left to show.
    void anzeigen(const EigeneTexteAnzeige& a);

    // The running exercise; nothing before the first "Start".
    EigeneTexteUebung* uebung() const { return uebung_.get(); }

    // Dialogs. Each returns the chosen path, or an empty string when the learner cancelled; tests
    // replace them. ordner is the folder the dialog opens in (empty: its default folder).
    std::function<QString(const QString& ordner)> dateiOeffnen;
    std::function<QString(const QString& ordner)> dateiSpeichern;
    std::function<std::optional<QFont>(const QFont& bisher)> schriftWaehlen;

    QGroupBox* menueRahmen() const { return menue_; }
    QGroupBox* untenRahmen() const { return unten_; }
    QGroupBox* uebungRahmen() const { return uebungRahmen_; }

    QPushButton* textUebenKnopf() const { return textUeben_; }
    QPushButton* neuErstellenKnopf() const { return neuErstellen_; }
    QPushButton* aendernKnopf() const { return aendern_; }
    QPushButton* hauptmenueKnopf() const { return hauptmenue_; }

    QPlainTextEdit* editor() const { return editor_; }
    QLabel* zaehlung() const { return zaehlung_; }
    QPushButton* startKnopf() const { return start_; }
    QPushButton* speichernKnopf() const { return speichern_; }
    QPushButton* schriftKnopf() const { return schrift_; }

    Uebungsfeld* uebungsfeld() const { return feld_; }
    QLabel* returnHinweis() const { return returnHinweis_; }
    QLabel* zeilenanzeige() const { return zeilenanzeige_; }
    QPushButton* neuAnfangenKnopf() const { return neuAnfangen_; }
    QPushButton* einstellungenKnopf() const { return einstellungen_; }
    QPushButton* pauseKnopf() const { return pause_; }
    QPushButton* uebungHauptmenueKnopf() const { return uebungHauptmenue_; }

    // The file that "Änderungen speichern" writes to: the one "Text ändern" read into the editor;
    // empty when there is none.
    const QString& geaenderteDatei() const { return geaenderteDatei_; }
    // The file name of the text being practised; empty for a text that came from the editor.
    const QString& uebungsdatei() const { return uebungsdatei_; }

signals:
    // The menu screen was shown: the main window hides what it covers.
    void angezeigt();
    // A text is shown for practice: the main window disables its menu entries "Start", "Die Tastatur",
    // "Einstellungen", "Benutzerdaten" and "Extras".
    void vorschauGezeigt();
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
    // The buttons of the screens. Those that open a file return whether one was chosen and read.
    bool textladen();
    void TextErstellen();
    bool Textaendern();
    // "Text speichern" of a new text (asks for a file name) or "Änderungen speichern" of a changed one.
    void textSpeichern();
    // "Schriftgröße ändern": the font of the own texts.
    void schriftAendern();
    // "Start" of the preview and "Neu anfangen" of the exercise.
    void uebungStarten();
    void neuAnfangen();

    void menueAnlegen(const Masse& m);
    void untenAnlegen(const Masse& m);
    void uebungAnlegen(const Masse& m);
    QString texteOrdner() const;
    void ordnerMerken(const QString& pfad);
    // Reads the file and reports a failure; nothing when it could not be read.
    std::optional<EigenerText> lesen(const QString& pfad);
    // Tells the learner about characters the exercise cannot compare.
    void nichtDarstellbarMelden(const EigenerText& text, bool zumUeben);
    // The editor's content as a text, to be written in the given encoding.
    EigenerText editorinhalt(Textkodierung kodierung, bool bom) const;
    // Writes the editor's text; a text Windows-1252 cannot hold may be written as UTF-8 instead.
    // Returns the encoding written, nothing when nothing was written.
    std::optional<Textkodierung> schreiben(const QString& pfad, Textkodierung kodierung, bool bom);
    void uebungstextZeigen();
    void markieren(std::size_t stelle);
    void ersteZeileEntfernen();
    void feldAngeklickt();

    Sitzung& sitzung_;
    Klang& klang_;
    Masse masse_;
    QWidget* fenster_;
    QGroupBox* menue_;
    QGroupBox* unten_;
    QGroupBox* uebungRahmen_;

    QPushButton* textUeben_ = nullptr;
    QPushButton* neuErstellen_ = nullptr;
    QPushButton* aendern_ = nullptr;
    QPushButton* hauptmenue_ = nullptr;

    QPlainTextEdit* editor_ = nullptr;
    QLabel* zaehlung_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QPushButton* schrift_ = nullptr;

    Uebungsfeld* feld_ = nullptr;
    QLabel* returnHinweis_ = nullptr;
    QLabel* zeilenanzeige_ = nullptr;
    QPushButton* neuAnfangen_ = nullptr;
    QPushButton* einstellungen_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* uebungHauptmenue_ = nullptr;

    QString letzterOrdner_;
    QString geaenderteDatei_;
    Textkodierung geaenderteKodierung_ = Textkodierung::Windows1252;
    bool geaenderteBom_ = false;
    std::unique_ptr<EigeneTexteUebung> uebung_;
    // The editor holds a new text ("Text speichern"), not a changed file ("Änderungen speichern").
    bool neuerText_ = true;
    QString uebungstext_;
    QString vorschaudatei_;
    QString uebungsdatei_;
};

} // namespace tastwerk::ui
