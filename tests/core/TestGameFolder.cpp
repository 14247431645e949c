#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "platform/GameFolder.h"

namespace {

// A program finds data beside itself first, then in the installed place.
TEST(GameFolder, DataBesideTheProgramThenInstalledUnderShare)
{
    TempDir dir;
    const std::filesystem::path root = dir.Path();
    std::filesystem::create_directories(root / "portable" / "data");
    std::filesystem::create_directories(root / "prefix" / "bin");
    std::filesystem::create_directories(root / "prefix" / "share" / "rulecraft" / "data");
    std::filesystem::create_directories(root / "both" / "bin" / "data");
    std::filesystem::create_directories(root / "both" / "share" / "rulecraft" / "data");
    std::filesystem::create_directories(root / "build");
    const struct {
        std::filesystem::path program;
        std::filesystem::path folder;  // empty: none
    } cases[] = {
        {root / "portable" / "rulecraft", root / "portable"},
        {root / "prefix" / "bin" / "rulecraft", root / "prefix" / "share" / "rulecraft"},
        {root / "both" / "bin" / "rulecraft", root / "both" / "bin"},
        {root / "build" / "rulecraft", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameFolder::ForProgram(c.program.string()), c.folder.string()) << c.program;
    EXPECT_EQ(GameFolder::ForProgram(""), "");
}

}  // namespace
