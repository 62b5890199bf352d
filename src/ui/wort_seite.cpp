#include "ui/wort_seite.h"

#include "ui/aktionsknopf.h"
#include "ui/zugaenglichkeit.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace tastwerk::ui {

void Zeilenanzeige::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit angeklickt();
    }
}

void Zeilenanzeige::contextMenuEvent(QContextMenuEvent* e) {
    e->ignore();
}

WortSeite::WortSeite(QGroupBox* rahmen, const Masse& m, const Uebungsaktionen& a)
    : QObject(rahmen), rahmen_(rahmen) {
    rahmen->resize(rahmen->width(), m.s(200));
    zeile_ = new Zeilenanzeige(rahmen);
    zeile_->setReadOnly(true);
    zeile_->setFocusPolicy(Qt::NoFocus);
    zeile_->setGeometry(m.r(12, 24, 760, 44));
    zeile_->setAccessibleName(QStringLiteral("Übungszeile"));
    // The expected character stays marked although the line never has the focus.
    QPalette p = zeile_->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    zeile_->setPalette(p);
    wiederholung_ = new QLabel(rahmen);
    wiederholung_->setGeometry(m.r(12, 72, 400, 20));
    lernzielTitel_ = new QLabel(QStringLiteral("Lernziel der Wortübung erreicht zu"), rahmen);
    // Wide enough for "... erreicht zu 100 %" once the goal is reached and the percentage hidden.
    lernzielTitel_->setGeometry(m.r(12, 100, 420, 24));
    lernziel_ = new QLabel(QStringLiteral(" 0.0 %"), rahmen);
    lernziel_->setGeometry(m.r(344, 100, 90, 24));
    QFont ziel = lernzielTitel_->font();
    ziel.setPointSize(m.punkte(m.breite / 66.0));
    lernzielTitel_->setFont(ziel);
    lernziel_->setFont(ziel);
    fortschritt_ = new QProgressBar(rahmen);
    fortschritt_->setRange(0, 100);
    fortschritt_->setTextVisible(false);
    fortschritt_->setGeometry(m.r(12, 128, 420, 16));
    fortschritt_->setAccessibleName(QStringLiteral("Lernziel der Wortübung"));
    fortschritt_->setAccessibleDescription(QStringLiteral("Lernziel erreicht in Prozent"));

    einstellungen_ = new Aktionsknopf(a.einstellungen, rahmen);
    tastatur_ = new Aktionsknopf(a.tastatur, rahmen);
    statistik_ = new Aktionsknopf(a.statistik, rahmen);
    pause_ = new Aktionsknopf(a.pause, rahmen);
    hauptmenue_ = new Aktionsknopf(a.hauptmenue, rahmen);
    double x = 12;
    for (QPushButton* knopf : {einstellungen_, tastatur_, statistik_, pause_, hauptmenue_}) {
        const double breite = knopf == hauptmenue_ ? 180 : 130;
        knopf->setGeometry(m.r(x, 156, breite, 30));
        knopf->setFocusPolicy(Qt::NoFocus);
        x += breite + 8;
    }

    popup_ = new QMenu(rahmen);
    popup_->addActions({a.einstellungen, a.tastatur, a.statistik, a.pause});
    popup_->addSeparator();
    popup_->addAction(a.hauptmenue);
    rahmen->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(rahmen, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(rahmen_->mapToGlobal(p)); });
}

void WortSeite::zeileZeigen(const QString& text, int start, int laenge) {
    if (zeile_->text() != text) {
        zeile_->setText(text);
    }
    if (laenge > 0) {
        zeile_->setSelection(start, laenge);
        // A screen reader hears the demanded character and where it stands in the line.
        zeichenMelden(zeile_, QStringLiteral("Übungszeile, Stelle %1 von %2: %3")
                                  .arg(start + 1)
                                  .arg(text.size())
                                  .arg(gesprochenesZeichen(text.mid(start, laenge))));
    } else {
        nameMelden(zeile_, QStringLiteral("Übungszeile"));
        zeile_->deselect();
    }
}

} // namespace tastwerk::ui
