// The three screens "Eigene Texte üben": the menu of the own texts, the editor with its preview below it,
// and the exercise on a text of the learner's own. This class owns the three, leads from one to the
// next and is what the main window and the practice run talk to.
#pragma once

#include "ui/eigene_texte_editor.h"
#include "ui/eigene_texte_menue.h"
#include "ui/eigene_texte_uebungsansicht.h"

#include <QObject>

namespace tastwerk::ui {

class EigeneTexteSeite : public QObject {
    Q_OBJECT
public:
    // menue: the first screen with the four buttons; unten: the editor and preview below it;
    // uebung: the exercise, whose buttons show `aktionen`. The groups are placed here; fenster is the
    // parent of the dialogs.
    EigeneTexteSeite(QGroupBox* menue, QGroupBox* unten, QGroupBox* uebung, Sitzung& sitzung, Klang& klang,
                     const Masse& m, const Uebungsaktionen& aktionen, QWidget* fenster);

private:
    // Declared before the dialogs below, which refer to the editor's.
    Sitzung& sitzung_;
    Masse masse_;
    EigeneTexteMenue* menue_;
    EigeneTexteEditor* editor_;
    EigeneTexteUebungsansicht* uebung_;

public:
    // The handlers of the main menu popup and the Extras button.
    void MenueEigeneTexte();
    void MenueTextladen();
    void MenueTextErstellen();
    void MenueTextaendern();
    // Gives both text areas the own texts' font, size and style of the session.
    void schriftAnwenden();

    // One keystroke of the exercise (Windows-1252; 127 shows the display again).
    void taste(Zeichen k) { uebung_->taste(k); }
    // Shows what a keystroke of the running exercise left to show.
    void anzeigen(const EigeneTexteAnzeige& a) { uebung_->anzeigen(a); }

    // The three parts.
    EigeneTexteMenue* menue() const { return menue_; }
    EigeneTexteEditor* editorteil() const { return editor_; }
    EigeneTexteUebungsansicht* uebungsansicht() const { return uebung_; }

    // The running exercise; nothing before the first "Start".
    EigeneTexteUebung* uebung() const { return uebung_->uebung(); }

    // The editor's dialogs (see EigeneTexteEditor); tests replace them.
    std::function<QString(const QString& ordner)>& dateiOeffnen;
    std::function<QString(const QString& ordner)>& dateiSpeichern;
    std::function<std::optional<QFont>(const QFont& bisher)>& schriftWaehlen;

    QGroupBox* menueRahmen() const { return menue_->rahmen(); }
    QGroupBox* untenRahmen() const { return editor_->rahmen(); }
    QGroupBox* uebungRahmen() const { return uebung_->rahmen(); }

    QPushButton* textUebenKnopf() const { return menue_->textUebenKnopf(); }
    QPushButton* neuErstellenKnopf() const { return menue_->neuErstellenKnopf(); }
    QPushButton* aendernKnopf() const { return menue_->aendernKnopf(); }
    QPushButton* hauptmenueKnopf() const { return menue_->hauptmenueKnopf(); }

    QPlainTextEdit* editor() const { return editor_->editor(); }
    QLabel* zaehlung() const { return editor_->zaehlung(); }
    QPushButton* startKnopf() const { return editor_->startKnopf(); }
    QPushButton* speichernKnopf() const { return editor_->speichernKnopf(); }
    QPushButton* schriftKnopf() const { return editor_->schriftKnopf(); }

    Uebungsfeld* uebungsfeld() const { return uebung_->uebungsfeld(); }
    QLabel* returnHinweis() const { return uebung_->returnHinweis(); }
    QLabel* zeilenanzeige() const { return uebung_->zeilenanzeige(); }
    QPushButton* neuAnfangenKnopf() const { return uebung_->neuAnfangenKnopf(); }
    QPushButton* einstellungenKnopf() const { return uebung_->einstellungenKnopf(); }
    QPushButton* pauseKnopf() const { return uebung_->pauseKnopf(); }
    QPushButton* uebungHauptmenueKnopf() const { return uebung_->hauptmenueKnopf(); }

    // The file that "Änderungen speichern" writes to; empty when there is none.
    QString geaenderteDatei() const { return editor_->geaenderteDatei(); }
    // The file name of the text being practised; empty for a text that came from the editor.
    const QString& uebungsdatei() const { return uebung_->uebungsdatei(); }

signals:
    // The menu screen was shown: the main window hides what it covers.
    void angezeigt();
    // A text is shown for practice: the main window disables its menu entries "Start", "Die Tastatur",
    // "Einstellungen", "Benutzerdaten" and "Extras".
    void vorschauGezeigt();
    // The exercise's signals, as EigeneTexteUebungsansicht describes them.
    void uebungGestartet();
    void neuBeginnt();
    void neuBegonnen();
    void anzeigeGeaendert(const EigeneTexteAnzeige& anzeige);
    void uebungsbeginn();
    void textendeErreicht();
    void pauseVerlangt();

private:
    // "Start" of the preview: the exercise on the editor's text.
    void uebungStarten();
};

} // namespace tastwerk::ui
