#include <gtest/gtest.h>

#include "TestSupport.h"
#include "gamedata/SaveFileWriter.h"
#include "platform/AtomicFileWriter.h"
#include "platform/MappedFile.h"
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

// A file written piece by piece appears whole on commit, and not at all when
// the writer goes without one; a failed piece fails the rest.
TEST(PlatformFiles, AtomicFileWriterShowsNothingUntilCommitted)
{
    TempDir dir;
    const std::string path = dir.Path() + "/game.xml";
    WriteText(path, "old");
    for (AtomicFileWriter::Sync sync : {AtomicFileWriter::SYNC, AtomicFileWriter::NO_SYNC}) {
        {
            AtomicFileWriter file(path, sync);
            ASSERT_TRUE(file.Write("new ") && file.Write("text")) << file.Error();
            EXPECT_EQ(ReadThroughPlatform(path), "old");
        }
        EXPECT_EQ(ReadThroughPlatform(path), "old") << "dropped without a commit";
        EXPECT_EQ(PlatformFiles::FindFiles(dir.Path() + "/*"), std::vector<std::string>{"game.xml"});
    }
    AtomicFileWriter file(path);
    ASSERT_TRUE(file.Write("new ") && file.Write("text") && file.Commit()) << file.Error();
    EXPECT_EQ(ReadThroughPlatform(path), "new text");
    {
        FileSizeLimit diskFull(4);
        AtomicFileWriter full(path);
        EXPECT_FALSE(full.Write(std::string(10000, 'n')));
        EXPECT_FALSE(full.Commit());
        EXPECT_FALSE(full.Error().empty());
    }
    EXPECT_EQ(ReadThroughPlatform(path), "new text");
}

// Streamed a chunk at a time, a save is the same text as one made in memory.
TEST(PlatformFiles, StreamedSaveTextEqualsTheTextInMemoryAndMapsBack)
{
    TempDir dir;
    const std::string path = dir.Path() + "/big.xml";
    SaveFileWriter memory;
    AtomicFileWriter file(path);
    SaveFileWriter streamed(&file);
    for (SaveFileWriter* out : {&memory, &streamed}) {
        out->Open("xml");
        for (size_t i = 0; i < SaveFileWriter::kChunk / 4; ++i)
            out->Int("i", static_cast<long long>(i));
        out->Close("xml");
    }
    ASSERT_TRUE(streamed.Finish() && file.Commit()) << file.Error();
    ASSERT_GT(memory.Contents().size(), 2 * SaveFileWriter::kChunk);
    MappedFile mapped(path);
    ASSERT_TRUE(mapped.Ok());
    EXPECT_TRUE(mapped.Text() == memory.Contents());
    WriteText(dir.Path() + "/empty.xml", "");
    EXPECT_TRUE(MappedFile(dir.Path() + "/empty.xml").Ok());
    EXPECT_TRUE(MappedFile(dir.Path() + "/empty.xml").Text().empty());
    EXPECT_FALSE(MappedFile(dir.Path() + "/missing.xml").Ok());
    EXPECT_FALSE(MappedFile(dir.Path()).Ok()) << "a folder";
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
