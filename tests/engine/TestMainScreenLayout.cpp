#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gui/GUI_Highlighter.h"
#include "gui/GUI_IconConnectors.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/GUI_PeopleStrip.h"
#include "gui/GUI_PeopleStripSlots.h"
#include "gui/GUI_PolicyList.h"
#include "gui/GUI_RightClickMenu.h"
#include "gui/GUI_SectorLayout.h"
#include "gui/GUI_SimValIcon.h"
#include "gui/GUI_SliderConfig.h"
#include "gui/GUI_TopStrip.h"

namespace {

// --- slider notches

struct SnapCase {
    int positions;
    float value;
    float expected;
};

TEST(SliderNotches, SnapToTheNearestNotchHalfAStepRoundingUp)
{
    const SnapCase cases[] = {
        {5, 0.6f, 0.5f},   {5, 0.63f, 0.75f}, {5, 0.625f, 0.75f}, {5, 0.0f, 0.0f}, {5, 1.0f, 1.0f},
        {2, 0.49f, 0.0f},  {2, 0.5f, 1.0f},   {3, 0.74f, 0.5f},   {3, 0.76f, 1.0f},
        {1, 0.37f, 0.37f}, {0, 0.8f, 0.8f},  // no steps: the value stands, nothing divides by zero
    };
    for (const SnapCase& c : cases)
        EXPECT_NEAR(GUI_SliderConfig::Snap(c.positions, c.value), c.expected, 1e-6f)
            << c.positions << " positions, value " << c.value;
}

struct NudgeCase {
    int positions;
    float value;
    int direction;
    float expected;
};

TEST(SliderNotches, OneNudgeMovesExactlyOneNotchAndStopsAtTheEnds)
{
    const NudgeCase cases[] = {
        {5, 0.5f, 1, 0.75f},  {5, 0.5f, -1, 0.25f}, {5, 1.0f, 1, 1.0f}, {5, 0.0f, -1, 0.0f},
        {5, 0.55f, 1, 0.75f},  // from the nearest notch, not from between two
        {11, 0.3f, 1, 0.4f},  {2, 0.0f, 1, 1.0f},   {1, 0.4f, 1, 0.4f}, {0, 0.4f, -1, 0.4f},
    };
    for (const NudgeCase& c : cases)
        EXPECT_NEAR(GUI_SliderConfig::Nudge(c.positions, c.value, c.direction), c.expected, 1e-6f)
            << c.positions << " positions, value " << c.value << ", direction " << c.direction;
}

TEST(SliderNotches, SpacingSpreadsTheNotchesOverTheTrackWithoutDividingByZero)
{
    EXPECT_FLOAT_EQ(GUI_SliderConfig::NotchSpacing(5, 204.0f), 50.0f);
    EXPECT_FLOAT_EQ(GUI_SliderConfig::NotchSpacing(2, 204.0f), 200.0f);
    EXPECT_FLOAT_EQ(GUI_SliderConfig::NotchSpacing(1, 204.0f), 0.0f);
    EXPECT_FLOAT_EQ(GUI_SliderConfig::NotchSpacing(0, 204.0f), 0.0f);
}

// --- the ring of sectors

struct ScreenSize {
    float w;
    float h;
};

// Every icon of every sector, placed one after the other as the game does.
std::vector<GUI_SectorLayout::Point> FillRing(const ScreenSize& size, int iconsPerSector)
{
    const GUI_SectorLayout layout(size.w, size.h);
    std::vector<GUI_SectorLayout::Point> placed;
    const float width = 360.0f / 7.0f;
    for (int icon = 0; icon < iconsPerSector; ++icon)
        for (int sector = 0; sector < 7; ++sector) {
            float start = sector * width - width / 2;
            if (start < 0)
                start += 360.0f;
            placed.push_back(layout.Place(start, std::fmod(start + width, 360.0f), placed));
        }
    return placed;
}

TEST(SectorLayout, IconsOfTheShippedNetworkNeverOverlapAtAnySize)
{
    const ScreenSize sizes[] = {{1024, 768}, {1280, 720}, {1920, 1080}};
    for (const ScreenSize& size : sizes) {
        const GUI_SectorLayout layout(size.w, size.h);
        const std::vector<GUI_SectorLayout::Point> placed = FillRing(size, 7);  // 49 icons, more than shipped
        for (size_t i = 0; i < placed.size(); ++i) {
            EXPECT_TRUE(layout.Allowed(placed[i])) << "icon " << i << " at " << size.w << "x" << size.h;
            for (size_t j = 0; j < i; ++j)
                EXPECT_GE(std::hypot(placed[i].x - placed[j].x, placed[i].y - placed[j].y), 50.0f)
                    << "icons " << j << " and " << i << " at " << size.w << "x" << size.h;
        }
    }
}

TEST(SectorLayout, ASectorCrossingZeroIsSearchedAcrossIt)
{
    const GUI_SectorLayout layout(1024, 768);
    const GUI_SectorLayout::Point p = layout.Place(340.0f, 20.0f, {});
    ASSERT_TRUE(layout.Allowed(p));
    EXPECT_LT(p.y, 768 / 2.0f);  // above the centre: the top of the ring
}

TEST(SectorLayout, ASectorWithNoValidSpotGivesTheOrigin)
{
    const GUI_SectorLayout layout(1024, 768);
    const GUI_SectorLayout::Point p = layout.Place(10.0f, 12.0f, {});  // too narrow for one angle step
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
}

// --- the people strip

TEST(PeopleStrip, TwentyFiveGroupsFindPlacesThatDoNotOverlapAndATwentySixthDoesNot)
{
    for (const ScreenSize size : {ScreenSize{1024, 768}, ScreenSize{1920, 1080}}) {
        GUI_PeopleStripSlots slots;
        slots.Layout(size.w, size.h);
        std::vector<GRect> taken;
        int x = 0, y = 0;
        for (int i = 0; i < GUI_PeopleStripSlots::kSlots; ++i) {
            ASSERT_TRUE(slots.Take(x, y)) << "group " << i;
            const GRect r{x, y, x + GUI_PeopleStripSlots::kIconWidth, y + GUI_PeopleStripSlots::kIconHeight};
            for (const GRect& other : taken)
                EXPECT_TRUE(r.left >= other.right || r.right <= other.left || r.top >= other.bottom ||
                            r.bottom <= other.top)
                    << "group " << i;
            EXPECT_TRUE(r.bottom <= size.h - 32) << "group " << i << " leaves the screen";
            taken.push_back(r);
        }
        EXPECT_FALSE(slots.Take(x, y));
        slots.FreeAll();
        EXPECT_TRUE(slots.Take(x, y));
    }
}

TEST(PeopleStrip, ShareOfVotersNeverDividesByZero)
{
    EXPECT_FLOAT_EQ(GUI_PeopleStrip::Share(10, 0), 0.0f);
    EXPECT_FLOAT_EQ(GUI_PeopleStrip::Share(10, -3), 0.0f);
    EXPECT_FLOAT_EQ(GUI_PeopleStrip::Share(25, 100), 0.25f);
    EXPECT_FLOAT_EQ(GUI_PeopleStrip::Share(300, 100), 1.0f);
}

// --- colours, fades and placement rules

TEST(IconColours, GoodnessAndInfluenceBands)
{
    const struct {
        float goodness;
        uint32_t rgb;
    } circles[] = {{0.0f, 0xA00E06u}, {0.3299f, 0xA00E06u}, {0.33f, 0xA0A00Eu}, {0.6599f, 0xA0A00Eu}, {0.66f, 0x0EA00Eu}};
    for (const auto& c : circles)
        EXPECT_EQ(GUI_SimValIcon::GoodnessColour(c.goodness), c.rgb) << c.goodness;
    const struct {
        float strength;
        uint32_t argb;
    } lines[] = {{-0.5f, 0xA6FF1010u}, {-0.25f, 0x80FF2020u}, {-0.01f, 0x80FF2020u}, {0.0f, 0x8022FF6Cu},
                 {0.25f, 0xA620FF20u}};
    for (const auto& c : lines)
        EXPECT_EQ(GUI_IconConnectors::ColourFor(c.strength), c.argb) << c.strength;
}

TEST(BackgroundFade, DimsAndBrightensWithinOneSecond)
{
    const struct {
        int state;
        double ms;
        float brightness;
    } cases[] = {
        {GUI_IconNetwork::FADE_DIMMING, 0, 1.0f},      {GUI_IconNetwork::FADE_DIMMING, 250, 0.75f},
        {GUI_IconNetwork::FADE_DIMMING, 5000, 0.0f},   {GUI_IconNetwork::FADE_BRIGHTENING, 400, 0.4f},
        {GUI_IconNetwork::FADE_BRIGHTENING, 2000, 1.0f}, {GUI_IconNetwork::FADE_BRIGHT, 10, 1.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(GUI_IconNetwork::BrightnessAt(c.state, c.ms), c.brightness) << c.state << " " << c.ms;
}

TEST(RightClickMenu, OpensBesideTheMouseAndStaysOnTheScreen)
{
    const struct {
        float mx, my, x, y;
    } cases[] = {
        {100, 300, 108, 240},  {100, 20, 108, 0},      // not above the top
        {900, 300, 690, 240},  // near the right edge it opens to the left
        {100, 760, 108, 648},  // not below H - 120
    };
    for (const auto& c : cases) {
        float x = 0, y = 0;
        GUI_RightClickMenu::Position(c.mx, c.my, 1024, 768, x, y);
        EXPECT_EQ(x, c.x) << c.mx << "," << c.my;
        EXPECT_EQ(y, c.y) << c.mx << "," << c.my;
    }
}

TEST(PolicyList, ScrollingReachesTheLastPolicyAndNoFurther)
{
    const struct {
        int policies, fit, maxOffset;
    } cases[] = {{4, 10, 0}, {10, 10, 0}, {11, 10, 1}, {27, 2, 25}, {3, 0, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(GUI_PolicyList::MaxOffset(c.policies, c.fit), c.maxOffset) << c.policies << " in " << c.fit;
}

TEST(Highlighter, RingsShrinkOverTheirTimeAndSurviveAZeroDuration)
{
    EXPECT_FLOAT_EQ(GUI_Highlighter::Progress(1000, 3000, 1000), 0.0f);
    EXPECT_FLOAT_EQ(GUI_Highlighter::Progress(1000, 3000, 2500), 0.5f);
    EXPECT_FLOAT_EQ(GUI_Highlighter::Progress(1000, 3000, 9000), 1.0f);
    EXPECT_FLOAT_EQ(GUI_Highlighter::Progress(1000, 0, 1000), 1.0f);
}

TEST(TopStrip, TheFirstYearOfAGameIsYearOne)
{
    EXPECT_NE(GUI_TopStrip::DateText(6, 0).find(" 1"), std::string::npos);
    EXPECT_NE(GUI_TopStrip::DateText(0, 3).find(" 4"), std::string::npos);
}

}  // namespace
