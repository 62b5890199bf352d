// The welcome text below the name prompt: a read-only, scrolling text window; with the keyboard focus it
// shows the dotted focus frame.
#pragma once

#include <QPlainTextEdit>

namespace tastwerk::ui {

class Begruessungstext : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Begruessungstext(QWidget* parent = nullptr);
    static QString text();

signals:
    void angeklickt();
    void kontextmenueVerlangt(const QPoint& global);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

} // namespace tastwerk::ui
