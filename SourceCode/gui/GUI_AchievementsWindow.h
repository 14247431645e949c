#pragma once
#include "gui/GUI_GameWindow.h"

// Every achievement, those already won marked, and a way to start afresh.
class GUI_AchievementsWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "AchievementsWindow";
    static constexpr size_t kMaxShown = 16;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_AchievementsWindow();
    void DrawContents() override;
};
