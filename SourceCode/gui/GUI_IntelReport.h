#pragma once
#include "gui/GUI_GameWindow.h"

// What the agents say of each pressure group: its size, how much of a threat
// it is, and the group's own words for its present mood.
class GUI_IntelReport : public GUI_GameWindow {
public:
    static constexpr const char* kName = "IntelReport";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_IntelReport();
    GUI_ListArea* List() const { return mList; }

    // The group's words for its strength: the first text below 10, the second below 20, the third above.
    static int MoodIndex(float strength);

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
};
