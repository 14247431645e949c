#include "gui/GUI_ControlPanel.h"

#include "gamedata/Options.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gui/GUI_CommandDispatcher.h"
#include "gui/GUI_IconButton.h"

namespace {
struct PanelButton {
    const char* command;
    const char* texture;
    const char* hovered;
    const char* tooltip;
};
// Right to left; the dilemma button shares the end-turn button's place.
constexpr PanelButton kButtons[] = {
    {"NextTurn", "gui_icon_nextturn.dds", "gui_icon_nextturn_2.dds", "TOOLTIP_NextTurn"},
    {"Dilemma", "gui_icon_dilemma.dds", "gui_icon_dilemma_2.dds", "TOOLTIP_DILEMMA"},
    {"Manifesto", "gui_icon_manifesto.dds", "gui_icon_manifesto_h.dds", "TOOLTIP_Manifesto"},
    {"Polls", "gui_icon_polls.dds", "gui_icon_polls_2.dds", "TOOLTIP_Polls"},
    {"PolicyPicker", "gui_icon_policy.dds", "gui_icon_policy_2.dds", "TOOLTIP_NewPolicy"},
    {"Finance", "gui_icon_cash.dds", "gui_icon_cash_2.dds", "TOOLTIP_Money"},
    {"Options", "gui_icon_options.dds", "gui_icon_options_2.dds", "TOOLTIP_Options"},
    {"Achievements", "gui_icon_award.dds", "gui_icon_award_2.dds", "TOOLTIP_Achievements"},
    {"Parties", "gui_icon_party.dds", "gui_icon_party_2.dds", "TOOLTIP_PARTY"},
    {"Cabinet", "gui_icon_cabinet.dds", "gui_icon_cabinet2.dds", "TOOLTIP_CABINET"},
    {"Report", "gui_icon_report.dds", "gui_icon_report_2.dds", "TOOLTIP_REPORT"},
    {"Threat", "gui_icon_intel.dds", "gui_icon_intel_2.dds", "TOOLTIP_INTEL"},
};
constexpr int kSize = 32;
}  // namespace

GUI_ControlPanel::GUI_ControlPanel() : GUI_WindowBase("ControlPanel")
{
    BlocksHover = false;
    for (const PanelButton& entry : kButtons) {
        auto* button = new GUI_IconButton(GUI_CommandDispatcher::ButtonFor(entry.command), entry.texture, entry.hovered);
        button->SetTooltip(entry.tooltip);
        const std::string command = entry.command;
        button->SetCallback([command](int) { GetCommandDispatcher().Run(command); });
        AddButton(button);
    }
}

void GUI_ControlPanel::Layout(float w)
{
    int slot = 0;
    for (size_t i = 0; i < mButtons.size(); ++i) {
        if (i == 1)
            --slot;  // the dilemma button sits where the end-turn button is
        const float right = w - 10.0f - static_cast<float>(slot * kSize);
        mButtons[i]->SetRect(right - kSize, 7.0f, right, 7.0f + kSize);
        ++slot;
    }
    SetRect(w - 10.0f - static_cast<float>(slot * kSize), 7.0f, w - 10.0f, 7.0f + kSize);
}

void GUI_ControlPanel::Update()
{
    const bool dilemma = Options::Get().IsOn("ENABLEDILEMMAS") && !SIM_DilemmaManager::Get().Pending().empty();
    mButtons[0]->Visible = mButtons[0]->Enabled = !dilemma;
    mButtons[1]->Visible = mButtons[1]->Enabled = dilemma;
    GUI_WindowBase::Update();
}

void GUI_ControlPanel::Draw()
{
    if (Visible)
        for (const auto& button : mButtons)
            if (button->Visible)
                button->Draw();
}
