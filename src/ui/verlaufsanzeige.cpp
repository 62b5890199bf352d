#include "ui/verlaufsanzeige.h"

#include "session/sitzung.h"
#include "ui/aktionen.h"
#include "ui/anmeldung.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/bildschirme.h"
#include "ui/extras_seite.h"
#include "ui/klassenuebersicht_fenster.h"
#include "ui/leinwand.h"
#include "ui/lernverlauf_fenster.h"
#include "ui/seitenbau.h"
#include "ui/tastatur_heatmap.h"
#include "ui/uebungssteuerung.h"
#include "ui/umgebung.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tastwerk::ui {

Verlaufsanzeige::Verlaufsanzeige(const Umgebung& umgebung, Sitzung& sitzung, Aktionen& aktionen,
                                 const Bildschirme& bildschirme, Seitenbau& seitenbau,
                                 const Uebungssteuerung& steuerung, const Anmeldung& anmeldung,
                                 Leinwand& leinwand, const Masse& m, QWidget& fenster)
    : QObject(&fenster), umgebung_(umgebung), sitzung_(sitzung), bildschirme_(bildschirme),
      steuerung_(steuerung), anmeldung_(anmeldung), leinwand_(leinwand), fenster_(fenster) {
    connect(&steuerung, &Uebungssteuerung::aufgezeichnet, this, &Verlaufsanzeige::uebungAufzeichnen);
    connect(aktionen.lernverlauf, &QAction::triggered, this, &Verlaufsanzeige::lernverlaufZeigen);
    connect(&seitenbau, &Seitenbau::extrasGebaut, this, [this](ExtrasSeite* x) {
        connect(x->lernverlauf(), &QPushButton::clicked, this, &Verlaufsanzeige::lernverlaufZeigen);
    });
    connect(&seitenbau, &Seitenbau::benutzerdateiGebaut, this, [this](BenutzerdateiSeite* b) {
        connect(b, &BenutzerdateiSeite::klassenuebersichtVerlangt, this,
                &Verlaufsanzeige::klassenuebersichtZeigen);
        b->auchLoeschen = [this](const std::string& name) {
            // The folder is locked by the deletion of the record already.
            return verlauf().loeschen(name, true);
        };
    });
    // Between the main menu and the keyboard: the heatmap's switch, legend and weakest characters.
    heatmap_ = new TastaturHeatmap(&leinwand_, &seitenbau.tastatur, sitzung_,
                                   [this]() -> Lernverlauf& { return verlauf(); });
    heatmap_->leiste()->setGeometry(m.r(166, 66, 626, 48));
}

// The history window reads the history this part owns: it goes first.
Verlaufsanzeige::~Verlaufsanzeige() {
    delete lernverlaufFenster_;
}

Lernverlauf& Verlaufsanzeige::verlauf() {
    const std::string ordner = umgebung_.programmordner.toStdString();
    if (!verlauf_ || verlauf_->pfad() != ordner + "/" + Lernverlauf::Dateiname) {
        verlauf_ = std::make_unique<Lernverlauf>(ordner);
        delete lernverlaufFenster_;
        lernverlaufFenster_ = nullptr;
    }
    return *verlauf_;
}

void Verlaufsanzeige::takt() {
    const Seiten& seiten = bildschirme_.seiten();
    heatmap_->takt(sitzung_.angemeldet && seiten.hauptmenue->isVisible() && seiten.tastatur->isVisible() &&
                   !steuerung_.laeuft());
}

void Verlaufsanzeige::uebungAufzeichnen(const Uebungseintrag& eintrag) {
    const auto meldung = verlauf().eintragen(eintrag);
    if (meldung && anmeldung_.ohneFrage()) {
        // The program is being ended: nobody is there to read a message any more.
        qWarning("Tastwerk: %s", meldung->c_str());
    } else if (meldung) {
        QMessageBox::warning(&fenster_, QApplication::applicationName(), QString::fromStdString(*meldung));
    }
}

namespace {

// A window of its own shows its texts as large as the canvas shows the screens' (never smaller than Qt's).
void wieDieLeinwand(QWidget* fenster, double massstab) {
    const double s = std::max(1.0, massstab);
    QFont schrift = QApplication::font();
    schrift.setPointSizeF(schrift.pointSizeF() * s);
    fenster->setFont(schrift);
    QSize groesse(int(fenster->width() * s), int(fenster->height() * s));
    if (const QScreen* schirm = fenster->screen()) {
        groesse = groesse.boundedTo(schirm->availableGeometry().size() * 9 / 10);
    }
    fenster->resize(groesse);
}

} // namespace

void Verlaufsanzeige::lernverlaufZeigen() {
    Lernverlauf& v = verlauf();
    if (!lernverlaufFenster_) {
        lernverlaufFenster_ = new LernverlaufFenster(v, &fenster_);
        wieDieLeinwand(lernverlaufFenster_, leinwand_.massstab());
    }
    lernverlaufFenster_->zeigen(sitzung_.name, sitzung_.wunschAnschlaege, sitzung_.wunschFehlerrate,
                                umgebung_.uhr->jetzt().datum);
}

void Verlaufsanzeige::klassenuebersichtZeigen() {
    if (!klassenFenster_) {
        klassenFenster_ = new KlassenuebersichtFenster(umgebung_.programmordner.toStdString(), &fenster_);
        wieDieLeinwand(klassenFenster_, leinwand_.massstab());
    }
    klassenFenster_->zeigen();
}

} // namespace tastwerk::ui
