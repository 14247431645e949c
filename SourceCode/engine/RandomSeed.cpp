#include "engine/RandomSeed.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "platform/Clock.h"

namespace {
std::optional<uint32_t>& FixedSeed()
{
    static std::optional<uint32_t> seed;
    return seed;
}
}  // namespace

void RandomSeed::Fix(uint32_t seed) { FixedSeed() = seed; }

void RandomSeed::Release() { FixedSeed().reset(); }

uint32_t RandomSeed::Pick()
{
    if (FixedSeed())
        return *FixedSeed();
    return static_cast<uint32_t>(Clock::System().Milliseconds());
}

bool RandomSeed::Parse(const char* text, uint32_t* seed)
{
    const char* end = text + std::strlen(text);
    auto [rest, error] = std::from_chars(text, end, *seed);
    return text != end && error == std::errc() && rest == end;
}
