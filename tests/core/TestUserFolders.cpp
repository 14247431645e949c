#include <gtest/gtest.h>

#include "TestSupport.h"
#include "gamedata/HintsFile.h"
#include "gamedata/Options.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"

namespace {

// Points the process-wide user folders at a fresh temporary base.
class UserFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserFolders::Get().SetBaseFolder(base_.Path());
        UserFolders::Get().Create();
    }

    TempDir base_;
};

}  // namespace

TEST_F(UserFolderTest, CreatesTheWholeTree)
{
    const UserFolders& folders = UserFolders::Get();
    EXPECT_EQ(folders.UserFolder(), base_.Path() + "/rulecraft2");
    EXPECT_EQ(folders.SaveGameFolder(), base_.Path() + "/rulecraft2/savegames");
    EXPECT_EQ(folders.ModPath("data/missions/*.txt"), base_.Path() + "/rulecraft2/mods/data/missions/*.txt");
    for (const std::string& folder : UserFolders::FolderTree(base_.Path()))
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    UserFolders::Get().Create();  // a second run finds everything in place
}

TEST(UserFolders, AFolderThatCannotBeCreatedIsFatal)
{
    TempDir dir;
    WriteText(dir.Path() + "/file", "x");
    UserFolders::Get().SetBaseFolder(dir.Path() + "/file");
    std::string message = FatalMessageOf([] { UserFolders::Get().Create(); });
    EXPECT_EQ(message.rfind("Failed to create folder " + dir.Path() + "/file/rulecraft2: ", 0), 0u) << message;
}

TEST(UserFolders, DocumentsFolderChoice)
{
    TempDir home;
    const std::string& h = home.Path();
    // Nothing configured and no Documents folder: the home folder.
    EXPECT_EQ(UserFolders::ChooseDocumentsFolder(h, "", ""), h);
    std::filesystem::create_directories(h + "/Documents");
    EXPECT_EQ(UserFolders::ChooseDocumentsFolder(h, "", ""), h + "/Documents");
    std::filesystem::create_directories(h + "/Dokumente");
    std::string userDirs = "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                           "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n";
    EXPECT_EQ(UserFolders::ChooseDocumentsFolder(h, "", userDirs), h + "/Dokumente");
    std::filesystem::create_directories(h + "/env");
    EXPECT_EQ(UserFolders::ChooseDocumentsFolder(h, h + "/env", userDirs), h + "/env");
    // Configured folders that do not exist are passed over.
    EXPECT_EQ(UserFolders::ChooseDocumentsFolder(h, h + "/gone", "XDG_DOCUMENTS_DIR=\"$HOME/gone\"\n"),
              h + "/Documents");
}

TEST_F(UserFolderTest, OptionsStartFromTheShippedDefaultsAndSaveToThePlayersCopy)
{
    std::string shipped = ReadText("data/options.txt");
    Options& options = Options::Get();
    options.Load();
    EXPECT_EQ(options.LoadedFrom(), Options::kShippedFile);

    options.SetFloat("MUSIC", 0.25f);
    options.SetFloat("NOT_AN_OPTION", 1.0f);
    ASSERT_TRUE(options.Save());
    EXPECT_EQ(ReadText("data/options.txt"), shipped);  // the program folder is never written
    std::string saved = ReadText(UserFolders::Get().UserFolder() + "/options.txt");
    EXPECT_NE(saved.find("MUSIC = 0.25\n"), std::string::npos);
    EXPECT_EQ(saved.find("NOT_AN_OPTION"), std::string::npos);

    options.Load();
    EXPECT_EQ(options.LoadedFrom(), UserFolders::Get().UserFolder() + "/options.txt");
    EXPECT_FLOAT_EQ(options.GetFloat("MUSIC"), 0.25f);
    EXPECT_FLOAT_EQ(options.GetFloat("NOT_AN_OPTION"), 0.0f);
}

TEST_F(UserFolderTest, OptionsMissingFromAnOlderCopyComeFromTheDefaults)
{
    std::string path = UserFolders::Get().UserFolder() + "/options.txt";
    WriteText(path, "[options]\nMUSIC = 0.40\nOBSOLETE = 1.00\n");
    Options& options = Options::Get();
    options.Load();
    EXPECT_FLOAT_EQ(options.GetFloat("MUSIC"), 0.40f);
    IniSection shipped;
    shipped.Load(Options::kSection, Options::kShippedFile);
    EXPECT_FLOAT_EQ(options.GetFloat("AUTOSAVE"), shipped.GetFloat("AUTOSAVE", -1.0f));
    EXPECT_FALSE(options.Section().Has("OBSOLETE"));
    ASSERT_TRUE(options.Save());
    std::string saved = ReadText(path);
    EXPECT_NE(saved.find("AUTOSAVE = "), std::string::npos);
    EXPECT_EQ(saved.find("OBSOLETE"), std::string::npos);
}

TEST_F(UserFolderTest, HintsRememberWhatWasShown)
{
    HintsFile& hints = HintsFile::Get();
    hints.Load();
    EXPECT_EQ(hints.Section().Count(), 0);
    EXPECT_FALSE(hints.Register("HINT_START"));
    EXPECT_FALSE(hints.Register("HINT_BUDGET"));
    EXPECT_EQ(hints.Section().GetText("HINT_START"), "0");
    hints.SetShown("HINT_START", true);
    hints.SetShown("HINT_BUDGET", false);
    ASSERT_TRUE(hints.Save());
    EXPECT_EQ(ReadText(UserFolders::Get().UserFolder() + "/hints.txt"),
              "[hints]\nHINT_START = 1.00\nHINT_BUDGET = 0.00\n");

    hints.Load();
    EXPECT_TRUE(hints.Register("HINT_START"));
    EXPECT_FALSE(hints.Register("HINT_BUDGET"));
    EXPECT_EQ(hints.Section().Count(), 2);
}

TEST(SetupSection, ShippedDataListsTheTablesAndTuningValues)
{
    SetupSection::Load();
    ASSERT_TRUE(SetupSection::IsLoaded());
    EXPECT_EQ(GetTableLocation("simulation"), "data/simulation/simulation.csv");
    EXPECT_EQ(GetTableLocation("situations"), "data/simulation/situations.csv");
    EXPECT_EQ(GetTableLocation("policies"), "data/simulation/policies.csv");
    EXPECT_EQ(GetTableLocation("voters"), "data/simulation/votertypes.csv");
    EXPECT_FLOAT_EQ(GetTuningValue("AIENTITIES", 0.0f), 2000.0f);
    EXPECT_FLOAT_EQ(GetTuningValue("NO_SUCH_KEY", 1.5f), 1.5f);
}

TEST(SetupSection, AWordWhereATuningNumberBelongsIsFatalAndNamesItsLine)
{
    TempDir dir;
    const std::string file = dir.Path() + "/data.ini";
    WriteText(file, "[setup]\nPOOR_INCOME_THRESHOLD=0.3\nAIENTITIES=lots\n");
    SetupSection::Load(file);
    FatalCatcher catcher;
    EXPECT_FLOAT_EQ(GetTuningValue("POOR_INCOME_THRESHOLD", 0.0f), 0.3f);
    try {
        GetTuningValue("AIENTITIES", 0.0f);
        ADD_FAILURE() << "a word was taken as a number";
    } catch (const FatalErrorRaised& raised) {
        EXPECT_EQ(raised.line.rfind(file + ":3: AIENTITIES=lots\n", 0), 0u) << raised.line;
    }
    SetupSection::Load();
}

TEST_F(UserFolderTest, WithoutShippedDefaultsThePlayersOptionsAreKept)
{
    // Run from a program folder that lacks "data/options.txt".
    TempDir program;
    std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path(program.Path());
    std::string path = UserFolders::Get().UserFolder() + "/options.txt";
    WriteText(path, "[options]\nMUSIC = 0.40\nAUTOSAVE = 1.00\n");
    LogCapture log;
    Options& options = Options::Get();
    options.Load();
    bool saved = options.Save();
    std::filesystem::current_path(previous);

    EXPECT_TRUE(log.Contains("No options in data\\options.txt"));
    EXPECT_FLOAT_EQ(options.GetFloat("MUSIC"), 0.40f);
    EXPECT_FLOAT_EQ(options.GetFloat("AUTOSAVE"), 1.0f);
    ASSERT_TRUE(saved);
    EXPECT_EQ(ReadText(path), "[options]\nMUSIC = 0.40\nAUTOSAVE = 1.00\n");
}
