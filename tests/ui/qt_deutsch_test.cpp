// Qt's own texts are German whatever the system's language: the buttons of the closing question and of
// other message boxes, and the colour, font and file dialogs.
#include "testhilfen.h"
#include "ui/qt_deutsch.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

// The texts a dialog shows: its title, and the texts of its labels and buttons.
QStringList texteVon(QWidget* dialog) {
    QStringList texte{dialog->windowTitle()};
    for (const QLabel* l : dialog->findChildren<QLabel*>()) {
        texte << l->text();
    }
    for (const QAbstractButton* k : dialog->findChildren<QAbstractButton*>()) {
        texte << k->text();
    }
    return texte;
}

// Whether the German translation file is mapped into the process, that is, has been read.
bool qtTexteGelesen() {
    QFile karte(QStringLiteral("/proc/self/maps"));
    return karte.open(QIODevice::ReadOnly) && karte.readAll().contains("qtbase_de.qm");
}

} // namespace

class QtDeutschTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // An English system: the program's German must not depend on the locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(ui::qtTexteDeutsch(*QCoreApplication::instance()), QString());
    }

    // The translation is read when Qt first needs a text of its own, not at start: the window signs a
    // learner in and shows the main menu without it.
    void startLiestDieQtTexteNicht() {
        Testfenster t;
        t.fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.fenster.get()));
        t.anmelden(QStringLiteral("ina"));
        QVERIFY2(!qtTexteGelesen(), "qtbase_de.qm ist schon beim Start gelesen");
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tastwerk"), QStringLiteral("x"),
                        QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QVERIFY(qtTexteGelesen());
    }

    void schliessfrageBietetJaUndNein() {
        Testfenster t;
        t.anmelden(QStringLiteral("ina"));
        QStringList knoepfe;
        QString frage;
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            frage = box->text();
            for (QAbstractButton* k : box->buttons()) {
                knoepfe << k->text();
            }
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        t.fenster->close();
        QCOMPARE(frage, QStringLiteral("Tastwerk beenden ?"));
        knoepfe.sort();
        QCOMPARE(knoepfe, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QVERIFY(t.fenster->isVisible()); // "Nein" keeps the program running
    }

    void meldungsknoepfeSindDeutsch_data() {
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << int(QMessageBox::Ok) << QStringLiteral("OK");
        QTest::newRow("Abbrechen") << int(QMessageBox::Cancel) << QStringLiteral("Abbrechen");
        QTest::newRow("Ja") << int(QMessageBox::Yes) << QStringLiteral("&Ja");
        QTest::newRow("Nein") << int(QMessageBox::No) << QStringLiteral("&Nein");
        QTest::newRow("Speichern") << int(QMessageBox::Save) << QStringLiteral("Speichern");
        QTest::newRow("Schließen") << int(QMessageBox::Close) << QStringLiteral("Schließen");
    }
    void meldungsknoepfeSindDeutsch() {
        QFETCH(int, knopf);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tastwerk"), QStringLiteral("x"),
                        QMessageBox::StandardButton(knopf));
        QCOMPARE(box.button(QMessageBox::StandardButton(knopf))->text(), text);
    }

    void dialogeSindDeutsch_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("englisch");
        QTest::newRow("Farbe") << QStringLiteral("Farbe") << QStringLiteral("Farbauswahl")
                               << QStringLiteral("&Basic colors");
        QTest::newRow("Schrift") << QStringLiteral("Schrift") << QStringLiteral("Schriftart auswählen")
                                 << QStringLiteral("&Font");
        QTest::newRow("Datei") << QStringLiteral("Datei") << QStringLiteral("Öffnen")
                               << QStringLiteral("File &name:");
    }
    void dialogeSindDeutsch() {
        QFETCH(QString, dialog);
        QFETCH(QString, titel);
        QFETCH(QString, englisch);
        std::unique_ptr<QDialog> d;
        if (dialog == QStringLiteral("Farbe")) {
            d = std::make_unique<QColorDialog>();
        } else if (dialog == QStringLiteral("Schrift")) {
            d = std::make_unique<QFontDialog>();
        } else {
            auto datei = std::make_unique<QFileDialog>();
            datei->setOption(QFileDialog::DontUseNativeDialog);
            datei->setAcceptMode(QFileDialog::AcceptOpen);
            d = std::move(datei);
        }
        d->setAttribute(Qt::WA_DontShowOnScreen);
        d->show();
        const QStringList texte = texteVon(d.get());
        QVERIFY2(texte.contains(titel), qPrintable(texte.join(QLatin1Char('|'))));
        QVERIFY2(!texte.contains(englisch), qPrintable(texte.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(QtDeutschTest)
#include "qt_deutsch_test.moc"
