#include "gui/GUIButtonList.h"

#include "engine/CInput.h"
#include "engine/Diagnostics.h"
#include "gui/GUI_ButtonBase.h"

GUIButtonList::~GUIButtonList() = default;

GUI_ButtonBase* GUIButtonList::AddButton(GUI_ButtonBase* button)
{
    if (!button) {
        AssertCheck(false, "GUIButtonsList", __LINE__);
        return nullptr;
    }
    mButtons.emplace_back(button);
    return button;
}

void GUIButtonList::UpdateButtons()
{
    for (auto& button : mButtons)
        if (button->Visible)
            button->UpdateHover();
}

void GUIButtonList::DrawButtons()
{
    for (auto& button : mButtons)
        if (button->Visible)
            button->Draw();
}

bool GUIButtonList::ClickButtons()
{
    const CInput& input = GetInput();
    // A callback may rebuild this list: stop at the first that takes the click.
    for (size_t i = 0; i < mButtons.size(); ++i) {
        GUI_ButtonBase* button = mButtons[i].get();
        if (button->Visible && button->OnClick(input.MouseX, input.MouseY))
            return true;
    }
    return false;
}

void GUIButtonList::DeleteButtons() { mButtons.clear(); }

GUI_ButtonBase* GUIButtonList::FindButton(const std::string& name) const
{
    for (const auto& button : mButtons)
        if (button->Visible && button->Name == name)
            return button.get();
    return nullptr;
}
