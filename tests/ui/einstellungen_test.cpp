// The settings screen as a learner uses it: the goal sliders and their popups, the finger colours, the
// check of the letter panel's background popup, and the fonts of the three exercises.
#include "testhilfen.h"

#include "ui/buchstaben_seite.h"
#include "ui/einstellungen_seite.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

QAction* eintrag(const QMenu* menue, const QString& text) {
    for (QAction* a : menue->actions()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

QStringList texte(const QMenu* menue) {
    QStringList liste;
    for (const QAction* a : menue->actions()) {
        liste << a->text();
    }
    return liste;
}

QColor knopffarbe(const QPushButton* knopf) {
    return knopf->palette().color(QPalette::Button);
}

// A left click near the left edge, where a radio button has its circle and a label its text.
void klicken(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, w->height() / 2));
}

// Answers the colour dialog while it exists as a learner does: picks the colour and presses OK, or
// cancels. Remembers the colour the dialog was opened with.
class Farbdialogantwort {
public:
    explicit Farbdialogantwort(std::optional<QColor> antwort) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, antwort] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            timer_.stop();
            vorgabe_ = dialog->currentColor();
            beantwortet_ = true;
            if (antwort) {
                dialog->setCurrentColor(*antwort);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        timer_.start();
    }
    bool beantwortet() const { return beantwortet_; }
    QColor vorgabe() const { return vorgabe_; }

private:
    QTimer timer_;
    QColor vorgabe_;
    bool beantwortet_ = false;
};

// A signed-in learner with the settings screen shown.
struct Angemeldet : Testfenster {
    Angemeldet() {
        anmelden(QStringLiteral("anna"));
        QTest::mouseClick(hauptmenueKnopf(*fenster, QStringLiteral("&Einstellungen")), Qt::LeftButton);
    }
    ui::EinstellungenSeite& e() { return *fenster->einstellungen(); }
};

} // namespace

class EinstellungenTest : public QObject {
    Q_OBJECT
private slots:
    void fehlerreglerZeigtZehntelProzent() {
        Angemeldet t;
        // A new learner's stored 3.5 % stands at position 35.
        QCOMPARE(t.e().fehlerRegler()->value(), 35);
        QCOMPARE(t.sitzung().wunschFehlerrate, 3.5f);
        t.e().fehlerRegler()->setValue(20);
        QTest::keyClick(t.e().fehlerRegler(), Qt::Key_Right);
        QCOMPARE(t.e().fehlerRegler()->value(), 21);
        QCOMPARE(t.sitzung().wunschFehlerrate, 2.1f);
        QCOMPARE(t.e().fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 2.1 %"));
        t.e().fehlerRegler()->setValue(34);
        QTest::keyClick(t.e().fehlerRegler(), Qt::Key_Right);
        QCOMPARE(t.sitzung().wunschFehlerrate, 3.5f);
        QCOMPARE(t.e().fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 3.5 %"));
        QTest::keyClick(t.e().fehlerRegler(), Qt::Key_Home);
        QCOMPARE(t.sitzung().wunschFehlerrate, 0.0f);
        QCOMPARE(t.e().fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 0.0 %"));

        // A stored rate goes back to the slider position it came from.
        t.sitzung().wunschFehlerrate = 3.5f;
        t.e().anzeigen();
        QCOMPARE(t.e().fehlerRegler()->value(), 35);
        t.sitzung().wunschFehlerrate = 2.3f;
        t.e().anzeigen();
        QCOMPARE(t.e().fehlerRegler()->value(), 23);
        QCOMPARE(t.e().fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 2.3 %"));
    }

    void wiederholungsreglerBleibtZwischen20Und50() {
        Angemeldet t;
        QSlider* r = t.e().wiederholungRegler();
        QCOMPARE(r->value(), 30);
        QTest::keyClick(r, Qt::Key_End);
        QCOMPARE(r->value(), 50);
        QTest::keyClick(r, Qt::Key_Right);
        QCOMPARE(r->value(), 50);
        QCOMPARE(t.sitzung().wiederholungsanteil, 50);
        QCOMPARE(t.e().wiederholungText()->text(), QStringLiteral("Buchstaben zu 50 %"));
        r->setValue(10);
        QCOMPARE(r->value(), 20);
        QTest::keyClick(r, Qt::Key_Left);
        QCOMPARE(t.sitzung().wiederholungsanteil, 20);
        QCOMPARE(t.e().wiederholungText()->text(), QStringLiteral("Buchstaben zu 20 %"));
    }

    void lernzielPopupSetztWertReglerUndText() {
        Angemeldet t;
        ui::EinstellungenSeite& e = t.e();
        QCOMPARE(texte(e.lernzielMenue()),
                 (QStringList{QStringLiteral("Anschläge pro Minute"), QStringLiteral("Höchste Fehlerrate")}));
        QCOMPARE(texte(e.anschlagMenue()), (QStringList{"60", "80", "100", "120", "140"}));
        QCOMPARE(texte(e.fehlerMenue()), (QStringList{"0 %", "1 %", "2 %", "3 %"}));

        // The right mouse button over a slider of the group opens the popup.
        QContextMenuEvent klick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                e.fehlerRegler()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(e.fehlerRegler(), &klick);
        QTRY_VERIFY(e.lernzielMenue()->isVisible());
        e.lernzielMenue()->close();

        eintrag(e.fehlerMenue(), QStringLiteral("2 %"))->trigger();
        QCOMPARE(t.sitzung().wunschFehlerrate, 2.0f);
        QCOMPARE(e.fehlerRegler()->value(), 20);
        QCOMPARE(e.fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 2.0 %"));
        eintrag(e.fehlerMenue(), QStringLiteral("0 %"))->trigger();
        QCOMPARE(t.sitzung().wunschFehlerrate, 0.0f);
        QCOMPARE(e.fehlerRegler()->value(), 0);
        QCOMPARE(e.fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 0.0 %"));
        eintrag(e.fehlerMenue(), QStringLiteral("3 %"))->trigger();
        QCOMPARE(t.sitzung().wunschFehlerrate, 3.0f);
        QCOMPARE(e.fehlerRegler()->value(), 30);

        eintrag(e.anschlagMenue(), QStringLiteral("120"))->trigger();
        QCOMPARE(t.sitzung().wunschAnschlaege, 120);
        QCOMPARE(e.anschlagRegler()->value(), 120);
        QCOMPARE(e.anschlagText()->text(), QStringLiteral("Anschläge pro Minute: 120"));
        eintrag(e.anschlagMenue(), QStringLiteral("60"))->trigger();
        QCOMPARE(t.sitzung().wunschAnschlaege, 60);
        QCOMPARE(e.anschlagRegler()->value(), 60);
        QCOMPARE(e.anschlagText()->text(), QStringLiteral("Anschläge pro Minute: 60"));
    }

    void fingerfarbeWieDerHintergrundWirdAbgelehnt() {
        Angemeldet t;
        ui::EinstellungenSeite& e = t.e();
        QSignalSpy geaendert(&e, &ui::EinstellungenSeite::farbenGeaendert);
        t.sitzung().hintergrundfarbe = 0x00FF0000; // blue, as the index finger's default
        {
            Farbdialogantwort blau(QColor(0, 0, 255));
            Meldungsantwort ok(QMessageBox::Ok, 10000);
            QTest::mouseClick(e.farbKnoepfe()[2], Qt::LeftButton);
            QCOMPARE(blau.vorgabe(), QColor(0x80, 0x80, 0)); // the middle finger's olive
            QVERIFY(ok.beantwortet());
            QCOMPARE(ok.text(),
                     QStringLiteral("Hintergrundfarbe = Vordergrundfarbe!\n\nBitte wählen Sie eine "
                                    "andere Farbe!"));
        }
        QCOMPARE(t.sitzung().farben[2], Farbe(0x00008080));
        QCOMPARE(knopffarbe(e.farbKnoepfe()[2]), QColor(0x80, 0x80, 0));
        QCOMPARE(geaendert.count(), 0);

        // Any other colour is taken and shown on the button.
        {
            Farbdialogantwort gruen(QColor(0, 160, 0));
            QTest::mouseClick(e.farbKnoepfe()[2], Qt::LeftButton);
            QVERIFY(gruen.beantwortet());
        }
        QCOMPARE(t.sitzung().farben[2], Farbe(0x0000A000));
        QCOMPARE(knopffarbe(e.farbKnoepfe()[2]), QColor(0, 160, 0));
        QCOMPARE(geaendert.count(), 1);

        // Cancelling the dialog keeps the colour.
        {
            Farbdialogantwort abbruch(std::nullopt);
            QTest::mouseClick(e.farbKnoepfe()[4], Qt::LeftButton);
            QVERIFY(abbruch.beantwortet());
        }
        QCOMPARE(t.sitzung().farben[4], Farbe(0x00808080));
        QCOMPARE(geaendert.count(), 1);

        // "Standardfarben" brings the five defaults back.
        t.sitzung().farben[0] = 0x00123456;
        e.standardfarbenKnopf()->click();
        QCOMPARE(t.sitzung().farben, Standardfarben);
        QCOMPARE(knopffarbe(e.farbKnoepfe()[0]), QColor(255, 0, 0));
        QCOMPARE(knopffarbe(e.farbKnoepfe()[2]), QColor(0x80, 0x80, 0));
        QCOMPARE(geaendert.count(), 2);
    }

    void farbepruefenSperrtHintergruendeDerFingerfarben() {
        Angemeldet t;
        QMenu* menue = t.fenster->buchstaben()->hintergrundMenue();
        auto frei = [&](const char* name) { return eintrag(menue, QString::fromUtf8(name))->isEnabled(); };
        std::array<Farbe, FarbgruppenAnzahl> farben = Standardfarben; // red, yellow, olive, blue, grey
        ui::Farbepruefen(menue, farben);
        QVERIFY(!frei("gelb"));
        QVERIFY(!frei("grau"));
        QVERIFY(frei("silber"));
        QVERIFY(frei("schwarz"));
        // Blue and red stay choosable although fingers carry them.
        QVERIFY(frei("blau"));
        QVERIFY(frei("rot"));
        QVERIFY(frei("weiß"));

        farben[1] = 0x00008000;
        farben[4] = 0x00000000;
        ui::Farbepruefen(menue, farben);
        QVERIFY(frei("gelb"));
        QVERIFY(frei("grau"));
        QVERIFY(!frei("schwarz"));
        farben[0] = 0x00C0C0C0;
        ui::Farbepruefen(menue, farben);
        QVERIFY(!frei("silber"));
    }

    void schriftDerWortuebungWirdAlsWindows1252MitStilGespeichert() {
        Angemeldet t;
        QSignalSpy geaendert(t.fenster->einstellungen(), &ui::EinstellungenSeite::schriftenGeaendert);
        QFont vorgabe;
        QFont antwort(QStringLiteral("Schöne Größe"));
        antwort.setPointSize(16);
        antwort.setBold(true);
        antwort.setItalic(true);
        t.e().schriftWaehlen = [&](const QFont& v) -> std::optional<QFont> {
            vorgabe = v;
            return antwort;
        };
        klicken(t.e().schriftZiele()[1]);
        QVERIFY(t.e().schriftZiele()[1]->isChecked());
        t.e().schriftartKnopf()->click();
        QCOMPARE(vorgabe.family(), QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
        QCOMPARE(vorgabe.pointSize(), 18);
        QVERIFY(vorgabe.bold());
        QVERIFY(!vorgabe.italic());
        QCOMPARE(t.sitzung().schriftarten[1], std::string("Sch\xF6ne Gr\xF6\xDF"
                                                          "e"));
        QCOMPARE(t.sitzung().schriftgroessen[1], 16);
        QCOMPARE(t.sitzung().schriftstil2, 3);
        QCOMPARE(t.sitzung().schriftstil3, 0);
        QCOMPARE(t.sitzung().schriftarten[0], std::string("Times New Roman"));
        QCOMPARE(t.e().schriftTexte()[1]->text(), QStringLiteral("Schöne Größe"));
        QVERIFY(t.e().schriftTexte()[1]->font().italic());
        QCOMPARE(geaendert.count(), 1);

        t.beenden();
        t.neuStarten();
        t.anmelden(QStringLiteral("anna"));
        QCOMPARE(t.sitzung().schriftarten[1], std::string("Sch\xF6ne Gr\xF6\xDF"
                                                          "e"));
        QCOMPARE(t.sitzung().schriftgroessen[1], 16);
        QCOMPARE(t.sitzung().schriftstil2, 3);
        QCOMPARE(t.fenster->einstellungen()->schriftTexte()[1]->text(), QStringLiteral("Schöne Größe"));
        QVERIFY(t.fenster->einstellungen()->schriftTexte()[1]->font().bold());
    }

    void schriftdialogZeigtDieGespeicherteSchriftUndOkAendertNichts_data() {
        QTest::addColumn<int>("ziel");
        QTest::addColumn<QString>("familie");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("stil");
        // A new learner's fonts at 800 x 600, and a changed word exercise font.
        QTest::newRow("Buchstabenübung") << 0 << QStringLiteral("Times New Roman") << 255 << 0;
        QTest::newRow("Wortübung") << 1 << QStringLiteral("Times New Roman") << 18 << 1;
        QTest::newRow("Eigene Texte") << 2 << QStringLiteral("Times New Roman") << 14 << 0;
        QTest::newRow("Courier New kursiv") << 1 << QStringLiteral("Courier New") << 20 << 2;
        QTest::newRow("Courier New fett kursiv") << 2 << QStringLiteral("Courier New") << 12 << 3;
    }

    void schriftdialogZeigtDieGespeicherteSchriftUndOkAendertNichts() {
        QFETCH(int, ziel);
        QFETCH(QString, familie);
        QFETCH(int, groesse);
        QFETCH(int, stil);
        Angemeldet t;
        Sitzung& s = t.sitzung();
        s.schriftarten[std::size_t(ziel)] = familie.toStdString();
        s.schriftgroessen[std::size_t(ziel)] = std::uint8_t(groesse);
        if (ziel == 1) {
            s.schriftstil2 = std::uint8_t(stil);
        } else if (ziel == 2) {
            s.schriftstil3 = std::uint8_t(stil);
        }
        const auto vorher = std::tuple(s.schriftarten, s.schriftgroessen, s.schriftstil2, s.schriftstil3);
        klicken(t.e().schriftZiele()[ziel]);
        const std::optional<QFont> gezeigt =
            schriftdialogMitOk([&] { QTest::mouseClick(t.e().schriftartKnopf(), Qt::LeftButton); });
        QVERIFY(gezeigt);
        // Where the family is not installed, the one that stands in for it (Liberation Serif or Mono).
        QCOMPARE(gezeigt->family(), QFontInfo(QFont(familie)).family());
        QCOMPARE(gezeigt->pointSize(), groesse);
        QCOMPARE(gezeigt->bold(), stil == 1 || stil == 3);
        QCOMPARE(gezeigt->italic(), stil >= 2);
        QCOMPARE(std::tuple(s.schriftarten, s.schriftgroessen, s.schriftstil2, s.schriftstil3), vorher);
    }

    void schriftnamenAusserhalbVonWindows1252WerdenAbgelehntUndLangeGekuerzt() {
        Angemeldet t;
        QSignalSpy geaendert(t.fenster->einstellungen(), &ui::EinstellungenSeite::schriftenGeaendert);
        QFont antwort(QStringLiteral("Łódź Sans"));
        antwort.setPointSize(20);
        t.e().schriftWaehlen = [&](const QFont&) { return std::optional<QFont>(antwort); };
        // A click on the own-texts font label chooses that text and opens the dialog.
        {
            Meldungsantwort ok(QMessageBox::Ok);
            klicken(t.e().schriftTexte()[2]);
            QVERIFY(ok.beantwortet());
            QVERIFY(ok.text().contains(QStringLiteral("Łódź Sans")));
        }
        QVERIFY(t.e().schriftZiele()[2]->isChecked());
        QCOMPARE(t.sitzung().schriftarten[2], std::string("Times New Roman"));
        QCOMPARE(t.sitzung().schriftgroessen[2], 14);
        QCOMPARE(geaendert.count(), 0);

        // A name longer than the record holds is cut to 31 characters; the own texts keep their style.
        antwort = QFont(QStringLiteral("Eine sehr lange Schriftart mit Namen"));
        antwort.setPointSize(300);
        antwort.setItalic(true);
        t.e().schriftartKnopf()->click();
        QCOMPARE(t.sitzung().schriftarten[2], std::string("Eine sehr lange Schriftart mit "));
        QCOMPARE(t.sitzung().schriftgroessen[2], 255);
        QCOMPARE(t.sitzung().schriftstil3, 2);
        QCOMPARE(t.sitzung().schriftstil2, 1);

        // The letter exercise takes name and size; it has no style.
        antwort = QFont(QStringLiteral("Courier New"));
        antwort.setPointSize(96);
        antwort.setBold(true);
        klicken(t.e().schriftZiele()[0]);
        QVERIFY(t.e().schriftZiele()[0]->isChecked());
        t.e().schriftartKnopf()->click();
        QCOMPARE(t.sitzung().schriftarten[0], std::string("Courier New"));
        QCOMPARE(t.sitzung().schriftgroessen[0], 96);
        QCOMPARE(t.sitzung().schriftstil2, 1);
        QCOMPARE(t.sitzung().schriftstil3, 2);
        QCOMPARE(geaendert.count(), 2);

        // Cancelling changes nothing.
        t.e().schriftWaehlen = [](const QFont&) { return std::optional<QFont>(); };
        t.e().schriftartKnopf()->click();
        QCOMPARE(t.sitzung().schriftarten[0], std::string("Courier New"));
        QCOMPARE(geaendert.count(), 2);
    }
};

QTEST_MAIN(EinstellungenTest)
#include "einstellungen_test.moc"
