#pragma once
#include <cstdint>

#include "platform/TLVertex.h"

// One screen quad, positioned by its centre, optionally rotated. Vertices are
// kept in the order top-left, top-right, bottom-left, bottom-right.
class BaseSprite {
public:
    BaseSprite();
    BaseSprite(int left, int top, int right, int bottom);
    virtual ~BaseSprite() = default;

    virtual bool Contains(float x, float y) const;
    virtual void SetPosition(float x, float y);
    virtual void Draw();  // with whatever texture is bound (SetTexture(nullptr) for none)

    void SetSize(float width, float height);
    bool IsOnScreen() const;
    void SetColour(uint32_t argb);
    void SetColour(uint8_t a, uint8_t r, uint8_t g, uint8_t b);
    void SetUV(float uLeft, float vTop, float uRight, float vBottom);
    void SetFrame(int frameCount, int index);
    void FlipHorizontal();
    void SetRotation(float degrees) { mRotation = degrees; }
    void SetNoRotation(bool noRotation) { mNoRotation = noRotation; }

    float Rotation() const { return mRotation; }
    float Width() const { return mWidth; }
    float Height() const { return mHeight; }
    const TLVertex& Vertex(int index) const { return mVertices[index]; }
    TLVertex& Vertex(int index) { return mVertices[index]; }
    const TLVertex* Vertices() const { return mVertices; }

protected:
    float mRotation = 0.0f;
    float mWidth = 0.0f;
    float mHeight = 0.0f;
    TLVertex mVertices[4];
    bool mNoRotation = false;
};
