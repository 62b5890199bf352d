#include "session/anmeldung.h"

#include "platform/datei.h"

namespace tastwerk {

Anmeldeergebnis anmelden(Sitzung& sitzung, Benutzerdatei& datei, const Uhr& uhr, const std::string& name) {
    const std::string gekuerzt = name.substr(0, NamenKapazitaet);
    const Datum heute = uhr.jetzt().datum;
    const auto anmeldung =
        datei.anmelden(gekuerzt, [&] { return neuerBenutzer(gekuerzt, heute, sitzung.bildschirmbreite); });

    Anmeldeergebnis ergebnis;
    ergebnis.neu = anmeldung.neu;
    ergebnis.dateiAngelegt = anmeldung.dateiAngelegt;
    ergebnis.sicherungskopie = anmeldung.sicherungskopie;
    if (anmeldung.dateiAngelegt) {
        ergebnis.texteordnerAngelegt = ordnerAnlegen(datei.ordner() + "/Texte");
    }

    sitzung.name = gekuerzt;
    sitzung.satzposition = anmeldung.satzposition;
    sitzung.ausDatensatzLaden(anmeldung.satz);
    sitzung.angemeldet = true;
    return ergebnis;
}

void datenaufdiskschreiben(Sitzung& sitzung, Benutzerdatei& datei, const Uhr& uhr) {
    const Datum heute = uhr.jetzt().datum;
    const Benutzerdatensatz satz = sitzung.alsDatensatz(heute);
    sitzung.satzposition = datei.speichern(satz);
    sitzung.jahr = heute.jahr;
    sitzung.monat = heute.monat;
    sitzung.tag = heute.tag;
    sitzung.datensatzpuffer = satz;
}

bool beimBeendenSpeichern(const Sitzung& sitzung) {
    return sitzung.angemeldet && sitzung.namenslaenge >= 2;
}

} // namespace tastwerk
