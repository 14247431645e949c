#include "platform/sdl/SdlVideo.h"

#include <SDL.h>

#include <algorithm>

#include "platform/sdl/ImageLoader.h"

SdlVideo& GetSdlVideo()
{
    static SdlVideo video;
    return video;
}

SdlVideo::~SdlVideo()
{
    DestroyRenderer();
    DestroyMainWindow();
}

bool SdlVideo::CreateMainWindow(const std::string& title, int width, int height)
{
    if (mWindow)
        return true;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            mLastError = SDL_GetError();
            Log("SDL video init failed: " + mLastError);
            return false;
        }
        mOwnsVideoInit = true;
    }
    mWindow = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!mWindow) {
        mLastError = SDL_GetError();
        Log("SDL_CreateWindow failed: " + mLastError);
        return false;
    }
    return true;
}

void SdlVideo::DestroyMainWindow()
{
    DestroyRenderer();
    if (mWindow) {
        SDL_DestroyWindow(mWindow);
        mWindow = nullptr;
    }
    if (mOwnsVideoInit) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        mOwnsVideoInit = false;
    }
}

bool SdlVideo::SetWindowIcon(const std::string& path)
{
    if (!mWindow)
        return false;
    LoadedImage image;
    if (!ImageLoader::Load(path, false, image))
        return false;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return false;
    for (int y = 0; y < image.height; ++y) {
        const uint32_t* src = image.argb.data() + static_cast<size_t>(y) * image.width;
        std::copy(src, src + image.width, reinterpret_cast<uint32_t*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch));
    }
    SDL_SetWindowIcon(mWindow, surface);
    SDL_FreeSurface(surface);
    return true;
}

void SdlVideo::RaiseWindow()
{
    if (mWindow)
        SDL_RaiseWindow(mWindow);
}

void SdlVideo::ResizeWindow(int width, int height)
{
    if (mWindow)
        SDL_SetWindowSize(mWindow, width, height);
}

void SdlVideo::Log(const std::string& line) const
{
    if (mLogWriter)
        mLogWriter(line);
}

bool SdlVideo::CreateRenderer(int logicalWidth, int logicalHeight, bool fullscreen, RendererKind kind)
{
    DestroyRenderer();
    if (!mWindow) {
        mLastError = "no window";
        return false;
    }
    mLogicalWidth = logicalWidth;
    mLogicalHeight = logicalHeight;

    SetFullscreen(fullscreen);
    if (!fullscreen) {
        int desktopW = 0, desktopH = 0;
        DesktopSize(desktopW, desktopH);
        if (logicalWidth <= desktopW && logicalHeight <= desktopH) {
            SDL_SetWindowSize(mWindow, logicalWidth, logicalHeight);
            SDL_SetWindowPosition(mWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }

    // Naming a driver switches SDL's batching off unless it is asked for.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    mSoftware = kind == RendererKind::Software;
    Uint32 flags = SDL_RENDERER_TARGETTEXTURE;
    if (mSoftware) {
        flags |= SDL_RENDERER_SOFTWARE;
        // Show the software picture through the window's own framebuffer, not
        // through a hidden GL texture (on the offscreen driver that GL is itself
        // emulated in software and costs more than the drawing).
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    } else {
        flags |= SDL_RENDERER_PRESENTVSYNC;
    }
    mRenderer = SDL_CreateRenderer(mWindow, -1, flags);
    if (!mRenderer && !mSoftware) {
        Log(std::string("Accelerated renderer unavailable, using software: ") + SDL_GetError());
        mSoftware = true;
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        mRenderer = SDL_CreateRenderer(mWindow, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    }
    if (!mRenderer) {
        mLastError = SDL_GetError();
        Log("SDL_CreateRenderer failed: " + mLastError);
        return false;
    }
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(mRenderer, &info) == 0) {
        mSoftware = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
        Log(std::string("Renderer: ") + info.name);
    }

    mTarget = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, logicalWidth,
                                logicalHeight);
    if (!mTarget) {
        mLastError = SDL_GetError();
        Log("Creating the frame target failed: " + mLastError);
        SDL_DestroyRenderer(mRenderer);
        mRenderer = nullptr;
        return false;
    }
    SDL_SetTextureBlendMode(mTarget, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(mTarget, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(mRenderer, mTarget);
    SDL_SetRenderDrawBlendMode(mRenderer, SDL_BLENDMODE_BLEND);
    return true;
}

void SdlVideo::DestroyRenderer()
{
    if (mTarget) {
        SDL_DestroyTexture(mTarget);
        mTarget = nullptr;
    }
    if (mRenderer) {
        SDL_DestroyRenderer(mRenderer);
        mRenderer = nullptr;
    }
}

bool SdlVideo::IsFullscreen() const
{
    return mWindow && (SDL_GetWindowFlags(mWindow) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlVideo::SetFullscreen(bool fullscreen)
{
    if (!mWindow || fullscreen == IsFullscreen())
        return;
    if (SDL_SetWindowFullscreen(mWindow, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        Log(std::string("SDL_SetWindowFullscreen failed: ") + SDL_GetError());
}

void SdlVideo::ToggleFullscreen()
{
    SetFullscreen(!IsFullscreen());
}

namespace {

SdlVideo::Box FitInto(int outerW, int outerH, int innerW, int innerH)
{
    SdlVideo::Box box;
    if (outerW <= 0 || outerH <= 0 || innerW <= 0 || innerH <= 0)
        return box;
    // Compare aspect ratios in integers so an exact fit gives no bars at all.
    if (static_cast<long long>(outerW) * innerH <= static_cast<long long>(outerH) * innerW) {
        box.w = outerW;
        box.h = static_cast<int>(static_cast<long long>(outerW) * innerH / innerW);
    } else {
        box.h = outerH;
        box.w = static_cast<int>(static_cast<long long>(outerH) * innerW / innerH);
    }
    box.x = (outerW - box.w) / 2;
    box.y = (outerH - box.h) / 2;
    return box;
}

}  // namespace

SdlVideo::Box SdlVideo::LetterboxInOutput() const
{
    int w = 0, h = 0;
    if (mRenderer)
        SDL_GetRendererOutputSize(mRenderer, &w, &h);
    return FitInto(w, h, mLogicalWidth, mLogicalHeight);
}

SdlVideo::Box SdlVideo::LetterboxInWindow() const
{
    int w = 0, h = 0;
    if (mWindow)
        SDL_GetWindowSize(mWindow, &w, &h);
    return FitInto(w, h, mLogicalWidth, mLogicalHeight);
}

void SdlVideo::WindowToLogical(float windowX, float windowY, float& logicalX, float& logicalY) const
{
    const Box box = LetterboxInWindow();
    if (box.w <= 0 || box.h <= 0) {
        logicalX = windowX;
        logicalY = windowY;
        return;
    }
    logicalX = (windowX - box.x) * static_cast<float>(mLogicalWidth) / box.w;
    logicalY = (windowY - box.y) * static_cast<float>(mLogicalHeight) / box.h;
}

void SdlVideo::ComposeWindow()
{
    SDL_SetRenderTarget(mRenderer, nullptr);
    SDL_SetRenderDrawColor(mRenderer, 0, 0, 0, 255);
    SDL_RenderClear(mRenderer);
    const Box box = LetterboxInOutput();
    // Whole-number scales keep their pixels sharp; any other scale is smoothed.
    const bool wholeScale = mLogicalWidth > 0 && mLogicalHeight > 0 && box.w % mLogicalWidth == 0 &&
                            box.h % mLogicalHeight == 0;
    SDL_SetTextureScaleMode(mTarget, wholeScale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const SDL_Rect dst{box.x, box.y, box.w, box.h};
    SDL_RenderCopy(mRenderer, mTarget, nullptr, &dst);
}

void SdlVideo::Present()
{
    if (!mRenderer)
        return;
    ComposeWindow();
    SDL_RenderPresent(mRenderer);
    SDL_SetRenderTarget(mRenderer, mTarget);
}

bool SdlVideo::ReadLogicalPixels(std::vector<uint32_t>& argb)
{
    if (!mRenderer)
        return false;
    argb.assign(static_cast<size_t>(mLogicalWidth) * mLogicalHeight, 0);
    SDL_SetRenderTarget(mRenderer, mTarget);
    return SDL_RenderReadPixels(mRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(), mLogicalWidth * 4) == 0;
}

bool SdlVideo::ReadWindowPixels(std::vector<uint32_t>& argb, int& width, int& height)
{
    if (!mRenderer)
        return false;
    ComposeWindow();
    SDL_GetRendererOutputSize(mRenderer, &width, &height);
    argb.assign(static_cast<size_t>(width) * height, 0);
    const bool ok = SDL_RenderReadPixels(mRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(), width * 4) == 0;
    SDL_SetRenderTarget(mRenderer, mTarget);
    return ok;
}

void SdlVideo::DesktopSize(int& width, int& height)
{
    width = 1024;
    height = 768;
    SDL_DisplayMode mode;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) {
        width = mode.w;
        height = mode.h;
    }
}

int SdlVideo::DesktopDepth()
{
    SDL_DisplayMode mode;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        const int bits = SDL_BITSPERPIXEL(mode.format);
        if (bits == 15 || bits == 16)
            return 16;
    }
    return 32;
}
