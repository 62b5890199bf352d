#include "ui/eigene_texte_seite.h"

#include "ui/leinwand.h"
#include "ui/schriften.h"

namespace tastwerk::ui {

EigeneTexteSeite::EigeneTexteSeite(QGroupBox* menue, QGroupBox* unten, QGroupBox* uebung, Sitzung& sitzung,
                                   Klang& klang, const Masse& m, const Uebungsaktionen& aktionen,
                                   QWidget* fenster)
    : QObject(menue), sitzung_(sitzung), masse_(m), menue_(new EigeneTexteMenue(menue, m, this)),
      editor_(new EigeneTexteEditor(unten, sitzung, m, fenster, this)),
      uebung_(new EigeneTexteUebungsansicht(uebung, sitzung, klang, m, aktionen, fenster, this)),
      dateiOeffnen(editor_->dateiOeffnen), dateiSpeichern(editor_->dateiSpeichern),
      schriftWaehlen(editor_->schriftWaehlen) {
    schriftAnwenden();

    connect(menue_->textUebenKnopf(), &QPushButton::clicked, editor_, &EigeneTexteEditor::textladen);
    connect(menue_->neuErstellenKnopf(), &QPushButton::clicked, editor_, &EigeneTexteEditor::TextErstellen);
    connect(menue_->aendernKnopf(), &QPushButton::clicked, editor_, &EigeneTexteEditor::Textaendern);
    connect(editor_->startKnopf(), &QPushButton::clicked, this, &EigeneTexteSeite::uebungStarten);
    connect(editor_, &EigeneTexteEditor::schriftGeaendert, this, &EigeneTexteSeite::schriftAnwenden);
    // With a text shown for practice, "Start" is the next step, no longer "Text üben".
    connect(editor_, &EigeneTexteEditor::vorschauGezeigt, menue_,
            [this] { menue_->textUebenHervorheben(false); });
    connect(editor_, &EigeneTexteEditor::vorschauGezeigt, this, &EigeneTexteSeite::vorschauGezeigt);

    using A = EigeneTexteUebungsansicht;
    connect(uebung_, &A::uebungGestartet, this, &EigeneTexteSeite::uebungGestartet);
    connect(uebung_, &A::neuBeginnt, this, &EigeneTexteSeite::neuBeginnt);
    connect(uebung_, &A::neuBegonnen, this, &EigeneTexteSeite::neuBegonnen);
    connect(uebung_, &A::anzeigeGeaendert, this, &EigeneTexteSeite::anzeigeGeaendert);
    connect(uebung_, &A::uebungsbeginn, this, &EigeneTexteSeite::uebungsbeginn);
    connect(uebung_, &A::textendeErreicht, this, &EigeneTexteSeite::textendeErreicht);
    connect(uebung_, &A::pauseVerlangt, this, &EigeneTexteSeite::pauseVerlangt);
}

void EigeneTexteSeite::schriftAnwenden() {
    // Shown in proportion to the screens, whatever the screen size it was chosen on.
    QFont schrift = gespeicherteSchriftart(sitzung_.schriftarten[2],
                                           masse_.punkte(sitzung_.schriftgroessen[2]), sitzung_.schriftstil3);
    schrift.setPointSizeF(masse_.gespeichertePunkte(sitzung_.schriftgroessen[2]));
    schriftSetzen(editor_->editor(), schrift);
    schriftSetzen(uebung_->uebungsfeld(), schrift);
}

void EigeneTexteSeite::MenueEigeneTexte() {
    menue_->textUebenHervorheben(true);
    menue_->zeigen();
    emit angezeigt();
}

void EigeneTexteSeite::MenueTextladen() {
    menue_->textUebenHervorheben(false);
    if (editor_->textladen()) {
        menue_->zeigen();
        emit angezeigt();
    }
}

void EigeneTexteSeite::MenueTextErstellen() {
    menue_->zeigen();
    emit angezeigt();
    editor_->TextErstellen();
}

void EigeneTexteSeite::MenueTextaendern() {
    if (editor_->Textaendern()) {
        MenueEigeneTexte();
    } else if (!menue_->rahmen()->isVisible()) {
        // Called from the main menu and cancelled: the main menu stays as it was.
        editor_->rahmen()->hide();
    }
}

void EigeneTexteSeite::uebungStarten() {
    std::optional<EigeneTexteEditor::Uebungstext> text = editor_->uebungstext();
    if (!text) {
        return;
    }
    menue_->rahmen()->hide();
    editor_->rahmen()->hide();
    uebung_->starten(std::move(text->zeilen), text->name);
}

} // namespace tastwerk::ui
