#include "course/lektionswahl.h"

#include "course/lektionskatalog.h"

#include <algorithm>

namespace tastwerk {

void lektionDirektWaehlen(Sitzung& s, int position) {
    const Stufe stufe = ausPosition(position);
    s.lektionNr = stufe.lektion;
    s.uebungsstufe = stufe.stufe;
}

int aktuellePosition(const Sitzung& s) {
    return s.wiederholungAktiv ? stufenposition(s.gespeicherteLektion, s.gespeicherteStufe)
                               : stufenposition(s.lektionNr, s.uebungsstufe);
}

int wiederholungWaehlen(Sitzung& s, int position) {
    const int erlaubt = std::clamp(position, 1, aktuellePosition(s));
    const Stufe stufe = ausPosition(erlaubt);
    s.wiederholungsLektion = stufe.lektion;
    s.wiederholungsStufe = stufe.stufe;
    return erlaubt;
}

void wiederholungBeginnen(Sitzung& s) {
    if (!s.wiederholungAktiv) {
        s.gespeicherteLektion = s.lektionNr;
        s.gespeicherteStufe = s.uebungsstufe;
        s.gespeicherteFingerzaehler = s.fingerzaehler;
    }
    s.wiederholungAktiv = true;
    s.lektionNr = s.wiederholungsLektion;
    s.uebungsstufe = s.wiederholungsStufe;
}

void wiederholungBeenden(Sitzung& s) {
    if (!s.wiederholungAktiv) {
        return;
    }
    s.wiederholungAktiv = false;
    s.lektionNr = s.gespeicherteLektion;
    s.uebungsstufe = s.gespeicherteStufe;
    s.fingerzaehler = s.gespeicherteFingerzaehler;
}

std::string stufenzusatz(int stufe) { return stufe == 0 ? " (Buchstabenübung)" : " (Wortübung)"; }

std::string startLektionText(const Sitzung& s) {
    const int lektion = s.wiederholungAktiv ? s.gespeicherteLektion : s.lektionNr;
    const int stufe = s.wiederholungAktiv ? s.gespeicherteStufe : s.uebungsstufe;
    return "Start Lektion " + std::to_string(lektion) + stufenzusatz(stufe);
}

std::string wiederholungHinweis(const Sitzung& s) {
    return "Wiederholung Lektion " + std::to_string(s.wiederholungsLektion) + stufenzusatz(s.wiederholungsStufe);
}

} // namespace tastwerk
