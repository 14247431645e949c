#include "engine/Game.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "engine/BaseGUIScreen.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "engine/GameEventSink.h"
#include "engine/GameSubsystem.h"
#include "engine/GamePresentation.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "gamedata/Localisation.h"
#include "gamedata/Options.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlSystem.h"
#include "platform/sdl/SdlVideo.h"
#include "politics/PartyNames.h"
#include "politics/SIM_Manifesto.h"
#include "sim/NeuralEffect.h"
#include "sim/OpinionPoll.h"
#include "sim/TurnProcessor.h"
#include "sound/GUI_Sounds.h"

Game& GetGame()
{
    static Game game;
    return game;
}

// ---------------------------------------------------------------------------
// Start-up

bool Game::CreateMainWindow()
{
    std::string title = translate("APP_TITLE");
    SdlVideo& video = GetSdlVideo();
    video.SetLogWriter(&DebugLog::Write);
    if (!video.CreateMainWindow(title, 800, 600)) {
        std::string reason = video.LastError();
        SdlMessageBox::Show("Failed to CreateWindow", reason, SdlMessageBox::Icon::Error);
        std::fprintf(stderr, "Failed to CreateWindow: %s\n", reason.c_str());
        return false;
    }
    video.SetWindowIcon("data/bitmaps/icon/rulecraft.png");
    video.RaiseWindow();
    return true;
}

bool Game::Start()
{
    if (!CreateMainWindow())
        return false;
    mActive = Initialise();
    if (!mActive)
        return false;
    mInitialised = true;
    return true;
}

bool Game::Initialise()
{
    DebugLog::Open();

    UserFolders& folders = UserFolders::Get();
    folders.Create();
    UserDirectory = folders.UserFolder();
    SaveGameDirectory = folders.SaveGameFolder();

    SetRunning(true);
    SetupSection::Load();

    if (!SetupDisplay())
        return false;
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    engine.Clear(0xFF000000u);
    engine.EndScene();
    engine.Present();

    GetInput().Initialise();
    ApplyScreenSize();

    Options::Get().Load();

    engine.AddTextureFolder("data/bitmaps");
    engine.AddModTextureFolder("data/mods/bitmaps");

    ShellHooks::LoadFonts();
    SIM_Manifesto::Get().LoadPledgeTypes();

    SetState(STATE_MENU);

    GUI_Sounds& sounds = GetSounds();
    sounds.SetOptionReader([](const std::string& key) { return Options::Get().GetFloat(key); });
    sounds.SetMasterVolume();
    sounds.SetMood(GUI_Sounds::kMoodTitle);
    if (!sounds.HasMusicChannel())
        sounds.StartMusic();

    // Achievements and tutorial hints follow here once they exist.
    PartyNames::Get().Load();

    Presentation::Install(&GetGamePresentation());
    return true;
}

void Game::SetDesktopSizeForTests(int width, int height)
{
    mDesktopWidth = width;
    mDesktopHeight = height;
}

bool Game::SetupDisplay()
{
    int colourDepth = mConfig.ReadInt("ColorDepth", 0);
    int desktopWidth = mDesktopWidth;
    int desktopHeight = mDesktopHeight;
    if (desktopWidth <= 0 || desktopHeight <= 0)
        SdlVideo::DesktopSize(desktopWidth, desktopHeight);

    DisplayLayout layout = LayOutDisplay(desktopWidth, desktopHeight);
    if (layout.forceFullScreen)
        mConfig.WriteInt("IsWindowed", 0);
    UIScale = layout.uiScale;
    if (layout.desktopTooSmall)
        DebugLog::Write("WARNING - > invalid desktop resoltuion");
    GetD3DEngine().SetConfigPath(ConfigReadPath());
    return GetD3DEngine().Init(GetSdlVideo().Window(), layout.width, layout.height, colourDepth, false, false);
}

Game::DisplayLayout Game::LayOutDisplay(int desktopWidth, int desktopHeight)
{
    DisplayLayout layout;
    layout.width = 1024;
    layout.height = std::min(desktopHeight, 768);
    if (desktopWidth < 1024)
        layout.width = desktopWidth;
    // A desktop no taller than the game runs it full screen.
    layout.forceFullScreen = layout.height == desktopHeight;
    layout.uiScale = static_cast<float>(layout.width) * 0.0009765625f;
    if (desktopWidth < 1024 || desktopHeight < 768) {
        layout.desktopTooSmall = true;
        layout.width = 1024;
        layout.height = 768;
    }
    return layout;
}

void Game::ApplyScreenSize()
{
    GetInput().SetScreenSize(g_ScreenWidth, g_ScreenHeight);
}

// ---------------------------------------------------------------------------
// The loop

int Game::RunMessageLoop()
{
    while (RunLoopOnce()) {
    }
    return mExitCode;
}

bool Game::RunLoopOnce()
{
    GameEventSink sink(*this);
    SdlEvents::Pump(sink);
    if (mCloseDuringWork) {
        mCloseDuringWork = false;
        OnCloseRequested();
    }
    if (!mQuitPosted) {
        if (mActive)
            RunFrame();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        GetSounds().Update();
    }
    // Every way out meets here, where no handler and no long work is on the
    // stack any more: what the shutdown frees is no longer in use.
    if (mQuitPosted) {
        Shutdown();
        return false;
    }
    return true;
}

void Game::RunFrame()
{
    if (!IsRunning())
        return;
    CInput& input = GetInput();
    input.Update();
    // A handler may have asked to quit.
    if (!IsRunning() || mQuitPosted)
        return;
    DrawFrame();
}

void Game::DrawProgressFrame()
{
    if (!IsRunning())
        return;
    // Nested: the long work runs inside an input handler. Window events are
    // answered, input is only tracked, and a close request waits for the work.
    ++mInProgressFrame;
    GameEventSink sink(*this);
    SdlEvents::Pump(sink);
    GetInput().SwallowQueuedRecords();
    DrawFrame();
    --mInProgressFrame;
}

void Game::DrawFrame()
{
    ShellHooks::UpdateWindowManager();
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    if (CurrentScreen) {
        CurrentScreen->Update();
        CurrentScreen->Render();
    }
    ShellHooks::DrawTopLayer();
    ShellHooks::ResetTextQueue();
    ShellHooks::DrawMousePointer();
    GetScreenFader().UpdateAndDraw();
    if (IsRunning()) {
        engine.EndScene();
        engine.Present();
    }
    ++mFramesDrawn;
    if (AfterFrame)
        AfterFrame(mFramesDrawn);
}

// ---------------------------------------------------------------------------
// States

BaseGUIScreen* Game::ScreenFor(int state)
{
    if (state < 0 || state >= kGameStateCount)
        state = STATE_MENU;
    if (mRegistered[state])
        return mRegistered[state];
    return ShellHooks::CreateScreen(state);
}

void Game::RegisterScreen(int state, BaseGUIScreen* screen)
{
    if (state >= 0 && state < kGameStateCount)
        mRegistered[state] = screen;
}

void Game::SetState(int state)
{
    int previous = State;
    State = state;
    Timer.Start();
    if (previous == STATE_MAIN && (state == STATE_MENU || state == STATE_OPTIONS))
        GetSounds().SetMood(GUI_Sounds::kMoodTitle);
    if (previous != STATE_MAIN && state == STATE_MAIN)
        GetSounds().SetMood(GUI_Sounds::MoodFromPopularity(OpinionPoll::Get().VoteShare()));
    BaseGUIScreen* next = ScreenFor(state);
    if (CurrentScreen && CurrentScreen != next)
        CurrentScreen->Deactivate();
    CurrentScreen = next;
    if (CurrentScreen)
        CurrentScreen->Activate();
}

void Game::EnterMainScreen()
{
    SetState(STATE_MAIN);
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void Game::ShowProcessing()
{
    SetState(STATE_PROCESSING);
    DrawProgressFrame();
}

void Game::StartNewGame(const std::string& missionPath)
{
    InGame = true;
    // The processing screen shows the setup's progress, a frame per step.
    SetState(STATE_PROCESSING);
    SetUpGame(missionPath);
}

// ---------------------------------------------------------------------------
// Window events

void Game::OnCloseRequested()
{
    // Never tear the game down under the feet of work in progress.
    if (mInProgressFrame > 0) {
        mCloseDuringWork = true;
        return;
    }
    Quit();
}

void Game::SetActive(bool active)
{
    mActive = active;
}

void Game::OnDisplayLost()
{
    if (!mInitialised)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.DropTextures();
    engine.RestoreSurfaces();
}

void Game::PostQuit(int exitCode)
{
    if (mQuitPosted)
        return;
    mQuitPosted = true;
    mExitCode = exitCode;
}

// ---------------------------------------------------------------------------
// Display-mode toggle and shutdown

void Game::ToggleDisplayMode()
{
    int windowed = mConfig.ReadInt("IsWindowed", 0);
    mConfig.WriteInt("IsWindowed", windowed == 1 ? 0 : 1);
    D3DEngine& engine = GetD3DEngine();
    engine.Release();
    SetupDisplay();
    // The display may not take the wish (a desktop too small for a window):
    // the player's file keeps the mode that really runs, never one that clips.
    if (engine.IsInitialised())
        mConfig.WriteInt("IsWindowed", engine.IsWindowed() ? 1 : 0);
    GetInput().Initialise();
    ApplyScreenSize();
    ShellHooks::LoadFonts();
    ShellHooks::ResolveSmartTextures();
}

void Game::Quit() { Quit(0); }

void Game::Quit(int exitCode) { PostQuit(exitCode); }

void Game::Shutdown()
{
    if (mShutDown)
        return;
    mShutDown = true;
    DebugLog::Write("releasing resources");
    SetRunning(false);
    ShellHooks::DeleteGameLists();
    // Releasing the game's model switches the running flag back on.
    SetRunning(false);
    DebugLog::Write("writing global vars");
    Options::Get().Save();
    ShellHooks::ClosePolicyDetails();
    DebugLog::Write("releasing game subystems");
    GameSubsystem::ReleaseAll();
    DebugLog::Write("releasing d3d");
    GetD3DEngine().Release();
    Localisation::Reset();
    Presentation::Install(nullptr);
    DebugLog::Close();
}

void Game::TearDown()
{
    // Before start-up finished there are no options to write back: the
    // player's file would be overwritten with the defaults.
    if (mInitialised) {
        Shutdown();
    } else {
        GetD3DEngine().Release();
        Presentation::Install(nullptr);
        DebugLog::Close();
    }
    GetSounds().Release();
    GetSdlVideo().DestroyMainWindow();
    SdlSystem::Quit();
}
