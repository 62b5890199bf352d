#include "ui/fehlerraster.h"

#include "platform/zahlformat.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace tastwerk::ui {

namespace {
const char* const Fingernamen[] = {
    "linker kleiner Finger",  "linker Ringfinger",  "linker Mittelfinger",  "linker Zeigefinger",  "Daumen",
    "rechter kleiner Finger", "rechter Ringfinger", "rechter Mittelfinger", "rechter Zeigefinger",
};
constexpr int Innenrand = 2;

// Draws each cell's text in one line; a text wider than its cell ("-------" in a lesson column) is drawn in
// a smaller size of the same font rather than cut or squeezed, so that every character shows apart.
class Zellenzeichner : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static double stauchung(const QFontMetricsF& fm, const QString& text, double platz) {
        const double breite = fm.horizontalAdvance(text);
        return breite > platz ? platz / breite : 1.0;
    }

    // The font in which the text fits the width: the cell's, or a smaller size of it.
    static QFont passendeSchrift(const QFont& schrift, const QString& text, double platz) {
        QFont kleiner = schrift;
        for (double faktor = stauchung(QFontMetricsF(schrift), text, platz); faktor < 1.0;
             faktor = stauchung(QFontMetricsF(kleiner), text, platz)) {
            if (kleiner.pointSizeF() > 0) {
                kleiner.setPointSizeF(std::max(1.0, kleiner.pointSizeF() * faktor * 0.98));
            } else {
                kleiner.setPixelSize(std::max(1, int(kleiner.pixelSize() * faktor * 0.98)));
            }
            if (kleiner.pointSizeF() == 1.0 || kleiner.pixelSize() == 1) {
                break;
            }
        }
        return kleiner;
    }

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        QStyleOptionViewItem ohneText = option;
        initStyleOption(&ohneText, index);
        ohneText.text.clear();
        QStyledItemDelegate::paint(maler, ohneText, QModelIndex());
        const QRectF platz = QRectF(option.rect).adjusted(Innenrand, 0, -Innenrand, 0);
        maler->save();
        maler->setFont(passendeSchrift(option.font, text, platz.width()));
        maler->setPen(option.palette.color(QPalette::Text));
        maler->drawText(platz, Qt::AlignLeft | Qt::AlignVCenter, text);
        maler->restore();
    }
};

} // namespace

Fehlerraster::Fehlerraster(QWidget* parent) : QTableWidget(10, 17, parent) {
    setItemDelegate(new Zellenzeichner(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    // Rows and columns as high and wide as set, whatever the font asks for.
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
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

int Fehlerraster::gezeichneteBreite(int spalte, int zeile) const {
    const QFontMetricsF fm(font());
    const QString text = zelle(spalte, zeile);
    const double platz = columnWidth(spalte) - 2 * Innenrand;
    return int(std::ceil(fm.horizontalAdvance(text) * Zellenzeichner::stauchung(fm, text, platz)));
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
