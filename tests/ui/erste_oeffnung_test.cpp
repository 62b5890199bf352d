// Screens made when they are first opened: nothing of them is made at start, and a screen first opened
// on a scaled canvas looks exactly as one made at the design scale and scaled afterwards; its controls take
// the keys and the mouse at once.
#include "testhilfen.h"

#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/fehlerraster.h"
#include "ui/hauptfenster.h"
#include "ui/hinweis_seite.h"
#include "ui/leinwand.h"
#include "ui/statistik_seite.h"
#include "ui/wort_seite.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QtTest>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

enum class Weg {
    Einstellungen,
    Extras,
    Benutzerdaten,
    EigeneTexte,
    Gesamtstatistik,
    Lektion,
    Buchstabenuebung
};

// Opens the screen the way a learner does.
void oeffnen(ui::Hauptfenster& f, Weg weg) {
    const auto klicken = [](QAbstractButton* k) { QTest::mouseClick(k, Qt::LeftButton); };
    switch (weg) {
    case Weg::Einstellungen:
        klicken(hauptmenueKnopf(f, QStringLiteral("&Einstellungen")));
        break;
    case Weg::Extras:
        klicken(hauptmenueKnopf(f, QStringLiteral("E&xtras")));
        break;
    case Weg::Benutzerdaten:
        klicken(hauptmenueKnopf(f, QStringLiteral("&Benutzerdaten")));
        break;
    case Weg::EigeneTexte:
        klicken(hauptmenueKnopf(f, QStringLiteral("E&xtras")));
        klicken(f.extras()->eigeneTexte());
        break;
    case Weg::Gesamtstatistik:
        klicken(hauptmenueKnopf(f, QStringLiteral("E&xtras")));
        klicken(f.extras()->fehlerstatistik());
        break;
    case Weg::Lektion:
        klicken(hauptmenueKnopf(f, QStringLiteral("&Start")));
        break;
    case Weg::Buchstabenuebung:
        klicken(hauptmenueKnopf(f, QStringLiteral("&Start")));
        klicken(f.hinweis()->startknopf());
        tippen(&f, QStringLiteral("a"));
        break;
    }
    QCoreApplication::processEvents();
}

// The screen's groups.
QList<QWidget*> gruppen(const ui::Seiten& s, Weg weg) {
    switch (weg) {
    case Weg::Einstellungen:
        return {s.einstellungen};
    case Weg::Extras:
        return {s.extras};
    case Weg::Benutzerdaten:
        return {s.benutzerdaten};
    case Weg::EigeneTexte:
        return {s.eigeneTexte[0], s.eigeneTexte[1], s.eigeneTexte[2]};
    case Weg::Gesamtstatistik:
        return {s.fehlerraster, s.fehlerstatistik};
    case Weg::Lektion:
        return {s.hinweistext};
    case Weg::Buchstabenuebung:
        return {s.buchstabenuebung};
    }
    return {};
}

// Every widget of the groups: place in the window, size and font size.
QStringList bild(ui::Hauptfenster& f, const QList<QWidget*>& gruppen) {
    QStringList zeilen;
    for (QWidget* g : gruppen) {
        QList<QWidget*> alle{g};
        alle += g->findChildren<QWidget*>();
        for (QWidget* w : alle) {
            const QRect r(w->mapTo(&f, QPoint(0, 0)), w->size());
            zeilen << QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8")
                          .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height())
                          .arg(w->font().pointSizeF())
                          .arg(w->isVisibleTo(&f));
        }
    }
    return zeilen;
}

// A window whose canvas shows the design at scale 1, so that what is made on it is made as at the design.
void aufEntwurfsgroesse(ui::Hauptfenster& f) {
    for (int k = 0; k < 3; ++k) {
        const QSize buehne = f.buehne()->size();
        f.resize(f.width() + ui::Leinwand::Breite - buehne.width(),
                 f.height() + ui::Leinwand::Hoehe - buehne.height());
        QCoreApplication::processEvents();
    }
}

} // namespace

Q_DECLARE_METATYPE(Weg)

class ErsteOeffnungTest : public QObject {
    Q_OBJECT

private slots:
    // The start makes only what the first screen shows, and the sign-in no exercise screen.
    void amStartIstNurDerErsteBildschirmGebaut() {
        Testfenster t;
        const ui::Seitenbau& bau = t.fenster->seitenbau();
        QVERIFY(!bau.schonGebaut<ui::EinstellungenSeite>());
        QVERIFY(!bau.schonGebaut<ui::ExtrasSeite>());
        QVERIFY(!bau.schonGebaut<ui::HinweisSeite>());
        QVERIFY(!bau.schonGebaut<ui::BuchstabenSeite>());
        QVERIFY(!bau.schonGebaut<ui::WortSeite>());
        QVERIFY(!bau.schonGebaut<ui::EigeneTexteSeite>());
        QVERIFY(!bau.schonGebaut<ui::BenutzerdatenSeite>());
        QVERIFY(!bau.schonGebaut<ui::BenutzerdateiSeite>());
        QVERIFY(!bau.schonGebaut<ui::StatistikSeite>());
        QVERIFY(!bau.schonGebaut<ui::Fehlerraster>());
        // Some timer ticks later, still nothing more.
        QTest::qWait(600);
        QVERIFY(!bau.schonGebaut<ui::ExtrasSeite>());
        QVERIFY(!bau.schonGebaut<ui::BenutzerdateiSeite>());
        QVERIFY(!bau.schonGebaut<ui::BenutzerdatenSeite>());
        // Keys in the name box and the sign-in make none of the exercise screens.
        t.anmelden(QStringLiteral("Erika"));
        QVERIFY(t.sitzung().angemeldet);
        QVERIFY(!bau.schonGebaut<ui::BuchstabenSeite>());
        QVERIFY(!bau.schonGebaut<ui::WortSeite>());
        QVERIFY(!bau.schonGebaut<ui::EigeneTexteSeite>());
        QVERIFY(!bau.schonGebaut<ui::HinweisSeite>());
    }

    void wieAmEntwurfGebaut_data() {
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<Weg>("weg");
        const std::pair<const char*, Weg> wege[] = {
            {"Einstellungen", Weg::Einstellungen},     {"Extras", Weg::Extras},
            {"Benutzerdaten", Weg::Benutzerdaten},     {"eigene Texte", Weg::EigeneTexte},
            {"Gesamtstatistik", Weg::Gesamtstatistik}, {"Lektion", Weg::Lektion},
            {"Buchstabenübung", Weg::Buchstabenuebung}};
        for (QSize s : {QSize(1024, 768), QSize(1920, 1080)}) {
            for (const auto& [name, weg] : wege) {
                QTest::addRow("%s %dx%d", name, s.width(), s.height()) << s << weg;
            }
        }
    }

    // A screen first opened on a canvas scaled to 1024 x 768 or 1920 x 1080 has every place and font of
    // one made at the design scale (800 x 600) and then scaled to that size, and the focus on the same
    // control.
    void wieAmEntwurfGebaut() {
        QFETCH(QSize, bildschirm);
        QFETCH(Weg, weg);
        Meldungsbeantworter antworten;

        Testfenster entwurf(bildschirm);
        aufEntwurfsgroesse(*entwurf.fenster);
        QCOMPARE(entwurf.fenster->buehne()->leinwand()->massstab(), 1.0);
        entwurf.anmelden(QStringLiteral("Erika"));
        oeffnen(*entwurf.fenster, weg);
        entwurf.fenster->resize(bildschirm);
        QCoreApplication::processEvents();

        Testfenster spaeter(bildschirm);
        spaeter.fenster->resize(bildschirm);
        QCoreApplication::processEvents();
        QVERIFY(spaeter.fenster->buehne()->leinwand()->massstab() > 1.2);
        spaeter.anmelden(QStringLiteral("Erika"));
        oeffnen(*spaeter.fenster, weg);

        QCOMPARE(spaeter.fenster->buehne()->leinwand()->massstab(),
                 entwurf.fenster->buehne()->leinwand()->massstab());
        const QStringList erwartet = bild(*entwurf.fenster, gruppen(entwurf.fenster->seiten(), weg));
        QVERIFY(erwartet.size() > 3);
        QCOMPARE(bild(*spaeter.fenster, gruppen(spaeter.fenster->seiten(), weg)), erwartet);
        const auto fokusText = [](ui::Hauptfenster& f) {
            QWidget* w = f.focusWidget();
            return w ? QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                                   w->accessibleName())
                     : QString();
        };
        QCOMPARE(fokusText(*spaeter.fenster), fokusText(*entwurf.fenster));
    }

    // The settings first opened after the start take a click and the keyboard at once: a check box
    // changes the session, Tab walks on to the next control and Shift+Tab back.
    void einstellungenBeimErstenOeffnenBedienbar() {
        Testfenster t(QSize(1024, 768));
        t.anmelden(QStringLiteral("Erika"));
        QTest::mouseClick(hauptmenueKnopf(*t.fenster, QStringLiteral("&Einstellungen")), Qt::LeftButton);
        QCheckBox* stimme = t.fenster->einstellungen()->stimme();
        QVERIFY(stimme->isVisible());
        const bool vorher = t.sitzung().stimme;
        QTest::mouseClick(stimme, Qt::LeftButton);
        QCOMPARE(t.sitzung().stimme, !vorher);
        stimme->setFocus();
        QCOMPARE(t.fenster->focusWidget(), stimme);
        tasteDruecken(stimme, Qt::Key_Tab);
        QWidget* danach = t.fenster->focusWidget();
        QVERIFY(danach && danach != stimme && danach->isVisible());
        tasteDruecken(danach, Qt::Key_Backtab);
        QCOMPARE(t.fenster->focusWidget(), stimme);
    }
};

QTEST_MAIN(ErsteOeffnungTest)
#include "erste_oeffnung_test.moc"
