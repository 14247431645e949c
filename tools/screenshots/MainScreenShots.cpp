// The main screen in a game of the shipped mission: at the start, with an
// icon in focus, each of its windows, after ten turns, and in a wide window.
#include "MainScreenShots.h"

#include <functional>

#include "PngWriter.h"
#include "engine/CInput.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "gamedata/Options.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"
#include "politics/SIM_VoterManager.h"
#include "sim/CSimulation.h"
#include "platform/ScanCodes.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"
#include "politics/SIM_VoterType.h"

namespace {

void Frames(int count)
{
    for (int i = 0; i < count; ++i)
        GetGame().RunLoopOnce();
}

void ToMainScreen()
{
    for (int i = 0; i < 400 && GetGame().State != STATE_MAIN; ++i) {
        if (GetGame().State == STATE_PROCESSING)
            SdlEvents::InjectClick(512, 384);
        GetGame().RunLoopOnce();
    }
    // The mouse leaves the network (a click on empty ground) and the background brightens.
    SdlEvents::InjectClick(1000, 745);
    Frames(90);
}

void Click(const std::string& name)
{
    int x = 0, y = 0;
    if (ShellHooks::FindButton(name, x, y))
        SdlEvents::InjectClick(x, y);
    Frames(12);
}

void Shot(const std::string& folder, const std::string& file, const std::function<void(const std::string&)>& report)
{
    report(SaveLogicalScreenshot(folder + "/" + file) ? file : "");
}

}  // namespace

void ShootMainScreen(const std::string& folder, const std::function<void(const std::string&)>& report)
{
    Game& game = GetGame();
    game.SetState(STATE_MENU);
    Frames(2);
    Click("NewGame");
    ToMainScreen();
    Options::Get().SetFloat("ENABLEDILEMMAS", 0.0f);
    Shot(folder, "main-start.png", report);

    // An icon in focus: the mouse rests on it until its influence lines show.
    int x = 0, y = 0;
    if (ShellHooks::FindButton("Icon_" + GetSimulation().SimVals().front()->GetName(), x, y)) {
        GetInput().MouseX = static_cast<float>(x);
        GetInput().MouseY = static_cast<float>(y);
        Frames(120);
        Shot(folder, "main-icon-focus.png", report);
        GetInput().MouseX = 5;
        GetInput().MouseY = 760;
        Frames(90);
    }
    GetInput().OpenRightClickMenu(600.0f, 420.0f);
    Frames(2);
    Shot(folder, "main-right-click-menu.png", report);
    GetInput().CloseRightClickMenu();

    Click("PolicyPickerButton");
    Click("PolicyCategory3");
    Click("PolicyRow_" + SIM_PolicyManager::AllPolicies().back()->GetName());
    Shot(folder, "policy-picker.png", report);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(12);

    Click("Icon_" + SIM_PolicyManager::ActivePolicies().front()->GetName());
    Shot(folder, "policy-details.png", report);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(4);
    Click("Icon_" + GetSimulation().SimVals().front()->GetName());
    Shot(folder, "value-details.png", report);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(4);
    Click("Icon_" + SIM_VoterManager::Get().VoterTypes().back()->GetName());
    Shot(folder, "voter-group-details.png", report);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(4);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(2);
    Shot(folder, "quit-dialog.png", report);
    SdlEvents::InjectKey(ScanCode::Escape);
    Frames(4);

    for (int turn = 0; turn < 10; ++turn) {
        SdlEvents::InjectKey(ScanCode::F6);
        Frames(20);
        ToMainScreen();
    }
    Shot(folder, "main-after-10-turns.png", report);
    GetSdlVideo().ResizeWindow(1400, 700);
    Frames(3);
    report(SaveWindowScreenshot(folder + "/main-wide-window.png") ? "main-wide-window.png" : "");
    GetSdlVideo().ResizeWindow(1024, 768);
    Frames(2);
    game.SetState(STATE_MENU);
}
