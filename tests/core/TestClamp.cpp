#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sim/Clamp.h"

namespace {

TEST(Clamp, RangesInfinitiesAndNotANumber)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float value, minusOneToOne, zeroToOne;
    };
    const Case cases[] = {
        {std::nanf(""), 0.0f, 0.0f}, {inf, 1.0f, 1.0f}, {-inf, -1.0f, 0.0f},
        {0.5f, 0.5f, 0.5f},          {-0.5f, -0.5f, 0.0f}, {2.0f, 1.0f, 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClampMinusOneToOne(c.value), c.minusOneToOne) << c.value;
        EXPECT_EQ(ClampZeroToOne(c.value), c.zeroToOne) << c.value;
    }
}

}  // namespace
