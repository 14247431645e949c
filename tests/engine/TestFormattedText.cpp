#include "TestFontFixture.h"

#include "engine/FormattedText.h"

using namespace rendertest;

namespace {

class FormattedTextTest : public TextTest {};

TEST_F(FormattedTextTest, MarkupBecomesSegments)
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

TEST_F(FormattedTextTest, SegmentsAreDrawnDownwards)
{
    FormattedText text;
    text.Parse("<FONTNAME=testfont.png><SIZE=10><COLOR=255,0,0,255>A<BR><COLOR=0,0,255,255>A");
    text.Draw(10, 10);
    Fonts().Flush();
    ExpectPixels({{10, 12, 0xFF0000}, {10, 22, 0}, {10, 32, 0x0000FF}});
}

TEST_F(FormattedTextTest, RandomMarkupAndBytesAlwaysFinish)
{
    // Markup pieces and raw bytes thrown together: parsing, wrapping and
    // drawing must end and stay within bounds whatever comes in.
    const char* pieces[] = {"<", ">", "=", "BR", "<BR>", "<SIZE=", "<WRAP=", "<COLOR=", "0", "255,", "-7",
                            "<FONTNAME=", "testfont.png>", " ", "\n", "\t", "word", "\x80\xA3", "\xE9\xEA\x01",
                            "1e9", "99999999999"};
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 300; ++round) {
        std::string markup;
        const int count = static_cast<int>(next() % 40);
        for (int i = 0; i < count; ++i)
            markup += next() % 4 == 0 ? std::string(1, static_cast<char>(next() % 256))
                                      : std::string(pieces[next() % std::size(pieces)]);
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
