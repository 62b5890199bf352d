#include "ui/aktionsknopf.h"

namespace tastwerk::ui {

Aktionsknopf::Aktionsknopf(const QString& beschriftung, QAction* aktion, QWidget* parent)
    : QPushButton(beschriftung, parent), aktion_(aktion) {
    const auto folgen = [this] {
        setEnabled(aktion_->isEnabled());
        // The action's hint, where it says more than the button's caption (an action without a hint of
        // its own answers with its caption).
        QString beschriftung = text();
        beschriftung.remove(QLatin1Char('&'));
        const QString hinweis = aktion_->toolTip() == beschriftung ? QString() : aktion_->toolTip();
        if (toolTip() != hinweis) {
            setToolTip(hinweis);
        }
    };
    folgen();
    connect(aktion, &QAction::changed, this, folgen);
    connect(this, &QPushButton::clicked, aktion, [this] {
        if (aktion_->isEnabled()) {
            aktion_->trigger();
        }
    });
}

} // namespace tastwerk::ui
