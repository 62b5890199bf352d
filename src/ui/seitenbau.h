// The contents of the main window's screens. The keyboard (with its popup) and the status bar are made
// at once; every other screen is made the first time it is asked for (by the navigation before its groups
// are shown, by the exercises, by the window), so that the start pays only for what the first screen
// shows. A screen made after the canvas took its design is made as at the design scale and then shown at
// the present one.
#pragma once

#include "ui/masse.h"
#include "ui/seiten.h"
#include "ui/uebungsaktionen.h"

#include <QObject>
#include <QString>

#include <tuple>

class QWidget;

namespace tastwerk {
struct Sitzung;
class Klang;
class Benutzerdatei;
} // namespace tastwerk

namespace tastwerk::ui {

class BenutzerdateiSeite;
class BenutzerdatenSeite;
class BuchstabenSeite;
class EigeneTexteSeite;
class EinstellungenSeite;
class ExtrasSeite;
class Fehlerraster;
class HinweisSeite;
class LayoutAuswahl;
class Leinwand;
class StatistikSeite;
class Statusleiste;
class TastaturWidget;
class WortSeite;

class Seitenbau : public QObject {
    Q_OBJECT
public:
    // `fenster` owns the message boxes of the own texts.
    Seitenbau(Leinwand& leinwand, const Seiten& seiten, Sitzung& sitzung, Benutzerdatei& datei, Klang& klang,
              const Masse& m, const Uebungsaktionen& uebungsaktionen, QWidget* fenster);

    // Made at once: the keyboard shows on the first screen, the status bar is the exercises' own.
    TastaturWidget& tastatur;
    Statusleiste& status;

    // Made when first asked for.
    EinstellungenSeite& einstellungen();
    // The group "Tastaturlayout" of the settings.
    LayoutAuswahl& layoutAuswahl();
    ExtrasSeite& extras();
    HinweisSeite& hinweis();
    BuchstabenSeite& buchstaben();
    WortSeite& wort();
    EigeneTexteSeite& eigene();
    BenutzerdatenSeite& benutzerdaten();
    BenutzerdateiSeite& benutzerdatei();
    StatistikSeite& statistik();
    Fehlerraster& raster();

    // A screen if it has been made, else none: for duties that only concern what exists.
    template <class T> T* schonGebaut() const { return std::get<T*>(gebaut_); }

    // The keys the repetition practises, shown on the Extras screen now or when it is made.
    void wiederholungsTastenZeigen(const QString& text);

    // Makes the contents of the group `teil` (one of `Seiten`) before it is shown, where they are made
    // only then.
    void bereitstellen(QWidget* teil);

signals:
    // A screen has been made: what talks to it is connected now.
    void einstellungenGebaut(EinstellungenSeite* seite);
    void extrasGebaut(ExtrasSeite* seite);
    void hinweisGebaut(HinweisSeite* seite);
    void buchstabenGebaut(BuchstabenSeite* seite);
    void wortGebaut(WortSeite* seite);
    void eigeneGebaut(EigeneTexteSeite* seite);
    void benutzerdatenGebaut(BenutzerdatenSeite* seite);
    void benutzerdateiGebaut(BenutzerdateiSeite* seite);
    void statistikGebaut(StatistikSeite* seite);

private:
    // Builds into the groups with `bauen`, then announces the screen with `gebaut`.
    template <class T, class Bauen>
    T& einmal(std::initializer_list<QWidget*> teile, Bauen bauen, void (Seitenbau::*gebaut)(T*));

    Leinwand& leinwand_;
    Seiten seiten_;
    Sitzung& sitzung_;
    Benutzerdatei& datei_;
    Klang& klang_;
    Masse masse_;
    Uebungsaktionen uebungsaktionen_;
    QWidget* fenster_;
    QString wiederholungsTasten_;
    LayoutAuswahl* layoutAuswahl_ = nullptr;
    std::tuple<EinstellungenSeite*, ExtrasSeite*, HinweisSeite*, BuchstabenSeite*, WortSeite*,
               EigeneTexteSeite*, BenutzerdatenSeite*, BenutzerdateiSeite*, StatistikSeite*, Fehlerraster*>
        gebaut_{};
};

} // namespace tastwerk::ui
