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
#include "engine/GameFonts.h"

namespace {

// The recipes come from the game's own font table, so the atlases and the
// loader that reads them cannot disagree.
std::vector<FontRecipe> GameFontRecipes()
{
    std::vector<FontRecipe> recipes;
    for (const GameFonts::Font& font : GameFonts::kFonts) {
        FontRecipe recipe;
        recipe.textureName = font.textureName;
        for (const char* face : font.faceFiles)
            if (face)
                recipe.faceFiles.push_back(face);
        recipe.nominalSize = font.nominalSize;
        recipe.cellSize = font.cellSize;
        recipe.spacing = font.spacing;
        recipe.pixelSize = font.renderPixelSize;
        recipes.push_back(recipe);
    }
    return recipes;
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
    std::filesystem::path textureDir = root / GameFonts::kTextureFolder;
    std::filesystem::path metricsDir = root / GameFonts::kMetricsFolder;
    std::filesystem::create_directories(textureDir);
    std::filesystem::create_directories(metricsDir);

    int failures = 0;
    for (const FontRecipe& recipe : GameFontRecipes()) {
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
        std::filesystem::path metricsPath = metricsDir / GameFonts::MetricsFileName(recipe.textureName);
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
