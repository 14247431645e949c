#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "../core/TestSupport.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ShellHooks.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_ListBox.h"
#include "gui/GUI_ScrollingWindow.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_WindowTab.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"
#include "sound/GUI_Sounds.h"

namespace {

struct NamedButton {
    std::string name;
    GRect rect;
    bool usable;
};

// The buttons of the window tree, read back from its dump.
std::vector<NamedButton> ButtonsOnScreen(int state)
{
    std::vector<NamedButton> buttons;
    std::istringstream dump(ShellHooks::DumpWindows(state));
    for (std::string line; std::getline(dump, line);) {
        const size_t at = line.find("button \"");
        if (at == std::string::npos)
            continue;
        const size_t nameEnd = line.find('"', at + 8);
        NamedButton button;
        button.name = line.substr(at + 8, nameEnd - at - 8);
        if (std::sscanf(line.c_str() + nameEnd + 1, " %d,%d,%d,%d", &button.rect.left, &button.rect.top,
                        &button.rect.right, &button.rect.bottom) != 4)
            continue;
        button.usable = line.find(" hidden") == std::string::npos && line.find(" disabled") == std::string::npos;
        buttons.push_back(button);
    }
    return buttons;
}

// A dialog with one of each of the framework's containers, so that random
// clicks reach tabs, scrolling, list boxes and a close button too.
void OpenSampler(int serial)
{
    auto* dialog = new GUI_Dialog("Sampler" + std::to_string(serial), true);
    dialog->SetRect(200, 150, 800, 600);
    dialog->Draggable = serial % 2 == 0;
    auto* tabs = new GUI_TabContainer("SamplerTabs");
    dialog->AddChild(tabs);
    auto* listPage = new GUI_WindowTab("SamplerListPage");
    tabs->AddPage(listPage, "SamplerTabList", "");
    auto* scrollPage = new GUI_WindowTab("SamplerScrollPage");
    tabs->AddPage(scrollPage, "SamplerTabScroll", "");
    tabs->SetRect(220, 190, 780, 580);
    auto* list = new GUI_ListBox("SamplerList");
    list->SetRect(240, 260, 500, 280);
    for (int i = 0; i < 9 + serial % 3; ++i)
        list->AddEntry("entry " + std::to_string(i));
    // Choosing an entry removes the one before it: the choice must follow.
    list->SetCallback([list](int index) {
        if (index > 0 && index % 3 == 0)
            list->RemoveEntry(index - 1);
    });
    listPage->AddButton(list);
    auto* scroll = new GUI_ScrollingWindow("SamplerScroll");
    scrollPage->AddChild(scroll);
    scroll->SetRect(240, 260, 560, 460);
    for (int i = 0; i < 20; ++i) {
        auto* row = new GUI_ButtonText("SamplerRow" + std::to_string(i), "");
        // Some rows close the dialog from inside its own click.
        if (i % 7 == 3)
            row->SetCallback([dialog](int) { GetWindowManager().Close(dialog); });
        scroll->AddContentButton(row, GRect{0, i * 30, 280, i * 30 + 26});
    }
    scroll->SetContentHeight(20 * 30);
    if (serial % 3 == 0)
        GetWindowManager().SetModal(dialog, true);
}

void RunRandomClicks(unsigned seed, int actions)
{
    auto check = ChildCheck;
    TempDir dir;
    const std::string config = dir.Path() + "/config.muf";
    std::ofstream(config) << "[config]\nIsWindowed=1\nColorDepth=32\n";
    UserFolders::Get().SetBaseFolder(dir.Path());
    Game& game = GetGame();
    game.SetConfigPath(config);
    game.SetDesktopSizeForTests(1920, 1080);
    check(game.Start(), "start-up");

    std::mt19937 random(seed);
    auto chance = [&random](int percent) { return static_cast<int>(random() % 100) < percent; };
    const int keys[] = {ScanCode::Escape, ScanCode::Return, ScanCode::Space, ScanCode::F6, ScanCode::F1,
                        ScanCode::Backspace};
    int samplers = 0;
    int newGames = 0;
    constexpr int kMaxNewGames = 3;
    WindowManager& windows = GetWindowManager();
    for (int i = 0; i < actions; ++i) {
        const bool onMenu = game.State == STATE_MENU && !windows.AnyModalOpen();
        const std::vector<NamedButton> buttons = ButtonsOnScreen(game.State);
        // Leaving the game would end the run: the menu's Quit and Escape stay
        // untouched. Setting a game up takes long, so only the first few new games are started.
        GRect quit{};
        GRect newGame{};
        for (const NamedButton& button : buttons) {
            if (button.name == "Quit")
                quit = button.rect;
            if (button.name == "NewGame")
                newGame = button.rect;
        }
        if (i % 150 == 75 && !windows.AnyModalOpen()) {
            OpenSampler(++samplers);
        } else if (chance(20)) {
            const int key = keys[random() % std::size(keys)];
            if (!(key == ScanCode::Escape && onMenu && !windows.AnyDialogOpen()))
                SdlEvents::InjectKey(key);
        } else {
            int x = static_cast<int>(random() % 1024);
            int y = static_cast<int>(random() % 768);
            const NamedButton* button = buttons.empty() ? nullptr : &buttons[random() % buttons.size()];
            if (button && button->usable && chance(60)) {
                x = (button->rect.left + button->rect.right) / 2;
                y = (button->rect.top + button->rect.bottom) / 2;
            }
            if (onMenu && (quit.Contains(x, y) || (newGame.Contains(x, y) && newGames++ >= kMaxNewGames)))
                continue;
            SdlEvents::InjectClick(x, y);
        }
        check(game.RunLoopOnce(), "the game keeps running");
        std::string problem;
        if (!windows.CheckConsistency(&problem)) {
            std::fprintf(stderr, "action %d: %s\n", i, problem.c_str());
            std::exit(11);
        }
    }
    check(samplers > 0, "the sampler dialog was opened");
    game.Quit();
    check(!game.RunLoopOnce(), "Quit ends the loop");
    game.TearDown();
    // Memory errors abort the run where they happen; the exit checks that the
    // teardown left nothing behind.
    std::exit(0);
}

TEST(RandomClicks, TwoThousandSeededClicksAndKeysLeaveTheWindowsConsistent)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(RunRandomClicks(1313, 2000), ::testing::ExitedWithCode(0), "");
}

}  // namespace
