#pragma once
#include "gui/GUI_GameWindow.h"

// The turn's reports, one after the other; each opens the window that tells more.
class GUI_ReportWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "ReportWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_ReportWindow();
    GUI_ListArea* List() const { return mList; }

    // The window that tells more about a report, by its title; false when none does.
    static bool OpenDetails(const std::string& title);

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
};
