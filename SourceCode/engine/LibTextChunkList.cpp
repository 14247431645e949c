#include "engine/LibTextChunkList.h"

void LibTextChunkList::Draw()
{
    for (auto& chunk : chunks_)
        chunk->Draw();
}
