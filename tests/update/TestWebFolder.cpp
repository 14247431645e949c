#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "UpdateTestFolder.h"
#include "update/WebFolder.h"

namespace fs = std::filesystem;

TEST(WebFolder, ReplacesWholeFilesAndRefusesLinksInsteadOfFollowingThem)
{
    UpdateTestFolder outside;
    UpdateTestFolder web;
    fs::create_directories(web.Path() + "/data");
    fs::create_directory_symlink(outside.Path(), web.Path() + "/data/missions");
    std::ofstream(outside.Path() + "/target.txt") << "keep";
    fs::create_symlink(outside.Path() + "/target.txt", web.Path() + "/data/quotes.csv");

    WebFolder folder(web.Path());
    std::string error, read;
    ASSERT_TRUE(folder.Install("data/a.txt", "first"));
    ASSERT_TRUE(folder.Install("data/a.txt", "second"));
    ASSERT_TRUE(folder.Read("data/a.txt", read));
    EXPECT_EQ(read, "second");
    EXPECT_FALSE(folder.Install("data/missions/a.txt", "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(folder.Install("data/quotes.csv", "x", &error));
    EXPECT_FALSE(folder.Read("data/quotes.csv", read));
    EXPECT_FALSE(folder.Install("../escape.txt", "x", &error));

    // No temporary file is left, and nothing reached the folder the links point to.
    std::vector<std::string> files = web.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"data/a.txt", "data/missions", "data/quotes.csv"}));
    EXPECT_EQ(outside.Files(), std::vector<std::string>{"target.txt"});
    std::ifstream kept(outside.Path() + "/target.txt");
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "keep");
}
