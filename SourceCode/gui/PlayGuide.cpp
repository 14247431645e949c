#include "gui/PlayGuide.h"

#include "engine/Game.h"
#include "engine/GameState.h"
#include "gamedata/SIM_Script.h"
#include "gui/GUI_WindowBase.h"
#include "gui/WindowManager.h"

PlayGuide& PlayGuide::Get()
{
    static PlayGuide guide;
    return guide;
}

void PlayGuide::SetFlag(Presentation::PlayGuideFlag flag, bool on)
{
    if (flag >= 0 && static_cast<size_t>(flag) < mFlags.size())
        mFlags[flag] = on;
}

bool PlayGuide::Flag(Presentation::PlayGuideFlag flag) const
{
    return flag >= 0 && static_cast<size_t>(flag) < mFlags.size() && mFlags[flag];
}

bool PlayGuide::FilterButtonClick(const std::string& buttonName)
{
    if (!mActive || mAllowedButton.empty())
        return true;
    if (buttonName != mAllowedButton)
        return false;
    Next();
    return true;
}

void PlayGuide::SetSteps(std::vector<std::string> steps)
{
    mSteps = std::move(steps);
    mStep = 0;
}

void PlayGuide::Next()
{
    ++mStep;
    if (mStep >= mSteps.size()) {
        End();
        return;
    }
    SIM_Script::Get().Run(mSteps[mStep]);
}

void PlayGuide::AllowClicks()
{
    WindowManager& windows = GetWindowManager();
    if (const GUI_WindowBase* window = windows.FindWindow(kWindowName))
        windows.SetModal(const_cast<GUI_WindowBase*>(window), false);
}

void PlayGuide::Reset()
{
    mActive = false;
    mFlags.fill(false);
    mAllowedButton.clear();
    mSteps.clear();
    mStep = 0;
}

void PlayGuide::End()
{
    WindowManager& windows = GetWindowManager();
    if (const GUI_WindowBase* window = windows.FindWindow(kWindowName))
        windows.Close(const_cast<GUI_WindowBase*>(window));
    Reset();
    if (GetGame().IsInitialised())
        GetGame().SetState(STATE_MENU);
}
