#pragma once
// Draws single glyphs of a FreeType face onto a canvas: the icon font's symbols,
// scaled to fit a box and centred in it.
#include <cstdint>
#include <string>

#include "Canvas.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

class GlyphPainter {
public:
    explicit GlyphPainter(const std::string& fontFile);
    ~GlyphPainter();
    GlyphPainter(const GlyphPainter&) = delete;
    GlyphPainter& operator=(const GlyphPainter&) = delete;

    bool Ok() const { return face_ != nullptr; }
    bool HasGlyph(uint32_t codepoint) const;

    // Renders the glyph so that its larger side is `size` pixels, centred on (cx, cy).
    bool DrawCentred(Canvas& canvas, uint32_t codepoint, float cx, float cy, float size, Colour colour);

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};
