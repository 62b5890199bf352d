// The main window's menus, popups and screens as a learner reaches them.
#include "testhilfen.h"

#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/hilfefenster.h"
#include "ui/hinweis_seite.h"
#include "ui/infofenster.h"
#include "ui/leinwand.h"
#include "ui/navigation.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_heatmap.h"
#include "ui/uebungssteuerung.h"
#include "ui/verlaufsanzeige.h"
#include "ui/wort_seite.h"

#include <QClipboard>
#include <QDialog>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

QStringList texte(const QMenu* menue) {
    QStringList liste;
    for (const QAction* a : menue->actions()) {
        liste << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return liste;
}

void buchstabenuebungBeginnen(Testfenster& t) {
    QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("&Start")), Qt::LeftButton);
    QTest::mouseClick(t.fenster->hinweis()->startknopf(), Qt::LeftButton);
    tippen(t.fenster.get(), QStringLiteral("x"));
}

// F1 in the main window, which is the active window as when the learner types in it.
void hilfeTasteDruecken(ui::Hauptfenster& f) {
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F1);
}

// The program loses the focus to another program: the window system's report, as Qt passes it on.
void fokusAbgeben(ui::Hauptfenster&) {
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void menuesUndPopupsHabenIhreEintraege() {
        Testfenster t;
        ui::Hauptfenster& f = *t.fenster;
        const ui::Aktionen& a = f.aktionen();
        QCOMPARE(texte(a.menuDatei), QStringList{QStringLiteral("&Beenden")});
        QCOMPARE(texte(a.menuHilfe), (QStringList{QStringLiteral("Hilfe"), QStringLiteral("Info")}));
        QCOMPARE(texte(a.hauptmenuePopup),
                 (QStringList{QStringLiteral("Start"), QStringLiteral("Die Tastatur"),
                              QStringLiteral("Einstellungen"), QStringLiteral("Benutzerdaten"),
                              QStringLiteral("Extras"), QStringLiteral("Lernverlauf"), QStringLiteral("-"),
                              QStringLiteral("Eigene Texte üben"), QStringLiteral("-"),
                              QStringLiteral("Programm beenden")}));
        QCOMPARE(texte(a.eigeneTexte),
                 (QStringList{QStringLiteral("Text laden"), QStringLiteral("Text erstellen"),
                              QStringLiteral("Text ändern")}));
        QCOMPARE(
            texte(a.begruessungPopup),
            (QStringList{QStringLiteral("Markierten Text in Zwischenablage kopieren"),
                         QStringLiteral("Alles markieren"), QStringLiteral("-"),
                         QStringLiteral("Textfenster verkleinern"), QStringLiteral("Textfenster vergrössern"),
                         QStringLiteral("-"), QStringLiteral("Programm beenden")}));
        QCOMPARE(
            texte(f.buchstaben()->popup()),
            (QStringList{QStringLiteral("Hintergrundfarbe"), QStringLiteral("Sound"), QStringLiteral("-"),
                         QStringLiteral("Pause"), QStringLiteral("-"), QStringLiteral("Einstellungen"),
                         QStringLiteral("Tastatur"), QStringLiteral("Fehlerstatistik"), QStringLiteral("-"),
                         QStringLiteral("Zurück zum Hauptmenü")}));
        QCOMPARE(texte(f.buchstaben()->hintergrundMenue()),
                 (QStringList{QStringLiteral("blau"), QStringLiteral("gelb"), QStringLiteral("rot"),
                              QStringLiteral("grau"), QStringLiteral("silber"), QStringLiteral("schwarz"),
                              QStringLiteral("weiß")}));
        QCOMPARE(texte(f.wort()->popup()),
                 (QStringList{QStringLiteral("Einstellungen"), QStringLiteral("Tastatur"),
                              QStringLiteral("Fehlerstatistik"), QStringLiteral("Pause"), QStringLiteral("-"),
                              QStringLiteral("Zurück zum Hauptmenü")}));
        QCOMPARE(texte(f.statusleiste()->popup()), QStringList{QStringLiteral("Pause")});
        // Before sign-in only "Programm beenden" of the main menu popup can be used.
        for (QAction* aktion : a.hauptmenuePopup->actions()) {
            if (!aktion->isSeparator()) {
                QCOMPARE(aktion->isEnabled(), aktion->text() == QStringLiteral("Programm beenden"));
            }
        }
    }

    void startknopfNenntDieLektionImHinweis() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        QPushButton* start = hauptmenueKnopf(*t.fenster, QStringLiteral("&Start"));
        QTRY_COMPARE(start->toolTip(), QStringLiteral("Start Lektion 1 (Buchstabenübung)"));
        QCOMPARE(hauptmenueKnopf(*t.fenster, QStringLiteral("E&xtras"))->toolTip(), QString());
    }

    void klickInDenBegruessungstextVorUndNachDerAnmeldung() {
        Testfenster t;
        ui::Hauptfenster& f = *t.fenster;
        const QRect vorher = f.begruessungstext()->geometry();
        QTest::mouseClick(f.begruessungstext()->viewport(), Qt::LeftButton);
        QCOMPARE(f.begruessungstext()->geometry(), vorher);
        QVERIFY(!f.aktionen().textfensterVergroessern->isEnabled());
        QVERIFY(f.aktionen().textfensterVerkleinern->isEnabled());

        t.anmelden(QStringLiteral("anna"));
        QTest::mouseClick(f.begruessungstext()->viewport(), Qt::LeftButton);
        QCOMPARE(ui::entwurf(f.begruessungstext()).y(), 600 * 5 / 26);
        QCOMPARE(ui::entwurf(f.begruessungstext()).height(), 600 * 50 / 73);
        f.aktionen().textfensterVerkleinern->trigger();
        QCOMPARE(ui::entwurf(f.begruessungstext()).y(), 600 * 50 / 77);
        QCOMPARE(ui::entwurf(f.begruessungstext()).height(), 600 * 10 / 43);
        f.aktionen().allesMarkieren->trigger();
        f.aktionen().kopieren->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text().left(25), QStringLiteral("Herzlich willkommen bei T"));
    }

    void infoPausiertDieUebungUndSetztSieFort() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        buchstabenuebungBeginnen(t);
        ui::Hauptfenster& f = *t.fenster;
        bool waehrenddessenPausiert = false;
        bool knoepfeGesperrt = false;
        QString titel;
        // What the learner sees while the box is open; then its OK button.
        QTimer beobachter;
        beobachter.setInterval(20);
        QObject::connect(&beobachter, &QTimer::timeout, [&] {
            auto* box = qobject_cast<ui::Infofenster*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            beobachter.stop();
            waehrenddessenPausiert = f.steuerung()->pausiert();
            knoepfeGesperrt =
                !f.buchstaben()->pauseKnopf()->isEnabled() && !f.buchstaben()->hauptmenueKnopf()->isEnabled();
            titel = box->windowTitle();
            QTest::mouseClick(box->okKnopf(), Qt::LeftButton);
        });
        beobachter.start();
        f.aktionen().info->trigger();
        QCOMPARE(titel, QStringLiteral("Info über Tastwerk"));
        QVERIFY(waehrenddessenPausiert);
        QVERIFY(knoepfeGesperrt);
        QVERIFY(!f.steuerung()->pausiert());
        QVERIFY(f.buchstaben()->pauseKnopf()->isEnabled());

        // A pause the learner made stays after the box.
        QTest::mouseClick(f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        QVERIFY(f.steuerung()->pausiert());
        titel.clear();
        beobachter.start();
        f.aktionen().info->trigger();
        QVERIFY(!titel.isEmpty());
        QVERIFY(f.steuerung()->pausiert());
    }

    void fokusverlustPausiertNurEineBegonneneUngepausteUebung() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        QTest::mouseClick(hauptmenueKnopf(f, QStringLiteral("&Start")), Qt::LeftButton);
        QTest::mouseClick(f.hinweis()->startknopf(), Qt::LeftButton);
        fokusAbgeben(f); // not begun yet
        QVERIFY(!f.steuerung()->pausiert());
        tippen(&f, QStringLiteral("x"));
        fokusAbgeben(f);
        QVERIFY(f.steuerung()->pausiert());
        fokusAbgeben(f); // paused already: stays paused
        QVERIFY(f.steuerung()->pausiert());
        QTest::mouseClick(f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        QVERIFY(!f.steuerung()->pausiert());
        QTest::mouseClick(f.buchstaben()->einstellungenKnopf(), Qt::LeftButton);
        fokusAbgeben(f); // settings open
        QVERIFY(!f.steuerung()->pausiert());
    }

    void schliessenPausiertEineLaufendeUebungAberSetztKeinePauseFort() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        buchstabenuebungBeginnen(t);
        {
            Meldungsantwort nein(QMessageBox::No);
            t.fenster->close();
        }
        QVERIFY(t.fenster->steuerung()->pausiert());
        {
            Meldungsantwort nein(QMessageBox::No);
            t.fenster->close();
        }
        QVERIFY(t.fenster->steuerung()->pausiert()); // a paused exercise stays paused
    }

    void hilfeZeigtInhaltUndThemaDesBildschirms() {
        Testfenster t;
        ui::Hauptfenster& f = *t.fenster;
        QCOMPARE(f.navigation().hilfekontext(), 1);
        f.aktionen().hilfe->trigger();
        QVERIFY(f.navigation().hilfefenster()->isVisible());
        QVERIFY(f.navigation().hilfefenster()->browser()->source().toString().endsWith(
            QStringLiteral("index.html")));
        t.anmelden(QStringLiteral("anna"));
        buchstabenuebungBeginnen(t);
        QCOMPARE(f.navigation().hilfekontext(), 2);
        hilfeTasteDruecken(f);
        QVERIFY(f.navigation().hilfefenster()->browser()->source().toString().endsWith(
            QStringLiteral("buchstabenuebung.html")));
    }

    void hilfeMitF1PausiertDieUebungSolangeSieVorneSteht() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        buchstabenuebungBeginnen(t);
        ui::Hauptfenster& f = *t.fenster;
        QVERIFY(!f.steuerung()->pausiert());
        hilfeTasteDruecken(f);
        QVERIFY(f.navigation().hilfefenster()->isVisible());
        QVERIFY(f.steuerung()->pausiert());
        QVERIFY(f.statusleiste()->pausentext()->isVisible());
        // Closing the help window ends the pause it made.
        QTest::keyClick(f.navigation().hilfefenster(), Qt::Key_Escape);
        QVERIFY(!f.navigation().hilfefenster()->isVisible());
        QVERIFY(!f.steuerung()->pausiert());

        // A pause the learner made stays after the help window.
        QTest::mouseClick(f.buchstaben()->pauseKnopf(), Qt::LeftButton);
        QVERIFY(f.steuerung()->pausiert());
        hilfeTasteDruecken(f);
        QVERIFY(f.navigation().hilfefenster()->isVisible());
        QTest::keyClick(f.navigation().hilfefenster(), Qt::Key_Escape);
        QVERIFY(!f.navigation().hilfefenster()->isVisible());
        QVERIFY(f.steuerung()->pausiert());
        QCOMPARE(f.buchstaben()->pauseKnopf()->text(), QStringLiteral("Pause beenden"));

        // Without a running exercise F1 pauses nothing.
        QTest::mouseClick(f.buchstaben()->hauptmenueKnopf(), Qt::LeftButton);
        hilfeTasteDruecken(f);
        QVERIFY(f.navigation().hilfefenster()->isVisible());
        QVERIFY(!f.steuerung()->pausiert());
        QTest::keyClick(f.navigation().hilfefenster(), Qt::Key_Escape);
    }

    void extrasSchreibregelnUndFingergymnastik() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        f.aktionen().extras->trigger();
        QVERIFY(f.seiten().extras->isVisible());
        QVERIFY(!f.seiten().tastatur->isVisible());
        QTest::mouseClick(f.extras()->schreibregeln(), Qt::LeftButton);
        QVERIFY(f.seiten().schreibregeln->isVisible());
        auto* text = f.seiten().schreibregeln->findChild<QPlainTextEdit*>();
        QVERIFY(text && text->isReadOnly() && !text->toPlainText().isEmpty());
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QTest::mouseClick(f.extras()->fingergymnastik(), Qt::LeftButton);
        QVERIFY(f.seiten().fingergymnastik->isVisible());
        QCOMPARE(f.seiten().fingergymnastik->title(), QStringLiteral(" \"Fingergymnastik\" "));
        QTest::mouseClick(f.extras()->eigeneTexte(), Qt::LeftButton);
        QTest::mouseClick(f.eigeneTexte()->hauptmenueKnopf(), Qt::LeftButton);
        QVERIFY(!f.seiten().extras->isVisible());
        QVERIFY(f.seiten().tastatur->isVisible());
    }

    void soundEinstellungenUndPopupBleibenImSchritt() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        QVERIFY(f.buchstaben()->popupBeiTippfehler()->isChecked()); // a new learner hears errors
        f.buchstaben()->popupBeiTippfehler()->trigger();
        QVERIFY(!t.sitzung().tonBeiTippfehler);
        QVERIFY(!f.einstellungen()->beiTippfehler()->isChecked());
        f.einstellungen()->stimme()->click();
        QVERIFY(t.sitzung().stimme);
        QVERIFY(f.buchstaben()->popupStimme()->isChecked());
    }

    void eigenerTextWirdImFensterBisZumEndeGeuebt() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        {
            FILE* f = std::fopen(t.datei("Texte/kurz.TXT").c_str(), "wb");
            std::fputs("Tür\r\nab\r\n", f);
            std::fclose(f);
        }
        ui::Hauptfenster& f = *t.fenster;
        ui::EigeneTexteSeite& e = *f.eigeneTexte();
        e.dateiOeffnen = [&](const QString&) { return QString::fromStdString(t.datei("Texte/kurz.TXT")); };
        f.extras()->eigeneTexte()->click();
        QVERIFY(e.menueRahmen()->isVisible());
        QVERIFY(!f.seiten().hauptmenue->isVisible());
        e.textUebenKnopf()->click();
        QCOMPARE(e.zaehlung()->text(), QStringLiteral("Zeilen: 2   Zeichen: 5"));
        QVERIFY(!f.aktionen().menueExtras->isEnabled());
        e.startKnopf()->click();
        QVERIFY(f.steuerung()->laeuft());
        QVERIFY(f.statusleiste()->isVisible());
        QCOMPARE(ui::entwurf(f.seiten().tastatur).y(), 600 * 5 / 13);
        Meldungsbeantworter meldungen;
        tippen(&f, QStringLiteral("Tür"));
        tasteDruecken(&f, Qt::Key_Return, QStringLiteral("\r"));
        tippen(&f, QStringLiteral("ax")); // one wrong key in correction mode
        QCOMPARE(f.statusleiste()->fehler()->text(), QStringLiteral("Fehler: 1"));
        tippen(&f, QStringLiteral("b"));
        tasteDruecken(&f, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(meldungen.titel().value(0), QStringLiteral("Textende"));
        QCOMPARE(f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 7"));
        // The keyboard screen's heatmap switch stays away from the exercise, also at its end.
        QTest::qWait(600);
        QVERIFY(!f.verlaufsanzeige().heatmap()->leiste()->isVisible());
        // Begun anew after the end, the text takes keys again.
        QTest::mouseClick(e.neuAnfangenKnopf(), Qt::LeftButton);
        tippen(&f, QStringLiteral("T"));
        QCOMPARE(f.statusleiste()->anschlaege()->text(), QStringLiteral("Anschläge: 1"));
        e.uebungHauptmenueKnopf()->click();
        QVERIFY(f.seiten().hauptmenue->isVisible());
        QVERIFY(!f.steuerung()->laeuft());
    }

    void benutzertabelleSpeichertZuerstUndVerbirgtAbAchtBenutzernDenBegruessungstext() {
        Testfenster t;
        for (int k = 1; k <= 7; ++k) {
            Benutzerdatei(t.ordner.pfad()).anmelden("B" + std::to_string(k), [&] {
                return neuerBenutzer("B" + std::to_string(k), Datum{1997, 3, 7, 6}, 800);
            });
        }
        t.anmelden(QStringLiteral("anna"));
        ui::Hauptfenster& f = *t.fenster;
        t.sitzung().lektionNr = 12;
        t.sitzung().uebungsstufe = 1;
        f.extras()->einsehen()->click();
        QVERIFY(f.seiten().benutzerdatei->isVisible());
        QVERIFY(!f.begruessungstext()->isVisible());
        auto* tabelle = f.benutzerdateiSeite()->tabelle();
        QCOMPARE(tabelle->item(7, 2)->text(), QStringLiteral("12 W")); // saved before the table was built
        f.aktionen().extras->trigger();
        QVERIFY(f.begruessungstext()->isVisible());
        f.aktionen().benutzerdaten->trigger();
        QVERIFY(f.seiten().benutzerdaten->isVisible());
        QCOMPARE(f.benutzerdatenSeite()->lektionsfeld()->text(), QStringLiteral("12 W"));
        // The timer keeps the lesson box in step with the session.
        t.sitzung().lektionNr = 13;
        t.sitzung().uebungsstufe = 0;
        QTRY_COMPARE(f.benutzerdatenSeite()->lektionsfeld()->text(), QStringLiteral("13 B"));
    }

    void tastaturSchriftfarbeWirdGespeichert() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        const auto popup = t.fenster->findChildren<QMenu*>();
        QAction* weiss = nullptr;
        for (QMenu* m : popup) {
            if (m->title() == QStringLiteral("Schriftfarbe")) {
                for (QAction* a : m->actions()) {
                    if (a->text() == QStringLiteral("weiß")) {
                        weiss = a;
                    }
                }
            }
        }
        QVERIFY(weiss);
        weiss->trigger();
        QCOMPARE(t.sitzung().tastaturschriftfarbe, 1);
        t.beenden();
        t.neuStarten();
        t.anmelden(QStringLiteral("anna"));
        QCOMPARE(t.sitzung().tastaturschriftfarbe, 1);
    }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
