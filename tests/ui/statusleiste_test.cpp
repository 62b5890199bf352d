// The status bar of a running lesson: its four figures and the pause text keep their places at every
// scale and hold their widest texts, and a figure's new number only repaints it, without asking the
// window to lay the bar out again.
#include "testhilfen.h"

#include "ui/hinweis_seite.h"
#include "ui/statusleiste.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

// A running lesson on a screen of the size; the first key starts the exercise.
void lektionLaeuft(Testfenster& t) {
    t.anmelden(QStringLiteral("anna"));
    QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("&Start")), Qt::LeftButton);
    QAbstractButton* start = t.fenster->hinweis()->startknopf();
    QTest::mouseClick(start, Qt::LeftButton, Qt::NoModifier, start->rect().center());
    tippen(t.fenster.get(), QStringLiteral("a"));
    QCoreApplication::processEvents();
}

// Counts the layout requests the status bar receives.
class LayoutZaehler : public QObject {
public:
    int anzahl = 0;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() == QEvent::LayoutRequest) {
            ++anzahl;
        }
        return QObject::eventFilter(ziel, e);
    }
};

} // namespace

class StatusleisteTest : public QObject {
    Q_OBJECT

private slots:
    void figurenPassenBeiJedemMassstab_data() {
        QTest::addColumn<QSize>("bildschirm");
        for (QSize s :
             {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
        }
    }

    // Left to right inside the bar without overlapping, each figure holds the widest text it can show,
    // and while paused the pause text takes the figures' room.
    void figurenPassenBeiJedemMassstab() {
        QFETCH(QSize, bildschirm);
        Testfenster t(bildschirm);
        t.fenster->resize(bildschirm);
        lektionLaeuft(t);
        ui::Statusleiste& leiste = *t.fenster->statusleiste();
        QVERIFY(leiste.isVisible());
        const struct {
            QLabel* figur;
            QString breitester;
        } figuren[] = {{leiste.anschlaege(), QStringLiteral("Anschläge: 99999")},
                       {leiste.tempo(), QStringLiteral("Anschläge pro Minute: 9999  ")},
                       {leiste.fehler(), QStringLiteral("Fehler: 99999")},
                       {leiste.fehleranteil(), QStringLiteral("Fehleranteil: 100.00 %")}};
        int rechts = 0;
        for (const auto& [figur, breitester] : figuren) {
            QVERIFY(figur->isVisible());
            QVERIFY2(figur->x() > rechts, qPrintable(figur->text()));
            QVERIFY(leiste.rect().contains(figur->geometry()));
            const int platz = figur->contentsRect().width() - 2 * figur->margin();
            QVERIFY2(QFontMetrics(figur->font()).horizontalAdvance(breitester) < platz,
                     qPrintable(QStringLiteral("%1 in %2 px").arg(breitester).arg(platz)));
            rechts = figur->geometry().right();
        }
        QVERIFY(leiste.abbruch()->x() > rechts);
        QVERIFY(leiste.rect().contains(leiste.abbruch()->geometry()));

        QTest::keyClick(t.fenster.get(), Qt::Key_Escape);
        QVERIFY(leiste.pausentext()->isVisible());
        QVERIFY(!leiste.anschlaege()->isVisible());
        QCOMPARE(leiste.pausentext()->x(), leiste.anschlaege()->x());
        QCOMPARE(leiste.pausentext()->geometry().right(), rechts);
        QVERIFY(QFontMetrics(leiste.pausentext()->font()).horizontalAdvance(leiste.pausentext()->text()) <
                leiste.pausentext()->width());
    }

    // Keys and ticks change the numbers: the figures are repainted where they stand; the bar is not laid
    // out again (that cost a layout of the whole bar at every tick of a running lesson).
    void neueZahlOhneNeuesLayout() {
        Testfenster t({1024, 768});
        t.fenster->resize(1024, 768);
        lektionLaeuft(t);
        ui::Statusleiste& leiste = *t.fenster->statusleiste();
        const QRect vorher = leiste.anschlaege()->geometry();
        const QString anschlaegeVorher = leiste.anschlaege()->text();
        LayoutZaehler zaehler;
        leiste.installEventFilter(&zaehler);
        tippen(t.fenster.get(), QStringLiteral("asdfjklö"));
        QTest::qWait(600); // two ticks of the window's timer
        QVERIFY(leiste.anschlaege()->text() != anschlaegeVorher);
        QCOMPARE(zaehler.anzahl, 0);
        QCOMPARE(leiste.anschlaege()->geometry(), vorher);
    }
};

QTEST_MAIN(StatusleisteTest)
#include "statusleiste_test.moc"
