// The screens "Benutzerdatei einsehen" with its deletion panel and "Benutzer- und Systemdaten": the table
// on a plain framed group, the deletion in the main window with its timer, each on a real user file in
// a temporary folder.
#include "testhilfen.h"

#include "platform/datei.h"
#include "session/benutzertabelle.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/extras_seite.h"

#include <QHeaderView>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tastwerk;
using namespace tastwerk::ui;
using tastwerk::test::Meldungsantwort;
using tastwerk::test::TempOrdner;

namespace {

struct Benutzer {
    const char* name; // Windows-1252
    int lektion;
    int stufe;
    int benutzungen;
};

// Five users; the fourth name holds a character beyond ASCII.
constexpr Benutzer Fuenf[] = {
    {"Anna", 12, 1, 5},        {"Bernd", 3, 0, 42}, {"Carl", 16, 1, 123},
    {"J\xFCrgen", 1, 0, 1000}, {"Emil", 9, 1, 0},
};

std::string dateiinhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// A frame like the main window's, with the screen on it and a user file made by signing users in.
struct Dateiaufbau {
    TempOrdner ordner;
    Benutzerdatei datei{ordner.pfad()};
    Sitzung sitzung;
    Masse masse;
    QWidget flaeche;
    QGroupBox* rahmen;
    BenutzerdateiSeite* seite;

    Dateiaufbau() {
        flaeche.resize(800, 600);
        rahmen = new QGroupBox(QStringLiteral("Benutzerdatei einsehen"), &flaeche);
        rahmen->setGeometry(8, masse.h(0.2), 784, masse.h(100, 231));
        seite = new BenutzerdateiSeite(rahmen, sitzung, datei, masse);
        flaeche.show();
        rahmen->show();
        sitzung.angemeldet = true;
        sitzung.name = "Anna";
    }

    void anlegen(const Benutzer& b) {
        datei.anmelden(b.name, [&] {
            Benutzerdatensatz s;
            s.benutzername = b.name;
            s.lektionNr = std::uint8_t(b.lektion);
            s.uebungsstufe = std::uint8_t(b.stufe);
            s.benutzungen = std::uint16_t(b.benutzungen);
            s.wochentag = 2; // Monday
            s.tag = 7;
            s.monat = 3;
            s.jahr = 1997;
            return s;
        });
    }
    void fuenfAnlegen() {
        for (const Benutzer& b : Fuenf) {
            anlegen(b);
        }
        seite->fuellen(datei.alleLesen());
    }

    QString zelle(int reihe, int spalte) const {
        const QTableWidgetItem* z = seite->tabelle()->item(reihe, spalte);
        return z ? z->text() : QStringLiteral("<leer>");
    }
    // A click on the cell of user `nr` (1-based) in column `spalte`.
    void benutzerKlicken(int nr, int spalte = 1) {
        QTableWidget* t = seite->tabelle();
        const QPoint p = t->visualItemRect(t->item(nr - 1, spalte)).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    }
};

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

class BenutzerdatenTest : public QObject {
    Q_OBJECT
private slots:
    void tabelleZeigtDieDateiInDateireihenfolge();
    void langeListeNimmtDenPlatzDesBegruessungstextes();
    void klickAufKopfzeileOderNebenDieBenutzerWaehltNichts();
    void auswahlZeigtDieRoteFrage();
    void loeschenErstMitDemZugangswort();
    void loeschenFuelltDieLueckeMitDemLetzten();
    void loeschenDesLetztenKuerztNur();
    void angemeldeterBenutzerWirdNichtGeloescht();
    void abbruchVerbirgtDasFeld();
    void dateifehlerAendernNichts();
    void benutzerdatenZeigenDieSitzung();
};

void BenutzerdatenTest::tabelleZeigtDieDateiInDateireihenfolge() {
    Dateiaufbau a;
    a.fuenfAnlegen();
    QTableWidget* t = a.seite->tabelle();
    QCOMPARE(t->columnCount(), 5);
    QCOMPARE(t->rowCount(), 5);
    const QStringList koepfe = {" Nr.", " Benutzername/ Erkennungszeichen", " Lektion", " Letzte Benutzung",
                                " Benutzt"};
    const int breiten[] = {50, 459, 60, 114, 54};
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(t->horizontalHeaderItem(k)->text(), koepfe[k]);
        QCOMPARE(t->columnWidth(k), breiten[k]);
    }
    const QStringList erwartet[] = {
        {"   1", " Anna", "12 W", " MO, 07.03.1997", "      5"},
        {"   2", " Bernd", "  3 B", " MO, 07.03.1997", "    42"},
        {"   3", " Carl", "16 W", " MO, 07.03.1997", "  123"},
        {"   4", " Jürgen", "  1 B", " MO, 07.03.1997", "1000"},
        {"   5", " Emil", "  9 W", " MO, 07.03.1997", "      0"},
    };
    for (int r = 0; r < 5; ++r) {
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(a.zelle(r, k), erwartet[r][k]);
            QVERIFY(!(t->item(r, k)->flags() & Qt::ItemIsEditable));
        }
    }
    QVERIFY(a.seite->loeschfeld()->isHidden());
    // Up to 7 users the screen and the table keep their normal height.
    QCOMPARE(a.rahmen->height(), a.masse.h(100, 231));
    QCOMPARE(t->height(), a.masse.h(100, 279));
    QVERIFY(!a.seite->mehrAlsSiebenBenutzer());
}

void BenutzerdatenTest::langeListeNimmtDenPlatzDesBegruessungstextes() {
    Dateiaufbau a;
    for (int k = 1; k <= 7; ++k) {
        a.anlegen({("Nutzer" + std::to_string(k)).c_str(), 1, 0, k});
    }
    QVERIFY(!a.seite->fuellen(a.datei.alleLesen()));
    a.anlegen({"Nutzer8", 1, 0, 8});
    QVERIFY(a.seite->fuellen(a.datei.alleLesen()));
    QVERIFY(a.seite->mehrAlsSiebenBenutzer());
    QCOMPARE(a.seite->tabelle()->rowCount(), 8);
    QCOMPARE(a.zelle(7, 0), QStringLiteral("   8"));
    QVERIFY(a.seite->tabelle()->height() > a.masse.h(100, 279));
    QVERIFY(a.rahmen->geometry().bottom() < a.masse.h(50, 77) + a.masse.h(5, 21));
    // Back to a short list, back to the normal size.
    auto saetze = a.datei.alleLesen();
    saetze.resize(3);
    QVERIFY(!a.seite->fuellen(saetze));
    QCOMPARE(a.rahmen->height(), a.masse.h(100, 231));
}

void BenutzerdatenTest::klickAufKopfzeileOderNebenDieBenutzerWaehltNichts() {
    Dateiaufbau a;
    a.fuenfAnlegen();
    QTableWidget* t = a.seite->tabelle();
    QHeaderView* kopf = t->horizontalHeader();
    const QPoint aufKopf(kopf->sectionViewportPosition(1) + 20, kopf->height() / 2);
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, aufKopf);
    QCOMPARE(a.seite->gewaehlteZeile(), 0);
    QVERIFY(!a.seite->benutzerGewaehlt());
    QVERIFY(a.seite->loeschfeld()->isHidden());

    // A valid choice first, then a click below the last user: the choice is gone with the panel.
    a.benutzerKlicken(3);
    QVERIFY(a.seite->benutzerGewaehlt());
    QVERIFY(!a.seite->loeschfeld()->isHidden());
    const QRect letzte = t->visualItemRect(t->item(4, 1));
    QVERIFY(letzte.bottom() + 10 < t->viewport()->height());
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, QPoint(letzte.center().x(), letzte.bottom() + 10));
    QCOMPARE(a.seite->gewaehlteZeile(), -1);
    QVERIFY(!a.seite->benutzerGewaehlt());
    QVERIFY(a.seite->loeschfeld()->isHidden());
    QVERIFY(t->selectedItems().isEmpty());

    // Right of the last column, on a user's row: outside the cells as well.
    const QRect rechts = t->visualItemRect(t->item(1, 4));
    QVERIFY(rechts.right() + 5 < t->viewport()->width());
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, QPoint(rechts.right() + 5, rechts.center().y()));
    QCOMPARE(a.seite->gewaehlteSpalte(), -1);
    QVERIFY(!a.seite->benutzerGewaehlt());
    QVERIFY(a.seite->loeschfeld()->isHidden());
}

void BenutzerdatenTest::auswahlZeigtDieRoteFrage() {
    Dateiaufbau a;
    a.fuenfAnlegen();
    a.benutzerKlicken(2, 3);
    QCOMPARE(a.seite->gewaehlteZeile(), 2);
    QCOMPARE(a.seite->gewaehlteSpalte(), 3);
    QVERIFY(a.seite->benutzerGewaehlt());
    QVERIFY(a.seite->loeschfeld()->isVisible());
    QCOMPARE(
        a.seite->frage()->text(),
        QStringLiteral("Möchten Sie den Benutzer Nr.2\n\" Bernd\"\n-unwiderruflich aus der Benutzerliste "
                       "löschen?"));
    QCOMPARE(a.seite->frage()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!a.seite->loeschenKnopf()->isEnabled());
    QCOMPARE(a.seite->passwortfeld()->echoMode(), QLineEdit::Password);
    QCOMPARE(a.seite->passwortfeld()->maxLength(), 12);
    // The name cell is quoted as the table shows it, umlaut included.
    a.benutzerKlicken(4, 0);
    QCOMPARE(
        a.seite->frage()->text(),
        QStringLiteral("Möchten Sie den Benutzer Nr.4\n\" Jürgen\"\n-unwiderruflich aus der Benutzerliste "
                       "löschen?"));
}

void BenutzerdatenTest::loeschenErstMitDemZugangswort() {
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

void BenutzerdatenTest::loeschenFuelltDieLueckeMitDemLetzten() {
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

void BenutzerdatenTest::loeschenDesLetztenKuerztNur() {
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

void BenutzerdatenTest::angemeldeterBenutzerWirdNichtGeloescht() {
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

void BenutzerdatenTest::abbruchVerbirgtDasFeld() {
    Lehrer l;
    const std::string vorher = dateiinhalt(l.datei.pfad());
    l.benutzerKlicken(2);
    l.zugangswortGeben();
    QTest::mouseClick(l.seite->abbruchKnopf(), Qt::LeftButton);
    QVERIFY(l.seite->loeschfeld()->isHidden());
    QCOMPARE(dateiinhalt(l.datei.pfad()), vorher);
    // A new choice shows the panel again, with the button locked.
    l.benutzerKlicken(5);
    QVERIFY(l.seite->loeschfeld()->isVisible());
    QVERIFY(!l.seite->loeschenKnopf()->isEnabled());
}

void BenutzerdatenTest::dateifehlerAendernNichts() {
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

void BenutzerdatenTest::benutzerdatenZeigenDieSitzung() {
    QWidget flaeche;
    flaeche.resize(800, 600);
    Masse m;
    auto* rahmen = new QGroupBox(QStringLiteral("Benutzer- und Systemdaten"), &flaeche);
    rahmen->setGeometry(8, m.h(0.2), 784, m.h(0.42));
    Sitzung s;
    s.name = "J\xFCrgen";
    s.lektionNr = 3;
    s.uebungsstufe = 1;
    s.wunschAnschlaege = 120;
    s.wunschFehlerrate = 2.5f;
    s.startstunde = 9;
    s.startminute = 5;
    s.sitzungszahl = 3;
    s.datensatzpuffer.wochentag = 1;
    s.datensatzpuffer.tag = 2;
    s.datensatzpuffer.monat = 3;
    s.datensatzpuffer.jahr = 1997;
    BenutzerdatenSeite seite(rahmen, s, m);
    flaeche.show();
    rahmen->show();
    seite.anzeigen(1234);

    QCOMPARE(seite.nameZeile()->text(), QStringLiteral("Benutzername/ Erkennungszeichen: Jürgen"));
    QCOMPARE(seite.lektionZeile()->text(), QStringLiteral("Lektion: 3 (Wortübung)"));
    QCOMPARE(seite.tippgeschwindigkeitZeile()->text(),
             QStringLiteral("Angestrebte Tippgeschwindigkeit: 120 Anschläge pro Minute"));
    QCOMPARE(seite.hoechstfehlerrateZeile()->text(), QStringLiteral("Angestrebte Höchstfehlerrate: 2.5 %"));
    QCOMPARE(seite.startzeitZeile()->text(), QStringLiteral("Startzeit: 09:05"));
    QCOMPARE(seite.letzteBenutzungZeile()->text(),
             QStringLiteral("Letzte Benutzung des Programmes: Sonntag, den 02.03.1997"));
    QCOMPARE(seite.benutzungenZeile()->text(), QStringLiteral("Sie haben das Programm 3\n mal benutzt."));
    // The line break is a real one: the label is two lines high.
    QVERIFY(seite.benutzungenZeile()->sizeHint().height() >=
            2 * seite.startzeitZeile()->sizeHint().height() - 2);
    QCOMPARE(seite.bildschirmZeile()->text(), QStringLiteral("800 x 600 Punkte"));
    QCOMPARE(seite.speicherZeile()->text(), QStringLiteral("1234 KByte frei."));
    QVERIFY(seite.lektionsfeld()->isReadOnly());
    QCOMPARE(seite.lektionsfeld()->text(), QStringLiteral("3 W"));

    s.lektionNr = 4;
    s.uebungsstufe = 0;
    seite.lektionsfeldAktualisieren();
    QCOMPARE(seite.lektionsfeld()->text(), QStringLiteral("4 B"));

    s.uebungsstufe = 0;
    s.sitzungszahl = 0;
    s.wunschFehlerrate = 10.0f;
    s.startstunde = 14;
    s.startminute = 30;
    s.bildschirmbreite = 1024;
    s.bildschirmhoehe = 768;
    s.datensatzpuffer.wochentag = 7;
    s.datensatzpuffer.tag = 31;
    s.datensatzpuffer.monat = 12;
    s.datensatzpuffer.jahr = 2024;
    seite.anzeigen(0);
    QCOMPARE(seite.lektionZeile()->text(), QStringLiteral("Lektion: 4 (Buchstabenübung)"));
    QCOMPARE(seite.hoechstfehlerrateZeile()->text(), QStringLiteral("Angestrebte Höchstfehlerrate: 10.0 %"));
    QCOMPARE(seite.startzeitZeile()->text(), QStringLiteral("Startzeit: 14:30"));
    QCOMPARE(seite.letzteBenutzungZeile()->text(),
             QStringLiteral("Letzte Benutzung des Programmes: Samstag, den 31.12.2024"));
    QCOMPARE(seite.benutzungenZeile()->text(), QStringLiteral("Sie benutzen das Programm zum ersten mal."));
    QCOMPARE(seite.bildschirmZeile()->text(), QStringLiteral("1024 x 768 Punkte"));
    QCOMPARE(seite.speicherZeile()->text(), QStringLiteral("0 KByte frei."));
}

QTEST_MAIN(BenutzerdatenTest)
#include "benutzerdaten_test.moc"
