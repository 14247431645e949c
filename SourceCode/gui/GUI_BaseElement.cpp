#include "gui/GUI_BaseElement.h"

#include "engine/D3DEngine.h"
#include "gui/PanelFrame.h"

void GUI_BaseElement::SetRect(float left, float top, float right, float bottom)
{
    mRect = GRect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
    mWidth = mRect.right - mRect.left;
    mHeight = mRect.bottom - mRect.top;
}

void GUI_BaseElement::SetSize(float width, float height)
{
    mWidth = static_cast<int>(width);
    mHeight = static_cast<int>(height);
    mRect.right = mRect.left + mWidth;
    mRect.bottom = mRect.top + mHeight;
}

bool GUI_BaseElement::Contains(float x, float y) const
{
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    return px >= mRect.left && px < mRect.right && py >= mRect.top && py < mRect.bottom;
}

void GUI_BaseElement::MoveTo(float x, float y)
{
    SetRect(x, y, x + mWidth, y + mHeight);
}

void GUI_BaseElement::CentreOnScreen()
{
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    MoveTo(static_cast<float>(w / 2 - mWidth / 2), static_cast<float>(h / 2 - mHeight / 2));
}

void GUI_BaseElement::DrawTextureInRect(const std::string& texture, float alpha, float brightness) const
{
    GetD3DEngine().SetTexture(texture);
    PanelFrame::DrawQuad(mRect, PanelFrame::Colour(alpha, brightness));
}
