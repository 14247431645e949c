#include "RenderTestSupport.h"
#include "engine/GVertexBuffer.h"

using namespace rendertest;

namespace {

class GVertexBufferTest : public RenderFixture {};

TEST_F(GVertexBufferTest, DrawsItsIndexedTrianglesWithTheBoundTexture)
{
    WriteSolidImage(bitmaps + "/w.png", 4, 4, 0xFFFFFFFF);
    GVertexBuffer buffer;
    buffer.Create(8, true);
    const uint16_t quad[6] = {0, 1, 3, 0, 3, 2};
    for (int q = 0; q < 2; ++q) {
        const float left = 10.0f + 20 * q - 0.5f;
        SetQuad(&buffer.vertices[q * 4], left, 9.5f, left + 10, 19.5f, q == 0 ? 0xFFFF0000 : 0xFF0000FF);
        for (int i = 0; i < 6; ++i)
            buffer.indices[q * 6 + i] = static_cast<uint16_t>(q * 4 + quad[i]);
    }
    buffer.vertexCount = 8;
    buffer.indexCount = 12;
    Engine().SetTexture("w.png");
    buffer.Draw();
    ExpectPixels({{15, 15, 0xFF0000}, {35, 15, 0x0000FF}, {25, 15, 0}});
}

}  // namespace
