// The screen "Fingergymnastik": five small hand exercises, each a drawn picture with its caption.
#pragma once

#include <QString>
#include <QWidget>

class QPainter;

namespace tastwerk::ui {

// One of the five exercise pictures (1 fingers spread, 2 wrist circling, 3 fingertips pressed together,
// 4 a fist, 5 hands folded), drawn to fit the widget.
class FingergymnastikBild : public QWidget {
    Q_OBJECT
public:
    explicit FingergymnastikBild(int nummer, QWidget* parent = nullptr);
    int nummer() const { return nummer_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int nummer_;
};

// Draws picture 1..5 into the rectangle, keeping its proportions (5 wide to 4 high).
void fingergymnastikZeichnen(QPainter& maler, const QRectF& flaeche, int nummer);

// The caption of picture 1..5 ("Bild 1: ..."), empty for any other number.
QString fingergymnastikUnterschrift(int nummer);

// The content of the screen: the five pictures, each above its caption.
QWidget* fingergymnastikInhalt(QWidget* parent);

} // namespace tastwerk::ui
