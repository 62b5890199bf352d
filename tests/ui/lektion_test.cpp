// A learner works through lessons as at the keyboard: start, introduction, letter exercise, word
// exercise, statistics, the next lesson; pause and the settings view on the way.
#include "testhilfen.h"

#include "platform/zeichensatz.h"
#include "ui/buchstaben_seite.h"
#include "ui/extras_seite.h"
#include "ui/fehlerraster.h"
#include "ui/hinweis_seite.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

void zeichenTippen(QWidget* fenster, Zeichen z) {
    if (z == ZeichenReturn) {
        tasteDruecken(fenster, Qt::Key_Return, QStringLiteral("\r"));
        return;
    }
    tippen(fenster, QString(QChar(static_cast<char16_t>(alsUnicode(z)))));
}

const QColor Rot(0xFF, 0x00, 0x00);

struct Lernender {
    Testfenster t;
    ui::Hauptfenster& f;
    ui::Uebungssteuerung& st;
    Lernender() : f(*t.fenster), st(*t.fenster->steuerung()) {
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().wunschAnschlaege = 0; // the fake clock stands still: every speed is 0
    }
    void lektionStarten() {
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        QVERIFY(f.hinweis()->rahmen()->isVisible());
        QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
    }
    Zeichen gefordert() { return st.lauf().buchstabenuebung().anzeige().gefordert; }
    Zeichen falsches(Zeichen richtig) { return richtig == 'a' ? 's' : 'a'; }
};

} // namespace

class LektionTest : public QObject {
    Q_OBJECT
private slots:
    void startZeigtDenHinweistextDerLektionUndDannDieBuchstabenuebung() {
        Lernender l;
        l.f.aktionen().start->trigger();
        ui::HinweisSeite* h = l.f.hinweis();
        QCOMPARE(h->rahmen()->title(), QStringLiteral("Hinweistext zu Lektion 1"));
        QCOMPARE(h->titel()->text(), QStringLiteral("Die Grundreihe a s d f  j k l ö"));
        QCOMPARE(h->zeilen()[0]->text(), QStringLiteral("a: linker kleiner Finger"));
        QCOMPARE(h->startknopf()->text(), QStringLiteral("&Start mit Lektion 1"));
        QVERIFY(h->tiprahmen()->isVisibleTo(h->rahmen()));
        QVERIFY(!l.f.aktionen().menueExtras->isEnabled());
        h->startknopf()->click();
        QVERIFY(!h->rahmen()->isVisible());
        QVERIFY(l.f.buchstaben()->rahmen()->isVisible());
        QCOMPARE(l.f.buchstaben()->rahmen()->title(), QStringLiteral(" Buchstabenübung Lektion 1 "));
        QCOMPARE(l.f.buchstaben()->feld()->text(), QStringLiteral("START"));
        QVERIFY(l.f.buchstaben()->aufforderung()->isVisible());
        QVERIFY(!l.f.buchstaben()->pauseKnopf()->isEnabled());
    }

    void tastenWerdenBeurteiltUndLeertasteKlicktKeinenKnopf() {
        Lernender l;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x'); // any key starts
        QVERIFY(l.f.statusleiste()->isVisible());
        QVERIFY(!l.f.buchstaben()->aufforderung()->isVisible());
        QVERIFY(l.f.buchstaben()->pauseKnopf()->isEnabled());
        // The space bar is a typed character, even with a focused button.
        l.f.buchstaben()->hauptmenueKnopf()->setFocus();
        const Zeichen z = l.gefordert();
        const QString gezeigt = l.f.buchstaben()->feld()->text();
        zeichenTippen(&l.f, z == ' ' ? 'a' : ' ');
        QVERIFY(l.f.buchstaben()->rahmen()->isVisible());
        QCOMPARE(l.f.statusleiste()->fehler()->text(), QStringLiteral("Fehler: 1"));
        // In correction mode the demanded letter stays until it is typed.
        QCOMPARE(l.f.buchstaben()->feld()->text(), gezeigt);
        QCOMPARE(l.gefordert(), z);
        // Delete is the internal start code and no keystroke.
        tasteDruecken(&l.f, Qt::Key_Delete, QString(QChar(127)));
        QCOMPARE(l.f.statusleiste()->fehler()->text(), QStringLiteral("Fehler: 1"));
        zeichenTippen(&l.f, z);
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 2"));
    }

    void tastenWaehrendDesFehlertonsWartenBisErVerklungenIst() {
        Lernender l;
        l.t.klang.synchronDauert = true;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        const Zeichen z = l.gefordert();
        zeichenTippen(&l.f, l.falsches(z));
        QCOMPARE(l.f.statusleiste()->fehler()->text(), QStringLiteral("Fehler: 1"));
        zeichenTippen(&l.f, z); // typed while the error sound plays
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 1"));
        l.t.uhr.monoton += 1000;
        QTest::qWait(300); // the timer goes on ticking meanwhile
        l.t.klang.beenden();
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 2"));
        QCOMPARE(l.f.statusleiste()->fehler()->text(), QStringLiteral("Fehler: 1"));
    }

    void pauseIgnoriertTastenUndZeigtDenPausentext() {
        Lernender l;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        l.f.buchstaben()->pauseKnopf()->click();
        QVERIFY(l.st.pausiert());
        QCOMPARE(l.f.statusleiste()->pauseAktion()->text(), QStringLiteral("Pause beenden"));
        QVERIFY(l.f.statusleiste()->pausentext()->isVisible());
        QCOMPARE(l.f.buchstaben()->pauseKnopf()->text(), QStringLiteral("Pause beenden"));
        QVERIFY(!l.f.buchstaben()->einstellungenKnopf()->isEnabled());
        zeichenTippen(&l.f, l.gefordert());
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 1"));
        l.f.buchstaben()->pauseKnopf()->click();
        QVERIFY(!l.st.pausiert());
        QCOMPARE(l.f.statusleiste()->pauseAktion()->text(), QStringLiteral("Pause!"));
        QCOMPARE(l.f.buchstaben()->pauseKnopf()->text(), QStringLiteral("Pause"));
        zeichenTippen(&l.f, l.gefordert());
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 2"));
    }

    void fuenfMinutenPauseSenkenDasTempoNicht() {
        Lernender l;
        l.t.sitzung().wunschAnschlaege = 40;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        for (int k = 0; k < 59; ++k) {
            l.t.uhr.monoton += 1000;
            zeichenTippen(&l.f, l.gefordert());
        }
        l.t.uhr.monoton += 1000; // 60 keystrokes in 60 seconds
        QTRY_COMPARE(l.f.statusleiste()->tempo()->text(), QStringLiteral("Anschläge pro Minute: 60  "));
        QVERIFY(l.f.statusleiste()->tempo()->palette().color(QPalette::WindowText) != Rot);
        QTest::mouseClick(l.f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        l.t.uhr.monoton += 5 * 60 * 1000;
        QTest::qWait(300); // the timer ticks during the pause
        QTest::mouseClick(l.f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        QVERIFY(!l.st.pausiert());
        l.t.uhr.monoton += 1000; // one more keystroke in one more second after the pause
        zeichenTippen(&l.f, l.gefordert());
        QTRY_COMPARE(l.f.statusleiste()->tempo()->text(), QStringLiteral("Anschläge pro Minute: 60  "));
    }

    void vorDemErstenAnschlagZeigtDieStatusleisteKeinTempo() {
        Lernender l;
        l.t.sitzung().wunschAnschlaege = 400;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        QLabel* tempo = l.f.statusleiste()->tempo();
        for (int k = 0; k < 10; ++k) {
            l.t.uhr.monoton += 1000;
            zeichenTippen(&l.f, l.gefordert());
        }
        QTRY_COMPARE(tempo->text(), QStringLiteral("Anschläge pro Minute: 60  "));
        QCOMPARE(tempo->palette().color(QPalette::WindowText), Rot);
        QTest::mouseClick(l.f.buchstaben()->hauptmenueKnopf(), Qt::LeftButton);

        // Extras, "Lektion direkt anwählen": one step on is lesson 1 in word stage; then its popup "start".
        QTest::mouseClick(hauptmenueKnopf(l.f, QStringLiteral("E&xtras")), Qt::LeftButton);
        QSlider* regler = l.f.extras()->direktRegler();
        QTest::mouseClick(regler, Qt::LeftButton, {}, QPoint(regler->width() - 2, regler->height() / 2));
        QTest::keyClick(regler, Qt::Key_Home);
        QTest::keyClick(regler, Qt::Key_Right);
        QCOMPARE(l.f.extras()->direktFeld()->text(), QStringLiteral("1 W"));
        l.f.extras()->direktPopup()->actions().value(0)->trigger();
        QVERIFY(l.f.wort()->rahmen()->isVisible());
        QVERIFY(l.f.statusleiste()->isVisible());
        QCOMPARE(tempo->text(), QString());
        QTest::qWait(600); // the timer shows nothing either
        QCOMPARE(tempo->text(), QString());

        // The first keystroke begins the exercise; then the timer shows its speed.
        zeichenTippen(&l.f, 'x');
        l.t.uhr.monoton += 1000;
        QTRY_VERIFY(tempo->text().startsWith(QStringLiteral("Anschläge pro Minute: ")));
    }

    void einstellungenWaehrendDerUebungHaltenDieZeitAn() {
        Lernender l;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        l.f.buchstaben()->einstellungenKnopf()->click();
        QVERIFY(!l.f.buchstaben()->pauseKnopf()->isEnabled());
        QCOMPARE(l.f.buchstaben()->einstellungenKnopf()->text(), QStringLiteral("Weiter üben"));
        QVERIFY(l.f.seiten().einstellungen->isVisible());
        QVERIFY(!l.f.seiten().tastatur->isVisible());
        zeichenTippen(&l.f, l.gefordert()); // typing is ignored meanwhile
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 1"));
        l.f.buchstaben()->einstellungenKnopf()->click();
        QVERIFY(l.f.buchstaben()->pauseKnopf()->isEnabled());
        zeichenTippen(&l.f, l.gefordert()); // and counted again afterwards
        QCOMPARE(l.f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 2"));
        QVERIFY(l.f.seiten().tastatur->isVisible());
        QVERIFY(!l.f.seiten().einstellungen->isVisible());
    }

    void dieGanzeLektionEinsBisZurLektionZwei() {
        Lernender l;
        Meldungsbeantworter meldungen;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        int tasten = 0;
        while (l.t.sitzung().uebungsstufe == 0 && tasten < 500) {
            zeichenTippen(&l.f, l.gefordert());
            ++tasten;
        }
        QCOMPARE(meldungen.titel().value(0), QStringLiteral("Sehr gute Leistung!"));
        QVERIFY(l.f.wort()->rahmen()->isVisible());
        QVERIFY(!l.f.buchstaben()->rahmen()->isVisible());
        QCOMPARE(l.f.wort()->rahmen()->title(), QStringLiteral("Wortübung Lektion 1"));
        // The key that passed the letter exercise answered the word exercise's start prompt.
        QVERIFY(l.st.laeuft());
        QVERIFY(l.f.wort()->pauseKnopf()->isEnabled());

        // The statistics panel in place of the keyboard, then back.
        l.f.wort()->statistikKnopf()->click();
        QVERIFY(l.f.statistik()->rahmen()->isVisible());
        QVERIFY(!l.f.seiten().tastatur->isVisible());
        QCOMPARE(l.f.statistik()->rahmen()->title(), QStringLiteral("Fehlerstatistik Lektion 1"));
        l.f.wort()->tastaturKnopf()->click();
        QVERIFY(l.f.seiten().tastatur->isVisible());

        // One wrong key, then type what is asked until the lesson is passed.
        const Zeichen erstes = l.st.lauf().wortuebung().anzeige().sollzeichen;
        zeichenTippen(&l.f, l.falsches(erstes));
        tasten = 0;
        while (l.t.sitzung().lektionNr == 1 && tasten < 2000) {
            zeichenTippen(&l.f, l.st.lauf().wortuebung().anzeige().sollzeichen);
            ++tasten;
        }
        QCOMPARE(l.t.sitzung().lektionNr, 2);
        QVERIFY(tasten >= 334);
        QCOMPARE(meldungen.titel().value(1), QStringLiteral("Gratulation!"));
        QVERIFY(
            meldungen.texte().value(1).startsWith(QStringLiteral("Super!\n\nSie haben nur einen Fehler")));
        QVERIFY(meldungen.texte().value(2).startsWith(QStringLiteral("Hier können Sie sich noch eimal")));
        // Lesson 1's rates are recorded; lesson 2 starts with its introduction.
        QVERIFY(l.t.sitzung().fehlerquoten[0][0] != KeinWert);
        QCOMPARE(l.t.sitzung().fehlerquoten[0][1], KeinWert);
        QCOMPARE((&l.f.seitenbau().raster())->zelle(2, 1), QStringLiteral("-------"));
        QCOMPARE(l.t.sitzung().uebungsstufe, 0);
        QVERIFY(l.f.hinweis()->rahmen()->isVisible());
        QCOMPARE(l.f.hinweis()->rahmen()->title(), QStringLiteral("Hinweistext zu Lektion 2"));
        // Nothing of lesson 1 stays: no statistics panel, no pressed key; the keyboard waits hidden behind
        // the introduction and comes back with the start.
        QVERIFY(!l.f.statistik()->rahmen()->isVisible());
        QVERIFY(!l.f.seiten().tastatur->isVisible());
        for (int reihe = 1; reihe <= 5; ++reihe) {
            for (int pos = 1; l.f.tastatur()->taste(reihe, pos); ++pos) {
                QVERIFY(!l.f.tastatur()->taste(reihe, pos)->gedrueckt());
            }
        }
        l.f.hinweis()->startknopf()->click();
        QVERIFY(l.f.seiten().tastatur->isVisible());
        QVERIFY(!l.f.statistik()->rahmen()->isVisible());
    }

    void zurueckZumHauptmenueBeendetDieUebung() {
        Lernender l;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        QTest::mouseClick(l.f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        QTest::mouseClick(l.f.buchstaben()->hauptmenueKnopf(), Qt::LeftButton);
        QVERIFY(!l.st.laeuft());
        QVERIFY(!l.st.pausiert());
        QVERIFY(l.f.seiten().hauptmenue->isVisible());
        QVERIFY(!l.f.buchstaben()->rahmen()->isVisible());
        QVERIFY(!l.f.statusleiste()->isVisible());
        QVERIFY(l.f.aktionen().menueExtras->isEnabled());
        QTRY_COMPARE(l.f.aktionen().start->text(), QStringLiteral("Start Lektion 1 (Buchstabenübung)"));
        QCOMPARE(l.f.aktionen().startLektion->text(), QStringLiteral("&Start Lektion 1 (Buchstabenübung)"));
    }

    void wiederholungKehrtZurEigenenLektionZurueck() {
        Lernender l;
        l.t.sitzung().lektionNr = 3;
        l.t.sitzung().fingerzaehler[0] = {40, 2};
        QTest::mouseClick(hauptmenueKnopf(l.f, QStringLiteral("E&xtras")), Qt::LeftButton);
        ui::ExtrasSeite* e = l.f.extras();
        QTRY_COMPARE(e->direktFeld()->text(), QStringLiteral("3 B"));
        e->wiederholungsRegler()->setValue(9);
        QCOMPARE(e->wiederholungsRegler()->value(), 5); // at most the current position
        e->wiederholungsRegler()->setValue(4);
        QCOMPARE(e->wiederholungsFeld()->text(), QStringLiteral("2 W"));
        e->startWiederholung()->click();
        QVERIFY(l.t.sitzung().wiederholungAktiv);
        QVERIFY(l.f.wort()->rahmen()->isVisible()); // a word stage opens without introduction
        QCOMPARE(l.f.wort()->rahmen()->title(), QStringLiteral("WiederholungWortübung Lektion 2"));
        l.f.wort()->hauptmenueKnopf()->click();
        QVERIFY(!l.t.sitzung().wiederholungAktiv);
        QCOMPARE(l.t.sitzung().lektionNr, 3);
        QCOMPARE(l.t.sitzung().uebungsstufe, 0);
        QCOMPARE(l.t.sitzung().fingerzaehler[0], (Fingerpaar{40, 2}));
    }

    void tastaturMarkiertDenGefordertenBuchstaben() {
        Lernender l;
        l.lektionStarten();
        zeichenTippen(&l.f, 'x');
        QVERIFY(l.f.seiten().tastatur->isVisible());
        QVERIFY(l.f.statusleiste()->isVisible());
        // Several letters in turn: each time exactly the keys of the demanded letter are pressed.
        for (int runde = 0; runde < 8; ++runde) {
            const Zeichen z = l.gefordert();
            QStringList gedrueckt;
            for (int reihe = 1; reihe <= 5; ++reihe) {
                for (int pos = 1; ui::TastenFeld* t = l.f.tastatur()->taste(reihe, pos); ++pos) {
                    if (t->gedrueckt()) {
                        gedrueckt << t->beschriftung().toLower();
                    }
                }
            }
            QVERIFY2(!gedrueckt.isEmpty(), "no key is marked");
            if (z != ' ') {
                const QString zeichen = QString(QChar(static_cast<char16_t>(alsUnicode(z)))).toLower();
                QVERIFY2(
                    gedrueckt.filter(zeichen).size() == 1,
                    qPrintable(QStringLiteral("%1 marked, %2 demanded").arg(gedrueckt.join(','), zeichen)));
            } else {
                QCOMPARE(gedrueckt.size(), 1);
            }
            zeichenTippen(&l.f, z);
        }
    }
};

QTEST_MAIN(LektionTest)
#include "lektion_test.moc"
