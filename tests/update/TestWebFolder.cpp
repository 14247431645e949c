#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "UpdateTestFolder.h"
#include "update/WebFolder.h"

namespace fs = std::filesystem;

TEST(WebFolder, InstallsWholeFilesAndLeavesNoTemporaryFile)
{
    UpdateTestFolder web;
    WebFolder folder(web.Path());
    ASSERT_TRUE(folder.Install("data/missions/a.txt", "first"));
    ASSERT_TRUE(folder.Install("data/missions/a.txt", "second"));
    std::string read;
    ASSERT_TRUE(folder.Read("data/missions/a.txt", read));
    EXPECT_EQ(read, "second");
    EXPECT_EQ(web.Files(), std::vector<std::string>{"data/missions/a.txt"});
}

TEST(WebFolder, RefusesLinksInsteadOfFollowingThem)
{
    UpdateTestFolder outside;
    UpdateTestFolder web;
    fs::create_directories(web.Path() + "/data");
    fs::create_directory_symlink(outside.Path(), web.Path() + "/data/missions");
    std::ofstream(outside.Path() + "/target.txt") << "keep";
    fs::create_symlink(outside.Path() + "/target.txt", web.Path() + "/data/quotes.csv");

    WebFolder folder(web.Path());
    std::string error, read;
    EXPECT_FALSE(folder.Install("data/missions/a.txt", "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(folder.Install("data/quotes.csv", "x", &error));
    EXPECT_FALSE(folder.Read("data/quotes.csv", read));
    EXPECT_FALSE(folder.Install("../escape.txt", "x", &error));

    EXPECT_EQ(outside.Files(), std::vector<std::string>{"target.txt"});
    std::ifstream kept(outside.Path() + "/target.txt");
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "keep");
}
