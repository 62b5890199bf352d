#include "ui/logo.h"
#include "ui/zugaenglichkeit.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tastwerk::ui {

Logo::Logo(QWidget* parent) : QWidget(parent) {
    setToolTip(QStringLiteral("Tastwerk für Windows 95"));
    alsBildZeigen(this, QStringLiteral("Tastwerk-Logo"));
}

void logoZeichnen(QPainter& maler, const QRectF& flaeche) {
    maler.setRenderHint(QPainter::Antialiasing);
    const qreal seite = std::min(flaeche.width(), flaeche.height()) * 0.9;
    const QRectF taste(flaeche.center().x() - seite / 2, flaeche.center().y() - seite / 2, seite, seite);
    QLinearGradient verlauf(taste.topLeft(), taste.bottomRight());
    verlauf.setColorAt(0, QColor(0xF4, 0xF4, 0xF4));
    verlauf.setColorAt(1, QColor(0xA8, 0xA8, 0xA8));
    maler.setPen(QPen(QColor(0x40, 0x40, 0x40), seite / 40));
    maler.setBrush(verlauf);
    maler.drawRoundedRect(taste, seite / 8, seite / 8);
    const QRectF mulde = taste.adjusted(seite / 8, seite / 10, -seite / 8, -seite / 5);
    maler.setBrush(QColor(0xE8, 0xE8, 0xE8));
    maler.drawRoundedRect(mulde, seite / 12, seite / 12);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setBold(true);
    schrift.setPixelSize(int(seite * 0.38));
    maler.setFont(schrift);
    maler.setPen(QColor(0x00, 0x00, 0x80));
    maler.drawText(mulde, Qt::AlignCenter, QStringLiteral("Tw"));
    maler.setPen(QPen(QColor(0xFF, 0x00, 0x00), seite / 30));
    const qreal y = mulde.bottom() - seite / 14;
    maler.drawLine(QPointF(mulde.center().x() - seite / 12, y), QPointF(mulde.center().x() + seite / 12, y));
}

void Logo::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    logoZeichnen(maler, rect());
}

void Logo::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit doppelklick();
    }
}

} // namespace tastwerk::ui
