#include "RenderTestSupport.h"

#include "engine/FontManager.h"

using namespace rendertest;

namespace {

// The game's own seven font atlases and width tables from data/.
class GameFontsTest : public RenderFixture {
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        const std::string root = RULECRAFT_SOURCE_DIR;
        Engine().ClearTextureFolders();
        Engine().AddTextureFolder(root + "/data/bitmaps");
        GetFontManager().LoadGameFonts(root + "/data/fonts");
    }
    void TearDown() override
    {
        GetFontManager().ResetFrame();
        GetFontManager().Initialise();
        RenderFixture::TearDown();
    }

    static std::vector<int32_t> MetricsOf(const std::string& textureName)
    {
        std::ifstream in(std::string(RULECRAFT_SOURCE_DIR) + "/data/fonts/" + textureName + ".dat", std::ios::binary);
        std::vector<int32_t> widths(100, -1);
        in.read(reinterpret_cast<char*>(widths.data()), 400);
        return widths;
    }
};

TEST_F(GameFontsTest, AllSevenFontsLoadWithTheirTexturesAndWidths)
{
    const std::vector<std::pair<std::string, int>> expected = {
        {"tahoma12.dds", 1},    {"verdana12.dds", 2},    {"verdanabold16.dds", 2}, {"arial16.dds", 2},
        {"arialbold16.dds", -1}, {"arialbold20.dds", -1}, {"tahoma30.dds", 2}};
    const auto& fonts = GetFontManager().Fonts();
    ASSERT_EQ(fonts.size(), expected.size());
    for (size_t i = 0; i < fonts.size(); ++i) {
        const LibFont& font = *fonts[i];
        EXPECT_EQ(font.textureName, expected[i].first);
        EXPECT_EQ(font.spacing, expected[i].second);
        ASSERT_NE(font.texture.Texture(), nullptr) << font.textureName;
        EXPECT_FALSE(font.texture.Texture()->placeholder) << font.textureName;
        EXPECT_GE(font.texture.Texture()->width, font.cellSize * 10);
        const std::vector<int32_t> metrics = MetricsOf(font.textureName);
        for (int g = 0; g < LibFont::kGlyphCount; ++g)
            EXPECT_EQ(font.widths[g], metrics[g]) << font.textureName << " glyph " << g;
    }
}

TEST_F(GameFontsTest, EachFontDrawsItsGlyphsWithinTheMeasuredWidth)
{
    FontManager& fonts = GetFontManager();
    for (const auto& font : fonts.Fonts()) {
        Engine().Clear(0xFF000000);
        fonts.SelectFont(font->textureName, static_cast<float>(font->nominalSize));
        const std::string text = "Hi!";
        const int width = fonts.TextWidth(text);
        EXPECT_EQ(width, static_cast<int>(3 * font->spacing + font->widths[FontManager::GlyphOf('H')] +
                                          font->widths[FontManager::GlyphOf('i')] +
                                          font->widths[FontManager::GlyphOf('!')]));
        fonts.DrawText(text, 20, 10, 0xFFFFFFFF);
        fonts.Flush();
        Grab();
        int left = kWidth, right = -1, top = kHeight, bottom = -1, lit = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Split(At(x, y)).r > 100) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    ++lit;
                }
        ASSERT_GT(lit, 0) << font->textureName;
        EXPECT_GE(left, 20) << font->textureName;
        EXPECT_LE(left, 20 + font->nominalSize / 4) << font->textureName;
        EXPECT_LE(right, 20 + width + 1) << font->textureName;
        EXPECT_GE(right, 20 + width - font->nominalSize / 2) << font->textureName;
        EXPECT_GE(top, 10) << font->textureName;
        EXPECT_LT(bottom, 10 + font->cellSize) << font->textureName;
        // Capitals stand at least half the nominal size tall.
        EXPECT_GE(bottom - top + 1, font->nominalSize / 2) << font->textureName;
    }
}

}  // namespace

namespace {

// At its nominal size a glyph is its atlas cell copied one to one: every pixel
// of the cell lands on the screen pixel it belongs to, blended over black.
class GameGlyphCellsTest : public GameFontsTest {};

TEST_F(GameGlyphCellsTest, EveryFontDrawsItsAtlasCellPixelForPixel)
{
    FontManager& fonts = GetFontManager();
    constexpr int kLeft = 20, kTop = 10;
    for (const auto& font : fonts.Fonts()) {
        int atlasWidth = 0, atlasHeight = 0;
        const std::vector<uint32_t> atlas = Engine().ReadTexturePixels(font->textureName, atlasWidth, atlasHeight);
        ASSERT_GE(atlasWidth, font->cellSize * 10) << font->textureName;
        for (unsigned char c : std::string("Ag%5")) {
            const int glyph = FontManager::GlyphOf(c);
            Engine().Clear(0xFF000000);
            fonts.SelectFont(font->textureName, static_cast<float>(font->nominalSize));
            fonts.DrawText(std::string(1, static_cast<char>(c)), kLeft, kTop, 0xFFFFFFFF);
            fonts.Flush();
            Grab();
            int ink = 0, mismatches = 0;
            for (int y = 0; y < font->cellSize; ++y) {
                for (int x = 0; x < font->cellSize; ++x) {
                    const int u = (glyph % 10) * font->cellSize + x;
                    const int v = (glyph / 10) * font->cellSize + y;
                    const Rgba texel = Split(atlas[static_cast<size_t>(v) * atlasWidth + u]);
                    const uint32_t expected = (static_cast<uint32_t>(texel.r * texel.a / 255) << 16) |
                                              (static_cast<uint32_t>(texel.g * texel.a / 255) << 8) |
                                              static_cast<uint32_t>(texel.b * texel.a / 255);
                    if (texel.a > 0)
                        ++ink;
                    if (!Near(At(kLeft + x, kTop + y), expected, 4) && ++mismatches <= 3)
                        ADD_FAILURE() << font->textureName << " '" << c << "' cell pixel " << x << "," << y
                                      << ": drawn " << Hex(At(kLeft + x, kTop + y)) << ", atlas gives "
                                      << Hex(expected);
                }
            }
            EXPECT_GT(ink, 0) << font->textureName << " has an empty cell for '" << c << "'";
            EXPECT_EQ(mismatches, 0) << font->textureName << " '" << c << "'";
        }
    }
}

}  // namespace
