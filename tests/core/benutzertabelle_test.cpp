#include "fakes.h"
#include "session/anmeldung.h"
#include "session/benutzerdaten.h"
#include "session/benutzertabelle.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tastwerk;
using tastwerk::test::FesteUhr;
using tastwerk::test::TempOrdner;

namespace {

Benutzerdatensatz satzMit(int lektion, int stufe, int benutzungen = 0) {
    Benutzerdatensatz s = neuerBenutzer("ANNA", Datum{1997, 3, 7, 2}, 800);
    s.lektionNr = static_cast<std::uint8_t>(lektion);
    s.uebungsstufe = static_cast<std::uint8_t>(stufe);
    s.benutzungen = static_cast<std::uint16_t>(benutzungen);
    return s;
}

} // namespace

TEST(Benutzertabelle, KoepfeUndSpaltenbreitenFolgenDerBildschirmbreite) {
    EXPECT_STREQ(Tabellenspalten[0].kopf, " Nr.");
    EXPECT_STREQ(Tabellenspalten[1].kopf, " Benutzername/ Erkennungszeichen");
    EXPECT_STREQ(Tabellenspalten[2].kopf, " Lektion");
    EXPECT_STREQ(Tabellenspalten[3].kopf, " Letzte Benutzung");
    EXPECT_STREQ(Tabellenspalten[4].kopf, " Benutzt");
    struct Fall {
        int breite;
        std::array<int, 5> spalten;
    };
    for (const Fall& f : {Fall{800, {50, 459, 60, 114, 54}}, Fall{1024, {64, 588, 76, 147, 70}},
                          Fall{1920, {120, 1103, 144, 275, 131}}}) {
        for (int spalte = 0; spalte < TabellenspaltenAnzahl; ++spalte) {
            EXPECT_EQ(spaltenbreite(spalte, f.breite), f.spalten[static_cast<std::size_t>(spalte)])
                << f.breite << " column " << spalte;
        }
    }
}

TEST(Benutzertabelle, ZeilennummerRechtsbuendigAufDreiStellen) {
    EXPECT_EQ(nummernzelle(1), "   1");
    EXPECT_EQ(nummernzelle(9), "   9");
    EXPECT_EQ(nummernzelle(10), " 10");
    EXPECT_EQ(nummernzelle(99), " 99");
    EXPECT_EQ(nummernzelle(100), "100");
    EXPECT_EQ(nummernzelle(1234), "1234");
}

TEST(Benutzertabelle, LektionMitStufe) {
    EXPECT_EQ(lektionszelle(satzMit(12, 1)), "12 W");
    EXPECT_EQ(lektionszelle(satzMit(3, 0)), "  3 B");
    EXPECT_EQ(lektionszelle(satzMit(9, 1)), "  9 W");
    EXPECT_EQ(lektionszelle(satzMit(10, 0)), "10 B");
    EXPECT_EQ(lektionszelle(satzMit(16, 2)), "16 B"); // only stage 1 is the word exercise
}

TEST(Benutzertabelle, LetzteBenutzungMitWochentagskuerzelUndFuehrendenNullen) {
    Benutzerdatensatz s = satzMit(1, 0);
    s.wochentag = 2;
    s.tag = 7;
    s.monat = 3;
    s.jahr = 1997;
    EXPECT_EQ(datumszelle(s), " MO, 07.03.1997");
    s.tag = 31;
    s.monat = 12;
    s.jahr = 2024;
    const char* kuerzel[] = {" SO, ", " MO, ", " DI, ", " MI, ", " DO, ", " FR, ", " SA, "};
    for (int code = 1; code <= 7; ++code) {
        s.wochentag = static_cast<std::uint8_t>(code);
        EXPECT_EQ(datumszelle(s), std::string(kuerzel[code - 1]) + "31.12.2024");
    }
    s.wochentag = 0; // damaged record
    EXPECT_EQ(datumszelle(s), " ?, 31.12.2024");
    s.wochentag = 8;
    EXPECT_EQ(datumszelle(s), " ?, 31.12.2024");
}

TEST(Benutzertabelle, BenutzungenMitZweiLeerzeichenJeStelleWeniger) {
    const std::pair<int, const char*> faelle[] = {
        {0, "      0"}, {5, "      5"}, {9, "      9"}, {10, "    10"}, {42, "    42"},   {99, "    99"},
        {100, "  100"}, {123, "  123"}, {999, "  999"}, {1000, "1000"}, {65535, "65535"},
    };
    for (const auto& [anzahl, zelle] : faelle) {
        EXPECT_EQ(benutzungszelle(satzMit(1, 0, anzahl)), zelle) << anzahl;
    }
}

TEST(Benutzertabelle, ZeileAusDemSatzMitNamenInUtf8) {
    Benutzerdatensatz s = satzMit(12, 1, 42);
    s.benutzername = "M\xDCLLER \xDF"; // Windows-1252
    const Tabellenzeile zeile = tabellenzeile(4, s);
    EXPECT_EQ(zeile, (Tabellenzeile{"   4", " MÜLLER ß", "12 W", " MO, 07.03.1997", "    42"}));
}

TEST(Benutzertabelle, NurZeilenMitBenutzernSindWaehlbar) {
    EXPECT_FALSE(benutzerzeileGewaehlt(0, 5));  // header
    EXPECT_FALSE(benutzerzeileGewaehlt(-1, 5)); // beside the cells
    EXPECT_FALSE(benutzerzeileGewaehlt(6, 5));  // below the last user
    EXPECT_TRUE(benutzerzeileGewaehlt(1, 5));
    EXPECT_TRUE(benutzerzeileGewaehlt(5, 5));
    EXPECT_FALSE(benutzerzeileGewaehlt(1, 0));
}

TEST(Benutzertabelle, LoeschfrageUndVerweigerung) {
    EXPECT_EQ(loeschfrage(3, " MÜLLER"),
              "Möchten Sie den Benutzer Nr.3\n\" MÜLLER\"\n-unwiderruflich aus der Benutzerliste löschen?");
    EXPECT_STREQ(LoeschenVerweigert, "Zugriff verweigert!\n\nAktive Benutzer können nicht gelöscht werden!");
}

TEST(Benutzertabelle, ZugangswortNurGenauUndMitKleinbuchstaben) {
    EXPECT_TRUE(zugangswortRichtig("tovik"));
    for (const char* falsch : {"Tovik", "TOVIK", "tovik ", " tovik", "tovi", "tovikk", ""}) {
        EXPECT_FALSE(zugangswortRichtig(falsch)) << '"' << falsch << '"';
    }
    EXPECT_EQ(PasswortHoechstlaenge, 12);
}

TEST(Benutzerdaten, AlleZeilenAusDerSitzung) {
    Sitzung s;
    s.name = "M\xDCLLER";
    s.lektionNr = 7;
    s.uebungsstufe = 1;
    s.wunschAnschlaege = 120;
    s.wunschFehlerrate = 0.7f;
    s.startstunde = 9;
    s.startminute = 5;
    s.sitzungszahl = 3;
    s.bildschirmbreite = 800;
    s.bildschirmhoehe = 600;
    s.datensatzpuffer.wochentag = 6;
    s.datensatzpuffer.tag = 7;
    s.datensatzpuffer.monat = 3;
    s.datensatzpuffer.jahr = 1997;
    // The session's own date is today's; the screen shows the stored one.
    s.jahr = 2024;
    s.monat = 11;
    s.tag = 20;

    const Benutzerdatentexte t = benutzerdatentexte(s, 5'000'000'000ULL);

    EXPECT_EQ(t.name, "Benutzername/ Erkennungszeichen: MÜLLER");
    EXPECT_EQ(t.lektion, "Lektion: 7 (Wortübung)");
    EXPECT_EQ(t.tippgeschwindigkeit, "Angestrebte Tippgeschwindigkeit: 120 Anschläge pro Minute");
    EXPECT_EQ(t.hoechstfehlerrate, "Angestrebte Höchstfehlerrate: 0.7 %");
    EXPECT_EQ(t.startzeit, "Startzeit: 09:05");
    EXPECT_EQ(t.letzteBenutzung, "Letzte Benutzung des Programmes: Freitag, den 07.03.1997");
    EXPECT_EQ(t.benutzungen, "Sie haben das Programm 3\n mal benutzt.");
    EXPECT_EQ(t.bildschirm, "800 x 600 Punkte");
    EXPECT_EQ(t.speicher, "5000000000 KByte frei.");
    EXPECT_EQ(t.lektionsfeld, "7 W");
}

TEST(Benutzerdaten, EinzelneZeilenAnIhrenGrenzen) {
    Sitzung s;
    s.lektionNr = 3;
    s.uebungsstufe = 0;
    s.wunschFehlerrate = 6.0f;
    s.startstunde = 14;
    s.startminute = 30;
    s.sitzungszahl = 0;
    const Benutzerdatentexte t = benutzerdatentexte(s, std::nullopt);
    EXPECT_EQ(t.lektion, "Lektion: 3 (Buchstabenübung)");
    EXPECT_EQ(t.hoechstfehlerrate, "Angestrebte Höchstfehlerrate: 6.0 %");
    EXPECT_EQ(t.startzeit, "Startzeit: 14:30");
    EXPECT_EQ(t.benutzungen, "Sie benutzen das Programm zum ersten mal.");
    EXPECT_EQ(t.speicher, "Der freie Speicherplatz kann nicht ermittelt werden.");
    EXPECT_EQ(t.lektionsfeld, "3 B");

    EXPECT_EQ(speicherText(0), "0 KByte frei.");
    EXPECT_EQ(lektionsfeldText(12, 1), "12 W");
    const char* namen[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    for (int code = 1; code <= 7; ++code) {
        EXPECT_EQ(wochentagsname(code), namen[code - 1]);
    }
    EXPECT_EQ(letzteBenutzungText(1, 31, 12, 2024),
              "Letzte Benutzung des Programmes: Sonntag, den 31.12.2024");
    EXPECT_EQ(letzteBenutzungText(0, 1, 1, 1997), "Letzte Benutzung des Programmes: ?, den 01.01.1997");
}

// After sign-in the last use is the previous save; once the session has been saved in this run it is
// today's date.
TEST(Benutzerdaten, LetzteBenutzungIstBisZumSpeichernDerVorigeTag) {
    TempOrdner ordner;
    std::ofstream(ordner.datei("Benutzer.dat")).close();
    FesteUhr uhr; // Friday, 7 March 1997
    Sitzung s;
    s.programmordner = ordner.pfad();
    Benutzerdatei datei(ordner.pfad());
    anmelden(s, datei, uhr, "ANNA");
    uhr.zeit.datum = {1997, 3, 10, 2}; // Monday
    EXPECT_EQ(benutzerdatentexte(s, {}).letzteBenutzung,
              "Letzte Benutzung des Programmes: Freitag, den 07.03.1997");

    datenaufdiskschreiben(s, datei, uhr);

    EXPECT_EQ(benutzerdatentexte(s, {}).letzteBenutzung,
              "Letzte Benutzung des Programmes: Montag, den 10.03.1997");
    EXPECT_EQ(datumszelle(datei.alleLesen().at(0)), " MO, 10.03.1997");
}
