// The two places where the learner chooses the font of the own texts, the settings screen's "Schriftart..."
// and the editor's "Schriftgröße ändern", store the same font for the same answer of the font dialog, at
// every screen resolution, and both refuse a name the learner's record cannot hold.
#include "testhilfen.h"

#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/qt_deutsch.h"
#include "ui/schriften.h"

#include <QtTest>

#include <tuple>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

using Gespeichert = std::tuple<std::string, int, int>; // name, size, style of the own texts

Gespeichert eigeneTexteSchrift(Sitzung& s) {
    return {s.schriftarten[2], s.schriftgroessen[2], s.schriftstil3};
}

// A left click near the left edge, where a radio button has its circle.
void klicken(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, w->height() / 2));
}

// A learner signed in on a screen of this resolution, the own texts' font stored as given.
struct Aufbau {
    Testfenster t;
    explicit Aufbau(double dpi, std::uint8_t groesse) : t({800, 600}, dpi) {
        t.anmelden(QStringLiteral("anna"));
        t.sitzung().schriftgroessen[2] = groesse;
    }
    // "Einstellungen" with "Eigene Texte üben" chosen: the button "Schriftart...". An empty dialog
    // keeps the program's own.
    QPushButton* ueberEinstellungen(const ui::Schriftdialog& dialog) {
        QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("&Einstellungen")), Qt::LeftButton);
        ui::EinstellungenSeite& e = *t.fenster->einstellungen();
        if (dialog) {
            e.schriftWaehlen = dialog;
        }
        klicken(e.schriftZiele()[2]);
        return e.schriftartKnopf();
    }
    // "Extras", "Eigene Texte üben", "Text neu erstellen": the button "Schriftgröße ändern".
    QPushButton* ueberEditor(const ui::Schriftdialog& dialog) {
        QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("E&xtras")), Qt::LeftButton);
        QTest::mouseClick(t.fenster->extras()->eigeneTexte(), Qt::LeftButton);
        ui::EigeneTexteSeite& seite = *t.fenster->eigeneTexte();
        if (dialog) {
            seite.schriftWaehlen = dialog;
        }
        QTest::mouseClick(seite.neuErstellenKnopf(), Qt::LeftButton);
        return seite.schriftKnopf();
    }
    QPushButton* schriftknopf(bool editor, const ui::Schriftdialog& dialog = {}) {
        return editor ? ueberEditor(dialog) : ueberEinstellungen(dialog);
    }
};

QFont schrift(const QString& familie, double punkte, int pixel, bool fett, bool kursiv) {
    QFont f(familie);
    if (punkte > 0) {
        f.setPointSizeF(punkte);
    } else {
        f.setPixelSize(pixel);
    }
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

} // namespace

class SchriftwahlTest : public QObject {
    Q_OBJECT
private slots:
    // The font dialog in German, as the program shows it.
    void initTestCase() { QVERIFY(ui::qtTexteDeutsch(*qApp).isEmpty()); }

    // Each answer once through either button, with the same stored values.
    void beideKnoepfeSpeichernDieGleicheSchrift_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("bisher");
        QTest::addColumn<QFont>("antwort");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("stil");
        auto fall = [](const char* name, double dpi, int bisher, const QFont& antwort, const QString& familie,
                       int groesse, int stil) {
            for (bool editor : {false, true}) {
                QTest::addRow("%s: %s", editor ? "Editor" : "Einstellungen", name)
                    << editor << dpi << bisher << antwort << familie << groesse << stil;
            }
        };
        const QString dejavu = QStringLiteral("DejaVu Sans");
        fall("96 dpi, 20 Punkt kursiv", 96, 14, schrift(dejavu, 20, 0, false, true), dejavu, 20, 2);
        fall("96 dpi, 10.5 Punkt", 96, 14, schrift(dejavu, 10.5, 0, false, false), dejavu, 11, 0);
        fall("96 dpi, 16 Pixel", 96, 14, schrift(dejavu, 0, 16, true, false), dejavu, 12, 1);
        fall("96 dpi, zu groß", 96, 14, schrift(dejavu, 300, 0, true, true), dejavu, 255, 3);
        fall("120 dpi, 12 Punkt fett", 120, 14, schrift(dejavu, 12, 0, true, false), dejavu, 15, 1);
        fall("120 dpi, Größe wie gezeigt", 120, 16, schrift(dejavu, 12, 0, false, false), dejavu, 16, 0);
        fall("120 dpi, 16 Pixel", 120, 14, schrift(dejavu, 0, 16, false, false), dejavu, 13, 0);
        fall("144 dpi, 9 Punkt", 144, 20, schrift(dejavu, 9, 0, false, true), dejavu, 14, 2);
        fall("144 dpi, 0.5 Punkt", 144, 20, schrift(dejavu, 0.5, 0, false, false), dejavu, 1, 0);
        fall("langer Name", 96, 14,
             schrift(QStringLiteral("Eine sehr lange Schriftart mit Namen"), 12, 0, false, false),
             QStringLiteral("Eine sehr lange Schriftart mit "), 12, 0);
    }

    void beideKnoepfeSpeichernDieGleicheSchrift() {
        QFETCH(bool, editor);
        QFETCH(double, dpi);
        QFETCH(int, bisher);
        QFETCH(QFont, antwort);
        QFETCH(QString, name);
        QFETCH(int, groesse);
        QFETCH(int, stil);
        int gefragt = 0;
        const ui::Schriftdialog dialog = [&](const QFont&) -> std::optional<QFont> {
            ++gefragt;
            return antwort;
        };
        Aufbau a(dpi, std::uint8_t(bisher));
        QTest::mouseClick(a.schriftknopf(editor, dialog), Qt::LeftButton);
        QCOMPARE(gefragt, 1);
        QCOMPARE(eigeneTexteSchrift(a.t.sitzung()), Gespeichert(name.toStdString(), groesse, stil));
    }

    void okOhneAenderungLaesstDieGespeicherteSchrift_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<int>("stil");
        QTest::addColumn<int>("gezeigt");
        for (bool editor : {false, true}) {
            const char* knopf = editor ? "Editor" : "Einstellungen";
            QTest::addRow("%s: 96 dpi", knopf) << editor << 96.0 << 14 << 0 << 14;
            QTest::addRow("%s: fett", knopf) << editor << 96.0 << 14 << 1 << 14;
            QTest::addRow("%s: kursiv", knopf) << editor << 96.0 << 14 << 2 << 14;
            QTest::addRow("%s: fett kursiv", knopf) << editor << 96.0 << 14 << 3 << 14;
            // Stored sizes that a smaller one would show as large.
            QTest::addRow("%s: 120 dpi", knopf) << editor << 120.0 << 16 << 1 << 12;
            QTest::addRow("%s: 144 dpi", knopf) << editor << 144.0 << 13 << 2 << 8;
        }
    }

    void okOhneAenderungLaesstDieGespeicherteSchrift() {
        QFETCH(bool, editor);
        QFETCH(double, dpi);
        QFETCH(int, gespeichert);
        QFETCH(int, stil);
        QFETCH(int, gezeigt);
        Aufbau a(dpi, std::uint8_t(gespeichert));
        a.t.sitzung().schriftstil3 = std::uint8_t(stil);
        const Gespeichert vorher = eigeneTexteSchrift(a.t.sitzung());
        // The program's own font dialog, answered with OK as it was preset.
        QPushButton* knopf = a.schriftknopf(editor);
        const std::optional<QFont> vorgabe =
            schriftdialogMitOk([&] { QTest::mouseClick(knopf, Qt::LeftButton); });
        QVERIFY(vorgabe);
        QCOMPARE(vorgabe->pointSize(), gezeigt);
        QCOMPARE(vorgabe->bold(), stil == 1 || stil == 3);
        QCOMPARE(vorgabe->italic(), stil >= 2);
        QCOMPARE(eigeneTexteSchrift(a.t.sitzung()), vorher);
    }

    void beideKnoepfeWeisenEinenNamenOhneWindows1252Ab_data() {
        QTest::addColumn<bool>("editor");
        QTest::newRow("Einstellungen") << false;
        QTest::newRow("Editor") << true;
    }

    void beideKnoepfeWeisenEinenNamenOhneWindows1252Ab() {
        QFETCH(bool, editor);
        const QFont antwort = schrift(QStringLiteral("Łódź Sans"), 20, 0, true, true);
        const ui::Schriftdialog dialog = [&](const QFont&) { return std::optional<QFont>(antwort); };
        Aufbau a(120, 14);
        const Gespeichert vorher = eigeneTexteSchrift(a.t.sitzung());
        QPushButton* knopf = a.schriftknopf(editor, dialog);
        Meldungsantwort ok(QMessageBox::Ok);
        QTest::mouseClick(knopf, Qt::LeftButton);
        QVERIFY(ok.beantwortet());
        QVERIFY2(ok.text().contains(QStringLiteral("Łódź Sans")), qPrintable(ok.text()));
        QCOMPARE(eigeneTexteSchrift(a.t.sitzung()), vorher);
    }
};

QTEST_MAIN(SchriftwahlTest)
#include "schriftwahl_test.moc"
