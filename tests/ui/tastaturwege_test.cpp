// Ways through the main window by keyboard alone: Return presses the button that has the focus on every
// screen, but stays a keystroke while an exercise takes keys; every screen hands the focus to a control
// one can see; the menu key and Shift+F10 open the popup menus; Ctrl+Tab leaves the own-texts editor;
// the settings are walked in the order they stand. Key events only.
#include "testhilfen.h"

#include "platform/zeichensatz.h"
#include "session/benutzerdatei.h"
#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/hinweis_seite.h"
#include "ui/leinwand.h"
#include "ui/statusleiste.h"
#include "ui/uebungssteuerung.h"
#include "verlauf/lernverlauf.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

struct Angemeldet {
    Testfenster t;
    ui::Hauptfenster& f;
    Angemeldet() : f(*t.fenster) {
        Benutzerdatei datei{t.ordner.pfad()};
        for (const char* name : {"ANNA", "BERND"}) {
            datei.anmelden(name, [&] { return neuerBenutzer(name, Datum{1997, 3, 7, 2}, 800); });
        }
        t.anmelden(QStringLiteral("anna"));
        QApplication::setActiveWindow(&f);
        if (!QTest::qWaitForWindowActive(&f)) {
            qWarning("the main window did not become active");
        }
    }
    void taste(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyClick(ziel, static_cast<Qt::Key>(k), m);
    }
    // Starts lesson 1 with the keys and types its first key.
    void uebungBeginnen() {
        t.sitzung().wunschAnschlaege = 0;
        QPushButton* start = hauptmenueKnopf(f, QStringLiteral("&Start"));
        start->setFocus();
        taste(Qt::Key_Return);
        taste(Qt::Key_Return);           // the introduction's "Start"
        tippen(&f, QStringLiteral("x")); // the key that starts the exercise
        // The demanded key, so that no error sound holds back the next one.
        const Zeichen z = f.steuerung()->lauf().buchstabenuebung().anzeige().gefordert;
        tippen(&f, QString(QChar(static_cast<char16_t>(alsUnicode(z)))));
    }
    // Tab until the widget has the focus; false when a whole round of the window did not reach it.
    bool tabBis(QWidget* w) {
        for (int k = 0; k < 200 && !w->hasFocus(); ++k) {
            taste(Qt::Key_Tab);
        }
        return w->hasFocus();
    }
};

// How the learner comes to the screen with the button, by keys, and the button.
enum class Knopf {
    StartWiederholung,
    Schreibregeln,
    Einsehen,
    Fehlerstatistik,
    Fingergymnastik,
    EigeneTexte,
    Lernverlauf,
    TextNeuErstellen,
    Abbruch,
};

QPushButton* hinfuehren(Angemeldet& a, Knopf k) {
    ui::ExtrasSeite& x = *a.f.extras();
    a.taste(Qt::Key_R, Qt::AltModifier); // the menu bar's "Extras"
    switch (k) {
    case Knopf::StartWiederholung:
        return x.startWiederholung();
    case Knopf::Schreibregeln:
        return x.schreibregeln();
    case Knopf::Einsehen:
        return x.einsehen();
    case Knopf::Fehlerstatistik:
        return x.fehlerstatistik();
    case Knopf::Fingergymnastik:
        return x.fingergymnastik();
    case Knopf::EigeneTexte:
        return x.eigeneTexte();
    case Knopf::Lernverlauf:
        return x.lernverlauf();
    case Knopf::TextNeuErstellen:
        if (!a.tabBis(x.eigeneTexte())) {
            return nullptr;
        }
        a.taste(Qt::Key_Space);
        return a.f.eigeneTexte()->neuErstellenKnopf();
    case Knopf::Abbruch:
        if (!a.tabBis(x.einsehen())) {
            return nullptr;
        }
        a.taste(Qt::Key_Space);
        a.taste(Qt::Key_Down);
        a.taste(Qt::Key_Return); // the deletion panel asks for the access word
        return a.f.benutzerdateiSeite()->abbruchKnopf();
    }
    return nullptr;
}

// A control one can see and reach with Tab holds the focus, inside the part.
bool fokusSichtbarIn(QWidget* teil) {
    QWidget* fokus = QApplication::focusWidget();
    return fokus && teil && fokus->isVisible() && (fokus->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
           (fokus == teil || teil->isAncestorOf(fokus));
}

enum class Weg { NachAnmeldung, AltB, AltX, AltN, F5AusDerUebung, EinsehenMitEingabetaste };

// The popup that shows, closed after its entries are read; empty when none shows.
QStringList offenesPopup() {
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menue) {
        return {};
    }
    QStringList eintraege;
    for (QAction* a : menue->actions()) {
        eintraege << a->text();
    }
    menue->close();
    return eintraege;
}

enum class Ort { Hauptmenue, LektionDirekt, Buchstabenuebung, Tastatur, Uebungsstatistik, Begruessung };

} // namespace

Q_DECLARE_METATYPE(Knopf)
Q_DECLARE_METATYPE(Weg)
Q_DECLARE_METATYPE(Ort)

class TastaturwegeTest : public QObject {
    Q_OBJECT
private slots:
    void eingabetasteDruecktDenKnopfMitFokus_data() {
        QTest::addColumn<Knopf>("knopf");
        QTest::newRow("Start Wiederholung") << Knopf::StartWiederholung;
        QTest::newRow("Schreibregeln") << Knopf::Schreibregeln;
        QTest::newRow("einsehen") << Knopf::Einsehen;
        QTest::newRow("Fehlerstatistik") << Knopf::Fehlerstatistik;
        QTest::newRow("Fingergymnastik") << Knopf::Fingergymnastik;
        QTest::newRow("Eigene Texte üben") << Knopf::EigeneTexte;
        QTest::newRow("Lernverlauf") << Knopf::Lernverlauf;
        QTest::newRow("Text neu erstellen") << Knopf::TextNeuErstellen;
        QTest::newRow("Abbruch beim Löschen") << Knopf::Abbruch;
    }
    void eingabetasteDruecktDenKnopfMitFokus() {
        QFETCH(Knopf, knopf);
        Angemeldet a;
        Meldungsbeantworter meldungen;
        QPushButton* k = hinfuehren(a, knopf);
        QVERIFY(k && k->isVisible());
        QVERIFY(a.tabBis(k));
        QSignalSpy gedrueckt(k, &QPushButton::clicked);
        a.taste(Qt::Key_Return);
        QCOMPARE(gedrueckt.count(), 1);
        // The keypad's Enter does the same, where the button still shows.
        if (k->isVisible() && a.tabBis(k)) {
            a.taste(Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(gedrueckt.count(), 2);
        }
    }

    void eingabetasteMitUmschaltDruecktNicht() {
        Angemeldet a;
        QPushButton* k = hinfuehren(a, Knopf::Schreibregeln);
        QVERIFY(a.tabBis(k));
        QSignalSpy gedrueckt(k, &QPushButton::clicked);
        a.taste(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(gedrueckt.count(), 0);
    }

    // While the letter exercise takes keys, Return is a keystroke even where a button holds the focus.
    void eingabetasteBleibtInDerUebungEinAnschlag() {
        Angemeldet a;
        a.uebungBeginnen();
        QVERIFY(a.f.steuerung()->laeuft());
        QPushButton* pause = a.f.buchstaben()->pauseKnopf();
        pause->setFocus();
        QSignalSpy gedrueckt(pause, &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(gedrueckt.count(), 0);
        QVERIFY(!a.f.steuerung()->pausiert());
        QVERIFY(a.f.steuerung()->laeuft());
    }
    void fokusNachDemBildschirmwechsel_data() {
        QTest::addColumn<Weg>("weg");
        QTest::newRow("nach der Anmeldung") << Weg::NachAnmeldung;
        QTest::newRow("Alt+B Benutzerdaten") << Weg::AltB;
        QTest::newRow("Alt+X Extras") << Weg::AltX;
        QTest::newRow("Alt+N Einstellungen") << Weg::AltN;
        QTest::newRow("F5 aus der Übung") << Weg::F5AusDerUebung;
        QTest::newRow("einsehen mit der Eingabetaste") << Weg::EinsehenMitEingabetaste;
    }
    void fokusNachDemBildschirmwechsel() {
        QFETCH(Weg, weg);
        Angemeldet a;
        const ui::Seiten& s = a.f.seiten();
        QWidget* erwartet = nullptr;
        switch (weg) {
        case Weg::NachAnmeldung:
            QCOMPARE(QApplication::focusWidget(), hauptmenueKnopf(a.f, QStringLiteral("&Start")));
            return;
        case Weg::AltB:
            // The screen shows only figures: the focus stays on the main menu's button beside it.
            a.taste(Qt::Key_B, Qt::AltModifier);
            QTRY_VERIFY(s.benutzerdaten->isVisible());
            erwartet = s.hauptmenue;
            break;
        case Weg::AltX:
            a.taste(Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(s.extras->isVisible());
            erwartet = s.extras;
            break;
        case Weg::AltN:
            a.taste(Qt::Key_N, Qt::AltModifier);
            QTRY_VERIFY(s.einstellungen->isVisible());
            erwartet = s.einstellungen;
            break;
        case Weg::F5AusDerUebung:
            a.uebungBeginnen();
            QVERIFY(a.f.steuerung()->laeuft());
            a.taste(Qt::Key_F5);
            QVERIFY(s.hauptmenue->isVisible());
            QCOMPARE(QApplication::focusWidget(), hauptmenueKnopf(a.f, QStringLiteral("&Start")));
            return;
        case Weg::EinsehenMitEingabetaste:
            a.taste(Qt::Key_R, Qt::AltModifier);
            QVERIFY(a.tabBis(a.f.extras()->einsehen()));
            a.taste(Qt::Key_Return);
            QVERIFY(s.benutzerdatei->isVisible());
            erwartet = s.benutzerdatei;
            break;
        }
        QTRY_VERIFY2(fokusSichtbarIn(erwartet),
                     qPrintable(QApplication::focusWidget()
                                    ? QApplication::focusWidget()->metaObject()->className()
                                    : QStringLiteral("kein Fokus")));
    }

    // Tab walks controls one can see, never the client area, and comes round to where it began.
    void tabGehtNurDurchSichtbareBedienelemente() {
        Angemeldet a;
        QWidget* anfang = QApplication::focusWidget();
        QVERIFY(anfang);
        bool rund = false;
        for (int k = 0; k < 100 && !rund; ++k) {
            a.taste(Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            QVERIFY(w);
            QVERIFY2(!qobject_cast<ui::Buehne*>(w) && !qobject_cast<ui::Leinwand*>(w) && w != &a.f,
                     w->metaObject()->className());
            QVERIFY2(w->isVisible(), qPrintable(w->accessibleName()));
            rund = w == anfang;
        }
        QVERIFY(rund);
    }

    void begruessungstextZeigtDenFokus() {
        Angemeldet a;
        ui::Begruessungstext* text = a.f.begruessungstext();
        const QImage ohne = text->grab().toImage();
        QVERIFY(a.tabBis(text));
        const QImage mit = text->grab().toImage();
        QVERIFY(ohne != mit);
        a.taste(Qt::Key_Tab);
        QVERIFY(!text->hasFocus());
        QCOMPARE(text->grab().toImage(), ohne);
    }

    void kontextmenueMitTaste_data() {
        QTest::addColumn<Ort>("ort");
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("eintrag");
        const int menue = Qt::Key_Menu;
        const int f10 = (Qt::Key_F10 | Qt::SHIFT).toCombined();
        QTest::newRow("Hauptmenü, Menütaste") << Ort::Hauptmenue << menue << QStringLiteral("Start");
        QTest::newRow("Hauptmenü, Umschalt+F10") << Ort::Hauptmenue << f10 << QStringLiteral("Start");
        QTest::newRow("Lektion direkt anwählen") << Ort::LektionDirekt << f10 << QStringLiteral("start");
        QTest::newRow("Buchstabenübung beim Tippen")
            << Ort::Buchstabenuebung << menue << QStringLiteral("Hintergrundfarbe");
        QTest::newRow("Die Tastatur") << Ort::Tastatur << menue << QStringLiteral("Schriftfarbe");
        QTest::newRow("Fehlerstatistik der Übung")
            << Ort::Uebungsstatistik << f10 << QStringLiteral("Skalierung");
        QTest::newRow("Begrüßungstext") << Ort::Begruessung << menue << QStringLiteral("Alles markieren");
    }
    void kontextmenueMitTaste() {
        QFETCH(Ort, ort);
        QFETCH(int, taste);
        QFETCH(QString, eintrag);
        Angemeldet a;
        switch (ort) {
        case Ort::Hauptmenue:
            break;
        case Ort::LektionDirekt:
            a.taste(Qt::Key_R, Qt::AltModifier);
            QVERIFY(a.tabBis(a.f.extras()->direktRegler()));
            break;
        case Ort::Buchstabenuebung:
            a.uebungBeginnen();
            break;
        case Ort::Tastatur:
            a.taste(Qt::Key_I, Qt::AltModifier);
            QVERIFY(a.f.seiten().tastatur->isVisible());
            break;
        case Ort::Uebungsstatistik:
            a.uebungBeginnen();
            a.taste(Qt::Key_F4);
            QVERIFY(a.f.seiten().fehlerstatistik->isVisible());
            break;
        case Ort::Begruessung:
            QVERIFY(a.tabBis(a.f.begruessungstext()));
            break;
        }
        const QString anschlaege = a.f.statusleiste()->anschlaege()->text();
        a.taste(taste & ~Qt::KeyboardModifierMask, Qt::KeyboardModifiers(taste & Qt::KeyboardModifierMask));
        QTRY_VERIFY(QApplication::activePopupWidget());
        const QStringList eintraege = offenesPopup();
        QVERIFY2(eintraege.contains(eintrag), qPrintable(eintraege.join(QLatin1Char('|'))));
        // The key is no keystroke of the exercise.
        QCOMPARE(a.f.statusleiste()->anschlaege()->text(), anschlaege);
    }

    void eingabetasteImReglerStartetDieGewaehlteLektion() {
        Angemeldet a;
        a.taste(Qt::Key_R, Qt::AltModifier);
        QSlider* regler = a.f.extras()->direktRegler();
        QVERIFY(a.tabBis(regler));
        QSignalSpy start(a.f.extras(), &ui::ExtrasSeite::startVerlangt);
        a.taste(Qt::Key_Right);
        a.taste(Qt::Key_Return);
        QCOMPARE(start.count(), 1);
    }

    void editorVerlassenMitStrgTab_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("umschalter");
        QTest::addColumn<bool>("vorwaerts");
        QTest::newRow("Strg+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << true;
        QTest::newRow("Strg+Umschalt+Tab")
            << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("Strg+Umschalt+Tab als Tab")
            << int(Qt::Key_Tab) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    }
    void editorVerlassenMitStrgTab() {
        QFETCH(int, taste);
        QFETCH(int, umschalter);
        QFETCH(bool, vorwaerts);
        Angemeldet a;
        QPushButton* neu = hinfuehren(a, Knopf::TextNeuErstellen);
        QVERIFY(a.tabBis(neu));
        a.taste(Qt::Key_Return);
        QPlainTextEdit* editor = a.f.eigeneTexte()->editor();
        QTRY_VERIFY(editor->hasFocus());
        // Tab stays a character of the text.
        a.taste(Qt::Key_Tab);
        QVERIFY(editor->hasFocus());
        QCOMPARE(editor->toPlainText(), QStringLiteral("\t"));
        a.taste(taste, Qt::KeyboardModifiers(umschalter));
        QVERIFY(!editor->hasFocus());
        QCOMPARE(editor->toPlainText(), QStringLiteral("\t"));
        // The way back is the ordinary Tab of the control reached.
        a.taste(vorwaerts ? Qt::Key_Backtab : Qt::Key_Tab, vorwaerts ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY(editor->hasFocus());
    }

    // Tab walks the settings as they stand: the top row left to right with the column on the right top
    // to bottom, then the bottom row left to right.
    void einstellungenInDerReihenfolgeDesBildschirms() {
        Angemeldet a;
        a.taste(Qt::Key_N, Qt::AltModifier);
        QGroupBox* rahmen = a.f.seiten().einstellungen;
        QVERIFY(rahmen->isVisible());
        const auto gruppe = [&](QWidget* w) -> QString {
            for (; w && w->parentWidget() != rahmen; w = w->parentWidget()) {
            }
            auto* g = qobject_cast<QGroupBox*>(w);
            if (!g) {
                return {};
            }
            return g->title().isEmpty() ? QStringLiteral("Tastaturlayout") : g->title();
        };
        QStringList folge;
        QWidget* anfang = QApplication::focusWidget();
        for (int k = 0; k < 100; ++k) {
            const QString g = gruppe(QApplication::focusWidget());
            if (!g.isEmpty() && (folge.isEmpty() || folge.last() != g)) {
                folge << g;
            }
            a.taste(Qt::Key_Tab);
            if (QApplication::focusWidget() == anfang) {
                break;
            }
        }
        QCOMPARE(folge, (QStringList{QStringLiteral("Lernziele"), QStringLiteral("Schriftarten"),
                                     QStringLiteral("Tippfehler"), QStringLiteral("Tastaturlayout"),
                                     QStringLiteral("Farben ändern"), QStringLiteral("Sound")}));
    }
};

QTEST_MAIN(TastaturwegeTest)
#include "tastaturwege_test.moc"
