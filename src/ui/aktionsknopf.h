// A push button that shows the state of a command's action: enabled with it, with its hint, and
// triggering it when clicked, keeping a caption of its own or showing the action's. With the focus,
// Return presses it as Space does.
#pragma once

#include <QAction>
#include <QPushButton>

namespace tastwerk::ui {

class Aktionsknopf : public QPushButton {
    Q_OBJECT
public:
    Aktionsknopf(const QString& beschriftung, QAction* aktion, QWidget* parent = nullptr);
    // The caption is the action's and changes with it.
    Aktionsknopf(QAction* aktion, QWidget* parent = nullptr);
    QAction* aktion() const { return aktion_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void folgen();

    QAction* aktion_;
    bool eigeneBeschriftung_;
};

} // namespace tastwerk::ui
