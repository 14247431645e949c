#include "RenderTestSupport.h"

using namespace rendertest;

namespace {

class SdlVideoTest : public RenderFixture {};

// The logical frame is scaled into the window keeping its shape, with black
// bars where the shapes differ; window positions map back through the bars.
TEST_F(SdlVideoTest, AnyWindowShowsTheFrameLetterboxedAndMapsTheMouseBack)
{
    struct Case {
        int w, h;                 // window size
        Probe bar, picture;       // window pixels: on a bar, inside the picture
        float windowX, windowY;   // a window position...
        float logicalX, logicalY; // ...and where it lands in the frame
    };
    const Case cases[] = {
        // Twice the size and 40 wider: sharp 2 x 2 blocks, 20-pixel bars left and right.
        {2 * kWidth + 40, 2 * kHeight, {5, kHeight, 0}, {39, 19, 0xFF0000}, 20.0f, 0.0f, 0.0f, 0.0f},
        {2 * kWidth + 40, 2 * kHeight, {5, kHeight, 0}, {40, 19, 0xFFFFFF}, kWidth + 20.0f, kHeight, kWidth / 2.0f,
         kHeight / 2.0f},
        // 1.5 times as wide and 100 taller: smoothed, 50-pixel bars above and below.
        {kWidth * 3 / 2, kHeight * 3 / 2 + 100, {kWidth * 3 / 4, 45, 0}, {kWidth * 3 / 4, kHeight * 3 / 4 + 50, 0xFFFFFF}, 0.0f, 50.0f, 0.0f, 0.0f},
        {kWidth * 3 / 2, kHeight * 3 / 2 + 100, {kWidth * 3 / 4, kHeight * 3 / 2 + 55, 0},
         {kWidth * 3 / 2 - 1, kHeight * 3 / 2 + 48, 0xFFFFFF}, kWidth * 3 / 2 - 3.0f, kHeight * 3 / 2 + 47.0f,
         kWidth - 2.0f, kHeight - 2.0f},
    };
    SdlVideo& video = GetSdlVideo();
    for (const Case& c : cases) {
        video.ResizeWindow(c.w, c.h);
        Engine().FillRect(GRect{0, 0, kWidth, kHeight}, 0xFFFFFFFF);
        Engine().FillRect(GRect{0, 0, 10, 10}, 0xFFFF0000);
        std::vector<uint32_t> window;
        int w = 0, h = 0;
        ASSERT_TRUE(video.ReadWindowPixels(window, w, h));
        ASSERT_EQ(w, c.w);
        ASSERT_EQ(h, c.h);
        for (const Probe& p : {c.bar, c.picture}) {
            const uint32_t pixel = window[static_cast<size_t>(p.y) * w + p.x];
            EXPECT_TRUE(Near(pixel, p.rgb)) << c.w << "x" << c.h << " at " << p.x << "," << p.y << ": " << Hex(pixel);
        }
        float lx = 0, ly = 0;
        video.WindowToLogical(c.windowX, c.windowY, lx, ly);
        EXPECT_FLOAT_EQ(lx, c.logicalX) << c.w << "x" << c.h;
        EXPECT_FLOAT_EQ(ly, c.logicalY) << c.w << "x" << c.h;
        // Positions on a bar fall outside the frame.
        video.WindowToLogical(static_cast<float>(c.bar.x), static_cast<float>(c.bar.y), lx, ly);
        EXPECT_TRUE(lx < 0 || ly < 0 || lx >= kWidth || ly >= kHeight) << c.w << "x" << c.h;
    }
    // The frame drawn so far is still there after the read-back.
    ExpectPixels({{5, 5, 0xFF0000}});
    video.ResizeWindow(kWidth, kHeight);
}

TEST_F(SdlVideoTest, FullScreenTogglesBothWays)
{
    SdlVideo& video = GetSdlVideo();
    EXPECT_FALSE(video.IsFullscreen());
    video.ToggleFullscreen();
    EXPECT_TRUE(video.IsFullscreen());
    video.ToggleFullscreen();
    EXPECT_FALSE(video.IsFullscreen());
}

}  // namespace
