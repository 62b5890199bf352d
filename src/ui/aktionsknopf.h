// A push button that shows the state of a command's action: enabled with it, with its hint, and
// triggering it when clicked, while keeping a caption of its own.
#pragma once

#include <QAction>
#include <QPushButton>

namespace tastwerk::ui {

class Aktionsknopf : public QPushButton {
    Q_OBJECT
public:
    Aktionsknopf(const QString& beschriftung, QAction* aktion, QWidget* parent = nullptr);
    QAction* aktion() const { return aktion_; }

private:
    QAction* aktion_;
};

} // namespace tastwerk::ui
