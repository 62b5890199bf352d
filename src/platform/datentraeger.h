// Free space of the drive that holds a folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tastwerk {

class Datentraeger {
public:
    virtual ~Datentraeger() = default;
    // Free bytes available to the program on the drive of the folder; nothing when it cannot be read.
    virtual std::optional<std::uint64_t> freieBytes(const std::string& ordner) const = 0;
};

// Free space in whole KByte (free bytes / 1024), held in 64 bits so it never wraps.
std::optional<std::uint64_t> freieKByte(const Datentraeger& d, const std::string& ordner);

// Whether the drive is too full to work (below 2 KByte free). A drive whose free space cannot be
// read is not taken as full.
bool zuWenigSpeicher(const Datentraeger& d, const std::string& ordner);

} // namespace tastwerk
