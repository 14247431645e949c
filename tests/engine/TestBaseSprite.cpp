#include <gtest/gtest.h>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"

namespace {

TEST(BaseSprite, RotatedCornersAndContains)
{
    BaseSprite sprite(10, 20, 30, 60);
    EXPECT_FLOAT_EQ(sprite.Vertex(0).x, 10.0f);
    EXPECT_FLOAT_EQ(sprite.Vertex(3).y, 60.0f);
    EXPECT_TRUE(sprite.Contains(20, 40));
    EXPECT_FALSE(sprite.Contains(10, 40));
    sprite.SetRotation(90.0f);
    sprite.SetPosition(20, 40);
    // Turned a quarter clockwise: the top-left corner goes to the top right.
    EXPECT_NEAR(sprite.Vertex(0).x, 40.0f, 1e-4);
    EXPECT_NEAR(sprite.Vertex(0).y, 30.0f, 1e-4);
}

TEST(BaseSprite, BearingIsClockwiseFromUpAndDistanceIsEuclidean)
{
    const struct {
        float dx, dy, degrees;
    } cases[] = {{0, -10, 0}, {10, 0, 90}, {0, 10, 180}, {-10, 0, 270}};
    for (const auto& c : cases)
        EXPECT_NEAR(Bearing(0, 0, c.dx, c.dy), c.degrees, 1e-3) << c.dx << "," << c.dy;
    EXPECT_FLOAT_EQ(Distance(0, 0, 3, 4), 5.0f);
}

}  // namespace
