#pragma once
#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class GUI_ButtonTab;
class GUI_WindowTab;

// Pages behind a row of tab captions. Only the active page shows, updates
// and takes clicks (the others are hidden); the container takes a point that
// lies on a caption or on the active page.
class GUI_TabContainer : public GUI_WindowBase {
public:
    explicit GUI_TabContainer(std::string name, int tabHeight = 40);

    // Takes ownership of the page; its caption button is named buttonName.
    // The first page added is the active one. Returns the page's index.
    int AddPage(GUI_WindowTab* page, const std::string& buttonName, const std::string& captionKey);
    // Out-of-range indices are ignored.
    void Activate(int index);
    int ActivePage() const { return mActive; }
    int PageCount() const { return static_cast<int>(mPages.size()); }
    GUI_WindowTab* Page(int index) const;
    GUI_ButtonTab* TabButton(int index) const;

    void SetRect(float left, float top, float right, float bottom) override;
    bool Contains(float x, float y) const override;

private:
    void Layout();

    std::vector<GUI_WindowTab*> mPages;
    std::vector<GUI_ButtonTab*> mTabs;
    int mActive = -1;
    int mTabHeight;
};
