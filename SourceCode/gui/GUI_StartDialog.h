#pragma once
#include "gui/GUI_GameWindow.h"

// The first look at the country: the mission's briefing and the situations
// it starts with.
class GUI_StartDialog : public GUI_GameWindow {
public:
    static constexpr const char* kName = "StartDialog";
    // Situations in view at once; more scroll.
    static constexpr size_t kRowsInView = 12;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_StartDialog();
    void DrawContents() override;
    GUI_ListArea* List() const { return mList; }

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
};
