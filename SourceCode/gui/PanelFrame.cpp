#include "gui/PanelFrame.h"

#include <algorithm>

#include "engine/D3DEngine.h"

namespace PanelFrame {

namespace {
constexpr float kCell = 0.25f;

// Tiles pieces of at most `corner` pixels from `from` to `to`; a short last
// piece takes the same share of its cell's texture range.
template <typename Piece>
void Tile(int from, int to, int corner, Piece piece)
{
    for (int at = from; at < to; at += corner) {
        const int length = std::min(corner, to - at);
        piece(at, length, kCell * static_cast<float>(length) / static_cast<float>(corner));
    }
}
}  // namespace

uint32_t Colour(float alpha, float brightness)
{
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f);
    const uint32_t b = static_cast<uint32_t>(std::clamp(brightness, 0.0f, 1.0f) * 255.0f);
    return (a << 24) | (b << 16) | (b << 8) | b;
}

void DrawQuad(const GRect& rect, uint32_t colour, float u0, float v0, float u1, float v1)
{
    const float l = static_cast<float>(rect.left) - 0.5f;
    const float t = static_cast<float>(rect.top) - 0.5f;
    const float r = static_cast<float>(rect.right) - 0.5f;
    const float b = static_cast<float>(rect.bottom) - 0.5f;
    TLVertex corners[4];
    const float xs[4] = {l, r, l, r};
    const float ys[4] = {t, t, b, b};
    const float us[4] = {u0, u1, u0, u1};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) {
        corners[i].x = xs[i];
        corners[i].y = ys[i];
        corners[i].u = us[i];
        corners[i].v = vs[i];
        corners[i].diffuse = colour;
    }
    GetD3DEngine().DrawQuad(corners);
}

void DrawFrame(const std::string& texture, int left, int top, int right, int bottom, int cornerSize, float alpha)
{
    GetD3DEngine().SetTexture(texture);
    DrawFrameBound(left, top, right, bottom, cornerSize, alpha);
}

void DrawFrameBound(int left, int top, int right, int bottom, int c, float alpha)
{
    if (c <= 0 || right - left < 2 * c || bottom - top < 2 * c)
        return;
    const uint32_t colour = Colour(alpha, 1.0f);
    auto cell = [&](int x, int y, int w, int h, int column, int row, float du, float dv) {
        const float u = column * kCell;
        const float v = row * kCell;
        DrawQuad(GRect{x, y, x + w, y + h}, colour, u, v, u + du, v + dv);
    };
    const int innerRight = right - c;
    const int innerBottom = bottom - c;
    // Corners: cells 0, 3, 12 and 15.
    cell(left, top, c, c, 0, 0, kCell, kCell);
    cell(innerRight, top, c, c, 3, 0, kCell, kCell);
    cell(left, innerBottom, c, c, 0, 3, kCell, kCell);
    cell(innerRight, innerBottom, c, c, 3, 3, kCell, kCell);
    // Edges: cells 1 and 13 across, 4 and 7 down.
    Tile(left + c, innerRight, c, [&](int x, int len, float du) {
        cell(x, top, len, c, 1, 0, du, kCell);
        cell(x, innerBottom, len, c, 1, 3, du, kCell);
    });
    Tile(top + c, innerBottom, c, [&](int y, int len, float dv) {
        cell(left, y, c, len, 0, 1, kCell, dv);
        cell(innerRight, y, c, len, 3, 1, kCell, dv);
    });
    // Interior: the centre of the texture, u and v 0.25..0.75, tiled.
    Tile(top + c, innerBottom, c, [&](int y, int h, float dv) {
        Tile(left + c, innerRight, c, [&](int x, int w, float du) {
            DrawQuad(GRect{x, y, x + w, y + h}, colour, kCell, kCell, kCell + du * 2.0f, kCell + dv * 2.0f);
        });
    });
}

}  // namespace PanelFrame
