#include "platform/zahlformat.h"

#include <array>
#include <charconv>

namespace tastwerk {

namespace {
std::string auffuellen(std::string s, int breite) {
    if (static_cast<int>(s.size()) < breite) {
        s.insert(0, static_cast<std::size_t>(breite) - s.size(), ' ');
    }
    return s;
}
} // namespace

std::string festkomma(double wert, int nachkommastellen, int breite) {
    std::array<char, 64> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), wert,
                                              std::chars_format::fixed, nachkommastellen);
    if (fehler != std::errc{}) {
        return auffuellen("?", breite);
    }
    return auffuellen(std::string(puffer.data(), ende), breite);
}

std::string rechtsbuendig(long long wert, int breite) {
    return auffuellen(std::to_string(wert), breite);
}

} // namespace tastwerk
