#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
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

}  // namespace
