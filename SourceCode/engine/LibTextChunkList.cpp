#include "engine/LibTextChunkList.h"

void LibTextChunkList::Draw()
{
    for (auto& chunk : mChunks)
        chunk->Draw();
}
