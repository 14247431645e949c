#include "engine/GVertexBuffer.h"

#include <algorithm>

#include "engine/D3DEngine.h"

GVertexBuffer::GVertexBuffer() = default;

GVertexBuffer::~GVertexBuffer() = default;

void GVertexBuffer::Create(int capacity, bool isStatic)
{
    // Counts are 16-bit.
    capacity = std::clamp(capacity, 0, 65532);
    mStatic = isStatic;
    vertices.assign(static_cast<size_t>(capacity), TLVertex{});
    indices.assign(static_cast<size_t>(capacity / 4) * 6, 0);
    vertexCount = 0;
    indexCount = 0;
}

void GVertexBuffer::Reset()
{
    vertexCount = 0;
    indexCount = 0;
}

void GVertexBuffer::Restore()
{
    // The vertices live in memory, so nothing is lost with the display; a
    // dynamic buffer still starts over empty, as it did with a device buffer.
    if (!mStatic) {
        vertexCount = 0;
        indexCount = 0;
        std::fill(indices.begin(), indices.end(), 0);
    }
}

void GVertexBuffer::Draw()
{
    const int vertexTotal = std::min<int>(vertexCount, static_cast<int>(vertices.size()));
    const int indexTotal = std::min<int>(indexCount, static_cast<int>(indices.size()));
    GetD3DEngine().DrawTriangles(vertices.data(), vertexTotal, indices.data(), indexTotal);
}
