// The name box of the sign-in: upper case by Windows-1252's rules, only characters the user file can
// hold, at most 45 of them.
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace tastwerk::ui {

class NamensValidator : public QValidator {
public:
    using QValidator::QValidator;
    // Turns the text into upper case and drops what Windows-1252 cannot hold; never refuses.
    State validate(QString& text, int& position) const override;
    void fixup(QString& text) const override;
};

class Namensfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Namensfeld(QWidget* parent = nullptr);

signals:
    // Every key pressed in the box, before the key takes effect.
    void tasteGedrueckt(int taste, int laengeVorher, const QString& textVorher);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace tastwerk::ui
