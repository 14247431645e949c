#pragma once
#include "gui/GUI_ButtonText.h"

class GUI_TabContainer;

// The caption of one page of a tab container; pressing it shows that page.
class GUI_ButtonTab : public GUI_ButtonText {
public:
    GUI_ButtonTab(std::string name, const std::string& captionKey, GUI_TabContainer& container, int page);
    void Draw() override;
    void Press() override;
    bool IsActive() const;

private:
    GUI_TabContainer& mContainer;
    int mPage;
};
