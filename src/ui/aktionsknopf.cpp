#include "ui/aktionsknopf.h"

#include <QKeyEvent>

namespace tastwerk::ui {

Aktionsknopf::Aktionsknopf(const QString& beschriftung, QAction* aktion, QWidget* parent)
    : QPushButton(beschriftung, parent), aktion_(aktion), eigeneBeschriftung_(true) {
    folgen();
    connect(aktion, &QAction::changed, this, &Aktionsknopf::folgen);
    connect(this, &QPushButton::clicked, aktion, [this] {
        if (aktion_->isEnabled()) {
            aktion_->trigger();
        }
    });
}

Aktionsknopf::Aktionsknopf(QAction* aktion, QWidget* parent) : Aktionsknopf(aktion->text(), aktion, parent) {
    eigeneBeschriftung_ = false;
}

void Aktionsknopf::folgen() {
    setEnabled(aktion_->isEnabled());
    if (!eigeneBeschriftung_ && text() != aktion_->text()) {
        setText(aktion_->text());
    }
    // The action's hint, where it says more than the button's caption (an action without a hint of its
    // own answers with its caption).
    QString beschriftung = text();
    beschriftung.remove(QLatin1Char('&'));
    const QString hinweis = aktion_->toolTip() == beschriftung ? QString() : aktion_->toolTip();
    if (toolTip() != hinweis) {
        setToolTip(hinweis);
    }
}

void Aktionsknopf::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

} // namespace tastwerk::ui
