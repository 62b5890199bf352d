// The clocks the core reads: the wall clock with date and weekday, and a monotonic clock.
#pragma once

#include <cstdint>

namespace tastwerk {

struct Datum {
    int jahr = 1997;
    int monat = 1;
    int tag = 1;
    int wochentag = 1; // 1 = Sunday .. 7 = Saturday
};

struct Zeitpunkt {
    Datum datum;
    int stunde = 0;
    int minute = 0;
    int sekunde = 0;
    int millisekunde = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    // Local date and time of day.
    virtual Zeitpunkt jetzt() const = 0;
    // Milliseconds of a clock that never jumps (not at midnight, not when the clock is set).
    virtual std::int64_t monotonMs() const = 0;
};

} // namespace tastwerk
