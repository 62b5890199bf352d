// The learner's history window and the teacher's class overview, used with the mouse and the keyboard.
#include "testhilfen.h"

#include "session/benutzerdatei.h"
#include "ui/klassenuebersicht_fenster.h"
#include "ui/lernverlauf_fenster.h"
#include "ui/verlaufsdiagramm.h"
#include "verlauf/lernverlauf.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tastwerk;

namespace {

Uebungseintrag uebung(const std::string& name, int lektion, const std::string& tag, double tempo,
                      double quote) {
    Uebungseintrag e;
    e.name = name;
    e.beginn = tag + " 10:00:00";
    e.ende = tag + " 10:05:00";
    e.lektion = lektion;
    e.anschlaege = 300;
    e.sekunden = 300;
    e.tempo = tempo;
    e.fehlerquote = quote;
    e.zeichen = {{'a', 40, 1}, {'j', 20, 5}, {' ', 50, 0}};
    return e;
}

// Answers the next file dialog as a user who takes the file name it proposes: Return in its name box.
void dateidialogBestaetigen() {
    auto* timer = new QTimer;
    auto gedrueckt = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, gedrueckt] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (*gedrueckt) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name && name->isVisible() && !*gedrueckt) {
            *gedrueckt = true;
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    timer->start(50);
}

QPushButton* knopf(QWidget* fenster, const QString& text) {
    for (auto* k : fenster->findChildren<QPushButton*>()) {
        if (k->text() == text) {
            return k;
        }
    }
    return nullptr;
}

} // namespace

class LernverlaufTest : public QObject {
    Q_OBJECT
private slots:
    void verlaufZeigtAlleOderEineLektion() {
        test::TempOrdner ordner;
        Lernverlauf verlauf(ordner.pfad());
        verlauf.eintragen(
            {uebung("J\xDCRGEN", 1, "2026-12-01", 80, 4), uebung("J\xDCRGEN", 1, "2026-12-02", 95, 3),
             uebung("J\xDCRGEN", 2, "2026-12-07", 120, 2), uebung("ANNA", 2, "2026-12-07", 200, 1)});
        ui::LernverlaufFenster fenster(verlauf);
        fenster.zeigen("J\xDCRGEN", 100, 3.5, {2026, 12, 8, 3});
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));

        QCOMPARE(fenster.diagramm()->punkte().size(), 3u);
        QCOMPARE(fenster.bestesTempo()->text(),
                 QStringLiteral("Beste Geschwindigkeit: 120 Anschläge pro Minute (Lernziel: 100)"));
        QCOMPARE(fenster.uebungszeit()->text(), QStringLiteral("Übungen: 3, Übungszeit insgesamt: 15 Min."));
        QCOMPARE(fenster.schwaechen()->text(), QStringLiteral("Schwächste Zeichen: „j“ 25.0 %, „a“ 2.5 %"));
        QVERIFY(fenster.windowTitle().contains(QStringLiteral("Lernverlauf")));

        // The lesson is chosen with the keyboard: one step down is lesson 1.
        fenster.lektionswahl()->setFocus();
        QTest::keyClick(fenster.lektionswahl(), Qt::Key_Down);
        QCOMPARE(fenster.lektionswahl()->currentText(), QStringLiteral("Lektion 1"));
        QCOMPARE(fenster.diagramm()->punkte().size(), 2u);
        QCOMPARE(fenster.bestesTempo()->text(),
                 QStringLiteral("Beste Geschwindigkeit: 95 Anschläge pro Minute (Lernziel: 100)"));
        QTest::keyClick(fenster.lektionswahl(), Qt::Key_Down);
        QCOMPARE(fenster.diagramm()->punkte().size(), 1u);
        QTest::keyClick(fenster.lektionswahl(), Qt::Key_Down);
        QCOMPARE(fenster.diagramm()->punkte().size(), 0u);
        QVERIFY(fenster.diagramm()->accessibleDescription().contains(QStringLiteral("Noch keine")));
    }

    void diagrammSkalaUmfasstWerteUndLernziel() {
        ui::Verlaufsdiagramm d;
        d.setzen({{80, 12, false}, {130, 1, true}}, 150, 3.5);
        QCOMPARE(d.tempoSkala(), 200.0);
        QCOMPARE(d.fehlerSkala(), 20.0);
        QCOMPARE(ui::runderSkalenwert(0.7), 1.0);
        QCOMPARE(ui::runderSkalenwert(101), 200.0);
        QCOMPARE(ui::runderSkalenwert(500), 500.0);
    }

    void klassenuebersichtSortiertUndSpeichertCsv() {
        test::TempOrdner ordner;
        Benutzerdatei datei(ordner.pfad());
        for (const char* name : {"ANNA", "J\xDCRGEN", "BEA"}) {
            datei.anmelden(name, [&] { return neuerBenutzer(name, {2026, 12, 8, 3}, 800); });
        }
        Lernverlauf verlauf(ordner.pfad());
        verlauf.eintragen({uebung("ANNA", 1, "2026-12-01", 150, 4),
                           uebung("J\xDCRGEN", 1, "2026-12-02", 95, 3),
                           uebung("BEA", 1, "2026-12-02", 210, 3)});

        ui::KlassenuebersichtFenster fenster(ordner.pfad());
        fenster.zeigen();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QTableWidget* t = fenster.tabelle();
        QCOMPARE(t->rowCount(), 3);
        // Sorted by name when it opens.
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("ANNA"));
        QCOMPARE(t->item(2, 0)->text(), QStringLiteral("JÜRGEN"));
        QCOMPARE(t->item(2, 1)->text(), QStringLiteral("1 B"));
        QCOMPARE(t->item(2, 6)->text(), QStringLiteral("95"));

        // A click on the speed column's header sorts by speed, as numbers (95 below 150).
        QHeaderView* kopf = t->horizontalHeader();
        const QPoint mitte(kopf->sectionViewportPosition(6) + kopf->sectionSize(6) / 2, kopf->height() / 2);
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, mitte);
        QStringList namen;
        for (int r = 0; r < 3; ++r) {
            namen << t->item(r, 0)->text();
        }
        const bool aufsteigend = namen == QStringList{"JÜRGEN", "ANNA", "BEA"};
        const bool absteigend = namen == QStringList{"BEA", "ANNA", "JÜRGEN"};
        QVERIFY2(aufsteigend || absteigend, qPrintable(namen.join(',')));

        // The dialogs propose files in the class folder.
        const QString ziel = QString::fromStdString(ordner.datei("Klassenuebersicht.csv"));
        dateidialogBestaetigen();
        QTest::mouseClick(knopf(&fenster, QStringLiteral("Als &CSV speichern …")), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(ziel));
        QFile f(ziel);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray csv = f.readAll();
        QVERIFY(csv.startsWith("\xEF\xBB\xBFName;Lektion;"));
        QVERIFY(csv.contains("J\xC3\x9CRGEN;1;B;0;1;5,0;08.12.2026;95,0;3,00;;\r\n"));

        const QString pdf = QString::fromStdString(ordner.datei("Klassenuebersicht.pdf"));
        dateidialogBestaetigen();
        QTest::mouseClick(knopf(&fenster, QStringLiteral("Als &PDF speichern …")), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(pdf));
        QFile p(pdf);
        QVERIFY(p.open(QIODevice::ReadOnly));
        QVERIFY(p.read(5) == "%PDF-");
    }
};

QTEST_MAIN(LernverlaufTest)
#include "lernverlauf_test.moc"
