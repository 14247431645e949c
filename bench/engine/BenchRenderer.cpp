// Frame times of the software renderer at the game's logical size (1024 x 768)
// on SDL's offscreen video driver. The target scene (a full-screen background,
// 300 icons, 300 lines and 2,000 glyphs) must stay under 16 ms.
#include <FreeImage.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/SmartTexture.h"
#include "platform/sdl/SdlVideo.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

void WriteImage(const std::string& path, int width, int height, uint32_t (*pixel)(int x, int y))
{
    FIBITMAP* image = FreeImage_Allocate(width, height, 32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(FreeImage_GetScanLine(image, height - 1 - y));
        for (int x = 0; x < width; ++x)
            row[x] = pixel(x, y);
    }
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(path.c_str());
    FIBITMAP* toSave = format == FIF_JPEG ? FreeImage_ConvertTo24Bits(image) : image;
    FreeImage_Save(format, toSave, path.c_str(), 0);
    if (toSave != image)
        FreeImage_Unload(toSave);
    FreeImage_Unload(image);
}

// One engine for all benchmarks: offscreen window, software renderer, the
// game's fonts and two generated textures.
struct Stage {
    Stage()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        folder = (std::filesystem::temp_directory_path() / "rulecraft-bench-textures").string();
        std::filesystem::create_directories(folder);
        WriteImage(folder + "/bench_icon.png", 64, 64, [](int x, int y) -> uint32_t {
            const int dx = x - 32, dy = y - 32;
            return dx * dx + dy * dy < 900 ? 0xFFE0A040u : 0x00000000u;
        });
        WriteImage(folder + "/bench_line.png", 16, 16, [](int, int y) -> uint32_t {
            const int edge = std::min(y, 15 - y);
            return (static_cast<uint32_t>(std::min(255, 60 + edge * 40)) << 24) | 0xFFFFFFu;
        });
        WriteImage(folder + "/bench_back.jpg", 1024, 1024, [](int x, int y) -> uint32_t {
            return 0xFF000000u | static_cast<uint32_t>((x / 4) << 16) | static_cast<uint32_t>((y / 4) << 8) | 0x40u;
        });
        SdlVideo& video = GetSdlVideo();
        video.CreateMainWindow("bench", kWidth, kHeight);
        D3DEngine& engine = GetD3DEngine();
        engine.ForceSoftwareRenderer(true);
        engine.SetConfigPath(folder + "/none.muf");
        engine.Init(video.Window(), kWidth, kHeight, 32, false, true);
        engine.AddTextureFolder(std::string(RULECRAFT_SOURCE_DIR) + "/data/bitmaps");
        engine.AddTextureFolder(folder);
        GetFontManager().LoadGameFonts(std::string(RULECRAFT_SOURCE_DIR) + "/data/fonts");
    }
    std::string folder;
};

Stage& GetStage()
{
    static Stage stage;
    return stage;
}

void BeginFrame()
{
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    engine.Clear(0xFF000000);
}

void EndFrame()
{
    GetFontManager().Flush();
    GetFontManager().ResetFrame();
    GetD3DEngine().EndScene();
    GetD3DEngine().Present();
}

// About 2,000 glyphs (spaces not counted) in lines down the screen.
void DrawGlyphs()
{
    FontManager& fonts = GetFontManager();
    static const std::string line = "Unemployment rose by 2.5% while GDP fell; voters blame the cabinet";
    int glyphs = 0;
    float y = 40.0f;
    int row = 0;
    while (glyphs < 2000) {
        fonts.SelectFont(row % 2 == 0 ? "verdana12.dds" : "arial16.dds", row % 2 == 0 ? 12.0f : 16.0f);
        fonts.DrawText(line, 20.0f + (row % 3) * 7.0f, y, 0xFFFFFFFF);
        for (char c : line)
            glyphs += c != ' ' ? 1 : 0;
        y += 20.0f;
        ++row;
    }
}

void BM_TexturedQuadsOneColour(benchmark::State& state)
{
    GetStage();
    CTexturedSprite sprite("bench_icon.png");
    sprite.SetSize(32, 32);
    sprite.SetColour(0xFFFFFFFF);
    for (auto _ : state) {
        BeginFrame();
        for (int i = 0; i < 2000; ++i) {
            sprite.SetPosition(static_cast<float>(16 + (i * 37) % (kWidth - 32)),
                               static_cast<float>(16 + (i * 53) % (kHeight - 32)));
            sprite.Draw();
        }
        EndFrame();
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_TexturedQuadsOneColour)->Unit(benchmark::kMillisecond);

void BM_Glyphs(benchmark::State& state)
{
    GetStage();
    for (auto _ : state) {
        BeginFrame();
        DrawGlyphs();
        EndFrame();
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_Glyphs)->Unit(benchmark::kMillisecond);

// Line end points spread over the screen, from the rim towards the centre.
void LineEnds(int i, float& x1, float& y1, float& x2, float& y2)
{
    x1 = static_cast<float>(512 + 380 * std::sin(i * 0.37));
    y1 = static_cast<float>(384 - 300 * std::cos(i * 0.37));
    x2 = static_cast<float>(512 + 150 * std::sin(i * 0.11 + 1));
    y2 = static_cast<float>(384 - 120 * std::cos(i * 0.11 + 1));
}

// The main screen at its busiest: background, icons, lines, text.
void BM_TargetScene(benchmark::State& state)
{
    GetStage();
    SmartTexture background("bench_back.jpg");
    CTexturedSprite icon("bench_icon.png");
    icon.SetSize(48, 48);
    icon.SetColour(0xFFFFFFFF);
    for (auto _ : state) {
        BeginFrame();
        D3DEngine& engine = GetD3DEngine();
        engine.DrawBackground(background, 1.0f, 0.75f);
        for (int i = 0; i < 300; ++i) {
            float x1, y1, x2, y2;
            LineEnds(i, x1, y1, x2, y2);
            engine.DrawLine(x1, y1, x2, y2, i % 2 ? 0xA620FF20 : 0x80FF2020);
        }
        for (int i = 0; i < 300; ++i) {
            icon.SetPosition(static_cast<float>(24 + (i * 67) % (kWidth - 48)),
                             static_cast<float>(24 + (i * 41) % (kHeight - 48)));
            icon.Draw();
        }
        DrawGlyphs();
        EndFrame();
    }
}
BENCHMARK(BM_TargetScene)->Unit(benchmark::kMillisecond);

// Influence lines as the main screen draws them: textured bands 10 pixels
// thick, rotated, 150 to 350 pixels long. The software renderer pays for
// every slanted textured triangle, so these are the dearest items per pixel.
void BM_InfluenceBands(benchmark::State& state)
{
    GetStage();
    CTexturedSprite band("bench_line.png");
    band.SetColour(0xA620FF20);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BeginFrame();
        for (int i = 0; i < count; ++i) {
            float x1, y1, x2, y2;
            LineEnds(i, x1, y1, x2, y2);
            band.SetSize(Distance(x1, y1, x2, y2), 10.0f);
            float rotation = Bearing(x1, y1, x2, y2) + 90.0f;
            if (rotation >= 360.0f)
                rotation -= 360.0f;
            band.SetRotation(rotation);
            band.SetPosition((x1 + x2) * 0.5f, (y1 + y2) * 0.5f);
            band.Draw();
        }
        EndFrame();
    }
}
BENCHMARK(BM_InfluenceBands)->Arg(30)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
