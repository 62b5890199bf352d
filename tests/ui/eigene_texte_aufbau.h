// The own texts as the tests reach them: the screen opened by a signed-in learner, files put into and read
// from the folder "Texte", typing into the editor and the exercise.
#pragma once

#include "testhilfen.h"

#include "ui/eigene_texte_seite.h"
#include "ui/extras_seite.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

#include <fstream>
#include <iterator>
#include <string>

namespace tastwerk::test {

// A signed-in learner in the main window with the screen "Eigene Texte üben" opened from Extras; the
// file dialogs answer with the paths the test sets.
struct EigeneTexteAufbau {
    Testfenster t;
    ui::Hauptfenster& f;
    ui::EigeneTexteSeite* seite;
    QString oeffnen;   // the path the open dialog returns, empty: cancelled
    QString speichern; // the path the save dialog returns
    QString geoeffnetIn;

    EigeneTexteAufbau() : f(*t.fenster) {
        t.anmelden(QStringLiteral("anna")); // makes the folder "Texte"
        seite = f.eigeneTexte();
        seite->dateiOeffnen = [this](const QString& o) {
            geoeffnetIn = o;
            return oeffnen;
        };
        seite->dateiSpeichern = [this](const QString&) { return speichern; };
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(f.extras()->eigeneTexte(), Qt::LeftButton);
        QVERIFY(seite->menueRahmen()->isVisible());
    }

    Sitzung& sitzung() { return t.sitzung(); }
    std::string texte() const { return t.datei("Texte"); }
    QString pfad(const std::string& name) const { return QString::fromStdString(texte() + "/" + name); }
    void schreiben(const std::string& name, const std::string& bytes) const {
        std::ofstream(texte() + "/" + name, std::ios::binary) << bytes;
    }
    std::string lesen(const std::string& name) const {
        std::ifstream ein(texte() + "/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(ein), {});
    }
    void klicken(QWidget* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
    // "Text üben" with the file chosen in the open dialog.
    void laden(const std::string& name) {
        oeffnen = pfad(name);
        klicken(seite->textUebenKnopf());
        QVERIFY(seite->startKnopf()->isVisible());
    }
    // "Text ändern" with the file chosen in the open dialog.
    void aendern(const std::string& name) {
        oeffnen = pfad(name);
        klicken(seite->aendernKnopf());
        QCOMPARE(seite->geaenderteDatei(), oeffnen);
    }
    void starten() { klicken(seite->startKnopf()); }
    void speichernKlicken() { klicken(seite->speichernKnopf()); }
    // Types a UTF-8 text into the main window, as the learner does during the exercise.
    void tippen(const std::string& utf8) { test::tippen(&f, QString::fromStdString(utf8)); }
    void zeilenende() { tasteDruecken(&f, Qt::Key_Return, QStringLiteral("\r")); }
    // Types into the editor, a line break with Return.
    void schreibenImEditor(const QString& text) {
        QPlainTextEdit* editor = seite->editor();
        const QStringList zeilen = text.split(QLatin1Char('\n'));
        for (qsizetype k = 0; k < zeilen.size(); ++k) {
            if (k > 0) {
                QTest::keyClick(editor, Qt::Key_Return);
            }
            test::tippen(editor, zeilen[k]);
        }
    }
    void ansEnde() { QTest::keyClick(seite->editor(), Qt::Key_End, Qt::ControlModifier); }
    QString ersteZeile() const { return seite->uebungsfeld()->document()->firstBlock().text(); }
    QString markiert() const { return seite->uebungsfeld()->textCursor().selectedText(); }
};

} // namespace tastwerk::test
