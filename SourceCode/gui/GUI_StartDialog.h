#pragma once
#include "gui/GUI_GameWindow.h"

// The first look at the country: the mission's briefing and the situations
// it starts with.
class GUI_StartDialog : public GUI_GameWindow {
public:
    static constexpr const char* kName = "StartDialog";
    static constexpr size_t kMaxSituations = 10;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_StartDialog();
    void DrawContents() override;
};
