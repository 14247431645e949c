#pragma once
#include "gui/GUI_GameWindow.h"

// The two parties side by side (members, their trend, how well each brings
// out its voters) and the road to the next election.
class GUI_PartyWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "PartyWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_PartyWindow();
    void DrawContents() override;
};
