#include "ui/hauptfenster.h"

#include "ui/aktionsknopf.h"
#include "ui/anmeldung.h"
#include "ui/begruessungstext.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/benutzerdaten_seite.h"
#include "ui/bildschirme.h"
#include "ui/einstellungsabgleich.h"
#include "ui/leinwand.h"
#include "ui/logo.h"
#include "ui/namensfeld.h"
#include "ui/navigation.h"
#include "ui/tastaturwege.h"
#include "ui/uebungssteuerung.h"
#include "ui/verlaufsanzeige.h"
#include "ui/zugaenglichkeit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>

namespace tastwerk::ui {

Hauptfenster::Hauptfenster(Umgebung umgebung, QWidget* parent)
    : QMainWindow(parent),
      umgebung_(std::move(umgebung)), masse_{umgebung_.bildschirm.width(), umgebung_.bildschirm.height(),
                                             umgebung_.dpi},
      benutzerdatei_(umgebung_.programmordner.toStdString()) {
    setWindowTitle(QStringLiteral("Tastwerk für Windows 95"));
    setAccessibleName(QStringLiteral("Tastwerk für Windows 95"));
    // Every screen lies on the design canvas, which the client area shows scaled to its size.
    buehne_ = new Buehne(this);
    setCentralWidget(buehne_);
    QWidget* flaeche = buehne_->leinwand();

    zugaenglichkeitEinrichten();
    aktionen_ = aktionenAnlegen(this, menuBar());
    uebungsaktionen_ = uebungsaktionenAnlegen(this);
    seiten_ = seitenAnlegen(flaeche, masse_);

    logo_ = new Logo(flaeche);
    logo_->setGeometry(masse_.r(8, 6, 150, 56));
    logo_->setToolTip(QStringLiteral("Tastwerk für Windows 95"));

    auto* knoepfe = new QHBoxLayout(seiten_.hauptmenue);
    for (auto [text, aktion] : {std::pair{"&Start", aktionen_.start},
                                {"Die &Tastatur", aktionen_.tastatur},
                                {"&Einstellungen", aktionen_.einstellungen},
                                {"&Benutzerdaten", aktionen_.benutzerdaten},
                                {"E&xtras", aktionen_.extras}}) {
        knoepfe->addWidget(new Aktionsknopf(QString::fromUtf8(text), aktion, seiten_.hauptmenue));
    }
    seiten_.hauptmenue->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(seiten_.hauptmenue, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        aktionen_.hauptmenuePopup->popup(seiten_.hauptmenue->mapToGlobal(p));
    });
    seiten_.hauptmenue->show();

    namensaufforderung_ = new QLabel(QStringLiteral("Bitte geben Sie Ihren Benutzernamen ein:"), flaeche);
    namensaufforderung_->setGeometry(masse_.r(166, 66, 290, 24));
    namensfeld_ = new Namensfeld(flaeche);
    namensfeld_->setGeometry(masse_.r(460, 66, 330, 24));
    namensaufforderung_->setBuddy(namensfeld_);

    begruessung_ = new Begruessungstext(flaeche);
    begruessung_->setToolTip(QString());
    connect(begruessung_, &Begruessungstext::kontextmenueVerlangt, this,
            [this](const QPoint& p) { aktionen_.begruessungPopup->popup(p); });

    // The keyboard and the status bar are made now, the other screens when they are first needed.
    seitenbau_ = new Seitenbau(*buehne_->leinwand(), seiten_, sitzung_, benutzerdatei_, *umgebung_.klang,
                               masse_, uebungsaktionen_, this);
    bildschirme_ =
        std::make_unique<Bildschirme>(seiten_, begruessung_, logo_, namensfeld_, namensaufforderung_, masse_);
    bildschirme_->setBereitstellen([this](QWidget* teil) { seitenbau_->bereitstellen(teil); });

    // The parts that do the work, each handed the session, the screens and the commands it needs.
    steuerung_ = new Uebungssteuerung(sitzung_, *umgebung_.uhr, *umgebung_.klang, masse_, *bildschirme_,
                                      aktionen_, uebungsaktionen_, *seitenbau_, this);
    verbinden();
    abgleich_ = new Einstellungsabgleich(sitzung_, *seitenbau_, this);
    anmeldung_ = new Anmeldung(umgebung_, sitzung_, benutzerdatei_, aktionen_, *bildschirme_, *seitenbau_,
                               *steuerung_, *abgleich_, *namensfeld_, *namensaufforderung_, masse_, *this);
    navigation_ = new Navigation(sitzung_, benutzerdatei_, *umgebung_.datentraeger, aktionen_,
                                 uebungsaktionen_, *bildschirme_, *seitenbau_, *steuerung_, *anmeldung_,
                                 *logo_, *namensfeld_, masse_, *this);
    verlaufsanzeige_ = new Verlaufsanzeige(umgebung_, sitzung_, aktionen_, *bildschirme_, *seitenbau_,
                                           *steuerung_, *anmeldung_, *buehne_->leinwand(), masse_, *this);
    anmeldung_->init();
    qApp->installEventFilter(this);

    // What the screens have been built with is the design; from now on the canvas follows the window,
    // from its first size on (the stage arranges it when it is resized, the first time before it shows).
    buehne_->leinwand()->erfassen();

    takt_.setInterval(250);
    connect(&takt_, &QTimer::timeout, this, &Hauptfenster::universaltimer);
    takt_.start();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::verbinden() {
    connect(aktionen_.beenden, &QAction::triggered, this, &QWidget::close);
    connect(aktionen_.programmBeenden, &QAction::triggered, this, &QWidget::close);
    connect(aktionen_.begruessungBeenden, &QAction::triggered, this, &QWidget::close);
    connect(aktionen_.start, &QAction::triggered, steuerung_, &Uebungssteuerung::startvorbereiten);
    connect(aktionen_.startLektion, &QAction::triggered, steuerung_, &Uebungssteuerung::startvorbereiten);
    connect(aktionen_.tastatur, &QAction::triggered, steuerung_, &Uebungssteuerung::tastatur);
    connect(aktionen_.menueTastatur, &QAction::triggered, steuerung_, &Uebungssteuerung::tastatur);
}

bool Hauptfenster::eventFilter(QObject* ziel, QEvent* e) {
    navigation_->fensterereignis(ziel, e);
    if (e->type() == QEvent::KeyPress && !QApplication::activeModalWidget()) {
        auto* w = qobject_cast<QWidget*>(ziel);
        if (w && w->window() == this && steuerung_->tasteGedrueckt(static_cast<QKeyEvent*>(e))) {
            return true;
        }
        // What an exercise did not take as a keystroke: Return presses the focused button, the menu key
        // and Shift+F10 open the popup menu of the focused control, or of the area in front.
        if (w && w->window() == this && tastaturwegNehmen(w, static_cast<QKeyEvent*>(e))) {
            return true;
        }
    }
    return QMainWindow::eventFilter(ziel, e);
}

bool Hauptfenster::tastaturwegNehmen(QWidget* ziel, const QKeyEvent* e) {
    if (knopfMitEingabetaste(ziel, e)) {
        return true;
    }
    // A control of a part the screen only leaves showing does not speak for it (the main menu's button
    // that called the keyboard).
    QWidget* fokus =
        ziel->hasFocus() && !ziel->isWindow() && bildschirme_->gehoertZumBildschirm(ziel) ? ziel : nullptr;
    return kontextmenueMitTaste(fokus, e, bildschirme_->bereicheVonVorn());
}

void Hauptfenster::universaltimer() {
    steuerung_->takt();
    // 5. The access word unlocks "Benutzer löschen". 6. The lesson box of the user data screen.
    if (auto* datei = seitenbau_->schonGebaut<BenutzerdateiSeite>()) {
        datei->zugangPruefen();
    }
    if (auto* daten = seitenbau_->schonGebaut<BenutzerdatenSeite>()) {
        daten->lektionsfeldAktualisieren();
    }
    verlaufsanzeige_->takt();
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    anmeldung_->schliessenFragen(e);
}

void Hauptfenster::beendenOhneFrage() {
    anmeldung_->beendenOhneFrage();
}

} // namespace tastwerk::ui
