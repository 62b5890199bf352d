#include "ui/fokusstil.h"

#include "keyboard/kontrast.h"
#include "ui/farben.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace tastwerk::ui {

void fokusrahmenMalen(QPainter* maler, const QRect& r, const QColor& grund) {
    maler->save();
    maler->setRenderHint(QPainter::Antialiasing, false);
    maler->setBrush(Qt::NoBrush);
    maler->setPen(QPen(alsQColor(kontrastfarbe(alsFarbe(grund))), 1, Qt::DotLine));
    maler->drawRect(r.adjusted(0, 0, -1, -1));
    maler->drawRect(r.adjusted(1, 1, -2, -2));
    maler->restore();
}

void Fokusstil::drawControl(ControlElement element, const QStyleOption* option, QPainter* maler,
                            const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, maler, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus)) {
        fokusrahmenMalen(maler, option->rect.adjusted(4, 4, -4, -4), option->palette.color(QPalette::Button));
    }
}

void Fokusstil::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                              const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        fokusrahmenMalen(maler, option->rect, option->palette.color(QPalette::Window));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, maler, widget);
}

int Fokusstil::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* rueckgabe) const {
    if (hint == SH_MenuBar_AltKeyNavigation) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
}

void fokusstilEinsetzen() {
    if (!qobject_cast<Fokusstil*>(QApplication::style())) {
        QApplication::setStyle(new Fokusstil);
    }
}

} // namespace tastwerk::ui
