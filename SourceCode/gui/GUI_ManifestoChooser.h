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
    // Pledges in view at once; more scroll.
    static constexpr size_t kRowsInView = 12;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_ManifestoChooser();
    void DrawContents() override;

    // Chooses every ticked pledge for the next term (the publish button's action).
    int Publish();
    GUI_ListArea* List() const { return mList; }

private:
    void OnTick(size_t index);
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;

    std::vector<const SIM_Manifesto::PledgeType*> mTypes;  // offered, in file order
    std::vector<GUI_CheckButton*> mTicks;
};
