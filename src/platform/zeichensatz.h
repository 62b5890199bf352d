// The one codec between the stored Windows-1252 bytes and Unicode / UTF-8 at the program's edges.
#pragma once

#include "keyboard/grundbegriffe.h"

#include <optional>
#include <string>
#include <string_view>

namespace tastwerk {

// Unicode code point of a Windows-1252 byte. The five bytes Windows-1252 leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control of the same number, so no byte is lost.
char32_t alsUnicode(Zeichen z);

// The Windows-1252 byte of a code point, or nothing when Windows-1252 cannot hold it.
std::optional<Zeichen> ausUnicode(char32_t c);

// Windows-1252 bytes to UTF-8 text.
std::string cp1252ZuUtf8(std::string_view cp1252);

// UTF-8 text to Windows-1252 bytes; nothing when the text is not valid UTF-8 or holds a character
// that Windows-1252 cannot hold.
std::optional<std::string> utf8ZuCp1252(std::string_view utf8);

// Length in bytes of the well-formed UTF-8 character that begins at byte i; 1 where none begins there
// (a stray or broken byte), so a loop moves on byte by byte through what is not UTF-8.
std::size_t utf8Zeichenlaenge(std::string_view utf8, std::size_t i);

// The code point of a text that holds exactly one UTF-8 character; nothing otherwise.
std::optional<char32_t> einzigerCodepunkt(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool istGueltigesUtf8(std::string_view bytes);

// Upper case by Windows-1252's own rules: a-z, the accented small letters, š œ ž ÿ; ß and µ stay.
Zeichen grossbuchstabe(Zeichen z);

} // namespace tastwerk
