#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "gamedata/CFinanceObject.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "platform/NumberText.h"
#include "sim/SliderDefinitions.h"

namespace {

TEST(SliderDefinitionsTest, TableAndModFilesAreLookedUpByName)
{
    TempDir dir;
    std::string table = dir.Path() + "/sliders.csv";
    std::ofstream(table) << "name,steps,labels\n#,Tax,3,Low,Mid,High\n#,Bare,4\n#,Tax,2,Shadowed,Never\n";
    std::filesystem::create_directory(dir.Path() + "/mods");
    std::ofstream(dir.Path() + "/mods/extra.txt") << "#,Extra,2,Off,On\n#,Another,3\n";

    SliderDefinitions sliders;
    sliders.Load(table, dir.Path() + "\\mods\\*.txt");
    EXPECT_EQ(sliders.Count(), 5u);
    const SliderDefinition* tax = sliders.Find("Tax");
    ASSERT_NE(tax, nullptr);
    EXPECT_EQ(tax->Steps(), 3);
    EXPECT_EQ(tax->Label(1), "Mid");
    EXPECT_EQ(tax->Label(7), "");
    EXPECT_FLOAT_EQ(tax->StepValue(1), 0.5f);
    EXPECT_EQ(tax->NearestStep(0.8f), 2);
    EXPECT_EQ(tax->NearestStep(0.2f), 0);
    EXPECT_EQ(sliders.Find("Bare")->Label(0), "");
    EXPECT_NE(sliders.Find("Another"), nullptr);
    EXPECT_EQ(sliders.Find("tax"), nullptr);
    EXPECT_EQ(sliders.Find("Missing"), nullptr);

    sliders.Load(table, "");
    EXPECT_EQ(sliders.Count(), 3u) << "loading again starts afresh";
}

TEST(SliderDefinitionsTest, BadRecordsAreSkippedNamingFileAndLine)
{
    TempDir dir;
    std::string table = dir.Path() + "/sliders.csv";
    std::ofstream(table) << "#,,3\n#,One,1\n#,Many,2,a,b,c\n#,Good,2\n";
    LogCapture log;
    SliderDefinitions sliders;
    sliders.Load(table, "");
    EXPECT_EQ(sliders.Count(), 2u);
    EXPECT_TRUE(log.Contains("sliders.csv line 1"));
    EXPECT_TRUE(log.Contains("sliders.csv line 2"));
    EXPECT_TRUE(log.Contains("sliders.csv line 3"));
    EXPECT_EQ(sliders.Find("Many")->Labels().size(), 2u);
}

TEST(SliderDefinitionsTest, ShippedTableLoads)
{
    LogCapture log;
    SliderDefinitions sliders;
    sliders.Load(std::string(RULECRAFT_SOURCE_DIR) + "/data/simulation/sliders.csv", "");
    EXPECT_GE(sliders.Count(), 3u);
    EXPECT_NE(sliders.Find("Default"), nullptr);
    EXPECT_FALSE(log.Contains("line"));
}

class FinanceObjectTest : public ::testing::Test {
protected:
    void SetUp() override { SIM_Mission::Get().SetWealth(1.0f); }
    void TearDown() override { Options::Get().Section().Clear(); }
    static void SetDifficulty(float difficulty)
    {
        Options::Get().Section().Clear();
        Options::Get().Section().Add("DIFFICULTY", NumberText::FormatFixed(difficulty, 2));
    }
};

TEST_F(FinanceObjectTest, StraightLinesScaledByDifficultyAndWealth)
{
    CFinanceObject money;
    money.SetCostLine(10.0f, 30.0f);
    money.SetIncomeLine(-20.0f, 100.0f);
    EXPECT_FLOAT_EQ(money.Cost(0.5f), 20.0f);
    EXPECT_FLOAT_EQ(money.Income(0.5f), 40.0f);
    EXPECT_FLOAT_EQ(money.Income(0.0f), 0.0f) << "a negative income counts as nothing";

    SetDifficulty(0.0f);
    EXPECT_NEAR(money.Cost(0.5f), 16.0f, 1e-4);
    EXPECT_NEAR(money.Income(0.5f), 48.0f, 1e-4);
    SetDifficulty(1.0f);
    EXPECT_NEAR(money.Cost(0.5f), 24.0f, 1e-4);
    EXPECT_NEAR(money.Income(0.5f), 32.0f, 1e-4);

    SetDifficulty(0.5f);
    SIM_Mission::Get().SetWealth(2.0f);
    money.SetCostMultiplier(1.5f);
    EXPECT_FLOAT_EQ(money.Cost(1.0f), 90.0f);

    money.SetCostLine(-5.0f, -5.0f);
    EXPECT_FLOAT_EQ(money.Cost(0.0f), -15.0f) << "a negative cost is passed on unchanged";

    LogCapture log;
    money.Cost(1.5f);
    EXPECT_TRUE(log.Contains("out of range"));
}

}  // namespace
