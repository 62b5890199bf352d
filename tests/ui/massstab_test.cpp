// One scale for the whole canvas: places and fonts follow it at every size, the demanded character is
// shown in proportion to its stored size and whole inside its panel, and the Shift/digit marker beside it
// whole in its own small font.
#include "testhilfen.h"

#include "ui/benutzerdatei_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/extras_seite.h"
#include "ui/hauptfenster.h"
#include "ui/hinweis_seite.h"
#include "ui/leinwand.h"
#include "ui/uebungsaktionen.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

void lektionBeginnen(Testfenster& t) {
    QAbstractButton* knopf = t.fenster->hinweis()->startknopf();
    QVERIFY(knopf->isVisible() && knopf->isEnabled());
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, knopf->rect().center());
    tippen(t.fenster.get(), QStringLiteral("a"));
}

} // namespace

class MassstabTest : public QObject {
    Q_OBJECT

private slots:
    void einMassstabFuerOrtUndSchrift_data() {
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<QSize>("fenster");
        for (QSize s : {QSize(800, 600), QSize(1024, 768), QSize(1280, 800), QSize(1366, 768),
                        QSize(1440, 900), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)}) {
            QTest::addRow("%dx%d", s.width(), s.height()) << s << s;
        }
        QTest::addRow("Fenster 700x500") << QSize(1024, 768) << QSize(700, 500);
        QTest::addRow("Fenster 560x400") << QSize(1024, 768) << QSize(560, 400);
    }

    // The same picture at every size: a screen's place on the canvas, and its fonts, follow one scale.
    void einMassstabFuerOrtUndSchrift() {
        QFETCH(QSize, bildschirm);
        QFETCH(QSize, fenster);
        Testfenster t(bildschirm);
        t.fenster->resize(fenster);
        QCoreApplication::processEvents();
        const ui::Leinwand* l = t.fenster->buehne()->leinwand();
        const double s = l->massstab();
        QWidget* tastatur = t.fenster->seiten().tastatur;
        QVERIFY(std::abs(tastatur->y() - ui::entwurf(tastatur).y() * s) <= 1);
        QVERIFY(std::abs(tastatur->width() - ui::entwurf(tastatur).width() * s) <= 1);
        const QFont grund = QApplication::font();
        QVERIFY(std::abs(t.fenster->namensaufforderung()->font().pointSizeF() - grund.pointSizeF() * s) <
                0.01);
    }

    // The table of all users: its column heads are written as large as its rows at every size (Qt gives
    // table heads a font of their own, which the canvas did not scale).
    void tabellenkopfWieZeilen_data() {
        QTest::addColumn<QSize>("bildschirm");
        for (QSize s : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
        }
    }
    void tabellenkopfWieZeilen() {
        QFETCH(QSize, bildschirm);
        Testfenster t(bildschirm);
        t.fenster->resize(bildschirm);
        t.anmelden(QStringLiteral("anna"));
        QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(t.fenster->extras()->einsehen(), Qt::LeftButton);
        const QTableWidget* tabelle = t.fenster->benutzerdateiSeite()->tabelle();
        QVERIFY(tabelle->isVisible());
        const QFont zeilen = tabelle->font();
        const QFont kopf = tabelle->horizontalHeader()->font();
        QCOMPARE(kopf.pointSizeF(), zeilen.pointSizeF());
        QCOMPARE(kopf.pixelSize(), zeilen.pixelSize());
        // The heads fit into their row.
        QVERIFY(QFontMetrics(kopf).height() <= tabelle->horizontalHeader()->height());
    }

    // The stored letter size stays as computed from the real screen; the panel shows it in proportion.
    void gespeicherteSchriftgroesseImVerhaeltnis_data() {
        QTest::addColumn<int>("breite");
        QTest::addRow("1024") << 1024;
        QTest::addRow("1920") << 1920;
        QTest::addRow("3840") << 3840;
    }
    void gespeicherteSchriftgroesseImVerhaeltnis() {
        QFETCH(int, breite);
        Meldungsbeantworter meldungen;
        Testfenster t({breite, breite * 3 / 4});
        t.anmelden(QStringLiteral("anna"));
        const int gespeichert = std::min(255, breite * 5 / 33);
        QCOMPARE(int(t.sitzung().schriftgroessen[0]), gespeichert);
        t.fenster->aktionen().start->trigger();
        lektionBeginnen(t);
        const QWidget* feld = t.fenster->buchstaben()->feld();
        const double s = ui::massstab(feld);
        // As large on the canvas as on a 4:3 screen whose default size the record can hold.
        QVERIFY(std::abs(feld->font().pointSizeF() - gespeichert * 800.0 / std::min(breite, 1683) * s) <
                0.01);
        QVERIFY(std::abs(feld->font().pointSizeF() / s - 800 * 5 / 33) < 1.5);
    }

    // The demanded character shows whole in its panel at the learner's size: the hook of "j", the dots
    // of "Ä", nothing of the ink touches the panel's edge.
    void buchstabeGanzImFeld_data() {
        QTest::addColumn<QString>("zeichen");
        for (const char* z : {"j", "g", "Ä", "Ö", "Q", "§"}) {
            QTest::addRow("%s", z) << QString::fromUtf8(z);
        }
    }
    void buchstabeGanzImFeld() {
        QFETCH(QString, zeichen);
        QGroupBox rahmen;
        rahmen.resize(784, 216);
        ui::BuchstabenSeite seite(&rahmen, ui::Masse{}, ui::uebungsaktionenAnlegen(&rahmen));
        rahmen.show();
        QFont schrift(QStringLiteral("Times New Roman"));
        schrift.setPointSizeF(800 * 5 / 33); // the stored size of an 800 pixel wide screen
        seite.zeichenZeigen(zeichen, QColor(255, 0, 0), schrift);
        const QImage bild = seite.feld()->grab().toImage();
        const QRect innen = seite.feld()->contentsRect();
        int rot = 0;
        for (int y = innen.top(); y <= innen.bottom(); ++y) {
            for (int x = innen.left(); x <= innen.right(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
                    ++rot;
                    QVERIFY2(y > innen.top() && y < innen.bottom() && x > innen.left() && x < innen.right(),
                             qPrintable(QStringLiteral("Tinte am Rand bei %1,%2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(rot > 200);
    }

    // The Shift and digit marker in the panel's corner keeps a small font of its own, whatever size the
    // demanded character has, so its "G" or "Z" shows whole.
    void markierungGanzNebenGrossemBuchstaben() {
        QGroupBox rahmen;
        rahmen.resize(784, 216);
        ui::BuchstabenSeite seite(&rahmen, ui::Masse{}, ui::uebungsaktionenAnlegen(&rahmen));
        rahmen.show();
        QFont schrift(QStringLiteral("Times New Roman"));
        schrift.setPointSizeF(800 * 5 / 33);
        seite.zeichenZeigen(QStringLiteral("F"), QColor(255, 0, 0), schrift);
        seite.markierungZeigen('G', 0x00C0C0C0);
        const QLabel* marke = seite.markierung();
        const QRect tinte = QFontMetrics(marke->font()).tightBoundingRect(QStringLiteral("G"));
        QVERIFY2(tinte.width() < marke->width() && tinte.height() < marke->height(),
                 qPrintable(QStringLiteral("G %1x%2 in %3x%4")
                                .arg(tinte.width())
                                .arg(tinte.height())
                                .arg(marke->width())
                                .arg(marke->height())));
    }
};

QTEST_MAIN(MassstabTest)
#include "massstab_test.moc"
