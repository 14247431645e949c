// Pictures for a person to review, written to <build>/screenshots: the menu
// as the game starts, and a test card of every font and every texture the
// game ships. The checks here only make sure the pictures were drawn.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../core/TestSupport.h"
#include "Screenshot.h"
#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "gamedata/UserFolders.h"
#include "platform/sdl/SdlVideo.h"
#include "sound/GUI_Sounds.h"

namespace {

std::string ScreenshotPath(const std::string& name)
{
    return std::string(RULECRAFT_BINARY_DIR) + "/screenshots/" + name;
}

// Every texture file under the texture folders, by file name.
std::vector<std::string> ShippedTextures()
{
    std::vector<std::string> names;
    for (const char* folder : {"data/bitmaps", "data/mods/bitmaps"}) {
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec))
            continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
            std::string ext = entry.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
            if (entry.is_regular_file() && (ext == ".dds" || ext == ".bmp" || ext == ".jpg"))
                names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void BeginCard(uint32_t background)
{
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    engine.Clear(background);
}

bool EndCard(const std::string& file)
{
    GetFontManager().Flush();
    GetFontManager().ResetFrame();
    GetD3DEngine().EndScene();
    return SaveLogicalScreenshot(ScreenshotPath(file));
}

void Label(const std::string& font, float size, const std::string& text, float x, float y, uint32_t colour)
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont(font, size);
    fonts.DrawText(text, x, y, colour);
}

int DrawFontCard()
{
    BeginCard(0xFF202830u);
    float y = 16.0f;
    for (const auto& font : GetFontManager().Fonts()) {
        Label("tahoma12.dds", 12, font->textureName + " at " + std::to_string(font->nominalSize) + " px", 16, y,
              0xFF9FB7CFu);
        y += 16.0f;
        float size = static_cast<float>(font->nominalSize);
        Label(font->textureName, size, "The quick brown fox jumps over the lazy dog 0123456789", 16, y, 0xFFFFFFFFu);
        y += size + 4.0f;
        Label(font->textureName, size, "ABCDEFGHIJKLMNOPQRSTUVWXYZ !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~", 16, y,
              0xFFFFE08Au);
        y += size + 14.0f;
    }
    return EndCard("testcard-fonts.png") ? static_cast<int>(GetFontManager().Fonts().size()) : -1;
}

int DrawTextureCards(const std::vector<std::string>& names)
{
    constexpr int kColumns = 10;
    constexpr int kRows = 7;
    constexpr int kCellWidth = 102;
    constexpr int kCellHeight = 108;
    constexpr int kPicture = 80;
    int pages = 0;
    for (size_t first = 0; first < names.size(); first += kColumns * kRows) {
        // A checker shows through transparent parts.
        BeginCard(0xFF3A3A3Au);
        D3DEngine& engine = GetD3DEngine();
        for (int y = 0; y < 768; y += 16)
            for (int x = (y / 16) % 2 * 16; x < 1024; x += 32)
                engine.FillRect(GRect{x, y, x + 16, y + 16}, 0xFF4A4A4Au);
        for (size_t i = first; i < names.size() && i < first + kColumns * kRows; ++i) {
            int cell = static_cast<int>(i - first);
            float left = 6.0f + (cell % kColumns) * kCellWidth;
            float top = 6.0f + (cell / kColumns) * kCellHeight;
            CTexturedSprite sprite;
            sprite.SetTexture(names[i]);
            sprite.SetSize(kPicture, kPicture);
            sprite.SetPosition(left + kCellWidth / 2.0f, top + kPicture / 2.0f);
            sprite.Draw();
            std::string label = names[i].size() > 16 ? names[i].substr(0, 14) + ".." : names[i];
            Label("tahoma12.dds", 12, label, left + 2.0f, top + kPicture + 6.0f, 0xFFFFFFFFu);
        }
        char file[64];
        std::snprintf(file, sizeof file, "testcard-textures-%02d.png", ++pages);
        if (!EndCard(file))
            return -1;
    }
    return pages;
}

void DrawScreenshots()
{
    auto check = ChildCheck;
    TempDir dir;
    std::string config = dir.Path() + "/config.muf";
    std::ofstream(config) << "[config]\nIsWindowed=1\n";
    UserFolders::Get().SetBaseFolder(dir.Path());
    Game& game = GetGame();
    game.SetConfigPath(config);
    game.SetDesktopSizeForTests(1920, 1080);
    check(game.Start(), "start-up");
    for (int i = 0; i < 2; ++i)
        game.RunLoopOnce();
    check(SaveLogicalScreenshot(ScreenshotPath("start-menu.png")), "menu picture");

    check(DrawFontCard() == 7, "all seven fonts on the card");
    std::vector<std::string> textures = ShippedTextures();
    int pages = DrawTextureCards(textures);
    check(pages >= 0, "texture cards written");
    std::fprintf(stderr, "test card: %zu textures on %d pages\n", textures.size(), pages);

    game.Quit();
    GetSounds().Release();
    GetSdlVideo().DestroyMainWindow();
    SDL_Quit();
    std::exit(0);
}

TEST(Screenshots, MenuAndTestCardOfEveryFontAndTexture)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(DrawScreenshots(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
