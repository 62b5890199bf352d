#include "ui/tastaturwege.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace tastwerk::ui {

namespace {

bool ohneUmschalter(const QKeyEvent* e) {
    return (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Sends the keyboard's context menu request to the widget at its centre; Qt hands it on to the widgets
// around it until one takes it. True when one took it.
bool anfragen(QWidget* w) {
    const QPoint mitte = w->rect().center();
    QContextMenuEvent anfrage(QContextMenuEvent::Keyboard, mitte, w->mapToGlobal(mitte));
    QApplication::sendEvent(w, &anfrage);
    return anfrage.isAccepted();
}

} // namespace

bool knopfMitEingabetaste(QWidget* ziel, const QKeyEvent* e) {
    if ((e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) || !ohneUmschalter(e)) {
        return false;
    }
    auto* knopf = qobject_cast<QPushButton*>(ziel);
    if (!knopf || !knopf->hasFocus() || !knopf->isEnabled() || !knopf->isVisible()) {
        return false;
    }
    if (!e->isAutoRepeat()) {
        knopf->click();
    }
    return true;
}

bool kontextmenueMitTaste(QWidget* fokus, const QKeyEvent* e, const QList<QWidget*>& bereiche) {
    const bool menuetaste = e->key() == Qt::Key_Menu && ohneUmschalter(e);
    const bool umschaltF10 = e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
    if (!menuetaste && !umschaltF10) {
        return false;
    }
    if (e->isAutoRepeat()) {
        return true;
    }
    if (fokus) {
        anfragen(fokus);
        return true;
    }
    for (QWidget* b : bereiche) {
        if (b && b->isVisible() && anfragen(b)) {
            break;
        }
    }
    return true;
}

} // namespace tastwerk::ui
