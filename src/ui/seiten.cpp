#include "ui/seiten.h"

namespace tastwerk::ui {

namespace {
QGroupBox* seite(QWidget* flaeche, const QString& titel, const QRect& ort) {
    auto* s = new QGroupBox(titel, flaeche);
    s->setGeometry(ort);
    // A screen in front covers the ones behind it.
    s->setAutoFillBackground(true);
    s->hide();
    return s;
}
} // namespace

Seiten seitenAnlegen(QWidget* f, const Masse& m) {
    Seiten s{};
    const int links = m.s(8);
    const int breite = m.breite - 2 * links;
    const QRect mitte(links, m.h(0.2), breite, m.h(0.42));
    s.hauptmenue = seite(f, QStringLiteral("Hauptmenü"), m.r(166, 2, 626, 58));
    s.tastatur = seite(f, QStringLiteral("Die Tastatur"), QRect(links, m.h(0.2), breite, m.s(236)));
    s.einstellungen = seite(f, QStringLiteral("Einstellungen"), mitte);
    s.benutzerdaten = seite(f, QStringLiteral("Benutzer- und Systemdaten"), mitte);
    s.benutzerdatei =
        seite(f, QStringLiteral("Benutzerdatei einsehen"), QRect(links, m.h(0.2), breite, m.h(100, 231)));
    s.extras = seite(f, QStringLiteral("Extras"), mitte);
    s.hinweistext =
        seite(f, QStringLiteral("Hinweistext zu Lektion 1"), QRect(links, m.h(0.01), breite, m.h(0.6)));
    s.buchstabenuebung =
        seite(f, QStringLiteral("Buchstabenübung"), QRect(links, m.h(0.01), breite, m.h(0.36)));
    s.wortuebung = seite(f, QStringLiteral("Wortübung"), QRect(links, m.h(0.01), breite, m.h(0.36)));
    s.fehlerstatistik =
        seite(f, QStringLiteral("Fehlerstatistik"), QRect(links, m.h(1, 2.6), breite, m.h(0.4)));
    s.fehlerraster = seite(f, QStringLiteral(" Fehlerstatistik der Lektionen 1 bis 16  [ %] "),
                           QRect(links, m.h(50, 261), breite, m.h(0.4)));
    for (auto& e : s.eigeneTexte) {
        e = seite(f, QStringLiteral("Eigene Texte üben"), mitte);
    }
    s.fingergymnastik =
        seite(f, QStringLiteral(" \"Fingergymnastik\" "), QRect(links, m.h(0.12), breite, m.h(0.6)));
    s.schreibregeln = seite(f, QStringLiteral("Die wichtigsten Schreibregeln"),
                            QRect(links, m.h(50, 273), breite, m.h(100, 141)));
    s.abbruchleiste = new QFrame(f);
    s.abbruchleiste->setFrameShape(QFrame::Panel);
    s.abbruchleiste->setGeometry(links, m.hoehe - m.s(90), breite, m.s(30));
    s.abbruchleiste->hide();
    return s;
}

} // namespace tastwerk::ui
