// rulecraft-screenshots: runs the game on an invisible display and writes the
// menu letterboxed in a wide window, a test card of every font and cards of
// every texture the game ships. The screens and windows themselves are drawn by
// the autoplay scripts beside this file (see tools/screenshots.sh).
//   rulecraft-screenshots OUTPUT_FOLDER     (run from the repository root)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Button_Minitab.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_ListBox.h"
#include "gui/GUI_ScrollingWindow.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowTab.h"
#include "gui/WindowManager.h"
#include "platform/sdl/ImageWriter.h"
#include "platform/sdl/SdlSystem.h"
#include "platform/sdl/SdlVideo.h"
#include "sound/GUI_Sounds.h"

namespace {

std::string gOutput;
int gFailures = 0;

void Save(bool ok, const std::string& file)
{
    if (ok) {
        std::printf("%s/%s\n", gOutput.c_str(), file.c_str());
    } else {
        std::fprintf(stderr, "rulecraft-screenshots: cannot write %s/%s\n", gOutput.c_str(), file.c_str());
        ++gFailures;
    }
}

void SaveScreen(const std::string& file)
{
    SdlVideo& video = GetSdlVideo();
    std::vector<uint32_t> argb;
    Save(video.ReadLogicalPixels(argb) &&
             ImageWriter::SavePng(argb, video.LogicalWidth(), video.LogicalHeight(), gOutput + "/" + file),
         file);
}

void SaveWindow(const std::string& file)
{
    std::vector<uint32_t> argb;
    int width = 0;
    int height = 0;
    Save(GetSdlVideo().ReadWindowPixels(argb, width, height) &&
             ImageWriter::SavePng(argb, width, height, gOutput + "/" + file),
         file);
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

void EndCard(const std::string& file)
{
    GetFontManager().Flush();
    GetFontManager().ResetFrame();
    GetD3DEngine().EndScene();
    SaveScreen(file);
}

void Label(const std::string& font, float size, const std::string& text, float x, float y, uint32_t colour)
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont(font, size);
    fonts.DrawText(text, x, y, colour);
}

void DrawFontCard()
{
    BeginCard(0xFF202830u);
    float y = 16.0f;
    for (const auto& font : GetFontManager().Fonts()) {
        Label("tahoma12.dds", 12, font->textureName + " at " + std::to_string(font->nominalSize) + " px", 16, y,
              0xFF9FB7CFu);
        y += 16.0f;
        const float size = static_cast<float>(font->nominalSize);
        Label(font->textureName, size, "The quick brown fox jumps over the lazy dog 0123456789", 16, y, 0xFFFFFFFFu);
        y += size + 4.0f;
        Label(font->textureName, size, "ABCDEFGHIJKLMNOPQRSTUVWXYZ !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~ \x80 \xA3", 16,
              y, 0xFFFFE08Au);
        y += size + 14.0f;
    }
    EndCard("testcard-fonts.png");
}

void DrawTextureCards(const std::vector<std::string>& names)
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
            const int cell = static_cast<int>(i - first);
            const float left = 6.0f + (cell % kColumns) * kCellWidth;
            const float top = 6.0f + (cell / kColumns) * kCellHeight;
            CTexturedSprite sprite;
            sprite.SetTexture(names[i]);
            sprite.SetSize(kPicture, kPicture);
            sprite.SetPosition(left + kCellWidth / 2.0f, top + kPicture / 2.0f);
            sprite.Draw();
            const std::string label = names[i].size() > 16 ? names[i].substr(0, 14) + ".." : names[i];
            Label("tahoma12.dds", 12, label, left + 2.0f, top + kPicture + 6.0f, 0xFFFFFFFFu);
        }
        char file[64];
        std::snprintf(file, sizeof file, "testcard-textures-%02d.png", ++pages);
        EndCard(file);
    }
}

// One of each of the interface's containers and controls, over the menu: a
// dialog with tabs, a scrolled list of rows, minitabs, a tick box and an open list box.
void DrawElementCard(Game& game)
{
    auto* dialog = new GUI_Dialog("ElementCard", true);
    dialog->Title = "Elements";
    dialog->SetRect(112, 84, 912, 684);
    auto* tabs = new GUI_TabContainer("ElementTabs");
    dialog->AddChild(tabs);
    auto* page = new GUI_WindowTab("ElementPage");
    tabs->AddPage(page, "ElementTabFirst", "MENU_OPTIONS");
    tabs->AddPage(new GUI_WindowTab("ElementPageTwo"), "ElementTabSecond", "MENU_LOAD");
    tabs->SetRect(132, 124, 892, 664);
    auto* scroll = new GUI_ScrollingWindow("ElementScroll");
    page->AddChild(scroll);
    scroll->SetRect(152, 240, 472, 440);
    for (int i = 0; i < 12; ++i) {
        auto* row = new GUI_ButtonText("ElementRow" + std::to_string(i), "MENU_NEWGAME");
        scroll->AddContentButton(row, GRect{8, 8 + i * 40, 304, 40 + i * 40});
    }
    scroll->SetContentHeight(12 * 40 + 8);
    scroll->ScrollTo(60);
    for (int i = 0; i < 3; ++i) {
        auto* mini = new GUI_Button_Minitab("ElementMini" + std::to_string(i), "MENU_SAVE");
        mini->SetRect(152.0f + i * 110, 184, 252.0f + i * 110, 206);
        mini->Selected = i == 0;
        page->AddButton(mini);
    }
    auto* tick = new GUI_CheckButton("ElementTick", "MENU_OPTIONS");
    tick->SetRect(512, 184, 800, 216);
    tick->Ticked = true;
    page->AddButton(tick);
    auto* list = new GUI_ListBox("ElementList");
    list->SetRect(512, 240, 800, 260);
    for (const char* entry : {"Velmora", "Astrany", "Corvel", "Dunmere", "Estorin", "Falkreach", "Galdor", "Hestia"})
        list->AddEntry(entry);
    list->Select(2);
    page->AddButton(list);
    list->Open();
    for (int i = 0; i < 3; ++i)
        game.RunLoopOnce();
    SaveScreen("testcard-elements.png");
    GetWindowManager().CloseAll();
}

}  // namespace

int main(int argc, char** argv)
{
    gOutput = argc > 1 ? argv[1] : "build/screenshots";
    std::filesystem::create_directories(gOutput);
    // The player's folders and display settings go to a scratch folder.
    const std::filesystem::path scratch = std::filesystem::path(gOutput) / ".scratch";
    std::filesystem::create_directories(scratch);
    std::ofstream(scratch / "config.muf") << "[config]\nIsWindowed=1\nColorDepth=32\n";
    UserFolders::Get().SetBaseFolder(scratch.string());

    Game& game = GetGame();
    game.SetConfigPath((scratch / "config.muf").string());
    game.SetDesktopSizeForTests(1920, 1080);
    if (!game.Start()) {
        std::fprintf(stderr, "rulecraft-screenshots: the game did not start\n");
        return 1;
    }
    GetSdlVideo().ResizeWindow(1400, 700);
    // The first frames of a screen may still fade in.
    for (int i = 0; i < 3; ++i)
        game.RunLoopOnce();
    SaveWindow("menu-wide-window.png");
    GetSdlVideo().ResizeWindow(1024, 768);
    DrawElementCard(game);

    DrawFontCard();
    DrawTextureCards(ShippedTextures());

    game.TearDown();
    std::filesystem::remove_all(scratch);
    return gFailures == 0 ? 0 : 1;
}
