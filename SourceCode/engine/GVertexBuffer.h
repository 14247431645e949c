#pragma once
#include <cstdint>
#include <vector>

#include "engine/InstanceList.h"
#include "platform/TLVertex.h"

// A batch of pre-transformed vertices with a triangle-list index array, drawn
// in one call with the bound texture. The font system keeps its glyph quads here.
class GVertexBuffer {
public:
    GVertexBuffer();
    virtual ~GVertexBuffer();
    GVertexBuffer(const GVertexBuffer&) = delete;
    GVertexBuffer& operator=(const GVertexBuffer&) = delete;

    void Create(int capacity, bool isStatic);
    void Reset();    // counts to 0
    void Restore();  // after the display was re-created
    void Draw();

    int Capacity() const { return static_cast<int>(vertices.size()); }
    bool IsStatic() const { return mStatic; }

    uint16_t vertexCount = 0;
    uint16_t indexCount = 0;
    std::vector<uint16_t> indices;   // room for capacity / 4 * 6 indices
    std::vector<TLVertex> vertices;  // capacity vertices

    static const std::vector<GVertexBuffer*>& Instances() { return InstanceList<GVertexBuffer>::All(); }

private:
    bool mStatic = false;
    InstanceList<GVertexBuffer> mRegistration{this};
};
