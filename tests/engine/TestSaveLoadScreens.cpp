#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "MainScreenGame.h"
#include "gamedata/Options.h"
#include "gamedata/SaveGames.h"
#include "gui/GUI_LoadGameScreen.h"
#include "gui/LoadGameList.h"
#include "gui/WindowManager.h"
#include "gui/SaveNameField.h"
#include "platform/ScanCodes.h"
#include "sim/SimulationState.h"

using mainscreen::ShippedGame;

namespace {

TEST(SaveNameField, KeepsOnlyWhatASaveNameCanHold)
{
    const std::string longest(128, 'x');
    const struct {
        std::string start;
        char typed;
        bool accepted;
    } cases[] = {
        {"Quicksave", '1', true},
        {"", '.', true},  // a dot may begin a name that goes on
        {"My", ' ', true},
        {"a", '/', false},
        {"a", '\\', false},
        {"a", '\t', false},
        {"a", '\x7f', false},
        {"a", 0, false},  // a key without a character
        {longest.substr(1), 'x', true},
        {longest, 'x', false},
    };
    for (const auto& c : cases) {
        SaveNameField field(c.start);
        EXPECT_EQ(field.Type(c.typed), c.accepted) << c.start << " + " << int(c.typed);
        EXPECT_EQ(field.Text(), c.accepted ? c.start + c.typed : c.start) << c.start;
    }
}

TEST(SaveNameField, BackspaceStopsAtEmptyAndOnlyWholeNamesAreJudged)
{
    SaveNameField field("ab");
    EXPECT_TRUE(field.Backspace());
    EXPECT_TRUE(field.Backspace());
    EXPECT_FALSE(field.Backspace());
    EXPECT_EQ(field.Text(), "");

    const struct {
        const char* name;
        bool good;
    } names[] = {{"", false}, {".", false}, {"...", false}, {".5", true}, {"Second term", true}};
    for (const auto& n : names)
        EXPECT_EQ(SaveNameField(n.name).Problem().empty(), n.good) << n.name;
}

TEST(LoadGameList, RowsKeepTheListOrderAndEachGetsItsOwnButtons)
{
    const std::vector<SaveListing> saves = {
        {"my save", 300, true}, {"my_save", 200, true}, {"broken", 100, false}, {"my save_2", 50, true}};
    const std::vector<LoadGameRow> rows = LoadGameList::Build(saves);
    ASSERT_EQ(rows.size(), saves.size());
    const struct {
        const char* load;
        const char* remove;
    } expected[] = {{"Load_my_save", "Delete_my_save"},
                    {"Load_my_save_2", "Delete_my_save_2"},
                    {"Load_broken", "Delete_broken"},
                    {"Load_my_save_2_2", "Delete_my_save_2_2"}};
    const std::regex stamp(R"(\(\d\d:\d\d \d\d/\d\d/\d{4}\))");
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].name, saves[i].name);
        EXPECT_EQ(rows[i].readable, saves[i].readable) << rows[i].name;
        EXPECT_EQ(rows[i].loadButton, expected[i].load);
        EXPECT_EQ(rows[i].deleteButton, expected[i].remove);
        EXPECT_TRUE(std::regex_match(rows[i].stamp, stamp)) << rows[i].stamp;
    }
}

TEST(LoadGameList, PagesHoldWholeRowsAndAnEmptyListHasOnePage)
{
    const struct {
        size_t rows;
        int pages;
    } cases[] = {{0, 1}, {1, 1}, {9, 1}, {10, 2}, {18, 2}, {19, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(LoadGameList::PageCount(c.rows, 9), c.pages) << c.rows;
}

// Ten saves, one of them no save at all, written a minute apart: two pages,
// newest first; deleting the only row of the last page goes back a page.
TEST(LoadGameScreen, ALongListPagesAndADeletionKeepsThePageInRange)
{
    TempDir dir;
    UserFolders::Get().SetBaseFolder(dir.Path());
    UserFolders::Get().Create();
    const auto now = std::filesystem::file_time_type::clock::now();
    for (int i = 0; i < 10; ++i) {
        const std::string path = SaveGames::PathOf("save" + std::to_string(i));
        std::ofstream(path) << (i == 5 ? "scribbles" : "<xml>\n");
        std::filesystem::last_write_time(path, now - std::chrono::minutes(i));
    }
    GUI_LoadGameScreen& screen = GetLoadGameScreen();
    screen.Activate();
    ASSERT_EQ(screen.Rows().size(), 10u);
    EXPECT_EQ(screen.Rows().front().name, "save0");
    EXPECT_EQ(screen.PageCount(), 2);
    EXPECT_NE(screen.FindButton("SavesNextPage"), nullptr);
    EXPECT_EQ(screen.FindButton("SavesPreviousPage"), nullptr);
    ASSERT_NE(screen.FindButton("Load_save5"), nullptr);
    EXPECT_FALSE(screen.FindButton("Load_save5")->Enabled);
    EXPECT_EQ(screen.FindButton("Load_save9"), nullptr);

    screen.ShowPage(1);
    EXPECT_NE(screen.FindButton("Load_save9"), nullptr);
    EXPECT_NE(screen.FindButton("SavesPreviousPage"), nullptr);
    EXPECT_EQ(screen.FindButton("SavesNextPage"), nullptr);

    screen.FindButton("Delete_save9")->Press();
    GUI_ButtonBase* agree = GetWindowManager().FindButton("DeleteSaveDialogOK");
    ASSERT_NE(agree, nullptr);
    agree->Press();
    GetWindowManager().DeletePending();
    EXPECT_FALSE(std::filesystem::exists(SaveGames::PathOf("save9")));
    EXPECT_EQ(screen.Rows().size(), 9u);
    EXPECT_EQ(screen.Page(), 0);
    EXPECT_NE(screen.FindButton("Load_save0"), nullptr);
}

// The save folder replaced by a file: no save can be written. The save screen
// refuses an empty name and tells a failed save, staying put with the game
// running; a failed autosave is told once on the way back from the turn.
void SavesThatCannotBeWritten()
{
    ShippedGame game;
    const std::string folder = UserFolders::Get().SaveGameFolder();
    std::filesystem::remove_all(folder);
    std::ofstream(folder) << "not a folder";

    ShippedGame::Click("OptionsButton");
    ShippedGame::WaitFor([] { return GetGame().State == STATE_MENU; }, "the menu");
    ShippedGame::Click("Save");
    ChildCheck(GetGame().State == STATE_SAVEGAME, "the save screen");
    for (size_t i = SaveNameField().Text().size(); i < 20; ++i)
        ShippedGame::Key(ScanCode::Backspace);
    ShippedGame::Click("SaveGameButton");
    ChildCheck(ShippedGame::WindowOpen("SaveNameRefusedDialog"), "an empty name is refused");
    ShippedGame::Key(ScanCode::Escape);
    ChildCheck(!ShippedGame::WindowOpen("SaveNameRefusedDialog") && GetGame().State == STATE_SAVEGAME,
               "Escape closes the message only");

    ShippedGame::Key(ScanCode::A);
    ShippedGame::Click("SaveGameButton");
    ShippedGame::WaitFor([] { return ShippedGame::WindowOpen("SaveFailedDialog"); }, "the failed save is told");
    ChildCheck(GetGame().State == STATE_SAVEGAME && SaveGames::GameRunning(), "the game goes on");
    ShippedGame::Key(ScanCode::Escape);
    ShippedGame::Key(ScanCode::Escape);
    ChildCheck(GetGame().State == STATE_MENU, "Escape goes back to the menu");
    ShippedGame::Click("Resume");
    ShippedGame::WaitFor([] { return GetGame().State == STATE_MAIN; }, "back in the game");

    Options::Get().SetFloat("AUTOSAVE", 1.0f);
    // No dilemma may hold the turn back.
    Options::Get().SetFloat("ENABLEDILEMMAS", 0.0f);
    const int turn = SimulationState::Get().TurnNumber();
    ShippedGame::Key(ScanCode::F6);
    ShippedGame::Frames(20);
    ShippedGame::BackToMainScreen("the main screen after the turn");
    ChildCheck(SimulationState::Get().TurnNumber() == turn + 1, "the turn was played");
    ShippedGame::WaitFor([] { return ShippedGame::WindowOpen("AutosaveFailedDialog"); }, "the failed autosave is told");
    ShippedGame::Click("AutosaveFailedDialogClose");
    ShippedGame::Frames(30);
    ChildCheck(!ShippedGame::WindowOpen("AutosaveFailedDialog"), "closed, it stays closed");
    ShippedGame::Finish();
}

}  // namespace

TEST(SaveScreens, SavesThatCannotBeWrittenAreToldAndTheGameGoesOn)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(SavesThatCannotBeWritten(), ::testing::ExitedWithCode(0), "");
}
