#pragma once
// A whole game on the shipped mission, started from the menu's New Game in a
// scratch user folder, for tests that click the main screen's named buttons.
// The game object lives once per process: each test runs in a child process
// and reports its first failed check through ChildCheck.
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

#include "../core/TestSupport.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "gamedata/UserFolders.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"
#include "sim/NeuralEffect.h"
#include "sim/Presentation.h"
#include "sim/TurnProcessor.h"
#include "sound/GUI_Sounds.h"

namespace mainscreen {

class ShippedGame {
public:
    ShippedGame()
    {
        const std::string config = mDir.Path() + "/config.muf";
        std::ofstream(config) << "[config]\nIsWindowed=1\nColorDepth=32\n";
        UserFolders::Get().SetBaseFolder(mDir.Path());
        Game& game = GetGame();
        game.SetConfigPath(config);
        game.SetDesktopSizeForTests(1920, 1080);
        ChildCheck(game.Start(), "start-up");
        Frames(2);
        Click("NewGame");
        WaitFor([] { return HasButton("Mission_velmora"); }, "the mission chooser");
        Click("Mission_velmora");
        WaitFor([] { return HasButton("StartGame"); }, "the customisation screen");
        Click("StartGame");
        BackToMainScreen("the main screen after New Game");
        // The start dialog shows the country first.
        if (HasButton("StartPlaying"))
            Click("StartPlaying");
    }

    // Clicks the processing screen's "click to continue" until the main screen shows.
    static void BackToMainScreen(const char* what)
    {
        for (int i = 0; i < 400 && GetGame().State != STATE_MAIN; ++i) {
            if (GetGame().State == STATE_PROCESSING)
                SdlEvents::InjectClick(512, 384);
            GetGame().RunLoopOnce();
        }
        ChildCheck(GetGame().State == STATE_MAIN, what);
        Frames(3);
    }

    // Lets frames pass (fades end within a few frames of 150 ms).
    static void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            GetGame().RunLoopOnce();
    }
    template <typename Condition>
    static void WaitFor(Condition condition, const char* what)
    {
        for (int i = 0; i < 400 && !condition(); ++i)
            GetGame().RunLoopOnce();
        ChildCheck(condition(), what);
    }
    // Clicks the named button where the player would, then lets the frame run.
    static void Click(const std::string& name)
    {
        int x = 0, y = 0;
        if (!ShellHooks::FindButton(name, x, y)) {
            std::fprintf(stderr, "no button %s\n", name.c_str());
            std::exit(11);
        }
        SdlEvents::InjectClick(x, y);
        Frames(1);
    }
    static bool HasButton(const std::string& name)
    {
        int x = 0, y = 0;
        return ShellHooks::FindButton(name, x, y);
    }
    // Keys wait for a running fade to end, as the game ignores them under one.
    static void Key(int scanCode)
    {
        WaitFor([] { return GetScreenFader().GetMode() == ScreenFader::kIdle; }, "the fade ends");
        SdlEvents::InjectKey(scanCode);
        Frames(1);
    }
    static bool WindowOpen(const std::string& name) { return ShellHooks::IsWindowOpen(name); }

    [[noreturn]] static void Finish()
    {
        GetGame().TearDown();
        std::exit(0);
    }

private:
    TempDir mDir;
};

}  // namespace mainscreen
