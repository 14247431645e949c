#include "platform/sdl/SdlRenderer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/sdl/SdlVideo.h"

namespace {

// SDL samples pixel centres at half-integers, the vertex layout at whole
// numbers: every vertex moves by half a pixel on its way to SDL.
constexpr float kPixelCentreShift = 0.5f;

constexpr float kSlantedPieceSide = 16.0f;
constexpr float kUprightPieceSide = 128.0f;
constexpr int kMaxPieces = 48;

static_assert(SdlRenderer::kPointFilter == SDL_ScaleModeNearest && SdlRenderer::kLinearFilter == SDL_ScaleModeLinear,
              "filters are SDL's scale modes");

SDL_Renderer* Renderer()
{
    return GetSdlVideo().Renderer();
}

SDL_Color ToSdlColour(uint32_t argb)
{
    return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                     static_cast<Uint8>(argb >> 24)};
}

// Untextured drawing in opaque colours needs no blending; the software
// renderer fills such areas several times faster without it.
void SetPlainBlend(SDL_Renderer* renderer, bool opaque)
{
    SDL_SetRenderDrawBlendMode(renderer, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
}

bool AllOpaque(const TLVertex* corners, int count)
{
    for (int i = 0; i < count; ++i)
        if ((corners[i].diffuse >> 24) != 0xFF)
            return false;
    return true;
}

bool OneColour(const TLVertex corners[4])
{
    return corners[0].diffuse == corners[1].diffuse && corners[0].diffuse == corners[2].diffuse &&
           corners[0].diffuse == corners[3].diffuse;
}

SDL_Vertex ToSdlVertex(const TLVertex& v)
{
    SDL_Vertex out;
    out.position.x = v.x + kPixelCentreShift;
    out.position.y = v.y + kPixelCentreShift;
    out.color = ToSdlColour(v.diffuse);
    out.tex_coord.x = v.u;
    out.tex_coord.y = v.v;
    return out;
}

float Length(const TLVertex& a, const TLVertex& b)
{
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

TLVertex Lerp(const TLVertex& a, const TLVertex& b, float t)
{
    auto mix = [t](uint32_t p, uint32_t q, int shift) {
        const float x = static_cast<float>((p >> shift) & 0xFF), y = static_cast<float>((q >> shift) & 0xFF);
        return static_cast<uint32_t>(std::lround(x + (y - x) * t)) << shift;
    };
    TLVertex out = a;
    out.x = a.x + (b.x - a.x) * t;
    out.y = a.y + (b.y - a.y) * t;
    out.u = a.u + (b.u - a.u) * t;
    out.v = a.v + (b.v - a.v) * t;
    out.diffuse = mix(a.diffuse, b.diffuse, 24) | mix(a.diffuse, b.diffuse, 16) | mix(a.diffuse, b.diffuse, 8) |
                  mix(a.diffuse, b.diffuse, 0);
    return out;
}

}  // namespace

SdlRenderer::SdlRenderer() = default;
SdlRenderer::~SdlRenderer() = default;

bool SdlRenderer::IsHeadlessDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::string(driver) == "offscreen" || std::string(driver) == "dummy");
}

std::string SdlRenderer::DriverName()
{
    SDL_RendererInfo info;
    if (Renderer() && SDL_GetRendererInfo(Renderer(), &info) == 0)
        return info.name;
    return std::string();
}

std::string SdlRenderer::LastError()
{
    return std::string(SDL_GetError()).substr(0, 128);
}

PlatformTexture SdlRenderer::CreateTexture(const std::vector<uint32_t>& argb, int width, int height)
{
    SDL_Texture* texture =
        SDL_CreateTexture(Renderer(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture)
        return nullptr;
    SDL_UpdateTexture(texture, nullptr, argb.data(), width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

void SdlRenderer::DestroyTexture(PlatformTexture texture)
{
    if (texture)
        SDL_DestroyTexture(texture);
}

void SdlRenderer::SetFilter(PlatformTexture texture, int filter)
{
    // SDL reads a texture's scale mode when it flushes its batch, so whatever is
    // queued with the old mode must go out first.
    SDL_RenderFlush(Renderer());
    SDL_SetTextureScaleMode(texture, static_cast<SDL_ScaleMode>(filter));
}

void SdlRenderer::BeginScene()
{
    SDL_SetRenderTarget(Renderer(), GetSdlVideo().Target());
    SDL_SetRenderDrawBlendMode(Renderer(), SDL_BLENDMODE_BLEND);
    // A clip left over from an earlier frame never cuts this one.
    SDL_RenderSetClipRect(Renderer(), nullptr);
}

void SdlRenderer::SetClip(int left, int top, int right, int bottom)
{
    // SDL reads an empty clip rectangle as no clipping at all.
    SDL_Rect rect{left, top, std::max(right - left, 1), std::max(bottom - top, 1)};
    if (right <= left || bottom <= top)
        rect = SDL_Rect{-2, -2, 1, 1};
    SDL_RenderSetClipRect(Renderer(), &rect);
}

void SdlRenderer::ClearClip() { SDL_RenderSetClipRect(Renderer(), nullptr); }

void SdlRenderer::Clear(uint32_t argb)
{
    const SDL_Color c = ToSdlColour(argb);
    SDL_SetRenderDrawColor(Renderer(), c.r, c.g, c.b, c.a);
    SDL_RenderClear(Renderer());
}

bool SdlRenderer::DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                                PlatformTexture texture)
{
    std::vector<SDL_Vertex> converted(static_cast<size_t>(vertexCount));
    for (int i = 0; i < vertexCount; ++i)
        converted[i] = ToSdlVertex(vertices[i]);
    std::vector<int> index(indices, indices + indexCount);
    for (int& i : index)
        if (i >= vertexCount)
            i = 0;  // never let a stale index read past the vertices
    return SDL_RenderGeometry(Renderer(), texture, converted.data(), vertexCount, index.data(), indexCount) == 0;
}

bool SdlRenderer::DrawQuad(const TLVertex corners[4], PlatformTexture texture)
{
    if (GetSdlVideo().IsSoftware() && !IsBlittable(corners)) {
        if (!texture && OneColour(corners))
            return FillSpans(corners);
        return DrawSubdivided(corners, texture);
    }
    SDL_Vertex v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = ToSdlVertex(corners[i]);
    // Two triangles sharing the top-left to bottom-right diagonal: the software
    // renderer recognises this shape as a rectangle when the four colours agree
    // and blits it instead of rasterising two triangles.
    static const int kIndices[6] = {0, 1, 3, 0, 3, 2};
    SDL_Renderer* renderer = Renderer();
    const bool plainOpaque = !texture && AllOpaque(corners, 4);
    if (plainOpaque)
        SetPlainBlend(renderer, true);
    const bool ok = SDL_RenderGeometry(renderer, texture, v, 4, kIndices, 6) == 0;
    if (plainOpaque)
        SetPlainBlend(renderer, false);
    return ok;
}

// A slanted quad of one colour, filled row by row as one-pixel-high
// rectangles: the software renderer fills rectangles at the cost of their
// area, where its triangles cost their whole bounding box. A pixel is inside
// when its centre is, left and top edges included, right and bottom excluded.
bool SdlRenderer::FillSpans(const TLVertex corners[4])
{
    float xs[4], ys[4];
    const int order[4] = {0, 1, 3, 2};  // around the quad
    for (int i = 0; i < 4; ++i) {
        xs[i] = corners[order[i]].x + kPixelCentreShift;
        ys[i] = corners[order[i]].y + kPixelCentreShift;
    }
    const int width = GetSdlVideo().LogicalWidth();
    const int height = GetSdlVideo().LogicalHeight();
    const float minY = std::min({ys[0], ys[1], ys[2], ys[3]});
    const float maxY = std::max({ys[0], ys[1], ys[2], ys[3]});
    const int firstRow = std::max(0, static_cast<int>(std::ceil(minY - 0.5f)));
    const int endRow = std::min(height, static_cast<int>(std::ceil(maxY - 0.5f)));
    std::vector<SDL_Rect>& rects = mSpanRects;
    rects.clear();
    for (int row = firstRow; row < endRow; ++row) {
        const float cy = static_cast<float>(row) + 0.5f;
        float left = 0.0f, right = 0.0f;
        bool any = false;
        for (int i = 0; i < 4; ++i) {
            const float x0 = xs[i], y0 = ys[i], x1 = xs[(i + 1) % 4], y1 = ys[(i + 1) % 4];
            if (y0 == y1 || cy < std::min(y0, y1) || cy >= std::max(y0, y1))
                continue;
            const float x = x0 + (cy - y0) * (x1 - x0) / (y1 - y0);
            left = any ? std::min(left, x) : x;
            right = any ? std::max(right, x) : x;
            any = true;
        }
        if (!any)
            continue;
        const int firstColumn = std::max(0, static_cast<int>(std::ceil(left - 0.5f)));
        const int endColumn = std::min(width, static_cast<int>(std::ceil(right - 0.5f)));
        if (endColumn > firstColumn)
            rects.push_back(SDL_Rect{firstColumn, row, endColumn - firstColumn, 1});
    }
    if (rects.empty())
        return true;
    SDL_Renderer* renderer = Renderer();
    const SDL_Color c = ToSdlColour(corners[0].diffuse);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SetPlainBlend(renderer, c.a == 0xFF);
    const bool ok = SDL_RenderFillRects(renderer, rects.data(), static_cast<int>(rects.size())) == 0;
    SetPlainBlend(renderer, false);
    return ok;
}

// The software renderer blits a quad that is an upright rectangle in one colour.
bool SdlRenderer::IsBlittable(const TLVertex corners[4])
{
    const bool upright = corners[0].y == corners[1].y && corners[2].y == corners[3].y && corners[0].x == corners[2].x &&
                         corners[1].x == corners[3].x;
    return OneColour(corners) && upright;
}

// The software renderer fills a triangle by testing every pixel of its
// bounding box, which makes long slanted bands (influence lines, rotated
// labels) many times dearer than their area; very large triangles over tall
// textures have also been seen to crash it. Cutting a slanted quad into pieces
// of at most 16 pixels a side (an upright one into pieces of 128), sharing
// their vertices so no seam shows, keeps both in check. Rotated sprites are
// parallelograms, for which this is exact.
bool SdlRenderer::DrawSubdivided(const TLVertex corners[4], PlatformTexture texture)
{
    const float across = std::max(Length(corners[0], corners[1]), Length(corners[2], corners[3]));
    const float down = std::max(Length(corners[0], corners[2]), Length(corners[1], corners[3]));
    // An upright quad (a gradient, a tinted panel) fills its bounding box
    // anyway and is only cut to keep each triangle moderate.
    const bool upright = corners[0].y == corners[1].y && corners[0].x == corners[2].x;
    const float side = upright ? kUprightPieceSide : kSlantedPieceSide;
    const int nu = std::clamp(static_cast<int>(std::ceil(across / side)), 1, kMaxPieces);
    const int nv = std::clamp(static_cast<int>(std::ceil(down / side)), 1, kMaxPieces);
    std::vector<SDL_Vertex> grid;
    grid.reserve(static_cast<size_t>(nu + 1) * (nv + 1));
    for (int j = 0; j <= nv; ++j) {
        const float t = static_cast<float>(j) / static_cast<float>(nv);
        const TLVertex left = Lerp(corners[0], corners[2], t);
        const TLVertex right = Lerp(corners[1], corners[3], t);
        for (int i = 0; i <= nu; ++i)
            grid.push_back(ToSdlVertex(Lerp(left, right, static_cast<float>(i) / static_cast<float>(nu))));
    }
    std::vector<int> indices;
    indices.reserve(static_cast<size_t>(nu) * nv * 6);
    for (int j = 0; j < nv; ++j) {
        for (int i = 0; i < nu; ++i) {
            const int tl = j * (nu + 1) + i, tr = tl + 1, bl = tl + nu + 1, br = bl + 1;
            for (int index : {tl, tr, br, tl, br, bl})
                indices.push_back(index);
        }
    }
    return SDL_RenderGeometry(Renderer(), texture, grid.data(), static_cast<int>(grid.size()), indices.data(),
                              static_cast<int>(indices.size())) == 0;
}

bool SdlRenderer::FillGradientColumns(int left, int top, int right, int bottom, uint32_t leftColour,
                                      uint32_t rightColour)
{
    if (!GetSdlVideo().IsSoftware())
        return false;
    SDL_Renderer* renderer = Renderer();
    SetPlainBlend(renderer, (leftColour >> 24) == 0xFF && (rightColour >> 24) == 0xFF);
    const float span = static_cast<float>(right - left);
    for (int x = std::max(left, 0); x < std::min(right, GetSdlVideo().LogicalWidth()); ++x) {
        const float t = (static_cast<float>(x - left) + 0.5f) / span;
        uint32_t colour = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const float a = static_cast<float>((leftColour >> shift) & 0xFF);
            const float b = static_cast<float>((rightColour >> shift) & 0xFF);
            colour |= static_cast<uint32_t>(std::lround(a + (b - a) * t)) << shift;
        }
        const SDL_Color c = ToSdlColour(colour);
        SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
        const SDL_Rect column{x, top, 1, bottom - top};
        SDL_RenderFillRect(renderer, &column);
    }
    SetPlainBlend(renderer, false);
    return true;
}
