// Deleting a learner as a teacher does it in the main window: Extras, "einsehen", a click on the row,
// the access word, which the window's timer checks, and "Benutzer löschen"; on a real user file.
#include "testhilfen.h"

#include "platform/datei.h"
#include "session/benutzertabelle.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/extras_seite.h"

#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tastwerk;
using namespace tastwerk::ui;
using tastwerk::test::Meldungsantwort;

namespace {

std::string dateiinhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// The main window on a folder of five learners, one of them signed in, with the user table opened
// from the Extras screen as a teacher does it.
struct Lehrer {
    test::Testfenster t;
    Benutzerdatei datei{t.ordner.pfad()};
    BenutzerdateiSeite* seite;

    explicit Lehrer(const char* angemeldet = "anna") {
        for (const char* name : {"ANNA", "BERND", "CARL", "J\xDCRGEN", "EMIL"}) {
            datei.anmelden(name, [&] { return neuerBenutzer(name, Datum{1997, 3, 7, 2}, 800); });
        }
        t.anmelden(QString::fromLatin1(angemeldet));
        seite = t.fenster->benutzerdateiSeite();
        QTest::mouseClick(test::hauptmenueKnopf(*t.fenster, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(t.fenster->extras()->einsehen(), Qt::LeftButton);
        QVERIFY(seite->rahmen()->isVisible());
    }
    Sitzung& sitzung() { return t.sitzung(); }
    QString zelle(int reihe, int spalte) const {
        const QTableWidgetItem* z = seite->tabelle()->item(reihe, spalte);
        return z ? z->text() : QStringLiteral("<leer>");
    }
    void benutzerKlicken(int nr) {
        QTableWidget* tab = seite->tabelle();
        QTest::mouseClick(tab->viewport(), Qt::LeftButton, {},
                          tab->visualItemRect(tab->item(nr - 1, 1)).center());
    }
    // Types the access word; the window's timer unlocks the button.
    void zugangswortGeben() {
        QTest::keyClicks(seite->passwortfeld(), QStringLiteral("tovik"));
        QTRY_VERIFY(seite->loeschenKnopf()->isEnabled());
    }
    void loeschenKlicken() { QTest::mouseClick(seite->loeschenKnopf(), Qt::LeftButton); }
};

} // namespace

class BenutzerLoeschenTest : public QObject {
    Q_OBJECT
private slots:
    void loeschenErstMitDemZugangswort();
    void loeschenFuelltDieLueckeMitDemLetzten();
    void loeschenDesLetztenKuerztNur();
    void angemeldeterBenutzerWirdNichtGeloescht();
    void abbruchVerbirgtDasFeld();
    void dateifehlerAendernNichts();
};

void BenutzerLoeschenTest::loeschenErstMitDemZugangswort() {
    Lehrer l;
    l.benutzerKlicken(2);
    QLineEdit* passwort = l.seite->passwortfeld();
    QPushButton* knopf = l.seite->loeschenKnopf();

    for (const QString& falsch :
         {QStringLiteral("Tovik"), QStringLiteral("tovik "), QStringLiteral("tovi")}) {
        passwort->clear();
        QTest::keyClicks(passwort, falsch);
        QTest::qWait(600); // two ticks of the timer at least
        QVERIFY2(!knopf->isEnabled(), qPrintable(falsch));
    }
    passwort->clear();
    QTest::keyClicks(passwort, QStringLiteral("tovik"));
    QVERIFY(!knopf->isEnabled()); // the timer has not looked yet
    QTRY_VERIFY(knopf->isEnabled());
    // It stays enabled when the box changes, until the next selection.
    QTest::keyClick(passwort, Qt::Key_Backspace);
    QTest::qWait(600);
    QVERIFY(knopf->isEnabled());
    l.benutzerKlicken(3);
    QVERIFY(!knopf->isEnabled());

    passwort->clear();
    QTest::keyClicks(passwort, QStringLiteral("abcdefghijklmnop"));
    QCOMPARE(passwort->text(), QStringLiteral("abcdefghijkl"));
}

void BenutzerLoeschenTest::loeschenFuelltDieLueckeMitDemLetzten() {
    Lehrer l;
    l.benutzerKlicken(2);
    l.zugangswortGeben();
    l.loeschenKlicken();

    QVERIFY(l.seite->loeschfeld()->isHidden());
    const auto saetze = l.datei.alleLesen();
    QCOMPARE(saetze.size(), std::size_t(4));
    QCOMPARE(saetze[1].benutzername, std::string("EMIL"));
    QCOMPARE(std::filesystem::file_size(l.datei.pfad()), std::uintmax_t(4 * Satzlaenge));
    // The window built the table anew.
    QCOMPARE(l.seite->tabelle()->rowCount(), 4);
    QCOMPARE(l.zelle(1, 0), QStringLiteral("   2"));
    QCOMPARE(l.zelle(1, 1), QStringLiteral(" EMIL"));
    QCOMPARE(l.zelle(3, 1), QStringLiteral(" JÜRGEN"));
    QCOMPARE(l.sitzung().satzposition, 1);
    QCOMPARE(l.sitzung().datensatzpuffer, saetze[0]);
    // The button went with the panel.
    QVERIFY(!l.seite->loeschenKnopf()->isVisible());
}

void BenutzerLoeschenTest::loeschenDesLetztenKuerztNur() {
    {
        // The signed-in learner is the last: the record moves into the gap, byte for byte.
        Lehrer l("emil");
        const std::string vorher = dateiinhalt(l.datei.pfad());
        l.benutzerKlicken(4);
        l.zugangswortGeben();
        l.loeschenKlicken();
        QCOMPARE(l.sitzung().satzposition, 4);
        const std::string nachher = dateiinhalt(l.datei.pfad());
        QCOMPARE(nachher.size(), vorher.size() - Satzlaenge);
        QVERIFY(nachher.compare(0, 3 * Satzlaenge, vorher, 0, 3 * Satzlaenge) == 0);
        QCOMPARE(l.datei.alleLesen()[3].benutzername, std::string("EMIL"));
        QCOMPARE(l.zelle(3, 1), QStringLiteral(" EMIL"));
    }
    {
        // Deleting the last user only shortens the file.
        Lehrer l;
        const std::string vorher = dateiinhalt(l.datei.pfad());
        l.benutzerKlicken(5);
        l.zugangswortGeben();
        l.loeschenKlicken();
        const std::string nachher = dateiinhalt(l.datei.pfad());
        QCOMPARE(nachher.size(), 4 * Satzlaenge);
        QVERIFY(nachher.compare(Satzlaenge, 3 * Satzlaenge, vorher, Satzlaenge, 3 * Satzlaenge) == 0);
        QCOMPARE(l.seite->tabelle()->rowCount(), 4);
    }
}

void BenutzerLoeschenTest::angemeldeterBenutzerWirdNichtGeloescht() {
    Lehrer l("carl");
    const std::string vorher = dateiinhalt(l.datei.pfad());
    l.benutzerKlicken(3);
    l.zugangswortGeben();

    // Which buttons the refusal offers, seen while it is open.
    QMessageBox::StandardButtons knoepfe;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QTimer beobachter;
    beobachter.setInterval(1);
    QObject::connect(&beobachter, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            knoepfe = box->standardButtons();
            symbol = box->icon();
        }
    });
    beobachter.start();
    Meldungsantwort antwort(QMessageBox::Ok);
    l.loeschenKlicken();
    beobachter.stop();

    QVERIFY(antwort.beantwortet());
    QCOMPARE(antwort.text(), QString::fromUtf8(LoeschenVerweigert));
    QCOMPARE(antwort.text(),
             QStringLiteral("Zugriff verweigert!\n\nAktive Benutzer können nicht gelöscht werden!"));
    QCOMPARE(knoepfe, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(symbol, QMessageBox::Critical);
    QCOMPARE(dateiinhalt(l.datei.pfad()), vorher);
    QCOMPARE(l.seite->tabelle()->rowCount(), 5);
    QVERIFY(l.seite->loeschfeld()->isHidden());
    QCOMPARE(l.sitzung().satzposition, 3);
    QCOMPARE(l.sitzung().datensatzpuffer.benutzername, std::string("CARL"));
}

void BenutzerLoeschenTest::abbruchVerbirgtDasFeld() {
    Lehrer l;
    const std::string vorher = dateiinhalt(l.datei.pfad());
    l.benutzerKlicken(2);
    l.zugangswortGeben();
    QTest::mouseClick(l.seite->abbruchKnopf(), Qt::LeftButton);
    QVERIFY(l.seite->loeschfeld()->isHidden());
    QCOMPARE(dateiinhalt(l.datei.pfad()), vorher);
    // A new choice shows the panel again, with the button locked, and the access word must be typed
    // anew: it did not stay in the box for whoever sits down next.
    l.benutzerKlicken(5);
    QVERIFY(l.seite->loeschfeld()->isVisible());
    QVERIFY(l.seite->passwortfeld()->text().isEmpty());
    QTest::qWait(600);
    QVERIFY(!l.seite->loeschenKnopf()->isEnabled());
}

void BenutzerLoeschenTest::dateifehlerAendernNichts() {
    Lehrer l;
    l.benutzerKlicken(2);
    l.zugangswortGeben();
    const std::string pfad = l.datei.pfad();
    const std::string vorher = dateiinhalt(pfad);
    std::filesystem::rename(pfad, pfad + ".weg");
    {
        Meldungsantwort antwort(QMessageBox::Ok);
        l.loeschenKlicken();
        QVERIFY(antwort.beantwortet());
        QVERIFY(antwort.text().startsWith(QStringLiteral("Der Benutzer wurde nicht gelöscht")));
    }
    QVERIFY(!std::filesystem::exists(pfad));
    {
        Meldungsantwort antwort(QMessageBox::Ok);
        l.benutzerKlicken(3);
        QVERIFY(antwort.beantwortet());
        QVERIFY(antwort.text().startsWith(QStringLiteral("Die Benutzerdatei kann nicht gelesen werden.")));
    }
    QVERIFY(!l.seite->benutzerGewaehlt());
    QVERIFY(l.seite->loeschfeld()->isHidden());
    std::filesystem::rename(pfad + ".weg", pfad);
    QCOMPARE(dateiinhalt(pfad), vorher);
}

QTEST_MAIN(BenutzerLoeschenTest)
#include "benutzer_loeschen_test.moc"
