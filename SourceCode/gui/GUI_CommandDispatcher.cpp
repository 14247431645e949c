#include "gui/GUI_CommandDispatcher.h"

#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gui/GUI_CommandTable.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/GUI_PolicyPicker.h"
#include "gui/PlayGuide.h"
#include "gui/WindowManager.h"
#include "sim/TurnProcessor.h"

GUI_CommandDispatcher& GetCommandDispatcher()
{
    static GUI_CommandDispatcher dispatcher;
    return dispatcher;
}

std::string GUI_CommandDispatcher::ButtonFor(const std::string& command) { return command + "Button"; }

GUI_CommandDispatcher::Result GUI_CommandDispatcher::Check(const std::string& command) const
{
    const bool builtIn = command == kNextTurn || command == kPolicyPicker || command == kOptions;
    if (!builtIn && !GUI_CommandTable::Find(command))
        return UNKNOWN;
    // The guide's filter: while it names a button, only that button's command runs.
    const PlayGuide& guide = PlayGuide::Get();
    if (guide.IsActive() && !guide.AllowedButton().empty() && ButtonFor(command) != guide.AllowedButton())
        return REFUSED_BY_GUIDE;
    if (command == kNextTurn) {
        if (GetWindowManager().AnyModalOpen())
            return REFUSED_MODAL;
        if (Options::Get().IsOn("ENABLEDILEMMAS") && !SIM_DilemmaManager::Get().Pending().empty())
            return REFUSED_DILEMMA;
    }
    if (!builtIn && !GUI_CommandTable::Find(command)->open)
        return NO_WINDOW;
    return DONE;
}

GUI_CommandDispatcher::Result GUI_CommandDispatcher::Run(const std::string& command)
{
    mLast = Check(command);
    if (mLast != DONE) {
        ShowRefusal(mLast, command);
        return mLast;
    }
    if (command == kNextTurn)
        GetScreenFader().FadeOutThen([](int) { NextTurn(); }, 0);
    else if (command == kPolicyPicker)
        GUI_PolicyPicker::OpenPolicyPicker();
    else if (command == kOptions)
        GetGame().SetState(STATE_MENU);
    else
        GUI_CommandTable::Find(command)->open();
    return DONE;
}

void GUI_CommandDispatcher::ShowRefusal(Result result, const std::string& command)
{
    // The guide's refusals are silent: the guide itself says what to click.
    if (result == REFUSED_BY_GUIDE || result == UNKNOWN)
        return;
    const char* key = result == REFUSED_MODAL     ? "GUI_TURN_REFUSED_WINDOW"
                      : result == REFUSED_DILEMMA ? "GUI_TURN_REFUSED_DILEMMA"
                                                  : "GUI_COMMAND_NOT_AVAILABLE";
    // One notice at a time.
    WindowManager& windows = GetWindowManager();
    if (const GUI_WindowBase* old = windows.FindWindow("CommandRefused"))
        windows.Close(const_cast<GUI_WindowBase*>(old));
    new GUI_MessageDialog("CommandRefused", translate("GUI_COMMAND_REFUSED_TITLE"), translate(key));
    (void)command;
}
