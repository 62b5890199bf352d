// The editor of the own texts below their menu: a text previewed for practice ("Text üben"), written
// anew ("Text neu erstellen") or changed ("Text ändern"), saved, and shown in the font of the own texts.
// Where the texts lie and what a save writes is decided by the core's Textablage; this screen asks the
// learner and shows the messages.
#pragma once

#include "practice/textdatei.h"
#include "session/sitzung.h"
#include "ui/masse.h"

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tastwerk::ui {

class EigeneTexteEditor : public QObject {
    Q_OBJECT
public:
    // The widgets are placed in rahmen, which is placed here too; fenster is the parent of the dialogs.
    EigeneTexteEditor(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m, QWidget* fenster, QObject* eltern);

    // "Text üben": open, preview and count a text. Whether a file was chosen and read.
    bool textladen();
    // "Text neu erstellen": an empty editor and "Text speichern".
    void TextErstellen();
    // "Text ändern": open a text into the editor and "Änderungen speichern". Whether a file was chosen
    // and read.
    bool Textaendern();

    // The editor's text in the Windows-1252 lines of the exercise, with the name of its file (empty for
    // a text written anew); nothing when it holds a character that cannot be practised (then "Start" is
    // disabled and the learner told why).
    struct Uebungstext {
        std::vector<std::string> zeilen;
        QString name;
    };
    std::optional<Uebungstext> uebungstext();

    // Dialogs. Each returns the chosen path, or an empty string when the learner cancelled; tests
    // replace them. ordner is the folder the dialog opens in (empty: its default folder).
    std::function<QString(const QString& ordner)> dateiOeffnen;
    std::function<QString(const QString& ordner)> dateiSpeichern;
    std::function<std::optional<QFont>(const QFont& bisher)> schriftWaehlen;

    QGroupBox* rahmen() const { return rahmen_; }
    QPlainTextEdit* editor() const { return editor_; }
    QLabel* zaehlung() const { return zaehlung_; }
    QPushButton* startKnopf() const { return start_; }
    QPushButton* speichernKnopf() const { return speichern_; }
    QPushButton* schriftKnopf() const { return schrift_; }

    // The file that "Änderungen speichern" writes to: the one "Text ändern" read into the editor;
    // empty when there is none.
    QString geaenderteDatei() const;

signals:
    // A text is shown for practice.
    void vorschauGezeigt();
    // The learner chose another font for the own texts; the session holds it.
    void schriftGeaendert();

private:
    // "Text speichern" of a new text (asks for a file name) or "Änderungen speichern" of a changed one.
    void textSpeichern();
    // "Schriftgröße ändern": the font of the own texts.
    void schriftAendern();

    // Reads the file and reports a failure; nothing when it could not be read.
    // The file chosen in a dialog (none when it was cancelled), kept as the chosen one, then read.
    std::optional<EigenerText> gewaehltLesen(const QString& pfad);
    std::optional<EigenerText> lesen(const QString& pfad);
    // Tells the learner about characters the exercise cannot compare.
    void nichtDarstellbarMelden(const EigenerText& text, bool zumUeben);
    // The editor's content as the core takes it: lines broken by "\n".
    std::string editorinhalt() const;
    // Writes the editor's text; a text the target's encoding cannot hold may be written as UTF-8.
    void schreiben(const Textablage::Speicherziel& ziel);

    Sitzung& sitzung_;
    Masse masse_;
    QWidget* fenster_;
    QGroupBox* rahmen_;
    Textablage ablage_;

    QPlainTextEdit* editor_ = nullptr;
    QLabel* zaehlung_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* speichern_ = nullptr;
    QPushButton* schrift_ = nullptr;
};

} // namespace tastwerk::ui
