// fontgen: writes the game's seven bitmap fonts.
//   fontgen [repository root] [--proof sheet.ppm]
// Textures go to data/bitmaps/fonts/<name> (where the texture folders find them),
// width tables to data/fonts/<name>.dat (where the font loader reads them).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FontAtlasBuilder.h"
#include "TextPreview.h"
#include "artcommon/DdsWriter.h"

namespace {

const std::string kLiberation = "/usr/share/fonts/truetype/liberation/";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

// The names describe the look the screens were laid out for: a compact humanist
// sans (DejaVu Sans, condensed for the narrower one) and a neutral grotesque
// (Liberation Sans). DejaVu stands in wherever Liberation is missing.
std::vector<FontRecipe> GameFonts()
{
    return {
        {"tahoma12.dds", {kDejaVu + "DejaVuSansCondensed.ttf", kDejaVu + "DejaVuSans.ttf"}, 12, 12, 1, 10},
        {"verdana12.dds", {kDejaVu + "DejaVuSans.ttf"}, 12, 12, 2, 10},
        {"verdanabold16.dds", {kDejaVu + "DejaVuSans-Bold.ttf"}, 16, 24, 2, 14},
        {"arial16.dds", {kLiberation + "LiberationSans-Regular.ttf", kDejaVu + "DejaVuSans.ttf"}, 16, 24, 2, 16},
        {"arialbold16.dds", {kLiberation + "LiberationSans-Bold.ttf", kDejaVu + "DejaVuSans-Bold.ttf"}, 16, 24, -1, 16},
        {"arialbold20.dds", {kLiberation + "LiberationSans-Bold.ttf", kDejaVu + "DejaVuSans-Bold.ttf"}, 20, 24, -1, 20},
        {"tahoma30.dds", {kDejaVu + "DejaVuSansCondensed.ttf", kDejaVu + "DejaVuSans.ttf"}, 30, 40, 2, 26},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    std::filesystem::path root = ".";
    std::string proofPath;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--proof" && i + 1 < argc)
            proofPath = argv[++i];
        else
            root = arg;
    }
    TextPreview proof(900, 460);
    int proofY = 8;
    std::filesystem::path textureDir = root / "data" / "bitmaps" / "fonts";
    std::filesystem::path metricsDir = root / "data" / "fonts";
    std::filesystem::create_directories(textureDir);
    std::filesystem::create_directories(metricsDir);

    int failures = 0;
    for (const FontRecipe& recipe : GameFonts()) {
        FontAtlasBuilder builder;
        if (!builder.Build(recipe)) {
            std::fprintf(stderr, "fontgen: %s\n", builder.Error().c_str());
            ++failures;
            continue;
        }
        std::string error;
        std::string texturePath = (textureDir / recipe.textureName).string();
        if (!DdsWriter::Write(texturePath, builder.TextureSize(), builder.TextureSize(), builder.Pixels(), error)) {
            std::fprintf(stderr, "fontgen: %s\n", error.c_str());
            ++failures;
            continue;
        }
        std::filesystem::path metricsPath = metricsDir / (recipe.textureName + ".dat");
        std::vector<uint8_t> metrics = builder.MetricsBytes();
        std::ofstream out(metricsPath, std::ios::binary);
        out.write(reinterpret_cast<const char*>(metrics.data()), std::streamsize(metrics.size()));
        if (!out) {
            std::fprintf(stderr, "fontgen: cannot write %s\n", metricsPath.string().c_str());
            ++failures;
            continue;
        }
        std::string sample = recipe.textureName + ": Office of the Prime Minister - 42% approval, \x80" "12bn & \xA3" "3.5m (fo fa ow)";
        proof.DrawLine(builder, recipe, sample, 10, proofY);
        proofY += recipe.nominalSize + 6;
        proof.DrawLine(builder, recipe, "The quick brown fox jumps over the lazy dog. [Tax] {x|y} @ #1 *?! ~", 10, proofY);
        proofY += recipe.nominalSize + 16;
        std::printf("%-18s %4dx%-4d baseline %2d  from %s\n", recipe.textureName.c_str(), builder.TextureSize(),
                    builder.TextureSize(), builder.Baseline(), builder.FaceFile().c_str());
    }
    if (!proofPath.empty() && !proof.WritePpm(proofPath)) {
        std::fprintf(stderr, "fontgen: cannot write %s\n", proofPath.c_str());
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
