#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/TLVertex.h"

// One recorded DrawText call. Its glyphs are laid out on the first Draw and
// replayed from the cache afterwards.
class LibTextChunk {
public:
    LibTextChunk(std::string text, float x, float y, uint32_t colour, float width, int alignment, float size,
                 std::string fontName);
    virtual ~LibTextChunk() = default;

    void Draw();
    bool IsCached() const { return mCached; }

    std::string text;
    float x = 0.0f;
    float y = 0.0f;
    uint32_t colour = 0xFFFFFFFF;
    float width = 0.0f;
    int alignment = 0;
    float size = 12.0f;
    std::string fontName;

private:
    bool mCached = false;
    std::vector<TLVertex> mVertices;
};
