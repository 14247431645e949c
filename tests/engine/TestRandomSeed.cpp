#include <gtest/gtest.h>

#include "engine/RandomSeed.h"

TEST(RandomSeed, ReadsOnlyWholeNumbersThatFit)
{
    struct Case {
        const char* text;
        bool accepted;
        uint32_t seed;
    };
    const Case cases[] = {
        {"7", true, 7},          {"0", true, 0},        {"4294967295", true, 4294967295u},
        {"4294967296", false, 0}, {"-1", false, 0},     {"", false, 0},
        {"12x", false, 0},       {" 5", false, 0},      {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        uint32_t seed = 0;
        EXPECT_EQ(RandomSeed::Parse(c.text, &seed), c.accepted) << '"' << c.text << '"';
        if (c.accepted) {
            EXPECT_EQ(seed, c.seed) << c.text;
        }
    }
}

TEST(RandomSeed, AFixedSeedIsPickedEveryTime)
{
    RandomSeed::Fix(1234);
    EXPECT_EQ(RandomSeed::Pick(), 1234u);
    EXPECT_EQ(RandomSeed::Pick(), 1234u);
    RandomSeed::Release();
}
