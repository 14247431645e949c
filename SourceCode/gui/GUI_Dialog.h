#pragma once
#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_CloseButton;

// A framed window with a title and, optionally, a close button. Dialogs draw
// above plain windows; constructing one registers it with the window manager.
class GUI_Dialog : public GUI_WindowBase {
public:
    GUI_Dialog(std::string name, bool withCloseButton);

    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;
    bool IsDialog() const override { return true; }
    virtual void UpdateContentRect();

    std::string Title;
    const GRect& ContentRect() const { return mContent; }
    GUI_CloseButton* CloseButton() const { return mClose; }

protected:
    GUI_CloseButton* mClose = nullptr;
    GRect mContent;
    float mSideMargin = 10.0f;
    float mTopMargin = 35.0f;
    float mBottomMargin = 10.0f;
};
