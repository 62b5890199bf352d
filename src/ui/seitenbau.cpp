#include "ui/seitenbau.h"

#include "session/sitzung.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/buchstaben_seite.h"
#include "ui/eigene_texte_seite.h"
#include "ui/einstellungen_seite.h"
#include "ui/extras_seite.h"
#include "ui/fehlerraster.h"
#include "ui/fingergymnastik.h"
#include "ui/hinweis_seite.h"
#include "ui/layout_auswahl.h"
#include "ui/leinwand.h"
#include "ui/schreibregeln.h"
#include "ui/statistik_seite.h"
#include "ui/statusleiste.h"
#include "ui/tastatur_widget.h"
#include "ui/wort_seite.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace tastwerk::ui {

namespace {

TastaturWidget& tastaturAnlegen(QGroupBox* rahmen, const Masse& m) {
    auto* tastatur = new TastaturWidget(m.breite, rahmen);
    tastatur->move(m.s(8), m.s(20));
    rahmen->resize(rahmen->width(), tastatur->sizeHint().height() + m.s(28));
    // The keys' room, within the group's frame.
    tastatur->resize(std::min(tastatur->sizeHint().width(), rahmen->width() - 2 * m.s(8)),
                     tastatur->sizeHint().height());
    return *tastatur;
}

Statusleiste& statusAnlegen(QWidget* flaeche, const Masse& m) {
    auto* status =
        new Statusleiste(QRect(m.s(8), m.hoehe - m.s(88), m.breite - 2 * m.s(8), m.s(34)), flaeche);
    status->hide();
    return *status;
}

} // namespace

Seitenbau::Seitenbau(Leinwand& leinwand, const Seiten& seiten, Sitzung& sitzung, Benutzerdatei& datei,
                     Klang& klang, const Masse& m, const Uebungsaktionen& uebungsaktionen, QWidget* fenster)
    : QObject(fenster), tastatur(tastaturAnlegen(seiten.tastatur, m)), status(statusAnlegen(&leinwand, m)),
      leinwand_(leinwand), seiten_(seiten), sitzung_(sitzung), datei_(datei), klang_(klang), masse_(m),
      uebungsaktionen_(uebungsaktionen), fenster_(fenster) {
    // The keyboard screen's popup sets the lettering colour of the keys.
    auto* popup = new QMenu(fenster_);
    QMenu* schriftfarbe = popup->addMenu(QStringLiteral("Schriftfarbe"));
    const std::pair<const char*, int> farben[] = {{"schwarz", 0}, {"weiß", 1}};
    for (const auto& [name, wert] : farben) {
        connect(schriftfarbe->addAction(QString::fromUtf8(name)), &QAction::triggered, this,
                [this, w = wert] {
                    sitzung_.tastaturschriftfarbe = static_cast<std::uint8_t>(w);
                    tastatur.setSchriftfarbe(w);
                });
    }
    seiten_.tastatur->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(seiten_.tastatur, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& p) { popup->popup(seiten_.tastatur->mapToGlobal(p)); });

    // "Die wichtigsten Schreibregeln" reach down into the welcome text's place; their text comes with
    // the first opening.
    seiten_.schreibregeln->setGeometry(seiten_.schreibregeln->x(), masse_.h(50, 273),
                                       seiten_.schreibregeln->width(), masse_.h(100, 141));
}

template <class T, class Bauen>
T& Seitenbau::einmal(std::initializer_list<QWidget*> teile, Bauen bauen, void (Seitenbau::*gebaut)(T*)) {
    T*& seite = std::get<T*>(gebaut_);
    if (!seite) {
        leinwand_.einbauen(QList<QWidget*>(teile), [&] { seite = bauen(); });
        emit(this->*gebaut)(seite);
    }
    return *seite;
}

EinstellungenSeite& Seitenbau::einstellungen() {
    return einmal<EinstellungenSeite>(
        {seiten_.einstellungen},
        [this] {
            auto* e = new EinstellungenSeite(seiten_.einstellungen, sitzung_, masse_);
            layoutAuswahl_ = new LayoutAuswahl(e->tastaturlayoutPlatz());
            auto* layoutRahmen = new QHBoxLayout(e->tastaturlayoutPlatz());
            layoutRahmen->setContentsMargins(0, 0, 0, 0);
            // The layout chooser is the group "Tastaturlayout" itself; its place carries no second frame.
            e->tastaturlayoutPlatz()->setTitle(QString());
            e->tastaturlayoutPlatz()->setFlat(true);
            layoutRahmen->addWidget(layoutAuswahl_);
            return e;
        },
        &Seitenbau::einstellungenGebaut);
}

LayoutAuswahl& Seitenbau::layoutAuswahl() {
    einstellungen();
    return *layoutAuswahl_;
}

ExtrasSeite& Seitenbau::extras() {
    return einmal<ExtrasSeite>(
        {seiten_.extras},
        [this] {
            auto* x = new ExtrasSeite(seiten_.extras, sitzung_, masse_);
            x->wiederholungsTasten()->setText(wiederholungsTasten_);
            // The position the timer shows while no lesson runs.
            x->positionZeigen();
            return x;
        },
        &Seitenbau::extrasGebaut);
}

void Seitenbau::wiederholungsTastenZeigen(const QString& text) {
    wiederholungsTasten_ = text;
    if (ExtrasSeite* x = schonGebaut<ExtrasSeite>()) {
        x->wiederholungsTasten()->setText(text);
    }
}

HinweisSeite& Seitenbau::hinweis() {
    return einmal<HinweisSeite>(
        {seiten_.hinweistext}, [this] { return new HinweisSeite(seiten_.hinweistext, masse_); },
        &Seitenbau::hinweisGebaut);
}

BuchstabenSeite& Seitenbau::buchstaben() {
    return einmal<BuchstabenSeite>(
        {seiten_.buchstabenuebung},
        [this] { return new BuchstabenSeite(seiten_.buchstabenuebung, masse_, uebungsaktionen_); },
        &Seitenbau::buchstabenGebaut);
}

WortSeite& Seitenbau::wort() {
    return einmal<WortSeite>(
        {seiten_.wortuebung}, [this] { return new WortSeite(seiten_.wortuebung, masse_, uebungsaktionen_); },
        &Seitenbau::wortGebaut);
}

EigeneTexteSeite& Seitenbau::eigene() {
    const auto& g = seiten_.eigeneTexte;
    return einmal<EigeneTexteSeite>(
        {g[0], g[1], g[2]},
        [this, &g] {
            return new EigeneTexteSeite(g[0], g[1], g[2], sitzung_, klang_, masse_, uebungsaktionen_,
                                        fenster_);
        },
        &Seitenbau::eigeneGebaut);
}

BenutzerdatenSeite& Seitenbau::benutzerdaten() {
    return einmal<BenutzerdatenSeite>(
        {seiten_.benutzerdaten},
        [this] {
            auto* b = new BenutzerdatenSeite(seiten_.benutzerdaten, sitzung_, masse_);
            // As the timer keeps it.
            b->lektionsfeldAktualisieren();
            return b;
        },
        &Seitenbau::benutzerdatenGebaut);
}

BenutzerdateiSeite& Seitenbau::benutzerdatei() {
    return einmal<BenutzerdateiSeite>(
        {seiten_.benutzerdatei},
        [this] { return new BenutzerdateiSeite(seiten_.benutzerdatei, sitzung_, datei_, masse_); },
        &Seitenbau::benutzerdateiGebaut);
}

StatistikSeite& Seitenbau::statistik() {
    return einmal<StatistikSeite>(
        {seiten_.fehlerstatistik},
        [this] {
            auto* s = new StatistikSeite(seiten_.fehlerstatistik, sitzung_, masse_);
            // The scale the learner chose, once signed in.
            if (sitzung_.angemeldet) {
                s->skalierung();
            }
            return s;
        },
        &Seitenbau::statistikGebaut);
}

Fehlerraster& Seitenbau::raster() {
    Fehlerraster*& raster = std::get<Fehlerraster*>(gebaut_);
    if (!raster) {
        leinwand_.einbauen({seiten_.fehlerraster}, [this, &raster] {
            raster = new Fehlerraster(seiten_.fehlerraster);
            auto* rasterRahmen = new QHBoxLayout(seiten_.fehlerraster);
            rasterRahmen->setContentsMargins(6, 4, 6, 4);
            rasterRahmen->addWidget(raster);
            raster->vorbereiten(masse_);
        });
    }
    return *raster;
}

void Seitenbau::bereitstellen(QWidget* teil) {
    const Seiten& s = seiten_;
    if (teil == s.einstellungen) {
        einstellungen();
    } else if (teil == s.extras) {
        extras();
    } else if (teil == s.hinweistext) {
        hinweis();
    } else if (teil == s.buchstabenuebung) {
        buchstaben();
    } else if (teil == s.wortuebung) {
        wort();
    } else if (teil == s.eigeneTexte[0] || teil == s.eigeneTexte[1] || teil == s.eigeneTexte[2]) {
        eigene();
    } else if (teil == s.benutzerdaten) {
        benutzerdaten();
    } else if (teil == s.benutzerdatei) {
        benutzerdatei();
    } else if (teil == s.fehlerstatistik) {
        statistik();
    } else if (teil == s.fehlerraster) {
        raster();
    } else if (teil == s.schreibregeln && !teil->findChild<QPlainTextEdit*>()) {
        leinwand_.einbauen({teil}, [this, teil] {
            // "Die wichtigsten Schreibregeln": read-only, fixed pitch.
            auto* regeln = new QPlainTextEdit(teil);
            regeln->setObjectName(QStringLiteral("schreibregelnText"));
            regeln->setReadOnly(true);
            regeln->setLineWrapMode(QPlainTextEdit::NoWrap);
            QFont fest(QStringLiteral("Courier New"));
            fest.setStyleHint(QFont::TypeWriter);
            fest.setPointSize(masse_.skaliertePunkte(10));
            regeln->setFont(fest);
            regeln->setPlainText(schreibregelnText());
            regeln->setAccessibleName(QStringLiteral("Die wichtigsten Schreibregeln"));
            regeln->setGeometry(masse_.s(8), masse_.h(1, 30), teil->width() - 2 * masse_.s(8),
                                masse_.h(20, 31));
        });
    } else if (teil == s.fingergymnastik && !teil->layout()) {
        leinwand_.einbauen({teil}, [teil] {
            // "Fingergymnastik": five pictures with their captions.
            auto* gymnastik = new QVBoxLayout(teil);
            gymnastik->addWidget(fingergymnastikInhalt(teil));
        });
    }
}

} // namespace tastwerk::ui
