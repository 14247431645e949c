#pragma once
#include "gui/GUI_GameWindow.h"
#include "gui/GUI_HistoryGraph.h"

// Approval and vote share over the last twenty turns.
class GUI_PollHistoryWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "PollHistoryWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_PollHistoryWindow();
    void DrawContents() override;

private:
    GUI_HistoryGraph mGraph;
};
