#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../core/TestSupport.h"
#include "engine/BaseGUIScreen.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameEventSink.h"
#include "gamedata/UserFolders.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "platform/IniFile.h"
#include "platform/ScanCodes.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"
#include "sim/NeuralEffect.h"
#include "sim/OpinionPoll.h"
#include "sim/Presentation.h"
#include "sound/GUI_Sounds.h"

namespace {

// A screen that counts its activations and writes down the presses that reached it.
class ProbeScreen : public BaseGUIScreen {
public:
    std::vector<std::string> seen;
    int activations = 0;
    bool quitsOnClick = false;  // as the menu's Quit does

    void Render() override {}
    bool OnClick(float x, float y) override
    {
        seen.push_back("click " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
        if (quitsOnClick)
            SetRunning(false);
        return true;
    }
    void OnKey(int scanCode) override { seen.push_back("key " + std::to_string(scanCode)); }
    void Activate() override { ++activations; }
};

// Registers probe screens for some states while alive.
class ProbeScreens {
public:
    explicit ProbeScreens(std::vector<int> states) : mStates(std::move(states))
    {
        for (int state : mStates)
            GetGame().RegisterScreen(state, &mProbes[state]);
    }
    ~ProbeScreens()
    {
        for (int state : mStates)
            GetGame().RegisterScreen(state, nullptr);
    }
    ProbeScreen& operator[](int state) { return mProbes[state]; }

private:
    std::vector<int> mStates;
    ProbeScreen mProbes[kGameStateCount];
};

void PushEvent(Uint32 type, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN)
{
    SDL_Event event{};
    event.type = type;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

// Several presses in one frame: once one of them has shut the game down, the
// others must not reach screens that are gone.
TEST(GameInput, NothingReachesTheScreensAfterAHandlerShutTheGameDown)
{
    const bool wasRunning = IsRunning();
    ProbeScreens probes({STATE_MENU});
    probes[STATE_MENU].quitsOnClick = true;
    GetGame().SetState(STATE_MENU);
    GameEventSink sink(GetGame());
    CInput& input = GetInput();
    input.Update();
    SetRunning(true);
    for (const InputRecord& record : {InputRecord::Button(true, 0, 10, 20), InputRecord::Button(false, 0, 10, 20),
                                      InputRecord::Button(true, 0, 30, 40), InputRecord::Key(true, ScanCode::Escape)})
        sink.OnInput(record);
    input.Update();
    EXPECT_EQ(probes[STATE_MENU].seen, std::vector<std::string>{"click 10,20"});

    // Input arriving while the game is not running at all is handled as usual.
    sink.OnInput(InputRecord::Button(false, 0, 10, 20));
    sink.OnInput(InputRecord::Key(true, ScanCode::Escape));
    input.Update();
    EXPECT_EQ(probes[STATE_MENU].seen, (std::vector<std::string>{"click 10,20", "key 1"}));
    SetRunning(wasRunning);
}

TEST(GameStates, EachStateShowsItsScreenAndUnknownStatesShowTheMenu)
{
    ProbeScreens probes({STATE_MENU, STATE_OPTIONS, STATE_SAVEGAME, STATE_MAIN});
    Game& game = GetGame();
    game.SetState(STATE_OPTIONS);
    EXPECT_EQ(game.CurrentScreen, &probes[STATE_OPTIONS]);
    EXPECT_EQ(probes[STATE_OPTIONS].activations, 1);
    game.SetState(STATE_OPTIONS);
    EXPECT_EQ(probes[STATE_OPTIONS].activations, 2);  // rebuilt at every entry
    game.SetState(42);
    EXPECT_EQ(game.State, 42);
    EXPECT_EQ(game.CurrentScreen, &probes[STATE_MENU]);
    game.SetState(-1);
    EXPECT_EQ(game.CurrentScreen, &probes[STATE_MENU]);
    EXPECT_EQ(probes[STATE_MENU].activations, 2);
}

TEST(GameStates, MusicMoodFollowsTheScreens)
{
    ProbeScreens probes({STATE_MENU, STATE_OPTIONS, STATE_SAVEGAME, STATE_MAIN});
    Game& game = GetGame();
    GUI_Sounds& sounds = GetSounds();
    game.SetState(STATE_MENU);
    sounds.SetMood(GUI_Sounds::kMoodTitle);
    // In order: the state entered, the government's vote share then, the mood after.
    const struct {
        int state;
        float share;
        int mood;
    } steps[] = {
        {STATE_MAIN, 0.2f, GUI_Sounds::kMoodPoorly},
        {STATE_SAVEGAME, 0.2f, GUI_Sounds::kMoodPoorly},  // the save screen keeps the game's music
        {STATE_MAIN, 0.8f, GUI_Sounds::kMoodGreat},
        {STATE_MAIN, 0.5f, GUI_Sounds::kMoodGreat},  // staying on the main screen changes nothing
        {STATE_OPTIONS, 0.5f, GUI_Sounds::kMoodTitle},
        {STATE_MAIN, 0.5f, GUI_Sounds::kMoodNeutral},
        {STATE_MENU, 0.5f, GUI_Sounds::kMoodTitle},
    };
    for (const auto& step : steps) {
        OpinionPoll::Get().SetCurrent(0.5f, step.share);
        game.SetState(step.state);
        EXPECT_EQ(sounds.RequestedMood, step.mood) << "state " << step.state << " at " << step.share;
    }
    OpinionPoll::Get().Reset();
}

TEST(GameDisplay, LayoutForTheDesktopSize)
{
    const struct {
        int desktopWidth, desktopHeight;
        float uiScale;
        bool forceFullScreen, tooSmall;
    } cases[] = {
        {1024, 768, 1.0f, true, false},     // exactly the game's size: full screen
        {800, 600, 0.78125f, true, true},   // too small: scaled interface, 1024 x 768 anyway
        {1920, 1080, 1.0f, false, false},
        {1920, 768, 1.0f, true, false},     // no taller than the game
    };
    for (const auto& c : cases) {
        const Game::DisplayLayout layout = Game::LayOutDisplay(c.desktopWidth, c.desktopHeight);
        EXPECT_FLOAT_EQ(layout.uiScale, c.uiScale) << c.desktopWidth << "x" << c.desktopHeight;
        EXPECT_EQ(layout.forceFullScreen, c.forceFullScreen) << c.desktopWidth << "x" << c.desktopHeight;
        EXPECT_EQ(layout.desktopTooSmall, c.tooSmall) << c.desktopWidth << "x" << c.desktopHeight;
        EXPECT_EQ(layout.width, 1024);
        EXPECT_EQ(layout.height, 768);
    }
}

// Clicks a named button through the window system's events.
void ClickButton(const std::string& name)
{
    int x = 0;
    int y = 0;
    if (!ShellHooks::FindButton(name, x, y))
        throw std::runtime_error("no button " + name);
    SdlEvents::InjectClick(x, y);
}

// Runs the whole game in a child process (the game object lives once per
// process): start-up, menu, a placeholder and back, the display toggle, a
// progress frame, and Quit. The child reports the first failed check.
void RunWholeGame(bool closeDuringWork)
{
    auto check = ChildCheck;
    TempDir dir;
    std::string config = dir.Path() + "/config.muf";
    std::ofstream(config) << "[config]\nIsWindowed=1\nColorDepth=32\n";
    UserFolders::Get().SetBaseFolder(dir.Path());
    Game& game = GetGame();
    game.SetConfigPath(config);
    // The second run has a desktop no taller than the game: it runs full
    // screen, and the display toggle cannot change that.
    const bool smallDesktop = closeDuringWork;
    game.SetDesktopSizeForTests(smallDesktop ? 1024 : 1920, smallDesktop ? 768 : 1080);
    check(game.Start(), "start-up");
    check(IniFile::ReadInt(config, "config", "IsWindowed", -1) == (smallDesktop ? 0 : 1), "windowed unless small");
    check(IsRunning(), "running flag set");
    check(g_ScreenWidth == 1024.0f && g_ScreenHeight == 768.0f, "1024 x 768 display");
    check(game.UIScale == 1.0f, "UIScale");
    check(game.State == STATE_MENU, "starts in the menu");
    check(GetSounds().RequestedMood == GUI_Sounds::kMoodTitle, "title music");

    for (int i = 0; i < 3; ++i)
        check(game.RunLoopOnce(), "loop runs");
    check(game.FramesDrawn() == 3, "one frame per loop");

    ClickButton("Load");
    game.RunLoopOnce();
    check(game.State == STATE_LOADGAME, "the Load entry opens the load screen");
    ClickButton("Back");
    for (int i = 0; i < 400 && game.State != STATE_MENU; ++i) {
        game.RunLoopOnce();
        SDL_Delay(2);
    }
    check(game.State == STATE_MENU, "the load screen's Back returns to the menu after its fade");

    // A wide window letterboxes the picture; clicks still land on the right entry.
    if (!smallDesktop) {
        GetSdlVideo().ResizeWindow(1400, 700);
        game.RunLoopOnce();
    }
    ClickButton("Options");
    game.RunLoopOnce();
    check(game.State == STATE_OPTIONS, "the Options entry, clicked in a wide window");
    // Keys wait for the screen's fade from black.
    for (int i = 0; i < 400 && GetScreenFader().GetMode() != ScreenFader::kIdle; ++i) {
        game.RunLoopOnce();
        SDL_Delay(2);
    }
    SdlEvents::InjectKey(ScanCode::Escape);
    game.RunLoopOnce();
    check(game.State == STATE_MENU, "Escape on the options returns to the menu");

    // Alt+Return toggles the display mode; Return still reaches the screen.
    PushEvent(SDL_KEYDOWN, SDL_SCANCODE_LALT);
    PushEvent(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    PushEvent(SDL_KEYUP, SDL_SCANCODE_RETURN);
    PushEvent(SDL_KEYUP, SDL_SCANCODE_LALT);
    game.RunLoopOnce();
    // Large desktop: 1 becomes 0. Small one: 0 becomes 1, then the display set-up writes 0 again.
    check(IniFile::ReadInt(config, "config", "IsWindowed", -1) == 0, "IsWindowed after the toggle");
    check(!GetD3DEngine().IsWindowed(), "full screen after the toggle");
    check(GetD3DEngine().IsInitialised(), "display re-created");

    long frames = game.FramesDrawn();
    game.ShowProcessing();
    check(game.FramesDrawn() == frames + 1, "ShowProcessing draws at once");
    SdlEvents::InjectClick(10, 10);
    Presentation::Current().PumpFrame();
    check(game.FramesDrawn() == frames + 2, "progress frames draw");
    check(!GetInput().LeftHeld, "input is not handled during progress frames");
    check(game.State == STATE_PROCESSING, "a swallowed click changes nothing");
    game.SetState(STATE_MENU);
    game.RunLoopOnce();

    if (closeDuringWork) {
        // Closing the window during long work waits for the work to end.
        PushEvent(SDL_QUIT);
        Presentation::Current().PumpFrame();
        check(!game.IsQuitPosted() && IsRunning(), "no shutdown under the feet of the work");
        check(!game.RunLoopOnce(), "the close is honoured afterwards");
    } else {
        ClickButton("Quit");
        check(!game.RunLoopOnce(), "Quit ends the loop");
    }
    check(game.IsQuitPosted() && game.ExitCode() == 0, "exit code 0");
    check(game.IsShutDown() && !IsRunning(), "shut down");
    check(!GetD3DEngine().IsInitialised(), "renderer released");
    game.TearDown();
    std::exit(0);
}

TEST(WholeGame, StartsShowsTheMenuVisitsAScreenTogglesTheDisplayAndQuits)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(RunWholeGame(false), ::testing::ExitedWithCode(0), "");
}

TEST(WholeGame, SmallDesktopStaysFullScreenAndAClosingWindowWaitsForLongWork)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(RunWholeGame(true), ::testing::ExitedWithCode(0), "");
}

}  // namespace
