// The generated art: every fixed asset name is present, every font's
// width table and atlas match what the font loader expects, and every DDS file
// under data/bitmaps is a well-formed 32-bit texture whose name is unique.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = RULECRAFT_SOURCE_DIR;

std::vector<uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

// An uncompressed A8R8G8B8 DDS file, or an explanation of what is wrong with it.
struct DdsImage {
    int width = 0, height = 0;
    std::vector<uint8_t> bytes;
    std::string problem;

    explicit DdsImage(const fs::path& path) : bytes(ReadBytes(path))
    {
        if (bytes.size() < 128 || bytes[0] != 'D' || bytes[1] != 'D' || bytes[2] != 'S' || bytes[3] != ' ') {
            problem = "no DDS header";
            return;
        }
        if (U32(bytes, 4) != 124 || U32(bytes, 76) != 32) {
            problem = "bad header sizes";
            return;
        }
        height = int(U32(bytes, 12));
        width = int(U32(bytes, 16));
        if (U32(bytes, 88) != 32 || U32(bytes, 92) != 0x00FF0000 || U32(bytes, 96) != 0x0000FF00 ||
            U32(bytes, 100) != 0x000000FF || U32(bytes, 104) != 0xFF000000) {
            problem = "not 32-bit A8R8G8B8";
            return;
        }
        if (width <= 0 || height <= 0 || bytes.size() != 128 + size_t(width) * size_t(height) * 4)
            problem = "file size does not match " + std::to_string(width) + "x" + std::to_string(height);
    }
    uint8_t Alpha(int x, int y) const { return bytes[128 + (size_t(y) * size_t(width) + size_t(x)) * 4 + 3]; }
};

std::vector<std::string> RequiredAssets()
{
    std::ifstream in(kRoot / "tools" / "required-assets.txt");
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        names.push_back(line);
    }
    return names;
}

struct GameFont {
    std::string name;
    int cellSize;
};

// The seven fonts the shell loads at start-up, with their cell sizes.
const std::vector<GameFont> kFonts = {
    {"tahoma12.dds", 12},    {"verdana12.dds", 12},    {"verdanabold16.dds", 24}, {"arial16.dds", 24},
    {"arialbold16.dds", 24}, {"arialbold20.dds", 24}, {"tahoma30.dds", 40},
};

}  // namespace

TEST(GeneratedAssets, FontWidthTablesAndAtlasesAgreeWithTheirCells)
{
    for (const auto& font : kFonts) {
        SCOPED_TRACE(font.name);
        // Exactly 100 little-endian 32-bit widths: every glyph advances the pen and fits its cell.
        std::vector<uint8_t> widths = ReadBytes(kRoot / "data" / "fonts" / (font.name + ".dat"));
        ASSERT_EQ(widths.size(), 400u);
        for (int g = 0; g < 100; ++g)
            EXPECT_TRUE(int32_t(U32(widths, size_t(g) * 4)) >= 1 && int32_t(U32(widths, size_t(g) * 4)) <= font.cellSize);
        EXPECT_LT(U32(widths, size_t('i' - 33) * 4), U32(widths, size_t('M' - 33) * 4));  // not one repeated number

        DdsImage atlas(kRoot / "data" / "bitmaps" / "fonts" / font.name);
        ASSERT_EQ(atlas.problem, "");
        ASSERT_EQ(atlas.width, atlas.height);
        ASSERT_GE(atlas.width, font.cellSize * 10);
        // Glyphs 0..94 are drawn ("!" to "|", pound, percent, euro); 95..99 and
        // everything outside the grid stay empty.
        std::vector<int> ink(101, 0);
        for (int y = 0; y < atlas.height; ++y)
            for (int x = 0; x < atlas.width; ++x) {
                bool inGrid = x < font.cellSize * 10 && y < font.cellSize * 10;
                ink[inGrid ? (y / font.cellSize) * 10 + x / font.cellSize : 100] += atlas.Alpha(x, y) > 0;
            }
        for (int g = 0; g <= 100; ++g)
            EXPECT_EQ(ink[g] > 0, g <= 94) << "glyph " << g;
    }
}

TEST(GeneratedAssets, EveryRequiredAndListedAssetIsGeneratedAndPolicyIconsAreNamedForLookup)
{
    std::vector<std::string> names = RequiredAssets();
    ASSERT_GE(names.size(), 14u) << "tools/required-assets.txt is missing or empty";
    for (const auto& name : names)
        EXPECT_TRUE(fs::is_regular_file(kRoot / name)) << name << " is missing (run tools/make-assets.sh)";
    // tools/texturegen/icons.csv: file below data/bitmaps, glyph, colour, note.
    std::ifstream in(kRoot / "tools" / "texturegen" / "icons.csv");
    ASSERT_TRUE(in.good());
    std::string line;
    int lineNumber = 0, icons = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        std::string file = line.substr(start, line.find(',') - start);
        while (!file.empty() && file.back() == ' ') file.pop_back();
        SCOPED_TRACE("icons.csv line " + std::to_string(lineNumber) + ": " + file);
        ++icons;
        EXPECT_TRUE(fs::is_regular_file(kRoot / "data" / "bitmaps" / file)) << "not generated yet";
        // The game finds a policy's icon as policies/icons_<policy name in lower case>.dds.
        if (file.rfind("policies/", 0) == 0) {
            std::string name = file.substr(9);
            EXPECT_EQ(name.rfind("icons_", 0), 0u);
            for (char ch : name) EXPECT_FALSE(ch >= 'A' && ch <= 'Z');
        }
    }
    EXPECT_GE(icons, 40);
}

TEST(GeneratedAssets, EveryTextureIsWellFormedAndUniqueAndEveryPictureNamedInTheDataExists)
{
    // Textures are found by bare file name in data/bitmaps and all its subfolders,
    // so two files with one name would hide each other, and a name with no file
    // would stop the game with an error box.
    std::map<std::string, fs::path> available;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "data" / "bitmaps")) {
        if (!entry.is_regular_file()) continue;
        auto [it, inserted] = available.emplace(entry.path().filename().string(), entry.path());
        EXPECT_TRUE(inserted) << it->first << " exists twice: " << it->second << " and " << entry.path();
        if (entry.path().extension() == ".dds") {
            EXPECT_EQ(DdsImage(entry.path()).problem, "") << entry.path();
        }
    }
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "data")) {
        std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".csv" && ext != ".txt" && ext != ".ini")) continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
            for (const std::string suffix : {".dds", ".jpg", ".bmp"}) {
                for (size_t at = line.find(suffix); at != std::string::npos; at = line.find(suffix, at + 1)) {
                    size_t begin = at;
                    while (begin > 0 && (std::isalnum(static_cast<unsigned char>(line[begin - 1])) || line[begin - 1] == '_'))
                        --begin;
                    std::string name = line.substr(begin, at + suffix.size() - begin);
                    if (name.size() == suffix.size()) continue;
                    ++checked;
                    EXPECT_TRUE(available.count(name))
                        << name << " named in " << entry.path().lexically_relative(kRoot).string() << ":" << lineNumber
                        << " is not under data/bitmaps (add it to tools/texturegen/icons.csv and run tools/make-assets.sh)";
                }
            }
        }
    }
    EXPECT_GT(checked, 0);
}
