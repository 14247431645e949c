#include "engine/BaseSprite.h"

#include <cmath>

#include "engine/D3DEngine.h"

namespace {
constexpr float kDegreesToRadians = 0.01745329238474369f;
}

BaseSprite::BaseSprite()
{
    mVertices[1].u = 1.0f;
    mVertices[2].v = 1.0f;
    mVertices[3].u = 1.0f;
    mVertices[3].v = 1.0f;
}

BaseSprite::BaseSprite(int left, int top, int right, int bottom) : BaseSprite()
{
    mWidth = static_cast<float>(right - left);
    mHeight = static_cast<float>(bottom - top);
    SetPosition(static_cast<float>((left + right) / 2), static_cast<float>((top + bottom) / 2));
}

void BaseSprite::SetSize(float width, float height)
{
    mWidth = width;
    mHeight = height;
}

void BaseSprite::SetPosition(float x, float y)
{
    const float hw = mWidth / 2.0f;
    const float hh = mHeight / 2.0f;
    const float offsets[4][2] = {{-hw, -hh}, {hw, -hh}, {-hw, hh}, {hw, hh}};
    if (mRotation == 0.0f || mNoRotation) {
        for (int i = 0; i < 4; ++i) {
            mVertices[i].x = x + offsets[i][0];
            mVertices[i].y = y + offsets[i][1];
        }
        return;
    }
    const float radians = mRotation * kDegreesToRadians;
    const float s = std::sin(radians);
    const float c = std::cos(radians);
    for (int i = 0; i < 4; ++i) {
        mVertices[i].x = x + offsets[i][0] * c - offsets[i][1] * s;
        mVertices[i].y = y + offsets[i][0] * s + offsets[i][1] * c;
    }
}

bool BaseSprite::Contains(float x, float y) const
{
    return mVertices[0].x < x && x < mVertices[1].x && mVertices[0].y < y && y < mVertices[2].y;
}

bool BaseSprite::IsOnScreen() const
{
    for (const TLVertex& v : mVertices) {
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
    engine.DrawQuad(mVertices);
}

void BaseSprite::SetColour(uint32_t argb)
{
    for (TLVertex& v : mVertices)
        v.diffuse = argb;
}

void BaseSprite::SetColour(uint8_t a, uint8_t r, uint8_t g, uint8_t b)
{
    SetColour((static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b);
}

void BaseSprite::SetUV(float uLeft, float vTop, float uRight, float vBottom)
{
    mVertices[0].u = uLeft, mVertices[0].v = vTop;
    mVertices[1].u = uRight, mVertices[1].v = vTop;
    mVertices[2].u = uLeft, mVertices[2].v = vBottom;
    mVertices[3].u = uRight, mVertices[3].v = vBottom;
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
    std::swap(mVertices[0].u, mVertices[1].u);
    std::swap(mVertices[2].u, mVertices[3].u);
}
