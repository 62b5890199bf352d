// The grid of the lesson error statistics: one column per lesson, one row per finger group.
#pragma once

#include "ui/masse.h"

#include <QTableWidget>

namespace tastwerk::ui {

class Fehlerraster : public QTableWidget {
    Q_OBJECT
public:
    explicit Fehlerraster(QWidget* parent = nullptr);
    // Sizes and fixed cells for the screen: headings, lesson numbers and the finger names.
    void vorbereiten(const Masse& m);
    QString zelle(int spalte, int zeile) const;
    // The width the cell's text takes as drawn: a text wider than its column is drawn narrower, whole.
    int gezeichneteBreite(int spalte, int zeile) const;
    void setZelle(int spalte, int zeile, const QString& text);
};

} // namespace tastwerk::ui
