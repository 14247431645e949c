#pragma once
#include "gui/GUI_GameWindow.h"

// The pressure groups: their members and strength, whether they recruit,
// the attacks each could launch; and the grudges that weigh on the country.
class GUI_PressureGroupsWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "PressureGroupsWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_PressureGroupsWindow();
    void DrawContents() override;
    GUI_ListArea* Groups() const { return mGroups; }
    GUI_ListArea* Grudges() const { return mGrudges; }

private:
    void DrawGroups(float left, float top);
    void DrawGrudges(float left, float top);

    GUI_ListArea* mGroups = nullptr;
    GUI_ListArea* mGrudges = nullptr;
};
