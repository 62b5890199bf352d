#include "practice/umschaltzeichen.h"

#include <string_view>

namespace tastwerk {

namespace {

bool grossbuchstabeAZ(Zeichen z) {
    return z >= 'A' && z <= 'Z';
}

bool enthaelt(std::string_view menge, Zeichen z) {
    return menge.find(static_cast<char>(z)) != std::string_view::npos;
}

// Windows-1252: § A7, ° B0, Ä C4, Ö D6, Ü DC, à E0, ç E7, è E8, é E9.
constexpr std::string_view BuchstabenDeutsch = "!\"$%&()*/:;=>?_`\xA7\xB0\xC4\xD6\xDC";
constexpr std::string_view BuchstabenSchweiz = "!\"%&()*+/:;=>?_\xB0\xE0\xE7\xE8\xE9";
constexpr std::string_view BuchstabenUSA = "!\"#$%&()*+:<>?@^_~\xDC";

constexpr std::string_view WorteDeutsch = "!\"$%&()*/:;=>?_`\xA7\xB0\xC4\xD6\xDC";
constexpr std::string_view WorteSchweiz = "!\"%&()*+/:;=>?_\xB0\xC4\xD6\xE7\xE8";
constexpr std::string_view WorteUSA = "!#$%&()*<>?@^_{}~\xC4\xD6";

} // namespace

bool umschaltzeichenBuchstabenuebung(Tastaturlayout layout, Zeichen z) {
    if (grossbuchstabeAZ(z)) {
        return true;
    }
    switch (layout) {
    case Tastaturlayout::Deutsch:
        return enthaelt(BuchstabenDeutsch, z);
    case Tastaturlayout::Schweiz:
        return enthaelt(BuchstabenSchweiz, z);
    case Tastaturlayout::USA:
        return enthaelt(BuchstabenUSA, z);
    }
    return false;
}

bool umschaltzeichenWortuebung(Tastaturlayout layout, Zeichen z) {
    switch (layout) {
    case Tastaturlayout::Deutsch:
        return grossbuchstabeAZ(z) || enthaelt(WorteDeutsch, z);
    case Tastaturlayout::Schweiz:
        return grossbuchstabeAZ(z) || enthaelt(WorteSchweiz, z);
    case Tastaturlayout::USA:
        // A–X and Z: the US word exercise counts a typed "Y" once.
        return (grossbuchstabeAZ(z) && z != 'Y') || enthaelt(WorteUSA, z);
    }
    return false;
}

} // namespace tastwerk
