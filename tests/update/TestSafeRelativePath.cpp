#include <gtest/gtest.h>

#include "update/SafeRelativePath.h"

namespace {
struct Case {
    std::string path;
    bool safe;
};

const Case kCases[] = {
    {"data/missions/island.txt", true},
    {"data/simulation/dilemmas/a_b-c+1.txt", true},
    {"quotes.csv", true},
    {"", false},
    {"/etc/passwd", false},
    {"../outside.txt", false},
    {"data/../../outside.txt", false},
    {"data/..", false},
    {"./data/x.txt", false},
    {"data//x.txt", false},
    {"data/x.txt/", false},
    {"data\\..\\x.txt", false},
    {"..\\x.txt", false},
    {"C:/x.txt", false},
    {"data/.hidden", false},
    {"data/%2e%2e/x.txt", false},
    {"data/x y.txt", false},
    {std::string("data/x\0y.txt", 12), false},
    {"data/x\n.txt", false},
    {std::string(201, 'a'), false},
    {"a/b/c/d/e/f/g/h/i.txt", false},
};
}  // namespace

TEST(SafeRelativePath, AcceptsOnlyPlainPathsBelowTheFolder)
{
    for (const Case& c : kCases) {
        std::string reason;
        EXPECT_EQ(SafeRelativePath::Check(c.path, &reason), c.safe) << "\"" << c.path << "\"";
        EXPECT_EQ(reason.empty(), c.safe) << "\"" << c.path << "\"";
    }
}
