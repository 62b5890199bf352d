#include "ui/eigene_texte_menue.h"

namespace tastwerk::ui {

void fett(QPushButton* knopf, bool ja) {
    QFont f;
    f.setBold(ja);
    knopf->setFont(f);
}

EigeneTexteMenue::EigeneTexteMenue(QGroupBox* rahmen, const Masse& m, QObject* eltern)
    : QObject(eltern), rahmen_(rahmen) {
    rahmen_->setGeometry(m.r(166, 2, 626, 58));
    textUeben_ = new QPushButton(QStringLiteral("Text üben"), rahmen_);
    neuErstellen_ = new QPushButton(QStringLiteral("Text neu erstellen"), rahmen_);
    aendern_ = new QPushButton(QStringLiteral("Text ändern"), rahmen_);
    hauptmenue_ = new QPushButton(QStringLiteral("Hauptmenü"), rahmen_);
    double x = 8;
    for (QPushButton* k : {textUeben_, neuErstellen_, aendern_, hauptmenue_}) {
        k->setGeometry(m.r(x, 20, 146, 30));
        x += 152;
    }
}

void EigeneTexteMenue::zeigen() {
    rahmen_->show();
    rahmen_->raise();
}

void EigeneTexteMenue::textUebenHervorheben(bool ja) {
    fett(textUeben_, ja);
}

} // namespace tastwerk::ui
