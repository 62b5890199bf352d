// The finger colours stay legible on every background of the letter panel's popup: the demanded character
// is drawn in the learner's colour, with a thin outline wherever the colour alone stands out less than
// 3 : 1. Checked on the pixels the panel paints, for each background and the default finger colours.
#include "keyboard/kontrast.h"
#include "session/benutzerdatensatz.h"
#include "ui/buchstaben_seite.h"
#include "ui/farben.h"

#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::ui;

namespace {

// The colours the panel painted, with how many pixels each.
QMap<QRgb, int> farbenIm(const QImage& bild) {
    QMap<QRgb, int> zahl;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            ++zahl[bild.pixel(x, y) & 0xFFFFFF];
        }
    }
    return zahl;
}

} // namespace

class UmrissTest : public QObject {
    Q_OBJECT
private slots:
    void umrissStichtAufJedemHintergrundAb_data() {
        QTest::addColumn<uint>("hintergrund");
        QTest::addColumn<uint>("schrift");
        const char* finger[] = {"kleiner Finger", "Ringfinger", "Mittelfinger", "Zeigefinger", "Daumen"};
        for (const Hintergrundwahl& h : Hintergrundfarben) {
            for (std::size_t k = 0; k < Standardfarben.size(); ++k) {
                QTest::addRow("%s, %s", h.name, finger[k]) << uint(h.farbe) << uint(Standardfarben[k]);
            }
        }
    }
    void umrissStichtAufJedemHintergrundAb() {
        QFETCH(uint, hintergrund);
        QFETCH(uint, schrift);
        const std::optional<Farbe> umriss = umrissfarbe(schrift, hintergrund);
        const double kontrast =
            umriss ? kontrastverhaeltnis(*umriss, hintergrund) : kontrastverhaeltnis(schrift, hintergrund);
        QVERIFY2(kontrast >= Mindestkontrast, qPrintable(QString::number(kontrast)));

        // What the panel paints: the background, the character in the learner's colour itself, and the
        // outline where there must be one.
        QGroupBox rahmen;
        rahmen.resize(784, 216);
        BuchstabenSeite seite(&rahmen, Masse{}, uebungsaktionenAnlegen(&rahmen));
        seite.hintergrundSetzen(hintergrund);
        QFont gross(QStringLiteral("Times New Roman"));
        gross.setPixelSize(120);
        seite.zeichenZeigen(QStringLiteral("W"), alsQColor(schrift), gross);
        const QMap<QRgb, int> farben = farbenIm(seite.feld()->grab().toImage());
        const auto rgb = [](Farbe f) { return alsQColor(f).rgb() & 0xFFFFFF; };
        QVERIFY(farben.value(rgb(hintergrund)) > 1000);
        if (schrift != hintergrund) {
            QVERIFY2(farben.value(rgb(schrift)) > 200, "the character keeps its colour");
        }
        if (umriss && *umriss != schrift) {
            QVERIFY2(farben.value(rgb(*umriss)) > 100, "the outline is painted");
        }
    }
};

QTEST_MAIN(UmrissTest)
#include "umriss_test.moc"
