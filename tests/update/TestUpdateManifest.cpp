#include <gtest/gtest.h>

#include "update/UpdateManifest.h"

namespace {
const std::string kHash(64, 'a');
}

TEST(UpdateManifest, KeepsGoodLinesAndNamesEachRefusedLine)
{
    const std::string text = "# published lists\n"
                             "rulecraft-manifest 1\r\n"
                             "\n" +
                             kHash + " 12 data/missions/a.txt\n" +
                             "garbage\n" +
                             "zz" + kHash.substr(2) + " 3 data/b.txt\n" +
                             kHash + " -4 data/c.txt\n" +
                             kHash + " 5 ../escape.txt\n" +
                             kHash + " 99999999999 data/huge.txt\n" +
                             std::string(64, 'B') + " 7 data/quotes.csv\n" +
                             kHash + " 1 data/missions/a.txt\n";
    UpdateManifest manifest = UpdateManifest::Parse(text, "list");
    ASSERT_TRUE(manifest.IsValid());
    ASSERT_EQ(manifest.Entries().size(), 2u);
    EXPECT_EQ(manifest.Entries()[0].path, "data/missions/a.txt");
    EXPECT_EQ(manifest.Entries()[0].size, 12u);
    EXPECT_EQ(manifest.Entries()[1].sha256, std::string(64, 'b'));
    ASSERT_EQ(manifest.Problems().size(), 6u);
    EXPECT_EQ(manifest.Problems()[0].rfind("list:5: ", 0), 0u) << manifest.Problems()[0];
    EXPECT_EQ(manifest.Problems()[5].rfind("list:11: ", 0), 0u) << manifest.Problems()[5];
}

TEST(UpdateManifest, TextWithoutTheHeaderIsNoList)
{
    for (const std::string& text : {std::string("<html>Not found</html>\n"), std::string(""), std::string("# only\n"),
                                    kHash + " 1 data/a.txt\n"}) {
        UpdateManifest manifest = UpdateManifest::Parse(text, "list");
        EXPECT_FALSE(manifest.IsValid()) << text;
        EXPECT_TRUE(manifest.Entries().empty());
        EXPECT_EQ(manifest.Problems().size(), 1u);
    }
}
