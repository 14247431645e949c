#include "GlyphPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

GlyphPainter::GlyphPainter(const std::string& fontFile)
{
    if (FT_Init_FreeType(&library_) != 0) {
        library_ = nullptr;
        return;
    }
    if (FT_New_Face(library_, fontFile.c_str(), 0, &face_) != 0) face_ = nullptr;
}

GlyphPainter::~GlyphPainter()
{
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
}

bool GlyphPainter::HasGlyph(uint32_t codepoint) const
{
    return face_ && FT_Get_Char_Index(face_, codepoint) != 0;
}

bool GlyphPainter::DrawCentred(Canvas& canvas, uint32_t codepoint, float cx, float cy, float size, Colour colour)
{
    if (!HasGlyph(codepoint)) return false;
    // Measure at a reference size, then render at the size that makes the ink fit.
    FT_Set_Char_Size(face_, 0, FT_F26Dot6(size * 64), 72, 72);
    if (FT_Load_Char(face_, codepoint, FT_LOAD_NO_HINTING) != 0) return false;
    float w = float(face_->glyph->metrics.width) / 64.0f, h = float(face_->glyph->metrics.height) / 64.0f;
    float scale = size / std::max(1.0f, std::max(w, h));
    FT_Set_Char_Size(face_, 0, FT_F26Dot6(size * scale * 64), 72, 72);
    if (FT_Load_Char(face_, codepoint, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0) return false;
    FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    int x0 = int(std::lround(cx - float(bm.width) * 0.5f));
    int y0 = int(std::lround(cy - float(bm.rows) * 0.5f));
    for (int y = 0; y < int(bm.rows); ++y)
        for (int x = 0; x < int(bm.width); ++x) {
            int coverage = bm.buffer[y * bm.pitch + x];
            if (coverage) canvas.BlendPixel(x0 + x, y0 + y, colour, float(coverage) / 255.0f);
        }
    return true;
}
