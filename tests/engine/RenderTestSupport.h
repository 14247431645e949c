#pragma once
// Helpers shared by the renderer and text tests: an offscreen window with the
// software renderer, images written with FreeImage, pixel read-back.
#include <FreeImage.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../core/TestSupport.h"
#include "engine/D3DEngine.h"
#include "platform/sdl/SdlVideo.h"

namespace rendertest {

struct Rgba {
    int r, g, b, a;
};
inline Rgba Split(uint32_t argb)
{
    return Rgba{static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                static_cast<int>(argb & 0xFF), static_cast<int>(argb >> 24)};
}

// True when every colour channel is within the tolerance.
inline bool Near(uint32_t actual, uint32_t expected, int tolerance = 3)
{
    const Rgba a = Split(actual), e = Split(expected);
    return std::abs(a.r - e.r) <= tolerance && std::abs(a.g - e.g) <= tolerance && std::abs(a.b - e.b) <= tolerance;
}

inline std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// A screen pixel and the colour (0xRRGGBB) expected there.
struct Probe {
    int x, y;
    uint32_t rgb;
};

// Writes a 32-bit image of ARGB pixels (top row first) in the format the file
// name's extension asks for.
inline void WriteImage(const std::string& path, int width, int height, const std::vector<uint32_t>& argb)
{
    FIBITMAP* image = FreeImage_Allocate(width, height, 32);
    for (int y = 0; y < height; ++y)
        std::copy_n(argb.begin() + static_cast<ptrdiff_t>(y) * width, width,
                    reinterpret_cast<uint32_t*>(FreeImage_GetScanLine(image, height - 1 - y)));
    ASSERT_TRUE(FreeImage_Save(FreeImage_GetFIFFromFilename(path.c_str()), image, path.c_str(), 0)) << path;
    FreeImage_Unload(image);
}

inline void WriteSolidImage(const std::string& path, int width, int height, uint32_t argb)
{
    WriteImage(path, width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, argb));
}

// An offscreen window and the engine on SDL's software renderer at a small
// logical size, with a fresh texture folder. Every test starts from a black frame.
class RenderFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;

    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        SdlVideo& video = GetSdlVideo();
        ASSERT_TRUE(video.CreateMainWindow("render test", kWidth, kHeight)) << video.LastError();
        bitmaps = dir.Path() + "/bitmaps";
        std::filesystem::create_directories(bitmaps);
        WriteText(dir.Path() + "/config.muf", "[config]\nIsWindowed=1\n");
        D3DEngine& engine = Engine();
        engine.SetConfigPath(dir.Path() + "/config.muf");
        engine.SetLogPath(dir.Path() + "/drawdebug.txt");
        engine.ForceSoftwareRenderer(true);
        ASSERT_TRUE(engine.Init(video.Window(), kWidth, kHeight, 32, false, false));
        engine.ClearTextureFolders();
        engine.AddTextureFolder(bitmaps);
        engine.BeginRender();
        engine.Clear(0xFF000000);
    }

    void TearDown() override
    {
        D3DEngine& engine = Engine();
        engine.EndScene();
        engine.Release();
        engine.ClearTextureFolders();
        engine.SetLogPath("debugdata/drawdebug.txt");
        engine.SetConfigPath("data/config.muf");
    }

    static D3DEngine& Engine() { return GetD3DEngine(); }
    // Reads the frame drawn so far.
    void Grab() { ASSERT_TRUE(GetSdlVideo().ReadLogicalPixels(frame)); }
    uint32_t At(int x, int y) const { return frame.at(static_cast<size_t>(y) * kWidth + x); }
    // Grabs the frame and checks every probe.
    void ExpectPixels(std::initializer_list<Probe> probes, int tolerance = 3)
    {
        Grab();
        for (const Probe& p : probes)
            EXPECT_TRUE(Near(At(p.x, p.y), p.rgb, tolerance)) << p.x << "," << p.y << " is " << Hex(At(p.x, p.y));
    }
    // A quad from (left, top) to (right, bottom) in the vertex layout, one colour.
    static void SetQuad(TLVertex corners[4], float left, float top, float right, float bottom, uint32_t argb)
    {
        for (int i = 0; i < 4; ++i) {
            corners[i].x = i % 2 ? right : left;
            corners[i].y = i / 2 ? bottom : top;
            corners[i].u = static_cast<float>(i % 2);
            corners[i].v = static_cast<float>(i / 2);
            corners[i].diffuse = argb;
        }
    }

    std::string EngineLog() const
    {
        std::ifstream in(dir.Path() + "/drawdebug.txt");
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    TempDir dir;
    std::string bitmaps;
    std::vector<uint32_t> frame;
};

}  // namespace rendertest
