#include "platform/sdl/SdlVideo.h"

#include <SDL.h>
#include <FreeImage.h>

#include <algorithm>

#include "engine/DebugLog.h"

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
    if (window_)
        return true;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            lastError_ = SDL_GetError();
            DebugLog::Write("SDL video init failed: " + lastError_);
            return false;
        }
        ownsVideoInit_ = true;
    }
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
        lastError_ = SDL_GetError();
        DebugLog::Write("SDL_CreateWindow failed: " + lastError_);
        return false;
    }
    return true;
}

void SdlVideo::DestroyMainWindow()
{
    DestroyRenderer();
    if (window_) {
        SDL_DestroyWindow(window_);
        window_ = nullptr;
    }
    if (ownsVideoInit_) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        ownsVideoInit_ = false;
    }
}

bool SdlVideo::SetWindowIcon(const std::string& path)
{
    if (!window_)
        return false;
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN)
        return false;
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (!loaded)
        return false;
    FIBITMAP* image = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!image)
        return false;
    const int w = static_cast<int>(FreeImage_GetWidth(image));
    const int h = static_cast<int>(FreeImage_GetHeight(image));
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface) {
        // FreeImage keeps rows bottom-up, in BGRA byte order (ARGB as a little-endian word).
        for (int y = 0; y < h; ++y) {
            const BYTE* src = FreeImage_GetScanLine(image, h - 1 - y);
            auto* dst = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
            std::copy(src, src + w * 4, dst);
        }
        SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
    FreeImage_Unload(image);
    return surface != nullptr;
}

bool SdlVideo::CreateRenderer(int logicalWidth, int logicalHeight, bool fullscreen, RendererKind kind)
{
    DestroyRenderer();
    if (!window_) {
        lastError_ = "no window";
        return false;
    }
    logicalWidth_ = logicalWidth;
    logicalHeight_ = logicalHeight;

    SetFullscreen(fullscreen);
    if (!fullscreen) {
        int desktopW = 0, desktopH = 0;
        DesktopSize(desktopW, desktopH);
        if (logicalWidth <= desktopW && logicalHeight <= desktopH) {
            SDL_SetWindowSize(window_, logicalWidth, logicalHeight);
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }

    // Naming a driver switches SDL's batching off unless it is asked for.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    software_ = kind == RendererKind::Software;
    Uint32 flags = SDL_RENDERER_TARGETTEXTURE;
    if (software_) {
        flags |= SDL_RENDERER_SOFTWARE;
        // Show the software picture through the window's own framebuffer, not
        // through a hidden GL texture (on the offscreen driver that GL is itself
        // emulated in software and costs more than the drawing).
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    } else {
        flags |= SDL_RENDERER_PRESENTVSYNC;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, flags);
    if (!renderer_ && !software_) {
        DebugLog::Write(std::string("Accelerated renderer unavailable, using software: ") + SDL_GetError());
        software_ = true;
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    }
    if (!renderer_) {
        lastError_ = SDL_GetError();
        DebugLog::Write("SDL_CreateRenderer failed: " + lastError_);
        return false;
    }
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer_, &info) == 0) {
        software_ = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
        DebugLog::Write(std::string("Renderer: ") + info.name);
    }

    target_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, logicalWidth,
                                logicalHeight);
    if (!target_) {
        lastError_ = SDL_GetError();
        DebugLog::Write("Creating the frame target failed: " + lastError_);
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
        return false;
    }
    SDL_SetTextureBlendMode(target_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(target_, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(renderer_, target_);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
    return true;
}

void SdlVideo::DestroyRenderer()
{
    if (target_) {
        SDL_DestroyTexture(target_);
        target_ = nullptr;
    }
    if (renderer_) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
}

bool SdlVideo::IsFullscreen() const
{
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlVideo::SetFullscreen(bool fullscreen)
{
    if (!window_ || fullscreen == IsFullscreen())
        return;
    if (SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
        DebugLog::Write(std::string("SDL_SetWindowFullscreen failed: ") + SDL_GetError());
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
    if (renderer_)
        SDL_GetRendererOutputSize(renderer_, &w, &h);
    return FitInto(w, h, logicalWidth_, logicalHeight_);
}

SdlVideo::Box SdlVideo::LetterboxInWindow() const
{
    int w = 0, h = 0;
    if (window_)
        SDL_GetWindowSize(window_, &w, &h);
    return FitInto(w, h, logicalWidth_, logicalHeight_);
}

void SdlVideo::WindowToLogical(float windowX, float windowY, float& logicalX, float& logicalY) const
{
    const Box box = LetterboxInWindow();
    if (box.w <= 0 || box.h <= 0) {
        logicalX = windowX;
        logicalY = windowY;
        return;
    }
    logicalX = (windowX - box.x) * static_cast<float>(logicalWidth_) / box.w;
    logicalY = (windowY - box.y) * static_cast<float>(logicalHeight_) / box.h;
}

void SdlVideo::ComposeWindow()
{
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const Box box = LetterboxInOutput();
    // Whole-number scales keep their pixels sharp; any other scale is smoothed.
    const bool wholeScale = logicalWidth_ > 0 && logicalHeight_ > 0 && box.w % logicalWidth_ == 0 &&
                            box.h % logicalHeight_ == 0;
    SDL_SetTextureScaleMode(target_, wholeScale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const SDL_Rect dst{box.x, box.y, box.w, box.h};
    SDL_RenderCopy(renderer_, target_, nullptr, &dst);
}

void SdlVideo::Present()
{
    if (!renderer_)
        return;
    ComposeWindow();
    SDL_RenderPresent(renderer_);
    SDL_SetRenderTarget(renderer_, target_);
}

bool SdlVideo::ReadLogicalPixels(std::vector<uint32_t>& argb)
{
    if (!renderer_)
        return false;
    argb.assign(static_cast<size_t>(logicalWidth_) * logicalHeight_, 0);
    SDL_SetRenderTarget(renderer_, target_);
    return SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(), logicalWidth_ * 4) == 0;
}

bool SdlVideo::ReadWindowPixels(std::vector<uint32_t>& argb, int& width, int& height)
{
    if (!renderer_)
        return false;
    ComposeWindow();
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    argb.assign(static_cast<size_t>(width) * height, 0);
    const bool ok = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, argb.data(), width * 4) == 0;
    SDL_SetRenderTarget(renderer_, target_);
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
