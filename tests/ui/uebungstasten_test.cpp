// A learner without a mouse during an exercise: keys that are no keystrokes carry the commands. Escape
// pauses and continues, F2 to F5 show the keyboard, the settings, the error statistics and the main menu,
// F6 starts an own text again; while paused or in the settings, Tab walks through the exercise's buttons
// and Return or Space press them.
#include "eigene_texte_aufbau.h"

#include "platform/zeichensatz.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/extras_seite.h"
#include "ui/hinweis_seite.h"
#include "ui/statusleiste.h"
#include "ui/uebungssteuerung.h"
#include "ui/wort_seite.h"

#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

enum class Stufe { Buchstaben, Wort, EigenerText };

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
        if (stufe == Stufe::EigenerText) {
            eigenenTextStarten();
            return;
        }
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        if (stufe == Stufe::Buchstaben) {
            QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
        }
        tippen(&f, QStringLiteral("x")); // the key that starts the exercise
    }
    // The text "zwei Zeilen" of two lines, from the Extras screen: "Text üben", then "Start".
    void eigenenTextStarten() {
        std::ofstream(t.datei("Texte") + "/zwei.TXT", std::ios::binary) << "abc def\r\nghi\r\n";
        ui::EigeneTexteSeite* e = f.eigeneTexte();
        e->dateiOeffnen = [this](const QString&) {
            return QString::fromStdString(t.datei("Texte") + "/zwei.TXT");
        };
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(f.extras()->eigeneTexte(), Qt::LeftButton);
        QTest::mouseClick(e->textUebenKnopf(), Qt::LeftButton);
        QTest::mouseClick(e->startKnopf(), Qt::LeftButton);
    }
    // The exercise's framed group on the screen.
    QWidget* rahmen() const {
        if (f.buchstaben()->rahmen()->isVisible()) {
            return f.buchstaben()->rahmen();
        }
        if (f.wort()->rahmen()->isVisible()) {
            return f.wort()->rahmen();
        }
        return f.eigeneTexte()->uebungRahmen();
    }
    QPushButton* knopf(const QString& beschriftung) const {
        for (QPushButton* k : rahmen()->findChildren<QPushButton*>()) {
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
        Zeichen z = 0;
        switch (lauf.art()) {
        case Uebungsart::Wortuebung:
            z = lauf.wortuebung().anzeige().sollzeichen;
            break;
        case Uebungsart::EigeneTexte:
            z = lauf.eigeneTexte()->anzeige().sollzeichen;
            break;
        default:
            z = lauf.buchstabenuebung().anzeige().gefordert;
        }
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
        QTest::newRow("Eigene Texte") << Stufe::EigenerText;
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
        QTest::addColumn<Stufe>("stufe");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QString>("hinweis");
        for (auto [name, stufe] :
             {std::pair{"Buchstabenübung", Stufe::Buchstaben}, {"Wortübung", Stufe::Wort}}) {
            const QByteArray n(name);
            QTest::newRow(n + ": Pause") << stufe << QStringLiteral("Pause") << QStringLiteral("Pause (Esc)");
            QTest::newRow(n + ": Tastatur")
                << stufe << QStringLiteral("Tastatur") << QStringLiteral("Tastatur (F2)");
            QTest::newRow(n + ": Einstellungen")
                << stufe << QStringLiteral("Einstellungen") << QStringLiteral("Einstellungen (F3)");
            QTest::newRow(n + ": Fehlerstatistik")
                << stufe << QStringLiteral("Fehlerstatistik") << QStringLiteral("Fehlerstatistik (F4)");
            QTest::newRow(n + ": Hauptmenü") << stufe << QStringLiteral("Zurück zum Hauptmenü")
                                             << QStringLiteral("Zurück zum Hauptmenü (F5)");
        }
        const Stufe e = Stufe::EigenerText;
        QTest::newRow("Eigene Texte: Pause") << e << QStringLiteral("Pause") << QStringLiteral("Pause (Esc)");
        QTest::newRow("Eigene Texte: Einstellungen")
            << e << QStringLiteral("Einstellungen") << QStringLiteral("Einstellungen (F3)");
        QTest::newRow("Eigene Texte: Hauptmenü")
            << e << QStringLiteral("Hauptmenü") << QStringLiteral("Zurück zum Hauptmenü (F5)");
        QTest::newRow("Eigene Texte: Neu anfangen")
            << e << QStringLiteral("Neu anfangen") << QStringLiteral("Neu anfangen (F6)");
    }
    void dieTastenStehenInDenHinweisenDerKnoepfe() {
        QFETCH(Stufe, stufe);
        QFETCH(QString, beschriftung);
        QFETCH(QString, hinweis);
        Uebender u(stufe);
        QPushButton* k = u.knopf(beschriftung);
        QVERIFY(k);
        QCOMPARE(k->toolTip(), hinweis);
    }

    void funktionstastenDerEigenenTexte() {
        Uebender u(Stufe::EigenerText);
        const ui::Seiten& s = u.f.seiten();
        ui::EigeneTexteSeite* e = u.f.eigeneTexte();
        tippen(&u.f, QStringLiteral("abc def"));
        tasteDruecken(&u.f, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(e->zeilenanzeige()->text(), QStringLiteral("Zeile 2 von 2"));
        const QString vorher = u.anschlaege();
        // The exercise has neither keyboard nor statistics keys: F2 and F4 do nothing.
        QTest::keyClick(&u.f, Qt::Key_F4);
        QTest::keyClick(&u.f, Qt::Key_F2);
        QVERIFY(s.tastatur->isVisible());
        QVERIFY(!s.fehlerstatistik->isVisible());
        // F3 opens the settings; meanwhile "Neu anfangen" waits, and so does its key.
        QTest::keyClick(&u.f, Qt::Key_F3);
        QVERIFY(s.einstellungen->isVisible());
        QVERIFY(u.knopf(QStringLiteral("Weiter üben")));
        QVERIFY(!e->neuAnfangenKnopf()->isEnabled());
        QTest::keyClick(&u.f, Qt::Key_F6);
        QCOMPARE(e->zeilenanzeige()->text(), QStringLiteral("Zeile 2 von 2"));
        QTest::keyClick(&u.f, Qt::Key_F3);
        QVERIFY(!s.einstellungen->isVisible());
        QVERIFY(s.tastatur->isVisible());
        QVERIFY(u.knopf(QStringLiteral("Einstellungen")));
        // Paused, F6 waits too.
        QTest::keyClick(&u.f, Qt::Key_Escape);
        QTest::keyClick(&u.f, Qt::Key_F6);
        QCOMPARE(e->zeilenanzeige()->text(), QStringLiteral("Zeile 2 von 2"));
        QTest::keyClick(&u.f, Qt::Key_Escape);
        QCOMPARE(u.anschlaege(), vorher); // no function key was a keystroke
        // F6: the text from its first line with zero counts.
        QTest::keyClick(&u.f, Qt::Key_F6);
        QCOMPARE(e->zeilenanzeige()->text(), QStringLiteral("Zeile 1 von 2"));
        QCOMPARE(e->uebungsfeld()->toPlainText(), QStringLiteral("abc def\nghi"));
        QCOMPARE(e->uebung()->anschlaege(), 0u);
        // F5: back to the main menu; the exercise has ended.
        QTest::keyClick(&u.f, Qt::Key_F5);
        QVERIFY(s.hauptmenue->isVisible());
        QVERIFY(!e->uebungRahmen()->isVisible());
        QVERIFY(!u.f.steuerung()->laeuft());
    }

    void imEditorDerEigenenTexteTunDieFunktionstastenNichts() {
        EigeneTexteAufbau a;
        a.klicken(a.seite->neuErstellenKnopf());
        a.schreibenImEditor(QStringLiteral("ab"));
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_F3, Qt::Key_F5, Qt::Key_F6}) {
            QTest::keyClick(a.seite->editor(), taste);
        }
        QVERIFY(a.seite->untenRahmen()->isVisible());
        QCOMPARE(a.seite->editor()->toPlainText(), QStringLiteral("ab"));
        QVERIFY(!a.f.seiten().einstellungen->isVisible());
        QVERIFY(!a.f.steuerung()->pausiert());
    }

    void imHauptmenueTunDieFunktionstastenNichts() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (Qt::Key taste : {Qt::Key_Escape, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6}) {
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
        QTest::addColumn<QString>("beschriftung");
        QTest::newRow("Buchstabenübung") << Stufe::Buchstaben << QStringLiteral("Zurück zum Hauptmenü");
        QTest::newRow("Wortübung") << Stufe::Wort << QStringLiteral("Zurück zum Hauptmenü");
        QTest::newRow("Eigene Texte") << Stufe::EigenerText << QStringLiteral("Hauptmenü");
    }
    void inDerPauseFuehrtTabZumHauptmenueKnopfUndReturnDruecktIhn() {
        QFETCH(Stufe, stufe);
        QFETCH(QString, beschriftung);
        Uebender u(stufe);
        QPushButton* zurueck = u.knopf(beschriftung);
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

    void inDenEinstellungenDruecktDieLeertasteDenFokussiertenKnopf_data() {
        QTest::addColumn<Stufe>("stufe");
        QTest::newRow("Buchstabenübung") << Stufe::Buchstaben;
        QTest::newRow("Eigene Texte") << Stufe::EigenerText;
    }
    void inDenEinstellungenDruecktDieLeertasteDenFokussiertenKnopf() {
        QFETCH(Stufe, stufe);
        Uebender u(stufe);
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
        QVERIFY(stufe == Stufe::Buchstaben ? u.f.buchstaben()->rahmen()->isVisible()
                                           : u.f.eigeneTexte()->uebungRahmen()->isVisible());
    }
};

QTEST_MAIN(UebungstastenTest)
#include "uebungstasten_test.moc"
