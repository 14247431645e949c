#include "gui/GUI_ScrollingWindow.h"

#include <algorithm>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/GUI_ScrollButton.h"

GUI_ScrollingWindow::GUI_ScrollingWindow(std::string name, int scrollBarWidth)
    : GUI_WindowBase(std::move(name)), mBarWidth(scrollBarWidth)
{
    mUp = new GUI_ScrollButton(Name + "Up", GUI_ScrollButton::kUp);
    mDown = new GUI_ScrollButton(Name + "Down", GUI_ScrollButton::kDown);
    // The arrows belong to this window, so they never outlive it.
    mUp->SetCallback([this](int) { ScrollBy(-ScrollStep); });
    mDown->SetCallback([this](int) { ScrollBy(ScrollStep); });
    AddButton(mUp);
    AddButton(mDown);
    UpdateArrows();
}

void GUI_ScrollingWindow::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    mView = GRect{mRect.left, mRect.top, mRect.right - mBarWidth, mRect.bottom};
    UpdateViewWidth();
    const float barLeft = static_cast<float>(mRect.right - mBarWidth);
    mUp->SetRect(barLeft, static_cast<float>(mRect.top), static_cast<float>(mRect.right),
                 static_cast<float>(mRect.top + mBarWidth));
    mDown->SetRect(barLeft, static_cast<float>(mRect.bottom - mBarWidth), static_cast<float>(mRect.right),
                   static_cast<float>(mRect.bottom));
    ScrollTo(mOffset);
}

int GUI_ScrollingWindow::MaxScroll() const { return std::max(0, mContentHeight - mView.Height()); }

void GUI_ScrollingWindow::SetContentHeight(int height)
{
    mContentHeight = std::max(0, height);
    UpdateViewWidth();
    ScrollTo(mOffset);
}

void GUI_ScrollingWindow::UpdateViewWidth()
{
    // The height of the view never depends on its width, so neither does MaxScroll.
    const bool idle = ViewTakesIdleBar && MaxScroll() == 0;
    mView.right = mRect.right - (idle ? 0 : mBarWidth);
}

void GUI_ScrollingWindow::ScrollTo(int offset)
{
    mOffset = std::clamp(offset, 0, MaxScroll());
    PlaceContent();
    UpdateArrows();
}

void GUI_ScrollingWindow::ScrollIntoView(int top, int bottom)
{
    if (top < mOffset)
        ScrollTo(top);
    else if (bottom > mOffset + mView.Height())
        ScrollTo(bottom - mView.Height());
}

void GUI_ScrollingWindow::UpdateArrows()
{
    const bool scrolls = MaxScroll() > 0;
    mUp->Visible = mDown->Visible = scrolls;
    mUp->Enabled = mOffset > 0;
    mDown->Enabled = mOffset < MaxScroll();
}

GUI_ButtonBase* GUI_ScrollingWindow::AddContentButton(GUI_ButtonBase* button, const GRect& inContent)
{
    if (!mContent.AddButton(button))
        return nullptr;
    button->ParentWindow = this;
    mContentRects.push_back(inContent);
    PlaceContent();
    return button;
}

void GUI_ScrollingWindow::ClearContent()
{
    mContent.DeleteButtons();
    mContentRects.clear();
    ScrollTo(0);
}

void GUI_ScrollingWindow::PlaceContent()
{
    const auto& buttons = mContent.Buttons();
    for (size_t i = 0; i < buttons.size() && i < mContentRects.size(); ++i) {
        const GRect& r = mContentRects[i];
        const float top = static_cast<float>(mView.top - mOffset);
        buttons[i]->SetRect(static_cast<float>(mView.left + r.left), top + r.top,
                            static_cast<float>(mView.left + r.right), top + r.bottom);
    }
}

std::vector<GUI_ButtonBase*> GUI_ScrollingWindow::AllButtons() const
{
    std::vector<GUI_ButtonBase*> buttons = GUI_WindowBase::AllButtons();
    // A content button scrolled out of sight cannot be clicked, so lookups do not see it.
    for (const auto& button : mContent.Buttons())
        if (button->Rect().top >= mView.top && button->Rect().bottom <= mView.bottom)
            buttons.push_back(button.get());
    return buttons;
}

void GUI_ScrollingWindow::Update()
{
    if (!Visible)
        return;
    CInput& input = GetInput();
    if (mView.Contains(static_cast<int>(input.MouseX), static_cast<int>(input.MouseY))) {
        mContent.UpdateButtons();
    } else {
        for (const auto& button : mContent.Buttons())
            button->Hovered = 0;
    }
    GUI_WindowBase::Update();
}

bool GUI_ScrollingWindow::OnLeftClick(float x, float y)
{
    if (!Visible)
        return false;
    if (mView.Contains(static_cast<int>(x), static_cast<int>(y)) && mContent.ClickButtons())
        return true;
    return GUI_WindowBase::OnLeftClick(x, y);
}

bool GUI_ScrollingWindow::OnWheel(float x, float y, int steps)
{
    if (GUI_WindowBase::OnWheel(x, y, steps))
        return true;
    if (!Visible || !Contains(x, y) || MaxScroll() == 0)
        return false;
    ScrollBy(-steps * ScrollStep);
    return true;
}

void GUI_ScrollingWindow::Draw()
{
    if (!Visible)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.FillRect(mRect, Background);
    FontManager& fonts = GetFontManager();
    fonts.Flush();
    engine.SetClipRect(mView);
    DrawContent();
    mContent.DrawButtons();
    fonts.Flush();
    engine.ClearClipRect();
    engine.DrawRect(mRect, Outline);
    DrawButtons();
}
