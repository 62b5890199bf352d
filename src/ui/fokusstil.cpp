#include "ui/fokusstil.h"

#include "keyboard/kontrast.h"
#include "ui/farben.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace tastwerk::ui {

namespace {

// A standard icon of the base style, read when it is first drawn. Reading one makes Qt's picture reader
// load every picture format plug-in to ask it about the file; the menu bar asks for its overflow arrow
// when it is made, before the window shows, and shows it only when the window is too narrow for all menus.
class SpaetesSymbol : public QIconEngine {
public:
    SpaetesSymbol(QStyle* stil, QStyle::StandardPixmap art) : stil_(stil), art_(art) {}

    void paint(QPainter* maler, const QRect& r, QIcon::Mode modus, QIcon::State zustand) override {
        echt().paint(maler, r, Qt::AlignCenter, modus, zustand);
    }
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return echt().pixmap(groesse, modus, zustand);
    }
    QSize actualSize(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        return echt().actualSize(groesse, modus, zustand);
    }
    QList<QSize> availableSizes(QIcon::Mode modus, QIcon::State zustand) override {
        return echt().availableSizes(modus, zustand);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("SpaetesSymbol"); }
    QIconEngine* clone() const override { return new SpaetesSymbol(*this); }

private:
    const QIcon& echt() {
        if (!gelesen_ && stil_) {
            echt_ = stil_->standardIcon(art_);
            gelesen_ = true;
        }
        return echt_;
    }

    QPointer<QStyle> stil_;
    QStyle::StandardPixmap art_;
    QIcon echt_;
    bool gelesen_ = false;
};

} // namespace

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

QIcon Fokusstil::standardIcon(StandardPixmap art, const QStyleOption* option, const QWidget* widget) const {
    if (option == nullptr &&
        (art == SP_ToolBarHorizontalExtensionButton || art == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new SpaetesSymbol(baseStyle(), art));
    }
    return QProxyStyle::standardIcon(art, option, widget);
}

void fokusstilEinsetzen() {
    if (!qobject_cast<Fokusstil*>(QApplication::style())) {
        QApplication::setStyle(new Fokusstil);
    }
}

} // namespace tastwerk::ui
