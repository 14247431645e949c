#pragma once
#include "gui/GUI_GameWindow.h"

// The month's accounts: what each policy and situation earns and costs, the
// interest, the balance and the debt against its ceiling.
class GUI_FinanceWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "FinanceWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_FinanceWindow();
    void DrawContents() override;

};
