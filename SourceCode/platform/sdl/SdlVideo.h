#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// The game's window, as the engine holds it.
using PlatformWindow = SDL_Window*;

// The game's one window and the SDL renderer under D3DEngine.
//
// The game always draws at its logical size (the display mode, 1024 x 768 on
// most desktops) into an offscreen target. Present() scales that picture into
// the window keeping its aspect ratio, with black bars where the shapes differ,
// so the window can be resized freely and full screen can use the desktop's own
// mode. Mouse positions from SDL events are in window coordinates: map them with
// WindowToLogical before handing them to the interface.
class SdlVideo {
public:
    enum class RendererKind {
        Accelerated,  // SDL's default choice for the desktop
        Software,     // SDL's software renderer (tests, "ForceFallback")
    };

    // A rectangle in window or output pixels.
    struct Box {
        int x = 0, y = 0, w = 0, h = 0;
    };

    // --- The window (the shell owns it) -----------------------------------
    // Initialises SDL's video subsystem when needed and creates a resizable
    // window of the given client size, centred. Returns false (and logs the SDL
    // error) when that fails; LastError() then holds SDL's text.
    bool CreateMainWindow(const std::string& title, int width, int height);
    void DestroyMainWindow();
    SDL_Window* Window() const { return mWindow; }
    // Loads any image the image loader reads (ICO, PNG, BMP) and sets it as the window icon.
    bool SetWindowIcon(const std::string& path);
    // Brings the window to the front with the keyboard focus.
    void RaiseWindow();
    // Sets the window's client size, as the player dragging its border would.
    void ResizeWindow(int width, int height);
    // Where the video layer's notes and failures are written (the game's debug log).
    using LogWriter = void (*)(const std::string& line);
    void SetLogWriter(LogWriter writer) { mLogWriter = writer; }
    const std::string& LastError() const { return mLastError; }

    // --- The renderer (D3DEngine::Init / Release call these) -------------
    // Creates the renderer on the main window and the logical target. In a
    // window, the window is resized to the logical size when the desktop has
    // room for it; full screen uses the desktop's mode (no mode switch).
    bool CreateRenderer(int logicalWidth, int logicalHeight, bool fullscreen, RendererKind kind);
    void DestroyRenderer();  // frees every texture made on it; safe to call twice
    SDL_Renderer* Renderer() const { return mRenderer; }
    SDL_Texture* Target() const { return mTarget; }
    bool IsSoftware() const { return mSoftware; }
    int LogicalWidth() const { return mLogicalWidth; }
    int LogicalHeight() const { return mLogicalHeight; }

    // --- Full screen (Alt+Enter) ------------------------------------------
    bool IsFullscreen() const;
    void SetFullscreen(bool fullscreen);
    void ToggleFullscreen();

    // --- Frames -----------------------------------------------------------
    // Scales the logical picture into the window (letterboxed) and shows it.
    void Present();

    // Where the logical picture lies in the window, in window coordinates
    // (the ones SDL mouse events use).
    Box LetterboxInWindow() const;
    // Window coordinates -> logical pixels. Points on the black bars map
    // outside 0..logical size; callers clamp as they need.
    void WindowToLogical(float windowX, float windowY, float& logicalX, float& logicalY) const;

    // --- Read-back for tests ----------------------------------------------
    // The logical picture drawn so far this frame, ARGB, row by row.
    bool ReadLogicalPixels(std::vector<uint32_t>& argb);
    // The whole window as Present() would show it (bars included), ARGB.
    bool ReadWindowPixels(std::vector<uint32_t>& argb, int& width, int& height);

    // --- Desktop ------------------------------------------------------------
    static void DesktopSize(int& width, int& height);  // 1024 x 768 when unknown
    static int DesktopDepth();                         // bits per pixel, 32 when unknown

    SdlVideo() = default;
    ~SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

private:
    void ComposeWindow();  // letterbox the target into the window's back buffer
    Box LetterboxInOutput() const;
    void Log(const std::string& line) const;

    SDL_Window* mWindow = nullptr;
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mTarget = nullptr;
    bool mSoftware = false;
    bool mOwnsVideoInit = false;
    int mLogicalWidth = 0;
    int mLogicalHeight = 0;
    std::string mLastError;
    LogWriter mLogWriter = nullptr;
};

// The process-wide video object.
SdlVideo& GetSdlVideo();
