// One call switches screens: it shows the parts the screen shows, hides those it hides and leaves every
// other part as it was, whatever was shown before.
#include "ui/begruessungstext.h"
#include "ui/bildschirme.h"

#include <QtTest>

#include <map>

using namespace tastwerk::ui;

Q_DECLARE_METATYPE(Bildschirm)

namespace {

struct Flaeche {
    QWidget flaeche;
    Seiten seiten = seitenAnlegen(&flaeche, Masse{});
    Begruessungstext* begruessung = new Begruessungstext(&flaeche);
    QWidget* logo = new QWidget(&flaeche);
    QWidget* namensfeld = new QWidget(&flaeche);
    QWidget* aufforderung = new QWidget(&flaeche);
    Bildschirme bildschirme{seiten, begruessung, logo, namensfeld, aufforderung, Masse{}};

    std::map<QString, QWidget*> teile() {
        return {{"Hauptmenü", seiten.hauptmenue},
                {"Tastatur", seiten.tastatur},
                {"Einstellungen", seiten.einstellungen},
                {"Benutzerdaten", seiten.benutzerdaten},
                {"Benutzerdatei", seiten.benutzerdatei},
                {"Extras", seiten.extras},
                {"Hinweistext", seiten.hinweistext},
                {"Buchstabenübung", seiten.buchstabenuebung},
                {"Wortübung", seiten.wortuebung},
                {"Fehlerstatistik", seiten.fehlerstatistik},
                {"Fehlerraster", seiten.fehlerraster},
                {"Eigene Texte 1", seiten.eigeneTexte[0]},
                {"Eigene Texte 2", seiten.eigeneTexte[1]},
                {"Eigene Texte 3", seiten.eigeneTexte[2]},
                {"Fingergymnastik", seiten.fingergymnastik},
                {"Schreibregeln", seiten.schreibregeln},
                {"Begrüßungstext", begruessung},
                {"Logo", logo},
                {"Namensfeld", namensfeld},
                {"Namensaufforderung", aufforderung}};
    }
};

} // namespace

class BildschirmwechselTest : public QObject {
    Q_OBJECT
private slots:
    void zeigtVerbirgtUndLaesstStehen_data() {
        QTest::addColumn<Bildschirm>("bildschirm");
        QTest::addColumn<QStringList>("gezeigt");
        QTest::addColumn<QStringList>("bleibt");
        QTest::newRow("Hinweistext") << Bildschirm::Hinweistext << QStringList{"Hinweistext"}
                                     << QStringList{"Buchstabenübung", "Wortübung"};
        QTest::newRow("Hauptmenü nach einer Übung")
            << Bildschirm::Hauptmenue << QStringList{"Hauptmenü", "Tastatur", "Begrüßungstext", "Logo"}
            << QStringList{"Namensfeld", "Namensaufforderung"};
        QTest::newRow("Fehlerstatistik einer Übung")
            << Bildschirm::Uebungsstatistik << QStringList{"Fehlerstatistik"}
            << QStringList{"Hauptmenü",      "Benutzerdaten",
                           "Benutzerdatei",  "Extras",
                           "Hinweistext",    "Buchstabenübung",
                           "Wortübung",      "Fehlerraster",
                           "Eigene Texte 1", "Eigene Texte 2",
                           "Eigene Texte 3", "Fingergymnastik",
                           "Schreibregeln",  "Logo",
                           "Namensfeld",     "Namensaufforderung"};
        QTest::newRow("Benutzerdatei")
            << Bildschirm::Benutzerdatei << QStringList{"Benutzerdatei"}
            << QStringList{"Hauptmenü",       "Hinweistext",    "Wortübung",      "Fehlerstatistik",
                           "Fehlerraster",    "Eigene Texte 1", "Eigene Texte 2", "Eigene Texte 3",
                           "Fingergymnastik", "Schreibregeln",  "Begrüßungstext", "Logo"};
        QTest::newRow("Wortübung") << Bildschirm::Wortuebung << QStringList{"Tastatur", "Wortübung"}
                                   << QStringList{"Namensfeld", "Namensaufforderung"};
    }
    void zeigtVerbirgtUndLaesstStehen() {
        QFETCH(Bildschirm, bildschirm);
        QFETCH(QStringList, gezeigt);
        QFETCH(QStringList, bleibt);
        for (const bool vorher : {true, false}) {
            Flaeche f;
            f.flaeche.show();
            for (auto& [name, teil] : f.teile()) {
                teil->setVisible(vorher);
            }
            f.bildschirme.zeigen(bildschirm);
            for (auto& [name, teil] : f.teile()) {
                const bool soll = gezeigt.contains(name) || (bleibt.contains(name) && vorher);
                QVERIFY2(teil->isVisible() == soll, qPrintable(QStringLiteral("%1 %2 (vorher %3)")
                                                                   .arg(name, soll ? "verborgen" : "gezeigt",
                                                                        vorher ? "gezeigt" : "verborgen")));
            }
        }
    }

    // A screen that stands in front of another is raised above it.
    void dasVordersteTeilLiegtOben() {
        Flaeche f;
        f.flaeche.show();
        f.bildschirme.zeigen(Bildschirm::Extras);
        f.bildschirme.zeigen(Bildschirm::Schreibregeln);
        const QObjectList kinder = f.flaeche.children();
        QVERIFY(kinder.indexOf(f.seiten.schreibregeln) > kinder.indexOf(f.seiten.extras));
        QVERIFY(!f.seiten.extras->isVisible());
        QVERIFY(!f.begruessung->isVisible());
    }
};

QTEST_MAIN(BildschirmwechselTest)
#include "bildschirmwechsel_test.moc"
