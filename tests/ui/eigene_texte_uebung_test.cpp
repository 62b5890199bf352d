// The exercise on an own text: practised line by line to its end, started again, paused by a click into
// the practice box.
#include "eigene_texte_aufbau.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {
using Aufbau = EigeneTexteAufbau;
} // namespace

class EigeneTexteUebungTest : public QObject {
    Q_OBJECT
private slots:
    void einzeiligerTextEndetNachReturnMitDerMeldungTextende() {
        Aufbau a;
        a.schreiben("kurz.TXT", "ab");
        a.laden("kurz.TXT");
        a.starten();
        QCOMPARE(a.seite->zeilenanzeige()->text(), QStringLiteral("Zeile 1 von 1"));
        // A screen reader hears the demanded character and its place in the line.
        QCOMPARE(a.seite->uebungsfeld()->accessibleName(), QStringLiteral("Übungstext, Stelle 1 von 3: a"));
        a.tippen("ab");
        QVERIFY(a.seite->returnHinweis()->isVisible());
        QCOMPARE(a.seite->uebungsfeld()->accessibleName(),
                 QStringLiteral("Übungstext, Stelle 3 von 3: Return"));
        // At the line end only Return moves on.
        a.tippen("x");
        QCOMPARE(a.seite->uebung()->fehlerzaehler(), 1u);
        QVERIFY(!a.seite->uebung()->textendeErreicht());
        QSignalSpy ende(a.seite, &ui::EigeneTexteSeite::textendeErreicht);
        Meldungsantwort ok(QMessageBox::Ok);
        a.zeilenende();
        QVERIFY(ok.beantwortet());
        QCOMPARE(ok.titel(), QStringLiteral("Textende"));
        QCOMPARE(ok.text(), QStringLiteral("\nSie haben das Textende erreicht!\n"));
        QCOMPARE(ende.count(), 1);
        QCOMPARE(a.seite->uebungsfeld()->toPlainText(), QStringLiteral("Sie haben das Textende erreicht!"));
        // The name says what is shown, no longer the Return demanded before.
        QCOMPARE(QAccessible::queryAccessibleInterface(a.seite->uebungsfeld())->text(QAccessible::Name),
                 QStringLiteral("Übungstext: Sie haben das Textende erreicht!"));
        QVERIFY(!a.seite->returnHinweis()->isVisible());
        // Further keys change nothing.
        a.tippen("a");
        QCOMPARE(a.seite->uebungsfeld()->toPlainText(), QStringLiteral("Sie haben das Textende erreicht!"));
    }

    void eineZeileMit300ZeichenWirdBisZuIhremEndeGezeigt() {
        Aufbau a;
        std::string zeile;
        for (int k = 0; k < 300; ++k) {
            zeile += char('a' + k % 26);
        }
        a.schreiben("lang.TXT", zeile + "\r\n");
        a.laden("lang.TXT");
        QCOMPARE(a.seite->zaehlung()->text(), QStringLiteral("Zeilen: 1   Zeichen: 120"));
        a.starten();
        a.tippen(zeile.substr(0, 299));
        QCOMPARE(a.markiert(), QString(QLatin1Char(zeile[299])));
        QCOMPARE(a.seite->uebung()->textposition(), 300u);
        // The box has scrolled along to the mark.
        QVERIFY(a.seite->uebungsfeld()->horizontalScrollBar()->value() > 0);
        a.tippen(zeile.substr(299));
        QVERIFY(a.seite->returnHinweis()->isVisible());
        Meldungsantwort ok(QMessageBox::Ok);
        a.zeilenende();
        QVERIFY(ok.beantwortet());
        QCOMPARE(a.seite->uebung()->anschlaege(), 301u);
        QCOMPARE(a.seite->uebung()->fehlerzaehler(), 0u);
    }

    void neuAnfangenInDerMitteBeginntBeiZeileEins() {
        Aufbau a;
        a.schreiben("drei.TXT", "eins\r\nzwei\r\ndrei\r\n");
        a.laden("drei.TXT");
        a.starten();
        QCOMPARE(a.seite->zeilenanzeige()->text(), QStringLiteral("Zeile 1 von 3"));
        a.tippen("eins");
        a.zeilenende();
        a.tippen("zx");
        QCOMPARE(a.ersteZeile(), QStringLiteral("zwei"));
        QCOMPARE(a.seite->uebung()->fehlerzaehler(), 1u);

        QSignalSpy neu(a.seite, &ui::EigeneTexteSeite::neuBegonnen);
        a.klicken(a.seite->neuAnfangenKnopf());
        QCOMPARE(neu.count(), 1);
        QCOMPARE(a.seite->zeilenanzeige()->text(), QStringLiteral("Zeile 1 von 3"));
        QCOMPARE(a.seite->uebungsfeld()->toPlainText(), QStringLiteral("eins\nzwei\ndrei"));
        QCOMPARE(a.markiert(), QStringLiteral("e"));
        QCOMPARE(a.seite->uebung()->anschlaege(), 0u);
        QCOMPARE(a.seite->uebung()->fehlerzaehler(), 0u);
        QCOMPARE(a.seite->uebung()->textzeile(), 0u);
    }

    void klickInsUebungsfeldVerlangtEinePauseUndLaesstDieMarke() {
        Aufbau a;
        a.schreiben("text.TXT", "abc");
        a.laden("text.TXT");
        a.starten();
        a.tippen("a");
        QSignalSpy pause(a.seite, &ui::EigeneTexteSeite::pauseVerlangt);
        QTest::mouseClick(a.seite->uebungsfeld()->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(pause.count(), 1);
        QCOMPARE(a.markiert(), QStringLiteral("b"));
    }
};

QTEST_MAIN(EigeneTexteUebungTest)
#include "eigene_texte_uebung_test.moc"
