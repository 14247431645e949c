#include "engine/LibTextChunk.h"

#include <utility>

#include "engine/FontManager.h"

LibTextChunk::LibTextChunk(std::string mText, float mX, float mY, uint32_t mColour, float mWidth, int mAlignment,
                           float mSize, std::string mFontName)
    : text(std::move(mText)), x(mX), y(mY), colour(mColour), width(mWidth), alignment(mAlignment), size(mSize),
      fontName(std::move(mFontName))
{
}

void LibTextChunk::Draw()
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont(fontName, size);
    if (!mCached) {
        mVertices.clear();
        mVertices.reserve(text.size() * 4);
        fonts.CaptureInto(&mVertices);
        fonts.DrawText(text, x, y, colour, width, alignment);
        fonts.CaptureInto(nullptr);
        mCached = true;
    }
    fonts.DrawPrepared(mVertices);
}
