#include "engine/D3DEngine.h"

#include <SDL.h>
#include <FreeImage.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/DebugLog.h"
#include "engine/GVertexBuffer.h"
#include "engine/SmartTexture.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/sdl/SdlVideo.h"

float g_ScreenWidth = 0.0f;
float g_ScreenHeight = 0.0f;

namespace {

bool g_inScene = false;

// SDL samples pixel centres at half-integers, the vertex layout at whole
// numbers: every vertex moves by half a pixel on its way to SDL.
constexpr float kPixelCentreShift = 0.5f;

constexpr float kDegreesToRadians = 0.01745329238474369f;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

SDL_Color ToSdlColour(uint32_t argb)
{
    return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                     static_cast<Uint8>(argb >> 24)};
}

// Untextured drawing in opaque colours needs no blending; the software
// renderer fills such areas several times faster without it.
void SetPlainBlend(SDL_Renderer* renderer, bool opaque)
{
    SDL_SetRenderDrawBlendMode(renderer, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
}

bool AllOpaque(const TLVertex* corners, int count)
{
    for (int i = 0; i < count; ++i)
        if ((corners[i].diffuse >> 24) != 0xFF)
            return false;
    return true;
}

SDL_Vertex ToSdlVertex(const TLVertex& v)
{
    SDL_Vertex out;
    out.position.x = v.x + kPixelCentreShift;
    out.position.y = v.y + kPixelCentreShift;
    out.color = ToSdlColour(v.diffuse);
    out.tex_coord.x = v.u;
    out.tex_coord.y = v.v;
    return out;
}

}  // namespace

D3DEngine& GetD3DEngine()
{
    static D3DEngine engine;
    return engine;
}

D3DEngine::D3DEngine() = default;

D3DEngine::~D3DEngine()
{
    // At process exit SDL may already be gone and other singletons with it:
    // the shell releases the engine in its shutdown, what is left goes with the process.
    if (logFile_)
        std::fclose(logFile_);
}

bool D3DEngine::IsSoftware() const
{
    return GetSdlVideo().IsSoftware();
}

// ---------------------------------------------------------------------------
// Display

void D3DEngine::ReadConfig(bool& windowed, bool ignoreSafeMode, bool forceWindowed, bool& forceFallback)
{
    windowed = forceWindowed || IniFile::ReadInt(configPath_, "config", "IsWindowed", 0) != 0;
    if (IniFile::ReadInt(configPath_, "config", "UseRGB", 0) != 0)
        Log("Using RGB renderer");
    if (!ignoreSafeMode && IniFile::ReadInt(configPath_, "config", "SafeMode", 0) != 0) {
        windowed = true;
        Log("Forcing to safe mode, fullscreen not stable");
    }
    forceFallback = IniFile::ReadInt(configPath_, "config", "ForceFallback", 0) != 0;
}

bool D3DEngine::Init(SDL_Window* window, int width, int height, int colourDepth, bool ignoreSafeMode,
                     bool forceWindowed)
{
    if (initialised_)
        Release();
    Log("Initialising Direct Draw");
    bool forceFallback = false;
    ReadConfig(windowed_, ignoreSafeMode, forceWindowed, forceFallback);
    Log(windowed_ ? "Attempting windowed mode" : "Attempting fullscreen mode");
    width_ = width;
    height_ = height;
    Log("Creating Context at " + NumberText::FormatInt(width) + " " + NumberText::FormatInt(height) + " " +
        NumberText::FormatInt(colourDepth));

    // 16 bits only when asked for (or forced by a 16-bit desktop); anything
    // else runs at 32.
    depthInUse_ = colourDepth == 16 ? 16 : 32;
    if (SdlVideo::DesktopDepth() == 16 && depthInUse_ == 32) {
        Log("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit");
        depthInUse_ = 16;
    }

    SdlVideo& video = GetSdlVideo();
    if (!window || window != video.Window()) {
        Log("NULL window handle");
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool headless = driver && (std::string(driver) == "offscreen" || std::string(driver) == "dummy");
    SdlVideo::RendererKind kind = SdlVideo::RendererKind::Accelerated;
    if (forceFallback) {
        Log("Forcing Fallback Init");
        kind = SdlVideo::RendererKind::Software;
    }
    if (forceSoftware_ || headless)
        kind = SdlVideo::RendererKind::Software;

    if (!video.CreateRenderer(width, height, !windowed_, kind)) {
        Log("CreateRenderer failed: " + video.LastError());
        return false;
    }
    Log("context created");

    g_ScreenWidth = static_cast<float>(width);
    g_ScreenHeight = static_cast<float>(height);
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(video.Renderer(), &info) == 0)
        Log(std::string("Driver: ") + info.name);

    initialised_ = true;
    bound_ = nullptr;
    currentName_.clear();
    pointFiltering_ = false;
    g_inScene = false;
    return true;
}

void D3DEngine::Release()
{
    if (!initialised_) {
        Log("Engine already released");
        return;
    }
    Log("Release D3DEngine");
    if (framesPresented_ > 0.0f)
        Log("Redundant calls/frame = " + NumberText::FormatFixed(redundantCalls_ / framesPresented_, 6));
    DropTextures();
    GetSdlVideo().DestroyRenderer();
    initialised_ = false;
    g_inScene = false;
}

void D3DEngine::DropTextures()
{
    for (auto& record : textures_) {
        if (record->texture)
            SDL_DestroyTexture(record->texture);
    }
    textures_.clear();
    reportedMissing_.clear();
    bound_ = nullptr;
    currentName_.clear();
    DebugLog::Write("Clearing textured sprites");
    for (CTexturedSprite* sprite : CTexturedSprite::Instances())
        sprite->ForgetTexture();
    for (SmartTexture* texture : SmartTexture::Instances())
        texture->Forget();
}

void D3DEngine::RestoreSurfaces()
{
    for (GVertexBuffer* buffer : GVertexBuffer::Instances())
        buffer->Restore();
    SmartTexture::ResolveAll();
}

// ---------------------------------------------------------------------------
// Frames

void D3DEngine::BeginRender()
{
    if (g_inScene || !initialised_)
        return;
    SDL_Renderer* renderer = GetSdlVideo().Renderer();
    SDL_SetRenderTarget(renderer, GetSdlVideo().Target());
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    bound_ = nullptr;
    pointFiltering_ = false;
    g_inScene = true;
    ++scenes_;
}

void D3DEngine::EndScene()
{
    if (g_inScene)
        g_inScene = false;
    currentName_.clear();
}

void D3DEngine::Present()
{
    if (!initialised_)
        return;
    GetSdlVideo().Present();
    scenes_ = 0;
    framesPresented_ += 1.0f;
}

void D3DEngine::Clear(uint32_t argb)
{
    if (!initialised_)
        return;
    SDL_Renderer* renderer = GetSdlVideo().Renderer();
    const SDL_Color c = ToSdlColour(argb);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SDL_RenderClear(renderer);
}

// ---------------------------------------------------------------------------
// Log and errors

void D3DEngine::SetLogPath(const std::string& path)
{
    if (logFile_)
        std::fclose(logFile_);
    logFile_ = nullptr;
    logTried_ = false;
    logPath_ = path;
}

void D3DEngine::Log(const std::string& text)
{
    if (!logFile_ && !logTried_) {
        logTried_ = true;
        logFile_ = std::fopen(logPath_.c_str(), "w");
    }
    if (logFile_) {
        std::fputs(text.c_str(), logFile_);
        std::fputc('\n', logFile_);
        std::fflush(logFile_);
    }
}

void D3DEngine::ReportError(int code, const std::string& functionName)
{
    Log(functionName);
    const std::string decoded = code == 0 ? std::string(SDL_GetError()).substr(0, 128) : "error " + NumberText::FormatInt(code);
    Log(decoded);
    if (errorBoxShown_)
        return;
    errorBoxShown_ = true;
    if (errorBox_)
        errorBox_("D3DEngine Error",
                  "Please check publishers website for tech support Details: [" + functionName + "] ");
}

// ---------------------------------------------------------------------------
// Textures

namespace {

bool IsHiddenName(const std::string& name)
{
    return !name.empty() && name[0] == '.';
}

void AddFolderTree(std::vector<std::string>& folders, const std::filesystem::path& folder)
{
    folders.push_back(folder.generic_string());
    std::vector<std::filesystem::path> children;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !IsHiddenName(it->path().filename().string()))
            children.push_back(it->path());
    }
    std::sort(children.begin(), children.end());
    for (const auto& child : children)
        AddFolderTree(folders, child);
}

}  // namespace

void D3DEngine::AddTextureFolder(const std::string& path)
{
    AddFolderTree(folders_, std::filesystem::path(path));
}

void D3DEngine::AddModTextureFolder(const std::string& path)
{
    folders_.push_back(path);
}

TextureRecord* D3DEngine::FindLoaded(const std::string& name)
{
    const std::string key = Lower(name);
    for (auto& record : textures_) {
        if (Lower(record->name) == key)
            return record.get();
    }
    return nullptr;
}

TextureRecord* D3DEngine::GetTexture(const std::string& name)
{
    if (!initialised_ || name.empty())
        return nullptr;
    if (TextureRecord* found = FindLoaded(name))
        return found;
    return LoadFromFolders(name);
}

TextureRecord* D3DEngine::LoadFromFolders(const std::string& name)
{
    const std::string key = Lower(name);
    for (const std::string& folder : folders_) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec) || Lower(it->path().filename().string()) != key)
                continue;
            std::unique_ptr<TextureRecord> record = LoadFile(name, it->path().generic_string());
            if (!record)
                continue;
            textures_.push_back(std::move(record));
            Log(name);
            return textures_.back().get();
        }
    }
    // Nowhere to be found: say so once and stand a checker in for it, so the
    // folders are not searched again at every frame.
    if (!reportedMissing_[key]) {
        reportedMissing_[key] = true;
        Log("Failed to create texture on demand");
        Log("Failed to locate texture: " + name);
        DebugLog::Write("Failed to locate texture: " + name);
    }
    textures_.push_back(MakePlaceholder(name));
    return textures_.back().get();
}

namespace {

// Loads any image FreeImage reads as 32-bit BGRA (ARGB words), top row first.
// Images without alpha come out opaque; greyscale and paletted images are expanded.
bool LoadImage32(const std::string& path, bool quantise565, std::vector<uint32_t>& pixels, int& width, int& height)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return false;
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (!loaded)
        return false;
    if (quantise565) {
        // A 16-bit display keeps 5 bits of red and blue and 6 of green.
        FIBITMAP* reduced = FreeImage_ConvertTo16Bits565(loaded);
        if (reduced) {
            FreeImage_Unload(loaded);
            loaded = reduced;
        }
    }
    FIBITMAP* image = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!image)
        return false;
    width = static_cast<int>(FreeImage_GetWidth(image));
    height = static_cast<int>(FreeImage_GetHeight(image));
    pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        // FreeImage stores rows bottom-up.
        const auto* src = reinterpret_cast<const uint32_t*>(FreeImage_GetScanLine(image, height - 1 - y));
        std::copy(src, src + width, pixels.begin() + static_cast<size_t>(y) * width);
    }
    FreeImage_Unload(image);
    return width > 0 && height > 0;
}

bool IsJpegName(const std::string& name)
{
    const std::string lower = Lower(name);
    return lower.find(".jpg") != std::string::npos || lower.find(".jpeg") != std::string::npos;
}

SDL_Texture* MakeTexture(const std::vector<uint32_t>& pixels, int width, int height)
{
    SDL_Texture* texture = SDL_CreateTexture(GetSdlVideo().Renderer(), SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture)
        return nullptr;
    SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

}  // namespace

std::unique_ptr<TextureRecord> D3DEngine::LoadFile(const std::string& name, const std::string& path)
{
    const bool jpeg = IsJpegName(name);
    if (jpeg)
        Log("Creating JPG file");
    // JPEGs lose their low colour bits on a 16-bit display; the other formats
    // keep their alpha channel and are uploaded as they are.
    const bool quantise = jpeg && depthInUse_ == 16;
    if (quantise)
        Log("Converting JPG to 16 bits");
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!LoadImage32(path, quantise, pixels, width, height)) {
        Log("CreateTextureFromFile failed: " + path);
        return nullptr;
    }
    if (jpeg) {
        Log("JPG data is height: " + NumberText::FormatInt(height) + " width : " + NumberText::FormatInt(width));
        for (uint32_t& p : pixels)
            p |= 0xFF000000u;  // a JPEG is opaque
    }
    auto record = std::make_unique<TextureRecord>();
    record->name = name;
    record->path = path;
    record->width = width;
    record->height = height;
    record->texture = MakeTexture(pixels, width, height);
    if (!record->texture) {
        ReportError(0, "CreateTextureFromFile");
        return nullptr;
    }
    Log("Texture created : " + name);
    return record;
}

std::unique_ptr<TextureRecord> D3DEngine::MakePlaceholder(const std::string& name)
{
    constexpr int kSide = 16;
    std::vector<uint32_t> pixels(kSide * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            pixels[y * kSide + x] = ((x / 8) + (y / 8)) % 2 == 0 ? 0xFFFF00FFu : 0xFF000000u;
    auto record = std::make_unique<TextureRecord>();
    record->name = name;
    record->width = kSide;
    record->height = kSide;
    record->placeholder = true;
    record->texture = MakeTexture(pixels, kSide, kSide);
    return record;
}

std::vector<uint32_t> D3DEngine::ReadTexturePixels(const std::string& name, int& width, int& height)
{
    std::vector<uint32_t> pixels;
    width = height = 0;
    TextureRecord* record = GetTexture(name);
    if (!record || record->placeholder || !LoadImage32(record->path, false, pixels, width, height)) {
        width = height = 0;
        pixels.clear();
    }
    return pixels;
}

void D3DEngine::SetTexture(const std::string& name)
{
    if (!initialised_)
        return;
    BeginRender();
    if (!currentName_.empty() && name == currentName_) {
        redundantCalls_ += 1.0f;
        return;
    }
    bound_ = GetTexture(name);
    currentName_ = bound_ ? name : std::string();
}

void D3DEngine::SetTexture(TextureRecord* texture)
{
    if (!initialised_)
        return;
    BeginRender();
    bound_ = texture;
    currentName_.clear();
}

void D3DEngine::SetPointFiltering()
{
    pointFiltering_ = true;
}

void D3DEngine::SetLinearFiltering()
{
    pointFiltering_ = false;
}

void D3DEngine::ApplyFilter(TextureRecord* texture)
{
    const int wanted = pointFiltering_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear;
    if (texture->scaleMode == wanted)
        return;
    // SDL reads a texture's scale mode when it flushes its batch, so whatever is
    // queued with the old mode must go out first.
    SDL_RenderFlush(GetSdlVideo().Renderer());
    SDL_SetTextureScaleMode(texture->texture, static_cast<SDL_ScaleMode>(wanted));
    texture->scaleMode = wanted;
}

// ---------------------------------------------------------------------------
// Drawing

void D3DEngine::DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                              bool untextured)
{
    if (!initialised_ || vertexCount <= 0 || indexCount <= 0)
        return;
    BeginRender();
    SDL_Texture* texture = nullptr;
    if (!untextured && bound_ && bound_->texture) {
        ApplyFilter(bound_);
        texture = bound_->texture;
    }
    std::vector<SDL_Vertex> converted(static_cast<size_t>(vertexCount));
    for (int i = 0; i < vertexCount; ++i)
        converted[i] = ToSdlVertex(vertices[i]);
    std::vector<int> index(indices, indices + indexCount);
    for (int& i : index)
        if (i >= vertexCount)
            i = 0;  // never let a stale index read past the vertices
    if (SDL_RenderGeometry(GetSdlVideo().Renderer(), texture, converted.data(), vertexCount, index.data(),
                           indexCount) != 0)
        ReportError(0, "DrawPrimitive");
}

void D3DEngine::DrawQuad(const TLVertex corners[4], bool untextured)
{
    if (!initialised_)
        return;
    BeginRender();
    SDL_Texture* texture = nullptr;
    if (!untextured && bound_ && bound_->texture) {
        ApplyFilter(bound_);
        texture = bound_->texture;
    }
    if (GetSdlVideo().IsSoftware() && !IsBlittable(corners)) {
        if (!texture && corners[0].diffuse == corners[1].diffuse && corners[0].diffuse == corners[2].diffuse &&
            corners[0].diffuse == corners[3].diffuse)
            FillSpans(corners);
        else
            DrawSubdivided(corners, texture);
        return;
    }
    SDL_Vertex v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = ToSdlVertex(corners[i]);
    // Two triangles sharing the top-left to bottom-right diagonal: the software
    // renderer recognises this shape as a rectangle when the four colours agree
    // and blits it instead of rasterising two triangles.
    static const int kIndices[6] = {0, 1, 3, 0, 3, 2};
    SDL_Renderer* renderer = GetSdlVideo().Renderer();
    const bool plainOpaque = !texture && AllOpaque(corners, 4);
    if (plainOpaque)
        SetPlainBlend(renderer, true);
    if (SDL_RenderGeometry(renderer, texture, v, 4, kIndices, 6) != 0)
        ReportError(0, "DrawPrimitive");
    if (plainOpaque)
        SetPlainBlend(renderer, false);
}

namespace {

constexpr float kSlantedPieceSide = 16.0f;
constexpr float kUprightPieceSide = 128.0f;
constexpr int kMaxPieces = 48;

float Length(const TLVertex& a, const TLVertex& b)
{
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

TLVertex Lerp(const TLVertex& a, const TLVertex& b, float t)
{
    auto mix = [t](uint32_t p, uint32_t q, int shift) {
        const float x = static_cast<float>((p >> shift) & 0xFF), y = static_cast<float>((q >> shift) & 0xFF);
        return static_cast<uint32_t>(std::lround(x + (y - x) * t)) << shift;
    };
    TLVertex out = a;
    out.x = a.x + (b.x - a.x) * t;
    out.y = a.y + (b.y - a.y) * t;
    out.u = a.u + (b.u - a.u) * t;
    out.v = a.v + (b.v - a.v) * t;
    out.diffuse = mix(a.diffuse, b.diffuse, 24) | mix(a.diffuse, b.diffuse, 16) | mix(a.diffuse, b.diffuse, 8) |
                  mix(a.diffuse, b.diffuse, 0);
    return out;
}

}  // namespace

// A slanted quad of one colour, filled row by row as one-pixel-high
// rectangles: the software renderer fills rectangles at the cost of their
// area, where its triangles cost their whole bounding box. A pixel is inside
// when its centre is, left and top edges included, right and bottom excluded.
void D3DEngine::FillSpans(const TLVertex corners[4])
{
    float xs[4], ys[4];
    const int order[4] = {0, 1, 3, 2};  // around the quad
    for (int i = 0; i < 4; ++i) {
        xs[i] = corners[order[i]].x + kPixelCentreShift;
        ys[i] = corners[order[i]].y + kPixelCentreShift;
    }
    const float minY = std::min({ys[0], ys[1], ys[2], ys[3]});
    const float maxY = std::max({ys[0], ys[1], ys[2], ys[3]});
    const int firstRow = std::max(0, static_cast<int>(std::ceil(minY - 0.5f)));
    const int endRow = std::min(height_, static_cast<int>(std::ceil(maxY - 0.5f)));
    std::vector<SDL_Rect>& rects = spanRects_;
    rects.clear();
    for (int row = firstRow; row < endRow; ++row) {
        const float cy = static_cast<float>(row) + 0.5f;
        float left = 0.0f, right = 0.0f;
        bool any = false;
        for (int i = 0; i < 4; ++i) {
            const float x0 = xs[i], y0 = ys[i], x1 = xs[(i + 1) % 4], y1 = ys[(i + 1) % 4];
            if (y0 == y1 || cy < std::min(y0, y1) || cy >= std::max(y0, y1))
                continue;
            const float x = x0 + (cy - y0) * (x1 - x0) / (y1 - y0);
            left = any ? std::min(left, x) : x;
            right = any ? std::max(right, x) : x;
            any = true;
        }
        if (!any)
            continue;
        const int firstColumn = std::max(0, static_cast<int>(std::ceil(left - 0.5f)));
        const int endColumn = std::min(width_, static_cast<int>(std::ceil(right - 0.5f)));
        if (endColumn > firstColumn)
            rects.push_back(SDL_Rect{firstColumn, row, endColumn - firstColumn, 1});
    }
    if (rects.empty())
        return;
    SDL_Renderer* renderer = GetSdlVideo().Renderer();
    const SDL_Color c = ToSdlColour(corners[0].diffuse);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
    SetPlainBlend(renderer, c.a == 0xFF);
    if (SDL_RenderFillRects(renderer, rects.data(), static_cast<int>(rects.size())) != 0)
        ReportError(0, "DrawPrimitive");
    SetPlainBlend(renderer, false);
}

// The software renderer blits a quad that is an upright rectangle in one colour.
bool D3DEngine::IsBlittable(const TLVertex corners[4])
{
    const bool oneColour = corners[0].diffuse == corners[1].diffuse && corners[0].diffuse == corners[2].diffuse &&
                           corners[0].diffuse == corners[3].diffuse;
    const bool upright = corners[0].y == corners[1].y && corners[2].y == corners[3].y && corners[0].x == corners[2].x &&
                         corners[1].x == corners[3].x;
    return oneColour && upright;
}

// The software renderer fills a triangle by testing every pixel of its
// bounding box, which makes long slanted bands (influence lines, rotated
// labels) many times dearer than their area; very large triangles over tall
// textures have also been seen to crash it. Cutting a slanted quad into pieces
// of at most 16 pixels a side (an upright one into pieces of 128), sharing
// their vertices so no seam shows, keeps both in check. Rotated sprites are
// parallelograms, for which this is exact.
void D3DEngine::DrawSubdivided(const TLVertex corners[4], SDL_Texture* texture)
{
    const float across = std::max(Length(corners[0], corners[1]), Length(corners[2], corners[3]));
    const float down = std::max(Length(corners[0], corners[2]), Length(corners[1], corners[3]));
    // An upright quad (a gradient, a tinted panel) fills its bounding box
    // anyway and is only cut to keep each triangle moderate.
    const bool upright = corners[0].y == corners[1].y && corners[0].x == corners[2].x;
    const float side = upright ? kUprightPieceSide : kSlantedPieceSide;
    const int nu = std::clamp(static_cast<int>(std::ceil(across / side)), 1, kMaxPieces);
    const int nv = std::clamp(static_cast<int>(std::ceil(down / side)), 1, kMaxPieces);
    std::vector<SDL_Vertex> grid;
    grid.reserve(static_cast<size_t>(nu + 1) * (nv + 1));
    for (int j = 0; j <= nv; ++j) {
        const float t = static_cast<float>(j) / static_cast<float>(nv);
        const TLVertex left = Lerp(corners[0], corners[2], t);
        const TLVertex right = Lerp(corners[1], corners[3], t);
        for (int i = 0; i <= nu; ++i)
            grid.push_back(ToSdlVertex(Lerp(left, right, static_cast<float>(i) / static_cast<float>(nu))));
    }
    std::vector<int> indices;
    indices.reserve(static_cast<size_t>(nu) * nv * 6);
    for (int j = 0; j < nv; ++j) {
        for (int i = 0; i < nu; ++i) {
            const int tl = j * (nu + 1) + i, tr = tl + 1, bl = tl + nu + 1, br = bl + 1;
            for (int index : {tl, tr, br, tl, br, bl})
                indices.push_back(index);
        }
    }
    if (SDL_RenderGeometry(GetSdlVideo().Renderer(), texture, grid.data(), static_cast<int>(grid.size()),
                           indices.data(), static_cast<int>(indices.size())) != 0)
        ReportError(0, "DrawPrimitive");
}

namespace {

void SetCorners(TLVertex corners[4], float left, float top, float right, float bottom)
{
    corners[0].x = left, corners[0].y = top;
    corners[1].x = right, corners[1].y = top;
    corners[2].x = left, corners[2].y = bottom;
    corners[3].x = right, corners[3].y = bottom;
}

}  // namespace

void D3DEngine::FillRect(const GRect& rect, uint32_t colour)
{
    TLVertex corners[4];
    SetCorners(corners, rect.left - 0.5f, rect.top - 0.5f, rect.right - 0.5f, rect.bottom - 0.5f);
    for (auto& v : corners)
        v.diffuse = colour;
    DrawQuad(corners, true);
}

void D3DEngine::GradientRect(const GRect& rect, uint32_t leftColour, uint32_t rightColour)
{
    if (initialised_ && GetSdlVideo().IsSoftware() && leftColour != rightColour && rect.right > rect.left) {
        // Columns of one colour each: the software renderer fills rectangles
        // far faster than it shades triangles.
        BeginRender();
        SDL_Renderer* renderer = GetSdlVideo().Renderer();
        SetPlainBlend(renderer, (leftColour >> 24) == 0xFF && (rightColour >> 24) == 0xFF);
        const float span = static_cast<float>(rect.right - rect.left);
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
            const float t = (static_cast<float>(x - rect.left) + 0.5f) / span;
            uint32_t colour = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const float a = static_cast<float>((leftColour >> shift) & 0xFF);
                const float b = static_cast<float>((rightColour >> shift) & 0xFF);
                colour |= static_cast<uint32_t>(std::lround(a + (b - a) * t)) << shift;
            }
            const SDL_Color c = ToSdlColour(colour);
            SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
            const SDL_Rect column{x, rect.top, 1, rect.bottom - rect.top};
            SDL_RenderFillRect(renderer, &column);
        }
        SetPlainBlend(renderer, false);
        return;
    }
    TLVertex corners[4];
    SetCorners(corners, rect.left - 0.5f, rect.top - 0.5f, rect.right - 0.5f, rect.bottom - 0.5f);
    corners[0].diffuse = corners[2].diffuse = leftColour;
    corners[1].diffuse = corners[3].diffuse = rightColour;
    DrawQuad(corners, true);
}

// A one-pixel line as a thin parallelogram, one pixel thick across its main
// direction: it lights one pixel per step from the first point up to, not
// including, the last one, like a hardware line, and it blends and batches
// with everything else.
void D3DEngine::DrawLineSegment(float x1, float y1, float x2, float y2, uint32_t colour)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (dx == 0.0f && dy == 0.0f)
        return;
    TLVertex corners[4];
    for (auto& v : corners)
        v.diffuse = colour;
    const bool mostlyHorizontal = std::fabs(dx) >= std::fabs(dy);
    // Pixels are taken over [start, end) along the main direction; a line
    // drawn backwards takes (end, start], so it still lights its first point.
    if (mostlyHorizontal) {
        const float slope = dy / dx;
        float a = x1, b = x2;
        if (dx < 0.0f) {
            a = x2 + 1.0f;
            b = x1 + 1.0f;
        }
        const float ya = y1 + (a - x1) * slope;
        const float yb = y1 + (b - x1) * slope;
        corners[0].x = a - 0.5f, corners[0].y = ya - 0.5f;
        corners[1].x = b - 0.5f, corners[1].y = yb - 0.5f;
        corners[2].x = a - 0.5f, corners[2].y = ya + 0.5f;
        corners[3].x = b - 0.5f, corners[3].y = yb + 0.5f;
    } else {
        const float slope = dx / dy;
        float a = y1, b = y2;
        if (dy < 0.0f) {
            a = y2 + 1.0f;
            b = y1 + 1.0f;
        }
        const float xa = x1 + (a - y1) * slope;
        const float xb = x1 + (b - y1) * slope;
        corners[0].x = xa - 0.5f, corners[0].y = a - 0.5f;
        corners[1].x = xa + 0.5f, corners[1].y = a - 0.5f;
        corners[2].x = xb - 0.5f, corners[2].y = b - 0.5f;
        corners[3].x = xb + 0.5f, corners[3].y = b - 0.5f;
    }
    DrawQuad(corners, true);
}

void D3DEngine::DrawLine(float x1, float y1, float x2, float y2, uint32_t colour)
{
    DrawLineSegment(x1, y1, x2, y2, colour);
}

void D3DEngine::DrawRect(const GRect& rect, uint32_t colour)
{
    const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
    const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
    DrawLineSegment(l, t, r, t, colour);
    DrawLineSegment(r, t, r, b, colour);
    DrawLineSegment(r, b, l, b, colour);
    DrawLineSegment(l, b, l, t, colour);
}

void D3DEngine::DrawRoundedRect(const GRect& rect, uint32_t colour)
{
    const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
    const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
    const GPoint points[9] = {{l + 2, t}, {r - 2, t}, {r, t + 2}, {r, b - 2}, {r - 2, b},
                              {l + 2, b}, {l, b - 2}, {l, t + 2}, {l + 2, t}};
    for (int i = 0; i < 8; ++i)
        DrawLineSegment(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, colour);
}

void D3DEngine::DrawSpriteOutline(const BaseSprite& sprite, uint32_t colour)
{
    const TLVertex* v = sprite.Vertices();
    // Around the quad: top-left, top-right, bottom-right, bottom-left.
    const int order[5] = {0, 1, 3, 2, 0};
    for (int i = 0; i < 4; ++i)
        DrawLineSegment(v[order[i]].x, v[order[i]].y, v[order[i + 1]].x, v[order[i + 1]].y, colour);
}

void D3DEngine::FillSpriteRect(const BaseSprite& sprite, uint32_t colour)
{
    const TLVertex* v = sprite.Vertices();
    FillRect(GRect{static_cast<int>(v[0].x), static_cast<int>(v[0].y), static_cast<int>(v[3].x),
                   static_cast<int>(v[3].y)},
             colour);
}

void D3DEngine::DrawThickPolyline(const GPoint* points, int count, uint32_t colour, float width)
{
    if (!points || count < 2)
        return;
    const float half = width * 0.5f;
    for (int i = 0; i + 1 < count; ++i) {
        const GPoint& a = points[i];
        const GPoint& b = points[i + 1];
        const float angle = (Bearing(a.x, a.y, b.x, b.y) - 90.0f) * kDegreesToRadians;
        // Bearing less 90 degrees is the segment's direction; offset across it.
        const float ox = -std::sin(angle) * half;
        const float oy = std::cos(angle) * half;
        TLVertex corners[4];
        corners[0].x = a.x + ox, corners[0].y = a.y + oy;
        corners[1].x = b.x + ox, corners[1].y = b.y + oy;
        corners[2].x = a.x - ox, corners[2].y = a.y - oy;
        corners[3].x = b.x - ox, corners[3].y = b.y - oy;
        for (auto& v : corners)
            v.diffuse = colour;
        DrawQuad(corners, true);
    }
}

void D3DEngine::DrawBackground(SmartTexture& texture, float u, float v)
{
    TLVertex corners[4];
    SetCorners(corners, 0.0f, 0.0f, g_ScreenWidth, g_ScreenHeight);
    corners[1].u = u;
    corners[2].v = v;
    corners[3].u = u;
    corners[3].v = v;
    texture.Bind();
    DrawQuad(corners);
}

// ---------------------------------------------------------------------------
// Geometry

float Distance(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

float Bearing(float x1, float y1, float x2, float y2)
{
    float result = (std::atan2(y2 - y1, x2 - x1) + 3.1415927f) * 57.2957763671875f - 90.0f;
    if (result < 0.0f)
        result += 360.0f;
    return result;
}
