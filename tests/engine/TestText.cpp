#include "TestFontFixture.h"

using namespace rendertest;

namespace {

TEST_F(TextTest, WidthsComeFromTheMetricsFileAndSpacesFromTheSize)
{
    const struct {
        float size;
        std::string text;
        int width;
    } cases[] = {
        {10, "Ab", Width('A') + 1 + Width('b') + 1},
        {10, "", 0},
        {10, " ", 2},  // a quarter of the size, whatever the font
        {20, " ", 5},
        {20, "A", 2 * (Width('A') + 1)},
    };
    for (const auto& c : cases) {
        Fonts().SelectFont("testfont.png", c.size);
        EXPECT_EQ(Fonts().TextWidth(c.text), c.width) << "\"" << c.text << "\" at " << c.size;
    }
}

TEST_F(TextTest, GlyphsLandWhereTheWidthsPutThemAtTheFlush)
{
    Fonts().DrawText("AB", 20, 30, 0xFFFFFFFF);
    Grab();
    EXPECT_TRUE(LitColumns(35).empty()) << "queued text is drawn at the flush";
    Fonts().Flush();
    Grab();
    std::vector<int> expected = Range(20, Width('A'));
    for (int x : Range(20 + Width('A') + 1, Width('B')))
        expected.push_back(x);
    EXPECT_EQ(LitColumns(30), expected);
    EXPECT_EQ(LitColumns(39), expected);
    EXPECT_TRUE(LitColumns(29).empty());
    EXPECT_TRUE(LitColumns(40).empty());
}

TEST_F(TextTest, AlignmentShadowAndColour)
{
    const int width = Fonts().TextWidth("AB");
    Fonts().DrawText("AB", 0, 0, 0xFFFFFFFF, 100, FontManager::kAlignRight);
    Fonts().DrawText("AB", 0, 20, 0xFFFFFFFF, 100, FontManager::kAlignCentre);
    Fonts().DrawShadowed("A", 10, 40, 0xFF00FF00);
    Fonts().Flush();
    // The shadow shows one pixel right of the glyph and one below, in black.
    ExpectPixels({{10, 40, 0x00FF00}, {10 + Width('A'), 45, 0}, {10, 50, 0}});
    EXPECT_EQ(LitColumns(5).front(), 100 - width);
    EXPECT_EQ(LitColumns(25).front(), static_cast<int>(50 - width * 0.5f));
}

TEST_F(TextTest, KerningSpacesTabsAndAccents)
{
    Fonts().DrawText("fo", 0, 0, 0xFFFFFFFF);
    Fonts().DrawText("f o", 0, 20, 0xFFFFFFFF);
    Fonts().DrawText("a\tb", 50, 40, 0xFFFFFFFF);
    Fonts().DrawText("\xEA", 0, 60, 0xFFFFFFFF);      // e circumflex: drawn as "e"
    Fonts().DrawText("\xE9\xE8", 20, 60, 0xFFFFFFFF);  // e acute, e grave: nothing
    Fonts().Flush();
    // The tab after 50 + the "a" moves on to 80.
    ExpectPixels({{80, 45, 0xFFFFFF}, {79, 45, 0}});
    // "fo" pulls the "o" one pixel towards the "f"; after a space it does not.
    EXPECT_EQ(LitColumns(5), Range(0, Width('f') + Width('o')));
    EXPECT_EQ(LitColumns(25)[Width('f')], Width('f') + 1 + 2);
    EXPECT_EQ(static_cast<int>(LitColumns(65).size()), Width('e'));
}

TEST_F(TextTest, EveryByteIsSafeToMeasureAndDraw)
{
    std::string all;
    for (int c = 0; c < 256; ++c) {
        all += static_cast<char>(c);
        const float advance = Fonts().CharAdvance(static_cast<unsigned char>(c));
        EXPECT_GE(advance, 0.0f) << c;
        EXPECT_LE(advance, kCell + 1.0f) << c;
    }
    // Control bytes take no room; the euro and the pound have glyphs; other
    // high bytes are skipped, accented letters measure as their plain ones.
    const struct {
        unsigned char byte;
        float advance;
    } cases[] = {{1, 0.0f},   {31, 0.0f}, {128, TestWidth(94) + 1.0f}, {163, TestWidth(92) + 1.0f},
                 {233, 0.0f}, {234, Width('e') + 1.0f}};
    for (const auto& c : cases)
        EXPECT_EQ(Fonts().CharAdvance(c.byte), c.advance) << int(c.byte);
    Fonts().DrawText(all, 0, 0, 0xFFFFFFFF);
    Fonts().Flush();
}

TEST_F(TextTest, WrappingBreaksAtSpacesAndInsideOverlongWordsAndKeepsTheLastByte)
{
    std::string rest;
    const int word = Fonts().TextWidth("abc");
    EXPECT_EQ(Fonts().SplitLine(static_cast<float>(word + 3), "abc abc abc", rest), "abc");
    EXPECT_EQ(rest, "abc abc");
    EXPECT_EQ(Fonts().SplitLine(1000, "abc abc", rest), "abc abc");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(Fonts().MeasureWrapped("abc d", static_cast<float>(word)), 2.0f * kCell);
    EXPECT_EQ(Fonts().MeasureWrapped("x", 100), 1.0f * kCell);
    EXPECT_EQ(Fonts().DrawWrapped("abc d", 0, 0, static_cast<float>(word), 0xFFFFFFFF), 2.0f * kCell);
    Fonts().Flush();
    ExpectPixels({{0, kCell + 5, 0xFFFFFF}});  // the lone d on the second line

    // One word far wider than the line: broken into pieces, never a hang.
    const std::string longWord(200, 'm');
    const std::string first = Fonts().SplitLine(30, longWord, rest);
    EXPECT_FALSE(first.empty());
    EXPECT_LT(Fonts().TextWidth(first), 30);
    EXPECT_EQ(first + rest, longWord);
    const float bottom = Fonts().DrawWrapped(longWord, 0, 0, 30, 0xFFFFFFFF);
    EXPECT_GT(bottom, 0.0f);
    EXPECT_EQ(Fonts().MeasureWrapped(longWord, 30), bottom);
    // Even a zero width moves on one byte at a time.
    EXPECT_EQ(Fonts().MeasureWrapped("abc", 0), 3 * kCell);
    Fonts().Flush();
}

TEST_F(TextTest, OverlongTextIsRefusedOrCutWithinTheQueue)
{
    EXPECT_EQ(Fonts().DrawWrapped(std::string(2048, 'a'), 0, 10, 100, 0xFFFFFFFF), 10.0f);
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
    Fonts().DrawText(std::string(2100, 'a'), 0, 0, 0xFFFFFFFF);
    EXPECT_LE(Fonts().QueuedVertices(), FontManager::kQueueVertices);
    Fonts().Flush();
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
}

TEST_F(TextTest, AnUnknownFontKeepsTheCurrentOneAndNothingHappensBeforeInitialisation)
{
    Fonts().SelectFont("nosuch.dds", 12.0f);
    EXPECT_EQ(Fonts().CurrentFont(), font);
    EXPECT_EQ(Fonts().CurrentSize(), 12.0f);
    FontManager fresh;
    EXPECT_EQ(fresh.TextWidth("abc"), 0);
    fresh.DrawText("abc", 0, 0, 0xFFFFFFFF);
    fresh.Flush();
    EXPECT_EQ(fresh.QueuedVertices(), 0);
}

}  // namespace
