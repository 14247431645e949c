#pragma once
#include <string>
#include <vector>

#include "gui/GUIButtonList.h"
#include "gui/GUI_WindowBase.h"

class GUI_ScrollButton;

// A window whose content is taller than its view. The content (buttons, and
// whatever DrawContent draws) is laid out from the content's own top-left
// corner and moves as the window scrolls: by its two arrows, or by the mouse
// wheel over it. Drawing is clipped to the view, and only the part of the
// content inside the view takes the mouse.
class GUI_ScrollingWindow : public GUI_WindowBase {
public:
    explicit GUI_ScrollingWindow(std::string name, int scrollBarWidth = 16);

    void SetRect(float left, float top, float right, float bottom) override;
    void Draw() override;
    void Update() override;
    bool OnLeftClick(float x, float y) override;
    bool OnWheel(float x, float y, int steps) override;
    std::vector<GUI_ButtonBase*> AllButtons() const override;

    // The height of everything that can be scrolled into view.
    void SetContentHeight(int height);
    int ContentHeight() const { return mContentHeight; }
    // Offsets run from 0 (the top of the content in view) to MaxScroll.
    int ScrollOffset() const { return mOffset; }
    int MaxScroll() const;
    void ScrollTo(int offset);
    void ScrollBy(int pixels) { ScrollTo(mOffset + pixels); }
    // Scrolls as little as needed to show the content rows top..bottom.
    void ScrollIntoView(int top, int bottom);
    // The part of the window the content shows through.
    const GRect& View() const { return mView; }

    // Takes ownership; the rectangle is in content pixels, (0, 0) being the
    // content's top-left corner.
    GUI_ButtonBase* AddContentButton(GUI_ButtonBase* button, const GRect& inContent);
    void ClearContent();
    const std::vector<std::unique_ptr<GUI_ButtonBase>>& ContentButtons() const { return mContent.Buttons(); }

    GUI_ScrollButton* UpButton() const { return mUp; }
    GUI_ScrollButton* DownButton() const { return mDown; }

    // The arrows' column joins the view while the content fits; set before
    // the rectangle and the content's height.
    bool ViewTakesIdleBar = false;
    // Pixels per arrow press and per wheel step.
    int ScrollStep = 16;
    uint32_t Background = 0xFF181818u;
    uint32_t Outline = 0xFF808080u;

protected:
    // Inside the clip, before the content buttons; the content's top-left
    // corner is at (View().left, View().top - ScrollOffset()).
    virtual void DrawContent() {}

private:
    void PlaceContent();
    void UpdateArrows();
    void UpdateViewWidth();

    GUIButtonList mContent;
    std::vector<GRect> mContentRects;
    GUI_ScrollButton* mUp = nullptr;
    GUI_ScrollButton* mDown = nullptr;
    GRect mView;
    int mBarWidth;
    int mContentHeight = 0;
    int mOffset = 0;
};
