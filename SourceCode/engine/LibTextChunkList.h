#pragma once
#include <memory>
#include <vector>

#include "engine/LibTextChunk.h"

// An ordered list of recorded text calls (see FontManager::SetChunkList).
class LibTextChunkList {
public:
    virtual ~LibTextChunkList() = default;

    void Add(std::unique_ptr<LibTextChunk> chunk) { mChunks.push_back(std::move(chunk)); }
    void Draw();
    void Clear() { mChunks.clear(); }
    const std::vector<std::unique_ptr<LibTextChunk>>& Chunks() const { return mChunks; }

private:
    std::vector<std::unique_ptr<LibTextChunk>> mChunks;
};
