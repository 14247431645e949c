#include "engine/D3DEngine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/DebugLog.h"
#include "engine/GVertexBuffer.h"
#include "engine/SmartTexture.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/sdl/ImageLoader.h"
#include "platform/sdl/SdlRenderer.h"
#include "platform/sdl/SdlVideo.h"

float g_ScreenWidth = 0.0f;
float g_ScreenHeight = 0.0f;

namespace {

bool g_inScene = false;

constexpr float kDegreesToRadians = 0.01745329238474369f;

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
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
    // At process exit the video layer may already be gone and other singletons with it:
    // the shell releases the engine in its shutdown, what is left goes with the process.
    if (mLogFile)
        std::fclose(mLogFile);
}

bool D3DEngine::IsSoftware() const
{
    return GetSdlVideo().IsSoftware();
}

// ---------------------------------------------------------------------------
// Display

void D3DEngine::ReadConfig(bool& windowed, bool ignoreSafeMode, bool forceWindowed, bool& forceFallback)
{
    windowed = forceWindowed || IniFile::ReadInt(mConfigPath, "config", "IsWindowed", 0) != 0;
    if (IniFile::ReadInt(mConfigPath, "config", "UseRGB", 0) != 0)
        Log("Using RGB renderer");
    if (!ignoreSafeMode && IniFile::ReadInt(mConfigPath, "config", "SafeMode", 0) != 0) {
        windowed = true;
        Log("Forcing to safe mode, fullscreen not stable");
    }
    forceFallback = IniFile::ReadInt(mConfigPath, "config", "ForceFallback", 0) != 0;
}

bool D3DEngine::Init(PlatformWindow window, int width, int height, int colourDepth, bool ignoreSafeMode,
                     bool forceWindowed)
{
    if (mInitialised)
        Release();
    Log("Initialising Direct Draw");
    bool forceFallback = false;
    ReadConfig(mWindowed, ignoreSafeMode, forceWindowed, forceFallback);
    Log(mWindowed ? "Attempting windowed mode" : "Attempting fullscreen mode");
    mWidth = width;
    mHeight = height;
    Log("Creating Context at " + NumberText::FormatInt(width) + " " + NumberText::FormatInt(height) + " " +
        NumberText::FormatInt(colourDepth));

    // 16 bits only when asked for (or forced by a 16-bit desktop); anything
    // else runs at 32.
    mDepthInUse = colourDepth == 16 ? 16 : 32;
    if (SdlVideo::DesktopDepth() == 16 && mDepthInUse == 32) {
        Log("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit");
        mDepthInUse = 16;
    }

    SdlVideo& video = GetSdlVideo();
    video.SetLogWriter(&DebugLog::Write);
    if (!window || window != video.Window()) {
        Log("NULL window handle");
        return false;
    }
    const bool headless = SdlRenderer::IsHeadlessDriver();
    SdlVideo::RendererKind kind = SdlVideo::RendererKind::Accelerated;
    if (forceFallback) {
        Log("Forcing Fallback Init");
        kind = SdlVideo::RendererKind::Software;
    }
    if (mForceSoftware || headless)
        kind = SdlVideo::RendererKind::Software;

    if (!video.CreateRenderer(width, height, !mWindowed, kind)) {
        Log("CreateRenderer failed: " + video.LastError());
        return false;
    }
    Log("context created");

    g_ScreenWidth = static_cast<float>(width);
    g_ScreenHeight = static_cast<float>(height);
    const std::string driver = SdlRenderer::DriverName();
    if (!driver.empty())
        Log("Driver: " + driver);

    mInitialised = true;
    mBound = nullptr;
    mCurrentName.clear();
    mPointFiltering = false;
    g_inScene = false;
    return true;
}

void D3DEngine::Release()
{
    if (!mInitialised) {
        Log("Engine already released");
        return;
    }
    Log("Release D3DEngine");
    if (mFramesPresented > 0.0f)
        Log("Redundant calls/frame = " + NumberText::FormatFixed(mRedundantCalls / mFramesPresented, 6));
    DropTextures();
    GetSdlVideo().DestroyRenderer();
    mInitialised = false;
    g_inScene = false;
}

void D3DEngine::DropTextures()
{
    for (auto& record : mTextures) {
        SdlRenderer::DestroyTexture(record->texture);
    }
    mTextures.clear();
    mReportedMissing.clear();
    mBound = nullptr;
    mCurrentName.clear();
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
    if (g_inScene || !mInitialised)
        return;
    SdlRenderer::BeginScene();
    mBound = nullptr;
    mPointFiltering = false;
    g_inScene = true;
    ++mScenes;
}

void D3DEngine::EndScene()
{
    if (g_inScene)
        g_inScene = false;
    mCurrentName.clear();
}

void D3DEngine::Present()
{
    if (!mInitialised)
        return;
    GetSdlVideo().Present();
    mScenes = 0;
    mFramesPresented += 1.0f;
}

void D3DEngine::Clear(uint32_t argb)
{
    if (!mInitialised)
        return;
    SdlRenderer::Clear(argb);
}

// ---------------------------------------------------------------------------
// Log and errors

void D3DEngine::SetLogPath(const std::string& path)
{
    if (mLogFile)
        std::fclose(mLogFile);
    mLogFile = nullptr;
    mLogTried = false;
    mLogPath = path;
}

void D3DEngine::Log(const std::string& text)
{
    if (!mLogFile && !mLogTried) {
        mLogTried = true;
        mLogFile = std::fopen(mLogPath.c_str(), "w");
    }
    if (mLogFile) {
        std::fputs(text.c_str(), mLogFile);
        std::fputc('\n', mLogFile);
        std::fflush(mLogFile);
    }
}

void D3DEngine::ReportError(int code, const std::string& functionName)
{
    Log(functionName);
    const std::string decoded = code == 0 ? SdlRenderer::LastError() : "error " + NumberText::FormatInt(code);
    Log(decoded);
    if (mErrorBoxShown)
        return;
    mErrorBoxShown = true;
    if (mErrorBox)
        mErrorBox("D3DEngine Error",
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
    AddFolderTree(mFolders, std::filesystem::path(path));
}

void D3DEngine::AddModTextureFolder(const std::string& path)
{
    mFolders.push_back(path);
}

TextureRecord* D3DEngine::FindLoaded(const std::string& name)
{
    const std::string key = Lower(name);
    for (auto& record : mTextures) {
        if (Lower(record->name) == key)
            return record.get();
    }
    return nullptr;
}

TextureRecord* D3DEngine::GetTexture(const std::string& name)
{
    if (!mInitialised || name.empty())
        return nullptr;
    if (TextureRecord* found = FindLoaded(name))
        return found;
    return LoadFromFolders(name);
}

TextureRecord* D3DEngine::LoadFromFolders(const std::string& name)
{
    const std::string key = Lower(name);
    for (const std::string& folder : mFolders) {
        std::error_code ec;
        for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec) || Lower(it->path().filename().string()) != key)
                continue;
            std::unique_ptr<TextureRecord> record = LoadFile(name, it->path().generic_string());
            if (!record)
                continue;
            mTextures.push_back(std::move(record));
            Log(name);
            return mTextures.back().get();
        }
    }
    // Nowhere to be found: say so once and stand a checker in for it, so the
    // folders are not searched again at every frame.
    if (!mReportedMissing[key]) {
        mReportedMissing[key] = true;
        Log("Failed to create texture on demand");
        Log("Failed to locate texture: " + name);
        DebugLog::Write("Failed to locate texture: " + name);
        // The log may be off; whoever broke the data should still hear of it.
        std::fprintf(stderr, "missing texture %s: in no texture folder; a checker pattern stands in\n", name.c_str());
    }
    mTextures.push_back(MakePlaceholder(name));
    return mTextures.back().get();
}

namespace {

bool IsJpegName(const std::string& name)
{
    const std::string lower = Lower(name);
    return lower.find(".jpg") != std::string::npos || lower.find(".jpeg") != std::string::npos;
}

}  // namespace

std::unique_ptr<TextureRecord> D3DEngine::LoadFile(const std::string& name, const std::string& path)
{
    const bool jpeg = IsJpegName(name);
    if (jpeg)
        Log("Creating JPG file");
    // JPEGs lose their low colour bits on a 16-bit display; the other formats
    // keep their alpha channel and are uploaded as they are.
    const bool quantise = jpeg && mDepthInUse == 16;
    if (quantise)
        Log("Converting JPG to 16 bits");
    LoadedImage image;
    if (!ImageLoader::Load(path, quantise, image)) {
        Log("CreateTextureFromFile failed: " + path);
        return nullptr;
    }
    if (jpeg) {
        Log("JPG data is height: " + NumberText::FormatInt(image.height) + " width : " +
            NumberText::FormatInt(image.width));
        for (uint32_t& p : image.argb)
            p |= 0xFF000000u;  // a JPEG is opaque
    }
    auto record = std::make_unique<TextureRecord>();
    record->name = name;
    record->path = path;
    record->width = image.width;
    record->height = image.height;
    record->texture = SdlRenderer::CreateTexture(image.argb, image.width, image.height);
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
    record->texture = SdlRenderer::CreateTexture(pixels, kSide, kSide);
    return record;
}

std::vector<uint32_t> D3DEngine::ReadTexturePixels(const std::string& name, int& width, int& height)
{
    width = height = 0;
    TextureRecord* record = GetTexture(name);
    LoadedImage image;
    if (!record || record->placeholder || !ImageLoader::Load(record->path, false, image))
        return {};
    width = image.width;
    height = image.height;
    return std::move(image.argb);
}

void D3DEngine::SetTexture(const std::string& name)
{
    if (!mInitialised)
        return;
    BeginRender();
    if (!mCurrentName.empty() && name == mCurrentName) {
        mRedundantCalls += 1.0f;
        return;
    }
    mBound = GetTexture(name);
    mCurrentName = mBound ? name : std::string();
}

void D3DEngine::SetTexture(TextureRecord* texture)
{
    if (!mInitialised)
        return;
    BeginRender();
    mBound = texture;
    mCurrentName.clear();
}

void D3DEngine::SetPointFiltering()
{
    mPointFiltering = true;
}

void D3DEngine::SetLinearFiltering()
{
    mPointFiltering = false;
}

void D3DEngine::ApplyFilter(TextureRecord* texture)
{
    const int wanted = mPointFiltering ? SdlRenderer::kPointFilter : SdlRenderer::kLinearFilter;
    if (texture->scaleMode == wanted)
        return;
    SdlRenderer::SetFilter(texture->texture, wanted);
    texture->scaleMode = wanted;
}

// ---------------------------------------------------------------------------
// Drawing

PlatformTexture D3DEngine::TextureToDrawWith(bool untextured)
{
    if (untextured || !mBound || !mBound->texture)
        return nullptr;
    ApplyFilter(mBound);
    return mBound->texture;
}

void D3DEngine::DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                              bool untextured)
{
    if (!mInitialised || vertexCount <= 0 || indexCount <= 0)
        return;
    BeginRender();
    if (!mRenderer.DrawTriangles(vertices, vertexCount, indices, indexCount, TextureToDrawWith(untextured)))
        ReportError(0, "DrawPrimitive");
}

void D3DEngine::SetClipRect(const GRect& rect)
{
    if (!mInitialised)
        return;
    BeginRender();
    SdlRenderer::SetClip(rect.left, rect.top, rect.right, rect.bottom);
}

void D3DEngine::ClearClipRect()
{
    if (mInitialised)
        SdlRenderer::ClearClip();
}

void D3DEngine::DrawQuad(const TLVertex corners[4], bool untextured)
{
    if (!mInitialised)
        return;
    BeginRender();
    if (!mRenderer.DrawQuad(corners, TextureToDrawWith(untextured)))
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
    if (mInitialised && leftColour != rightColour && rect.right > rect.left) {
        BeginRender();
        if (mRenderer.FillGradientColumns(rect.left, rect.top, rect.right, rect.bottom, leftColour, rightColour))
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
