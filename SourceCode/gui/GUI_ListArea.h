#pragma once
#include <functional>
#include <string>

#include "gui/GUI_ScrollingWindow.h"

// The scrolling part of a game window: a list of any length shown through a
// view of fixed size. The window that owns it draws the rows, given where
// the content's top-left corner lies on the screen; rows of fixed height
// can be scrolled into view by their index.
class GUI_ListArea : public GUI_ScrollingWindow {
public:
    using DrawRows = std::function<void(float left, float top)>;

    GUI_ListArea(std::string name, DrawRows drawRows);

    // Makes room for rows of one height (the content's height is their sum).
    void SetRows(size_t count, float rowHeight);
    // Scrolls so that a row of the last SetRows shows whole.
    void ShowRow(size_t index);
    // The view's width: the whole list's while nothing scrolls, less the
    // arrows' column once something does (so set the rows first).
    float ContentWidth() const { return static_cast<float>(View().Width()); }

protected:
    void DrawContent() override;

private:
    DrawRows mDrawRows;
    float mRowHeight = 0.0f;
};
