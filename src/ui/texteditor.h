// The editor of the own texts: a plain text box that takes only what a text file line can hold. Shift
// or Ctrl with Return make an ordinary line break; a character that is no text (line and paragraph
// separators, control characters other than the tab) is refused, typed or pasted, and named. Tab types a
// tab; Ctrl+Tab and Ctrl+Shift+Tab move the focus on and back.
#pragma once

#include <QPlainTextEdit>

namespace tastwerk::ui {

// Whether the character can stand in a line of an own text.
bool istTextzeichen(char32_t zeichen);

class Texteditor : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* quelle) override;

private:
    // The text without the characters that are no text (line breaks kept if allowed); those are
    // named to the learner.
    QString bereinigen(const QString& text, bool mitZeilenumbruch);
};

} // namespace tastwerk::ui
