#include "FontAtlasBuilder.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

// Owns the FreeType library and face for one build.
struct FaceHolder {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~FaceHolder()
    {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

int NextPowerOfTwo(int n)
{
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

// Glyphs that are only measured, never drawn, measure like this letter.
constexpr uint32_t kMeasureOnlyLike = 'e';

}  // namespace

bool FontAtlasBuilder::Build(const FontRecipe& recipe)
{
    error_.clear();
    faceFile_.clear();
    for (const auto& candidate : recipe.faceFiles) {
        if (std::filesystem::exists(candidate)) {
            faceFile_ = candidate;
            break;
        }
    }
    if (faceFile_.empty()) {
        error_ = recipe.textureName + ": none of its font files is installed";
        return false;
    }

    FaceHolder ft;
    if (FT_Init_FreeType(&ft.library) != 0 || FT_New_Face(ft.library, faceFile_.c_str(), 0, &ft.face) != 0) {
        error_ = recipe.textureName + ": FreeType cannot open " + faceFile_;
        return false;
    }
    if (FT_Set_Pixel_Sizes(ft.face, 0, FT_UInt(recipe.pixelSize)) != 0) {
        error_ = recipe.textureName + ": cannot set pixel size";
        return false;
    }

    const int cell = recipe.cellSize;
    // Vertical layout: the ink of every drawn glyph, above and below the baseline,
    // centred in the cell so that captions line up the same in every font.
    int above = 0, below = 0;
    for (int g = 0; g < kGlyphCount; ++g) {
        uint32_t cp = GameFonts::CodepointForGlyph(g);
        if (cp == 0) continue;
        if (FT_Load_Char(ft.face, cp, FT_LOAD_RENDER) != 0) {
            error_ = recipe.textureName + ": cannot render glyph " + std::to_string(g);
            return false;
        }
        FT_GlyphSlot slot = ft.face->glyph;
        above = std::max(above, slot->bitmap_top);
        below = std::max(below, int(slot->bitmap.rows) - slot->bitmap_top);
    }
    if (above + below > cell) {
        error_ = recipe.textureName + ": glyphs are " + std::to_string(above + below) +
                 " pixels tall, more than the cell of " + std::to_string(cell);
        return false;
    }
    baseline_ = (cell - (above + below)) / 2 + above;

    textureSize_ = NextPowerOfTwo(cell * GameFonts::kGridColumns);
    // White everywhere so that filtering at glyph edges never pulls in a dark fringe.
    pixels_.assign(size_t(textureSize_) * size_t(textureSize_), 0x00FFFFFFu);
    widths_.assign(kGlyphCount, 0);

    auto advanceOf = [&](uint32_t cp) -> int {
        if (FT_Load_Char(ft.face, cp, FT_LOAD_DEFAULT) != 0) return 0;
        return int((ft.face->glyph->advance.x + 32) >> 6);
    };

    for (int g = 0; g < kGlyphCount; ++g) {
        uint32_t cp = GameFonts::CodepointForGlyph(g);
        if (cp == 0) {
            widths_[g] = std::clamp(advanceOf(kMeasureOnlyLike) - recipe.spacing, 1, cell);
            continue;
        }
        FT_Load_Char(ft.face, cp, FT_LOAD_RENDER);
        FT_GlyphSlot slot = ft.face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        int w = int(bm.width), h = int(bm.rows);
        if (w > cell) {
            error_ = recipe.textureName + ": glyph " + std::to_string(g) + " is wider than its cell";
            return false;
        }
        int x0 = std::clamp(int(slot->bitmap_left), 0, cell - w);
        int y0 = baseline_ - slot->bitmap_top;
        int cellX = (g % GameFonts::kGridColumns) * cell, cellY = (g / GameFonts::kGridColumns) * cell;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int coverage = bm.buffer[y * bm.pitch + x];
                if (coverage == 0) continue;
                // A touch of gamma keeps light-on-dark text from looking thin.
                int alpha = int(std::lround(255.0 * std::pow(coverage / 255.0, 0.8)));
                size_t at = size_t(cellY + y0 + y) * size_t(textureSize_) + size_t(cellX + x0 + x);
                pixels_[at] = (uint32_t(alpha) << 24) | 0x00FFFFFFu;
            }
        }
        // The game advances by width + spacing; make that the face's own advance.
        int advance = int((slot->advance.x + 32) >> 6);
        widths_[g] = std::clamp(advance - recipe.spacing, 1, cell);
    }
    return true;
}

std::vector<uint8_t> FontAtlasBuilder::MetricsBytes() const
{
    std::vector<uint8_t> out;
    out.reserve(widths_.size() * 4);
    for (int32_t w : widths_) {
        uint8_t bytes[4];
        GameFonts::EncodeWidth(w, bytes);
        out.insert(out.end(), bytes, bytes + 4);
    }
    return out;
}
