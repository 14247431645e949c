#pragma once
#include "gui/GUI_GameWindow.h"
#include "gui/GUI_HistoryGraph.h"

// Income, spending and the debt over the last twenty turns.
class GUI_FinanceHistoryWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "FinanceHistoryWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_FinanceHistoryWindow();
    void DrawContents() override;

private:
    GUI_HistoryGraph mFlows;
    GUI_HistoryGraph mDebt;
};
