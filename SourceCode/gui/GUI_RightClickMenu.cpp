#include "gui/GUI_RightClickMenu.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CommandDispatcher.h"

namespace {
struct Entry {
    const char* key;
    const char* command;
};
constexpr Entry kEntries[] = {
    {"RCMENU_POLLS", "Polls"},       {"RCMENU_NEWPOLICY", "PolicyPicker"}, {"RCMENU_CASH", "Finance"},
    {"RCMENU_OPTIONS", "Options"},   {"RCMENU_NEXTTURN", "NextTurn"},
};
}  // namespace

GUI_RightClickMenu::GUI_RightClickMenu() : GUI_WindowBase("RightClickMenu")
{
    Visible = false;
    for (const Entry& entry : kEntries) {
        auto* button = new GUI_ButtonText(std::string("Menu") + entry.command, entry.key);
        const std::string command = entry.command;
        button->SetCallback([this, command](int) {
            Close();
            GetCommandDispatcher().Run(command);
        });
        AddButton(button);
    }
}

void GUI_RightClickMenu::Position(float mx, float my, float w, float h, float& x, float& y)
{
    x = mx + 8.0f;
    y = std::max(0.0f, my - 60.0f);
    if (x > w - kEntryWidth)
        x = mx - 210.0f;
    y = std::min(y, h - 120.0f);
}

void GUI_RightClickMenu::Open(float mx, float my, float w, float h)
{
    float x = 0, y = 0;
    Position(mx, my, w, h, x, y);
    const float count = static_cast<float>(mButtons.size());
    SetRect(x, y, x + kEntryWidth, y + kEntryHeight * count);
    for (size_t i = 0; i < mButtons.size(); ++i)
        mButtons[i]->SetRect(x, y + kEntryHeight * i, x + kEntryWidth, y + kEntryHeight * (i + 1));
    Visible = true;
}

void GUI_RightClickMenu::Draw()
{
    if (!Visible)
        return;
    GetD3DEngine().FillRect(mRect, 0xE0101820u);
    DrawButtons();
}
