// The save file's text: the tagged lines, their value encodings, escaping,
// and the tree and section readers that check them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "gamedata/SaveFileTree.h"
#include "gamedata/SaveFileWriter.h"
#include "gamedata/SaveSectionReader.h"
#include "gamedata/SaveVoterSection.h"

TEST(SaveFileWriter, ValueEncodings)
{
    SaveFileWriter out;
    out.Open("a");
    out.Int("i", -42);
    out.Real("r", 0.1f);
    const float history[] = {0.25f, -1.0f, 0.0004f};
    out.History("h", history, 3);
    out.Text("t", "Bread & <Roses>");
    out.Close("a");
    EXPECT_EQ(out.Contents(), "<a>\n<i>-42</i>\n<r>0.10000000</r>\n<h>0.250,-1.000,0.000,</h>\n"
                              "<t>Bread &amp; &lt;Roses&gt;</t>\n</a>\n");
}

TEST(SaveFileWriter, ExactFormReadsBackBitForBit)
{
    const float values[] = {0.1f, 1.0f / 3.0f, 1.0e-9f, -123456.789f, std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::max(), 0.0f};
    for (float value : values) {
        std::string text;
        SaveFileWriter::AppendExact(text, value);
        float back = 0.0f;
        ASSERT_TRUE(SaveSectionReader::ParseReal(text, back)) << text;
        EXPECT_EQ(back, value) << text;
    }
}

TEST(SaveFileWriter, EscapingRoundTripsEveryByte)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    std::string escaped = SaveFileWriter::Escape(all);
    EXPECT_EQ(escaped.find('<'), std::string::npos);
    EXPECT_EQ(escaped.find('\n'), std::string::npos);
    std::string back;
    ASSERT_TRUE(SaveFileWriter::Unescape(escaped, back));
    EXPECT_EQ(back, all);
    for (const char* bad : {"&", "&amp", "&quot;", "&#;", "&#999;", "&#12a;"})
        EXPECT_FALSE(SaveFileWriter::Unescape(bad, back)) << bad;
}

TEST(SaveFileTree, ProblemsNameTheirLine)
{
    const struct {
        const char* text;
        const char* error;  // "" when the text is a tree
    } cases[] = {
        {"<xml>\n</xml>\n", ""},
        {"<xml>\r\n<a>1</a>\r\n</xml>\r\n", ""},
        {"<xml>\n<a>\n<b>x</b>\n</a>\n</xml>\n\n", ""},
        {"", "line 1: empty file"},
        {"<root>\n</root>\n", "line 1: the file does not start with <xml>"},
        {"<xml>\n<a>\n</b>\n</xml>\n", "line 3: </b> closes <a> of line 2"},
        {"<xml>\n<a>\n", "line 2: the file ends inside <a> of line 2"},
        {"<xml>\n</xml>\n<a>\n", "line 3: text after </xml>"},
        {"<xml>\n<a>1</b>\n</xml>\n", "line 2: value <a> not closed on its line"},
        {"<xml>\n<a>1<2</a>\n</xml>\n", "line 2: value <a> not closed on its line"},
        {"<xml>\nplain text\n</xml>\n", "line 2: not a tag line"},
        {"<xml>\n<a b>1</a b>\n</xml>\n", "line 2: bad tag name"},
        {"<xml>\n</xml>\n</xml>\n", "line 3: text after </xml>"},
    };
    for (const auto& c : cases) {
        SaveFileTree tree;
        std::string error;
        bool parsed = tree.Parse(c.text, error);
        EXPECT_EQ(parsed, std::string(c.error).empty()) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(SaveFileTree, KeepsOrderAndLines)
{
    SaveFileTree tree;
    std::string error;
    ASSERT_TRUE(tree.Parse("<xml>\n<a>\n<b>1</b>\n<c>two</c>\n</a>\n<d>\n</d>\n</xml>\n", error)) << error;
    int a = tree.FindChild(tree.Root(), "a");
    ASSERT_NE(a, SaveFileTree::kNone);
    const auto& b = tree.At(tree.At(a).firstChild);
    EXPECT_EQ(b.tag, "b");
    EXPECT_EQ(b.line, 3);
    EXPECT_EQ(tree.At(b.nextSibling).text, "two");
    EXPECT_EQ(tree.At(tree.FindChild(tree.Root(), "d")).firstChild, SaveFileTree::kNone);
    EXPECT_EQ(tree.FindChild(tree.Root(), "b"), SaveFileTree::kNone) << "only direct children";
}

TEST(SaveFileTree, ARawSectionIsOneNodeAndLaterLinesKeepTheirNumbers)
{
    SaveFileTree tree;
    tree.KeepRaw("r");
    std::string error;
    ASSERT_TRUE(tree.Parse("<xml>\n<r>\nnot a tag\n<x>\n</r>\n<a>1</a>\n</xml>\n", error)) << error;
    const auto& raw = tree.At(tree.FindChild(tree.Root(), "r"));
    EXPECT_TRUE(raw.isRaw);
    EXPECT_EQ(raw.text, "not a tag\n<x>\n");
    EXPECT_EQ(raw.firstChild, SaveFileTree::kNone);
    EXPECT_EQ(tree.At(tree.FindChild(tree.Root(), "a")).line, 6);
    EXPECT_FALSE(tree.Parse("<xml>\n<r>\n<x>\n</xml>\n", error));
    EXPECT_EQ(error, "line 4: the file ends inside <r> of line 2");
    // Only a section of the root is raw.
    ASSERT_TRUE(tree.Parse("<xml>\n<a>\n<r>\n<b>1</b>\n</r>\n</a>\n</xml>\n", error)) << error;
    EXPECT_FALSE(tree.At(tree.At(tree.FindChild(tree.Root(), "a")).firstChild).isRaw);
}

TEST(SaveVoterSection, BitsReadBackExactlyAndOnlyFinite)
{
    const float values[] = {0.1f, -0.0f, 0.0f, 1.0f / 3.0f, std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::max(), -123456.789f};
    for (float value : values) {
        std::string text;
        SaveVoterSection::AppendBits(text, value);
        float back = 1.0f;
        ASSERT_TRUE(SaveVoterSection::ParseBits(text, back)) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(value)) << text;
        EXPECT_EQ(back, value) << text;
    }
    float ignored = 0.0f;
    for (const char* bad : {"", "7f800000", "ff800000", "7fc00000", "123456789", "3F800000", "-1", "0x1", " 1"})
        EXPECT_FALSE(SaveVoterSection::ParseBits(bad, ignored)) << bad;
}

namespace {
// The message of the SaveError reading one value of "<xml>\n<s>\n<v>TEXT</v>\n</s>\n</xml>" throws.
template <typename Read>
std::string Problem(const std::string& value, Read read)
{
    SaveFileTree tree;
    std::string error;
    EXPECT_TRUE(tree.Parse("<xml>\n<s>\n<v>" + value + "</v>\n</s>\n</xml>\n", error));
    SaveSectionReader file(tree, tree.Root());
    SaveSectionReader section(tree, file.Container("s"));
    try {
        read(section);
        section.End();
    } catch (const SaveError& problem) {
        return std::to_string(problem.line) + ": " + problem.what;
    }
    return "";
}
}  // namespace

TEST(SaveSectionReader, ChecksEachKindOfValue)
{
    auto integer = [](SaveSectionReader& s) { s.Int("v", 0, 2); };
    auto real = [](SaveSectionReader& s) { s.Real("v"); };
    auto list3 = [](SaveSectionReader& s) { s.List("v", 3); };
    auto text = [](SaveSectionReader& s) { s.Text("v"); };
    auto other = [](SaveSectionReader& s) { s.Int("w", 0, 9); };
    EXPECT_EQ(Problem("2", integer), "");
    EXPECT_EQ(Problem("3", integer), "3: <v> 3 is outside 0..2");
    EXPECT_EQ(Problem("1.0", integer), "3: <v> is not a whole number");
    EXPECT_EQ(Problem("", integer), "3: <v> is not a whole number");
    EXPECT_EQ(Problem("-0.25", real), "");
    EXPECT_EQ(Problem("inf", real), "3: <v> is not a finite number");
    EXPECT_EQ(Problem("1e999", real), "3: <v> is not a finite number");
    EXPECT_EQ(Problem("0.5x", real), "3: <v> is not a finite number");
    EXPECT_EQ(Problem("1,2,3,", list3), "");
    EXPECT_EQ(Problem("1,2,", list3), "3: <v> has 2 entries, not 3");
    EXPECT_EQ(Problem("1,2,3", list3), "3: <v> does not end with a comma");
    EXPECT_EQ(Problem("1,nan,3,", list3), "3: <v> entry 2 is not a finite number");
    EXPECT_EQ(Problem("a &lt; b", text), "");
    EXPECT_EQ(Problem("a & b", text), "3: bad '&' entity in <v>");
    EXPECT_EQ(Problem("1", other), "3: value <w> expected, found <v>");
}

namespace {
// One voter line read with 3 voter groups, 3 pressure groups and 10 names
// in each pool; "" when it reads, else "line: message".
std::string ReadVoterLine(const std::string& inner, SavedGame::VoterRecord& record)
{
    const std::string text = "<v>" + inner + "</v>\n";
    SavedGame::Voters voters;
    voters.lines = text;
    voters.firstLine = 7;
    voters.shape.groups = 3;
    voters.shape.pressureGroups = 3;
    voters.shape.maleNames = voters.shape.femaleNames = voters.shape.surnames = 10;
    SaveVoterSection::Lines lines(voters);
    try {
        EXPECT_TRUE(lines.Next(record));
        EXPECT_FALSE(lines.Next(record));
    } catch (const SaveError& problem) {
        return std::to_string(problem.line) + ": " + problem.what;
    }
    return "";
}
}  // namespace

TEST(SaveVoterSection, LinesReadTheWritersFormAndItsLooserForms)
{
    // SurID 4, VotTend 2, Value -1, TurnoutChance 0.25 among the fixed fields.
    const std::string fixed = "3,4,1,3f800000,0,40000000,2,3f000000,0,bf800000,1,3e800000";
    struct Case {
        const char* lists;
        std::vector<uint16_t> organisations;
        std::vector<uint8_t> ties;  // 1 linked, 2 member
        float firstWeight;
    };
    const Case cases[] = {
        {";0,2;3f800000,,0;0,2", {0, 2}, {3, 0, 3}, 1.0f},
        {";;,,;", {}, {0, 0, 0}, 0.0f},
        {";;,,;1", {}, {0, 2, 0}, 0.0f},
        // Not what the writer makes, but always read this way.
        {";2,;c0000000,,;0002,", {2}, {1, 0, 2}, -2.0f},
    };
    for (const Case& c : cases) {
        SavedGame::VoterRecord record;
        record.organisations = {1, 1, 1, 1};  // a previous line's
        ASSERT_EQ(ReadVoterLine(fixed + c.lists, record), "") << c.lists;
        EXPECT_EQ(record.voter.surID, 4);
        EXPECT_EQ(record.voter.votTend, 2.0f);
        EXPECT_EQ(record.voter.value, -1.0f);
        EXPECT_EQ(record.voter.turnoutChance, 0.25f);
        EXPECT_EQ(record.organisations, c.organisations) << c.lists;
        EXPECT_EQ(record.ties, c.ties) << c.lists;
        EXPECT_EQ(record.weights[0], c.firstWeight) << c.lists;
    }
}

TEST(SaveVoterSection, LinesNameTheFaultOfABadLine)
{
    const std::string fixed = "3,4,1,3f800000,0,40000000,2,3f000000,0,bf800000,1,3e800000";
    const struct {
        std::string line;
        const char* problem;
    } cases[] = {
        {fixed + ";3;,,;", "7: a voter belongs to a pressure group that is not in <pressuregroups>"},
        {fixed + ";;,,;3", "7: membership of a group that is not in <votertypes>"},
        {fixed + ";;,,,;", "7: <v> has 4 group links where <votertypes> has 3 groups"},
        {fixed + ";;,3F800000,;", "7: <v> vgroups \"3F800000\" is not the bits of a finite number"},
        {fixed + ";;,7f800000,;", "7: <v> vgroups \"7f800000\" is not the bits of a finite number"},
        {fixed + ";;,,", "7: <v> does not hold the fixed fields and three lists, parted by ';'"},
        {"10" + fixed.substr(1) + ";;,,;", "7: forename index 10 outside the name pool"},
        {"3,4,1,3f800000" + fixed.substr(14 + 9) + ";;,,;", "7: <v> does not start with 12 fields"},
    };
    for (const auto& c : cases) {
        SavedGame::VoterRecord record;
        EXPECT_EQ(ReadVoterLine(c.line, record), c.problem) << c.line;
    }
}
