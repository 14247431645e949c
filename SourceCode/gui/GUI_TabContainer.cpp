#include "gui/GUI_TabContainer.h"

#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_WindowTab.h"

GUI_TabContainer::GUI_TabContainer(std::string name, int tabHeight)
    : GUI_WindowBase(std::move(name)), mTabHeight(tabHeight)
{
    // The container itself is only the frame of its pages.
    BlocksHover = false;
}

int GUI_TabContainer::AddPage(GUI_WindowTab* page, const std::string& buttonName, const std::string& captionKey)
{
    const int index = PageCount();
    mPages.push_back(page);
    AddChild(page);
    auto* tab = new GUI_ButtonTab(buttonName, captionKey, *this, index);
    mTabs.push_back(tab);
    AddButton(tab);
    Layout();
    Activate(mActive < 0 ? 0 : mActive);
    return index;
}

void GUI_TabContainer::Activate(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    mActive = index;
    for (int i = 0; i < PageCount(); ++i)
        mPages[static_cast<size_t>(i)]->Visible = i == index;
}

GUI_WindowTab* GUI_TabContainer::Page(int index) const
{
    return index >= 0 && index < PageCount() ? mPages[static_cast<size_t>(index)] : nullptr;
}

GUI_ButtonTab* GUI_TabContainer::TabButton(int index) const
{
    return index >= 0 && index < PageCount() ? mTabs[static_cast<size_t>(index)] : nullptr;
}

void GUI_TabContainer::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    Layout();
}

void GUI_TabContainer::Layout()
{
    if (mPages.empty())
        return;
    const int count = PageCount();
    for (int i = 0; i < count; ++i) {
        const int tabLeft = mRect.left + mWidth * i / count;
        const int tabRight = mRect.left + mWidth * (i + 1) / count;
        mTabs[static_cast<size_t>(i)]->SetRect(static_cast<float>(tabLeft), static_cast<float>(mRect.top),
                                               static_cast<float>(tabRight),
                                               static_cast<float>(mRect.top + mTabHeight));
        mPages[static_cast<size_t>(i)]->SetRect(static_cast<float>(mRect.left),
                                                static_cast<float>(mRect.top + mTabHeight),
                                                static_cast<float>(mRect.right), static_cast<float>(mRect.bottom));
    }
}

bool GUI_TabContainer::Contains(float x, float y) const
{
    for (const GUI_ButtonTab* tab : mTabs)
        if (tab->Visible && tab->Contains(x, y))
            return true;
    const GUI_WindowTab* page = Page(mActive);
    return page && page->Contains(x, y);
}
