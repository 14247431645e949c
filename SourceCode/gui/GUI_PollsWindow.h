#pragma once
#include "gui/GUI_GameWindow.h"

// The latest poll: approval, vote share, the cynicism that drags both down,
// and how happy each voter group is with the government.
class GUI_PollsWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "PollsWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_PollsWindow();
    void DrawContents() override;
    GUI_ListArea* Groups() const { return mGroups; }

private:
    void DrawGroups(float left, float top);

    GUI_ListArea* mGroups = nullptr;
};
