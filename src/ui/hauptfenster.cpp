#include "ui/hauptfenster.h"

#include "platform/zeichensatz.h"
#include "ui/aktionsknopf.h"
#include "ui/begruessungstext.h"
#include "ui/einstellungen_seite.h"
#include "ui/fehlerraster.h"
#include "ui/logo.h"
#include "ui/namensfeld.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>

namespace tastwerk::ui {

Hauptfenster::Hauptfenster(Umgebung umgebung, QWidget* parent)
    : QMainWindow(parent),
      umgebung_(std::move(umgebung)), masse_{umgebung_.bildschirm.width(), umgebung_.bildschirm.height(),
                                             umgebung_.dpi},
      benutzerdatei_(umgebung_.programmordner.toStdString()) {
    setWindowTitle(QStringLiteral("Tastwerk für Windows 95"));
    setAccessibleName(QStringLiteral("Tastwerk für Windows 95"));
    auto* flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("flaeche"));
    setCentralWidget(flaeche);

    aktionen_ = aktionenAnlegen(this, menuBar());
    seiten_ = seitenAnlegen(flaeche, masse_);

    logo_ = new Logo(flaeche);
    logo_->setGeometry(masse_.r(8, 6, 150, 56));

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
    connect(namensfeld_, &Namensfeld::tasteGedrueckt, this, &Hauptfenster::editfeld);

    begruessung_ = new Begruessungstext(flaeche);
    begruessung_->setToolTip(QString());
    connect(begruessung_, &Begruessungstext::kontextmenueVerlangt, this,
            [this](const QPoint& p) { aktionen_.begruessungPopup->popup(p); });

    fehlerraster_ = new Fehlerraster(seiten_.fehlerraster);
    auto* rasterRahmen = new QHBoxLayout(seiten_.fehlerraster);
    rasterRahmen->addWidget(fehlerraster_);

    einstellungen_ = new EinstellungenSeite(seiten_.einstellungen, sitzung_, masse_);

    wiederholungsTasten_ = new QLabel(seiten_.extras);
    wiederholungsTasten_->setGeometry(masse_.r(12, 22, 300, 20));

    connect(aktionen_.beenden, &QAction::triggered, this, &QWidget::close);
    connect(aktionen_.programmBeenden, &QAction::triggered, this, &QWidget::close);
    connect(aktionen_.begruessungBeenden, &QAction::triggered, this, &QWidget::close);

    init();

    takt_.setInterval(250);
    connect(&takt_, &QTimer::timeout, this, &Hauptfenster::universaltimer);
    takt_.start();
}

Hauptfenster::~Hauptfenster() = default;

void Hauptfenster::init() {
    // 1. Nothing of the practice is usable before a learner has signed in.
    sitzung_.eigeneTexteLaeuft = false;
    aktionen_.start->setText(QStringLiteral("Start"));
    aktionen_.hauptmenueFreigeben(false);
    for (QGroupBox* s : seiten_.eigeneTexte) {
        s->hide();
    }
    aktionen_.menueleisteFreigeben(false);

    // 2. and 3. The screen size; the window is laid out for it.
    sitzung_.bildschirmbreite = masse_.breite;
    sitzung_.bildschirmhoehe = masse_.hoehe;
    sitzung_.angemeldet = false;

    // 4.
    logo_->setToolTip(QStringLiteral("Tastwerk für Windows 95"));

    // 6. The free space check runs once the window is shown (speicherPruefen).

    // 7. Start values.
    seiten_.tastatur->show();
    sitzung_.wiederholungsLektion = 1;
    sitzung_.wiederholungsStufe = 0;
    aktionen_.textfensterVergroessern->setEnabled(false);
    aktionen_.textfensterVerkleinern->setEnabled(false);
    const Zeitpunkt jetzt = umgebung_.uhr->jetzt();
    sitzung_.startstunde = jetzt.stunde;
    sitzung_.startminute = jetzt.minute;
    sitzung_.farben = Standardfarben;
    seiten_.fehlerraster->hide();

    // 8. The lesson error grid.
    fehlerraster_->vorbereiten(masse_);

    // 9.
    seiten_.abbruchleiste->hide();
    sitzung_.tastaturlektion = 17;

    // 10.
    seiten_.einstellungen->hide();
    seiten_.tastatur->show();
    seiten_.tastatur->raise();
    for (QGroupBox* s :
         {seiten_.benutzerdaten, seiten_.fehlerstatistik, seiten_.extras, seiten_.benutzerdatei,
          seiten_.hinweistext, seiten_.fehlerraster, seiten_.fingergymnastik, seiten_.buchstabenuebung,
          seiten_.wortuebung, seiten_.schreibregeln}) {
        s->hide();
    }
    sitzung_.buchstabenuebungLaeuft = false;
    sitzung_.wortuebungLaeuft = false;

    // 11. The start folder holds the user file; it is opened at sign-in.
    sitzung_.programmordner = umgebung_.programmordner.toStdString();

    begruessungPlatzieren(masse_.h(50, 77), masse_.h(10, 43));
    wiederholungsTasten_->setText(QStringLiteral("a s d f  j k l ö + Leertaste"));
    namensfeld_->setFocus();
}

void Hauptfenster::speicherPruefen() {
    if (!zuWenigSpeicher(*umgebung_.datentraeger, sitzung_.programmordner)) {
        return;
    }
    QMessageBox::critical(
        this, QApplication::applicationName(),
        QStringLiteral("Es ist nicht genug Speicherkapazität auf dem Datenträger vorhanden!\n\n"
                       "Das Programm \"Tastwerk\" kann nicht fehlerfrei ausgeführt werden!"));
}

void Hauptfenster::begruessungPlatzieren(int oben, int hoehe) {
    begruessung_->setGeometry(masse_.s(8), oben, masse_.breite - 2 * masse_.s(8), hoehe);
    begruessung_->show();
}

void Hauptfenster::universaltimer() {}

} // namespace tastwerk::ui
