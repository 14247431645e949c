#pragma once
#include <array>
#include <functional>
#include <string>

#include "engine/ConfigFile.h"
#include "engine/FrameTimer.h"
#include "engine/GameState.h"

class BaseGUIScreen;

// The application: start-up, the frame, the state machine of full screens,
// the display-mode toggle and shutdown. One instance, reached through GetGame().
class Game {
public:
    // --- Process ------------------------------------------------------------
    // Creates the window and runs the start-up sequence. False when the game
    // cannot start (the reason is logged, or shown when the window failed).
    bool Start();
    // Runs frames until the quit message; returns its exit code.
    int RunMessageLoop();
    // One turn of the loop: answer window events, then a frame when active,
    // then the 1 ms sleep and the sound update. False once quit was posted.
    bool RunLoopOnce();

    // --- Pieces of start-up (Start calls them in order) ---------------------
    bool CreateMainWindow();
    bool Initialise();
    bool SetupDisplay();

    // The display chosen for a desktop size.
    struct DisplayLayout {
        int width = 1024;
        int height = 768;
        float uiScale = 1.0f;
        bool forceFullScreen = false;  // the desktop is no taller than the game
        bool desktopTooSmall = false;  // logged as a warning; 1024 x 768 is used anyway
    };
    static DisplayLayout LayOutDisplay(int desktopWidth, int desktopHeight);

    // --- Frames ---------------------------------------------------------------
    void RunFrame();
    // Draws one frame without reacting to input, after answering window events;
    // long work calls it at each progress step (see GamePresentation).
    void DrawProgressFrame();

    // --- State machine ----------------------------------------------------------
    void SetState(int state);
    void EnterMainScreen();
    void ShowProcessing();
    // Sets the in-game flag and sets the model up for the chosen mission's
    // file, on the processing screen.
    void StartNewGame(const std::string& missionPath);
    // Posts the quit message (exit code 0, or the one given). The shutdown
    // sequence follows when the loop is back at its top, never under the feet
    // of a handler or of long work that is still running.
    void Quit();
    void Quit(int exitCode);
    void Shutdown();
    // The one way out of the process, after the loop or when start-up failed:
    // the shutdown sequence when it has not run yet, then sound, the window
    // and SDL. Nothing the game set up is left for the process exit.
    void TearDown();
    void ToggleDisplayMode();

    // The screen shown for a state (created on first use). Screens of states
    // not built yet are placeholders; RegisterScreen replaces one (tests,
    // screens built elsewhere).
    BaseGUIScreen* ScreenFor(int state);
    void RegisterScreen(int state, BaseGUIScreen* screen);

    // --- Window events (the platform layer calls these) ---------------------
    void OnCloseRequested();         // the window's close button or the desktop's quit
    void SetActive(bool active);     // minimised or hidden windows draw nothing
    void OnDisplayLost();            // the renderer lost its textures

    void PostQuit(int exitCode);
    bool IsQuitPosted() const { return mQuitPosted; }
    int ExitCode() const { return mExitCode; }
    bool IsActive() const { return mActive; }
    bool IsInitialised() const { return mInitialised; }
    bool IsShutDown() const { return mShutDown; }

    // Called with each frame's number after it is drawn (automation, tests).
    std::function<void(long frame)> AfterFrame;
    long FramesDrawn() const { return mFramesDrawn; }

    // Desktop size to lay the display out for; 0 x 0 asks the video layer.
    void SetDesktopSizeForTests(int width, int height);
    // The display settings: the player's copy of "data/config.muf" when it
    // exists, else the shipped file; changes go to the player's copy. Tests
    // point both at one file of their own.
    void SetConfigPath(const std::string& path) { mConfig.SetPath(path); }
    std::string ConfigReadPath() const { return mConfig.ReadPath(); }
    std::string ConfigWritePath() const { return mConfig.WritePath(); }

    bool InGame = false;
    int State = STATE_MENU;
    FrameTimer Timer;
    BaseGUIScreen* CurrentScreen = nullptr;
    float UIScale = 1.0f;
    std::string UserDirectory;
    std::string SaveGameDirectory;

private:
    void DrawFrame();
    void ApplyScreenSize();

    std::array<BaseGUIScreen*, kGameStateCount> mRegistered{};
    bool mActive = false;
    bool mInitialised = false;
    bool mQuitPosted = false;
    bool mShutDown = false;
    bool mCloseDuringWork = false;
    int mInProgressFrame = 0;
    int mExitCode = 0;
    long mFramesDrawn = 0;
    int mDesktopWidth = 0;
    int mDesktopHeight = 0;
    ConfigFile mConfig;
};

Game& GetGame();
