#pragma once
#include <cstdint>

#include "platform/Clock.h"

// A clock the test moves by hand.
class FakeClock : public Clock {
public:
    uint32_t milliseconds = 1000;
    uint64_t counter = 0;
    int64_t frequency = 1000000;  // counts per second
    bool hasCounter = true;

    uint32_t Milliseconds() const override { return milliseconds; }
    bool CounterFrequency(int64_t& countsPerSecond) const override
    {
        countsPerSecond = frequency;
        return hasCounter;
    }
    bool Counter(uint64_t& counts) const override
    {
        counts = counter;
        return hasCounter;
    }
    // Moves both clocks on.
    void Advance(uint32_t ms)
    {
        milliseconds += ms;
        counter += static_cast<uint64_t>(ms) * static_cast<uint64_t>(frequency) / 1000u;
    }
};
