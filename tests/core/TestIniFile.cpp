#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "platform/PlatformFiles.h"

using Strings = std::vector<std::string>;

TEST(IniFile, SectionStringsFollowTheProfileReader)
{
    IniFile ini = IniFile::Parse(
        "\xEF\xBB\xBF[Setup]\r\n"
        "  alpha = 1  \r\n"
        "; a comment = ignored\r\n"
        "   ;indented comment\r\n"
        "no equals here\r\n"
        "\r\n"
        "beta=\"quoted\"\r\n"
        "alpha=2\r\n"
        "=no key\r\n"
        "//slash=kept\r\n"
        "[other]\r\n"
        "gamma=3\r\n");
    Strings expected = {"alpha=1", "no equals here", "beta=\"quoted\"", "alpha=2", "//slash=kept"};
    EXPECT_EQ(ini.SectionStrings("setup"), expected);
    EXPECT_EQ(ini.SectionStrings("SETUP"), expected);
    EXPECT_EQ(ini.SectionStrings("Other"), Strings{"gamma=3"});
    EXPECT_TRUE(ini.SectionStrings("missing").empty());
    EXPECT_EQ(ini.SectionNames(), (Strings{"Setup", "other"}));
    // The first section of a name is read; lines before any header belong to none.
    IniFile twice = IniFile::Parse("orphan=1\n[a]\nx=1\n[A]\nx=2\n[unclosed\ny=3\n");
    EXPECT_EQ(twice.SectionStrings("a"), Strings{"x=1"});
    EXPECT_EQ(twice.SectionStrings("unclosed"), Strings{"y=3"});
    EXPECT_TRUE(twice.SectionStrings("").empty());
}

TEST(IniFile, GetIntReadsLikeTheProfileFunctions)
{
    IniFile ini = IniFile::Parse("[config]\nIsWindowed = 1\nColorDepth=32bits\nEmpty=\nQuoted=\"16\"\n");
    EXPECT_EQ(ini.GetInt("CONFIG", "iswindowed", 7), 1);
    EXPECT_EQ(ini.GetInt("config", "ColorDepth", 7), 32);
    EXPECT_EQ(ini.GetInt("config", "Empty", 7), 7);
    EXPECT_EQ(ini.GetInt("config", "Quoted", 7), 16);
    EXPECT_EQ(ini.GetInt("config", "Missing", 7), 7);
    EXPECT_EQ(IniFile::ReadInt("/nonexistent/config.muf", "config", "IsWindowed", 0), 0);
}

TEST(IniFile, WriteStringKeepsTheRestOfTheFile)
{
    TempDir dir;
    std::string path = dir.Path() + "/config.muf";
    WriteText(path, "; display settings\n[Config]\nIsWindowed = 1\nColorDepth=16\n\n[other]\nx=1\n");
    ASSERT_TRUE(IniFile::WriteString(path, "config", "iswindowed", "0"));
    ASSERT_TRUE(IniFile::WriteString(path, "config", "NewKey", "5"));
    ASSERT_TRUE(IniFile::WriteString(path, "added", "k", "v"));
    std::string text;
    PlatformFiles::ReadFile(path, text);
    EXPECT_EQ(text,
              "; display settings\n[Config]\niswindowed=0\nColorDepth=16\nNewKey=5\n\n[other]\nx=1\n\n[added]\nk=v\n");
    EXPECT_EQ(IniFile::ReadInt(path, "config", "IsWindowed", 9), 0);
}

TEST(IniFile, WriteStringCreatesAMissingFileAndFailsCleanly)
{
    TempDir dir;
    ASSERT_TRUE(IniFile::WriteString(dir.Path() + "/new.ini", "s", "k", "v"));
    EXPECT_EQ(IniFile::ReadSection(dir.Path() + "/new.ini", "s"), Strings{"k=v"});
    WriteText(dir.Path() + "/plain", "x");
    std::string error;
    EXPECT_FALSE(IniFile::WriteString(dir.Path() + "/plain/new.ini", "s", "k", "v", &error));
    EXPECT_FALSE(error.empty());
}
