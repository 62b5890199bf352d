// The on-screen keyboard as the learner sees it: layouts, pressed keys, colouring on the timer without
// needless repaints, the lettering colour, and the layout choice with its flags.
#include "keyboard/tastengeometrie.h"
#include "keyboard/tastentabelle.h"
#include "ui/layout_auswahl.h"
#include "ui/tastatur_widget.h"

#include <QRadioButton>
#include <QtTest>

#include <vector>

using namespace tastwerk;
using namespace tastwerk::ui;

namespace {

constexpr std::array<Farbe, FarbgruppenAnzahl> Farben = {0x000000FF, 0x0000FFFF, 0x00008080, 0x00FF0000,
                                                         0x00808080};
constexpr Farbe Silber = 0x00C0C0C0;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QRect alsRect(const Tastenmass& m) {
    return QRect(m.links, m.oben, m.breite, m.hoehe);
}

std::vector<TastenFeld*> gedrueckte(const TastaturWidget& t) {
    std::vector<TastenFeld*> tasten;
    for (int r = 1; r <= Tastentabelle::Reihen; ++r) {
        for (int p = 1; p <= Tastentabelle::tastenInReihe(r); ++p) {
            TastenFeld* f = t.taste(r, p);
            if (f->gedrueckt() || f->markeSichtbar()) {
                tasten.push_back(f);
            }
        }
    }
    return tasten;
}

} // namespace

class TastaturWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void vorDemErstenLayoutDieEntwurfsbeschriftungen() {
        TastaturWidget t(800);
        QCOMPARE(t.taste(3, 13)->beschriftung(), QStringLiteral("' #"));
        QCOMPARE(t.taste(1, 13)->beschriftung(), QStringLiteral("` ´"));
        QCOMPARE(t.taste(2, 14)->beschriftung(), QStringLiteral("Return"));
        QCOMPARE(t.taste(2, 14)->height(), 88);
        QCOMPARE(t.taste(3, 2)->toolTip(), QStringLiteral("A: Linker kleiner Finger"));
        QCOMPARE(t.taste(3, 2)->accessibleName(), QStringLiteral("A, linker kleiner Finger"));
        QCOMPARE(t.taste(5, 3)->beschriftung(), QString());
        QCOMPARE(t.taste(5, 3)->accessibleName(), QStringLiteral("Leertaste, Daumen"));
        QCOMPARE(t.taste(5, 3)->toolTip(), QStringLiteral("Leertaste: (rechter) Daumen"));
        QCOMPARE(t.taste(3, 2)->flaechenfarbe(), Silber);
        QCOMPARE(t.taste(0, 1), nullptr);
        QCOMPARE(t.taste(1, 15), nullptr);
        QCOMPARE(t.taste(3, 2)->font().pixelSize(), 15);
        QCOMPARE(t.taste(3, 2)->fontInfo().family(),
                 QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    }

    void usLayoutUndZurueckZuDeutsch() {
        TastaturWidget t(800);
        t.layoutAnwenden(Tastaturlayout::USA);
        QVERIFY(t.taste(4, 2)->isHidden());
        QCOMPARE(t.taste(3, 13)->beschriftung(), QStringLiteral("Enter"));
        QCOMPARE(t.taste(3, 13)->geometry(), QRect(650, 94, 100, 41));
        QCOMPARE(t.taste(2, 14)->height(), 41);
        QCOMPARE(t.taste(2, 14)->beschriftung(), QStringLiteral("\\ :"));
        QCOMPARE(t.taste(4, 1)->width(), 110);
        QCOMPARE(t.taste(2, 7)->beschriftung(), QStringLiteral("Y"));
        QCOMPARE(t.taste(4, 3)->toolTip(), QStringLiteral("Z: Linker kleiner Finger"));
        QCOMPARE(t.taste(5, 1)->beschriftung(), QStringLiteral("Ctrl"));
        QCOMPARE(t.taste(3, 1)->font().pixelSize(), 11);
        QCOMPARE(t.toolTip(), QStringLiteral("Amerikanisches Tastaturlayout"));

        t.layoutAnwenden(Tastaturlayout::Deutsch);
        QCOMPARE(t.toolTip(), QStringLiteral("Deutsches Tastaturlayout"));
        QVERIFY(!t.taste(4, 2)->isHidden());
        QCOMPARE(t.taste(2, 14)->height(), 88);
        QCOMPARE(t.taste(3, 13)->width(), 41);
        QCOMPARE(t.taste(3, 13)->beschriftung(), QStringLiteral("#"));
        QCOMPARE(t.taste(5, 4)->beschriftung(), QStringLiteral("Alt Gr"));
        QCOMPARE(t.taste(3, 1)->beschriftung(), QStringLiteral("Caps lock"));
        QCOMPARE(t.taste(3, 1)->font().pixelSize(), 15);
        for (int i = 0; i < Tastentabelle::Anzahl; ++i) {
            TastenFeld* f = t.taste(Tastentabelle::reihe(i), Tastentabelle::position(i));
            QCOMPARE(f->beschriftung(), text(Tastentabelle::beschriftung(i, Tastaturlayout::Deutsch)));
            QCOMPARE(f->toolTip(), text(Tastentabelle::hinweis(i, Tastaturlayout::Deutsch)));
            const Tastenmass m = tastenmass(i, Tastaturlayout::Deutsch, 800);
            QCOMPARE(f->geometry(), alsRect(m));
            QCOMPARE(f->marke(), QRect(m.markeLinks, m.markeOben, m.markeBreite, m.markeHoehe));
        }
    }

    void groesseFasstAlleTastenUndSkaliert() {
        for (int breite : {800, 1280}) {
            TastaturWidget t(breite);
            for (Tastaturlayout l : {Tastaturlayout::Deutsch, Tastaturlayout::USA}) {
                t.layoutAnwenden(l);
                const QRect platz(QPoint(0, 0), t.sizeHint());
                QVERIFY(platz.width() <= breite);
                for (TastenFeld* f : t.findChildren<TastenFeld*>()) {
                    QVERIFY(platz.contains(f->geometry()));
                }
            }
        }
        TastaturWidget gross(1600);
        QCOMPARE(gross.taste(1, 2)->geometry(), QRect(154, 0, 82, 82));
        QCOMPARE(gross.taste(3, 2)->font().pixelSize(), 30);
    }

    void dieTastenDesGefordertenZeichensSindGedrueckt() {
        TastaturWidget t(800);
        t.layoutAnwenden(Tastaturlayout::Deutsch);
        t.tastaturaktiviert('a');
        QCOMPARE(gedrueckte(t), std::vector{t.taste(3, 2)});
        t.tastaturaktiviert('Z');
        QCOMPARE(gedrueckte(t), std::vector{t.taste(2, 7)});
        t.tastaturaktiviert(ZeichenReturn);
        QCOMPARE(gedrueckte(t), std::vector{t.taste(2, 14)});
        t.tastaturaktiviert(ZeichenLeertaste);
        QCOMPARE(gedrueckte(t), std::vector{t.taste(5, 3)});
        t.tastaturaktiviert('@'); // no key of the German keyboard shows it
        QVERIFY(gedrueckte(t).empty());

        t.layoutAnwenden(Tastaturlayout::USA);
        t.tastaturaktiviert('Z');
        QCOMPARE(gedrueckte(t), std::vector{t.taste(4, 3)});
        t.tastaturaktiviert(ZeichenReturn);
        QCOMPARE(gedrueckte(t), std::vector{t.taste(3, 13)});
        t.tastaturaktiviert('@');
        QCOMPARE(gedrueckte(t), std::vector{t.taste(1, 3)});
    }

    void einfaerbenNachLektion() {
        TastaturWidget t(800);
        t.layoutAnwenden(Tastaturlayout::Deutsch);
        t.einfaerben(4, Farben);
        QCOMPARE(t.taste(3, 2)->flaechenfarbe(), Farben[0]);
        QCOMPARE(t.taste(3, 3)->flaechenfarbe(), Farben[1]);
        QCOMPARE(t.taste(5, 3)->flaechenfarbe(), Farben[4]);
        QCOMPARE(t.taste(2, 14)->flaechenfarbe(), Farben[0]); // Return, lesson 4
        QCOMPARE(t.taste(3, 13)->flaechenfarbe(), Silber);
        QCOMPARE(t.taste(2, 5)->flaechenfarbe(), Silber); // R, lesson 5
        t.layoutAnwenden(Tastaturlayout::USA);
        t.einfaerben(4, Farben);
        QCOMPARE(t.taste(3, 13)->flaechenfarbe(), Farben[0]); // Enter
        QCOMPARE(t.taste(2, 14)->flaechenfarbe(), Silber);
        t.einfaerben(17, Farben);
        for (TastenFeld* f : t.findChildren<TastenFeld*>()) {
            QVERIFY(f->flaechenfarbe() != Silber);
        }
    }

    void einTaktOhneAenderungMaltNichts() {
        TastaturWidget t(800);
        t.layoutAnwenden(Tastaturlayout::Deutsch);
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        t.einfaerben(17, Farben);
        QTRY_VERIFY(t.taste(3, 2)->malzaehler() >= 2);
        QTest::qWait(50);

        const int vorher = t.malzaehler();
        for (int takt = 0; takt < 4; ++takt) {
            t.einfaerben(17, Farben);
            t.setSchriftfarbe(0);
            t.tastaturaktiviert('\0');
            QTest::qWait(30);
        }
        QCOMPARE(t.malzaehler(), vorher);

        // Back to lesson 1: only the keys that turn grey are painted again.
        const int leertaste = t.taste(5, 3)->malzaehler();
        const int a = t.taste(3, 2)->malzaehler();
        const int q = t.taste(2, 2)->malzaehler();
        t.einfaerben(1, Farben);
        QTRY_VERIFY(t.taste(2, 2)->malzaehler() > q);
        QTest::qWait(50);
        QCOMPARE(t.taste(5, 3)->malzaehler(), leertaste);
        QCOMPARE(t.taste(3, 2)->malzaehler(), a);
    }

    void beschriftungSchwarzAusserAufSchwarzOderBeiWeiss() {
        TastaturWidget t(800);
        auto farben = Farben;
        farben[0] = 0x00000000; // the little finger's keys black
        t.einfaerben(1, farben);
        QCOMPARE(t.taste(3, 2)->flaechenfarbe(), Farbe{0});
        QCOMPARE(t.taste(3, 2)->schriftfarbe(), Farbe{0x00FFFFFF});
        QCOMPARE(t.taste(3, 3)->schriftfarbe(), Farbe{0});
        QCOMPARE(t.taste(2, 2)->schriftfarbe(), Farbe{0}); // silver
        t.setSchriftfarbe(1);
        QCOMPARE(t.taste(3, 2)->schriftfarbe(), Farbe{0x00FFFFFF});
        QCOMPARE(t.taste(3, 3)->schriftfarbe(), Farbe{0x00FFFFFF});
        QCOMPARE(t.taste(2, 2)->schriftfarbe(), Farbe{0x00FFFFFF});
        t.setSchriftfarbe(0);
        QCOMPARE(t.taste(3, 3)->schriftfarbe(), Farbe{0});
        QCOMPARE(t.taste(3, 2)->schriftfarbe(), Farbe{0x00FFFFFF});
        // A key recoloured later follows the setting too.
        t.setSchriftfarbe(1);
        t.einfaerben(17, Farben);
        QCOMPARE(t.taste(3, 2)->schriftfarbe(), Farbe{0x00FFFFFF});
    }

    void layoutAuswahlMitKnoepfenUndFlaggen() {
        LayoutAuswahl auswahl;
        auswahl.show();
        QVERIFY(QTest::qWaitForWindowExposed(&auswahl));
        QCOMPARE(auswahl.title(), QStringLiteral("Tastaturlayout"));
        QCOMPARE(auswahl.knopf(Tastaturlayout::Deutsch)->text(), QStringLiteral("Deutsch"));
        QCOMPARE(auswahl.knopf(Tastaturlayout::Schweiz)->text(), QStringLiteral("Schweiz"));
        QCOMPARE(auswahl.knopf(Tastaturlayout::USA)->text(), QStringLiteral("USA"));

        std::vector<Tastaturlayout> gewaehlt;
        connect(&auswahl, &LayoutAuswahl::layoutGewaehlt, this,
                [&](Tastaturlayout l) { gewaehlt.push_back(l); });

        auswahl.setLayout(Tastaturlayout::Schweiz);
        QVERIFY(auswahl.knopf(Tastaturlayout::Schweiz)->isChecked());
        QVERIFY(gewaehlt.empty());

        QTest::mouseClick(auswahl.bild(Tastaturlayout::USA), Qt::LeftButton);
        QCOMPARE(gewaehlt, std::vector{Tastaturlayout::USA});
        QVERIFY(auswahl.knopf(Tastaturlayout::USA)->isChecked());
        QVERIFY(!auswahl.knopf(Tastaturlayout::Schweiz)->isChecked());

        QTest::mouseClick(auswahl.knopf(Tastaturlayout::Deutsch), Qt::LeftButton);
        QCOMPARE(gewaehlt, (std::vector{Tastaturlayout::USA, Tastaturlayout::Deutsch}));
        QVERIFY(auswahl.knopf(Tastaturlayout::Deutsch)->isChecked());

        // A right click on a flag does nothing.
        QTest::mouseClick(auswahl.bild(Tastaturlayout::Schweiz), Qt::RightButton);
        QCOMPARE(gewaehlt.size(), 2u);
        QVERIFY(auswahl.knopf(Tastaturlayout::Deutsch)->isChecked());
    }
};

QTEST_MAIN(TastaturWidgetTest)
#include "tastatur_widget_test.moc"
