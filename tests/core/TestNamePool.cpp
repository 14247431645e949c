#include <gtest/gtest.h>

#include <set>

#include "TestSupport.h"
#include "gamedata/NamePool.h"
#include "sim/SimRandom.h"

namespace {

TEST(NamePool, TheShippedPoolHasDistinctNamesInEveryList)
{
    NamePool pool;
    pool.LoadNames(RULECRAFT_SOURCE_DIR "/data/simulation/names.txt");
    for (const auto* list : {&pool.MaleForenames(), &pool.FemaleForenames(), &pool.Surnames()}) {
        EXPECT_GE(list->size(), 20u);
        std::set<std::string> unique(list->begin(), list->end());
        EXPECT_EQ(unique.size(), list->size());
        for (const std::string& name : *list)
            EXPECT_EQ(name.find_first_of(" =;\t\r"), std::string::npos) << name;
    }
    SimRandom::Seed(7);
    std::string name = pool.RandomName(true);
    size_t space = name.find(' ');
    ASSERT_NE(space, std::string::npos);
    const auto& women = pool.FemaleForenames();
    EXPECT_NE(std::find(women.begin(), women.end(), name.substr(0, space)), women.end());
}

TEST(NamePool, ReadsKeysInFileOrder)
{
    TempDir dir;
    std::string path = dir.Path() + "/names.txt";
    WriteText(path, "[maleforenames]\nAbel\nBran=ignored\n[femaleforenames]\nCora\n[surnames]\nDale\nEast\n");
    NamePool pool;
    pool.LoadNames(path);
    EXPECT_EQ(pool.MaleForenames(), (std::vector<std::string>{"Abel", "Bran"}));
    EXPECT_EQ(pool.Surnames(), (std::vector<std::string>{"Dale", "East"}));
    EXPECT_EQ(pool.Forename(0, true), "Cora");
    EXPECT_EQ(pool.Forename(1, true), "");
    EXPECT_EQ(pool.Surname(-1), "");
}

TEST(NamePool, DrawingFromAnEmptyListIsAClearError)
{
    NamePool pool;
    EXPECT_NE(FatalMessageOf([&] { pool.RandomName(false); }).find("No surnames in the name pool"), std::string::npos);
    EXPECT_NE(FatalMessageOf([&] { pool.RequireNames(); }), "");
}

}  // namespace
