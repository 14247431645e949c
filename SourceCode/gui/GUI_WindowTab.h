#pragma once
#include "gui/GUI_WindowBase.h"

// One page of a tab container; the game's tab pages derive from it.
class GUI_WindowTab : public GUI_WindowBase {
public:
    using GUI_WindowBase::GUI_WindowBase;
    // A dark panel with a grey outline, then the page's buttons.
    void Draw() override;
};
