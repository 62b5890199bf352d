#include "ui/aktionsknopf.h"

namespace tastwerk::ui {

Aktionsknopf::Aktionsknopf(const QString& beschriftung, QAction* aktion, QWidget* parent)
    : QPushButton(beschriftung, parent), aktion_(aktion) {
    setEnabled(aktion->isEnabled());
    connect(aktion, &QAction::changed, this, [this] { setEnabled(aktion_->isEnabled()); });
    connect(this, &QPushButton::clicked, aktion, [this] {
        if (aktion_->isEnabled()) {
            aktion_->trigger();
        }
    });
}

} // namespace tastwerk::ui
