// One frame of the main screen in a game of the shipped mission, drawn by the
// software renderer on SDL's offscreen driver at 1024 x 768: the network at
// rest, and with an icon in focus (its influence lines and pulses). The game
// must keep a frame under 8 ms. A frame here is what the game draws: the
// window manager's update, the screen's update and render, the top layer and
// the end of the scene; the copy to the window (Present) is the platform's
// and is left out, as the offscreen driver's copy says nothing of a desktop's.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/BaseGUIScreen.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ShellHooks.h"
#include "gamedata/Options.h"
#include "gamedata/UserFolders.h"
#include "platform/sdl/SdlEvents.h"
#include "sim/CSimulation.h"
#include "sim/SIM_SimVal.h"

namespace {

// A game started once for all benchmarks, in a scratch user folder.
struct ShippedGame {
    ShippedGame()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (chdir(RULECRAFT_SOURCE_DIR) != 0)
            std::abort();
        folder = (std::filesystem::temp_directory_path() / "rulecraft-bench-mainscreen").string();
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/config.muf") << "[config]\nIsWindowed=1\nColorDepth=32\n";
        UserFolders::Get().SetBaseFolder(folder);
        Game& game = GetGame();
        game.SetConfigPath(folder + "/config.muf");
        game.SetDesktopSizeForTests(1920, 1080);
        GetD3DEngine().ForceSoftwareRenderer(true);
        if (!game.Start())
            std::abort();
        for (int i = 0; i < 2; ++i)
            game.RunLoopOnce();
        int x = 0, y = 0;
        if (!ShellHooks::FindButton("NewGame", x, y))
            std::abort();
        SdlEvents::InjectClick(x, y);
        for (int i = 0; i < 400 && game.State != STATE_MAIN; ++i) {
            if (game.State == STATE_PROCESSING)
                SdlEvents::InjectClick(512, 384);
            game.RunLoopOnce();
        }
        if (game.State != STATE_MAIN)
            std::abort();
        Options::Get().SetFloat("ENABLEDILEMMAS", 0.0f);
        SdlEvents::InjectClick(1000, 745);
        for (int i = 0; i < 60; ++i)
            game.RunLoopOnce();
    }
    std::string folder;
};

void DrawOneFrame()
{
    ShellHooks::UpdateWindowManager();
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    BaseGUIScreen* screen = GetGame().CurrentScreen;
    screen->Update();
    screen->Render();
    ShellHooks::DrawTopLayer();
    ShellHooks::ResetTextQueue();
    engine.EndScene();
}

ShippedGame& Stage()
{
    static ShippedGame game;
    return game;
}

void BM_MainScreenFrame(benchmark::State& state)
{
    Stage();
    for (auto _ : state)
        DrawOneFrame();
}
BENCHMARK(BM_MainScreenFrame)->Unit(benchmark::kMillisecond);

void BM_MainScreenFrameWithIconInFocus(benchmark::State& state)
{
    Stage();
    int x = 0, y = 0;
    if (!ShellHooks::FindButton("Icon_" + GetSimulation().SimVals().front()->GetName(), x, y)) {
        state.SkipWithError("no icon to focus");
        return;
    }
    CInput& input = GetInput();
    input.MouseX = static_cast<float>(x);
    input.MouseY = static_cast<float>(y);
    input.StillFrames = 100;
    for (int i = 0; i < 120; ++i)
        DrawOneFrame();
    for (auto _ : state)
        DrawOneFrame();
}
BENCHMARK(BM_MainScreenFrameWithIconInFocus)->Unit(benchmark::kMillisecond);

}  // namespace
