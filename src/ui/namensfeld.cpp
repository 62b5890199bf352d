#include "ui/namensfeld.h"

#include "platform/zeichensatz.h"

#include <QKeyEvent>

namespace tastwerk::ui {

namespace {

// The name as the user file holds it: upper case, Windows-1252 characters only, no control characters.
QString bereinigt(const QString& text, int* position) {
    QString aus;
    aus.reserve(text.size());
    int neuePosition = position ? *position : 0;
    int index = 0;
    for (const char32_t c : text.toStdU32String()) {
        const auto z = ausUnicode(c);
        const int einheiten = c > 0xFFFF ? 2 : 1;
        if (!z || *z < 32 || *z == 127) {
            if (position && index < *position) {
                neuePosition -= einheiten;
            }
        } else {
            aus.append(QChar(static_cast<char16_t>(alsUnicode(grossbuchstabe(*z)))));
        }
        index += einheiten;
    }
    if (position) {
        *position = std::max(0, neuePosition);
    }
    return aus;
}

} // namespace

QValidator::State NamensValidator::validate(QString& text, int& position) const {
    text = bereinigt(text, &position);
    return Acceptable;
}

void NamensValidator::fixup(QString& text) const {
    text = bereinigt(text, nullptr);
}

Namensfeld::Namensfeld(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(45);
    setValidator(new NamensValidator(this));
    setToolTip(QStringLiteral("Bitte geben Sie hier Ihren Benutzernamen ein!"));
    setAccessibleName(QStringLiteral("Benutzername"));
}

void Namensfeld::keyPressEvent(QKeyEvent* e) {
    emit tasteGedrueckt(e->key(), int(text().size()), text());
    if (!isEnabled() || !isVisible()) {
        return;
    }
    QLineEdit::keyPressEvent(e);
}

} // namespace tastwerk::ui
