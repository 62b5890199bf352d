// The authored content of the main window: the help window and its pages, the exercise pictures of
// "Fingergymnastik", the About box and the typing rules.
#include "ui/fingergymnastik.h"
#include "ui/hilfefenster.h"
#include "ui/infofenster.h"
#include "ui/schreibregeln.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace tastwerk::ui;

namespace {

// The build tree's data folder, ../share/tastwerk beside the test program as beside the program itself.
QString quellDatenordner() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tastwerk"));
}

QString lesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(datei.readAll());
}

const QString meldungOhneSeiten = QStringLiteral("Die Hilfeseiten von Tastwerk wurden nicht gefunden.");

} // namespace

class InhalteTest : public QObject {
    Q_OBJECT
private slots:
    void hilfeFindetDieSeitenImErstenOrdnerDerSieHat() {
        QTemporaryDir leer;
        Hilfefenster hilfe({leer.path(), quellDatenordner()});
        QCOMPARE(hilfe.seitenordner(), QDir(quellDatenordner()).filePath(QStringLiteral("hilfe")));
        hilfe.inhaltZeigen();
        QVERIFY(hilfe.isVisible());
        QVERIFY(!hilfe.isModal());
        QCOMPARE(hilfe.windowTitle(), QStringLiteral("Tastwerk - Hilfe"));
        QCOMPARE(hilfe.browser()->source().fileName(), QStringLiteral("index.html"));
        QVERIFY(hilfe.browser()->toPlainText().contains(QStringLiteral("Inhalt")));
        QVERIFY(!hilfe.browser()->toPlainText().contains(meldungOhneSeiten));
    }

    void hilfeZeigtDieSeiteZurKontextnummer_data() {
        QTest::addColumn<int>("kontextnummer");
        QTest::addColumn<QString>("seite");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("1 Hauptfenster") << 1 << "hauptfenster.html"
                                        << "Das Hauptfenster";
        QTest::newRow("2 Buchstabenübung") << 2 << "buchstabenuebung.html"
                                           << "Die Buchstabenübung";
        QTest::newRow("3 Wortübung") << 3 << "wortuebung.html"
                                     << "Die Wortübung";
        QTest::newRow("5 Benutzerdatei") << 5 << "benutzerdatei.html"
                                         << "Benutzerdatei einsehen";
        QTest::newRow("unbekannt") << 4 << "index.html"
                                   << "Tastwerk – Hilfe";
    }
    void hilfeZeigtDieSeiteZurKontextnummer() {
        QFETCH(int, kontextnummer);
        QFETCH(QString, seite);
        QFETCH(QString, ueberschrift);
        Hilfefenster hilfe({quellDatenordner()});
        hilfe.themaZeigen(kontextnummer);
        QVERIFY(hilfe.isVisible());
        QCOMPARE(hilfe.browser()->source().fileName(), seite);
        // the heading with its umlauts shows that the page was read as UTF-8
        QVERIFY2(hilfe.browser()->toPlainText().contains(ueberschrift),
                 qPrintable(hilfe.browser()->toPlainText().left(200)));
    }

    void hilfeGehtZurueckVorUndZumInhalt() {
        Hilfefenster hilfe({quellDatenordner()});
        auto knopf = [&](const QString& text) {
            for (auto* k : hilfe.findChildren<QPushButton*>()) {
                if (k->text() == text) {
                    return k;
                }
            }
            return static_cast<QPushButton*>(nullptr);
        };
        QPushButton* zurueck = knopf(QStringLiteral("&Zurück"));
        QPushButton* vor = knopf(QStringLiteral("&Vor"));
        QPushButton* inhalt = knopf(QStringLiteral("&Inhalt"));
        QVERIFY(zurueck && vor && inhalt);
        hilfe.themaZeigen(2);
        QVERIFY(!zurueck->isEnabled());
        hilfe.themaZeigen(3);
        QVERIFY(zurueck->isEnabled());
        QVERIFY(!vor->isEnabled());
        QTest::mouseClick(zurueck, Qt::LeftButton);
        QCOMPARE(hilfe.browser()->source().fileName(), QStringLiteral("buchstabenuebung.html"));
        QVERIFY(vor->isEnabled());
        QTest::mouseClick(inhalt, Qt::LeftButton);
        QCOMPARE(hilfe.browser()->source().fileName(), QStringLiteral("index.html"));
    }

    void hilfeOhneSeitenSagtDasUndNenntDenOrt() {
        QTemporaryDir leer;
        Hilfefenster hilfe({leer.path()});
        QVERIFY(hilfe.seitenordner().isEmpty());
        for (int kontextnummer : {0, 1, 2, 3, 5}) {
            if (kontextnummer == 0) {
                hilfe.inhaltZeigen();
            } else {
                hilfe.themaZeigen(kontextnummer);
            }
            const QString text = hilfe.browser()->toPlainText();
            QVERIFY2(text.contains(meldungOhneSeiten), qPrintable(text));
            QVERIFY(text.contains(QDir(leer.path()).filePath(QStringLiteral("hilfe/index.html"))));
        }
        Hilfefenster ohneOrdner({});
        ohneOrdner.inhaltZeigen();
        QVERIFY(ohneOrdner.browser()->toPlainText().contains(meldungOhneSeiten));
    }

    // Every link of every page leads to a page (and anchor) that exists, and every page can be reached
    // from the contents.
    void hilfeseitenSindVollstaendigVerbunden() {
        const QDir hilfe(QDir(quellDatenordner()).filePath(QStringLiteral("hilfe")));
        const QStringList seiten = hilfe.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(seiten.contains(QStringLiteral("index.html")));
        for (int k : {1, 2, 3, 5}) {
            QVERIFY(seiten.contains(Hilfefenster::themenseite(k)));
        }
        const QRegularExpression verweis(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
        QSet<QString> erreicht{QStringLiteral("index.html")};
        QStringList offen{QStringLiteral("index.html")};
        while (!offen.isEmpty()) {
            const QString seite = offen.takeFirst();
            const QString inhalt = lesen(hilfe.filePath(seite));
            QVERIFY2(inhalt.contains(QStringLiteral("charset=utf-8")), qPrintable(seite));
            QVERIFY2(inhalt.contains(QStringLiteral("<title>")), qPrintable(seite));
            for (auto it = verweis.globalMatch(inhalt); it.hasNext();) {
                const auto treffer = it.next();
                const QString ziel = treffer.captured(1).isEmpty() ? seite : treffer.captured(1);
                QVERIFY2(seiten.contains(ziel), qPrintable(seite + QStringLiteral(" -> ") + ziel));
                if (!treffer.captured(2).isEmpty()) {
                    const QString anker = QStringLiteral("name=\"%1\"").arg(treffer.captured(2));
                    QVERIFY2(lesen(hilfe.filePath(ziel)).contains(anker),
                             qPrintable(seite + QStringLiteral(" -> ") + treffer.captured(0)));
                }
                if (!erreicht.contains(ziel)) {
                    erreicht.insert(ziel);
                    offen.append(ziel);
                }
            }
        }
        for (const QString& seite : seiten) {
            QVERIFY2(erreicht.contains(seite), qPrintable(seite));
        }
    }

    void fingergymnastikHatFuenfBilderMitIhrenUnterschriften() {
        const QStringList erwartet{
            QStringLiteral("Bild 1: Spreizen Sie die Finger auseinander."),
            QStringLiteral("Bild 2: Lassen Sie Ihr Handgelenk drehen/ kreisen."),
            QStringLiteral("Bild 3: Drücken Sie die Fingerspitzen beider Hände zusammen."),
            QStringLiteral("Bild 4: Machen Sie eine \"Faust\"."),
            QStringLiteral("Bild 5: Falten Sie Ihre Hände zusammen."),
        };
        std::unique_ptr<QWidget> inhalt(fingergymnastikInhalt(nullptr));
        const auto bilder = inhalt->findChildren<FingergymnastikBild*>();
        QCOMPARE(bilder.size(), 5);
        QStringList unterschriften;
        QSet<QString> namen;
        for (int n = 1; n <= 5; ++n) {
            auto* label = inhalt->findChild<QLabel*>(QStringLiteral("fingergymnastikUnterschrift%1").arg(n));
            QVERIFY(label);
            unterschriften << label->text();
            auto* bild =
                inhalt->findChild<FingergymnastikBild*>(QStringLiteral("fingergymnastikBild%1").arg(n));
            QVERIFY(bild);
            QCOMPARE(bild->nummer(), n);
            QVERIFY(!bild->accessibleName().isEmpty());
            namen.insert(bild->accessibleName());
        }
        QCOMPARE(unterschriften, erwartet);
        QCOMPARE(namen.size(), 5);
    }

    // Each picture draws a hand of its own: something besides the white card, and no two alike.
    void fingergymnastikBilderSindGezeichnetUndVerschieden() {
        QList<QImage> bilder;
        for (int n = 1; n <= 5; ++n) {
            QImage bild(200, 160, QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter maler(&bild);
            fingergymnastikZeichnen(maler, QRectF(0, 0, 200, 160), n);
            maler.end();
            int farbig = 0;
            for (int y = 10; y < 150; ++y) {
                for (int x = 10; x < 190; ++x) {
                    farbig += bild.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
                }
            }
            QVERIFY2(farbig > 2000, qPrintable(QString::number(n)));
            for (const QImage& frueher : bilder) {
                QVERIFY(frueher != bild);
            }
            bilder << bild;
        }
    }

    void infofensterZeigtNameVersionUndDatumUndSchliesstMitOk() {
        Infofenster info;
        QCOMPARE(info.windowTitle(), QStringLiteral("Info über Tastwerk"));
        QStringList texte;
        for (auto* label : info.findChildren<QLabel*>()) {
            texte << label->text();
        }
        for (const char* text : {"Tastwerk", "für Windows 95/ NT", "Version 2.7", "Juli 1997"}) {
            QVERIFY2(texte.contains(QString::fromUtf8(text)), text);
        }
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        const QRect schirm = info.screen()->availableGeometry();
        QVERIFY(std::abs(info.frameGeometry().center().x() - schirm.center().x()) <= 2);
        QVERIFY(std::abs(info.frameGeometry().center().y() - schirm.center().y()) <= 2);
        QTest::mouseClick(info.okKnopf(), Qt::LeftButton);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));
    }

    void schreibregelnPassenInAchtundsiebzigSpalten() {
        const QString text = schreibregelnText();
        QVERIFY(text.contains(QStringLiteral("Die wichtigsten Schreibregeln")));
        const QStringList zeilen = text.split(QLatin1Char('\n'));
        QVERIFY(zeilen.size() > 40);
        for (const QString& zeile : zeilen) {
            QVERIFY2(zeile.size() <= 78, qPrintable(zeile));
            QVERIFY2(!zeile.contains(QLatin1Char('\t')), qPrintable(zeile));
            QVERIFY2(!zeile.endsWith(QLatin1Char(' ')), qPrintable(zeile));
        }
    }
};

QTEST_MAIN(InhalteTest)
#include "inhalte_test.moc"
