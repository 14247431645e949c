// The generated art and sound: every fixed asset name is present, every font's
// width table and atlas match what the font loader expects, and every DDS file
// under data/bitmaps is a well-formed 32-bit texture whose name is unique.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST(GeneratedAssets, EveryRequiredAssetExists)
{
    std::vector<std::string> names = RequiredAssets();
    ASSERT_GE(names.size(), 14u) << "tools/required-assets.txt is missing or empty";
    for (const auto& name : names)
        EXPECT_TRUE(fs::is_regular_file(kRoot / name)) << name << " is missing (run tools/make-assets.sh)";
}

TEST(GeneratedAssets, FontWidthTablesHoldOneWidthPerGlyph)
{
    for (const auto& font : kFonts) {
        SCOPED_TRACE(font.name);
        std::vector<uint8_t> bytes = ReadBytes(kRoot / "data" / "fonts" / (font.name + ".dat"));
        // Exactly 100 little-endian 32-bit widths, nothing else.
        ASSERT_EQ(bytes.size(), 400u);
        for (int g = 0; g < 100; ++g) {
            int32_t width = int32_t(U32(bytes, size_t(g) * 4));
            // Every glyph, drawn or only measured, advances the pen and fits its cell.
            EXPECT_GE(width, 1) << "glyph " << g;
            EXPECT_LE(width, font.cellSize) << "glyph " << g;
        }
        // Narrow and wide letters differ: the table is not one repeated number.
        int32_t i = int32_t(U32(bytes, size_t('i' - 33) * 4)), m = int32_t(U32(bytes, size_t('M' - 33) * 4));
        EXPECT_LT(i, m);
    }
}

TEST(GeneratedAssets, FontAtlasesHaveAGlyphInEveryDrawnCell)
{
    for (const auto& font : kFonts) {
        SCOPED_TRACE(font.name);
        DdsImage atlas(kRoot / "data" / "bitmaps" / "fonts" / font.name);
        ASSERT_EQ(atlas.problem, "");
        EXPECT_EQ(atlas.width, atlas.height);
        ASSERT_GE(atlas.width, font.cellSize * 10);
        // Glyphs 0..94 are drawn ("!" to "|", pound, percent, euro); 95..99 are only measured.
        for (int g = 0; g < 100; ++g) {
            int cellX = (g % 10) * font.cellSize, cellY = (g / 10) * font.cellSize;
            int ink = 0;
            for (int y = 0; y < font.cellSize; ++y)
                for (int x = 0; x < font.cellSize; ++x) ink += atlas.Alpha(cellX + x, cellY + y) > 0;
            if (g <= 94)
                EXPECT_GT(ink, 0) << "glyph " << g << " is empty";
            else
                EXPECT_EQ(ink, 0) << "glyph " << g << " should be empty";
        }
        // Nothing outside the grid: the loader's texture coordinates never reach it.
        int stray = 0;
        for (int y = 0; y < atlas.height; ++y)
            for (int x = 0; x < atlas.width; ++x)
                if (x >= font.cellSize * 10 || y >= font.cellSize * 10) stray += atlas.Alpha(x, y) > 0;
        EXPECT_EQ(stray, 0);
    }
}

TEST(GeneratedAssets, EveryListedIconIsGeneratedAndPolicyIconsAreNamedForLookup)
{
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

namespace {

// Length in seconds of an Ogg Vorbis file: the last page's granule position
// over the sample rate of the identification header; negative when malformed.
double OggVorbisSeconds(const fs::path& path)
{
    std::vector<uint8_t> b = ReadBytes(path);
    const std::string ident = "\x01vorbis";
    if (b.size() < 58 || std::string(b.begin(), b.begin() + 4) != "OggS") return -1;
    auto at = std::search(b.begin(), b.end(), ident.begin(), ident.end());
    if (at == b.end() || size_t(at - b.begin()) + 16 > b.size()) return -1;
    uint32_t rate = U32(b, size_t(at - b.begin()) + 12);
    if (rate == 0) return -1;
    uint64_t granule = 0;
    for (size_t i = b.size() - 27; i > 0; --i)
        if (b[i] == 'O' && b[i + 1] == 'g' && b[i + 2] == 'g' && b[i + 3] == 'S') {
            granule = uint64_t(U32(b, i + 6)) | uint64_t(U32(b, i + 10)) << 32;
            break;
        }
    return double(granule) / double(rate);
}

}  // namespace

TEST(GeneratedAssets, MusicLoopsAndEffectsHaveSensibleLengths)
{
    for (const char* mood : {"neutral", "great", "poorly", "theme", "electionwin"}) {
        double seconds = OggVorbisSeconds(kRoot / "data" / "sounds" / "music" / (std::string(mood) + ".ogg"));
        EXPECT_GE(seconds, 30.0) << mood;
        EXPECT_LE(seconds, 60.0) << mood;
    }
    for (const char* effect : {"menuclick", "click", "crowd_angry", "crowd_clap", "crowd_cheer", "firework1",
                               "firework2", "firework3"}) {
        double seconds = OggVorbisSeconds(kRoot / "data" / "sounds" / (std::string(effect) + ".ogg"));
        EXPECT_GT(seconds, 0.02) << effect;
        EXPECT_LE(seconds, 6.0) << effect;
    }
}

TEST(GeneratedAssets, EveryPictureNamedInTheDataFilesExists)
{
    // Data files name textures by bare file name; the renderer finds them anywhere
    // under data/bitmaps. A name with no file would stop the game with an error box.
    std::map<std::string, bool> available;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "data" / "bitmaps"))
        if (entry.is_regular_file()) available[entry.path().filename().string()] = true;
    int checked = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "data")) {
        if (!entry.is_regular_file()) continue;
        std::string ext = entry.path().extension().string();
        if (ext != ".csv" && ext != ".txt" && ext != ".ini") continue;
        std::ifstream in(entry.path());
        std::string line;
        int lineNumber = 0;
        while (std::getline(in, line)) {
            ++lineNumber;
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

TEST(GeneratedAssets, EveryTextureIsWellFormedAndUniquelyNamed)
{
    // Textures are found by bare file name in data/bitmaps and all its subfolders,
    // so two files with one name would hide each other.
    std::map<std::string, fs::path> seen;
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kRoot / "data" / "bitmaps")) {
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        auto [it, inserted] = seen.emplace(name, entry.path());
        EXPECT_TRUE(inserted) << name << " exists twice: " << it->second << " and " << entry.path();
        if (entry.path().extension() == ".dds") {
            DdsImage image(entry.path());
            EXPECT_EQ(image.problem, "") << entry.path();
            ++count;
        }
    }
    EXPECT_GE(count, 7);
}
