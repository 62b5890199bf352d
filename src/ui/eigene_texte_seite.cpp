#include "ui/eigene_texte_seite.h"
#include "ui/leinwand.h"

#include "ui/schriften.h"
#include "ui/texteditor.h"

#include "platform/datei.h"
#include "platform/zeichensatz.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace tastwerk::ui {

namespace {

const QString Dateifilter = QStringLiteral("Text Dateien (*.TXT)");
constexpr std::size_t GenannteZeichen = 10;
constexpr std::size_t SchriftnameLaenge = 31;

void fett(QPushButton* knopf, bool ja) {
    // Only the weight: the size follows the screens.
    QFont f;
    f.setBold(ja);
    knopf->setFont(f);
}

std::string dateiname(const QString& pfad) {
    return std::string(QFile::encodeName(pfad).constData());
}

QString zeichenliste(const std::vector<std::string>& zeichen) {
    QString liste;
    for (std::size_t k = 0; k < zeichen.size() && k < GenannteZeichen; ++k) {
        liste +=
            (k == 0 ? QString() : QStringLiteral(", ")) + QString::fromStdString(zeichenBenennen(zeichen[k]));
    }
    if (zeichen.size() > GenannteZeichen) {
        liste += QStringLiteral(" und weitere");
    }
    return liste;
}

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

EigeneTexteSeite::EigeneTexteSeite(QGroupBox* menue, QGroupBox* unten, QGroupBox* uebung, Sitzung& sitzung,
                                   Klang& klang, const Masse& m, QWidget* fenster)
    : QObject(menue), sitzung_(sitzung), klang_(klang), masse_(m), fenster_(fenster), menue_(menue),
      unten_(unten), uebungRahmen_(uebung) {
    menueAnlegen(m);
    untenAnlegen(m);
    uebungAnlegen(m);
    schriftAnwenden();

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

EigeneTexteSeite::~EigeneTexteSeite() = default;

void EigeneTexteSeite::menueAnlegen(const Masse& m) {
    menue_->setGeometry(m.r(166, 2, 626, 58));
    textUeben_ = new QPushButton(QStringLiteral("Text üben"), menue_);
    neuErstellen_ = new QPushButton(QStringLiteral("Text neu erstellen"), menue_);
    aendern_ = new QPushButton(QStringLiteral("Text ändern"), menue_);
    hauptmenue_ = new QPushButton(QStringLiteral("Hauptmenü"), menue_);
    double x = 8;
    for (QPushButton* k : {textUeben_, neuErstellen_, aendern_, hauptmenue_}) {
        k->setGeometry(m.r(x, 20, 146, 30));
        x += 152;
    }
    connect(textUeben_, &QPushButton::clicked, this, [this] { textladen(); });
    connect(neuErstellen_, &QPushButton::clicked, this, &EigeneTexteSeite::TextErstellen);
    connect(aendern_, &QPushButton::clicked, this, [this] { Textaendern(); });
}

void EigeneTexteSeite::untenAnlegen(const Masse& m) {
    const int oben = m.s(66);
    unten_->setGeometry(unten_->x(), oben, unten_->width(), std::max(m.s(160), m.h(0.62) - oben));
    const int breite = unten_->width();
    const int hoehe = unten_->height();
    editor_ = new Texteditor(unten_);
    editor_->setGeometry(m.s(12), m.s(22), breite - m.s(24), hoehe - m.s(22) - m.s(48));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setAccessibleName(QStringLiteral("Text"));
    const int zeile = hoehe - m.s(40);
    zaehlung_ = new QLabel(unten_);
    zaehlung_->setGeometry(m.s(12), zeile, m.s(220), m.s(30));
    zaehlung_->setTextFormat(Qt::PlainText);
    start_ = new QPushButton(QStringLiteral("Start"), unten_);
    start_->setGeometry(m.s(240), zeile, m.s(130), m.s(30));
    speichern_ = new QPushButton(QStringLiteral("Text speichern"), unten_);
    speichern_->setGeometry(m.s(240), zeile, m.s(190), m.s(30));
    schrift_ = new QPushButton(QStringLiteral("Schriftgröße ändern"), unten_);
    schrift_->setGeometry(breite - m.s(12) - m.s(180), zeile, m.s(180), m.s(30));
    schrift_->setToolTip(QStringLiteral("Schriftart und Schriftgröße der eigenen Texte ändern"));
    connect(start_, &QPushButton::clicked, this, &EigeneTexteSeite::uebungStarten);
    connect(speichern_, &QPushButton::clicked, this, &EigeneTexteSeite::textSpeichern);
    connect(schrift_, &QPushButton::clicked, this, &EigeneTexteSeite::schriftAendern);
}

void EigeneTexteSeite::uebungAnlegen(const Masse& m) {
    const int oben = m.h(0.01);
    // The exercise ends above the on-screen keyboard at 5/13 of the screen height.
    const int hoehe = std::max(m.s(150), m.h(5, 13) - oben - m.s(4));
    uebungRahmen_->setGeometry(uebungRahmen_->x(), oben, uebungRahmen_->width(), hoehe);
    const int breite = uebungRahmen_->width();
    const int bild = m.s(44);

    feld_ = new Uebungsfeld(uebungRahmen_);
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
    connect(feld_, &Uebungsfeld::angeklickt, this, &EigeneTexteSeite::feldAngeklickt);

    returnHinweis_ = new QLabel(uebungRahmen_);
    returnHinweis_->setGeometry(feld_->geometry().right() + m.s(8), m.s(22), bild, bild);
    // Drawn large and shown at the label's size, so that it stays sharp at every scale.
    returnHinweis_->setPixmap(returnBild(bild * 4));
    returnHinweis_->setScaledContents(true);
    returnHinweis_->setToolTip(QString::fromUtf8(ReturnHinweis));
    returnHinweis_->setAccessibleName(QString::fromUtf8(ReturnHinweis));
    returnHinweis_->hide();

    zeilenanzeige_ = new QLabel(uebungRahmen_);
    zeilenanzeige_->setGeometry(m.s(12), feld_->geometry().bottom() + m.s(6), m.s(300), m.s(22));
    zeilenanzeige_->setTextFormat(Qt::PlainText);

    neuAnfangen_ = new QPushButton(QStringLiteral("Neu anfangen"), uebungRahmen_);
    einstellungen_ = new QPushButton(QStringLiteral("Einstellungen"), uebungRahmen_);
    pause_ = new QPushButton(QStringLiteral("Pause"), uebungRahmen_);
    uebungHauptmenue_ = new QPushButton(QStringLiteral("Hauptmenü"), uebungRahmen_);
    int x = m.s(12);
    for (QPushButton* k : {neuAnfangen_, einstellungen_, pause_, uebungHauptmenue_}) {
        k->setGeometry(x, hoehe - m.s(38), m.s(150), m.s(30));
        k->setFocusPolicy(Qt::NoFocus);
        x += m.s(158);
    }
    connect(neuAnfangen_, &QPushButton::clicked, this, &EigeneTexteSeite::neuAnfangen);
}

void EigeneTexteSeite::schriftAnwenden() {
    // Shown in proportion to the screens, whatever the screen size it was chosen on.
    QFont schrift = gespeicherteSchriftart(sitzung_.schriftarten[2],
                                           masse_.punkte(sitzung_.schriftgroessen[2]), sitzung_.schriftstil3);
    schrift.setPointSizeF(masse_.gespeichertePunkte(sitzung_.schriftgroessen[2]));
    schriftSetzen(editor_, schrift);
    schriftSetzen(feld_, schrift);
}

void EigeneTexteSeite::schriftAendern() {
    // The stored font at the stored size, as the dialog knows it; the editor shows it scaled.
    const QFont bisher = gespeicherteSchriftart(
        sitzung_.schriftarten[2], masse_.punkte(sitzung_.schriftgroessen[2]), sitzung_.schriftstil3);
    const std::optional<QFont> neu = schriftWaehlen(dialogVorgabe(bisher));
    if (!neu) {
        return;
    }
    // A name the user record cannot hold keeps the old font name.
    if (const auto name = utf8ZuCp1252(zuSpeichernderName(*neu, bisher).toStdString());
        name && !name->empty()) {
        sitzung_.schriftarten[2] = name->substr(0, SchriftnameLaenge);
    }
    if (neu->pointSizeF() > 0) {
        // Stored for 96 dpi, so that this screen shows the chosen size again.
        const double gespeichert = std::ceil(neu->pointSizeF() * masse_.dpi / 96.0 - 1e-9);
        sitzung_.schriftgroessen[2] = static_cast<std::uint8_t>(std::clamp(gespeichert, 1.0, 255.0));
    }
    sitzung_.schriftstil3 = static_cast<std::uint8_t>((neu->bold() ? 1 : 0) + (neu->italic() ? 2 : 0));
    schriftAnwenden();
}

QString EigeneTexteSeite::texteOrdner() const {
    const QString ordner = QString::fromStdString(sitzung_.programmordner) + QStringLiteral("/Texte");
    // Without the folder the dialogs open in their default folder.
    return QFileInfo(ordner).isDir() ? ordner : QString();
}

void EigeneTexteSeite::ordnerMerken(const QString& pfad) {
    letzterOrdner_ = QFileInfo(pfad).absolutePath();
}

std::optional<EigenerText> EigeneTexteSeite::lesen(const QString& pfad) {
    try {
        return textdateiLesen(dateiname(pfad));
    } catch (const Dateifehler& e) {
        QMessageBox::critical(fenster_, QApplication::applicationName(),
                              QStringLiteral("Der Text konnte nicht gelesen werden.\n\n") +
                                  QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

void EigeneTexteSeite::nichtDarstellbarMelden(const EigenerText& text, bool zumUeben) {
    QString meldung =
        zumUeben
            ? QStringLiteral("Dieser Text enthält Zeichen, die beim Üben nicht getippt werden können: ") +
                  zeichenliste(nichtUebbareZeichen(text))
            : QStringLiteral("Dieser Text enthält Zeichen, die beim Üben nicht verglichen werden können: ") +
                  zeichenliste(text.nichtDarstellbar);
    meldung += QStringLiteral(".\n\n");
    meldung += zumUeben ? QStringLiteral("Sie können den Text ansehen, aber nicht üben. Ersetzen Sie diese "
                                         "Zeichen mit „Text ändern“, um ihn zu üben.")
                        : QStringLiteral("Sie können den Text ändern und speichern; üben lässt er sich erst, "
                                         "wenn diese Zeichen ersetzt sind.");
    QMessageBox::information(fenster_, QApplication::applicationName(), meldung);
}

EigenerText EigeneTexteSeite::editorinhalt(Textkodierung kodierung, bool bom) const {
    // The raw text keeps every character as it is (no-break spaces too); blocks are separated by U+2029.
    QString roh = editor_->document()->toRawText();
    roh.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return textAusEditor(roh.toStdString(), kodierung, bom);
}

std::optional<Textkodierung> EigeneTexteSeite::schreiben(const QString& pfad, Textkodierung kodierung,
                                                         bool bom) {
    EigenerText text = editorinhalt(kodierung, bom);
    auto fehlerMelden = [this](const Dateifehler& e) {
        QMessageBox::critical(fenster_, QApplication::applicationName(),
                              QStringLiteral("Der Text konnte nicht gespeichert werden.\n\n") +
                                  QString::fromStdString(e.what()) +
                                  QStringLiteral("\n\nDie Datei ist unverändert; Ihr Text steht weiter im "
                                                 "Editor."));
    };
    try {
        textdateiSchreiben(dateiname(pfad), text);
        return kodierung;
    } catch (const Zeichensatzfehler& e) {
        const auto antwort = QMessageBox::warning(
            fenster_, QApplication::applicationName(),
            QString::fromStdString(e.what()) +
                QStringLiteral("\n\nMöchten Sie den Text stattdessen als UTF-8-Datei speichern? Dann bleiben "
                               "alle Zeichen erhalten."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (antwort != QMessageBox::Yes) {
            return std::nullopt;
        }
    } catch (const Dateifehler& e) {
        fehlerMelden(e);
        return std::nullopt;
    }
    text.kodierung = Textkodierung::Utf8;
    text.bom = false;
    try {
        textdateiSchreiben(dateiname(pfad), text);
        return Textkodierung::Utf8;
    } catch (const Dateifehler& e) {
        fehlerMelden(e);
        return std::nullopt;
    }
}

void EigeneTexteSeite::MenueEigeneTexte() {
    fett(textUeben_, true);
    menue_->show();
    menue_->raise();
    emit angezeigt();
}

bool EigeneTexteSeite::textladen() {
    const QString pfad = dateiOeffnen(texteOrdner());
    if (pfad.isEmpty()) {
        return false;
    }
    ordnerMerken(pfad);
    const std::optional<EigenerText> text = lesen(pfad);
    if (!text) {
        return false;
    }
    geaenderteDatei_.clear();
    vorschaudatei_ = QFileInfo(pfad).fileName();
    zaehlung_->show();
    start_->show();
    speichern_->hide();
    speichern_->setDefault(false);
    unten_->setTitle(QStringLiteral("Vorschau Übungstext:"));
    editor_->setPlainText(QString::fromStdString(editortext(*text)));
    zaehlung_->setText(QString::fromStdString(vorschauBeschriftung(vorschauZaehlen(*text))));
    unten_->show();
    unten_->raise();
    editor_->setReadOnly(true);
    const bool uebbar = nichtUebbareZeichen(*text).empty();
    start_->setEnabled(uebbar);
    fett(start_, true);
    start_->setDefault(true);
    fett(textUeben_, false);
    emit vorschauGezeigt();
    if (!uebbar) {
        nichtDarstellbarMelden(*text, true);
    }
    return true;
}

void EigeneTexteSeite::TextErstellen() {
    geaenderteDatei_.clear();
    vorschaudatei_.clear();
    zaehlung_->hide();
    start_->hide();
    start_->setDefault(false);
    speichern_->setText(QStringLiteral("Text speichern"));
    neuerText_ = true;
    speichern_->setEnabled(true);
    speichern_->show();
    unten_->setTitle(QStringLiteral("Eigenen Text erstellen:"));
    unten_->show();
    unten_->raise();
    editor_->setReadOnly(false);
    editor_->clear();
    editor_->setFocus();
}

bool EigeneTexteSeite::Textaendern() {
    geaenderteDatei_.clear();
    zaehlung_->hide();
    start_->hide();
    start_->setDefault(false);
    speichern_->setText(QStringLiteral("Änderungen speichern"));
    neuerText_ = false;
    // Nothing to save into until a text has been read.
    speichern_->setEnabled(false);
    speichern_->show();
    const QString pfad = dateiOeffnen(letzterOrdner_.isEmpty() ? texteOrdner() : letzterOrdner_);
    unten_->setTitle(QStringLiteral("Bestehenden Text ändern:"));
    unten_->show();
    unten_->raise();
    editor_->setReadOnly(false);
    editor_->clear();
    if (pfad.isEmpty()) {
        return false;
    }
    ordnerMerken(pfad);
    const std::optional<EigenerText> text = lesen(pfad);
    if (!text) {
        return false;
    }
    editor_->setPlainText(QString::fromStdString(editortext(*text)));
    geaenderteDatei_ = pfad;
    vorschaudatei_ = QFileInfo(pfad).fileName();
    geaenderteKodierung_ = text->kodierung;
    geaenderteBom_ = text->bom;
    speichern_->setEnabled(true);
    editor_->setFocus();
    if (!text->nichtDarstellbar.empty()) {
        nichtDarstellbarMelden(*text, false);
    }
    return true;
}

void EigeneTexteSeite::textSpeichern() {
    if (neuerText_) {
        QString pfad = dateiSpeichern(texteOrdner());
        if (pfad.isEmpty()) {
            return;
        }
        if (QFileInfo(pfad).suffix().isEmpty()) {
            pfad += pfad.endsWith(QLatin1Char('.')) ? QStringLiteral("TXT") : QStringLiteral(".TXT");
        }
        if (dateiExistiert(dateiname(pfad))) {
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
        schreiben(pfad, Textkodierung::Windows1252, false);
        return;
    }
    if (geaenderteDatei_.isEmpty()) {
        QMessageBox::information(fenster_, QApplication::applicationName(),
                                 QStringLiteral("Es ist kein Text zum Ändern geöffnet.\n\nBitte wählen Sie "
                                                "zuerst mit „Text ändern“ einen Text aus."));
        return;
    }
    if (const auto geschrieben = schreiben(geaenderteDatei_, geaenderteKodierung_, geaenderteBom_)) {
        geaenderteKodierung_ = *geschrieben;
    }
}

void EigeneTexteSeite::MenueTextladen() {
    fett(textUeben_, false);
    if (textladen()) {
        menue_->show();
        menue_->raise();
        emit angezeigt();
    }
}

void EigeneTexteSeite::MenueTextErstellen() {
    menue_->show();
    menue_->raise();
    emit angezeigt();
    TextErstellen();
}

void EigeneTexteSeite::MenueTextaendern() {
    if (Textaendern()) {
        MenueEigeneTexte();
    } else if (!menue_->isVisible()) {
        // Called from the main menu and cancelled: the main menu stays as it was.
        unten_->hide();
    }
}

void EigeneTexteSeite::uebungStarten() {
    const EigenerText text = editorinhalt(Textkodierung::Windows1252, false);
    std::optional<std::vector<std::string>> zeilen = zeilenInWindows1252(text);
    if (!zeilen || !nichtUebbareZeichen(text).empty()) {
        start_->setEnabled(false);
        nichtDarstellbarMelden(text, true);
        return;
    }
    uebungstext_.clear();
    for (std::size_t k = 0; k < zeilen->size(); ++k) {
        if (k > 0) {
            uebungstext_ += QLatin1Char('\n');
        }
        uebungstext_ += QString::fromStdString(cp1252ZuUtf8((*zeilen)[k]));
    }
    uebung_ = std::make_unique<EigeneTexteUebung>(std::move(*zeilen), sitzung_, klang_);
    uebungsdatei_ = vorschaudatei_;
    menue_->hide();
    unten_->hide();
    feld_->setEnabled(true);
    feld_->setPlainText(uebungstext_);
    returnHinweis_->hide();
    for (QPushButton* k : {neuAnfangen_, einstellungen_, pause_, uebungHauptmenue_}) {
        k->setEnabled(true);
    }
    uebungRahmen_->show();
    uebungRahmen_->raise();
    zeilenanzeige_->setText(QStringLiteral("Zeile 1 von %1").arg(uebung_->textzeilen()));
    emit uebungGestartet();
    taste(ZeichenStartaufforderung);
}

void EigeneTexteSeite::neuAnfangen() {
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

void EigeneTexteSeite::taste(Zeichen k) {
    if (!uebung_) {
        return;
    }
    anzeigen(uebung_->taste(k));
}

void EigeneTexteSeite::anzeigen(const EigeneTexteAnzeige& a) {
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

void EigeneTexteSeite::ersteZeileEntfernen() {
    QTextCursor c(feld_->document());
    c.movePosition(QTextCursor::Start);
    if (!c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor)) {
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
    feld_->horizontalScrollBar()->setValue(0);
}

void EigeneTexteSeite::markieren(std::size_t stelle) {
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
}

void EigeneTexteSeite::feldAngeklickt() {
    if (!uebung_ || uebung_->textendeErreicht()) {
        return;
    }
    emit pauseVerlangt();
    markieren(uebung_->anzeige().markierung);
}

} // namespace tastwerk::ui
