#include <gtest/gtest.h>

#include "TestSupport.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/Spreadsheet.h"

TEST(RecordTokenizer, AdjacentSeparatorsGiveAnEmptyFieldAndOnlyTrailingBlanksAreTrimmed)
{
    RecordTokenizer fields("#,,raw  ,  third  \r\n");
    EXPECT_EQ(fields.NextText(), "#");
    EXPECT_EQ(fields.NextText(), "");
    EXPECT_EQ(fields.NextText(), "raw  ");
    EXPECT_FALSE(fields.AtEnd());
    EXPECT_EQ(fields.NextTrimmedText(), "  third");
    EXPECT_TRUE(fields.AtEnd());
}

TEST(RecordTokenizer, QuotesGroupAFieldAndAreDropped)
{
    RecordTokenizer fields("#,\"Tax, income\",a\"b,c\"d,\"never closed, to the end");
    fields.SkipField();
    EXPECT_EQ(fields.NextText(), "Tax, income");
    EXPECT_EQ(fields.NextText(), "ab,cd");
    EXPECT_EQ(fields.NextText(), "never closed, to the end");
    EXPECT_TRUE(fields.AtEnd());
    EXPECT_EQ(fields.NextText(), "");  // reading past the end stays harmless
}

TEST(RecordTokenizer, KeepQuotesAndOtherSeparators)
{
    RecordTokenizer commands;
    commands.Init("Say(\"a;b\");Wait(2)", ';');
    commands.SetKeepQuotes(true);
    EXPECT_EQ(commands.NextText(), "Say(\"a;b\")");
    EXPECT_EQ(commands.NextText(), "Wait(2)");
    EXPECT_TRUE(commands.AtEnd());
}

TEST(RecordTokenizer, NumbersUseTheDecimalConversions)
{
    RecordTokenizer fields("#, 12,-3.5,0.25x,abc,,7\r\n");
    fields.SkipField();
    EXPECT_EQ(fields.NextInt(), 12);
    EXPECT_FLOAT_EQ(fields.NextFloat(), -3.5f);
    EXPECT_FLOAT_EQ(fields.NextFloat(), 0.25f);
    EXPECT_EQ(fields.NextInt(), 0);
    EXPECT_FLOAT_EQ(fields.NextFloat(), 0.0f);
    EXPECT_EQ(fields.NextInt(), 7);  // the number before the line break
    EXPECT_TRUE(fields.AtEnd());
}

TEST(Spreadsheet, KeepsOnlyRecordLinesWhole)
{
    TempDir dir;
    std::string longField(5000, 'z');
    WriteText(dir.Path() + "/Table.CSV",
              "\xEF\xBB\xBF#,first,1\r\n"
              "comment line\r\n"
              " #indented is not a record\n"
              "#,\"long\"," + longField + "\n"
              "#,last,3");
    Spreadsheet sheet;
    ASSERT_TRUE(sheet.Load(dir.Path() + "\\table.csv"));
    ASSERT_EQ(sheet.Count(), 3u);
    EXPECT_EQ(sheet.Lines()[0], "#,first,1\n");
    EXPECT_EQ(sheet.Lines()[1], "#,\"long\"," + longField + "\n");  // one record, not split
    EXPECT_EQ(sheet.Lines()[2], "#,last,3\n");
}

TEST(Spreadsheet, MissingFileIsLoggedAndEmpty)
{
    LogCapture log;
    Spreadsheet sheet;
    EXPECT_FALSE(sheet.Load("data/no_such_table.csv"));
    EXPECT_TRUE(sheet.Empty());
    EXPECT_TRUE(log.Contains("Failed to find spreadsheet: data/no_such_table.csv"));
    log.Clear();
    EXPECT_FALSE(sheet.Load("x"));  // too short to be a name: silent
    EXPECT_TRUE(log.Lines().empty());
}
