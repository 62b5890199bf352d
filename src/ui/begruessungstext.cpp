#include "ui/begruessungstext.h"

#include "ui/fokusstil.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tastwerk::ui {

Begruessungstext::Begruessungstext(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setPlainText(text());
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(QStringLiteral("Begrüßungstext"));
}

QString Begruessungstext::text() {
    return QStringLiteral(
        "Herzlich willkommen bei Tastwerk!\n"
        "\n"
        "Mit Tastwerk lernen Sie das Zehnfingersystem Schritt für Schritt in 16 Lektionen. Bitte geben Sie "
        "oben Ihren Benutzernamen ein und drücken Sie die Return-Taste. Unter diesem Namen merkt sich das "
        "Programm Ihren Lernstand und Ihre Einstellungen; beim nächsten Mal geben Sie einfach wieder "
        "denselben Namen ein.\n"
        "\n"
        "So läuft eine Lektion ab: Zuerst zeigt Ihnen ein Hinweistext, welche Tasten neu hinzukommen und "
        "mit welchem Finger Sie sie anschlagen. Danach folgt die Buchstabenübung, in der Sie einzelne "
        "Zeichen tippen. Das Lernziel wächst nur, solange Sie schnell genug und mit wenigen Fehlern "
        "schreiben. Haben Sie es zu 100\u00A0% erreicht, geht es automatisch weiter zur Wortübung mit ganzen "
        "Wörtern und Sätzen, und nach der Wortübung beginnt die nächste Lektion.\n"
        "\n"
        "Tip: Klicken Sie mit der rechten Maustaste auf die Bereiche des Programms. Dort finden Sie "
        "Kontextmenüs mit weiteren Befehlen und Einstellungen.\n"
        "\n"
        "Haftungsausschluss: Tastwerk wird so, wie es ist, und ohne jede Gewähr überlassen. Für Schäden, "
        "die durch die Benutzung des Programms entstehen, wird keine Haftung übernommen.");
}

void Begruessungstext::mousePressEvent(QMouseEvent* e) {
    QPlainTextEdit::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) {
        emit angeklickt();
    }
}

void Begruessungstext::contextMenuEvent(QContextMenuEvent* e) {
    emit kontextmenueVerlangt(e->globalPos());
}

void Begruessungstext::paintEvent(QPaintEvent* e) {
    QPlainTextEdit::paintEvent(e);
    if (hasFocus()) {
        QPainter maler(viewport());
        fokusrahmenMalen(&maler, viewport()->rect(), viewport()->palette().color(QPalette::Base));
    }
}

void Begruessungstext::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    viewport()->update();
}

void Begruessungstext::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    viewport()->update();
}

} // namespace tastwerk::ui
