// Helpers shared by the UI tests: typing with real key events, answering message boxes, a main window
// on a fresh folder with fakes for the clock, the sound and the disk.
#pragma once

#include "../core/fakes.h"
#include "ui/hauptfenster.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <QFont>

#include <functional>
#include <memory>
#include <optional>

namespace tastwerk::test {

// Types the text into the widget, one key press and release per character, with the character as the
// event's text (as a keyboard delivers umlauts).
void tippen(QWidget* ziel, const QString& text);
void tasteDruecken(QWidget* ziel, int taste, const QString& text = {});

// The button of the "Hauptmenü" screen with this caption.
QPushButton* hauptmenueKnopf(ui::Hauptfenster& fenster, const QString& beschriftung);

// Runs the action, which opens the font dialog, and answers the dialog with OK as it was preset. Returns
// the font the dialog showed, or nothing when no font dialog opened.
std::optional<QFont> schriftdialogMitOk(const std::function<void()>& oeffnen);

// Answers the next message box that opens within the time with the button; returns its text.
// Call before the action that opens the box.
class Meldungsantwort {
public:
    explicit Meldungsantwort(QMessageBox::StandardButton knopf, int hoechstensMs = 5000);
    ~Meldungsantwort();
    bool beantwortet() const { return *beantwortet_; }
    QString text() const { return *text_; }
    QString titel() const { return *titel_; }

private:
    std::shared_ptr<bool> beantwortet_ = std::make_shared<bool>(false);
    std::shared_ptr<QString> text_ = std::make_shared<QString>();
    std::shared_ptr<QString> titel_ = std::make_shared<QString>();
    class QTimer* timer_;
};

// Answers every message box that opens while it exists with its default or OK button, and remembers
// their titles and texts.
class Meldungsbeantworter {
public:
    Meldungsbeantworter();
    ~Meldungsbeantworter();
    const QStringList& titel() const { return *titel_; }
    const QStringList& texte() const { return *texte_; }

private:
    std::shared_ptr<QStringList> titel_ = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> texte_ = std::make_shared<QStringList>();
    class QTimer* timer_;
};

// A main window as the program makes it, on a fresh empty folder.
struct Testfenster {
    TempOrdner ordner;
    FesteUhr uhr;
    MerkKlang klang;
    FesterDatentraeger datentraeger;
    std::unique_ptr<ui::Hauptfenster> fenster;

    explicit Testfenster(QSize bildschirm = {800, 600}, double dpi = 96);
    void neuStarten(); // a new program run on the same folder
    Sitzung& sitzung() { return fenster->sitzung(); }
    std::string datei(const std::string& name) const { return ordner.datei(name); }
    // Types the name and Return into the name box.
    void anmelden(const QString& name);
    // "Datei" → "Beenden", answered with Yes: the session is saved and the window closes.
    void beenden();
    QSize bildschirm;
    double dpi; // the screen's pixels per inch
};

} // namespace tastwerk::test
