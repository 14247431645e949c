#include "engine/BaseSprite.h"

#include <cmath>

#include "engine/D3DEngine.h"

namespace {
constexpr float kDegreesToRadians = 0.01745329238474369f;
}

BaseSprite::BaseSprite()
{
    vertices_[1].u = 1.0f;
    vertices_[2].v = 1.0f;
    vertices_[3].u = 1.0f;
    vertices_[3].v = 1.0f;
}

BaseSprite::BaseSprite(int left, int top, int right, int bottom) : BaseSprite()
{
    width_ = static_cast<float>(right - left);
    height_ = static_cast<float>(bottom - top);
    SetPosition(static_cast<float>((left + right) / 2), static_cast<float>((top + bottom) / 2));
}

void BaseSprite::SetSize(float width, float height)
{
    width_ = width;
    height_ = height;
}

void BaseSprite::SetPosition(float x, float y)
{
    const float hw = width_ / 2.0f;
    const float hh = height_ / 2.0f;
    const float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
    if (rotation_ == 0.0f || noRotation_) {
        for (int i = 0; i < 4; ++i) {
            vertices_[i].x = x + offsets[i][0];
            vertices_[i].y = y + offsets[i][1];
        }
        return;
    }
    const float radians = rotation_ * kDegreesToRadians;
    const float s = std::sin(radians);
    const float c = std::cos(radians);
    for (int i = 0; i < 4; ++i) {
        vertices_[i].x = x + offsets[i][0] * c - offsets[i][1] * s;
        vertices_[i].y = y + offsets[i][0] * s + offsets[i][1] * c;
    }
}

bool BaseSprite::Contains(float x, float y) const
{
    return vertices_[0].x < x && x < vertices_[1].x && vertices_[0].y < y && y < vertices_[2].y;
}

bool BaseSprite::IsOnScreen() const
{
    for (const TLVertex& v : vertices_) {
        if (v.x >= 0.0f && v.x <= g_ScreenWidth && v.y >= 0.0f && v.y <= g_ScreenHeight)
            return true;
    }
    return false;
}

void BaseSprite::Draw()
{
    if (!IsOnScreen())
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    engine.DrawQuad(vertices_);
}

void BaseSprite::SetColour(uint32_t argb)
{
    for (TLVertex& v : vertices_)
        v.diffuse = argb;
}

void BaseSprite::SetColour(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    SetColour((static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b);
}

void BaseSprite::SetUV(float uLeft, float vTop, float uRight, float vBottom)
{
    vertices_[0].u = uLeft, vertices_[0].v = vTop;
    vertices_[1].u = uRight, vertices_[1].v = vTop;
    vertices_[2].u = uLeft, vertices_[2].v = vBottom;
    vertices_[3].u = uRight, vertices_[3].v = vBottom;
}

void BaseSprite::SetFrame(int frameCount, int index)
{
    const int n = static_cast<int>(std::sqrt(static_cast<float>(frameCount)));
    if (n <= 0)
        return;
    const int row = index / n;
    const int column = index % n;
    const float step = 1.0f / static_cast<float>(n);
    SetUV(column * step, row * step, (column + 1) * step, (row + 1) * step);
}

void BaseSprite::FlipHorizontal()
{
    std::swap(vertices_[0].u, vertices_[1].u);
    std::swap(vertices_[2].u, vertices_[3].u);
}
