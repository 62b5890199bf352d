// Net practice time of an exercise on a monotonic clock, and the speed derived from it.
// Pauses and open settings suspend the clock; midnight and clock changes do not disturb it.
#pragma once

#include <cstdint>
#include <optional>

namespace tastwerk {

class Uebungszeit {
public:
    // A new exercise: nothing counted yet.
    void zuruecksetzen();
    // The first keystroke starts the clock.
    void beginnen(std::int64_t jetztMs);
    bool begonnen() const { return beginn_.has_value(); }
    // Pause on or settings open. Suspending twice counts once; before the first keystroke nothing counts.
    void anhalten(std::int64_t jetztMs);
    // Pause off or settings closed.
    void fortsetzen(std::int64_t jetztMs);
    bool angehalten() const { return angehaltenSeit_.has_value(); }

    // Whole seconds practised, without the suspended time.
    std::int64_t uebungssekunden(std::int64_t jetztMs) const;
    // Milliseconds suspended so far.
    std::int64_t angehaltenMs(std::int64_t jetztMs) const;

private:
    std::optional<std::int64_t> beginn_;
    std::optional<std::int64_t> angehaltenSeit_;
    std::int64_t angehaltenSumme_ = 0;
};

// Keystrokes per minute: keystrokes / (seconds / 60) rounded to the nearest integer, halves to even;
// 0 in the first second.
int anschlaegeProMinute(std::uint32_t anschlaege, std::int64_t sekunden);

} // namespace tastwerk
