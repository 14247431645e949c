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
#include "engine/TLVertex.h"
#include "engine/TextureRecord.h"

struct SDL_Window;
struct SDL_Texture;
struct SDL_Rect;
class BaseSprite;
class SmartTexture;

// The game's only drawing surface: a 2D renderer of pre-transformed, alpha
// blended coloured and textured triangles over SDL_Renderer (see
// platform/sdl/SdlVideo.h for the window and the letterboxing).
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
//
// Vertices follow the pre-transformed layout with pixel centres on whole
// numbers; SDL samples at half-integers, so every vertex is moved by half a
// pixel on its way down. In the software renderer, quads that are upright
// rectangles of one colour are blitted, slanted plain quads are filled row by
// row and slanted textured quads are drawn in small pieces (see DrawQuad).
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
    bool Init(SDL_Window* window, int width, int height, int colourDepth, bool ignoreSafeMode, bool forceWindowed);
    void Release();  // safe to call twice
    void OnMove() {}
    void DropTextures();
    void RestoreSurfaces();

    // Where Init reads its switches (tests point it elsewhere).
    void SetConfigPath(const std::string& path) { configPath_ = path; }
    // Always use SDL's software renderer (tests and benchmarks). Init also picks it
    // on SDL's offscreen and dummy video drivers and when "ForceFallback" is set.
    void ForceSoftwareRenderer(bool force) { forceSoftware_ = force; }
    // Shows the one engine error box of a run; the shell installs a message box.
    using ErrorBox = std::function<void(const std::string& caption, const std::string& text)>;
    void SetErrorBoxHandler(ErrorBox handler) { errorBox_ = std::move(handler); }

    bool IsInitialised() const { return initialised_; }
    bool IsWindowed() const { return windowed_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int ColourDepth() const { return depthInUse_; }  // 16 or 32
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
    const std::vector<std::string>& TextureFolders() const { return folders_; }
    void ClearTextureFolders() { folders_.clear(); }
    void SetTexture(const std::string& name);
    TextureRecord* GetTexture(const std::string& name);
    void SetTexture(TextureRecord* texture);
    TextureRecord* BoundTexture() const { return bound_; }
    void SetPointFiltering();
    void SetLinearFiltering();
    bool IsPointFiltering() const { return pointFiltering_; }
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

    // The primitives the above and the sprites use: a quad given top-left,
    // top-right, bottom-left, bottom-right, and an indexed triangle list, both
    // with the bound texture (or none when untextured is true).
    void DrawQuad(const TLVertex corners[4], bool untextured = false);
    void DrawTriangles(const TLVertex* vertices, int vertexCount, const uint16_t* indices, int indexCount,
                       bool untextured = false);

    // ---- Statistics ----------------------------------------------------------
    float RedundantTextureCalls() const { return redundantCalls_; }
    float FramesPresented() const { return framesPresented_; }
    int ScenesThisFrame() const { return scenes_; }
    int LoadedTextureCount() const { return static_cast<int>(textures_.size()); }

private:
    void ReadConfig(bool& windowed, bool ignoreSafeMode, bool forceWindowed, bool& forceFallback);
    TextureRecord* FindLoaded(const std::string& name);
    TextureRecord* LoadFromFolders(const std::string& name);
    std::unique_ptr<TextureRecord> LoadFile(const std::string& name, const std::string& path);
    std::unique_ptr<TextureRecord> MakePlaceholder(const std::string& name);
    void ApplyFilter(TextureRecord* texture);
    void DrawLineSegment(float x1, float y1, float x2, float y2, uint32_t colour);
    static bool IsBlittable(const TLVertex corners[4]);
    void DrawSubdivided(const TLVertex corners[4], SDL_Texture* texture);
    void FillSpans(const TLVertex corners[4]);

    bool initialised_ = false;
    bool windowed_ = true;
    bool forceSoftware_ = false;
    int width_ = 0;
    int height_ = 0;
    int depthInUse_ = 32;
    int scenes_ = 0;
    std::vector<std::string> folders_;
    std::vector<std::unique_ptr<TextureRecord>> textures_;
    std::map<std::string, bool> reportedMissing_;  // lower-case names already logged
    TextureRecord* bound_ = nullptr;
    std::string currentName_;
    bool pointFiltering_ = false;
    float redundantCalls_ = 0.0f;
    float framesPresented_ = 0.0f;
    bool errorBoxShown_ = false;
    ErrorBox errorBox_;
    std::string configPath_ = "data/config.muf";
    std::string logPath_ = "debugdata/drawdebug.txt";
    FILE* logFile_ = nullptr;
    bool logTried_ = false;
    std::vector<SDL_Rect> spanRects_;  // reused by FillSpans
};

// The renderer singleton.
D3DEngine& GetD3DEngine();

// The display mode's size, published by D3DEngine::Init; interface code reads them.
extern float g_ScreenWidth;
extern float g_ScreenHeight;

// Geometry helpers of the interface.
float Distance(float x1, float y1, float x2, float y2);
float Bearing(float x1, float y1, float x2, float y2);  // degrees, 0..360
