#pragma once
#include "gui/GUI_GameWindow.h"

// Every achievement, those already won marked, and a way to start afresh.
class GUI_AchievementsWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "AchievementsWindow";
    // Rows of two in view at once; more scroll.
    static constexpr size_t kRowsInView = 8;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_AchievementsWindow();
    void DrawContents() override;
    GUI_ListArea* List() const { return mList; }

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
};
