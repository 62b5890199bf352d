// A learner without a mouse during an exercise: keys that are no keystrokes carry the commands. Escape
// pauses and continues, F2 to F5 show the keyboard, the settings, the error statistics and the main menu;
// while paused or in the settings, Tab walks through the exercise's buttons and Return or Space press them.
#include "testhilfen.h"

#include "platform/zeichensatz.h"
#include "ui/buchstaben_seite.h"
#include "ui/hinweis_seite.h"
#include "ui/statusleiste.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

enum class Stufe { Buchstaben, Wort };

} // namespace

Q_DECLARE_METATYPE(Stufe)

namespace {

// The learner has started the exercise and typed its first key; the main window is the active window,
// as when the learner types in it.
struct Uebender {
    Testfenster t;
    ui::Hauptfenster& f;
    explicit Uebender(Stufe stufe) : f(*t.fenster) {
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().wunschAnschlaege = 0;
        t.sitzung().uebungsstufe = stufe == Stufe::Wort ? 1 : 0;
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f)) {
            qWarning("the main window did not become active");
        }
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        if (stufe == Stufe::Buchstaben) {
            QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
        }
        tippen(&f, QStringLiteral("x")); // the key that starts the exercise
    }
    QPushButton* knopf(const QString& beschriftung) const {
        QWidget* rahmen = f.buchstaben()->rahmen()->isVisible()
                              ? static_cast<QWidget*>(f.buchstaben()->rahmen())
                              : f.wort()->rahmen();
        for (QPushButton* k : rahmen->findChildren<QPushButton*>()) {
            if (k->text() == beschriftung) {
                return k;
            }
        }
        return nullptr;
    }
    QString anschlaege() const { return f.statusleiste()->anschlaege()->text(); }
    // The character the exercise demands, typed.
    void tippenEinmal() {
        const Uebungslauf& lauf = f.steuerung()->lauf();
        const Zeichen z = lauf.art() == Uebungsart::Wortuebung ? lauf.wortuebung().anzeige().sollzeichen
                                                               : lauf.buchstabenuebung().anzeige().gefordert;
        if (z == ZeichenReturn) {
            tasteDruecken(&f, Qt::Key_Return, QStringLiteral("\r"));
        } else {
            tippen(&f, QString(QChar(static_cast<char16_t>(alsUnicode(z)))));
        }
    }
    // Tab until the focus is on the button; false when it never comes.
    bool tabBis(QPushButton* ziel) {
        for (int k = 0; k < 100 && QApplication::focusWidget() != ziel; ++k) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_Tab);
        }
        return QApplication::focusWidget() == ziel;
    }
};

} // namespace

class UebungstastenTest : public QObject {
    Q_OBJECT
private slots:
    void escapePausiertUndSetztFort_data() {
        QTest::addColumn<Stufe>("stufe");
        QTest::newRow("Buchstabenübung") << Stufe::Buchstaben;
        QTest::newRow("Wortübung") << Stufe::Wort;
    }
    void escapePausiertUndSetztFort() {
        QFETCH(Stufe, stufe);
        Uebender u(stufe);
        u.tippenEinmal();
        const QString vorher = u.anschlaege();
        QTest::keyClick(&u.f, Qt::Key_Escape);
        QVERIFY(u.f.steuerung()->pausiert());
        QVERIFY(u.f.statusleiste()->pausentext()->isVisible());
        QVERIFY(u.knopf(QStringLiteral("Pause beenden")));
        // Paused: typed keys do not count, and Escape itself was none.
        u.tippenEinmal();
        QCOMPARE(u.anschlaege(), vorher);
        QTest::keyClick(&u.f, Qt::Key_Escape);
        QVERIFY(!u.f.steuerung()->pausiert());
        QCOMPARE(u.anschlaege(), vorher);
        // Counting goes on (a key typed in the word exercise's pause has brought back its start prompt,
        // which the first key answers).
        u.tippenEinmal();
        u.tippenEinmal();
        QVERIFY(u.anschlaege() != vorher);
    }

    void funktionstastenOeffnenDieAnsichten_data() {
        QTest::addColumn<Stufe>("stufe");
        for (auto [name, stufe] :
             {std::pair{"Buchstabenübung", Stufe::Buchstaben}, {"Wortübung", Stufe::Wort}}) {
            QTest::newRow(name) << stufe;
        }
    }
    void funktionstastenOeffnenDieAnsichten() {
        QFETCH(Stufe, stufe);
        Uebender u(stufe);
        const ui::Seiten& s = u.f.seiten();
        const QString vorher = u.anschlaege();
        // F4: the error statistics in place of the keyboard; F2: the keyboard again.
        QTest::keyClick(&u.f, Qt::Key_F4);
        QVERIFY(s.fehlerstatistik->isVisible());
        QVERIFY(!s.tastatur->isVisible());
        QTest::keyClick(&u.f, Qt::Key_F2);
        QVERIFY(s.tastatur->isVisible());
        QVERIFY(!s.fehlerstatistik->isVisible());
        // F3 opens the settings and closes them again ("Weiter üben").
        QTest::keyClick(&u.f, Qt::Key_F3);
        QVERIFY(s.einstellungen->isVisible());
        QVERIFY(u.knopf(QStringLiteral("Weiter üben")));
        QTest::keyClick(&u.f, Qt::Key_F3);
        QVERIFY(!s.einstellungen->isVisible());
        QVERIFY(s.tastatur->isVisible());
        QCOMPARE(u.anschlaege(), vorher); // no function key was a keystroke
        // F5: back to the main menu; the exercise has ended.
        QTest::keyClick(&u.f, Qt::Key_F5);
        QVERIFY(s.hauptmenue->isVisible());
        QVERIFY(!s.buchstabenuebung->isVisible());
        QVERIFY(!s.wortuebung->isVisible());
        QVERIFY(!u.f.steuerung()->laeuft());
    }

    void dieTastenStehenInDenHinweisenDerKnoepfe_data() {
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("Pause") << QStringLiteral("Pause") << QStringLiteral("Pause (Esc)");
        QTest::newRow("Tastatur") << QStringLiteral("Tastatur") << QStringLiteral("Tastatur (F2)");
        QTest::newRow("Einstellungen")
            << QStringLiteral("Einstellungen") << QStringLiteral("Einstellungen (F3)");
        QTest::newRow("Fehlerstatistik")
            << QStringLiteral("Fehlerstatistik") << QStringLiteral("Fehlerstatistik (F4)");
        QTest::newRow("Hauptmenü") << QStringLiteral("Zurück zum Hauptmenü")
                                   << QStringLiteral("Zurück zum Hauptmenü (F5)");
    }
    void dieTastenStehenInDenHinweisenDerKnoepfe() {
        QFETCH(QString, beschriftung);
        QFETCH(QString, hinweis);
        for (Stufe stufe : {Stufe::Buchstaben, Stufe::Wort}) {
            Uebender u(stufe);
            QPushButton* k = u.knopf(beschriftung);
            QVERIFY(k);
            QCOMPARE(k->toolTip(), hinweis);
        }
    }

    void imHauptmenueTunDieFunktionstastenNichts() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5}) {
            QTest::keyClick(&f, taste);
        }
        QVERIFY(f.seiten().hauptmenue->isVisible());
        QVERIFY(f.seiten().tastatur->isVisible());
        QVERIFY(!f.seiten().fehlerstatistik->isVisible());
        QVERIFY(!f.seiten().einstellungen->isVisible());
        QVERIFY(!f.steuerung()->pausiert());
    }

    void inDerPauseFuehrtTabZumHauptmenueKnopfUndReturnDruecktIhn_data() {
        QTest::addColumn<Stufe>("stufe");
        QTest::newRow("Buchstabenübung") << Stufe::Buchstaben;
        QTest::newRow("Wortübung") << Stufe::Wort;
    }
    void inDerPauseFuehrtTabZumHauptmenueKnopfUndReturnDruecktIhn() {
        QFETCH(Stufe, stufe);
        Uebender u(stufe);
        QPushButton* zurueck = u.knopf(QStringLiteral("Zurück zum Hauptmenü"));
        QVERIFY(zurueck);
        // While typing, no button takes the focus.
        QVERIFY(!u.tabBis(zurueck));
        QTest::keyClick(&u.f, Qt::Key_Escape);
        QVERIFY(u.tabBis(zurueck));
        // The focus is shown: the window knows it came by keyboard.
        QVERIFY(zurueck->hasFocus());
        QVERIFY(u.f.testAttribute(Qt::WA_KeyboardFocusChange));
        QTest::keyClick(zurueck, Qt::Key_Return);
        QVERIFY(u.f.seiten().hauptmenue->isVisible());
        QVERIFY(!u.f.steuerung()->laeuft());
        QVERIFY(!u.f.steuerung()->pausiert());
    }

    void inDenEinstellungenDruecktDieLeertasteDenFokussiertenKnopf() {
        Uebender u(Stufe::Buchstaben);
        QTest::keyClick(&u.f, Qt::Key_F3);
        QPushButton* weiter = u.knopf(QStringLiteral("Weiter üben"));
        QVERIFY(weiter);
        QVERIFY(u.tabBis(weiter));
        QTest::keyClick(weiter, Qt::Key_Space);
        QVERIFY(!u.f.seiten().einstellungen->isVisible());
        QVERIFY(u.knopf(QStringLiteral("Einstellungen")));
        // Typing goes on.
        const QString vorher = u.anschlaege();
        u.tippenEinmal();
        QVERIFY(u.anschlaege() != vorher);
        QVERIFY(u.f.buchstaben()->rahmen()->isVisible());
    }
};

QTEST_MAIN(UebungstastenTest)
#include "uebungstasten_test.moc"
