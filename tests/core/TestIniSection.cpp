#include <gtest/gtest.h>

#include "TestSupport.h"
#include "gamedata/IniSection.h"
#include "platform/PlatformFiles.h"

namespace {

IniSection Parse(const std::string& text, const std::string& section = "s")
{
    IniSection ini;
    ini.LoadFromText(section, text, "test.ini");
    return ini;
}
}  // namespace

TEST(IniSection, KeyAndValueRules)
{
    IniSection ini = Parse(
        "[S]\n"
        "KEY   = spaced\n"
        "//comment=dropped\n"
        "/single=dropped too\n"
        "Quote=say \\\"hi\\\" \"now\"\n"
        "A=1=2\n"
        "Escaped=x\\=y\n"
        "Back=a\\b\\\\c\n"
        "Bare line\n");
    EXPECT_EQ(ini.Count(), 6);
    EXPECT_EQ(ini.GetText("KEY"), "spaced");
    EXPECT_FALSE(ini.Has("//comment"));
    EXPECT_EQ(ini.GetText("Quote"), "say \"hi\" now");
    EXPECT_EQ(ini.GetText("A"), "12");
    EXPECT_EQ(ini.GetText("Escaped"), "x=y");
    EXPECT_EQ(ini.GetText("Back"), "abc");  // a backslash never survives
    EXPECT_TRUE(ini.Has("Bare line"));
    EXPECT_EQ(ini.GetText("Bare line"), "");
    EXPECT_FALSE(ini.Has("key"));  // look-ups are case-sensitive
}

TEST(IniSection, TypedLookups)
{
    IniSection ini = Parse("[s]\nF=0.75\nI=1.00\nEmpty=\nText=abc\nD=1\nD=2\n");
    EXPECT_FLOAT_EQ(ini.GetFloat("F", 9.0f), 0.75f);
    EXPECT_FLOAT_EQ(ini.GetFloat("Empty", 9.0f), 9.0f);
    EXPECT_FLOAT_EQ(ini.GetFloat("Missing", 9.0f), 9.0f);
    EXPECT_FLOAT_EQ(ini.GetFloat("Text", 9.0f), 0.0f);
    EXPECT_EQ(ini.GetInt("I"), 1);
    EXPECT_EQ(ini.GetInt("Missing"), 0);
    EXPECT_EQ(ini.GetText("Missing"), "");
    EXPECT_EQ(ini.GetText("D"), "1");  // first in file order wins
    EXPECT_EQ(ini.Count(), 6);
}

TEST(IniSection, AMissingFileOrSectionIsEmpty)
{
    TempDir dir;
    WriteText(dir.Path() + "/data.ini", "[SETUP]\nAIENTITIES=2000\n");
    IniSection ini;
    ini.Load("setup", dir.Path() + "\\DATA.INI");  // the file and the section whatever their case
    EXPECT_EQ(ini.GetInt("AIENTITIES"), 2000);
    ini.Load("nosuchsection", dir.Path() + "/data.ini");
    EXPECT_EQ(ini.Count(), 0);
    ini.Load("setup", dir.Path() + "/missing.ini");
    EXPECT_FLOAT_EQ(ini.GetFloat("AIENTITIES", 5.0f), 5.0f);
}

TEST(IniSection, LineOfFindsTheKeyInItsOwnSection)
{
    TempDir dir;
    WriteText(dir.Path() + "/data.ini",
              "[other]\nAIENTITIES=1\n[Setup]\n// AIENTITIES=3\n\nWEALTH = 2\r\nAIENTITIES=lots\n");
    IniSection ini;
    ini.Load("setup", dir.Path() + "/data.ini");
    EXPECT_EQ(ini.LineOf("AIENTITIES"), 7);
    EXPECT_EQ(ini.LineOf("WEALTH"), 6);
    EXPECT_EQ(ini.LineOf("MISSING"), 0);
    EXPECT_EQ(Parse("[s]\nA=1\n").LineOf("A"), 0);  // no file to read again
}

TEST(IniSection, IterationSharesOneCursor)
{
    IniSection ini = Parse("[s]\na=1\nb=2\nc=3\n");
    std::string key, value;
    ASSERT_TRUE(ini.NextKey(key));
    EXPECT_EQ(key, "a");
    ASSERT_TRUE(ini.NextValue(value));
    EXPECT_EQ(value, "2");
    ASSERT_TRUE(ini.NextKey(key));
    EXPECT_EQ(key, "c");
    EXPECT_FALSE(ini.NextKey(key));
    ini.ResetIteration();
    ASSERT_TRUE(ini.NextValue(value));
    EXPECT_EQ(value, "1");
}

TEST(IniSection, RawPairsSkipTheValueRules)
{
    IniSection ini = Parse("[settings]\nGDP = 0.5=x\nquote=\\\"q\\\"\nbare\n", "settings");
    std::string key, value;
    ASSERT_TRUE(ini.NextRawPair(key, value));
    EXPECT_EQ(key, "GDP");
    EXPECT_EQ(value, "0.5=x");
    ASSERT_TRUE(ini.NextRawPair(key, value));
    EXPECT_EQ(value, "\\\"q\\\"");
    ASSERT_TRUE(ini.NextRawPair(key, value));
    EXPECT_EQ(key, "bare");
    EXPECT_EQ(value, "");
    EXPECT_FALSE(ini.NextRawPair(key, value));
}

TEST(IniSection, SetFloatChangesOnlyKeysThatExist)
{
    TempDir dir;
    IniSection ini = Parse("[options]\nMUSIC = 0.5\nDup=1\nDup=2\n", "options");
    ini.SetFloat("MUSIC", 1.0f);
    ini.SetFloat("Dup", 0.333f);
    ini.SetFloat("NOTLISTED", 1.0f);
    EXPECT_EQ(ini.GetText("MUSIC"), "1.00");
    EXPECT_EQ(ini.Entries()[2].value, "0.33");
    EXPECT_FALSE(ini.Has("NOTLISTED"));
    ASSERT_TRUE(ini.Save(dir.Path() + "/options.txt"));
    EXPECT_EQ(ReadText(dir.Path() + "/options.txt"), "[options]\nMUSIC = 1.00\nDup = 0.33\nDup = 0.33\n");
}

TEST(IniSection, SaveAndLoadRoundTrip)
{
    TempDir dir;
    IniSection ini = Parse("[hints]\nfirst=0\n", "hints");
    ini.Add("second", "1.00");
    ini.Add("tricky", "a \"quoted\" x=y");
    ini.Add("//not added", "x");
    ASSERT_TRUE(ini.Save(dir.Path() + "/hints.txt"));

    IniSection back;
    back.Load("HINTS", dir.Path() + "/hints.txt");
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.GetText("first"), "0");
    EXPECT_EQ(back.GetInt("second"), 1);
    EXPECT_EQ(back.GetText("tricky"), "a \"quoted\" x=y");
}

TEST(IniSection, FailedSaveKeepsTheOldFileAndIsLogged)
{
    TempDir dir;
    WriteText(dir.Path() + "/plain", "not a folder");
    IniSection ini = Parse("[s]\nk=1\n");
    LogCapture log;
    EXPECT_FALSE(ini.Save(dir.Path() + "/plain/out.txt"));
    EXPECT_TRUE(log.Contains("Failed to save section s to " + dir.Path() + "/plain/out.txt"));
    EXPECT_EQ(ReadText(dir.Path() + "/plain"), "not a folder");
    std::filesystem::create_directory(dir.Path() + "/folder.txt");
    EXPECT_FALSE(ini.Save(dir.Path() + "/folder.txt"));  // a folder is not replaced
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "/folder.txt"));
}

TEST(IniSection, SectionNames)
{
    TempDir dir;
    WriteText(dir.Path() + "/dilemma.txt",
              "\xEF\xBB\xBF[dilemma]  \r\nname=x\n  [indented]\n[influences]\n[x] ;note\n[\n");
    EXPECT_EQ(IniSection::SectionNames(dir.Path() + "\\DILEMMA.TXT"),
              (std::vector<std::string>{"dilemma", "influences", "x] ;not", ""}));
    EXPECT_TRUE(IniSection::SectionNames(dir.Path() + "/missing.txt").empty());
}

TEST(IniSection, KeysThatWouldNotReadBackAreLeftOutOfTheFileAndLogged)
{
    TempDir dir;
    IniSection ini = Parse("[hints]\nfirst=1\n", "hints");
    for (const char* bad : {"[evil", ";quiet", "a=b", " padded", "trail\t", ""})
        ini.Add(bad, "1.00");
    ini.Add("last", "0.00");
    LogCapture log;
    std::string path = dir.Path() + "/hints.txt";
    ASSERT_TRUE(ini.Save(path));
    EXPECT_TRUE(log.Contains("Key \"[evil\" of section hints cannot be written to " + path + "; left out"));
    EXPECT_TRUE(log.Contains("Key \"a=b\""));
    EXPECT_EQ(ReadText(path), "[hints]\nfirst = 1\nlast = 0.00\n");

    // Nothing after a bad key is swallowed by it.
    IniSection back;
    back.Load("hints", path);
    EXPECT_EQ(back.Count(), 2);
    EXPECT_EQ(back.GetText("last"), "0.00");
    EXPECT_TRUE(IniSection::CanWriteKey("HINT one"));
    EXPECT_TRUE(IniSection::CanWriteKey("x]"));
}
