#include "engine/LibTextChunk.h"

#include <utility>

#include "engine/FontManager.h"

LibTextChunk::LibTextChunk(std::string text_, float x_, float y_, uint32_t colour_, float width_, int alignment_,
                           float size_, std::string fontName_)
    : text(std::move(text_)), x(x_), y(y_), colour(colour_), width(width_), alignment(alignment_), size(size_),
      fontName(std::move(fontName_))
{
}

void LibTextChunk::Draw()
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont(fontName, size);
    if (!cached_) {
        vertices_.clear();
        vertices_.reserve(text.size() * 4);
        fonts.CaptureInto(&vertices_);
        fonts.DrawText(text, x, y, colour, width, alignment);
        fonts.CaptureInto(nullptr);
        cached_ = true;
    }
    fonts.DrawPrepared(vertices_);
}
