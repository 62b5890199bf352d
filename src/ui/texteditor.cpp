#include "ui/texteditor.h"

#include "practice/textdatei.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>

#include <algorithm>
#include <vector>

namespace tastwerk::ui {

namespace {

constexpr char32_t Zeilentrenner = 0x2028;
constexpr char32_t Absatztrenner = 0x2029;

} // namespace

bool istTextzeichen(char32_t z) {
    if (z == U'\t') {
        return true;
    }
    return z >= 0x20 && !(z >= 0x7F && z <= 0x9F) && z != Zeilentrenner && z != Absatztrenner;
}

QString Texteditor::bereinigen(const QString& text, bool mitZeilenumbruch) {
    QString rein;
    rein.reserve(text.size());
    std::vector<char32_t> abgelehnt;
    for (const char32_t z : text.toUcs4()) {
        if (istTextzeichen(z) || (mitZeilenumbruch && z == U'\n')) {
            rein.append(QString::fromUcs4(&z, 1));
        } else if (std::find(abgelehnt.begin(), abgelehnt.end(), z) == abgelehnt.end()) {
            abgelehnt.push_back(z);
        }
    }
    if (!abgelehnt.empty()) {
        QStringList namen;
        for (const char32_t z : abgelehnt) {
            namen << QString::fromStdString(
                tastwerk::zeichenBenennen(QString::fromUcs4(&z, 1).toStdString()));
        }
        const QString meldung =
            abgelehnt.size() == 1
                ? QStringLiteral("Dieses Zeichen ist kein Textzeichen und wurde nicht in den Text "
                                 "übernommen:\n\n%1")
                : QStringLiteral("Diese Zeichen sind keine Textzeichen und wurden nicht in den Text "
                                 "übernommen:\n\n%1");
        QMessageBox::information(window(), QApplication::applicationName(),
                                 meldung.arg(namen.join(QStringLiteral(", "))));
    }
    return rein;
}

void Texteditor::keyPressEvent(QKeyEvent* e) {
    // Tab is a character of the text; Ctrl+Tab and Ctrl+Shift+Tab leave the editor.
    const bool strg = e->modifiers() & Qt::ControlModifier;
    if (strg && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        const bool rueckwaerts = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        // The plain text box's own way would keep the focus, as Tab belongs to the text.
        QAbstractScrollArea::focusNextPrevChild(!rueckwaerts);
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !isReadOnly() &&
        (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        // Qt would make a line separator inside the paragraph; the text file knows only line breaks.
        QKeyEvent umbruch(QEvent::KeyPress, e->key(), e->modifiers() & Qt::KeypadModifier,
                          QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&umbruch);
        e->setAccepted(umbruch.isAccepted());
        return;
    }
    // Editing keys (Backspace, Delete, Escape, Tab, Return) carry C0 control characters or DEL as their
    // text and are handled as keys; any other text is a character typed into the text.
    const QString text = e->text();
    const bool wuerdeEingefuegt =
        !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F;
    if (!isReadOnly() && wuerdeEingefuegt &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        const QString rein = bereinigen(text, false);
        if (rein != text) {
            if (!rein.isEmpty()) {
                insertPlainText(rein);
            }
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void Texteditor::inputMethodEvent(QInputMethodEvent* e) {
    const QString text = e->commitString();
    if (!isReadOnly() && !text.isEmpty()) {
        const QString rein = bereinigen(text, false);
        if (rein != text) {
            QInputMethodEvent ersatz(e->preeditString(), e->attributes());
            ersatz.setCommitString(rein, e->replacementStart(), e->replacementLength());
            QPlainTextEdit::inputMethodEvent(&ersatz);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(e);
}

void Texteditor::insertFromMimeData(const QMimeData* quelle) {
    if (isReadOnly() || !quelle || !quelle->hasText()) {
        QPlainTextEdit::insertFromMimeData(quelle);
        return;
    }
    // Line breaks of the text files (CR LF, LF, CR) become the editor's own; everything else that is no
    // text is refused, the separators U+2028 and U+2029 too.
    QString text = quelle->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(bereinigen(text, true));
    ensureCursorVisible();
}

} // namespace tastwerk::ui
