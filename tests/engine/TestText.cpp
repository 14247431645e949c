#include "RenderTestSupport.h"

#include <cstring>

#include "engine/FontManager.h"
#include "engine/FormattedText.h"
#include "engine/LibTextChunkList.h"

using namespace rendertest;

namespace {

constexpr int kCell = 10;

// A made-up font: glyph g is a solid white block g % 5 + 2 pixels wide and
// the full cell high, so every drawn glyph shows exactly where it landed.
int TestWidth(int glyph)
{
    return glyph % 5 + 2;
}

class TextTest : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        std::vector<uint32_t> atlas(100 * 100, 0x00000000);
        for (int g = 0; g < 100; ++g)
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < TestWidth(g); ++x)
                    atlas[static_cast<size_t>((g / 10) * kCell + y) * 100 + (g % 10) * kCell + x] = 0xFFFFFFFF;
        WriteImage(bitmaps + "/testfont.png", 100, 100, atlas);
        WriteMetrics(dir.Path() + "/testfont.png.dat", 100);
        Fonts().Initialise();
        font = Fonts().LoadFont(dir.Path() + "/testfont.png.dat", "testfont.png", kCell, kCell);
        font->spacing = 1;
        Fonts().SelectFont("testfont.png", kCell);
    }

    void TearDown() override
    {
        Fonts().ResetFrame();
        Fonts().SetChunkList(nullptr);
        Fonts().Initialise();
        RenderFixture::TearDown();
    }

    void WriteMetrics(const std::string& path, int count)
    {
        std::string bytes;
        for (int g = 0; g < count; ++g) {
            const int32_t w = TestWidth(g);
            bytes.append(reinterpret_cast<const char*>(&w), 4);
        }
        WriteText(path, bytes);
    }

    static FontManager& Fonts() { return GetFontManager(); }

    // Lit columns of one pixel row.
    std::vector<int> LitColumns(int y)
    {
        std::vector<int> columns;
        for (int x = 0; x < kWidth; ++x)
            if (Split(At(x, y)).r > 128)
                columns.push_back(x);
        return columns;
    }

    LibFont* font = nullptr;
};

TEST_F(TextTest, WidthsComeFromTheMetricsFile)
{
    const int a = FontManager::GlyphOf('A'), b = FontManager::GlyphOf('b');
    EXPECT_EQ(a, 32);
    EXPECT_EQ(b, 65);
    EXPECT_EQ(Fonts().TextWidth("Ab"), TestWidth(a) + 1 + TestWidth(b) + 1);
    EXPECT_EQ(Fonts().TextWidth(""), 0);
    // A space is a quarter of the size, whatever the font.
    EXPECT_EQ(Fonts().TextWidth(" "), 2);
    Fonts().SelectFont("testfont.png", 20.0f);
    EXPECT_EQ(Fonts().TextWidth(" "), 5);
    EXPECT_EQ(Fonts().TextWidth("A"), 2 * (TestWidth(a) + 1));
}

TEST_F(TextTest, GlyphsLandWhereTheWidthsPutThem)
{
    Fonts().DrawText("AB", 20, 30, 0xFFFFFFFF);
    Grab();
    EXPECT_TRUE(LitColumns(35).empty()) << "queued text is drawn at the flush";
    Fonts().Flush();
    Grab();
    const int a = TestWidth(FontManager::GlyphOf('A')), b = TestWidth(FontManager::GlyphOf('B'));
    std::vector<int> expected;
    for (int x = 0; x < a; ++x)
        expected.push_back(20 + x);
    for (int x = 0; x < b; ++x)
        expected.push_back(20 + a + 1 + x);
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
    Grab();
    EXPECT_EQ(LitColumns(5).front(), 100 - width);
    EXPECT_EQ(LitColumns(25).front(), static_cast<int>(50 - width * 0.5f));
    EXPECT_TRUE(Near(At(10, 40), 0x00FF00));
    // The shadow shows one pixel right of the glyph and one below.
    const int a = TestWidth(FontManager::GlyphOf('A'));
    EXPECT_TRUE(Near(At(10 + a, 45), 0x000000));
    EXPECT_TRUE(Near(At(10, 50), 0x000000));
    EXPECT_TRUE(Near(At(10 + a + 1, 45), 0x000000));
}

TEST_F(TextTest, KerningSpacesTabsAndAccents)
{
    const int f = TestWidth(FontManager::GlyphOf('f'));
    Fonts().DrawText("fo", 0, 0, 0xFFFFFFFF);
    Fonts().DrawText("f o", 0, 20, 0xFFFFFFFF);
    Fonts().DrawText("a\tb", 50, 40, 0xFFFFFFFF);
    Fonts().DrawText("\xEA", 0, 60, 0xFFFFFFFF);      // e circumflex: drawn as "e"
    Fonts().DrawText("\xE9\xE8", 20, 60, 0xFFFFFFFF);  // e acute, e grave: nothing
    Fonts().Flush();
    Grab();
    // "fo" pulls the "o" one pixel towards the "f"; after a space it does not.
    const int o = TestWidth(FontManager::GlyphOf('o'));
    std::vector<int> kerned;
    for (int x = 0; x < f + o; ++x)
        kerned.push_back(x);
    EXPECT_EQ(LitColumns(5), kerned);
    EXPECT_EQ(LitColumns(25)[f], f + 1 + 2);
    // The tab after 50 + the "a" moves on to 80.
    EXPECT_TRUE(Near(At(80, 45), 0xFFFFFF));
    EXPECT_TRUE(Near(At(79, 45), 0x000000));
    EXPECT_EQ(static_cast<int>(LitColumns(65).size()), TestWidth(FontManager::GlyphOf('e')));
}

TEST_F(TextTest, EveryByteIsSafeToMeasureAndDraw)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    for (int c = 0; c < 256; ++c) {
        const float advance = Fonts().CharAdvance(static_cast<unsigned char>(c));
        EXPECT_GE(advance, 0.0f) << c;
        EXPECT_LE(advance, kCell + 1.0f) << c;
    }
    // Control bytes other than tab and space take no room; the euro and the
    // pound have glyphs; other high bytes are skipped alike in both.
    EXPECT_EQ(Fonts().CharAdvance(1), 0.0f);
    EXPECT_EQ(Fonts().CharAdvance(31), 0.0f);
    EXPECT_EQ(Fonts().CharAdvance(128), TestWidth(94) + 1.0f);
    EXPECT_EQ(Fonts().CharAdvance(163), TestWidth(92) + 1.0f);
    EXPECT_EQ(Fonts().CharAdvance(233), 0.0f);
    EXPECT_EQ(Fonts().CharAdvance(234), Fonts().CharAdvance('e'));
    Fonts().DrawText(all, 0, 0, 0xFFFFFFFF);
    Fonts().Flush();
    EXPECT_GE(Fonts().TextWidth(all), 0);
}

TEST_F(TextTest, WrappingBreaksAtSpacesAndInsideOverlongWords)
{
    std::string rest;
    const int word = Fonts().TextWidth("abc");
    EXPECT_EQ(Fonts().SplitLine(static_cast<float>(word + 3), "abc abc abc", rest), "abc");
    EXPECT_EQ(rest, "abc abc");
    EXPECT_EQ(Fonts().SplitLine(1000, "abc abc", rest), "abc abc");
    EXPECT_EQ(rest, "");

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

TEST_F(TextTest, AWrappedTextKeepsItsLastByte)
{
    const float line = static_cast<float>(Fonts().TextWidth("abc"));
    EXPECT_EQ(Fonts().MeasureWrapped("abc d", line), 2.0f * kCell);
    EXPECT_EQ(Fonts().MeasureWrapped("x", 100), 1.0f * kCell);
    EXPECT_EQ(Fonts().DrawWrapped("abc d", 0, 0, line, 0xFFFFFFFF), 2.0f * kCell);
    Fonts().Flush();
    Grab();
    EXPECT_TRUE(Near(At(0, kCell + 5), 0xFFFFFF)) << "the lone d on the second line";
}

TEST_F(TextTest, OverlongTextIsRefusedOrCut)
{
    LogCapture log;
    EXPECT_EQ(Fonts().DrawWrapped(std::string(2048, 'a'), 0, 10, 100, 0xFFFFFFFF), 10.0f);
    EXPECT_TRUE(log.Contains("Text too long in one chunk (max 2048)"));
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
    Fonts().DrawText(std::string(2100, 'a'), 0, 0, 0xFFFFFFFF);
    EXPECT_TRUE(log.Contains("ERROR - Text exceeds max characters"));
    EXPECT_LE(Fonts().QueuedVertices(), FontManager::kQueueVertices);
    Fonts().Flush();
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
}

TEST_F(TextTest, MissingOrShortMetricsNeverLeaveWidthsUnset)
{
    LogCapture log;
    // No metrics file: measured from the texture's alpha (last lit column).
    LibFont* measured = Fonts().LoadFont(dir.Path() + "/none.dat", "testfont.png", kCell, kCell);
    EXPECT_EQ(measured->widths[32], TestWidth(32) - 1);
    EXPECT_TRUE(log.Contains("Width of char 32 is " + std::to_string(TestWidth(32) - 1)));
    // Short file: what is there is used, the rest gets the default.
    WriteMetrics(dir.Path() + "/short.dat", 10);
    LibFont* shortFont = Fonts().LoadFont(dir.Path() + "/short.dat", "testfont.png", kCell, kCell);
    EXPECT_EQ(shortFont->widths[3], TestWidth(3));
    EXPECT_EQ(shortFont->widths[50], shortFont->DefaultWidth());
    EXPECT_TRUE(log.Contains("Font metrics file too short (10 of 100 widths)"));
    // Neither metrics nor texture: defaults everywhere.
    LibFont* nothing = Fonts().LoadFont(dir.Path() + "/none.dat", "nofont.png", 16, 24);
    for (int w : nothing->widths)
        EXPECT_EQ(w, 8);
    // Corrupt values stay within the cell.
    std::string bytes(400, '\xFF');
    WriteText(dir.Path() + "/corrupt.dat", bytes);
    LibFont* corrupt = Fonts().LoadFont(dir.Path() + "/corrupt.dat", "testfont.png", kCell, kCell);
    EXPECT_EQ(corrupt->widths[0], 0);
}

TEST_F(TextTest, UnknownFontKeepsTheCurrentOne)
{
    LogCapture log;
    Fonts().SelectFont("nosuch.dds", 12.0f);
    EXPECT_TRUE(log.Contains("missing font: nosuch.dds"));
    EXPECT_EQ(Fonts().CurrentFont(), font);
    EXPECT_EQ(Fonts().CurrentSize(), 12.0f);
}

TEST_F(TextTest, NothingHappensBeforeInitialisation)
{
    LogCapture log;
    FontManager fresh;
    EXPECT_EQ(fresh.TextWidth("abc"), 0);
    EXPECT_TRUE(log.Contains("Text Not Initialised"));
    fresh.DrawText("abc", 0, 0, 0xFFFFFFFF);
    fresh.Flush();
    EXPECT_TRUE(log.Contains("TextNotInitialised"));
}

TEST_F(TextTest, RecordedChunksDrawLikeDirectText)
{
    LibTextChunkList chunks;
    Fonts().SetChunkList(&chunks);
    Fonts().DrawText("AB", 10, 10, 0xFFFF0000);
    Fonts().DrawText("ab", 10, 30, 0xFF00FF00);
    Fonts().SetChunkList(nullptr);
    ASSERT_EQ(chunks.Chunks().size(), 2u);
    EXPECT_EQ(Fonts().QueuedVertices(), 0);
    chunks.Draw();
    EXPECT_TRUE(chunks.Chunks()[0]->IsCached());
    Grab();
    const std::vector<uint32_t> recorded = frame;

    Engine().Clear(0xFF000000);
    Fonts().DrawText("AB", 10, 10, 0xFFFF0000);
    Fonts().DrawText("ab", 10, 30, 0xFF00FF00);
    Fonts().Flush();
    Grab();
    EXPECT_TRUE(recorded == frame);
    EXPECT_TRUE(Near(At(10, 10), 0xFF0000));

    LogCapture log;
    Fonts().SetChunkList(&chunks);
    Fonts().SetChunkList(&chunks);
    EXPECT_TRUE(log.Contains("Failed to empty last chunk list"));
    Fonts().SetChunkList(nullptr);
}

TEST_F(TextTest, MarkupBecomesSegments)
{
    FormattedText text;
    text.Parse("<COLOR=255,0,0,255>Red");
    ASSERT_EQ(text.Segments().size(), 1u);
    EXPECT_EQ(text.Segments()[0].text, "Red");
    EXPECT_EQ(text.Segments()[0].colour, 0xFFFF0000u);
    EXPECT_EQ(text.Segments()[0].fontName, "arial16.dds");

    text.Parse("One<BR>Two");
    ASSERT_EQ(text.Segments().size(), 3u);
    EXPECT_EQ(text.Segments()[1].text, "<BR>");
    EXPECT_EQ(text.Segments()[1].wrapWidth, 0.0f);
    EXPECT_EQ(text.Segments()[2].text, "Two");

    text.Parse("<FONTNAME= verdana12.dds ><SIZE=12><WRAP=300>a\nb<nonsense>c<COLOR=1,2,999>d");
    ASSERT_EQ(text.Segments().size(), 4u);
    EXPECT_EQ(text.Segments()[0].fontName, "verdana12.dds");
    EXPECT_EQ(text.Segments()[0].size, 12.0f);
    EXPECT_EQ(text.Segments()[0].wrapWidth, 300.0f);
    EXPECT_EQ(text.Segments()[3].colour, 0xFF0102FFu);  // out-of-range parts stay in their byte
}

TEST_F(TextTest, FormattedTextDrawsSegmentsDownwards)
{
    FormattedText text;
    text.Parse("<FONTNAME=testfont.png><SIZE=10><COLOR=255,0,0,255>A<BR><COLOR=0,0,255,255>A");
    text.Draw(10, 10);
    Fonts().Flush();
    Grab();
    EXPECT_TRUE(Near(At(10, 12), 0xFF0000));
    EXPECT_TRUE(Near(At(10, 22), 0x000000)) << "the break line";
    EXPECT_TRUE(Near(At(10, 32), 0x0000FF));
}

TEST_F(TextTest, RandomMarkupAndBytesAlwaysFinish)
{
    // Markup pieces and raw bytes thrown together: parsing, wrapping and
    // drawing must end and stay within bounds whatever comes in.
    const char* pieces[] = {"<",      ">",     "=",        "BR",         "<BR>",          "<SIZE=",  "<WRAP=",
                            "<COLOR=", "0",     "255,",     "-7",         "<FONTNAME=",    "testfont.png>", " ",
                            "\n",     "\t",   "word",     "\x80\xA3", "\xE9\xEA\x01", "1e9",    "99999999999"};
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 300; ++round) {
        std::string markup;
        const int count = static_cast<int>(next() % 40);
        for (int i = 0; i < count; ++i) {
            if (next() % 4 == 0)
                markup += static_cast<char>(next() % 256);
            else
                markup += pieces[next() % (sizeof pieces / sizeof pieces[0])];
        }
        FormattedText text;
        text.Parse(markup);
        EXPECT_LE(text.Segments().size(), markup.size());
        text.Draw(static_cast<float>(next() % 100), static_cast<float>(next() % 100));
        const float wrap = static_cast<float>(static_cast<int>(next() % 120) - 10);
        std::string rest;
        const std::string first = Fonts().SplitLine(wrap, markup, rest);
        EXPECT_LE(first.size() + rest.size(), markup.size());
        EXPECT_EQ(markup.compare(markup.size() - rest.size(), rest.size(), rest), 0);
        Fonts().SelectFont("testfont.png", static_cast<float>(kCell));
        Fonts().MeasureWrapped(markup, wrap);
        Fonts().DrawWrapped(markup, 0, 0, wrap, 0xFFFFFFFF);
        Fonts().Flush();
    }
}

}  // namespace
