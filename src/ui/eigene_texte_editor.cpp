#include "ui/eigene_texte_editor.h"

#include "practice/eigene_texte_uebung.h"
#include "ui/eigene_texte_menue.h"
#include "ui/schriften.h"
#include "ui/texteditor.h"

#include "platform/datei.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

#include <algorithm>

namespace tastwerk::ui {

namespace {

const QString Dateifilter = QStringLiteral("Text Dateien (*.TXT)");

// Paths go to the core as the file system spells them.
std::string dateiname(const QString& pfad) {
    return std::string(QFile::encodeName(pfad).constData());
}

QString pfadname(const std::string& dateiname) {
    return QFile::decodeName(QByteArray::fromStdString(dateiname));
}

} // namespace

EigeneTexteEditor::EigeneTexteEditor(QGroupBox* rahmen, Sitzung& sitzung, const Masse& m, QWidget* fenster,
                                     QObject* eltern)
    : QObject(eltern), sitzung_(sitzung), masse_(m), fenster_(fenster), rahmen_(rahmen),
      ablage_(sitzung.programmordner) {
    const int oben = m.s(66);
    rahmen_->setGeometry(rahmen_->x(), oben, rahmen_->width(), std::max(m.s(160), m.h(0.62) - oben));
    const int breite = rahmen_->width();
    const int hoehe = rahmen_->height();
    editor_ = new Texteditor(rahmen_);
    editor_->setGeometry(m.s(12), m.s(22), breite - m.s(24), hoehe - m.s(22) - m.s(48));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setAccessibleName(QStringLiteral("Text"));
    editor_->setToolTip(QStringLiteral("Tab schreibt einen Tabulator; Strg+Tab und Strg+Umschalt+Tab "
                                       "verlassen das Textfeld"));
    const int zeile = hoehe - m.s(40);
    zaehlung_ = new QLabel(rahmen_);
    zaehlung_->setGeometry(m.s(12), zeile, m.s(220), m.s(30));
    zaehlung_->setTextFormat(Qt::PlainText);
    start_ = new QPushButton(QStringLiteral("Start"), rahmen_);
    start_->setGeometry(m.s(240), zeile, m.s(130), m.s(30));
    speichern_ = new QPushButton(QStringLiteral("Text speichern"), rahmen_);
    speichern_->setGeometry(m.s(240), zeile, m.s(190), m.s(30));
    schrift_ = new QPushButton(QStringLiteral("Schriftgröße ändern"), rahmen_);
    schrift_->setGeometry(breite - m.s(12) - m.s(180), zeile, m.s(180), m.s(30));
    schrift_->setToolTip(QStringLiteral("Schriftart und Schriftgröße der eigenen Texte ändern"));
    connect(speichern_, &QPushButton::clicked, this, &EigeneTexteEditor::textSpeichern);
    connect(schrift_, &QPushButton::clicked, this, &EigeneTexteEditor::schriftAendern);

    dateiOeffnen = [this](const QString& ordner) {
        return QFileDialog::getOpenFileName(fenster_, QStringLiteral("Öffnen"), ordner, Dateifilter, nullptr,
                                            QFileDialog::DontUseNativeDialog);
    };
    dateiSpeichern = [this](const QString& ordner) {
        return QFileDialog::getSaveFileName(
            fenster_, QStringLiteral("Speichern unter"), ordner, Dateifilter, nullptr,
            QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    };
    schriftWaehlen = [this](const QFont& bisher) -> std::optional<QFont> {
        bool ok = false;
        const QFont neu = QFontDialog::getFont(&ok, bisher, fenster_, QStringLiteral("Schriftart"),
                                               QFontDialog::DontUseNativeDialog);
        if (!ok) {
            return std::nullopt;
        }
        return neu;
    };
}

QString EigeneTexteEditor::geaenderteDatei() const {
    return pfadname(ablage_.geaenderteDatei());
}

void EigeneTexteEditor::schriftAendern() {
    if (schriftWaehlenUndSpeichern(sitzung_, Schrifttext::EigeneTexte, masse_.dpi, schriftWaehlen,
                                   fenster_)) {
        emit schriftGeaendert();
    }
}

std::optional<EigenerText> EigeneTexteEditor::gewaehltLesen(const QString& pfad) {
    if (pfad.isEmpty()) {
        return std::nullopt; // the dialog was cancelled
    }
    ablage_.gewaehlt(dateiname(pfad));
    return lesen(pfad);
}

std::optional<EigenerText> EigeneTexteEditor::lesen(const QString& pfad) {
    try {
        return textdateiLesen(dateiname(pfad));
    } catch (const Dateifehler& e) {
        QMessageBox::critical(fenster_, QApplication::applicationName(),
                              QStringLiteral("Der Text konnte nicht gelesen werden.\n\n") +
                                  QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

void EigeneTexteEditor::nichtDarstellbarMelden(const EigenerText& text, bool zumUeben) {
    QString meldung =
        zumUeben
            ? QStringLiteral("Dieser Text enthält Zeichen, die beim Üben nicht getippt werden können: ") +
                  QString::fromStdString(zeichenAufzaehlen(nichtUebbareZeichen(text)))
            : QStringLiteral("Dieser Text enthält Zeichen, die beim Üben nicht verglichen werden können: ") +
                  QString::fromStdString(zeichenAufzaehlen(text.nichtDarstellbar));
    meldung += QStringLiteral(".\n\n");
    meldung += zumUeben ? QStringLiteral("Sie können den Text ansehen, aber nicht üben. Ersetzen Sie diese "
                                         "Zeichen mit „Text ändern“, um ihn zu üben.")
                        : QStringLiteral("Sie können den Text ändern und speichern; üben lässt er sich erst, "
                                         "wenn diese Zeichen ersetzt sind.");
    QMessageBox::information(fenster_, QApplication::applicationName(), meldung);
}

std::string EigeneTexteEditor::editorinhalt() const {
    // The raw text keeps every character as it is (no-break spaces too); blocks are separated by U+2029.
    QString roh = editor_->document()->toRawText();
    roh.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return roh.toStdString();
}

void EigeneTexteEditor::schreiben(const Textablage::Speicherziel& ziel) {
    auto fehlerMelden = [this](const Dateifehler& e) {
        QMessageBox::critical(fenster_, QApplication::applicationName(),
                              QStringLiteral("Der Text konnte nicht gespeichert werden.\n\n") +
                                  QString::fromStdString(e.what()) +
                                  QStringLiteral("\n\nDie Datei ist unverändert; Ihr Text steht weiter im "
                                                 "Editor."));
    };
    const std::string inhalt = editorinhalt();
    try {
        ablage_.schreiben(ziel, inhalt);
        return;
    } catch (const Zeichensatzfehler& e) {
        const auto antwort = QMessageBox::warning(
            fenster_, QApplication::applicationName(),
            QString::fromStdString(e.what()) +
                QStringLiteral("\n\nMöchten Sie den Text stattdessen als UTF-8-Datei speichern? Dann bleiben "
                               "alle Zeichen erhalten."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (antwort != QMessageBox::Yes) {
            return;
        }
    } catch (const Dateifehler& e) {
        fehlerMelden(e);
        return;
    }
    try {
        ablage_.schreiben(ziel, inhalt, true);
    } catch (const Dateifehler& e) {
        fehlerMelden(e);
    }
}

bool EigeneTexteEditor::textladen() {
    const QString pfad = dateiOeffnen(pfadname(ablage_.ordner()));
    const std::optional<EigenerText> text = gewaehltLesen(pfad);
    if (!text) {
        return false;
    }
    ablage_.vorschauGeladen(dateiname(pfad));
    zaehlung_->show();
    start_->show();
    speichern_->hide();
    speichern_->setDefault(false);
    rahmen_->setTitle(QStringLiteral("Vorschau Übungstext:"));
    editor_->setPlainText(QString::fromStdString(editortext(*text)));
    zaehlung_->setText(QString::fromStdString(vorschauBeschriftung(vorschauZaehlen(*text))));
    rahmen_->show();
    rahmen_->raise();
    editor_->setReadOnly(true);
    const bool uebbar = nichtUebbareZeichen(*text).empty();
    start_->setEnabled(uebbar);
    fett(start_, true);
    start_->setDefault(true);
    emit vorschauGezeigt();
    if (!uebbar) {
        nichtDarstellbarMelden(*text, true);
    }
    return true;
}

void EigeneTexteEditor::TextErstellen() {
    ablage_.neuerText();
    zaehlung_->hide();
    start_->hide();
    start_->setDefault(false);
    speichern_->setText(QStringLiteral("Text speichern"));
    speichern_->setEnabled(true);
    speichern_->show();
    rahmen_->setTitle(QStringLiteral("Eigenen Text erstellen:"));
    rahmen_->show();
    rahmen_->raise();
    editor_->setReadOnly(false);
    editor_->clear();
    editor_->setFocus();
}

bool EigeneTexteEditor::Textaendern() {
    ablage_.aendernBeginnen();
    zaehlung_->hide();
    start_->hide();
    start_->setDefault(false);
    speichern_->setText(QStringLiteral("Änderungen speichern"));
    // Nothing to save into until a text has been read.
    speichern_->setEnabled(false);
    speichern_->show();
    const QString pfad = dateiOeffnen(pfadname(ablage_.aendernOrdner()));
    rahmen_->setTitle(QStringLiteral("Bestehenden Text ändern:"));
    rahmen_->show();
    rahmen_->raise();
    editor_->setReadOnly(false);
    editor_->clear();
    const std::optional<EigenerText> text = gewaehltLesen(pfad);
    if (!text) {
        return false;
    }
    editor_->setPlainText(QString::fromStdString(editortext(*text)));
    ablage_.aendernGeladen(dateiname(pfad), *text);
    speichern_->setEnabled(true);
    editor_->setFocus();
    if (!text->nichtDarstellbar.empty()) {
        nichtDarstellbarMelden(*text, false);
    }
    return true;
}

void EigeneTexteEditor::textSpeichern() {
    if (ablage_.istNeuerText()) {
        const QString gewaehlt = dateiSpeichern(pfadname(ablage_.ordner()));
        if (gewaehlt.isEmpty()) {
            return;
        }
        const Textablage::Speicherziel ziel = ablage_.neuesZiel(dateiname(gewaehlt));
        if (ziel.ueberschreibenFragen) {
            const auto antwort = QMessageBox::warning(
                fenster_, QApplication::applicationName(),
                QStringLiteral(
                    "Warnung: Eine Datei mit diesem Namen besteht schon!\n\nMöchten Sie diese Datei "
                    "unwiderruflich überschreiben?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (antwort != QMessageBox::Yes) {
                return;
            }
        }
        schreiben(ziel);
        return;
    }
    const std::optional<Textablage::Speicherziel> ziel = ablage_.aenderungsziel();
    if (!ziel) {
        QMessageBox::information(fenster_, QApplication::applicationName(),
                                 QStringLiteral("Es ist kein Text zum Ändern geöffnet.\n\nBitte wählen Sie "
                                                "zuerst mit „Text ändern“ einen Text aus."));
        return;
    }
    schreiben(*ziel);
}

std::optional<EigeneTexteEditor::Uebungstext> EigeneTexteEditor::uebungstext() {
    const EigenerText text = textAusEditor(editorinhalt());
    std::optional<std::vector<std::string>> zeilen = uebungszeilen(text);
    if (!zeilen) {
        start_->setEnabled(false);
        nichtDarstellbarMelden(text, true);
        return std::nullopt;
    }
    return Uebungstext{std::move(*zeilen), pfadname(ablage_.textname())};
}

} // namespace tastwerk::ui
