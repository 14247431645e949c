#include <gtest/gtest.h>

#include <string>

#include "engine/AutoplayScript.h"

namespace {

TEST(AutoplayScript, ScriptsAreReadWholeOrRejectedWithFileAndLine)
{
    AutoplayScript script;
    std::string error;
    EXPECT_TRUE(script.Parse("# comment\n\nwait 5\nclick 512 608\r\nkey 1\nexpect-state 0\ntimeout 90\n"
                             "click NextTurn\nkey F6\nkey Escape\nexpect-window PlayGuideDialog\n",
                             "ok.autoplay", &error));
    ASSERT_EQ(script.Commands().size(), 8u);
    EXPECT_EQ(script.Commands()[1].b, 608);
    EXPECT_EQ(script.Commands()[3].line, 6);
    EXPECT_EQ(script.Commands()[4].text, "NextTurn");
    EXPECT_EQ(script.Commands()[5].a, 0x40);
    EXPECT_EQ(script.Commands()[6].a, 1);

    EXPECT_FALSE(script.Parse("wait 5\nclick 512\n", "bad.autoplay", &error));
    EXPECT_EQ(error, "bad.autoplay line 2: cannot read \"click 512\"");
    EXPECT_TRUE(script.Commands().empty());
    for (const char* bad : {"jump 3\n", "wait 3 4\n", "wait x\n", "key Nope\n", "expect-window\n", "click A B\n"})
        EXPECT_FALSE(script.Parse(bad, "bad.autoplay", &error)) << bad;
    EXPECT_FALSE(script.Load("/nonexistent/x.autoplay", &error));
    for (const char* bad : {"screenshot\n", "dump-windows a b\n"})
        EXPECT_FALSE(script.Parse(bad, "bad.autoplay", &error)) << bad;
    EXPECT_TRUE(script.Parse("screenshot shots/menu.png\ndump-windows /tmp/w.txt\n", "ok.autoplay", &error));
    EXPECT_EQ(script.Commands()[0].text, "shots/menu.png");
}

TEST(AutoplayScript, ClickIfTakesOneButtonNameAndNoCoordinates)
{
    AutoplayScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("click-if DilemmaOption0\n", "ok.autoplay", &error)) << error;
    EXPECT_EQ(script.Commands()[0].text, "DilemmaOption0");
    for (const char* bad : {"click-if\n", "click-if 512 400\n", "click-if 7\n", "click-if A B\n"})
        EXPECT_FALSE(script.Parse(bad, "bad.autoplay", &error)) << bad;
}

TEST(AutoplayScript, RelativeOutputFilesGoIntoTheOutputFolder)
{
    const struct {
        const char* folder;
        const char* file;
        const char* path;
    } cases[] = {
        {"", "menu.png", "menu.png"},
        {"out", "menu.png", "out/menu.png"},
        {"out/", "a/menu.png", "out/a/menu.png"},
        {"out", "/tmp/menu.png", "/tmp/menu.png"},
    };
    for (const auto& c : cases) {
        AutoplayScript script;
        script.SetOutputFolder(c.folder);
        EXPECT_EQ(script.ResolveOutput(c.file), c.path) << c.folder << " + " << c.file;
    }
}

}  // namespace
