#include "gui/GUI_ListArea.h"

#include <algorithm>
#include <cmath>

#include "gui/WindowStyle.h"

GUI_ListArea::GUI_ListArea(std::string name, DrawRows drawRows)
    : GUI_ScrollingWindow(std::move(name)), mDrawRows(std::move(drawRows))
{
    Background = WindowStyle::kPanel;
    Outline = WindowStyle::kPanelEdge;
    ViewTakesIdleBar = true;
    // One step of the wheel or an arrow moves about one row of text.
    ScrollStep = static_cast<int>(WindowStyle::kRowHeight);
}

void GUI_ListArea::SetRows(size_t count, float rowHeight)
{
    mRowHeight = rowHeight;
    ScrollStep = std::max(1, static_cast<int>(rowHeight));
    SetContentHeight(static_cast<int>(std::ceil(count * rowHeight)));
}

void GUI_ListArea::ShowRow(size_t index)
{
    const float top = index * mRowHeight;
    ScrollIntoView(static_cast<int>(top), static_cast<int>(std::ceil(top + mRowHeight)));
}

void GUI_ListArea::DrawContent()
{
    if (mDrawRows)
        mDrawRows(static_cast<float>(View().left), static_cast<float>(View().top - ScrollOffset()));
}
