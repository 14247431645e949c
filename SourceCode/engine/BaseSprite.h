#pragma once
#include <cstdint>

#include "engine/TLVertex.h"

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
    void SetRotation(float degrees) { rotation_ = degrees; }
    void SetNoRotation(bool noRotation) { noRotation_ = noRotation; }

    float Rotation() const { return rotation_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    const TLVertex& Vertex(int index) const { return vertices_[index]; }
    TLVertex& Vertex(int index) { return vertices_[index]; }
    const TLVertex* Vertices() const { return vertices_; }

protected:
    float rotation_ = 0.0f;
    float width_ = 0.0f;
    float height_ = 0.0f;
    TLVertex vertices_[4];
    bool noRotation_ = false;
};
