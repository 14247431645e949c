#pragma once
#include <array>
#include <memory>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_GameWindow.h"
#include "sim/SIM_PolicyGroup.h"

class GUI_ButtonBase;

// The seven posts: who holds each, how loyal and experienced, how suited;
// appointing opens the minister chooser, firing needs political capital.
class GUI_CabinetWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "CabinetWindow";
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_CabinetWindow();
    void Update() override;
    void DrawContents() override;

    // Fires the minister of a post (the fire button's action); false when not allowed.
    static bool FireMinisterOf(int ministry);

private:
    std::array<GUI_ButtonBase*, SIM_PolicyGroup::kGroupCount> mFire{};
    std::array<std::unique_ptr<CTexturedSprite>, SIM_PolicyGroup::kGroupCount> mPortraits;
};
