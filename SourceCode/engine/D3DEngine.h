#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/GPoint.h"
#include "engine/GRect.h"
#include "engine/TextureRecord.h"
#include "platform/TLVertex.h"
#include "platform/sdl/SdlRenderer.h"
#include "platform/sdl/SdlVideo.h"

class BaseSprite;
class SmartTexture;

// The game's only drawing surface: a 2D renderer of pre-transformed, alpha
// blended coloured and textured triangles. The platform layer draws them
// (platform/sdl/SdlRenderer.h) and owns the window and the letterboxing
// (platform/sdl/SdlVideo.h); this class keeps the textures, the state of
// a frame and the shapes the interface draws.
//
// Textures are named by file name ("menu.jpg", "arial16.dds") and looked for,
// on first use, in the registered texture folders (data/bitmaps with its
// subfolders, then data/mods/bitmaps), matching names without regard to case.
// A texture that is nowhere to be found is logged once and drawn as a
// magenta and black checker (GetTexture returns that stand-in, marked
// placeholder, rather than null, so nothing searches the disk every frame).
//
// Every image is uploaded as 32-bit ARGB whatever its file holds (greyscale
// and paletted images are expanded, images without alpha are opaque). The
// display always runs at 32 bits; only when "ColorDepth" asks for 16 bits (or
// the desktop has 16) are JPEG pictures cut down to 5-6-5 colour first, which
// is where the lower depth showed: banding in photographs and backdrops.
class D3DEngine {
public:
    D3DEngine();
    ~D3DEngine();
    D3DEngine(const D3DEngine&) = delete;
    D3DEngine& operator=(const D3DEngine&) = delete;

    // ---- Display ------------------------------------------------------------
    // Creates the renderer on the window at a logical size of width x height,
    // reading the switches of section "config" of the config file
    // ("data/config.muf"). The shell passes ignoreSafeMode and forceWindowed false.
    bool Init(PlatformWindow window, int width, int height, int colourDepth, bool ignoreSafeMode, bool forceWindowed);
    void Release();  // safe to call twice
    void OnMove() {}
    void DropTextures();
    void RestoreSurfaces();

    // Where Init reads its switches (tests point it elsewhere).
    void SetConfigPath(const std::string& path) { mConfigPath = path; }
    // Always use the software renderer (tests and benchmarks). Init also picks it
    // on the headless video drivers and when "ForceFallback" is set.
    void ForceSoftwareRenderer(bool force) { mForceSoftware = force; }
    // Shows the one engine error box of a run; the shell installs a message box.
    using ErrorBox = std::function<void(const std::string& caption, const std::string& text)>;
    void SetErrorBoxHandler(ErrorBox handler) { mErrorBox = std::move(handler); }

    bool IsInitialised() const { return mInitialised; }
    bool IsWindowed() const { return mWindowed; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    int ColourDepth() const { return mDepthInUse; }  // 16 or 32
    bool IsSoftware() const;

    // ---- Frames ---------------------------------------------------------------
    void BeginRender();
    void EndScene();
    void Present();
    void Clear(uint32_t argb);

    // ---- Log and errors -------------------------------------------------------
    // Appends a line to "debugdata/drawdebug.txt" (only when the folder exists).
    void Log(const std::string& text);
    void SetLogPath(const std::string& path);
    void ReportError(int code, const std::string& functionName);

    // ---- Textures ---------------------------------------------------------------
    void AddTextureFolder(const std::string& path);     // with every subfolder
    void AddModTextureFolder(const std::string& path);  // this folder only
    const std::vector<std::string>& TextureFolders() const { return mFolders; }
    void ClearTextureFolders() { mFolders.clear(); }
    void SetTexture(const std::string& name);
    TextureRecord* GetTexture(const std::string& name);
    void SetTexture(TextureRecord* texture);
    TextureRecord* BoundTexture() const { return mBound; }
    void SetPointFiltering();
    void SetLinearFiltering();
    bool IsPointFiltering() const { return mPointFiltering; }
    // 32-bit ARGB pixels of a texture's file, top row first (the font metrics
    // generator reads glyph coverage from them). Empty when it cannot be read.
    std::vector<uint32_t> ReadTexturePixels(const std::string& name, int& width, int& height);

    // ---- Drawing (screen pixels) ---------------------------------------------
    void FillRect(const GRect& rect, uint32_t colour);
    void GradientRect(const GRect& rect, uint32_t leftColour, uint32_t rightColour);
    void DrawRect(const GRect& rect, uint32_t colour);
    void DrawRoundedRect(const GRect& rect, uint32_t colour);
    void DrawSpriteOutline(const BaseSprite& sprite, uint32_t colour);
    void FillSpriteRect(const BaseSprite& sprite, uint32_t colour);
    void DrawLine(float x1, float y1, float x2, float y2, uint32_t colour);
    void DrawThickPolyline(const GPoint* points, int count, uint32_t colour, float width);
    void DrawBackground(SmartTexture& texture, float u, float v);
    // Cuts everything drawn afterwards to the rectangle, until cleared (queued
    // text must be flushed first, or it is cut by whatever clip holds then).
    void SetClipRect(const GRect& rect);
    void ClearClipRect();

    // The primitives the above and the sprites use: a quad given top-left,
    // top-right, bottom-left, bottom-right, and an indexed triangle list, both
    // with the bound texture (or none when untextured is true).
    void DrawQuad(const TLVertex corners[4], bool untextured = false);
    void DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                       bool untextured = false);

    // ---- Statistics ----------------------------------------------------------
    float RedundantTextureCalls() const { return mRedundantCalls; }
    float FramesPresented() const { return mFramesPresented; }
    int ScenesThisFrame() const { return mScenes; }
    int LoadedTextureCount() const { return static_cast<int>(mTextures.size()); }

private:
    void ReadConfig(bool& windowed, bool ignoreSafeMode, bool forceWindowed, bool& forceFallback);
    TextureRecord* FindLoaded(const std::string& name);
    TextureRecord* LoadFromFolders(const std::string& name);
    std::unique_ptr<TextureRecord> LoadFile(const std::string& name, const std::string& path);
    std::unique_ptr<TextureRecord> MakePlaceholder(const std::string& name);
    void ApplyFilter(TextureRecord* texture);
    void DrawLineSegment(float x1, float y1, float x2, float y2, uint32_t colour);
    PlatformTexture TextureToDrawWith(bool untextured);

    bool mInitialised = false;
    bool mWindowed = true;
    bool mForceSoftware = false;
    int mWidth = 0;
    int mHeight = 0;
    int mDepthInUse = 32;
    int mScenes = 0;
    std::vector<std::string> mFolders;
    std::vector<std::unique_ptr<TextureRecord>> mTextures;
    std::map<std::string, bool> mReportedMissing;  // lower-case names already logged
    TextureRecord* mBound = nullptr;
    std::string mCurrentName;
    bool mPointFiltering = false;
    float mRedundantCalls = 0.0f;
    float mFramesPresented = 0.0f;
    bool mErrorBoxShown = false;
    ErrorBox mErrorBox;
    std::string mConfigPath = "data/config.muf";
    std::string mLogPath = "debugdata/drawdebug.txt";
    FILE* mLogFile = nullptr;
    bool mLogTried = false;
    SdlRenderer mRenderer;
};

// The renderer singleton.
D3DEngine& GetD3DEngine();

// The display mode's size, published by D3DEngine::Init; interface code reads them.
extern float g_ScreenWidth;
extern float g_ScreenHeight;

// Geometry helpers of the interface.
float Distance(float x1, float y1, float x2, float y2);
float Bearing(float x1, float y1, float x2, float y2);  // degrees, 0..360
