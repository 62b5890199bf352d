// Own text files: reading them for the editor and the exercise, counting the preview, writing them back.
//
// A text is a list of lines. Line breaks are CR LF, LF alone or CR alone when read and always CR LF when
// written. A line break at the very end of the file ends the last line; it does not begin another one,
// so "a\r\nb\r\n" holds the two lines "a" and "b" and remembers that the file ends with a line break.
// Read and written again without changes, a CR LF file comes back byte for byte.
#pragma once

#include "platform/datei.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tastwerk {

enum class Textkodierung : std::uint8_t { Windows1252, Utf8 };

struct EigenerText {
    // The lines in UTF-8, without line breaks. Never empty: an empty text is one empty line.
    std::vector<std::string> zeilen{std::string()};
    // The last line is followed by a line break as well.
    bool schlussumbruch = false;
    // How the file is written back: Windows-1252, or UTF-8 with or without byte-order mark.
    Textkodierung kodierung = Textkodierung::Windows1252;
    bool bom = false;
    // The characters of the lines that Windows-1252 cannot hold, each once in the order they first
    // appear, each as UTF-8; filled when the text is read or taken from the editor.
    std::vector<std::string> nichtDarstellbar;
};

// Thrown before anything is written when a text for a Windows-1252 file holds a character that
// Windows-1252 cannot hold. The message names the characters; the file is left as it was.
class Zeichensatzfehler : public Dateifehler {
public:
    explicit Zeichensatzfehler(std::vector<std::string> zeichen);
    const std::vector<std::string>& zeichen() const { return zeichen_; }

private:
    std::vector<std::string> zeichen_;
};

// The file content as a text. Valid UTF-8 is read as UTF-8 when it starts with a byte-order mark or
// holds a byte above 127; everything else is read as Windows-1252 (pure ASCII is the same either way
// and is kept as Windows-1252).
EigenerText textAusBytes(std::string_view inhalt);

// Reads the file; throws Dateifehler when it cannot be read.
EigenerText textdateiLesen(const std::string& pfad);

// The file content of the text: lines joined with CR LF in the text's encoding. Throws
// Zeichensatzfehler when the text is to be Windows-1252 and holds a character Windows-1252 cannot hold,
// Dateifehler when a line is not valid UTF-8.
std::string textAlsBytes(const EigenerText& text);

// Writes the text as textAlsBytes has it. The file holds either its old or its new content afterwards,
// never a part; every failure throws (Zeichensatzfehler or Dateifehler) and leaves the file as it was.
void textdateiSchreiben(const std::string& pfad, const EigenerText& text);

// The whole text for the multi-line editor: the lines joined with "\n", and a final "\n" when the file
// ends with a line break.
std::string editortext(const EigenerText& text);

// The text from the editor's content (any of "\r\n", "\n", "\r" breaks a line), to be written in the
// given encoding. editortext(textAusEditor(editortext(t), ...)) gives the same editor text back.
EigenerText textAusEditor(std::string_view editortext, Textkodierung kodierung = Textkodierung::Windows1252,
                          bool bom = false);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once in order of appearance.
// A byte sequence that is not UTF-8 is listed as the replacement character U+FFFD.
std::vector<std::string> nichtDarstellbareZeichen(std::string_view utf8);

// One character (UTF-8) named so that a message shows it: a visible character in double quotes
// ("☺"), a control or an invisible character by its code point and name ("U+007F (Löschzeichen)",
// "U+2028 (Zeilentrenner)"). What is not one UTF-8 character is named as U+FFFD.
std::string zeichenBenennen(std::string_view zeichen);

// The lines as the exercise compares them, in Windows-1252; nothing when a character does not fit.
std::optional<std::vector<std::string>> zeilenInWindows1252(const EigenerText& text);

// Longest part of a line that the preview counts.
constexpr std::size_t VorschauZeilenlaenge = 120;

struct Vorschauzahlen {
    std::size_t textzeilen = 1;
    std::size_t textzeichen = 0;
};

// Number of lines, and the sum of the line lengths in characters, each line counting at most 120.
Vorschauzahlen vorschauZaehlen(const EigenerText& text);

// "Zeilen: 3   Zeichen: 97"
std::string vorschauBeschriftung(const Vorschauzahlen& zahlen);

// Up to ten characters named for a message as zeichenBenennen names them, separated by ", ", with
// " und weitere" after them when there are more.
std::string zeichenAufzaehlen(const std::vector<std::string>& zeichen);

// The folder of the own texts: "Texte" in the program folder, or empty when there is no such folder
// (the dialogs then open in their default folder).
std::string texteOrdner(const std::string& programmordner);

// The file a new text is saved in: a file name without an extension gets ".TXT", one that ends in a
// dot gets "TXT"; a name with an extension stays as it is.
std::string mitTextendung(std::string pfad);

// Where the own texts lie and what a save of the editor's text writes: a new text, or a file read to
// be changed. The screen asks the learner and shows messages; the decisions are made here.
class Textablage {
public:
    // Where a save writes, and what the learner must be asked first.
    struct Speicherziel {
        std::string pfad;
        Textkodierung kodierung = Textkodierung::Windows1252;
        bool bom = false;
        // A file of that name exists and a new text would replace it: ask before writing.
        bool ueberschreibenFragen = false;
    };

    // programmordner is read anew for every dialog, as it may change while the program runs.
    explicit Textablage(const std::string& programmordner) : programmordner_(programmordner) {}
    explicit Textablage(std::string&&) = delete;

    // The folder the open dialog of "Text üben" and the save dialog of a new text open in.
    std::string ordner() const { return texteOrdner(programmordner_); }
    // The folder the open dialog of "Text ändern" opens in: that of the file chosen last, or ordner().
    std::string aendernOrdner() const;
    // A file was chosen in an open dialog; "Text ändern" opens in its folder from now on.
    void gewaehlt(const std::string& pfad);

    // "Text üben" read this file for the preview: nothing is open to be changed.
    void vorschauGeladen(const std::string& pfad);
    // "Text neu erstellen": the editor holds a new text.
    void neuerText();
    // "Text ändern" before its dialog: there is nothing to save into until a file has been read.
    void aendernBeginnen();
    // "Text ändern" read this file into the editor; its changes are written back in its own encoding.
    void aendernGeladen(const std::string& pfad, const EigenerText& text);

    // A save writes a new text under a name still to be chosen ("Text speichern"), not the changed file
    // ("Änderungen speichern").
    bool istNeuerText() const { return neuerText_; }
    // The file "Änderungen speichern" writes to; empty when none has been read.
    const std::string& geaenderteDatei() const { return geaenderteDatei_; }
    // The file name, without folder, of the text read last; empty after "Text neu erstellen".
    const std::string& textname() const { return textname_; }

    // "Text speichern" under the name chosen in the save dialog: a new text is Windows-1252.
    Speicherziel neuesZiel(const std::string& gewaehlt) const;
    // "Änderungen speichern": the file read, in its own encoding, never asked; nothing when no file
    // has been read.
    std::optional<Speicherziel> aenderungsziel() const;
    // Writes the editor's content to the target, as UTF-8 without byte-order mark when alsUtf8 is set.
    // Throws Zeichensatzfehler when the target's encoding cannot hold a character (the learner may then
    // choose UTF-8), Dateifehler when writing fails; the file is left as it was either way. A changed
    // file once written as UTF-8 stays UTF-8.
    void schreiben(const Speicherziel& ziel, std::string_view editortext, bool alsUtf8 = false);

private:
    const std::string& programmordner_;
    std::string letzterOrdner_;
    std::string geaenderteDatei_;
    Textkodierung geaenderteKodierung_ = Textkodierung::Windows1252;
    bool geaenderteBom_ = false;
    bool neuerText_ = true;
    std::string textname_;
};

} // namespace tastwerk
