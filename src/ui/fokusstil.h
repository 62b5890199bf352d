// The application's look with a focus that is always to be seen: the button that has the keyboard focus
// carries a dotted frame inside its edge, in black or white, whichever stands out on its colour (the
// colour buttons of the settings have any colour); other controls get the same frame around their
// focus area. The menu bar is walked with the keyboard as on the learners' home system: once open, the
// arrow keys move along the titles, and Return chooses a title that has no menu. The menu bar's overflow
// arrows are read from the base style when first drawn.
#pragma once

#include <QProxyStyle>

namespace tastwerk::ui {

class Fokusstil : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* maler,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* rueckgabe = nullptr) const override;
    QIcon standardIcon(StandardPixmap art, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The dotted focus frame inside the rectangle, in black or white, whichever stands out on the ground.
void fokusrahmenMalen(QPainter* maler, const QRect& r, const QColor& grund);

// Puts the focus frame on the application's style, once.
void fokusstilEinsetzen();

} // namespace tastwerk::ui
