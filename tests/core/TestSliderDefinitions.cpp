#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "sim/SliderDefinitions.h"

namespace {

TEST(SliderDefinitionsTest, TableAndModFilesAreLookedUpByNameAndBadRecordsSkipped)
{
    TempDir dir;
    std::string table = dir.Path() + "/sliders.csv";
    WriteText(table, "name,steps,labels\n#,,3\n#,One,1\n#,Many,2,a,b,c\n"
                     "#,Tax,3,Low,Mid,High\n#,Bare,4\n#,Tax,2,Shadowed,Never\n");
    std::filesystem::create_directory(dir.Path() + "/mods");
    WriteText(dir.Path() + "/mods/extra.txt", "#,Extra,2,Off,On\n#,Another,3\n");

    LogCapture log;
    SliderDefinitions sliders;
    sliders.Load(table, dir.Path() + "\\mods\\*.txt");
    EXPECT_EQ(sliders.Count(), 6u);
    // No name and one step skip the record; more labels than steps drop the extra ones.
    for (const char* line : {"sliders.csv line 2", "sliders.csv line 3", "sliders.csv line 4"})
        EXPECT_TRUE(log.Contains(line)) << line;
    EXPECT_EQ(sliders.Find("Many")->Labels().size(), 2u);
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

    sliders.Load(table, "");
    EXPECT_EQ(sliders.Count(), 4u) << "loading again starts afresh";
}

}  // namespace
