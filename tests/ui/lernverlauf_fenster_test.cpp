// The learning history in the main window, as a learner and a teacher use it: practise and leave a
// lesson, open the history from Extras and from the main menu's popup, open the class overview behind
// the access word, and delete a learner together with their history.
#include "testhilfen.h"

#include "keyboard/tastentabelle.h"
#include "platform/zeichensatz.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/extras_seite.h"
#include "ui/hinweis_seite.h"
#include "ui/klassenuebersicht_fenster.h"
#include "ui/lernverlauf_fenster.h"
#include "ui/tastatur_heatmap.h"
#include "ui/tastatur_widget.h"
#include "ui/uebungssteuerung.h"
#include "ui/verlaufsanzeige.h"
#include "ui/verlaufsdiagramm.h"
#include "verlauf/auswertung.h"
#include "verlauf/lernverlauf.h"

#include <QCheckBox>
#include <QFrame>
#include <QTableWidget>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

void zeichenTippen(QWidget* fenster, Zeichen z) {
    tippen(fenster, QString(QChar(static_cast<char16_t>(alsUnicode(z)))));
}

struct Uebende {
    Testfenster t;
    ui::Hauptfenster& f;
    explicit Uebende(const char* name = "anna") : f(*t.fenster) {
        t.anmelden(QString::fromLatin1(name));
        t.sitzung().wunschAnschlaege = 0;
    }
    // Starts lesson 1 and types `richtige` demanded characters and `falsche` wrong ones, a second apart.
    void buchstabenUeben(int richtige, int falsche) {
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
        zeichenTippen(&f, 'x'); // any key starts
        for (int k = 0; k < richtige + falsche; ++k) {
            t.uhr.monoton += 1000;
            const Zeichen z = f.steuerung()->lauf().buchstabenuebung().anzeige().gefordert;
            zeichenTippen(&f, k < falsche ? (z == 'a' ? 's' : 'a') : z);
        }
    }
    void zumHauptmenue() { QTest::mouseClick(f.buchstaben()->hauptmenueKnopf(), Qt::LeftButton); }
    std::vector<Uebungseintrag> verlauf(const std::string& name) {
        return Lernverlauf(t.ordner.pfad()).uebungen(name);
    }
};

} // namespace

class LernverlaufFensterTest : public QObject {
    Q_OBJECT
private slots:
    void eineVerlasseneUebungMitZehnAnschlaegenBleibtImVerlauf() {
        Uebende u;
        u.buchstabenUeben(12, 2);
        u.zumHauptmenue();
        const auto liste = u.verlauf("ANNA");
        QCOMPARE(liste.size(), 1u);
        const Uebungseintrag& e = liste[0];
        QCOMPARE(e.stufe, std::string("B"));
        QCOMPARE(e.lektion, 1);
        QVERIFY(!e.bestanden);
        QCOMPARE(e.fehler, 1u); // two wrong keys for one demanded character count once
        QCOMPARE(e.sekunden, 14u);
        QCOMPARE(e.beginn, std::string("1997-03-07 00:00:00"));
        std::uint32_t anschlaege = 0, fehler = 0;
        for (const Zeichenzaehler& z : e.zeichen) {
            anschlaege += z.anschlaege;
            fehler += z.fehler;
        }
        QCOMPARE(anschlaege, 12u);
        QCOMPARE(fehler, 1u);

        // Leaving once more records nothing: the exercise has ended.
        u.buchstabenUeben(3, 0);
        u.zumHauptmenue();
        QCOMPARE(u.verlauf("ANNA").size(), 1u); // three keystrokes are too few
    }

    void geschlossenWaehrendDerUebungWirdAuchAufgezeichnet() {
        Uebende u;
        u.buchstabenUeben(10, 0);
        u.t.beenden();
        QCOMPARE(u.verlauf("ANNA").size(), 1u);
    }

    void lernverlaufAusExtrasUndAusDemPopup() {
        Uebende u;
        u.buchstabenUeben(15, 1);
        u.zumHauptmenue();
        QTest::mouseClick(hauptmenueKnopf(u.f, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(u.f.extras()->lernverlauf(), Qt::LeftButton);
        ui::LernverlaufFenster* fenster = u.f.verlaufsanzeige().lernverlaufFenster();
        QVERIFY(fenster);
        QTRY_VERIFY(fenster->isVisible());
        QCOMPARE(fenster->diagramm()->punkte().size(), 1u);
        QVERIFY(fenster->uebungszeit()->text().startsWith(QStringLiteral("Übungen: 1,")));
        fenster->close();

        // A second exercise; the popup's entry shows the history read anew.
        u.buchstabenUeben(20, 0);
        u.zumHauptmenue();
        QVERIFY(u.f.aktionen().lernverlauf->isEnabled());
        u.f.aktionen().hauptmenuePopup->popup(u.f.mapToGlobal(QPoint(10, 10)));
        QTRY_VERIFY(u.f.aktionen().hauptmenuePopup->isVisible());
        QMenu* popup = u.f.aktionen().hauptmenuePopup;
        QTest::mouseClick(popup, Qt::LeftButton, {},
                          popup->actionGeometry(u.f.aktionen().lernverlauf).center());
        QTRY_VERIFY(fenster->isVisible());
        QCOMPARE(fenster->diagramm()->punkte().size(), 2u);
    }

    void heatmapFaerbtDieTastenNachDerFehlerquote() {
        Uebende u;
        u.buchstabenUeben(20, 1);
        u.zumHauptmenue();
        QTest::mouseClick(hauptmenueKnopf(u.f, QStringLiteral("Die &Tastatur")), Qt::LeftButton);
        ui::TastaturHeatmap* h = u.f.verlaufsanzeige().heatmap();
        QTRY_VERIFY(h->leiste()->isVisible()); // the timer shows the switch with the keyboard screen
        ui::TastenFeld* leertaste = u.f.tastatur()->taste(5, 3);
        QVERIFY(leertaste);
        const Farbe fingerfarbe = leertaste->flaechenfarbe();
        QTest::mouseClick(h->schalter(), Qt::LeftButton, {}, QPoint(6, h->schalter()->height() / 2));
        QVERIFY(h->schalter()->isChecked());
        QVERIFY(h->schwaechen()->isVisible());
        QVERIFY(h->schwaechen()->text().startsWith(QStringLiteral("Schwächste Zeichen: ")));
        // Every key with typed characters in its heat colour, the others light grey, also after a tick.
        const auto summen = Lernverlauf(u.t.ordner.pfad()).zeichensummen("ANNA");
        const auto quoten = tastenquoten(summen, Tastaturlayout::Deutsch);
        QTest::qWait(300);
        int gefaerbt = 0;
        for (int t = 0; t < Tastentabelle::Anzahl; ++t) {
            ui::TastenFeld* feld = u.f.tastatur()->taste(Tastentabelle::reihe(t), Tastentabelle::position(t));
            const auto& q = quoten[std::size_t(t)];
            QCOMPARE(feld->flaechenfarbe(), q ? heatmapFarbe(*q) : Farbe(0x00C0C0C0));
            gefaerbt += q.has_value();
        }
        QVERIFY(gefaerbt >= 2);

        // Starting a lesson leaves the keyboard screen: the finger colours come back.
        QTest::mouseClick(hauptmenueKnopf(u.f, QStringLiteral("&Start")), Qt::LeftButton);
        QTRY_VERIFY(!h->leiste()->isVisible());
        QVERIFY(!h->schalter()->isChecked());
        QTRY_COMPARE(leertaste->flaechenfarbe(), fingerfarbe);
    }

    void lehrerSiehtDieKlassenuebersichtUndLoeschtMitVerlauf() {
        Uebende bernd("bernd");
        bernd.buchstabenUeben(10, 0);
        bernd.zumHauptmenue();
        bernd.t.beenden();
        bernd.t.neuStarten();
        bernd.t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *bernd.t.fenster;
        QCOMPARE(bernd.verlauf("BERND").size(), 1u);

        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(f.extras()->einsehen(), Qt::LeftButton);
        ui::BenutzerdateiSeite* seite = f.benutzerdateiSeite();
        QTableWidget* tab = seite->tabelle();
        QTest::mouseClick(tab->viewport(), Qt::LeftButton, {}, tab->visualItemRect(tab->item(0, 1)).center());
        QVERIFY(seite->loeschfeld()->isVisible());
        QVERIFY(!seite->klassenuebersichtKnopf()->isEnabled());
        QTest::keyClicks(seite->passwortfeld(), QStringLiteral("tovik"));
        QTRY_VERIFY(seite->klassenuebersichtKnopf()->isEnabled());
        QTest::mouseClick(seite->klassenuebersichtKnopf(), Qt::LeftButton);
        ui::KlassenuebersichtFenster* klasse = f.verlaufsanzeige().klassenuebersichtFenster();
        QVERIFY(klasse);
        QTRY_VERIFY(klasse->isVisible());
        QCOMPARE(klasse->tabelle()->rowCount(), 2);
        QCOMPARE(klasse->tabelle()->item(1, 0)->text(), QStringLiteral("BERND"));
        QCOMPARE(klasse->tabelle()->item(1, 3)->text(), QStringLiteral("1"));
        klasse->close();

        // BERND stands in the first row: deleted, and his history with him.
        QTest::mouseClick(seite->loeschenKnopf(), Qt::LeftButton);
        QCOMPARE(Benutzerdatei(bernd.t.ordner.pfad()).alleLesen().size(), 1u);
        QVERIFY(bernd.verlauf("BERND").empty());
    }
};

QTEST_MAIN(LernverlaufFensterTest)
#include "lernverlauf_fenster_test.moc"
