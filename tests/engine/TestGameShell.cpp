#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../core/TestSupport.h"
#include "FakeClock.h"
#include "Screenshot.h"
#include "engine/AutoplayScript.h"
#include "engine/BaseGUIScreen.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Diagnostics.h"
#include "engine/ErrorBoxes.h"
#include "engine/GameEventSink.h"
#include "engine/Game.h"
#include "platform/ScanCodes.h"
#include "engine/ScreenFader.h"
#include "gamedata/UserFolders.h"
#include "gui/MenuGUIScreen.h"
#include "platform/IniFile.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlVideo.h"
#include "sim/NeuralEffect.h"
#include "sim/OpinionPoll.h"
#include "sound/GUI_Sounds.h"

namespace {

// A screen that writes down what reached it.
class ProbeScreen : public BaseGUIScreen {
public:
    std::vector<std::string> calls;
    int activations = 0;
    int renders = 0;

    void Render() override { ++renders; }
    bool OnClick(float x, float y) override
    {
        calls.push_back("click " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
        return true;
    }
    void OnKey(int scanCode) override { calls.push_back("key " + std::to_string(scanCode)); }
    void Activate() override { ++activations; }
};

// Registers probe screens for some states while alive.
class ProbeScreens {
public:
    explicit ProbeScreens(std::vector<int> states) : states_(std::move(states))
    {
        for (int state : states_)
            GetGame().RegisterScreen(state, &probes_[state]);
    }
    ~ProbeScreens()
    {
        for (int state : states_)
            GetGame().RegisterScreen(state, nullptr);
    }
    ProbeScreen& operator[](int state) { return probes_[state]; }

private:
    std::vector<int> states_;
    ProbeScreen probes_[kGameStateCount];
};

void PushButton(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushKey(Uint32 type, SDL_Scancode scancode, bool repeat = false)
{
    SDL_Event event{};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

class SdlEventsOnly : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // e.g. audio devices seen by other tests
    }
    void TearDown() override
    {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }
};

TEST_F(SdlEventsOnly, InjectedClicksAndKeysReachTheCurrentScreenEvenWithinOneFrame)
{
    ProbeScreens probes({STATE_MENU});
    Game& game = GetGame();
    game.SetState(STATE_MENU);
    GameEventSink sink(game);
    CInput& input = GetInput();
    input.Update();  // start from an empty buffer

    PushButton(SDL_MOUSEBUTTONDOWN, 120, 240);
    PushButton(SDL_MOUSEBUTTONUP, 120, 240);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, true);  // auto-repeat is not a press
    PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT);
    PushButton(SDL_MOUSEBUTTONDOWN, 300, 310, SDL_BUTTON_MIDDLE);  // not a game button
    EXPECT_EQ(SdlEvents::Pump(sink), 7);
    input.Update();

    EXPECT_EQ(probes[STATE_MENU].calls,
              (std::vector<std::string>{"click 120,240", "key 1", "key 42"}));
    EXPECT_FALSE(input.LeftHeld);
    EXPECT_FALSE(input.IsKeyDown(ScanCode::Escape));
    EXPECT_TRUE(input.IsShiftDown());
    PushKey(SDL_KEYUP, SDL_SCANCODE_LSHIFT);
    SdlEvents::Pump(sink);
    input.Update();
    EXPECT_FALSE(input.IsShiftDown());
}

// A screen whose click shuts the game down, as the menu's Quit does.
class QuittingScreen : public ProbeScreen {
public:
    bool OnClick(float x, float y) override
    {
        ProbeScreen::OnClick(x, y);
        SetRunning(false);
        return true;
    }
};

TEST_F(SdlEventsOnly, NothingReachesTheScreensAfterAHandlerShutTheGameDown)
{
    const bool wasRunning = IsRunning();
    QuittingScreen screen;
    Game& game = GetGame();
    game.RegisterScreen(STATE_MENU, &screen);
    game.SetState(STATE_MENU);
    GameEventSink sink(game);
    CInput& input = GetInput();
    input.Update();
    SetRunning(true);

    PushButton(SDL_MOUSEBUTTONDOWN, 10, 20);
    PushButton(SDL_MOUSEBUTTONUP, 10, 20);
    PushButton(SDL_MOUSEBUTTONDOWN, 30, 40);  // a second click in the same frame
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
    SdlEvents::Pump(sink);
    input.Update();
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"click 10,20"}));

    // Input arriving while the game is not running at all is handled as usual.
    PushButton(SDL_MOUSEBUTTONUP, 10, 20);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
    PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE);
    SdlEvents::Pump(sink);
    input.Update();
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"click 10,20", "key 1"}));

    game.RegisterScreen(STATE_MENU, nullptr);
    SetRunning(wasRunning);
}

TEST(SdlInputKeys, ScanCodesFollowTheClassicNumbering)
{
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_RETURN), ScanCode::Return);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_LSHIFT), 42);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_RSHIFT), 54);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_LALT), 56);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_A), 0x1E);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_F12), 0x58);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_DELETE), 0xD3);
    EXPECT_EQ(SdlInput::ToScanCode(SDL_SCANCODE_AUDIOMUTE), 0);
    EXPECT_EQ(SdlInput::ToScanCode(-5), 0);
    // Every known key maps back to itself.
    for (int sdl = 1; sdl < SDL_NUM_SCANCODES; ++sdl) {
        int code = SdlInput::ToScanCode(sdl);
        if (code != 0) {
            EXPECT_EQ(SdlInput::FromScanCode(code), sdl) << sdl;
        }
    }
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
}

TEST(GameStates, MusicMoodFollowsTheScreens)
{
    ProbeScreens probes({STATE_MENU, STATE_OPTIONS, STATE_SAVEGAME, STATE_MAIN});
    Game& game = GetGame();
    GUI_Sounds& sounds = GetSounds();
    OpinionPoll& poll = OpinionPoll::Get();
    poll.SetCurrent(0.5f, 0.2f);
    game.SetState(STATE_MENU);
    sounds.SetMood(GUI_Sounds::kMoodTitle);

    game.SetState(STATE_MAIN);
    EXPECT_EQ(sounds.RequestedMood, GUI_Sounds::kMoodPoorly);
    game.SetState(STATE_SAVEGAME);  // the save screen keeps the game's music
    EXPECT_EQ(sounds.RequestedMood, GUI_Sounds::kMoodPoorly);
    poll.SetCurrent(0.5f, 0.8f);
    game.SetState(STATE_MAIN);
    EXPECT_EQ(sounds.RequestedMood, GUI_Sounds::kMoodGreat);
    game.SetState(STATE_MAIN);  // staying on the main screen changes nothing
    poll.SetCurrent(0.5f, 0.5f);
    game.SetState(STATE_MAIN);
    EXPECT_EQ(sounds.RequestedMood, GUI_Sounds::kMoodGreat);
    game.SetState(STATE_MENU);
    EXPECT_EQ(sounds.RequestedMood, GUI_Sounds::kMoodTitle);
    poll.Reset();
}

TEST(GameDisplay, LayoutForTheDesktopSize)
{
    Game::DisplayLayout exact = Game::LayOutDisplay(1024, 768);
    EXPECT_TRUE(exact.forceFullScreen);
    EXPECT_FALSE(exact.desktopTooSmall);
    EXPECT_FLOAT_EQ(exact.uiScale, 1.0f);
    EXPECT_EQ(exact.width, 1024);
    EXPECT_EQ(exact.height, 768);

    Game::DisplayLayout narrow = Game::LayOutDisplay(800, 600);
    EXPECT_FLOAT_EQ(narrow.uiScale, 0.78125f);
    EXPECT_TRUE(narrow.desktopTooSmall);
    EXPECT_EQ(narrow.width, 1024);
    EXPECT_EQ(narrow.height, 768);

    Game::DisplayLayout large = Game::LayOutDisplay(1920, 1080);
    EXPECT_FALSE(large.forceFullScreen);
    EXPECT_FALSE(large.desktopTooSmall);
    EXPECT_EQ(large.width, 1024);
    EXPECT_EQ(large.height, 768);

    EXPECT_TRUE(Game::LayOutDisplay(1920, 768).forceFullScreen);
}

TEST(ScreenFader, FadeToBlackBlocksClicksAndCallsBackWhenBlack)
{
    ProbeScreens probes({STATE_MENU});
    GetGame().SetState(STATE_MENU);
    FakeClock clock;
    ScreenFader fader(clock);
    CInput& input = GetInput();
    input.Update();
    std::vector<int> calledWith;
    fader.FadeOutThen([&calledWith](int argument) { calledWith.push_back(argument); }, 7);
    EXPECT_TRUE(input.ClicksBlocked);

    clock.Advance(75);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.GetMode(), ScreenFader::kToBlack);
    EXPECT_EQ(fader.Alpha(), 127);
    input.QueueRecord(InputRecord::Button(true, 0, 10, 10));
    input.QueueRecord(InputRecord::Button(false, 0, 10, 10));
    input.Update();
    EXPECT_TRUE(probes[STATE_MENU].calls.empty()) << "a click during a fade to black is ignored";
    EXPECT_FALSE(input.LeftHeld);

    clock.Advance(100);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.Alpha(), 255);
    EXPECT_EQ(calledWith, std::vector<int>{7});
    EXPECT_EQ(fader.GetMode(), ScreenFader::kIdle);
    EXPECT_FALSE(input.ClicksBlocked);
    fader.UpdateAndDraw();  // idle: nothing more happens
    EXPECT_EQ(calledWith.size(), 1u);

    fader.Start(ScreenFader::kFromBlack);
    EXPECT_FALSE(input.ClicksBlocked);
    clock.Advance(30);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.Alpha(), 204);  // (1 - 0.2) * 255
}

// Window coordinates of a screen pixel, through the letterbox.
void ScreenToWindow(float sx, float sy, int& wx, int& wy)
{
    SdlVideo& video = GetSdlVideo();
    SdlVideo::Box box = video.LetterboxInWindow();
    wx = box.x + static_cast<int>(sx * box.w / video.LogicalWidth());
    wy = box.y + static_cast<int>(sy * box.h / video.LogicalHeight());
}

void ClickScreen(float x, float y)
{
    int wx = 0;
    int wy = 0;
    ScreenToWindow(x, y, wx, wy);
    PushButton(SDL_MOUSEBUTTONDOWN, wx, wy);
    PushButton(SDL_MOUSEBUTTONUP, wx, wy);
}

const MenuGUIScreen::Entry& MenuEntry(const std::string& label)
{
    for (const auto& entry : GetMenuGUIScreen().Entries())
        if (entry.label == label)
            return entry;
    throw std::runtime_error("no menu entry " + label);
}

void ClickMenuEntry(const std::string& label)
{
    const GRect& r = MenuEntry(label).rect;
    ClickScreen((r.left + r.right) / 2.0f, (r.top + r.bottom) / 2.0f);
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
    bool smallDesktop = closeDuringWork;
    if (smallDesktop)
        game.SetDesktopSizeForTests(1024, 768);
    else
        game.SetDesktopSizeForTests(1920, 1080);
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
    check(SaveLogicalScreenshot(std::string(RULECRAFT_BINARY_DIR) + "/screenshots/menu.png"), "menu screenshot");

    ClickMenuEntry("Options");
    game.RunLoopOnce();
    check(game.State == STATE_OPTIONS, "the Options entry opens the options placeholder");
    game.RunLoopOnce();
    check(SaveLogicalScreenshot(std::string(RULECRAFT_BINARY_DIR) + "/screenshots/placeholder.png"),
          "placeholder screenshot");
    ClickScreen(500, 500);
    game.RunLoopOnce();
    check(game.State == STATE_MENU, "a click on a placeholder returns to the menu");

    // A wide window letterboxes the picture; clicks still land on the right entry.
    if (!smallDesktop) {
        SDL_SetWindowSize(GetSdlVideo().Window(), 1400, 700);
        game.RunLoopOnce();
        SdlVideo::Box box = GetSdlVideo().LetterboxInWindow();
        check(box.x > 0 && box.h == 700, "bars left and right of the picture");
        check(SaveWindowScreenshot(std::string(RULECRAFT_BINARY_DIR) + "/screenshots/menu-wide-window.png"),
              "wide window screenshot");
    }
    ClickMenuEntry("Load game");
    game.RunLoopOnce();
    check(game.State == STATE_LOADGAME, "the Load game entry, clicked in a wide window");
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
    PushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE);
    game.RunLoopOnce();
    check(game.State == STATE_MENU, "Escape on a placeholder returns to the menu");

    // Alt+Return toggles the display mode; Return still reaches the screen.
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_LALT);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
    PushKey(SDL_KEYUP, SDL_SCANCODE_LALT);
    game.RunLoopOnce();
    // Large desktop: 1 becomes 0. Small one: 0 becomes 1, then the display set-up writes 0 again.
    check(IniFile::ReadInt(config, "config", "IsWindowed", -1) == 0, "IsWindowed after the toggle");
    check(!GetD3DEngine().IsWindowed(), "full screen after the toggle");
    check(GetD3DEngine().IsInitialised(), "display re-created");
    game.RunLoopOnce();
    check(SaveWindowScreenshot(std::string(RULECRAFT_BINARY_DIR) + "/screenshots/menu-window.png"),
          "window screenshot");

    long frames = game.FramesDrawn();
    game.ShowProcessing();
    check(game.FramesDrawn() == frames + 1, "ShowProcessing draws at once");
    PushButton(SDL_MOUSEBUTTONDOWN, 10, 10);
    ProgressFrameDrawer::DrawFrame();
    check(game.FramesDrawn() == frames + 2, "progress frames draw");
    check(!GetInput().LeftHeld, "input is not handled during progress frames");
    check(game.State == STATE_PROCESSING, "a swallowed click changes nothing");
    game.SetState(STATE_MENU);
    game.RunLoopOnce();

    if (closeDuringWork) {
        // Closing the window during long work waits for the work to end.
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        ProgressFrameDrawer::DrawFrame();
        check(!game.IsQuitPosted() && IsRunning(), "no shutdown under the feet of the work");
        check(!game.RunLoopOnce(), "the close is honoured afterwards");
    } else {
        ClickMenuEntry("Quit");
        check(!game.RunLoopOnce(), "Quit ends the loop");
    }
    check(game.IsQuitPosted() && game.ExitCode() == 0, "exit code 0");
    check(game.IsShutDown() && !IsRunning(), "shut down");
    check(!GetD3DEngine().IsInitialised(), "renderer released");
    GetSounds().Release();
    GetSdlVideo().DestroyMainWindow();
    SDL_Quit();
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

namespace {

TEST(FatalErrorBox, NeverShownWithoutADesktopAndTheGameStillEnds)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(
        {
            SDL_InitSubSystem(SDL_INIT_VIDEO);  // the offscreen driver of the tests
            if (SdlMessageBox::CanShow())
                std::exit(20);
            if (SdlMessageBox::Show("ERROR", "nobody sees this", SdlMessageBox::Icon::Error))
                std::exit(21);
            ErrorBoxes::Install();
            FATAL_ERROR("missing comma");
        },
        ::testing::ExitedWithCode(Diagnostics::kFatalExitCode), "ERROR: missing comma:TestGameShell [0-9]+");
}

TEST(Autoplay, ScriptsAreReadWholeOrRejectedWithFileAndLine)
{
    AutoplayScript script;
    std::string error;
    EXPECT_TRUE(script.Parse("# comment\n\nwait 5\nclick 512 608\r\nkey 1\nexpect-state 0\ntimeout 90\n",
                             "ok.autoplay", &error));
    ASSERT_EQ(script.Commands().size(), 4u);
    EXPECT_EQ(script.Commands()[1].name, "click");
    EXPECT_EQ(script.Commands()[1].b, 608);
    EXPECT_EQ(script.Commands()[3].line, 6);

    EXPECT_FALSE(script.Parse("wait 5\nclick 512\n", "bad.autoplay", &error));
    EXPECT_EQ(error, "bad.autoplay line 2: cannot read \"click 512\"");
    EXPECT_TRUE(script.Commands().empty());
    EXPECT_FALSE(script.Parse("jump 3\n", "bad.autoplay", &error));
    EXPECT_FALSE(script.Parse("wait 3 4\n", "bad.autoplay", &error));
    EXPECT_FALSE(script.Load("/nonexistent/x.autoplay", &error));
}

}  // namespace
