#include "practice/textdatei.h"

#include "platform/zeichensatz.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace tastwerk {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view Ersatzzeichen = "\xEF\xBF\xBD";
constexpr std::string_view Zeilenumbruch = "\r\n";
constexpr std::string_view Textendung = "TXT";
// The error message names at most this many of the characters that do not fit.
constexpr std::size_t GenannteZeichen = 10;

// Splits at CR LF, LF and CR. A break at the very end ends the last line and is remembered instead.
void zerlegen(std::string_view inhalt, std::vector<std::string>& zeilen, bool& schlussumbruch) {
    zeilen.clear();
    schlussumbruch = false;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        const char c = inhalt[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        zeilen.emplace_back(inhalt.substr(anfang, i - anfang));
        if (c == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n') {
            ++i;
        }
        anfang = i + 1;
    }
    if (anfang < inhalt.size() || zeilen.empty()) {
        zeilen.emplace_back(inhalt.substr(anfang));
    } else {
        schlussumbruch = true;
    }
}

// Length in bytes of the UTF-8 sequence that begins with this byte; 1 for a byte that begins none.
std::size_t folgelaenge(unsigned char b) {
    if (b >= 0xF0 && b <= 0xF7) {
        return 4;
    }
    if (b >= 0xE0) {
        return b <= 0xEF ? 3 : 1;
    }
    if (b >= 0xC0) {
        return 2;
    }
    return 1;
}

void nichtDarstellbareSammeln(std::string_view utf8, std::vector<std::string>& gefunden) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = std::min(folgelaenge(b), utf8.size() - i);
        const std::string_view folge = utf8.substr(i, n);
        std::string_view fehlt;
        if (!istGueltigesUtf8(folge)) {
            fehlt = Ersatzzeichen;
            ++i; // resynchronise on the next byte
        } else {
            if (!utf8ZuCp1252(folge)) {
                fehlt = folge;
            }
            i += n;
        }
        if (!fehlt.empty() && std::find(gefunden.begin(), gefunden.end(), fehlt) == gefunden.end()) {
            gefunden.emplace_back(fehlt);
        }
    }
}

std::vector<std::string> nichtDarstellbareZeilen(const std::vector<std::string>& zeilen) {
    std::vector<std::string> gefunden;
    for (const auto& zeile : zeilen) {
        nichtDarstellbareSammeln(zeile, gefunden);
    }
    return gefunden;
}

std::string fehlermeldung(const std::vector<std::string>& zeichen) {
    std::string meldung = "Der Text enthält Zeichen, die eine Windows-1252-Datei nicht aufnehmen kann:";
    for (std::size_t k = 0; k < zeichen.size() && k < GenannteZeichen; ++k) {
        meldung += k == 0 ? " \"" : ", \"";
        meldung += zeichen[k];
        meldung += '"';
    }
    if (zeichen.size() > GenannteZeichen) {
        meldung += " und weitere";
    }
    meldung += ". Es wurde nichts gespeichert.";
    return meldung;
}

struct Zeichenname {
    char32_t codepunkt;
    const char* name;
};

constexpr std::array<Zeichenname, 16> Zeichennamen = {{
    {0x00, "Nullzeichen"},
    {0x07, "Klingelzeichen"},
    {0x08, "Rückschritt"},
    {0x09, "Tabulator"},
    {0x0A, "Zeilenvorschub"},
    {0x0B, "vertikaler Tabulator"},
    {0x0C, "Seitenvorschub"},
    {0x0D, "Wagenrücklauf"},
    {0x1B, "Escape"},
    {0x7F, "Löschzeichen"},
    {0xA0, "geschütztes Leerzeichen"},
    {0x200B, "breitenloses Leerzeichen"},
    {0x2028, "Zeilentrenner"},
    {0x2029, "Absatztrenner"},
    {0xFEFF, "Byte-Order-Mark"},
    {0xFFFD, "kein gültiges UTF-8"},
}};

// Characters that show nothing, or something that is not themselves, in a message.
bool unsichtbar(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x2000 && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) || c == 0xFEFF || c == 0xFFFD;
}

bool hatBytesUeber127(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

Zeichensatzfehler::Zeichensatzfehler(std::vector<std::string> zeichen)
    : Dateifehler(fehlermeldung(zeichen)), zeichen_(std::move(zeichen)) {}

EigenerText textAusBytes(std::string_view inhalt) {
    EigenerText text;
    const bool bom = inhalt.starts_with(Bom);
    const std::string_view rumpf = bom ? inhalt.substr(Bom.size()) : inhalt;
    if ((bom || hatBytesUeber127(rumpf)) && istGueltigesUtf8(rumpf)) {
        text.kodierung = Textkodierung::Utf8;
        text.bom = bom;
        zerlegen(rumpf, text.zeilen, text.schlussumbruch);
        text.nichtDarstellbar = nichtDarstellbareZeilen(text.zeilen);
    } else {
        // Every byte is a Windows-1252 character, so nothing is lost and nothing is refused.
        zerlegen(inhalt, text.zeilen, text.schlussumbruch);
        for (auto& zeile : text.zeilen) {
            zeile = cp1252ZuUtf8(zeile);
        }
    }
    return text;
}

EigenerText textdateiLesen(const std::string& pfad) {
    const Datei datei(pfad, Datei::Art::Lesen);
    const auto inhalt = datei.allesLesen();
    return textAusBytes(std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
}

std::string textAlsBytes(const EigenerText& text) {
    std::string aus;
    if (text.kodierung == Textkodierung::Utf8 && text.bom) {
        aus += Bom;
    }
    for (std::size_t k = 0; k < text.zeilen.size(); ++k) {
        const std::string& zeile = text.zeilen[k];
        if (text.kodierung == Textkodierung::Utf8) {
            if (!istGueltigesUtf8(zeile)) {
                throw Dateifehler("Zeile " + std::to_string(k + 1) +
                                  " des Textes ist kein gültiger UTF-8-Text.");
            }
            aus += zeile;
        } else {
            const auto bytes = utf8ZuCp1252(zeile);
            if (!bytes) {
                auto fehlt = nichtDarstellbareZeilen(text.zeilen);
                if (fehlt.empty()) {
                    throw Dateifehler("Zeile " + std::to_string(k + 1) +
                                      " des Textes ist kein gültiger UTF-8-Text.");
                }
                throw Zeichensatzfehler(std::move(fehlt));
            }
            aus += *bytes;
        }
        if (k + 1 < text.zeilen.size() || text.schlussumbruch) {
            aus += Zeilenumbruch;
        }
    }
    return aus;
}

void textdateiSchreiben(const std::string& pfad, const EigenerText& text) {
    const std::string bytes = textAlsBytes(text);
    atomarSchreiben(pfad, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

std::string editortext(const EigenerText& text) {
    std::string aus;
    for (std::size_t k = 0; k < text.zeilen.size(); ++k) {
        aus += text.zeilen[k];
        if (k + 1 < text.zeilen.size() || text.schlussumbruch) {
            aus += '\n';
        }
    }
    return aus;
}

EigenerText textAusEditor(std::string_view editortext, Textkodierung kodierung, bool bom) {
    EigenerText text;
    text.kodierung = kodierung;
    text.bom = kodierung == Textkodierung::Utf8 && bom;
    zerlegen(editortext, text.zeilen, text.schlussumbruch);
    text.nichtDarstellbar = nichtDarstellbareZeilen(text.zeilen);
    return text;
}

std::vector<std::string> nichtDarstellbareZeichen(std::string_view utf8) {
    std::vector<std::string> gefunden;
    nichtDarstellbareSammeln(utf8, gefunden);
    return gefunden;
}

std::string zeichenBenennen(std::string_view zeichen) {
    const char32_t c = einzigerCodepunkt(zeichen).value_or(0xFFFD);
    if (!unsichtbar(c)) {
        std::string zitiert = "\"";
        zitiert.append(zeichen);
        zitiert.push_back('"');
        return zitiert;
    }
    std::array<char, 16> nummer{};
    std::snprintf(nummer.data(), nummer.size(), "U+%04X", static_cast<unsigned>(c));
    const auto* eintrag = std::find_if(Zeichennamen.begin(), Zeichennamen.end(),
                                       [c](const Zeichenname& n) { return n.codepunkt == c; });
    const char* name = eintrag != Zeichennamen.end()         ? eintrag->name
                       : c < 0x20 || (c >= 0x7F && c < 0xA0) ? "Steuerzeichen"
                                                             : "unsichtbares Zeichen";
    return std::string(nummer.data()) + " (" + name + ")";
}

std::optional<std::vector<std::string>> zeilenInWindows1252(const EigenerText& text) {
    std::vector<std::string> zeilen;
    zeilen.reserve(text.zeilen.size());
    for (const auto& zeile : text.zeilen) {
        auto bytes = utf8ZuCp1252(zeile);
        if (!bytes) {
            return std::nullopt;
        }
        zeilen.push_back(std::move(*bytes));
    }
    return zeilen;
}

Vorschauzahlen vorschauZaehlen(const EigenerText& text) {
    Vorschauzahlen zahlen;
    zahlen.textzeilen = std::max<std::size_t>(text.zeilen.size(), 1);
    for (const auto& zeile : text.zeilen) {
        // Characters, not bytes: every byte that does not continue a UTF-8 sequence begins a character.
        const auto zeichen = static_cast<std::size_t>(std::count_if(zeile.begin(), zeile.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
        zahlen.textzeichen += std::min(zeichen, VorschauZeilenlaenge);
    }
    return zahlen;
}

std::string vorschauBeschriftung(const Vorschauzahlen& zahlen) {
    return "Zeilen: " + std::to_string(zahlen.textzeilen) +
           "   Zeichen: " + std::to_string(zahlen.textzeichen);
}

std::string zeichenAufzaehlen(const std::vector<std::string>& zeichen) {
    std::string liste;
    for (std::size_t k = 0; k < zeichen.size() && k < GenannteZeichen; ++k) {
        liste += (k == 0 ? "" : ", ") + zeichenBenennen(zeichen[k]);
    }
    if (zeichen.size() > GenannteZeichen) {
        liste += " und weitere";
    }
    return liste;
}

std::string texteOrdner(const std::string& programmordner) {
    std::string ordner = programmordner + "/Texte";
    std::error_code fehler;
    return std::filesystem::is_directory(ordner, fehler) ? ordner : std::string();
}

std::string mitTextendung(std::string pfad) {
    const std::size_t trenner = pfad.find_last_of('/');
    const std::size_t name = trenner == std::string::npos ? 0 : trenner + 1;
    const std::size_t punkt = pfad.find_last_of('.');
    if (punkt == std::string::npos || punkt < name) {
        pfad += '.';
        pfad += Textendung;
    } else if (punkt + 1 == pfad.size()) {
        pfad += Textendung;
    }
    return pfad;
}

std::string Textablage::aendernOrdner() const {
    return letzterOrdner_.empty() ? ordner() : letzterOrdner_;
}

void Textablage::gewaehlt(const std::string& pfad) {
    std::error_code fehler;
    const std::filesystem::path absolut = std::filesystem::absolute(pfad, fehler);
    letzterOrdner_ = ordnerVon(fehler ? pfad : absolut.string());
}

void Textablage::vorschauGeladen(const std::string& pfad) {
    geaenderteDatei_.clear();
    textname_ = std::filesystem::path(pfad).filename().string();
}

void Textablage::neuerText() {
    geaenderteDatei_.clear();
    textname_.clear();
    neuerText_ = true;
}

void Textablage::aendernBeginnen() {
    geaenderteDatei_.clear();
    neuerText_ = false;
}

void Textablage::aendernGeladen(const std::string& pfad, const EigenerText& text) {
    geaenderteDatei_ = pfad;
    textname_ = std::filesystem::path(pfad).filename().string();
    geaenderteKodierung_ = text.kodierung;
    geaenderteBom_ = text.bom;
}

Textablage::Speicherziel Textablage::neuesZiel(const std::string& gewaehlt) const {
    Speicherziel ziel;
    ziel.pfad = mitTextendung(gewaehlt);
    ziel.ueberschreibenFragen = dateiExistiert(ziel.pfad);
    return ziel;
}

std::optional<Textablage::Speicherziel> Textablage::aenderungsziel() const {
    if (geaenderteDatei_.empty()) {
        return std::nullopt;
    }
    return Speicherziel{geaenderteDatei_, geaenderteKodierung_, geaenderteBom_, false};
}

void Textablage::schreiben(const Speicherziel& ziel, std::string_view editortext, bool alsUtf8) {
    const Textkodierung kodierung = alsUtf8 ? Textkodierung::Utf8 : ziel.kodierung;
    textdateiSchreiben(ziel.pfad, textAusEditor(editortext, kodierung, !alsUtf8 && ziel.bom));
    if (ziel.pfad == geaenderteDatei_ && kodierung != geaenderteKodierung_) {
        geaenderteKodierung_ = kodierung;
        geaenderteBom_ = false;
    }
}

} // namespace tastwerk
