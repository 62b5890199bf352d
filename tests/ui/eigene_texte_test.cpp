// The own texts as a learner keeps them: a text chosen and previewed, written and saved, changed and
// saved back, its characters checked, its font chosen. The exercise on it is in eigene_texte_uebung_test.
#include "eigene_texte_aufbau.h"

#include "platform/zeichensatz.h"
#include "ui/leinwand.h"
#include "ui/seiten.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

using Aufbau = EigeneTexteAufbau;

} // namespace

class EigeneTexteTest : public QObject {
    Q_OBJECT
private slots:
    void vorschauZaehltJedeZeileMitHoechstens120Zeichen() {
        Aufbau a;
        a.schreiben("lang.TXT", std::string(200, 'x') + "\r\nabc\r\n");
        QSignalSpy vorschau(a.seite, &ui::EigeneTexteSeite::vorschauGezeigt);
        a.laden("lang.TXT");
        QCOMPARE(a.geoeffnetIn, QString::fromStdString(a.texte()));
        QCOMPARE(a.seite->zaehlung()->text(), QStringLiteral("Zeilen: 2   Zeichen: 123"));
        QCOMPARE(a.seite->untenRahmen()->title(), QStringLiteral("Vorschau Übungstext:"));
        QVERIFY(a.seite->untenRahmen()->isVisible());
        QVERIFY(a.seite->editor()->isReadOnly());
        QVERIFY(a.seite->startKnopf()->isVisible());
        QVERIFY(a.seite->startKnopf()->isEnabled());
        QVERIFY(a.seite->startKnopf()->font().bold());
        QVERIFY(!a.seite->textUebenKnopf()->font().bold());
        QVERIFY(!a.seite->speichernKnopf()->isVisible());
        QCOMPARE(a.seite->editor()->toPlainText(),
                 QString(200, QLatin1Char('x')) + QStringLiteral("\nabc\n"));
        QCOMPARE(vorschau.count(), 1);

        // A cancelled choice leaves the preview as it is.
        a.oeffnen.clear();
        a.klicken(a.seite->textUebenKnopf());
        QCOMPARE(a.seite->zaehlung()->text(), QStringLiteral("Zeilen: 2   Zeichen: 123"));
        QVERIFY(a.seite->startKnopf()->isVisible());
    }

    void leereDateiZeigtEineZeileOhneZeichen() {
        Aufbau a;
        a.schreiben("leer.TXT", "");
        a.laden("leer.TXT");
        QCOMPARE(a.seite->zaehlung()->text(), QStringLiteral("Zeilen: 1   Zeichen: 0"));
    }

    void neuerTextUeberschreibtEineBestehendeDateiNurNachJa() {
        Aufbau a;
        a.schreiben("brief.TXT", "alt\r\n");
        a.klicken(a.seite->neuErstellenKnopf());
        QCOMPARE(a.seite->untenRahmen()->title(), QStringLiteral("Eigenen Text erstellen:"));
        QCOMPARE(a.seite->speichernKnopf()->text(), QStringLiteral("Text speichern"));
        QVERIFY(!a.seite->editor()->isReadOnly());
        QVERIFY(!a.seite->startKnopf()->isVisible());
        a.schreibenImEditor(QStringLiteral("Maße\nneu"));
        a.speichern = a.pfad("brief.TXT");
        {
            Meldungsantwort nein(QMessageBox::No);
            a.seite->speichernKnopf()->click();
            QVERIFY(nein.beantwortet());
            QCOMPARE(nein.text(), QStringLiteral("Warnung: Eine Datei mit diesem Namen besteht schon!\n\n"
                                                 "Möchten Sie diese Datei unwiderruflich überschreiben?"));
        }
        QCOMPARE(a.lesen("brief.TXT"), std::string("alt\r\n"));
        {
            Meldungsantwort ja(QMessageBox::Yes);
            a.seite->speichernKnopf()->click();
            QVERIFY(ja.beantwortet());
        }
        QCOMPARE(a.lesen("brief.TXT"), std::string("Ma\xDF"
                                                   "e\r\nneu"));
        // A name without extension gets ".TXT"; a new file is written without a question.
        a.speichern = a.pfad("zweiter");
        Meldungsbeantworter keine;
        a.seite->speichernKnopf()->click();
        QVERIFY(keine.texte().isEmpty());
        QCOMPARE(a.lesen("zweiter.TXT"), std::string("Ma\xDF"
                                                     "e\r\nneu"));
    }

    void aenderungenSpeichernUeberschreibtOhneFrage() {
        Aufbau a;
        a.schreiben("text.TXT", "eins\r\nzwei\r\n");
        a.aendern("text.TXT");
        QCOMPARE(a.seite->untenRahmen()->title(), QStringLiteral("Bestehenden Text ändern:"));
        QCOMPARE(a.seite->speichernKnopf()->text(), QStringLiteral("Änderungen speichern"));
        QVERIFY(a.seite->speichernKnopf()->isEnabled());
        QCOMPARE(a.seite->editor()->toPlainText(), QStringLiteral("eins\nzwei\n"));
        a.ansEnde();
        a.schreibenImEditor(QStringLiteral("drei"));
        Meldungsbeantworter keine;
        a.seite->speichernKnopf()->click();
        QVERIFY(keine.texte().isEmpty());
        QCOMPARE(a.lesen("text.TXT"), std::string("eins\r\nzwei\r\ndrei"));
    }

    void nachAbgebrochenemAendernWirdDieLetzteDateiNichtUeberschrieben() {
        Aufbau a;
        a.schreiben("text.TXT", "eins\r\n");
        a.aendern("text.TXT");
        a.oeffnen.clear();
        a.klicken(a.seite->aendernKnopf());
        QVERIFY(a.seite->editor()->toPlainText().isEmpty());
        QVERIFY(!a.seite->editor()->isReadOnly());
        QVERIFY(a.seite->geaenderteDatei().isEmpty());
        QVERIFY(!a.seite->speichernKnopf()->isEnabled());
        a.schreibenImEditor(QStringLiteral("etwas anderes"));
        a.speichernKlicken(); // the button is grey: nothing happens
        QCOMPARE(a.lesen("text.TXT"), std::string("eins\r\n"));

        // Nor after "Text üben".
        a.aendern("text.TXT");
        a.laden("text.TXT");
        QVERIFY(a.seite->geaenderteDatei().isEmpty());
    }

    void abgebrochenesAendernAusDemHauptmenueLaesstDasHauptmenue() {
        Aufbau a;
        a.klicken(a.seite->hauptmenueKnopf());
        QVERIFY(a.f.seiten().hauptmenue->isVisible());
        a.oeffnen.clear();
        a.f.aktionen().textAendern->trigger();
        QVERIFY(!a.seite->untenRahmen()->isVisible());
        QVERIFY(!a.seite->menueRahmen()->isVisible());
        a.schreiben("text.TXT", "eins");
        a.oeffnen = a.pfad("text.TXT");
        a.f.aktionen().textAendern->trigger();
        QVERIFY(a.seite->menueRahmen()->isVisible());
        QVERIFY(a.seite->untenRahmen()->isVisible());
    }

    void utf8TextMitUmlautenWirdGeuebtUndUnveraendertGespeichert() {
        Aufbau a;
        // With a no-break space, which the editor must not turn into a blank.
        const std::string inhalt = "Gr\xC3\xBC\xC3\x9F"
                                   "e\xC2\xA0"
                                   "a\r\n\xC3\x84rger\r\n";
        a.schreiben("umlaute.TXT", inhalt);
        a.laden("umlaute.TXT");
        QCOMPARE(a.seite->zaehlung()->text(), QStringLiteral("Zeilen: 2   Zeichen: 12"));
        QVERIFY(a.seite->startKnopf()->isEnabled());

        QSignalSpy gestartet(a.seite, &ui::EigeneTexteSeite::uebungGestartet);
        QSignalSpy anzeigen(a.seite, &ui::EigeneTexteSeite::anzeigeGeaendert);
        QSignalSpy beginn(a.seite, &ui::EigeneTexteSeite::uebungsbeginn);
        a.starten();
        QCOMPARE(gestartet.count(), 1);
        QCOMPARE(anzeigen.count(), 1);
        QVERIFY(a.seite->uebungRahmen()->isVisible());
        QVERIFY(!a.seite->menueRahmen()->isVisible());
        QVERIFY(!a.seite->untenRahmen()->isVisible());
        QCOMPARE(a.seite->zeilenanzeige()->text(), QStringLiteral("Zeile 1 von 2"));
        QCOMPARE(a.ersteZeile(), QString::fromUtf8("Grüße\u00A0a"));
        QCOMPARE(a.markiert(), QStringLiteral("G"));

        a.tippen("Gr\xC3\xBC");
        QCOMPARE(beginn.count(), 1);
        QCOMPARE(a.markiert(), QString::fromUtf8("ß"));
        a.tippen("\xC3\x9F"
                 "e\xC2\xA0"
                 "a");
        QVERIFY(a.seite->returnHinweis()->isVisible());
        QCOMPARE(a.seite->returnHinweis()->toolTip(), QStringLiteral("Bitte drücken Sie <RETURN>."));
        QCOMPARE(a.seite->uebung()->anzeige().sollzeichen, ZeichenReturn);
        a.zeilenende();
        QVERIFY(!a.seite->returnHinweis()->isVisible());
        QCOMPARE(a.ersteZeile(), QString::fromUtf8("Ärger"));
        QCOMPARE(a.seite->zeilenanzeige()->text(), QStringLiteral("Zeile 2 von 2"));
        QCOMPARE(a.markiert(), QString::fromUtf8("Ä"));
        QCOMPARE(a.seite->uebung()->fehlerzaehler(), 0u);

        // Changed and saved without a change, the file comes back byte for byte.
        a.klicken(a.seite->uebungHauptmenueKnopf());
        a.klicken(hauptmenueKnopf(a.f, QStringLiteral("E&xtras")));
        a.klicken(a.f.extras()->eigeneTexte());
        a.aendern("umlaute.TXT");
        a.speichernKlicken();
        QCOMPARE(a.lesen("umlaute.TXT"), inhalt);
    }

    void zeichenOhneWindows1252KoennenGeaendertAberNichtGeuebtWerden() {
        Aufbau a;
        const std::string inhalt = "Smiley \xE2\x98\xBA und \xE2\x82\xAC\r\n";
        a.schreiben("smiley.TXT", inhalt);
        a.oeffnen = a.pfad("smiley.TXT");
        {
            Meldungsantwort ok(QMessageBox::Ok);
            a.klicken(a.seite->textUebenKnopf());
            QVERIFY(ok.beantwortet());
            QVERIFY(ok.text().contains(QString::fromUtf8("\"☺\"")));
            QVERIFY(!ok.text().contains(QString::fromUtf8("€")));
        }
        QVERIFY(!a.seite->startKnopf()->isEnabled());
        {
            Meldungsantwort ok(QMessageBox::Ok);
            a.klicken(a.seite->aendernKnopf());
            QVERIFY(ok.beantwortet());
        }
        // A UTF-8 file keeps them.
        a.ansEnde();
        a.schreibenImEditor(QString::fromUtf8("♥"));
        a.speichernKlicken();
        QCOMPARE(a.lesen("smiley.TXT"), inhalt + "\xE2\x99\xA5");
    }

    void nichtTippbareZeichenWerdenBeimLadenGenanntUndStartBleibtAus_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("genannt"); // empty: the text can be practised
        QTest::newRow("Löschzeichen")
            << QByteArray("Ende\x7F\r\n") << QStringLiteral("U+007F (Löschzeichen)");
        QTest::newRow("Löschzeichen in UTF-8")
            << QByteArray("Gr\xC3\xBC\xC3\x9F\x7F\r\n") << QStringLiteral("U+007F (Löschzeichen)");
        QTest::newRow("Escape") << QByteArray("a\x1B"
                                              "b\r\n")
                                << QStringLiteral("U+001B (Escape)");
        QTest::newRow("Tabulator") << QByteArray("Name:\tAnna\r\n") << QString();
    }

    void nichtTippbareZeichenWerdenBeimLadenGenanntUndStartBleibtAus() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, genannt);
        Aufbau a;
        a.schreiben("text.TXT", inhalt.toStdString());
        a.oeffnen = a.pfad("text.TXT");
        Meldungsantwort ok(QMessageBox::Ok, genannt.isEmpty() ? 300 : 5000);
        QTest::mouseClick(a.seite->textUebenKnopf(), Qt::LeftButton);
        QTest::qWait(genannt.isEmpty() ? 350 : 0);
        QCOMPARE(ok.beantwortet(), !genannt.isEmpty());
        if (!genannt.isEmpty()) {
            QVERIFY2(ok.text().contains(genannt), qPrintable(ok.text()));
        }
        QVERIFY(a.seite->startKnopf()->isVisible());
        QCOMPARE(a.seite->startKnopf()->isEnabled(), genannt.isEmpty());
    }

    void windows1252DateiWirdMitFremdenZeichenNurAufWunschAlsUtf8Gespeichert() {
        Aufbau a;
        a.schreiben("alt.TXT", "Ma\xDF"
                               "e\r\n");
        a.aendern("alt.TXT");
        a.ansEnde();
        a.schreibenImEditor(QString::fromUtf8("☺"));
        {
            Meldungsantwort nein(QMessageBox::No);
            a.speichernKlicken();
            QVERIFY(nein.beantwortet());
            QVERIFY(nein.text().contains(QString::fromUtf8("\"☺\"")));
            QVERIFY(nein.text().contains(QStringLiteral("UTF-8")));
        }
        QCOMPARE(a.lesen("alt.TXT"), std::string("Ma\xDF"
                                                 "e\r\n"));
        {
            Meldungsantwort ja(QMessageBox::Yes);
            a.speichernKlicken();
            QVERIFY(ja.beantwortet());
        }
        QCOMPARE(a.lesen("alt.TXT"), std::string("Ma\xC3\x9F"
                                                 "e\r\n\xE2\x98\xBA"));
        // From now on the file is UTF-8: saving again asks nothing.
        Meldungsbeantworter keine;
        a.speichernKlicken();
        QVERIFY(keine.texte().isEmpty());
    }

    void leseUndSchreibfehlerWerdenGemeldetUndVerlierenNichts() {
        Aufbau a;
        a.schreiben("text.TXT", "eins");
        a.laden("text.TXT");
        a.oeffnen = a.pfad("verschwunden.TXT");
        {
            Meldungsantwort ok(QMessageBox::Ok);
            a.klicken(a.seite->textUebenKnopf());
            QVERIFY(ok.beantwortet());
            QVERIFY(ok.text().startsWith(QStringLiteral("Der Text konnte nicht gelesen werden.")));
        }
        QCOMPARE(a.seite->editor()->toPlainText(), QStringLiteral("eins"));

        a.klicken(a.seite->neuErstellenKnopf());
        a.schreibenImEditor(QStringLiteral("mein Text"));
        a.speichern = a.pfad("fehlt/neu.TXT");
        {
            Meldungsantwort ok(QMessageBox::Ok);
            a.speichernKlicken();
            QVERIFY(ok.beantwortet());
            QVERIFY(ok.text().startsWith(QStringLiteral("Der Text konnte nicht gespeichert werden.")));
        }
        QCOMPARE(a.seite->editor()->toPlainText(), QStringLiteral("mein Text"));
        QVERIFY(!std::filesystem::exists(a.texte() + "/fehlt"));
    }

    void umschaltReturnMachtEinenGewoehnlichenZeilenumbruch_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("zusatz");
        QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Strg+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Enter") << int(Qt::Key_Enter) << int(Qt::ShiftModifier | Qt::KeypadModifier);
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    }

    void umschaltReturnMachtEinenGewoehnlichenZeilenumbruch() {
        QFETCH(int, taste);
        QFETCH(int, zusatz);
        Aufbau a;
        QTest::mouseClick(a.seite->neuErstellenKnopf(), Qt::LeftButton);
        QPlainTextEdit* editor = a.seite->editor();
        QTest::keyClicks(editor, QStringLiteral("ab"));
        QTest::keyClick(editor, Qt::Key(taste), Qt::KeyboardModifiers(zusatz));
        QTest::keyClicks(editor, QStringLiteral("cd"));
        QCOMPARE(editor->document()->blockCount(), 2);
        QVERIFY(!editor->document()->toRawText().contains(QChar::LineSeparator));
        a.speichern = a.pfad("zwei.TXT");
        Meldungsbeantworter meldungen;
        QTest::mouseClick(a.seite->speichernKnopf(), Qt::LeftButton);
        QVERIFY(meldungen.texte().isEmpty());
        QCOMPARE(a.lesen("zwei.TXT"), std::string("ab\r\ncd"));
    }

    void zeichenOhneTextWerdenAbgewiesenUndGenannt_data() {
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<QString>("name");
        QTest::newRow("Zeilentrenner") << QString(QChar(0x2028)) << QStringLiteral("U+2028 (Zeilentrenner)");
        QTest::newRow("Absatztrenner") << QString(QChar(0x2029)) << QStringLiteral("U+2029 (Absatztrenner)");
        QTest::newRow("C1-Steuerzeichen") << QString(QChar(0x85)) << QStringLiteral("U+0085 (Steuerzeichen)");
    }

    void zeichenOhneTextWerdenAbgewiesenUndGenannt() {
        QFETCH(QString, zeichen);
        QFETCH(QString, name);
        Aufbau a;
        QTest::mouseClick(a.seite->neuErstellenKnopf(), Qt::LeftButton);
        QPlainTextEdit* editor = a.seite->editor();
        QTest::keyClicks(editor, QStringLiteral("ab"));
        {
            // Typed, as a keyboard or an input method delivers it.
            Meldungsantwort ok(QMessageBox::Ok);
            tasteDruecken(editor, 0, zeichen);
            QVERIFY(ok.beantwortet());
            QVERIFY2(ok.text().contains(name), qPrintable(ok.text()));
        }
        QCOMPARE(editor->document()->toRawText(), QStringLiteral("ab"));
        {
            // Pasted amid text with a tab, a form feed and line breaks of both kinds.
            QGuiApplication::clipboard()->setText(QStringLiteral("x") + zeichen +
                                                  QStringLiteral("y\tz\fw\r\nv\nu"));
            Meldungsantwort ok(QMessageBox::Ok);
            QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(ok.beantwortet());
            QVERIFY2(ok.text().contains(name), qPrintable(ok.text()));
            QVERIFY2(ok.text().contains(QStringLiteral("U+000C (Seitenvorschub)")), qPrintable(ok.text()));
        }
        QCOMPARE(editor->toPlainText(), QStringLiteral("abxy\tzw\nv\nu"));
        QCOMPARE(editor->document()->blockCount(), 3);
    }

    void schriftdialogZeigtDieGespeicherteSchrift() {
        Aufbau a;
        // The learner's record holds Courier New, 16 point, bold.
        a.sitzung().schriftarten[2] = "Courier New";
        a.sitzung().schriftgroessen[2] = 16;
        a.sitzung().schriftstil3 = 1;
        a.t.beenden();
        a.t.neuStarten();
        a.t.anmelden(QStringLiteral("anna"));
        a.seite = a.t.fenster->eigeneTexte();
        QTest::mouseClick(hauptmenueKnopf(*a.t.fenster, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(a.t.fenster->extras()->eigeneTexte(), Qt::LeftButton);
        a.klicken(a.seite->neuErstellenKnopf());
        const std::optional<QFont> gezeigt =
            schriftdialogMitOk([&] { QTest::mouseClick(a.seite->schriftKnopf(), Qt::LeftButton); });
        QVERIFY(gezeigt);
        QCOMPARE(gezeigt->family(), QFontInfo(QFont(QStringLiteral("Courier New"))).family());
        QCOMPARE(gezeigt->pointSize(), 16);
        QVERIFY(gezeigt->bold());
        QVERIFY(!gezeigt->italic());
        // OK without a change keeps the learner's font.
        QCOMPARE(a.sitzung().schriftarten[2], std::string("Courier New"));
        QCOMPARE(int(a.sitzung().schriftgroessen[2]), 16);
        QCOMPARE(int(a.sitzung().schriftstil3), 1);
    }

    void schriftAendernSetztSchriftDerEigenenTexte() {
        Aufbau a;
        a.seite->schriftWaehlen = [](const QFont&) -> std::optional<QFont> {
            QFont f(QStringLiteral("DejaVu Sans"), 20);
            f.setItalic(true);
            return f;
        };
        a.klicken(a.seite->neuErstellenKnopf());
        a.klicken(a.seite->schriftKnopf());
        QCOMPARE(a.sitzung().schriftarten[2], std::string("DejaVu Sans"));
        QCOMPARE(int(a.sitzung().schriftgroessen[2]), 20);
        QCOMPARE(int(a.sitzung().schriftstil3), 2);
        // Shown at the screens' scale.
        QVERIFY(std::abs(a.seite->editor()->font().pointSizeF() - 20 * ui::massstab(a.seite->editor())) <
                0.01);
        QVERIFY(a.seite->uebungsfeld()->font().italic());
        QVERIFY(!a.seite->uebungsfeld()->font().bold());
    }
};

QTEST_MAIN(EigeneTexteTest)
#include "eigene_texte_test.moc"
