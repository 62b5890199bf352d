// The end of an exercise: what it counted goes to the learning history.
#include "ui/eigene_texte_seite.h"
#include "ui/uebungssteuerung.h"
#include "verlauf/aufzeichnung.h"

namespace tastwerk::ui {

void Uebungssteuerung::uebungBeendet(bool bestanden) {
    const std::optional<Uebungsbeginn> beginn = std::exchange(uebungsbeginn_, std::nullopt);
    if (!beginn || !t_.aufzeichnen) {
        return;
    }
    Uebungsstand stand;
    stand.sekunden = zeit_.uebungssekunden(t_.uhr->monotonMs());
    std::string stufe;
    // The engine has already stopped its exercise when it was passed: what ran is what began.
    if (beginn->art == Uebungsart::Buchstaben) {
        stufe = StufeBuchstaben;
        stand.anschlaege = buchstabenuebung_.anschlaege();
        stand.tempozaehler = buchstabenuebung_.anschlaege();
        stand.fehler = buchstabenuebung_.fehlerzahl();
        stand.finger = s_.fingerzaehler;
        stand.zeichen = buchstabenuebung_.zeichenzaehlung().liste();
    } else if (beginn->art == Uebungsart::Wort) {
        stufe = StufeWort;
        // The word exercise's counter includes the key that answered the start prompt.
        stand.tempozaehler = wortuebung_.anschlagzaehler();
        stand.anschlaege = stand.tempozaehler > 0 ? stand.tempozaehler - 1 : 0;
        stand.fehler = wortuebung_.fehlerzaehler();
        stand.finger = wortuebung_.fingerzaehler();
        stand.zeichen = wortuebung_.zeichenzaehlung().liste();
    } else if (t_.eigene->uebung()) {
        const EigeneTexteUebung& u = *t_.eigene->uebung();
        const QString datei = t_.eigene->uebungsdatei();
        stufe = datei.isEmpty() ? std::string("Eigener Text") : datei.toStdString();
        stand.anschlaege = u.anschlaege();
        stand.tempozaehler = u.anschlagzaehler();
        stand.fehler = u.fehlerzaehler();
        stand.zeichen = u.zeichenzaehlung().liste();
    } else {
        return;
    }
    const Uebungseintrag eintrag =
        uebungseintrag(s_.name, s_.lektionNr, stufe, static_cast<int>(s_.tastaturlayout), beginn->zeit,
                       t_.uhr->jetzt(), stand, bestanden);
    if (lohntAufzeichnung(eintrag)) {
        t_.aufzeichnen(eintrag);
    }
}

} // namespace tastwerk::ui
