// The end of an exercise: what the practice run counted goes to the learning history.
#include "ui/eigene_texte_seite.h"
#include "ui/seitenbau.h"
#include "ui/uebungssteuerung.h"
#include "verlauf/aufzeichnung.h"

namespace tastwerk::ui {

void Uebungssteuerung::berichtAufzeichnen(const Uebungsbericht& b) {
    std::string stufe;
    switch (b.art) {
    case Uebungsart::Buchstabenuebung:
        stufe = StufeBuchstaben;
        break;
    case Uebungsart::Wortuebung:
        stufe = StufeWort;
        break;
    case Uebungsart::EigeneTexte: {
        const QString datei = p_.eigene().uebungsdatei();
        stufe = datei.isEmpty() ? std::string("Eigener Text") : datei.toStdString();
        break;
    }
    case Uebungsart::Keine:
        return;
    }
    Uebungsstand stand;
    stand.anschlaege = b.anschlaege;
    stand.tempozaehler = b.anschlagzaehler;
    stand.fehler = b.fehler;
    stand.sekunden = b.sekunden;
    stand.finger = b.fingerzaehler;
    stand.zeichen = b.zeichen;
    const bool bestanden = b.ende == Uebungsende::Bestanden || b.ende == Uebungsende::Textende;
    const Uebungseintrag eintrag =
        uebungseintrag(s_.name, b.lektion, stufe, static_cast<int>(s_.tastaturlayout), beginn_, uhr_.jetzt(),
                       stand, bestanden);
    if (lohntAufzeichnung(eintrag)) {
        emit aufgezeichnet(eintrag);
    }
}

} // namespace tastwerk::ui
