#include "fakes.h"
#include "platform/datei.h"
#include "session/anmeldung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tastwerk;
using tastwerk::test::FesteUhr;
using tastwerk::test::TempOrdner;

namespace {

std::vector<std::uint8_t> dateiinhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

void dateiSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(inhalt.data()), static_cast<std::streamsize>(inhalt.size()));
}

struct Programmlauf {
    Sitzung sitzung;
    Benutzerdatei datei;
    explicit Programmlauf(const std::string& ordner, int breite = 800) : datei(ordner) {
        sitzung.bildschirmbreite = breite;
        sitzung.programmordner = ordner;
    }
};

} // namespace

TEST(Anmeldung, ErsterStartLegtBenutzerdateiUndTexteordnerAnUndHaengtDenBenutzerAn) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());

    const auto ergebnis = anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA");

    EXPECT_TRUE(ergebnis.neu);
    EXPECT_TRUE(ergebnis.dateiAngelegt);
    EXPECT_TRUE(std::filesystem::is_directory(ordner.datei("Texte")));
    const auto inhalt = dateiinhalt(ordner.datei("Benutzer.dat"));
    ASSERT_EQ(inhalt.size(), Satzlaenge);
    EXPECT_EQ(inhalt[0], 4);
    EXPECT_EQ(lauf.sitzung.satzposition, 1);
    EXPECT_EQ(lauf.sitzung.sitzungszahl, 1u); // a new record holds 0 uses
    EXPECT_EQ(lauf.sitzung.datensatzpuffer.benutzungen, 0);
    EXPECT_TRUE(lauf.sitzung.angemeldet);
}

TEST(Anmeldung, VorhandenerTexteordnerIstKeinFehler) {
    TempOrdner ordner;
    std::filesystem::create_directory(ordner.datei("Texte"));
    std::ofstream(ordner.datei("Texte/mein.TXT")) << "Hallo";
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    const auto ergebnis = anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA");
    EXPECT_FALSE(ergebnis.texteordnerAngelegt);
    EXPECT_TRUE(std::filesystem::exists(ordner.datei("Texte/mein.TXT")));
}

TEST(Anmeldung, BekannterNameStelltAlleEinstellungenWiederHerUndZaehltDieSitzung) {
    TempOrdner ordner;
    FesteUhr uhr;
    {
        Programmlauf lauf(ordner.pfad());
        anmelden(lauf.sitzung, lauf.datei, uhr, "BERND");
        Sitzung& s = lauf.sitzung;
        s.namenslaenge = 5;
        s.lektionNr = 7;
        s.uebungsstufe = 1;
        s.farben[2] = 0x00123456;
        s.wunschAnschlaege = 120;
        s.wunschFehlerrate = 0.7f;
        s.berichtigungErzwingen = 0;
        s.fehlerquoten[4][6] = 12;
        s.schriftarten[2] = "Courier New";
        s.fingerzaehler[3] = {70000, 12}; // more than 16 bits in memory
        s.hintergrundfarbe = 0x00FF0000;
        s.tastaturschriftfarbe = 1;
        s.statistikskala = 10;
        s.wiederholungsanteil = 44;
        s.tastaturlayout = Tastaturlayout::Schweiz;
        s.schriftstil2 = 3;
        s.schriftstil3 = 2;
        s.stimme = true;
        s.tonBeiTippfehler = false;
        ASSERT_TRUE(beimBeendenSpeichern(s));
        datenaufdiskschreiben(s, lauf.datei, uhr);
    }
    uhr.zeit.datum = {1997, 3, 10, 2}; // the next Monday
    Programmlauf lauf(ordner.pfad());
    const auto ergebnis = anmelden(lauf.sitzung, lauf.datei, uhr, "BERND");
    const Sitzung& s = lauf.sitzung;
    EXPECT_FALSE(ergebnis.neu);
    EXPECT_EQ(s.sitzungszahl, 2u);
    EXPECT_EQ(s.lektionNr, 7);
    EXPECT_EQ(s.uebungsstufe, 1);
    EXPECT_EQ(s.farben[2], 0x00123456u);
    EXPECT_EQ(s.wunschAnschlaege, 120);
    EXPECT_FLOAT_EQ(s.wunschFehlerrate, 0.7f);
    EXPECT_EQ(s.berichtigungErzwingen, 0);
    EXPECT_EQ(s.fehlerquoten[4][6], 12);
    EXPECT_EQ(s.fehlerquoten[4][5], KeinWert);
    EXPECT_EQ(s.schriftarten[2], "Courier New");
    EXPECT_EQ(s.fingerzaehler[3], (Fingerpaar{65535, 12})); // saturated, never wrapped
    EXPECT_EQ(s.hintergrundfarbe, 0x00FF0000u);
    EXPECT_EQ(s.tastaturschriftfarbe, 1);
    EXPECT_EQ(s.statistikskala, 10);
    EXPECT_EQ(s.wiederholungsanteil, 44);
    EXPECT_EQ(s.tastaturlayout, Tastaturlayout::Schweiz);
    EXPECT_EQ(s.schriftstil2, 3);
    EXPECT_EQ(s.schriftstil3, 2);
    EXPECT_TRUE(s.stimme);
    EXPECT_FALSE(s.tonBeiTippfehler);
    // The record buffer shows the previous save: Friday, 7 March 1997.
    EXPECT_EQ(s.datensatzpuffer.wochentag, 6);
    EXPECT_EQ(s.datensatzpuffer.tag, 7);
    EXPECT_EQ(s.datensatzpuffer.benutzungen, 1);
}

TEST(Anmeldung, NamenWerdenByteFuerByteVerglichen) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf a(ordner.pfad());
    anmelden(a.sitzung, a.datei, uhr, "ANNA");
    Programmlauf b(ordner.pfad());
    EXPECT_TRUE(anmelden(b.sitzung, b.datei, uhr, "ANNA ").neu);
    Programmlauf c(ordner.pfad());
    EXPECT_TRUE(anmelden(c.sitzung, c.datei, uhr, "Anna").neu);
    Programmlauf d(ordner.pfad());
    const auto ergebnis = anmelden(d.sitzung, d.datei, uhr, "ANNA");
    EXPECT_FALSE(ergebnis.neu);
    EXPECT_EQ(d.sitzung.satzposition, 1);
    EXPECT_EQ(dateiinhalt(ordner.datei("Benutzer.dat")).size(), 3 * Satzlaenge);
}

TEST(Anmeldung, SpeichernWaehrendEinerWiederholungSpeichertDieEigeneLektion) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    anmelden(lauf.sitzung, lauf.datei, uhr, "CLARA");
    Sitzung& s = lauf.sitzung;
    // A learner in lesson 7, word stage, repeats lesson 3.
    s.wiederholungAktiv = true;
    s.gespeicherteLektion = 7;
    s.gespeicherteStufe = 1;
    s.lektionNr = 3;
    s.uebungsstufe = 0;

    datenaufdiskschreiben(s, lauf.datei, uhr);

    const auto saetze = lauf.datei.alleLesen();
    ASSERT_EQ(saetze.size(), 1u);
    EXPECT_EQ(saetze[0].lektionNr, 7);
    EXPECT_EQ(saetze[0].uebungsstufe, 1);
    // The running repetition goes on.
    EXPECT_TRUE(s.wiederholungAktiv);
    EXPECT_EQ(s.lektionNr, 3);
    EXPECT_EQ(s.uebungsstufe, 0);
}

TEST(Anmeldung, SpeichernSchreibtNurDenEigenenSatzMitDemHeutigenDatum) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf a(ordner.pfad());
    anmelden(a.sitzung, a.datei, uhr, "ANNA");
    Programmlauf b(ordner.pfad());
    anmelden(b.sitzung, b.datei, uhr, "BERND");
    const auto vorher = dateiinhalt(ordner.datei("Benutzer.dat"));

    uhr.zeit.datum = {2026, 12, 8, 3};
    b.sitzung.lektionNr = 2;
    datenaufdiskschreiben(b.sitzung, b.datei, uhr);

    const auto nachher = dateiinhalt(ordner.datei("Benutzer.dat"));
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_TRUE(std::equal(vorher.begin(), vorher.begin() + Satzlaenge, nachher.begin()));
    const auto saetze = b.datei.alleLesen();
    EXPECT_EQ(saetze[1].lektionNr, 2);
    EXPECT_EQ(saetze[1].jahr, 2026);
    EXPECT_EQ(saetze[1].wochentag, 3);
    EXPECT_EQ(saetze[1].benutzungen, 1);
    EXPECT_EQ(b.sitzung.satzposition, 2);
    EXPECT_EQ(b.sitzung.datensatzpuffer.jahr, 2026);
}

TEST(Anmeldung, EinbuchstabigeNamenWerdenAngelegtAberBeimBeendenNichtGespeichert) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    anmelden(lauf.sitzung, lauf.datei, uhr, "X");
    lauf.sitzung.namenslaenge = 1;
    EXPECT_EQ(dateiinhalt(ordner.datei("Benutzer.dat")).size(), Satzlaenge);
    EXPECT_FALSE(beimBeendenSpeichern(lauf.sitzung));
    Sitzung nichtAngemeldet;
    nichtAngemeldet.namenslaenge = 5;
    EXPECT_FALSE(beimBeendenSpeichern(nichtAngemeldet));
}

TEST(Anmeldung, ZerrisseneDateiWirdBeiseiteKopiertUndDerNaechsteBenutzerAnDerSatzgrenzeAngehaengt) {
    TempOrdner ordner;
    FesteUhr uhr;
    {
        Programmlauf lauf(ordner.pfad());
        anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA");
    }
    auto inhalt = dateiinhalt(ordner.datei("Benutzer.dat"));
    inhalt.insert(inhalt.end(), {1, 2, 3, 4, 5, 6, 7}); // a torn append
    dateiSchreiben(ordner.datei("Benutzer.dat"), inhalt);

    Programmlauf lauf(ordner.pfad());
    const auto ergebnis = anmelden(lauf.sitzung, lauf.datei, uhr, "BERND");

    ASSERT_TRUE(ergebnis.sicherungskopie.has_value());
    EXPECT_EQ(dateiinhalt(*ergebnis.sicherungskopie), inhalt);
    EXPECT_EQ(dateiinhalt(ordner.datei("Benutzer.dat")).size(), 2 * Satzlaenge);
    const auto saetze = lauf.datei.alleLesen();
    EXPECT_EQ(saetze[0].benutzername, "ANNA");
    EXPECT_EQ(saetze[1].benutzername, "BERND");
    EXPECT_EQ(lauf.sitzung.satzposition, 2);

    // The mended file raises no new alarm.
    Programmlauf wieder(ordner.pfad());
    EXPECT_FALSE(anmelden(wieder.sitzung, wieder.datei, uhr, "ANNA").sicherungskopie.has_value());
}

TEST(Anmeldung, LeereDateiHaeltKeineBenutzer) {
    TempOrdner ordner;
    dateiSchreiben(ordner.datei("Benutzer.dat"), {});
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    const auto ergebnis = anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA");
    EXPECT_TRUE(ergebnis.neu);
    EXPECT_FALSE(ergebnis.dateiAngelegt);
    EXPECT_FALSE(std::filesystem::exists(ordner.datei("Texte"))); // only the first run creates it
    EXPECT_EQ(lauf.sitzung.satzposition, 1);
}

TEST(Anmeldung, UnoeffnbareVorhandeneDateiIstKeinErsterStartUndWirdNichtUeberschrieben) {
    // A user file that exists but cannot be opened: a link to a folder that is gone.
    TempOrdner ordner;
    std::filesystem::create_symlink(ordner.datei("weg/Benutzer.dat"), ordner.datei("Benutzer.dat"));
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    EXPECT_THROW(anmelden(lauf.sitzung, lauf.datei, uhr, "BERND"), Dateifehler);
    EXPECT_FALSE(lauf.sitzung.angemeldet);
    EXPECT_TRUE(std::filesystem::is_symlink(ordner.datei("Benutzer.dat")));
    EXPECT_FALSE(std::filesystem::exists(ordner.datei("Texte")));
}

TEST(Anmeldung, VerzeichnisStattDateiMeldetEinenFehler) {
    TempOrdner ordner;
    std::filesystem::create_directory(ordner.datei("Benutzer.dat"));
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    EXPECT_THROW(anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA"), Dateifehler);
    EXPECT_FALSE(lauf.sitzung.angemeldet);
}

TEST(Anmeldung, SpeichernOhneEigenenSatzMeldetEinenFehlerUndLaesstDieSitzung) {
    TempOrdner ordner;
    FesteUhr uhr;
    Programmlauf lauf(ordner.pfad());
    anmelden(lauf.sitzung, lauf.datei, uhr, "ANNA");
    dateiSchreiben(ordner.datei("Benutzer.dat"), {});
    const int tagVorher = lauf.sitzung.tag;
    uhr.zeit.datum.tag = 28;
    EXPECT_THROW(datenaufdiskschreiben(lauf.sitzung, lauf.datei, uhr), Dateifehler);
    EXPECT_EQ(lauf.sitzung.tag, tagVorher);
    EXPECT_TRUE(dateiinhalt(ordner.datei("Benutzer.dat")).empty());
}
