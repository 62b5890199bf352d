#include "platform/datentraeger.h"

namespace tastwerk {

std::optional<std::uint64_t> freieKByte(const Datentraeger& d, const std::string& ordner) {
    const auto bytes = d.freieBytes(ordner);
    if (!bytes) {
        return std::nullopt;
    }
    return *bytes / 1024;
}

bool zuWenigSpeicher(const Datentraeger& d, const std::string& ordner) {
    const auto kbyte = freieKByte(d, ordner);
    return kbyte && *kbyte < 2;
}

} // namespace tastwerk
