// The sign-in and shutdown as a learner meets them: the name box, the first screen, the close question.
#include "testhilfen.h"

#include "session/benutzerdatei.h"
#include "ui/begruessungstext.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/leinwand.h"
#include "ui/namensfeld.h"
#include "ui/signalwaechter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QtTest>

#include <csignal>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {
std::vector<Benutzerdatensatz> gespeicherte(const Testfenster& t) {
    return Benutzerdatei(t.ordner.pfad()).alleLesen();
}
QList<QAbstractButton*> hauptmenueKnoepfe(ui::Hauptfenster& f) {
    return f.seiten().hauptmenue->findChildren<QAbstractButton*>();
}

// Answers the modal dialogs that open one after the other: a message box with its step's button, a
// folder dialog with its step's folder (an empty one cancels it). Remembers the texts of the boxes.
class Dialogfolge {
public:
    Dialogfolge() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { antworten(); });
        timer_.start();
    }
    Dialogfolge& knopf(QMessageBox::StandardButton k) {
        schritte_.push_back({k, {}, false});
        return *this;
    }
    Dialogfolge& ordner(const QString& o) {
        schritte_.push_back({QMessageBox::NoButton, o, true});
        return *this;
    }
    bool fertig() const { return schritte_.empty(); }
    QStringList texte;

private:
    struct Schritt {
        QMessageBox::StandardButton knopf;
        QString ordner;
        bool ordnerwahl;
    };
    void antworten() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || schritte_.empty()) {
            return;
        }
        const Schritt schritt = schritte_.front();
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && !schritt.ordnerwahl) {
            schritte_.pop_front();
            texte << box->text();
            box->button(schritt.knopf)->click();
        } else if (auto* wahl = qobject_cast<QFileDialog*>(modal); wahl && schritt.ordnerwahl) {
            schritte_.pop_front();
            if (schritt.ordner.isEmpty()) {
                wahl->reject();
            } else {
                wahl->setDirectory(schritt.ordner);
                static_cast<QDialog*>(wahl)->accept(); // as its "Choose" button does
            }
        }
    }
    std::deque<Schritt> schritte_;
    QTimer timer_;
};

std::string zufallsbytes(std::size_t anzahl) {
    std::mt19937 zufall(5000);
    std::string b(anzahl, '\0');
    for (char& c : b) {
        c = static_cast<char>(zufall() & 0xFF);
    }
    return b;
}

std::string dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}
} // namespace

class AnmeldungTest : public QObject {
    Q_OBJECT
private slots:
    void ersterBildschirmZeigtNurNamensaufforderungUndBegruessung() {
        Testfenster t;
        ui::Hauptfenster& f = *t.fenster;
        QCOMPARE(f.windowTitle(), QStringLiteral("Tastwerk für Windows 95"));
        QVERIFY(f.namensfeld()->isVisible());
        QCOMPARE(f.namensaufforderung()->text(), QStringLiteral("Bitte geben Sie Ihren Benutzernamen ein:"));
        QVERIFY(f.begruessungstext()->isVisible());
        QVERIFY(f.begruessungstext()->toPlainText().contains(QStringLiteral("rechten Maustaste")));
        QVERIFY(f.seiten().tastatur->isVisible());
        const auto knoepfe = hauptmenueKnoepfe(f);
        QCOMPARE(knoepfe.size(), 5);
        for (auto* k : knoepfe) {
            QVERIFY2(!k->isEnabled(), qPrintable(k->text()));
        }
        QVERIFY(!f.aktionen().menuStart->menuAction()->isEnabled());
        QVERIFY(!f.aktionen().menueExtras->isEnabled());
        QVERIFY(f.aktionen().beenden->isEnabled());
        QVERIFY(f.aktionen().hilfe->isEnabled());
        for (QGroupBox* s : {f.seiten().einstellungen, f.seiten().buchstabenuebung, f.seiten().wortuebung,
                             f.seiten().extras, f.seiten().fehlerraster, f.seiten().hinweistext}) {
            QVERIFY2(!s->isVisible(), qPrintable(s->title()));
        }
        QVERIFY(!std::filesystem::exists(t.datei("Benutzer.dat")));
    }

    void enterImLeerenNamensfeldTutNichts() {
        Testfenster t;
        tasteDruecken(t.fenster->namensfeld(), Qt::Key_Return, QStringLiteral("\r"));
        QVERIFY(!t.sitzung().angemeldet);
        QVERIFY(!std::filesystem::exists(t.datei("Benutzer.dat")));
        QVERIFY(t.fenster->namensfeld()->isVisible());
    }

    void namensfeldSchreibtGrossUndNimmtNurWasDieDateiHaltenKann() {
        Testfenster t;
        ui::Namensfeld* feld = t.fenster->namensfeld();
        tippen(feld, QStringLiteral("jürgen ÿš"));
        QCOMPARE(feld->text(), QStringLiteral("JÜRGEN ŸŠ"));
        feld->clear();
        tippen(feld, QStringLiteral("straße"));
        QCOMPARE(feld->text(), QStringLiteral("STRAßE"));
        feld->clear();
        tippen(feld, QStringLiteral("łódź"));
        QCOMPARE(feld->text(), QStringLiteral("ÓD"));
        feld->clear();
        feld->insert(QStringLiteral("anna\u0142\u20AC")); // pasted: ł is refused, € is kept
        QCOMPARE(feld->text(), QStringLiteral("ANNA€"));
        feld->clear();
        tippen(feld, QString(50, QChar('x')));
        QCOMPARE(feld->text().size(), 45);
    }

    void ersteAnmeldungLegtDenBenutzerAnUndGibtDasHauptmenueFrei() {
        Testfenster t;
        ui::Hauptfenster& f = *t.fenster;
        t.anmelden(QStringLiteral("jürgen"));

        QVERIFY(t.sitzung().angemeldet);
        QVERIFY(!f.namensfeld()->isVisible());
        QVERIFY(!f.namensfeld()->isEnabled());
        QVERIFY(!f.namensaufforderung()->isVisible());
        QVERIFY(std::filesystem::is_directory(t.datei("Texte")));
        const auto saetze = gespeicherte(t);
        QCOMPARE(saetze.size(), std::size_t(1));
        QCOMPARE(saetze[0].benutzername, std::string("J\xDCRGEN"));
        QCOMPARE(saetze[0].benutzungen, 0);
        for (auto* k : hauptmenueKnoepfe(f)) {
            QVERIFY2(k->isEnabled(), qPrintable(k->text()));
        }
        QVERIFY(f.aktionen().menuStart->menuAction()->isEnabled());
        QVERIFY(f.aktionen().menueBenutzerdaten->isEnabled());
        QVERIFY(f.aktionen().eigeneTexte->menuAction()->isEnabled());
        QVERIFY(f.aktionen().textfensterVergroessern->isEnabled());
        QVERIFY(!f.aktionen().textfensterVerkleinern->isEnabled());
        QCOMPARE(ui::entwurf(f.begruessungstext()).y(), 600 * 50 / 77);
        QCOMPARE(ui::entwurf(f.begruessungstext()).height(), 600 * 200 / 923);
        QCOMPARE(f.begruessungstext()->toolTip(),
                 QStringLiteral("Bitte klicken Sie in dieses Fenster, um es zu vergrössern"));

        // A second Enter signs in nobody else.
        tasteDruecken(f.namensfeld(), Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(gespeicherte(t).size(), std::size_t(1));
    }

    void schliessenSpeichertFragtUndNeinLaesstAllesWieEsWar() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().lektionNr = 5;
        {
            Meldungsantwort nein(QMessageBox::No);
            QVERIFY(!t.fenster->close());
            QVERIFY(nein.beantwortet());
            QCOMPARE(nein.text(), QStringLiteral("Tastwerk beenden ?"));
        }
        QVERIFY(t.fenster->isVisible());
        QCOMPARE(t.sitzung().lektionNr, 5);
        QVERIFY(t.sitzung().angemeldet);
        QCOMPARE(gespeicherte(t)[0].lektionNr, 5);
        QCOMPARE(gespeicherte(t)[0].benutzungen, 1);

        Meldungsantwort ja(QMessageBox::Yes);
        QVERIFY(t.fenster->close());
        QVERIFY(ja.beantwortet());
        QVERIFY(!t.fenster->isVisible());
    }

    void bekannterNameStelltDieEinstellungenWiederHer() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().wunschAnschlaege = 90;
        t.sitzung().tastaturlayout = Tastaturlayout::USA;
        {
            Meldungsantwort ja(QMessageBox::Yes);
            t.fenster->close();
        }
        t.neuStarten();
        t.anmelden(QStringLiteral("anna"));
        QCOMPARE(t.sitzung().sitzungszahl, 2u);
        QCOMPARE(t.sitzung().wunschAnschlaege, 90);
        QCOMPARE(t.sitzung().tastaturlayout, Tastaturlayout::USA);
        QCOMPARE(t.fenster->extras()->wiederholungsTasten()->text(),
                 QStringLiteral("a s d f  j k l ; + Leertaste"));
        QCOMPARE(gespeicherte(t).size(), std::size_t(1));
    }

    void gespeicherteWerteErscheinenInDenEinstellungen() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().wunschAnschlaege = 120;
        t.sitzung().wunschFehlerrate = 0.7f;
        t.sitzung().wiederholungsanteil = 41;
        t.sitzung().berichtigungErzwingen = 0;
        t.sitzung().tonBeiTippfehler = false;
        t.sitzung().stimme = true;
        t.sitzung().schriftarten[1] = "Courier New";
        t.sitzung().schriftstil2 = 3;
        t.beenden();
        t.neuStarten();
        t.anmelden(QStringLiteral("anna"));
        ui::EinstellungenSeite* e = t.fenster->einstellungen();
        QCOMPARE(e->anschlagRegler()->value(), 120);
        QCOMPARE(e->anschlagText()->text(), QStringLiteral("Anschläge pro Minute: 120"));
        QCOMPARE(e->fehlerRegler()->value(), 7);
        QCOMPARE(e->fehlerText()->text(), QStringLiteral("Höchste zulässige Fehlerrate: 0.7 %"));
        QCOMPARE(e->wiederholungText()->text(), QStringLiteral("Buchstaben zu 41 %"));
        QVERIFY(e->nurZaehlen()->isChecked());
        QVERIFY(!e->berichtigung()->isChecked());
        QVERIFY(!e->beiTippfehler()->isChecked());
        QVERIFY(e->stimme()->isChecked());
        QCOMPARE(e->schriftTexte()[1]->text(), QStringLiteral("Courier New"));
        QVERIFY(e->schriftTexte()[1]->font().bold());
        QVERIFY(e->schriftTexte()[1]->font().italic());
        QCOMPARE(e->schriftTexte()[0]->text(), QStringLiteral("Times New Roman"));
        // The sliders write back what they show.
        QCOMPARE(t.sitzung().wunschFehlerrate, 0.7f);

        // A new learner's defaults: 3.5 % at position 35.
        Testfenster neu;
        neu.anmelden(QStringLiteral("bernd"));
        QCOMPARE(neu.fenster->einstellungen()->fehlerRegler()->value(), 35);
        QCOMPARE(neu.fenster->einstellungen()->fehlerText()->text(),
                 QStringLiteral("Höchste zulässige Fehlerrate: 3.5 %"));
        QCOMPARE(neu.fenster->einstellungen()->anschlagRegler()->value(), 40);
    }

    void einbuchstabigerNameWirdBeimSchliessenNichtGespeichert() {
        Testfenster t;
        t.anmelden(QStringLiteral("x"));
        t.sitzung().lektionNr = 9;
        Meldungsantwort ja(QMessageBox::Yes);
        t.fenster->close();
        QVERIFY(ja.beantwortet());
        QCOMPARE(gespeicherte(t)[0].lektionNr, 1);
    }

    void fehlgeschlagenesSpeichernBeimSchliessenSagtWasVerlorenGeht() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().lektionNr = 5;
        // The user file has become a folder: the save at closing fails.
        std::filesystem::remove(t.datei("Benutzer.dat"));
        std::filesystem::create_directory(t.datei("Benutzer.dat"));
        Meldungsbeantworter meldungen; // OK to the message, Yes to the question
        t.fenster->aktionen().beenden->trigger();
        QCOMPARE(meldungen.texte().size(), 2);
        const QString meldung = meldungen.texte()[0];
        QVERIFY2(meldung.startsWith(QStringLiteral("Ihre Daten konnten nicht gespeichert werden.")),
                 qPrintable(meldung));
        QVERIFY2(meldung.contains(QStringLiteral(
                     "Wenn Sie Tastwerk jetzt beenden, geht der Lernfortschritt dieser Sitzung verloren.")),
                 qPrintable(meldung));
        QCOMPARE(meldungen.texte()[1], QStringLiteral("Tastwerk beenden ?"));
        QVERIFY(!t.fenster->isVisible());
    }

    void terminierenSpeichertOhneZuFragen() {
        Testfenster t;
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().lektionNr = 3;
        // As the program's start connects them: SIGTERM ends the program without the question.
        ui::Signalwaechter waechter;
        QObject::connect(&waechter, &ui::Signalwaechter::beendenVerlangt, t.fenster.get(),
                         &ui::Hauptfenster::beendenOhneFrage);
        Meldungsantwort keine(QMessageBox::Yes, 300);
        ::raise(SIGTERM);
        QTRY_VERIFY(!t.fenster->isVisible());
        QTest::qWait(350);
        QVERIFY(!keine.beantwortet());
        QCOMPARE(gespeicherte(t)[0].lektionNr, 3);
    }

    void fehlerBeimAnmeldenWirdGemeldetUndDasNamensfeldBleibt() {
        Testfenster t;
        std::filesystem::create_directory(t.datei("Benutzer.dat"));
        Meldungsantwort ok(QMessageBox::Ok);
        t.anmelden(QStringLiteral("anna"));
        QVERIFY(ok.beantwortet());
        QVERIFY(ok.text().contains(QStringLiteral("Benutzer.dat")));
        QVERIFY(!t.sitzung().angemeldet);
        QVERIFY(t.fenster->namensfeld()->isVisible());
        QVERIFY(t.fenster->namensfeld()->isEnabled());
    }

    void beschaedigteDateiWirdGesichertUndGemeldet() {
        Testfenster t;
        {
            // The start of a record that was never written whole: length byte and name.
            FILE* f = std::fopen(t.datei("Benutzer.dat").c_str(), "wb");
            std::fwrite("\x05KARLA", 1, 6, f);
            std::fclose(f);
        }
        Meldungsantwort ok(QMessageBox::Ok);
        t.anmelden(QStringLiteral("anna"));
        QVERIFY(ok.beantwortet());
        QVERIFY(ok.text().contains(QStringLiteral("Benutzer.dat.beschaedigt")));
        QVERIFY(t.sitzung().angemeldet);
        QCOMPARE(std::filesystem::file_size(t.datei("Benutzer.dat")), std::uintmax_t(376));
        QCOMPARE(std::filesystem::file_size(t.datei("Benutzer.dat.beschaedigt")), std::uintmax_t(6));
    }

    void fremdeDateiWirdErkanntUndBeendenLaesstSieUnberuehrt() {
        Testfenster t;
        const std::string fremd = zufallsbytes(5000);
        std::ofstream(t.datei("Benutzer.dat"), std::ios::binary) << fremd;
        Dialogfolge antworten;
        antworten.knopf(QMessageBox::Close);
        t.anmelden(QStringLiteral("anna"));
        QVERIFY(antworten.fertig());
        QCOMPARE(antworten.texte.size(), 1);
        QVERIFY(antworten.texte[0].contains(QStringLiteral("ist keine Benutzerdatei von Tastwerk")));
        QVERIFY(antworten.texte[0].contains(QString::fromStdString(t.datei("Benutzer.dat"))));
        QVERIFY(!t.sitzung().angemeldet);
        QVERIFY(!t.fenster->isVisible());
        // The file stays as it was, and nothing was put beside it.
        QVERIFY(dateiinhalt(t.datei("Benutzer.dat")) == fremd);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(t.ordner.pfad()), {}), 1);
    }

    void fremdeDateiAndererOrdnerMeldetDortAn() {
        Testfenster t;
        const std::string fremd = zufallsbytes(5000);
        std::ofstream(t.datei("Benutzer.dat"), std::ios::binary) << fremd;
        TempOrdner anderer;
        Dialogfolge antworten;
        // A cancelled folder choice asks again.
        antworten.knopf(QMessageBox::Open)
            .ordner(QString())
            .knopf(QMessageBox::Open)
            .ordner(QString::fromStdString(anderer.pfad()));
        t.anmelden(QStringLiteral("anna"));
        QVERIFY(antworten.fertig());
        QCOMPARE(antworten.texte.size(), 2);
        QVERIFY(t.sitzung().angemeldet);
        QVERIFY(t.fenster->isVisible());
        QVERIFY(t.fenster->seiten().einstellungen->isEnabled());
        QCOMPARE(t.sitzung().programmordner, anderer.pfad());
        QVERIFY(std::filesystem::is_directory(anderer.datei("Texte")));
        const auto saetze = Benutzerdatei(anderer.pfad()).alleLesen();
        QCOMPARE(saetze.size(), std::size_t(1));
        QCOMPARE(saetze[0].benutzername, std::string("ANNA"));
        QVERIFY(dateiinhalt(t.datei("Benutzer.dat")) == fremd);

        // The session is saved into the chosen folder too.
        {
            Meldungsantwort ja(QMessageBox::Yes);
            t.fenster->close();
        }
        QCOMPARE(Benutzerdatei(anderer.pfad()).alleLesen()[0].benutzungen, 1);
        QVERIFY(dateiinhalt(t.datei("Benutzer.dat")) == fremd);
    }

    void zuWenigSpeicherWirdBeimStartGemeldet() {
        Testfenster t;
        t.datentraeger.frei = 1500;
        {
            Meldungsantwort ok(QMessageBox::Ok);
            t.neuStarten();
            QTRY_VERIFY(ok.beantwortet());
            QCOMPARE(ok.text(),
                     QStringLiteral("Es ist nicht genug Speicherkapazität auf dem Datenträger vorhanden!\n\n"
                                    "Das Programm \"Tastwerk\" kann nicht fehlerfrei ausgeführt werden!"));
        }
        t.datentraeger.frei.reset(); // unreadable: no message
        Meldungsantwort keine(QMessageBox::Ok, 300);
        t.neuStarten();
        QTest::qWait(350);
        QVERIFY(!keine.beantwortet());
    }

    void schriftgroessenPassenAufBreiteBildschirme() {
        Testfenster t(QSize(1920, 1080));
        t.anmelden(QStringLiteral("anna"));
        const auto satz = gespeicherte(t)[0];
        QCOMPARE(int(satz.schriftgroessen[0]), 255);
        QCOMPARE(int(satz.schriftgroessen[1]), 1920 / 44);
    }
};

QTEST_MAIN(AnmeldungTest)
#include "anmeldung_test.moc"
