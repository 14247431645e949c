#include "platform/Clock.h"

#include <chrono>

namespace {
using SteadyClock = std::chrono::steady_clock;

SteadyClock::time_point StartTime()
{
    static const SteadyClock::time_point start = SteadyClock::now();
    return start;
}
}  // namespace

uint32_t Clock::Milliseconds() const
{
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - StartTime());
    // Truncated to 32 bits on purpose: callers are written for a wrapping tick count.
    return static_cast<uint32_t>(elapsed.count());
}

bool Clock::CounterFrequency(int64_t& countsPerSecond) const
{
    countsPerSecond = 1000000000;  // the counter below counts nanoseconds
    return true;
}

bool Clock::Counter(uint64_t& counts) const
{
    auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now() - StartTime());
    counts = static_cast<uint64_t>(elapsed.count());
    return true;
}

const Clock& Clock::System()
{
    static const Clock clock;
    StartTime();
    return clock;
}
