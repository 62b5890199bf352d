#include "platform/zeichensatz.h"

#include <array>

namespace tastwerk {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned ones keep their C1 code point.
constexpr std::array<char32_t, 32> obereSteuerzeile = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one UTF-8 sequence starting at i; advances i. Nothing on a malformed sequence.
std::optional<char32_t> naechsterCodepunkt(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int folge = 0;
    char32_t wert = 0;
    char32_t kleinster = 0;
    if ((b0 & 0xE0) == 0xC0) {
        folge = 1;
        wert = b0 & 0x1F;
        kleinster = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        folge = 2;
        wert = b0 & 0x0F;
        kleinster = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        folge = 3;
        wert = b0 & 0x07;
        kleinster = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + folge >= s.size()) {
        return std::nullopt;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        wert = (wert << 6) | (b & 0x3F);
    }
    if (wert < kleinster || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) {
        return std::nullopt;
    }
    i += folge + 1;
    return wert;
}

void anhaengenUtf8(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        aus.push_back(static_cast<char>(0xE0 | (c >> 12)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        aus.push_back(static_cast<char>(0xF0 | (c >> 18)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::size_t utf8Zeichenlaenge(std::string_view utf8, std::size_t i) {
    std::size_t weiter = i;
    return naechsterCodepunkt(utf8, weiter) ? weiter - i : 1;
}

std::optional<char32_t> einzigerCodepunkt(std::string_view utf8) {
    if (utf8.empty()) {
        return std::nullopt;
    }
    std::size_t i = 0;
    const auto codepunkt = naechsterCodepunkt(utf8, i);
    if (!codepunkt || i != utf8.size()) {
        return std::nullopt;
    }
    return codepunkt;
}

char32_t alsUnicode(Zeichen z) {
    if (z >= 0x80 && z < 0xA0) {
        return obereSteuerzeile[z - 0x80];
    }
    return z;
}

std::optional<Zeichen> ausUnicode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<Zeichen>(c);
    }
    for (std::size_t k = 0; k < obereSteuerzeile.size(); ++k) {
        if (obereSteuerzeile[k] == c) {
            return static_cast<Zeichen>(0x80 + k);
        }
    }
    return std::nullopt;
}

std::string cp1252ZuUtf8(std::string_view cp1252) {
    std::string aus;
    aus.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252) {
        anhaengenUtf8(aus, alsUnicode(static_cast<Zeichen>(c)));
    }
    return aus;
}

std::optional<std::string> utf8ZuCp1252(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = naechsterCodepunkt(utf8, i);
        if (!c) {
            return std::nullopt;
        }
        const auto z = ausUnicode(*c);
        if (!z) {
            return std::nullopt;
        }
        aus.push_back(static_cast<char>(*z));
    }
    return aus;
}

bool istGueltigesUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (!naechsterCodepunkt(bytes, i)) {
            return false;
        }
    }
    return true;
}

Zeichen grossbuchstabe(Zeichen z) {
    if (z >= 'a' && z <= 'z') {
        return static_cast<Zeichen>(z - 0x20);
    }
    if (z >= 0xE0 && z <= 0xFE && z != 0xF7) {
        return static_cast<Zeichen>(z - 0x20);
    }
    switch (z) {
    case 0x9A: // š
        return 0x8A;
    case 0x9C: // œ
        return 0x8C;
    case 0x9E: // ž
        return 0x8E;
    case 0xFF: // ÿ
        return 0x9F;
    default:
        return z;
    }
}

} // namespace tastwerk
