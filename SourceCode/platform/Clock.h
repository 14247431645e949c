#pragma once
#include <cstdint>

// The two clocks the game times things with: a coarse millisecond clock that
// wraps like a 32-bit tick count, and a high-resolution counter. Timers take a
// Clock so that tests can drive time by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; wraps after 2^32 ms.
    virtual uint32_t Milliseconds() const;
    // Counts per second of the high-resolution counter; false when there is none.
    virtual bool CounterFrequency(int64_t& countsPerSecond) const;
    // The high-resolution counter; false when there is none.
    virtual bool Counter(uint64_t& counts) const;

    // The millisecond clock as an unsigned value in a double, the way timers keep it.
    double MillisecondsAsDouble() const { return static_cast<double>(Milliseconds()); }

    // The real clock of the machine.
    static const Clock& System();
};
