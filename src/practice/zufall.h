// The program's one random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace tastwerk {

class Zufall {
public:
    explicit Zufall(std::uint32_t saat = 0) : saat_(saat) {}

    void setSaat(std::uint32_t saat) { saat_ = saat; }
    std::uint32_t saat() const { return saat_; }

    // A uniform draw in 0..n-1: seed := seed × 134775813 + 1 (mod 2^32), then the high 32 bits of seed × n.
    std::uint32_t ziehen(std::uint32_t n) {
        saat_ = saat_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(saat_) * n) >> 32);
    }

private:
    std::uint32_t saat_;
};

} // namespace tastwerk
