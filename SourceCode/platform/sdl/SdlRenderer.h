#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/TLVertex.h"

struct SDL_Texture;
struct SDL_Rect;

// A texture on the renderer, as the engine holds it.
using PlatformTexture = SDL_Texture*;

// The drawing under D3DEngine: pre-transformed, alpha blended triangles and
// quads into the video layer's logical target (see SdlVideo), and the
// textures they are drawn with.
//
// Vertices follow the pre-transformed layout with pixel centres on whole
// numbers; SDL samples at half-integers, so every vertex is moved by half a
// pixel on its way down. In the software renderer, quads that are upright
// rectangles of one colour are blitted, slanted plain quads are filled row by
// row and slanted textured quads are drawn in small pieces (see DrawQuad).
class SdlRenderer {
public:
    SdlRenderer();
    ~SdlRenderer();
    SdlRenderer(const SdlRenderer&) = delete;
    SdlRenderer& operator=(const SdlRenderer&) = delete;

    // Texture filters, as TextureRecord remembers the last one set.
    static constexpr int kPointFilter = 0;
    static constexpr int kLinearFilter = 1;

    // True on SDL's offscreen and dummy video drivers (tests, headless runs).
    static bool IsHeadlessDriver();
    // The name of the renderer's driver; "" when there is no renderer.
    static std::string DriverName();
    // SDL's text for the last failure, at most 128 characters.
    static std::string LastError();

    // A blended texture from 32-bit ARGB pixels, top row first; null on failure.
    static PlatformTexture CreateTexture(const std::vector<uint32_t>& argb, int width, int height);
    static void DestroyTexture(PlatformTexture texture);
    // Whatever is queued with the old filter is drawn first.
    static void SetFilter(PlatformTexture texture, int filter);

    // Points drawing at the logical target, alpha blended.
    static void BeginScene();
    static void Clear(uint32_t argb);
    // Drawing is cut to the rectangle (right and bottom exclusive) until
    // cleared; a rectangle of no area draws nothing.
    static void SetClip(int left, int top, int right, int bottom);
    static void ClearClip();

    // Both return false when SDL refused to draw.
    bool DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                       PlatformTexture texture);
    // Corners top-left, top-right, bottom-left, bottom-right.
    bool DrawQuad(const TLVertex corners[4], PlatformTexture texture);
    // A horizontal gradient as columns of one colour each: the software
    // renderer fills rectangles far faster than it shades triangles. False
    // (nothing drawn) on an accelerated renderer, which shades a quad better.
    bool FillGradientColumns(int left, int top, int right, int bottom, uint32_t leftColour, uint32_t rightColour);

private:
    static bool IsBlittable(const TLVertex corners[4]);
    bool FillSpans(const TLVertex corners[4]);
    bool DrawSubdivided(const TLVertex corners[4], PlatformTexture texture);

    std::vector<SDL_Rect> mSpanRects;  // reused by FillSpans
};
