#include "engine/GVertexBuffer.h"

#include <algorithm>

#include "engine/D3DEngine.h"

namespace {
std::vector<GVertexBuffer*>& List()
{
    // Never destroyed: objects of other singletons may unregister at exit.
    static auto* list = new std::vector<GVertexBuffer*>();
    return *list;
}
}  // namespace

GVertexBuffer::GVertexBuffer()
{
    List().push_back(this);
}

GVertexBuffer::~GVertexBuffer()
{
    auto& list = List();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

const std::vector<GVertexBuffer*>& GVertexBuffer::Instances()
{
    return List();
}

void GVertexBuffer::Create(int capacity, bool isStatic)
{
    // Counts are 16-bit.
    capacity = std::clamp(capacity, 0, 65532);
    static_ = isStatic;
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
    if (!static_) {
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
