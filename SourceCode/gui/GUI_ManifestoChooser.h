#pragma once
#include <vector>

#include "gui/GUI_GameWindow.h"
#include "politics/SIM_Manifesto.h"

class GUI_CheckButton;

// Before an election: the pledges the player may make for the next term,
// where each stands today, and a few of them ticked and published.
class GUI_ManifestoChooser : public GUI_GameWindow {
public:
    static constexpr const char* kName = "ManifestoChooser";
    // A manifesto short enough to be believed.
    static constexpr int kMaxPledges = 3;
    static constexpr size_t kMaxShown = 12;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_ManifestoChooser();
    void DrawContents() override;

    // Chooses every ticked pledge for the next term (the publish button's action).
    int Publish();

private:
    void OnTick(size_t index);

    std::vector<const SIM_Manifesto::PledgeType*> mTypes;  // offered, in file order
    std::vector<GUI_CheckButton*> mTicks;
};
