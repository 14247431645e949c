#pragma once
#include <string>

#include "engine/GRect.h"

// Base of every window and control: a screen rectangle that draws itself.
class GUI_BaseElement {
public:
    virtual ~GUI_BaseElement() = default;

    virtual void Draw() {}
    // Floats are truncated to whole pixels.
    virtual void SetRect(float left, float top, float right, float bottom);
    // The size only; the top-left corner stays.
    virtual void SetSize(float width, float height);
    virtual bool Contains(float x, float y) const;

    void MoveTo(float x, float y);
    void CentreOnScreen();
    // One quad over the rectangle with a named texture.
    void DrawTextureInRect(const std::string& texture, float alpha, float brightness) const;

    const GRect& Rect() const { return mRect; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }

protected:
    GRect mRect;
    int mWidth = 0;
    int mHeight = 0;
};
