#include "ui/eigene_texte_uebungsansicht.h"

#include "platform/zeichensatz.h"
#include "ui/aktionsknopf.h"
#include "ui/zugaenglichkeit.h"

#include <QContextMenuEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace tastwerk::ui {

namespace {

// The Return key as a small picture: a bent arrow pointing left.
QPixmap returnBild(int seite) {
    QPixmap bild(seite, seite);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 96, 96), std::max(1, seite / 20)));
    p.setBrush(QColor(255, 255, 225));
    p.drawRoundedRect(QRectF(1, 1, seite - 2, seite - 2), seite / 6.0, seite / 6.0);
    const double s = seite;
    QPen strich(Qt::black, std::max(2.0, s / 10), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(strich);
    p.setBrush(Qt::NoBrush);
    QPainterPath bogen;
    bogen.moveTo(s * 0.72, s * 0.22);
    bogen.lineTo(s * 0.72, s * 0.6);
    bogen.lineTo(s * 0.38, s * 0.6);
    p.drawPath(bogen);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath spitze;
    spitze.moveTo(s * 0.2, s * 0.6);
    spitze.lineTo(s * 0.4, s * 0.44);
    spitze.lineTo(s * 0.4, s * 0.76);
    spitze.closeSubpath();
    p.drawPath(spitze);
    return bild;
}

} // namespace

void Uebungsfeld::mousePressEvent(QMouseEvent* e) {
    // The mark stays where the exercise put it.
    if (e->button() == Qt::LeftButton) {
        emit angeklickt();
    }
}

void Uebungsfeld::mouseMoveEvent(QMouseEvent* e) {
    e->ignore();
}

void Uebungsfeld::mouseDoubleClickEvent(QMouseEvent* e) {
    e->ignore();
}

void Uebungsfeld::contextMenuEvent(QContextMenuEvent* e) {
    e->ignore();
}

EigeneTexteUebungsansicht::EigeneTexteUebungsansicht(QGroupBox* rahmen, Sitzung& sitzung, Klang& klang,
                                                     const Masse& m, const Uebungsaktionen& aktionen,
                                                     QWidget* fenster, QObject* eltern)
    : QObject(eltern), sitzung_(sitzung), klang_(klang), aktionen_(aktionen), fenster_(fenster),
      rahmen_(rahmen) {
    const int oben = m.h(0.01);
    // The exercise ends above the on-screen keyboard at 5/13 of the screen height.
    const int hoehe = std::max(m.s(150), m.h(5, 13) - oben - m.s(4));
    rahmen_->setGeometry(rahmen_->x(), oben, rahmen_->width(), hoehe);
    const int breite = rahmen_->width();
    const int bild = m.s(44);

    feld_ = new Uebungsfeld(rahmen_);
    feld_->setGeometry(m.s(12), m.s(22), breite - m.s(24) - bild - m.s(8),
                       std::max(m.s(40), hoehe - m.s(22) - m.s(74)));
    feld_->setReadOnly(true);
    feld_->setFocusPolicy(Qt::NoFocus);
    feld_->setLineWrapMode(QPlainTextEdit::NoWrap);
    feld_->setAccessibleName(QStringLiteral("Übungstext"));
    // The expected character stays marked although the box never has the focus.
    QPalette p = feld_->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    feld_->setPalette(p);
    connect(feld_, &Uebungsfeld::angeklickt, this, &EigeneTexteUebungsansicht::feldAngeklickt);

    returnHinweis_ = new QLabel(rahmen_);
    returnHinweis_->setGeometry(feld_->geometry().right() + m.s(8), m.s(22), bild, bild);
    // Drawn large and shown at the label's size, so that it stays sharp at every scale.
    returnHinweis_->setPixmap(returnBild(bild * 4));
    returnHinweis_->setScaledContents(true);
    returnHinweis_->setToolTip(QString::fromUtf8(ReturnHinweis));
    returnHinweis_->setAccessibleName(QString::fromUtf8(ReturnHinweis));
    returnHinweis_->hide();

    zeilenanzeige_ = new QLabel(rahmen_);
    zeilenanzeige_->setGeometry(m.s(12), feld_->geometry().bottom() + m.s(6), m.s(300), m.s(22));
    zeilenanzeige_->setTextFormat(Qt::PlainText);

    neuAnfangen_ = new Aktionsknopf(aktionen_.neuAnfangen, rahmen_);
    einstellungen_ = new Aktionsknopf(aktionen_.einstellungen, rahmen_);
    pause_ = new Aktionsknopf(aktionen_.pause, rahmen_);
    hauptmenue_ = new Aktionsknopf(QStringLiteral("Hauptmenü"), aktionen_.hauptmenue, rahmen_);
    int x = m.s(12);
    for (QPushButton* k : {neuAnfangen_, einstellungen_, pause_, hauptmenue_}) {
        k->setGeometry(x, hoehe - m.s(38), m.s(150), m.s(30));
        // Reached by Tab only while paused or in the settings.
        k->setFocusPolicy(Qt::NoFocus);
        x += m.s(158);
    }
    connect(aktionen_.neuAnfangen, &QAction::triggered, this, &EigeneTexteUebungsansicht::neuAnfangen);
}

EigeneTexteUebungsansicht::~EigeneTexteUebungsansicht() = default;

void EigeneTexteUebungsansicht::starten(std::vector<std::string> zeilen, const QString& name) {
    uebungstext_.clear();
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        if (k > 0) {
            uebungstext_ += QLatin1Char('\n');
        }
        uebungstext_ += QString::fromStdString(cp1252ZuUtf8(zeilen[k]));
    }
    uebung_ = std::make_unique<EigeneTexteUebung>(std::move(zeilen), sitzung_, klang_);
    uebungsdatei_ = name;
    feld_->setEnabled(true);
    feld_->setPlainText(uebungstext_);
    returnHinweis_->hide();
    for (QAction* a : aktionen_.eigeneTexteBefehle()) {
        a->setEnabled(true);
    }
    rahmen_->show();
    rahmen_->raise();
    zeilenanzeige_->setText(QStringLiteral("Zeile 1 von %1").arg(uebung_->textzeilen()));
    emit uebungGestartet();
    taste(ZeichenStartaufforderung);
}

void EigeneTexteUebungsansicht::neuAnfangen() {
    if (!uebung_) {
        return;
    }
    emit neuBeginnt();
    const EigeneTexteAnzeige& a = uebung_->neuAnfangen();
    feld_->setPlainText(uebungstext_);
    feld_->horizontalScrollBar()->setValue(0);
    emit neuBegonnen();
    anzeigen(a);
}

void EigeneTexteUebungsansicht::taste(Zeichen k) {
    if (!uebung_) {
        return;
    }
    anzeigen(uebung_->taste(k));
}

void EigeneTexteUebungsansicht::anzeigen(const EigeneTexteAnzeige& a) {
    if (!uebung_) {
        return;
    }
    if (a.uebungsbeginn) {
        emit uebungsbeginn();
    }
    const QString zeile = QString::fromStdString(a.zeilenanzeige);
    if (zeilenanzeige_->text() != zeile) {
        zeilenanzeige_->setText(zeile);
    }
    if (a.textende) {
        feld_->setPlainText(QString::fromUtf8(TextendeText));
        // The name says what the box now shows, no longer a demanded character.
        nameMelden(feld_, QStringLiteral("Übungstext: ") + QString::fromUtf8(TextendeText));
        returnHinweis_->hide();
        emit anzeigeGeaendert(a);
        emit textendeErreicht();
        QMessageBox::information(fenster_, QString::fromUtf8(TextendeTitel),
                                 QString::fromUtf8(TextendeMeldung));
        return;
    }
    if (!uebung_->textendeErreicht()) {
        if (a.zeileFertig) {
            ersteZeileEntfernen();
        }
        markieren(a.markierung);
        returnHinweis_->setVisible(a.returnHinweis);
    }
    emit anzeigeGeaendert(a);
}

void EigeneTexteUebungsansicht::ersteZeileEntfernen() {
    QTextCursor c(feld_->document());
    c.movePosition(QTextCursor::Start);
    if (!c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor)) {
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
    feld_->horizontalScrollBar()->setValue(0);
}

void EigeneTexteUebungsansicht::markieren(std::size_t stelle) {
    const QTextBlock zeile = feld_->document()->firstBlock();
    const int laenge = zeile.length() - 1; // without the block's end
    const int s = int(std::min<std::size_t>(stelle, std::size_t(laenge)));
    QTextCursor c(zeile);
    c.setPosition(zeile.position() + s);
    if (s < laenge) {
        c.setPosition(zeile.position() + s + 1, QTextCursor::KeepAnchor);
    }
    feld_->setTextCursor(c);
    feld_->ensureCursorVisible();
    // A screen reader hears the demanded character and where it stands in the line; at the line's end
    // Return is demanded.
    const QString zeichen =
        s < laenge ? gesprochenesZeichen(zeile.text().mid(s, 1)) : QStringLiteral("Return");
    zeichenMelden(feld_,
                  QStringLiteral("Übungstext, Stelle %1 von %2: %3").arg(s + 1).arg(laenge + 1).arg(zeichen));
}

void EigeneTexteUebungsansicht::feldAngeklickt() {
    if (!uebung_ || uebung_->textendeErreicht()) {
        return;
    }
    emit pauseVerlangt();
    markieren(uebung_->anzeige().markierung);
}

} // namespace tastwerk::ui
