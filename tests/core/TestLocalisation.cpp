#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "TestSupport.h"
#include "gamedata/GHashTable.h"
#include "gamedata/IniSection.h"
#include "gamedata/Localisation.h"
#include "sim/SimRandom.h"

namespace {

const char* kStrings =
    "[strings]\n"
    "Hello=Hello there\n"
    "EmptyValue=\n"
    "Debt Text = You owe <DEBT> over <MONTHS> months\n"
    "lower=small\n"
    "LOWER=big\n"
    "9lives=skipped\n"
    "//comment=skipped silently\n"
    "Pair=<A> and <B>\n"
    "Broken=a <open\n"
    "\n"
    "[grades]\n"
    "0=worst\n1=bad\n2=middling\n3=good\n4=best\n"
    "[pick]\n"
    "0=first\n1=second\n2=third\n"
    "[empty]\n";

class LocalisationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(dir_.Path() + "/strings.ini") << kStrings;
        Localisation::SetStringsFile(dir_.Path() + "/strings.ini");
    }
    void TearDown() override { Localisation::SetStringsFile(Localisation::kStringsFile); }

    TempDir dir_;
};

}  // namespace

TEST_F(LocalisationTest, TranslateFallsBackToTheToken)
{
    EXPECT_EQ(translate("Hello"), "Hello there");
    EXPECT_EQ(translate("Absent"), "Absent");
    EXPECT_EQ(translate("EmptyValue"), "EmptyValue");
    EXPECT_EQ(translate("DebtText"), "You owe <DEBT> over <MONTHS> months");  // spaces leave keys
    EXPECT_EQ(translate("lower"), "small");
    EXPECT_EQ(translate("LOWER"), "big");
    EXPECT_EQ(translate(""), "");
    EXPECT_EQ(translate("9lives"), "9lives");
}

TEST(GHashTable, KeysThatDoNotBeginWithALetterAreSkippedAndLogged)
{
    LogCapture log;
    GHashTable table;
    table.LoadFromText("strings", "[strings]\n9lives=x\n_under=y\n//note=z\nok=1\n", "strings.ini");
    EXPECT_TRUE(table.IsLoaded());
    EXPECT_EQ(table.Count(), 1);
    ASSERT_NE(table.Find("ok"), nullptr);
    EXPECT_EQ(table.Find("9lives"), nullptr);
    EXPECT_EQ(table.Find("_under"), nullptr);
    EXPECT_TRUE(log.Contains("skipped: 9lives in strings.ini"));
    EXPECT_TRUE(log.Contains("skipped: _under in strings.ini"));
    EXPECT_FALSE(log.Contains("//note"));
}

TEST_F(LocalisationTest, GradedLookupsCoverTheWholeRange)
{
    const std::pair<float, const char*> cases[] = {{0.0f, "worst"}, {1.0f, "best"},  {0.5f, "middling"},
                                                   {0.79f, "good"}, {-3.0f, "worst"}, {1e30f, "best"},
                                                   {std::nanf(""), "worst"}};
    for (const auto& [fraction, text] : cases)
        EXPECT_EQ(translateGraded(fraction, "grades"), text) << fraction;
    EXPECT_EQ(translateGraded(0.5f, "empty"), "");
    EXPECT_EQ(translateGraded(0.5f, "missing section"), "");
}

TEST_F(LocalisationTest, RandomLookupsDrawFromTheSharedGeneratorAndAnEmptySectionIsLogged)
{
    for (uint32_t seed : {1u, 77u, 12345u}) {
        SimRandom::Seed(seed);
        int draw = SimRandom::Next();
        const char* expected[] = {"first", "second", "third"};
        SimRandom::Seed(seed);
        EXPECT_EQ(translateRandom("pick"), expected[draw % 3]);
    }
    LogCapture log;
    EXPECT_EQ(translateRandom("empty"), "");
    EXPECT_TRUE(log.Contains("WARNING - No random translation keys found"));
}

TEST_F(LocalisationTest, ExpandTokensReplacesPlaceholders)
{
    translate("Hello");  // loads the table, which logs its skipped key
    LogCapture log;
    EXPECT_EQ(expandTokens("DebtText", "DEBT=5,MONTHS=12,"), "You owe 5 over 12 months");
    EXPECT_TRUE(log.Lines().empty());
    // Without its final comma the last pair is lost and its placeholder vanishes.
    EXPECT_EQ(expandTokens("DebtText", "DEBT=5,MONTHS=12"), "You owe 5 over  months");
    EXPECT_TRUE(log.Contains("failed to find token:MONTHS"));
    // An untranslated token is expanded as it stands; the first pair of a name wins.
    EXPECT_EQ(expandTokens("<X>/<X>", "X=1,X=2,"), "1/1");
    EXPECT_EQ(expandTokens("Broken", "open=1,"), "a <open");
    // Pairs given as pairs keep their commas.
    EXPECT_EQ(expandTokens("Pair", TokenParameters{{"A", "1,000"}, {"B", "x=y"}}), "1,000 and x=y");
    EXPECT_EQ(ParseTokenParameters("A=1,B=2=3,C"),
              (TokenParameters{{"A", "1"}, {"B", "2=3"}}));
}

TEST(ShippedStrings, EverySectionIsFilledAndEveryKeyIsUsable)
{
    LogCapture log;
    Localisation::SetStringsFile(Localisation::kStringsFile);
    EXPECT_NE(translate("REPORT_BUDGET_TITLE"), "REPORT_BUDGET_TITLE");
    for (const char* graded : {"opinion_of_government", "report_global_economy", "report_election_time",
                               "security effectiveness"}) {
        IniSection section;
        section.Load(graded, Localisation::kStringsFile);
        EXPECT_GE(section.Count(), 3) << graded;
        EXPECT_FALSE(translateGraded(1.0f, graded).empty()) << graded;
    }
    for (const char* random : {"REPORT_SUMMARY_LOWAPPROVAL", "REPORT_SUMMARY_HIGHAPPROVAL",
                               "REPORT_SUMMARY_AVERAGEAPPROVAL", "REPORT_SUMMARY_DEFICIT", "REPORT_SUMMARY_SURPLUS"})
        EXPECT_FALSE(translateRandom(random).empty()) << random;
    EXPECT_TRUE(log.Lines().empty());
}
