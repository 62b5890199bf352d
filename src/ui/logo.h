// The program's logo picture; a double click opens the About box.
#pragma once

#include <QWidget>

namespace tastwerk::ui {

class Logo : public QWidget {
    Q_OBJECT
public:
    explicit Logo(QWidget* parent = nullptr);

signals:
    void doppelklick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// Draws the logo (a key cap with the program's initials) into a rectangle.
void logoZeichnen(class QPainter& maler, const QRectF& flaeche);

} // namespace tastwerk::ui
