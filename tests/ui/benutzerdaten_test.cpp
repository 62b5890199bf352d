// The screens "Benutzerdatei einsehen" and "Benutzer- und Systemdaten", each on a plain framed group,
// with a real user file in a temporary folder. The deletion is tested in the main window
// (benutzer_loeschen_test.cpp).
#include "testhilfen.h"

#include "platform/datei.h"
#include "session/benutzertabelle.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"

#include <QHeaderView>
#include <QTest>

using namespace tastwerk;
using namespace tastwerk::ui;
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

} // namespace

class BenutzerdatenTest : public QObject {
    Q_OBJECT
private slots:
    void tabelleZeigtDieDateiInDateireihenfolge();
    void langeListeNimmtDenPlatzDesBegruessungstextes();
    void klickAufKopfzeileOderNebenDieBenutzerWaehltNichts();
    void auswahlZeigtDieRoteFrage();
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

    // The window's timer keeps the lesson box current (navigation_test); shown anew, it follows too.
    s.lektionNr = 4;
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
    QCOMPARE(seite.lektionsfeld()->text(), QStringLiteral("4 B"));
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
