#include "RenderTestSupport.h"

#include "engine/FontManager.h"
#include "engine/GameFonts.h"

using namespace rendertest;

namespace {

// The game's own font atlases and width tables from data/.
class GameFontsTest : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        LogCapture log;
        const std::string root = RULECRAFT_SOURCE_DIR;
        Engine().ClearTextureFolders();
        Engine().AddTextureFolder(root + "/data/bitmaps");
        GetFontManager().LoadGameFonts(root + "/" + GameFonts::kMetricsFolder);
        // A short or missing width table would have been reported.
        EXPECT_FALSE(log.Contains("metrics"));
    }
    void TearDown() override
    {
        GetFontManager().ResetFrame();
        GetFontManager().Initialise();
        RenderFixture::TearDown();
    }
};

// At its nominal size a glyph is its atlas cell copied one to one: every pixel
// of the cell lands on the screen pixel it belongs to, blended over black.
TEST_F(GameFontsTest, EveryFontDrawsItsAtlasCellPixelForPixel)
{
    FontManager& fonts = GetFontManager();
    ASSERT_EQ(fonts.Fonts().size(), std::size(GameFonts::kFonts));
    constexpr int kLeft = 20, kTop = 10;
    for (const auto& font : fonts.Fonts()) {
        ASSERT_FALSE(font->texture.Texture()->placeholder) << font->textureName;
        int atlasWidth = 0, atlasHeight = 0;
        const std::vector<uint32_t> atlas = Engine().ReadTexturePixels(font->textureName, atlasWidth, atlasHeight);
        ASSERT_GE(atlasWidth, font->cellSize * GameFonts::kGridColumns) << font->textureName;
        for (unsigned char c : std::string("Ag%5\x80")) {
            const int glyph = GameFonts::GlyphForDrawing(c);
            Engine().Clear(0xFF000000);
            fonts.SelectFont(font->textureName, static_cast<float>(font->nominalSize));
            fonts.DrawText(std::string(1, static_cast<char>(c)), kLeft, kTop, 0xFFFFFFFF);
            fonts.Flush();
            Grab();
            int ink = 0, mismatches = 0;
            for (int y = 0; y < font->cellSize; ++y) {
                for (int x = 0; x < font->cellSize; ++x) {
                    const int u = (glyph % GameFonts::kGridColumns) * font->cellSize + x;
                    const int v = (glyph / GameFonts::kGridColumns) * font->cellSize + y;
                    const Rgba texel = Split(atlas[static_cast<size_t>(v) * atlasWidth + u]);
                    const uint32_t expected = (static_cast<uint32_t>(texel.r * texel.a / 255) << 16) |
                                              (static_cast<uint32_t>(texel.g * texel.a / 255) << 8) |
                                              static_cast<uint32_t>(texel.b * texel.a / 255);
                    ink += texel.a > 0 ? 1 : 0;
                    if (!Near(At(kLeft + x, kTop + y), expected, 4) && ++mismatches <= 3)
                        ADD_FAILURE() << font->textureName << " byte " << int(c) << " cell pixel " << x << "," << y
                                      << ": drawn " << Hex(At(kLeft + x, kTop + y)) << ", atlas " << Hex(expected);
                }
            }
            EXPECT_GT(ink, 0) << font->textureName << " has an empty cell for byte " << int(c);
            EXPECT_EQ(mismatches, 0) << font->textureName << " byte " << int(c);
        }
    }
}

}  // namespace
