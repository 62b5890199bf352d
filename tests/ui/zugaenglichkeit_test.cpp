// What a screen reader reads while a learner practises: the demanded character in the name of the letter
// panel and the word exercise's line; the status figures by what they show; the goal's value; the keys
// of the on-screen keyboard as buttons, pressed while demanded; groups and lines by their own names.
// The keys are typed as a learner who cannot see the screen would: from what the accessible names say.
// (That the changes are announced is seen through AT-SPI in tests/e2e/bildschirmleser_test.sh.)
#include "testhilfen.h"

#include "ui/buchstaben_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/hinweis_seite.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/wort_seite.h"

#include <QAccessible>
#include <QGroupBox>
#include <QtTest>

#include <vector>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

QString name(QObject* o) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(QAccessible::Name) : QStringLiteral("<keine Schnittstelle>");
}
QString beschreibung(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
}

const QString Praefix = QStringLiteral("Geforderter Buchstabe: ");

struct Lernender {
    Testfenster t;
    ui::Hauptfenster& f;
    Lernender() : f(*t.fenster) {
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().wunschAnschlaege = 0; // the fake clock stands still
    }
    void lektionStarten() {
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
    }
    // Types what the letter panel's name demands.
    void geforderteTasteTippen() {
        const QString n = name(f.buchstaben()->feld());
        QVERIFY2(n.startsWith(Praefix), qPrintable(n));
        const QString zeichen = n.mid(Praefix.size());
        if (zeichen == QStringLiteral("Return")) {
            tasteDruecken(&f, Qt::Key_Return, QStringLiteral("\r"));
        } else {
            QVERIFY2(zeichen == QStringLiteral("Leertaste") || zeichen.size() == 1, qPrintable(n));
            tippen(&f, zeichen == QStringLiteral("Leertaste") ? QStringLiteral(" ") : zeichen);
        }
    }
};

} // namespace

class ZugaenglichkeitTest : public QObject {
    Q_OBJECT
private slots:
    void dieBuchstabenuebungIstNachGehoerZuUeben() {
        Lernender l;
        l.lektionStarten();
        ui::BuchstabenSeite& b = *l.f.buchstaben();
        QCOMPARE(name(b.feld()), QStringLiteral("Geforderter Buchstabe: START"));
        tippen(&l.f, QStringLiteral("j")); // any key starts
        ui::Statusleiste& s = *l.f.statusleiste();
        for (int k = 1; k <= 20; ++k) {
            const QString vorher = name(b.feld());
            l.geforderteTasteTippen();
            // The same character is never demanded twice in a row.
            QVERIFY2(name(b.feld()) != vorher, qPrintable(vorher));
            QCOMPARE(name(s.fehler()), QStringLiteral("Fehler: 0"));
        }
        QCOMPARE(name(s.anschlaege()), s.anschlaege()->text());
        QVERIFY(name(s.anschlaege()).startsWith(QStringLiteral("Anschläge: ")));
        QVERIFY(name(s.anschlaege()).mid(11).toInt() >= 21);
        QCOMPARE(beschreibung(s.fehler()), QStringLiteral("Wieviele Fehler haben Sie gemacht?"));
        QCOMPARE(beschreibung(s.anschlaege()), QStringLiteral("Wieviele Anschläge haben Sie geleistet?"));
        QCOMPARE(name(b.markierung()), QStringLiteral("Umschalt- oder Zifferzeichen: keines"));
        // The goal: its label by what it says, its bar by its value.
        QCOMPARE(name(b.lernziel()), b.lernziel()->text());
        QAccessibleInterface* balken = QAccessible::queryAccessibleInterface(b.fortschritt());
        QVERIFY(balken->valueInterface());
        QCOMPARE(balken->valueInterface()->currentValue().toInt(), b.fortschritt()->value());
        QVERIFY(b.fortschritt()->value() > 0);
    }

    void dieTastenDerBildschirmtastaturSindKnoepfeMitFingerUndGedruecktemZustand() {
        Lernender l;
        l.lektionStarten();
        tippen(&l.f, QStringLiteral("j"));
        ui::TastaturWidget& tastatur = *l.f.tastatur();
        QVERIFY(tastatur.isVisible());
        for (int runde = 0; runde < 3; ++runde) {
            const QString gefordert = name(l.f.buchstaben()->feld()).mid(Praefix.size());
            int gedrueckt = 0;
            for (ui::TastenFeld* taste : tastatur.findChildren<ui::TastenFeld*>()) {
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(taste);
                QCOMPARE(i->role(), QAccessible::Button);
                QCOMPARE(bool(i->state().pressed), taste->gedrueckt());
                QCOMPARE(bool(i->state().checked), taste->gedrueckt());
                if (taste->gedrueckt()) {
                    ++gedrueckt;
                    const QString n = i->text(QAccessible::Name);
                    // "Ö, rechter kleiner Finger", "Leertaste, Daumen"
                    QVERIFY2(n.startsWith(gefordert, Qt::CaseInsensitive) &&
                                 (n.endsWith(QStringLiteral("Finger")) ||
                                  n.endsWith(QStringLiteral("finger")) ||
                                  n.endsWith(QStringLiteral("Daumen"))),
                             qPrintable(n + QStringLiteral(" für ") + gefordert));
                }
            }
            QCOMPARE(gedrueckt, 1);
            l.geforderteTasteTippen();
        }
        QCOMPARE(name(tastatur.taste(3, 9)), QStringLiteral("K, rechter Mittelfinger"));
    }

    void dieWortuebungNenntStelleUndZeichen() {
        Lernender l;
        Meldungsbeantworter lob;
        l.lektionStarten();
        tippen(&l.f, QStringLiteral("j"));
        // The letter exercise to its end by ear; its last key answers the word exercise's start prompt.
        for (int k = 0; k < 500 && l.t.sitzung().uebungsstufe == 0; ++k) {
            l.geforderteTasteTippen();
        }
        ui::WortSeite& w = *l.f.wort();
        QVERIFY(w.rahmen()->isVisible());
        const QString zeile = w.zeile()->text();
        const QString erstes = QStringLiteral("Übungszeile, Stelle 1 von %1: ").arg(zeile.size());
        QCOMPARE(name(w.zeile()), erstes + zeile.left(1));
        tippen(&l.f, zeile.left(1));
        const QString zweites =
            zeile.mid(1, 1) == QStringLiteral(" ") ? QStringLiteral("Leertaste") : zeile.mid(1, 1);
        QCOMPARE(name(w.zeile()),
                 QStringLiteral("Übungszeile, Stelle 2 von %1: ").arg(zeile.size()) + zweites);
        // The goal's percentage is read with its title, not as a bare " 0.3 %".
        QVERIFY(w.lernziel()->isVisible());
        QVERIFY2(w.lernziel()->text().trimmed().endsWith(QLatin1Char('%')), qPrintable(w.lernziel()->text()));
        QCOMPARE(name(w.lernziel()),
                 QStringLiteral("Lernziel der Wortübung erreicht zu ") + w.lernziel()->text().trimmed());
    }

    void dieFehlerbalkenNennenHandFingerUndDenGanzenAnteil() {
        Lernender l;
        l.lektionStarten();
        tippen(&l.f, QStringLiteral("j"));
        // Two of the demanded "a" are missed with three wrong keys each: far above the bars' 25 % scale.
        int verfehlt = 0;
        for (int k = 0; k < 300 && verfehlt < 2; ++k) {
            if (name(l.f.buchstaben()->feld()) == Praefix + QStringLiteral("a")) {
                tippen(&l.f, QStringLiteral("sss"));
                ++verfehlt;
            }
            l.geforderteTasteTippen();
        }
        QCOMPARE(verfehlt, 2);
        ui::StatistikSeite& st = *l.f.statistik();
        QVERIFY(!st.rahmen()->isVisible());
        QTest::mouseClick(l.f.buchstaben()->statistikKnopf(), Qt::LeftButton);
        QVERIFY(st.rahmen()->isVisible());
        QStringList namen;
        for (ui::Anteilsbalken* b : st.balken()) {
            const QString n = name(b);
            QVERIFY2(n.startsWith(QStringLiteral("Fehleranteil ")) && n.endsWith(QStringLiteral(" %")),
                     qPrintable(n));
            QVERIFY2(!namen.contains(n), qPrintable(n));
            namen << n;
        }
        ui::Anteilsbalken* links = st.balken()[0];
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(links);
        const double anteil = i->valueInterface()->currentValue().toDouble();
        QVERIFY2(anteil > 25, qPrintable(QString::number(anteil)));
        QCOMPARE(links->value(), links->maximum()); // the bar itself is full at its scale
        QCOMPARE(name(links), QStringLiteral("Fehleranteil linker kleiner Finger: %1 %").arg(qRound(anteil)));
        QCOMPARE(name(st.balken()[5]), QStringLiteral("Fehleranteil rechter kleiner Finger: 0 %"));
        QCOMPARE(i->valueInterface()->maximumValue().toDouble(), 100.0);
    }

    void gruppenUndZeilenHabenIhreEigenenNamen() {
        Lernender l;
        QTest::mouseClick(hauptmenueKnopf(l.f, QStringLiteral("&Einstellungen")), Qt::LeftButton);
        QGroupBox* seite = l.f.seiten().einstellungen;
        QVERIFY(seite->isVisible());
        QCOMPARE(name(seite), QStringLiteral("Einstellungen"));
        QStringList gruppen;
        for (QGroupBox* g : seite->findChildren<QGroupBox*>()) {
            // Not the enclosing screen's title, as Qt would give a group inside a group.
            QCOMPARE(name(g), g->title().trimmed());
            gruppen << name(g);
        }
        for (const char* titel :
             {"Lernziele", "Schriftarten", "Tippfehler", "Tastaturlayout", "Sound", "Farben ändern"}) {
            QVERIFY2(gruppen.contains(QString::fromUtf8(titel)), titel);
        }
        // The flags are pictures with names, not empty fillers; so is the logo.
        QStringList bilder;
        for (QWidget* w : l.f.findChildren<QWidget*>()) {
            if (QAccessible::queryAccessibleInterface(w)->role() == QAccessible::Graphic) {
                bilder << name(w);
            }
        }
        for (const char* bild : {"Flagge Deutsch", "Flagge Schweiz", "Flagge USA", "Tastwerk-Logo"}) {
            QVERIFY2(bilder.contains(QString::fromUtf8(bild)), qPrintable(bilder.join(QLatin1Char('|'))));
        }
        // The font labels name the font they show.
        const auto& schriften = l.f.einstellungen()->schriftTexte();
        QVERIFY(!schriften[0]->text().isEmpty());
        QCOMPARE(name(schriften[0]), QStringLiteral("Buchstabenübung: ") + schriften[0]->text());
        QCOMPARE(name(schriften[1]), QStringLiteral("Wortübung: ") + schriften[1]->text());

        // The introduction of lesson 1: no empty line is shown, none is named after the group.
        QTest::mouseClick(hauptmenueKnopf(l.f, QStringLiteral("&Start")), Qt::LeftButton);
        QGroupBox* hinweis = l.f.hinweis()->rahmen();
        QVERIFY(hinweis->isVisible());
        QCOMPARE(name(hinweis), QStringLiteral("Hinweistext zu Lektion 1"));
        int zeilen = 0;
        for (QLabel* z : hinweis->findChildren<QLabel*>()) {
            if (z->isVisible()) {
                ++zeilen;
                QVERIFY2(!z->text().isEmpty(), qPrintable(name(z)));
                QVERIFY2(name(z) != name(hinweis), qPrintable(z->text()));
            }
        }
        QVERIFY(zeilen > 3);
        // No part of a group that it shows is named after the group a second time.
        for (QGroupBox* g : {hinweis, l.f.seiten().tastatur}) {
            for (QWidget* teil : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!teil->isVisibleTo(g)) {
                    continue;
                }
                QVERIFY2(name(teil) != name(g), qPrintable(name(g) + QStringLiteral(": ") +
                                                           QLatin1String(teil->metaObject()->className())));
            }
        }
    }
};

QTEST_MAIN(ZugaenglichkeitTest)
#include "zugaenglichkeit_test.moc"
