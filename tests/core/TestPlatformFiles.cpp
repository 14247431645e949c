#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/PlatformFiles.h"

namespace {

// Reads through the platform layer, which resolves backslashes and case.
std::string ReadThroughPlatform(const std::string& path)
{
    std::string text;
    PlatformFiles::ReadFile(path, text);
    return text;
}

}  // namespace

TEST(PlatformFiles, ResolvePathMatchesEveryComponentWithoutCase)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() + "/Data/Simulation");
    WriteText(dir.Path() + "/Data/Simulation/Policies.CSV", "p");
    EXPECT_EQ(PlatformFiles::ResolvePath(dir.Path() + "\\data\\SIMULATION\\policies.csv"),
              dir.Path() + "/Data/Simulation/Policies.CSV");
    EXPECT_TRUE(PlatformFiles::IsFile(dir.Path() + "/DATA/simulation/POLICIES.csv"));
    EXPECT_TRUE(PlatformFiles::IsDirectory(dir.Path() + "/data/simulation"));
    EXPECT_EQ(ReadThroughPlatform(dir.Path() + "/data/simulation/policies.csv"), "p");
    EXPECT_EQ(PlatformFiles::NormalizeSlashes("data\\sub\\options.txt"), "data/sub/options.txt");
}

TEST(PlatformFiles, ResolvePathPrefersTheExactNameAndKeepsMissingParts)
{
    TempDir dir;
    WriteText(dir.Path() + "/a.txt", "lower");
    WriteText(dir.Path() + "/A.txt", "upper");
    EXPECT_EQ(PlatformFiles::ResolvePath(dir.Path() + "/A.txt"), dir.Path() + "/A.txt");
    EXPECT_EQ(PlatformFiles::ResolvePath(dir.Path() + "/a.TXT"), dir.Path() + "/A.txt");  // first in byte order
    std::filesystem::create_directories(dir.Path() + "/Saves");
    // A file that does not exist yet still lands in the folder that does.
    EXPECT_EQ(PlatformFiles::ResolvePath(dir.Path() + "/saves/New\\game.xml"), dir.Path() + "/Saves/New/game.xml");
    EXPECT_FALSE(PlatformFiles::Exists(dir.Path() + "/nothing/here"));
}

TEST(PlatformFiles, WildcardSearchIsSortedAndIgnoresCase)
{
    TempDir dir;
    for (const char* name : {"beta.txt", "Alpha.TXT", "gamma.txt", "delta.csv", "C.txt", "notes.txt.bak"})
        WriteText(dir.Path() + "/" + name, "x");
    std::filesystem::create_directories(dir.Path() + "/folder.txt");
    std::vector<std::string> expected = {"Alpha.TXT", "beta.txt", "C.txt", "gamma.txt"};
    EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "/*.txt"), expected);
    EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "\\*.TXT"), expected);
    EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "/?.txt"), std::vector<std::string>{"C.txt"});
    EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "/*.*").size(), 6u);
    EXPECT_EQ(PlatformFiles::FindFilePaths(dir.Path() + "/g*.txt"),
              std::vector<std::string>{dir.Path() + "/gamma.txt"});
    EXPECT_TRUE(PlatformFiles::FindFiles(dir.Path() + "/missing/*.txt").empty());
}

TEST(PlatformFiles, FoundPathsAndOpenUseTheNamesOnDisk)
{
    TempDir dir;
    std::filesystem::create_directories(dir.Path() + "/Missions");
    WriteText(dir.Path() + "/Missions/Start.txt", "mission");
    EXPECT_EQ(PlatformFiles::FindFilePaths(dir.Path() + "\\missions\\*.txt"),
              std::vector<std::string>{dir.Path() + "/Missions/Start.txt"});
    std::FILE* file = PlatformFiles::Open(dir.Path() + "\\MISSIONS\\start.TXT", "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
}

TEST(PlatformFiles, WildcardMatching)
{
    EXPECT_TRUE(PlatformFiles::MatchesWildcard("Mission One.txt", "*.TXT"));
    EXPECT_TRUE(PlatformFiles::MatchesWildcard("abc", "a*c"));
    EXPECT_TRUE(PlatformFiles::MatchesWildcard("ac", "a*c"));
    EXPECT_TRUE(PlatformFiles::MatchesWildcard("README", "*.*"));
    EXPECT_FALSE(PlatformFiles::MatchesWildcard("a.txt.bak", "*.txt"));
    EXPECT_FALSE(PlatformFiles::MatchesWildcard("ab", "a?c"));
}

TEST(PlatformFiles, ReadLinesHandlesEveryLineBreakAndLongLines)
{
    TempDir dir;
    std::string longLine(100000, 'x');
    WriteText(dir.Path() + "/lines.txt", "\xEF\xBB\xBF" "one\r\ntwo\nthree\r\r\n" + longLine + "\nlast");
    std::vector<std::string> lines;
    ASSERT_TRUE(PlatformFiles::ReadLines(dir.Path() + "/lines.txt", lines));
    std::vector<std::string> expected = {"one", "two", "three", "", longLine, "last"};
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(PlatformFiles::ReadLines(dir.Path() + "/missing.txt", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(PlatformFiles::ReadLines(dir.Path(), lines));  // a folder is not a file
}

TEST(PlatformFiles, AtomicWriteReplacesTheFileOrKeepsTheOldOneAndLeavesNoTemporary)
{
    TempDir dir;
    std::string path = dir.Path() + "/Options.txt";
    WriteText(path, "old");
    ASSERT_TRUE(PlatformFiles::WriteFileAtomically(dir.Path() + "/options.txt", "new text"));
    EXPECT_EQ(ReadThroughPlatform(path), "new text");  // the existing file, whatever the case of its name
    std::string error;
    {
        FileSizeLimit diskFull(4);
        EXPECT_FALSE(PlatformFiles::WriteFileAtomically(path, std::string(10000, 'n'), &error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadThroughPlatform(path), "new text");
    EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "/*"), std::vector<std::string>{"Options.txt"});
    // Under a regular file: no folder to write into.
    EXPECT_FALSE(PlatformFiles::WriteFileAtomically(path + "/options.txt", "x", &error));
    EXPECT_NE(error.find("options.txt"), std::string::npos);
    EXPECT_EQ(ReadThroughPlatform(path), "new text");
}

TEST(PlatformFiles, CreateFolderReportsFailure)
{
    TempDir dir;
    EXPECT_TRUE(PlatformFiles::CreateFolder(dir.Path() + "/new"));
    EXPECT_TRUE(PlatformFiles::CreateFolder(dir.Path() + "/NEW"));  // already there, in another case
    WriteText(dir.Path() + "/file", "x");
    std::string error;
    EXPECT_FALSE(PlatformFiles::CreateFolder(dir.Path() + "/file/sub", &error));
    EXPECT_FALSE(error.empty());
}
