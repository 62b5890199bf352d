// The learning history on the main window: each ended exercise is kept, the learner opens their history
// from the main menu's popup and from Extras, the teacher the class overview behind the access word, and
// a deleted learner's history goes with them.
#include "ui/anmeldung.h"
#include "ui/benutzerdatei_seite.h"
#include "ui/extras_seite.h"
#include "ui/hauptfenster.h"
#include "ui/klassenuebersicht_fenster.h"
#include "ui/leinwand.h"
#include "ui/lernverlauf_fenster.h"
#include "ui/tastatur_heatmap.h"
#include "ui/uebungssteuerung.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tastwerk::ui {

Lernverlauf& Hauptfenster::verlauf() {
    const std::string ordner = umgebung_.programmordner.toStdString();
    if (!verlauf_ || verlauf_->pfad() != ordner + "/" + Lernverlauf::Dateiname) {
        verlauf_ = std::make_unique<Lernverlauf>(ordner);
        delete lernverlaufFenster_;
        lernverlaufFenster_ = nullptr;
    }
    return *verlauf_;
}

void Hauptfenster::verlaufVerbinden() {
    connect(steuerung_, &Uebungssteuerung::aufgezeichnet, this, &Hauptfenster::uebungAufzeichnen);
    connect(aktionen_.lernverlauf, &QAction::triggered, this, &Hauptfenster::lernverlaufZeigen);
    connect(seitenbau_, &Seitenbau::extrasGebaut, this, [this](ExtrasSeite* x) {
        connect(x->lernverlauf(), &QPushButton::clicked, this, &Hauptfenster::lernverlaufZeigen);
    });
    connect(seitenbau_, &Seitenbau::benutzerdateiGebaut, this, [this](BenutzerdateiSeite* b) {
        connect(b, &BenutzerdateiSeite::klassenuebersichtVerlangt, this,
                &Hauptfenster::klassenuebersichtZeigen);
        b->auchLoeschen = [this](const std::string& name) {
            // The folder is locked by the deletion of the record already.
            return verlauf().loeschen(name, true);
        };
    });
    // Between the main menu and the keyboard: the heatmap's switch, legend and weakest characters.
    heatmap_ = new TastaturHeatmap(buehne_->leinwand(), &seitenbau_->tastatur, sitzung_,
                                   [this]() -> Lernverlauf& { return verlauf(); });
    heatmap_->leiste()->setGeometry(masse_.r(166, 66, 626, 48));
}

void Hauptfenster::uebungAufzeichnen(const Uebungseintrag& eintrag) {
    const auto meldung = verlauf().eintragen(eintrag);
    if (meldung && anmeldung_->ohneFrage()) {
        // The program is being ended: nobody is there to read a message any more.
        qWarning("Tastwerk: %s", meldung->c_str());
    } else if (meldung) {
        QMessageBox::warning(this, QApplication::applicationName(), QString::fromStdString(*meldung));
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

void Hauptfenster::lernverlaufZeigen() {
    Lernverlauf& v = verlauf();
    if (!lernverlaufFenster_) {
        lernverlaufFenster_ = new LernverlaufFenster(v, this);
        wieDieLeinwand(lernverlaufFenster_, buehne_->leinwand()->massstab());
    }
    lernverlaufFenster_->zeigen(sitzung_.name, sitzung_.wunschAnschlaege, sitzung_.wunschFehlerrate,
                                umgebung_.uhr->jetzt().datum);
}

void Hauptfenster::klassenuebersichtZeigen() {
    if (!klassenFenster_) {
        klassenFenster_ = new KlassenuebersichtFenster(umgebung_.programmordner.toStdString(), this);
        wieDieLeinwand(klassenFenster_, buehne_->leinwand()->massstab());
    }
    klassenFenster_->zeigen();
}

} // namespace tastwerk::ui
