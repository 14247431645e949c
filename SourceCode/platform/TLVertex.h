#pragma once
#include <cstdint>

// One pre-transformed, lit vertex: a screen pixel position, colours and
// texture coordinates. Pixel centres lie on whole numbers, so a quad from
// (l - 0.5, t - 0.5) to (r - 0.5, b - 0.5) covers pixels l..r-1, t..b-1 exactly.
struct TLVertex {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float rhw = 1.0f;
    uint32_t diffuse = 0xFFFFFFFF;   // ARGB
    uint32_t specular = 0xFFFFFFFF;  // ARGB, unused by the blend
    float u = 0.0f;
    float v = 0.0f;
};
static_assert(sizeof(TLVertex) == 32, "vertex layout is 32 bytes");
