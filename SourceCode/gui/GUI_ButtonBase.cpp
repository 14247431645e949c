#include "gui/GUI_ButtonBase.h"

#include "engine/CInput.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_WindowBase.h"
#include "gui/PlayGuide.h"
#include "gui/WindowManager.h"
#include "sound/GUI_Sounds.h"

namespace {
// A button in a part of a modal window (its scrolling list, say) belongs to that window too.
bool InModalWindow(const GUI_WindowBase* window)
{
    for (; window; window = window->Parent)
        if (window->Modal)
            return true;
    return false;
}
}  // namespace

void GUI_ButtonBase::Draw()
{
    if (mTooltip)
        mTooltip->Draw();
}

void GUI_ButtonBase::SetRect(float left, float top, float right, float bottom)
{
    GUI_BaseElement::SetRect(left, top, right, bottom);
    if (mTooltip)
        mTooltip->MoveTo(static_cast<float>((mRect.left + mRect.right) / 2 - mTooltip->Width() / 2),
                         static_cast<float>(mRect.bottom));
}

bool GUI_ButtonBase::OnClick(float x, float y)
{
    if (!Enabled || !Contains(x, y))
        return false;
    // A click the guide refuses is taken and does nothing, so it cannot fall through to what lies below.
    if (PassesFilter())
        Press();
    return true;
}

bool GUI_ButtonBase::PassesFilter() const { return PlayGuide::Get().FilterButtonClick(Name); }

void GUI_ButtonBase::Press()
{
    if (!Enabled)
        return;
    GetSounds().PlayClick();
    RunCallback();
}

void GUI_ButtonBase::RunCallback()
{
    if (!mCallback)
        return;
    if (FadeFirst) {
        GetScreenFader().FadeOutThen(mCallback, mArgument);
        return;
    }
    // The callback may delete this button: copy it first, touch nothing after.
    Callback callback = mCallback;
    callback(mArgument);
}

void GUI_ButtonBase::UpdateHover()
{
    CInput& input = GetInput();
    Hovered = 0;
    if (input.HoverClaimed || !Contains(input.MouseX, input.MouseY))
        return;
    if (Enabled) {
        const bool blockedByModal = GetWindowManager().AnyModalOpen() && !InModalWindow(ParentWindow);
        if (!blockedByModal)
            Hovered = 1;
    }
    if (mTooltip) {
        mTooltip->Raise();
        input.HoverClaimed = true;
    }
}

void GUI_ButtonBase::SetCallback(Callback callback, int argument)
{
    mCallback = std::move(callback);
    mArgument = argument;
}

void GUI_ButtonBase::SetTooltip(const std::string& key)
{
    mTooltip = std::make_unique<GUI_Tooltip>();
    mTooltip->Delay = 60;
    mTooltip->FollowMouse = true;
    mTooltip->SetText(translate(key));
    SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.top), static_cast<float>(mRect.right),
            static_cast<float>(mRect.bottom));
}
