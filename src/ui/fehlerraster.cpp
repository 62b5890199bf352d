#include "ui/fehlerraster.h"

#include "platform/zahlformat.h"

#include <QHeaderView>

namespace tastwerk::ui {

namespace {
const char* const Fingernamen[] = {
    "linker kleiner Finger",  "linker Ringfinger",  "linker Mittelfinger",  "linker Zeigefinger",  "Daumen",
    "rechter kleiner Finger", "rechter Ringfinger", "rechter Mittelfinger", "rechter Zeigefinger",
};
} // namespace

Fehlerraster::Fehlerraster(QWidget* parent) : QTableWidget(10, 17, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // Cells cut what is wider than their column, as a display grid does.
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setAccessibleName(QStringLiteral("Fehlerstatistik der Lektionen 1 bis 16"));
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setPixelSize(16);
    setFont(schrift);
}

void Fehlerraster::vorbereiten(const Masse& m) {
    setColumnWidth(0, m.w(100, 359));
    for (int spalte = 1; spalte <= 16; ++spalte) {
        setColumnWidth(spalte, m.w(1, 24));
    }
    for (int zeile = 0; zeile <= 9; ++zeile) {
        setRowHeight(zeile, m.h(2, 59));
    }
    setZelle(0, 0, QStringLiteral("Lektion"));
    for (int spalte = 1; spalte <= 16; ++spalte) {
        setZelle(spalte, 0, QString::fromStdString(rechtsbuendig(spalte, 3)));
    }
    for (int zeile = 1; zeile <= 9; ++zeile) {
        setZelle(0, zeile, QString::fromUtf8(Fingernamen[zeile - 1]));
    }
}

QString Fehlerraster::zelle(int spalte, int zeile) const {
    const QTableWidgetItem* eintrag = item(zeile, spalte);
    return eintrag ? eintrag->text() : QString();
}

void Fehlerraster::setZelle(int spalte, int zeile, const QString& text) {
    QTableWidgetItem* eintrag = item(zeile, spalte);
    if (!eintrag) {
        eintrag = new QTableWidgetItem;
        setItem(zeile, spalte, eintrag);
    }
    eintrag->setText(text);
}

} // namespace tastwerk::ui
