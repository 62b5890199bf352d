// Every screen a learner or a teacher reaches, at the window sizes of today's screens: each visible widget
// lies inside the visible area and inside its visible parent, no two visible framed groups overlap, and
// every text fits its label or button. The picture is the same at every size, only scaled.
#include "testhilfen.h"

#include "ui/benutzerdatei_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/fehlerraster.h"
#include "ui/hilfefenster.h"
#include "ui/hinweis_seite.h"
#include "ui/infofenster.h"
#include "ui/leinwand.h"
#include "ui/navigation.h"
#include "ui/wort_seite.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

#include <functional>

using namespace tastwerk;
using namespace tastwerk::test;

namespace {

void klicken(QAbstractButton* knopf) {
    QVERIFY2(knopf->isVisible() && knopf->isEnabled(), qPrintable(knopf->text()));
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, knopf->rect().center());
}

void lektionBeginnen(Testfenster& t) {
    klicken(t.fenster->hinweis()->startknopf());
    tippen(t.fenster.get(), QStringLiteral("a"));
}

void eigenerText(Testfenster& t) {
    FILE* f = std::fopen(t.datei("Texte/kurz.TXT").c_str(), "wb");
    std::fputs("Ein kurzer Text\r\nzum Ueben\r\n", f);
    std::fclose(f);
    t.fenster->eigeneTexte()->dateiOeffnen = [&t](const QString&) {
        return QString::fromStdString(t.datei("Texte/kurz.TXT"));
    };
}

using Weg = std::function<void(Testfenster&)>;

// How the learner reaches each screen, from a fresh sign-in (the first screen from none).
const std::vector<std::pair<const char*, Weg>>& bildschirme() {
    static const std::vector<std::pair<const char*, Weg>> alle = {
        {"Hauptmenü", [](Testfenster&) {}},
        {"Einstellungen Buchstabenübung",
         [](Testfenster& t) {
             t.fenster->aktionen().einstellungen->trigger();
             klicken(t.fenster->einstellungen()->schriftZiele()[0]);
         }},
        {"Einstellungen Wortübung",
         [](Testfenster& t) {
             t.fenster->aktionen().einstellungen->trigger();
             klicken(t.fenster->einstellungen()->schriftZiele()[1]);
         }},
        {"Einstellungen Eigene Texte",
         [](Testfenster& t) {
             t.fenster->aktionen().einstellungen->trigger();
             klicken(t.fenster->einstellungen()->schriftZiele()[2]);
         }},
        {"Hinweistext Lektion 1", [](Testfenster& t) { t.fenster->aktionen().start->trigger(); }},
        {"Hinweistext Lektion 16",
         [](Testfenster& t) {
             t.sitzung().lektionNr = 16;
             t.fenster->aktionen().start->trigger();
         }},
        {"Buchstabenübung mit Tastatur",
         [](Testfenster& t) {
             t.fenster->aktionen().start->trigger();
             lektionBeginnen(t);
         }},
        {"Buchstabenübung mit Statistik",
         [](Testfenster& t) {
             t.fenster->aktionen().start->trigger();
             lektionBeginnen(t);
             klicken(t.fenster->buchstaben()->statistikKnopf());
         }},
        {"Buchstabenübung mit Einstellungen",
         [](Testfenster& t) {
             t.fenster->aktionen().start->trigger();
             lektionBeginnen(t);
             klicken(t.fenster->buchstaben()->einstellungenKnopf());
         }},
        {"Buchstabenübung Pause",
         [](Testfenster& t) {
             t.fenster->aktionen().start->trigger();
             lektionBeginnen(t);
             klicken(t.fenster->buchstaben()->pauseKnopf());
         }},
        {"Wortübung",
         [](Testfenster& t) {
             t.sitzung().uebungsstufe = 1;
             t.fenster->aktionen().start->trigger();
             tippen(t.fenster.get(), QStringLiteral("a"));
         }},
        {"Eigene Texte Menü",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->eigeneTexte());
         }},
        {"Eigene Texte erstellen",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->eigeneTexte());
             klicken(t.fenster->eigeneTexte()->neuErstellenKnopf());
         }},
        {"Eigene Texte üben",
         [](Testfenster& t) {
             eigenerText(t);
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->eigeneTexte());
             klicken(t.fenster->eigeneTexte()->textUebenKnopf());
             klicken(t.fenster->eigeneTexte()->startKnopf());
         }},
        {"Benutzerdaten", [](Testfenster& t) { t.fenster->aktionen().benutzerdaten->trigger(); }},
        {"Benutzerdatei mit Löschfeld",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->einsehen());
             QTableWidget* tabelle = t.fenster->benutzerdateiSeite()->tabelle();
             const QRect zeile = tabelle->visualItemRect(tabelle->item(0, 1));
             QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, Qt::NoModifier, zeile.center());
             QVERIFY(t.fenster->benutzerdateiSeite()->loeschfeld()->isVisible());
         }},
        {"Gesamtfehlerstatistik",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->fehlerstatistik());
         }},
        {"Extras", [](Testfenster& t) { t.fenster->aktionen().extras->trigger(); }},
        {"Schreibregeln",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->schreibregeln());
         }},
        {"Fingergymnastik",
         [](Testfenster& t) {
             t.fenster->aktionen().extras->trigger();
             klicken(t.fenster->extras()->fingergymnastik());
         }},
    };
    return alle;
}

QString name(const QWidget* w) {
    QString n = QString::fromLatin1(w->metaObject()->className());
    if (const auto* k = qobject_cast<const QAbstractButton*>(w)) {
        n += QStringLiteral(" \"%1\"").arg(k->text());
    } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
        n += QStringLiteral(" \"%1\"").arg(l->text().left(40));
    } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        n += QStringLiteral(" \"%1\"").arg(g->title());
    } else if (!w->accessibleName().isEmpty()) {
        n += QStringLiteral(" \"%1\"").arg(w->accessibleName());
    }
    return n;
}

// Parts that Qt's own widgets place inside themselves (scroll bars, viewports) are theirs to place.
bool eigenesTeil(const QWidget* w) {
    return !w->objectName().startsWith(QLatin1String("qt_")) &&
           !qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) &&
           !qobject_cast<const QAbstractScrollArea*>(w->parentWidget() ? w->parentWidget()->parentWidget()
                                                                       : nullptr);
}

bool gerahmt(const QWidget* w) {
    if (qobject_cast<const QGroupBox*>(w)) {
        return true;
    }
    const auto* rahmen = qobject_cast<const QFrame*>(w);
    return rahmen && rahmen->frameShape() != QFrame::NoFrame && !qobject_cast<const QLabel*>(w);
}

QString zeilenText(const QString& text) {
    QString t = text;
    t.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return t;
}

// What does not fit, one line per finding.
QStringList pruefen(QWidget* oben) {
    QStringList fehler;
    for (QWidget* w : oben->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow() || !eigenesTeil(w)) {
            continue;
        }
        const QWidget* eltern = w->parentWidget();
        if (!eltern->rect().contains(w->geometry())) {
            fehler << QStringLiteral("%1 reicht über %2 hinaus (%3,%4 %5x%6 in %7x%8)")
                          .arg(name(w), name(eltern))
                          .arg(w->x())
                          .arg(w->y())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(eltern->width())
                          .arg(eltern->height());
        }
        const QFontMetrics fm(w->font());
        if (const auto* l = qobject_cast<const QLabel*>(w); qobject_cast<const ui::Buchstabenfeld*>(w)) {
            // The demanded character is fitted into its panel as it is drawn (tested on its own).
            continue;
        } else if (l && !l->text().isEmpty() && l->textFormat() != Qt::RichText) {
            const QRect platz = l->contentsRect();
            if (l->wordWrap()) {
                if (l->heightForWidth(l->width()) > l->height() + 1) {
                    fehler << QStringLiteral("%1: Text zu hoch").arg(name(l));
                }
            } else {
                const QStringList zeilen = l->text().split(QLatin1Char('\n'));
                int breite = 0;
                for (const QString& z : zeilen) {
                    breite = std::max(breite, fm.horizontalAdvance(z));
                }
                if (breite > platz.width() + 1 || fm.height() * zeilen.size() > platz.height() + 1) {
                    fehler << QStringLiteral("%1: Text %2x%3 passt nicht in %4x%5")
                                  .arg(name(l))
                                  .arg(breite)
                                  .arg(fm.height() * zeilen.size())
                                  .arg(platz.width())
                                  .arg(platz.height());
                }
            }
        } else if (const auto* k = qobject_cast<const QAbstractButton*>(w); k && !k->text().isEmpty()) {
            int noetig = fm.horizontalAdvance(zeilenText(k->text())) + 4;
            if (qobject_cast<const QCheckBox*>(k) || qobject_cast<const QRadioButton*>(k)) {
                noetig = k->sizeHint().width();
            }
            if (noetig > k->width() || fm.height() > k->height()) {
                fehler << QStringLiteral("%1: Text passt nicht (%2 in %3x%4)")
                              .arg(name(k))
                              .arg(noetig)
                              .arg(k->width())
                              .arg(k->height());
            }
        } else if (const auto* t = qobject_cast<const QTableView*>(w);
                   t && t->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
            // A grid without scroll bars shows all its cells.
            int hoehe = 0, breite = 0;
            for (int k = 0; k < t->model()->rowCount(); ++k) {
                hoehe += t->rowHeight(k);
            }
            for (int k = 0; k < t->model()->columnCount(); ++k) {
                breite += t->columnWidth(k);
            }
            if (hoehe > t->viewport()->height() || breite > t->viewport()->width()) {
                fehler << QStringLiteral("%1: Zellen %2x%3 passen nicht in %4x%5")
                              .arg(name(t))
                              .arg(breite)
                              .arg(hoehe)
                              .arg(t->viewport()->width())
                              .arg(t->viewport()->height());
            }
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w); g && !g->title().isEmpty()) {
            if (fm.horizontalAdvance(g->title()) > g->width()) {
                fehler << QStringLiteral("%1: Titel passt nicht").arg(name(g));
            }
        }
    }
    // Framed groups side by side never overlap; one in front of another hides it.
    QList<QWidget*> alle = oben->findChildren<QWidget*>();
    alle.prepend(oben);
    for (QWidget* eltern : alle) {
        if (!eltern->isVisible()) {
            continue;
        }
        QList<QWidget*> gruppen;
        for (QObject* o : eltern->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->isVisible() && !w->isWindow() && gerahmt(w) && eigenesTeil(w) &&
                !w->property("davor").toBool()) {
                gruppen << w;
            }
        }
        for (int i = 0; i < gruppen.size(); ++i) {
            for (int j = i + 1; j < gruppen.size(); ++j) {
                if (gruppen[i]->geometry().intersects(gruppen[j]->geometry())) {
                    fehler << QStringLiteral("%1 und %2 überdecken sich")
                                  .arg(name(gruppen[i]), name(gruppen[j]));
                }
            }
        }
    }
    return fehler;
}

} // namespace

class BildschirmeTest : public QObject {
    Q_OBJECT

private:
    static std::unique_ptr<Testfenster> fensterFuer(QSize bildschirm, QSize fenster) {
        auto t = std::make_unique<Testfenster>(bildschirm);
        t->fenster->resize(fenster);
        QCoreApplication::processEvents();
        return t;
    }

private slots:
    void jederBildschirmPasstInJedeGroesse_data() {
        QTest::addColumn<QSize>("bildschirm");
        QTest::addColumn<QSize>("fenster");
        QTest::addColumn<int>("weg");
        const QList<QPair<QString, QSize>> groessen = {{QStringLiteral("800x600"), QSize(800, 600)},
                                                       {QStringLiteral("1024x768"), QSize(1024, 768)},
                                                       {QStringLiteral("1280x800"), QSize(1280, 800)},
                                                       {QStringLiteral("1366x768"), QSize(1366, 768)},
                                                       {QStringLiteral("1440x900"), QSize(1440, 900)},
                                                       {QStringLiteral("1920x1080"), QSize(1920, 1080)},
                                                       {QStringLiteral("2560x1440"), QSize(2560, 1440)},
                                                       {QStringLiteral("3840x2160"), QSize(3840, 2160)},
                                                       {QStringLiteral("Fenster 700x500"), QSize(700, 500)},
                                                       {QStringLiteral("Fenster 560x400"), QSize(560, 400)}};
        for (const auto& [gname, g] : groessen) {
            const QSize schirm = g.width() < 800 ? QSize(1024, 768) : g;
            QTest::addRow("Erster Bildschirm %s", qPrintable(gname)) << schirm << g << -1;
            for (int k = 0; k < int(bildschirme().size()); ++k) {
                QTest::addRow("%s %s", bildschirme()[std::size_t(k)].first, qPrintable(gname))
                    << schirm << g << k;
            }
        }
    }

    void jederBildschirmPasstInJedeGroesse() {
        QFETCH(QSize, bildschirm);
        QFETCH(QSize, fenster);
        QFETCH(int, weg);
        Meldungsbeantworter meldungen;
        auto t = fensterFuer(bildschirm, fenster);
        if (weg >= 0) {
            t->anmelden(QStringLiteral("JÜRGEN MÜLLER"));
            bildschirme()[std::size_t(weg)].second(*t);
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        QCoreApplication::processEvents();
        ui::Buehne* buehne = t->fenster->buehne();
        ui::Leinwand* leinwand = buehne->leinwand();
        const QSize platz = buehne->maximumViewportSize();
        const double s = std::min(platz.width() / 800.0, platz.height() / 600.0);
        if (s >= ui::Buehne::KleinsterMassstab) {
            // The canvas fills the room as far as its shape allows, centred, and needs no scrolling.
            QVERIFY(buehne->viewport()->rect().contains(leinwand->geometry()));
            QVERIFY(leinwand->width() >= platz.width() - 1 || leinwand->height() >= platz.height() - 1);
            QVERIFY(std::abs(leinwand->x() - (buehne->viewport()->width() - leinwand->width()) / 2) <= 1);
        } else {
            // Too small to read: the smallest scale, and the window scrolls to every part of the canvas.
            QCOMPARE(leinwand->massstab(), ui::Buehne::KleinsterMassstab);
            QCOMPARE(leinwand->size(), QSize(600, 450));
            QCOMPARE(buehne->horizontalScrollBar()->maximum(),
                     std::max(0, leinwand->width() - buehne->viewport()->width()));
            QCOMPARE(buehne->verticalScrollBar()->maximum(),
                     std::max(0, leinwand->height() - buehne->viewport()->height()));
        }
        // BILDER=folder keeps a picture of every case there, to look at.
        if (qEnvironmentVariableIsSet("BILDER")) {
            t->fenster->grab().save(
                qEnvironmentVariable("BILDER") + QLatin1Char('/') +
                QString::fromUtf8(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')) +
                QStringLiteral(".png"));
        }
        const QStringList fehler = pruefen(leinwand);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    // The About box and the help window are windows of their own; they fit whatever the screen.
    void infoUndHilfePassen() {
        Testfenster t({1920, 1080});
        // The About box is modal: looked at while it is open, then closed with its OK button.
        QStringList fehler{QStringLiteral("das Infofenster erschien nicht")};
        QTimer beobachter;
        beobachter.setInterval(20);
        QObject::connect(&beobachter, &QTimer::timeout, [&] {
            auto* box = qobject_cast<ui::Infofenster*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            beobachter.stop();
            fehler = pruefen(box);
            QTest::mouseClick(box->okKnopf(), Qt::LeftButton);
        });
        beobachter.start();
        t.fenster->aktionen().info->trigger();
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
        t.fenster->aktionen().hilfe->trigger();
        QVERIFY(t.fenster->navigation().hilfefenster()->isVisible());
        fehler = pruefen(t.fenster->navigation().hilfefenster());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    }

    // Made smaller and larger again, the window lays its screens out anew each time.
    void neuAngeordnetBeiGroessenaenderung() {
        Testfenster t({1920, 1080});
        t.anmelden(QStringLiteral("anna"));
        t.fenster->aktionen().einstellungen->trigger();
        QWidget* seite = t.fenster->seiten().einstellungen;
        const ui::Leinwand* l = t.fenster->buehne()->leinwand();
        const double gross = l->massstab();
        const int breitGross = seite->width();
        QVERIFY(std::abs(breitGross - ui::entwurf(seite).width() * gross) <= 1);
        t.fenster->resize(1024, 768);
        QCoreApplication::processEvents();
        QVERIFY(l->massstab() < gross * 0.8);
        QVERIFY(std::abs(seite->width() - ui::entwurf(seite).width() * l->massstab()) <= 1);
        QVERIFY(pruefen(t.fenster->buehne()->leinwand()).isEmpty());
        t.fenster->resize(1920, 1080);
        QCoreApplication::processEvents();
        QCOMPARE(seite->width(), breitGross);
    }
};

QTEST_MAIN(BildschirmeTest)
#include "bildschirme_test.moc"
