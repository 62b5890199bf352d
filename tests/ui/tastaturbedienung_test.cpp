// A learner or teacher without a mouse: the menu bar by its Alt keys and F10, the colour buttons of the
// settings reached with Tab and pressed with the space bar, and the user table walked with the arrow
// keys, a user chosen with Return and deleted with the access word; key events only.
#include "testhilfen.h"

#include "session/benutzerdatei.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"

#include <QColorDialog>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

struct Angemeldet {
    Testfenster t;
    ui::Hauptfenster& f;
    explicit Angemeldet(bool mitKlasse = false) : f(*t.fenster) {
        if (mitKlasse) {
            Benutzerdatei datei{t.ordner.pfad()};
            for (const char* name : {"ANNA", "BERND", "CARL"}) {
                datei.anmelden(name, [&] { return neuerBenutzer(name, Datum{1997, 3, 7, 2}, 800); });
            }
        }
        t.anmelden(QStringLiteral("anna"));
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
    }
    void taste(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyClick(ziel, static_cast<Qt::Key>(k), m);
    }
    // Tab until the widget has the focus; false when a whole round of the window did not reach it.
    bool tabBis(QWidget* w) {
        for (int k = 0; k < 200 && !w->hasFocus(); ++k) {
            taste(Qt::Key_Tab);
        }
        return w->hasFocus();
    }
};

} // namespace

class TastaturbedienungTest : public QObject {
    Q_OBJECT
private slots:
    void menueleisteMitAltTasten_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("seite");
        QTest::newRow("Alt+I Die Tastatur") << int(Qt::Key_I) << QStringLiteral("Die Tastatur");
        QTest::newRow("Alt+N Einstellungen") << int(Qt::Key_N) << QStringLiteral("Einstellungen");
        QTest::newRow("Alt+U Benutzerdaten") << int(Qt::Key_U) << QStringLiteral("Benutzer- und Systemdaten");
        QTest::newRow("Alt+R Extras") << int(Qt::Key_R) << QStringLiteral("Extras");
    }
    void menueleisteMitAltTasten() {
        QFETCH(int, taste);
        QFETCH(QString, seite);
        Angemeldet a;
        const ui::Seiten& s = a.f.seiten();
        a.taste(taste, Qt::AltModifier);
        QGroupBox* gezeigt = nullptr;
        for (QGroupBox* g : {s.tastatur, s.einstellungen, s.benutzerdaten, s.extras}) {
            if (g->isVisible() && g->title() == seite) {
                gezeigt = g;
            }
        }
        QVERIFY2(gezeigt, qPrintable(seite));
    }

    void menuetitelBleibenWieSieWaren() {
        Angemeldet a;
        QStringList titel;
        QString buchstaben;
        for (QAction* t : a.f.menuBar()->actions()) {
            QVERIFY2(t->text().count(QLatin1Char('&')) == 1, qPrintable(t->text()));
            titel << QString(t->text()).remove(QLatin1Char('&'));
            const QChar b = t->text().at(t->text().indexOf(QLatin1Char('&')) + 1).toUpper();
            // Not a letter of the main menu's buttons, which show beside the menu bar.
            QVERIFY2(!QStringLiteral("STEBX").contains(b) && !buchstaben.contains(b), qPrintable(t->text()));
            buchstaben += b;
        }
        QCOMPARE(titel, (QStringList{QStringLiteral("Datei"), QStringLiteral("Start"),
                                     QStringLiteral("Die Tastatur"), QStringLiteral("Einstellungen"),
                                     QStringLiteral("Benutzerdaten"), QStringLiteral("Extras"),
                                     QStringLiteral("Hilfe")}));
    }

    void f10OeffnetDieMenueleisteUndDiePfeileGehenWeiter() {
        Angemeldet a;
        const ui::Aktionen& ak = a.f.aktionen();
        a.taste(Qt::Key_F10);
        QTRY_VERIFY(ak.menuDatei->isVisible());
        QTest::keyClick(ak.menuDatei, Qt::Key_Right);
        QTRY_VERIFY(ak.menuStart->isVisible());
        QVERIFY(!ak.menuDatei->isVisible());
        // Further right: "Die Tastatur" has no menu; Return chooses it.
        QTest::keyClick(ak.menuStart, Qt::Key_Right);
        QTRY_VERIFY(!ak.menuStart->isVisible());
        QTest::keyClick(a.f.menuBar(), Qt::Key_Return);
        QTRY_VERIFY(a.f.seiten().tastatur->isVisible());
    }

    void farbknopfMitTabUndLeertaste() {
        Angemeldet a;
        a.taste(Qt::Key_N, Qt::AltModifier);
        QVERIFY(a.f.seiten().einstellungen->isVisible());
        QPushButton* ring = a.f.einstellungen()->farbKnoepfe()[1];
        QVERIFY(a.tabBis(ring));
        const Farbe vorher = a.t.sitzung().farben[1];
        bool dialog = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            dialog = d;
            if (d) {
                d->setCurrentColor(QColor(0x12, 0x34, 0x56));
                QTest::keyClick(d, Qt::Key_Return);
            }
        });
        a.taste(Qt::Key_Space);
        QVERIFY(dialog);
        QVERIFY(a.t.sitzung().farben[1] != vorher);
        QCOMPARE(a.t.sitzung().farben[1], Farbe(0x00563412));
    }

    void benutzertabelleMitPfeilenUndEingabetaste() {
        Angemeldet a(true);
        a.taste(Qt::Key_R, Qt::AltModifier);
        ui::BenutzerdateiSeite& b = *a.f.benutzerdateiSeite();
        QVERIFY(a.tabBis(a.f.extras()->einsehen()));
        a.taste(Qt::Key_Space);
        QVERIFY(b.rahmen()->isVisible());
        QVERIFY(b.tabelle()->hasFocus());
        QCOMPARE(b.tabelle()->rowCount(), 3);

        // Down to the second user, Return asks; Escape takes it back to the table.
        a.taste(Qt::Key_Down);
        a.taste(Qt::Key_Return);
        QVERIFY(b.loeschfeld()->isVisible());
        QVERIFY(b.frage()->text().contains(QStringLiteral("Nr.2")));
        QVERIFY(b.passwortfeld()->hasFocus());
        a.taste(Qt::Key_Escape);
        QVERIFY(!b.loeschfeld()->isVisible());
        QVERIFY(b.tabelle()->hasFocus());

        // Down to the third, the access word and Return delete it.
        a.taste(Qt::Key_Down);
        a.taste(Qt::Key_Return);
        QVERIFY(b.frage()->text().contains(QStringLiteral("Nr.3")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("tovik"));
        a.taste(Qt::Key_Return);
        QCOMPARE(b.tabelle()->rowCount(), 2);
        QCOMPARE(b.tabelle()->item(1, 1)->text(), QStringLiteral(" BERND"));
        QVERIFY(b.tabelle()->hasFocus());
    }
};

QTEST_MAIN(TastaturbedienungTest)
#include "tastaturbedienung_test.moc"
