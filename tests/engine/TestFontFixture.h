#pragma once
// A made-up font for the text tests: glyph g is a solid white block
// g % 5 + 2 pixels wide and the full cell high, so every drawn glyph shows
// exactly where it landed.
#include "RenderTestSupport.h"
#include "engine/FontManager.h"

namespace rendertest {

constexpr int kCell = 10;

inline int TestWidth(int glyph)
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
    static int Width(char c) { return TestWidth(FontManager::GlyphOf(static_cast<unsigned char>(c))); }

    // Lit columns of one pixel row.
    std::vector<int> LitColumns(int y)
    {
        std::vector<int> columns;
        for (int x = 0; x < kWidth; ++x)
            if (Split(At(x, y)).r > 128)
                columns.push_back(x);
        return columns;
    }
    static std::vector<int> Range(int from, int count)
    {
        std::vector<int> values;
        for (int i = 0; i < count; ++i)
            values.push_back(from + i);
        return values;
    }

    LibFont* font = nullptr;
};

}  // namespace rendertest
