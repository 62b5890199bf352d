// The groups "Farben ändern" and "Schriftarten" of the settings screen, and the check of the letter panel's
// background popup against the finger colours.
#include "ui/buchstaben_seite.h"
#include "ui/einstellungen_seite.h"

#include "ui/farben.h"
#include "ui/leinwand.h"
#include "ui/schriften.h"

#include "platform/zeichensatz.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMouseEvent>

#include <algorithm>
#include <cstring>

namespace tastwerk::ui {

namespace {

// The button in the colour, its caption in black or white, whichever reads better on it.
void einfaerben(QPushButton* knopf, Farbe farbe) {
    const QColor grund = alsQColor(farbe);
    QPalette p = knopf->palette();
    p.setColor(QPalette::Button, grund);
    p.setColor(QPalette::ButtonText, qGray(grund.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black));
    knopf->setPalette(p);
}

Farbe hintergrundfarbeNamens(const char* name) {
    for (const Hintergrundwahl& h : Hintergrundfarben) {
        if (std::strcmp(h.name, name) == 0) {
            return h.farbe;
        }
    }
    return 0;
}

} // namespace

void Farbepruefen(QMenu* hintergrundMenue, const std::array<Farbe, FarbgruppenAnzahl>& farben) {
    // Only these four are kept from the learner; the others stay choosable whatever the finger colours.
    const Farbe geprueft[] = {hintergrundfarbeNamens("gelb"), hintergrundfarbeNamens("silber"),
                              hintergrundfarbeNamens("schwarz"), hintergrundfarbeNamens("grau")};
    for (QAction* a : hintergrundMenue->actions()) {
        const Farbe farbe = a->data().toUInt();
        if (std::find(std::begin(geprueft), std::end(geprueft), farbe) == std::end(geprueft)) {
            continue;
        }
        const bool belegt = std::find(farben.begin(), farben.end(), farbe) != farben.end();
        a->setEnabled(!belegt);
    }
}

void EinstellungenSeite::standardDialogeSetzen() {
    schriftWaehlen = [this](const QFont& vorgabe) -> std::optional<QFont> {
        bool ok = false;
        const QFont schrift = QFontDialog::getFont(&ok, vorgabe, rahmen_, QStringLiteral("Schriftart"),
                                                   QFontDialog::DontUseNativeDialog);
        if (!ok) {
            return std::nullopt;
        }
        return schrift;
    };
}

void EinstellungenSeite::farbenGruppeBauen(const Masse& m) {
    farben_ = new QGroupBox(QStringLiteral("Farben ändern"), rahmen_);
    farben_->setGeometry(m.r(8, 210, 538, 48));
    auto* zeile = new QHBoxLayout(farben_);
    zeile->setContentsMargins(m.s(2), m.s(2), m.s(2), m.s(2));
    zeile->setSpacing(m.s(2));
    const char* namen[] = {"kleiner Finger", "Ringfinger", "Mittelfinger", "Zeigefinger", "Daumen"};
    for (int k = 0; k < FarbgruppenAnzahl; ++k) {
        farbKnoepfe_[k] = new QPushButton(QString::fromUtf8(namen[k]), farben_);
        farbKnoepfe_[k]->setToolTip(QStringLiteral("Farbe für ") + farbKnoepfe_[k]->text() +
                                    QStringLiteral(" ändern"));
        zeile->addWidget(farbKnoepfe_[k]);
        connect(farbKnoepfe_[k], &QPushButton::clicked, this, [this, k] { farbeAendern(k); });
    }
    standardfarben_ = new QPushButton(QStringLiteral("Standardfarben"), farben_);
    zeile->addWidget(standardfarben_);
    connect(standardfarben_, &QPushButton::clicked, this, &EinstellungenSeite::standardfarben);
    QFont klein = farben_->font();
    klein.setPointSizeF(m.punkte(8) - 0.5);
    for (QPushButton* k : farben_->findChildren<QPushButton*>()) {
        k->setFont(klein);
        // Reached with Tab and pressed with the space bar like every other button of the screen.
        k->setFocusPolicy(Qt::StrongFocus);
        k->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // Each button as wide as its caption asks, in the row's share.
        zeile->setStretchFactor(k, int(k->text().size()) + 4);
    }
    farbenAnzeigen();
}

void EinstellungenSeite::farbenAnzeigen() {
    for (int k = 0; k < FarbgruppenAnzahl; ++k) {
        einfaerben(farbKnoepfe_[k], sitzung_.farben[k]);
    }
}

void EinstellungenSeite::farbeAendern(int k) {
    const QColor gewaehlt = QColorDialog::getColor(alsQColor(sitzung_.farben[k]), rahmen_, QString(),
                                                   QColorDialog::DontUseNativeDialog);
    if (!gewaehlt.isValid()) {
        return; // cancelled
    }
    const Farbe neu = alsFarbe(gewaehlt);
    if (neu == sitzung_.hintergrundfarbe) {
        QMessageBox::warning(rahmen_, QApplication::applicationName(),
                             QStringLiteral("Hintergrundfarbe = Vordergrundfarbe!\n\nBitte wählen Sie eine "
                                            "andere Farbe!"));
        return;
    }
    if (neu == sitzung_.farben[k]) {
        return;
    }
    sitzung_.farben[k] = neu;
    farbenAnzeigen();
    emit farbenGeaendert();
}

void EinstellungenSeite::standardfarben() {
    if (sitzung_.farben == Standardfarben) {
        return;
    }
    sitzung_.farben = Standardfarben;
    farbenAnzeigen();
    emit farbenGeaendert();
}

void EinstellungenSeite::schriftenAnzeigen() {
    for (int k = 0; k < 3; ++k) {
        QFont schrift = schriftDesTextes(sitzung_, Schrifttext(k), dpi_);
        schrift.setPointSize(10);
        schriftSetzen(schriftTexte_[k], schrift);
        schriftTexte_[k]->setText(QString::fromStdString(cp1252ZuUtf8(sitzung_.schriftarten[k])));
        // The label shows the font's name; a screen reader hears which text it is for as well.
        schriftTexte_[k]->setAccessibleName(schriftZiele_[k]->text() + QStringLiteral(": ") +
                                            schriftTexte_[k]->text());
    }
}

int EinstellungenSeite::schriftZiel() const {
    for (int k = 0; k < 3; ++k) {
        if (schriftZiele_[k]->isChecked()) {
            return k;
        }
    }
    return 0;
}

void EinstellungenSeite::schriftAendern() {
    if (schriftWaehlenUndSpeichern(sitzung_, Schrifttext(schriftZiel()), dpi_, schriftWaehlen, rahmen_)) {
        schriftenAnzeigen();
        emit schriftenGeaendert();
    }
}

bool EinstellungenSeite::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == rahmen_ && ereignis->type() == QEvent::Show) {
        tabfolgeOrdnen();
    }
    if (ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        for (int k = 0; k < 3; ++k) {
            if (objekt == schriftTexte_[k] && schriftTexte_[k]->isEnabled()) {
                schriftZiele_[k]->setChecked(true);
                schriftAendern();
                return true;
            }
        }
    }
    return QObject::eventFilter(objekt, ereignis);
}

} // namespace tastwerk::ui
