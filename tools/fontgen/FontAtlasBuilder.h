#pragma once
// Renders one bitmap font: a square texture holding a 10 x 10 grid of glyph cells
// and the 100 glyph widths the game's font loader reads.
//
// The grid and the character in each cell are the game's own (engine/GameFonts.h).
// Cells that are only ever measured, never drawn, stay empty and get the width
// of an average lower-case letter.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameFonts.h"

struct FontRecipe {
    std::string textureName;             // e.g. "arial16.dds"
    std::vector<std::string> faceFiles;  // candidates, first existing one is used
    int nominalSize = 0;                 // pixel size at which glyphs are drawn 1:1
    int cellSize = 0;                    // side of one grid cell in texture pixels
    int spacing = 0;                     // extra pixels the game adds after every glyph
    int pixelSize = 0;                   // em size handed to FreeType
};

class FontAtlasBuilder {
public:
    static constexpr int kGlyphCount = GameFonts::kGlyphCount;

    // Renders the font; false with a message in error() when the face can't be used
    // or a glyph does not fit its cell.
    bool Build(const FontRecipe& recipe);

    int TextureSize() const { return textureSize_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }  // 0xAARRGGBB
    const std::vector<int32_t>& Widths() const { return widths_; }
    const std::string& FaceFile() const { return faceFile_; }
    int Baseline() const { return baseline_; }
    const std::string& Error() const { return error_; }

    // The 400-byte metrics file: 100 little-endian signed 32-bit widths.
    std::vector<uint8_t> MetricsBytes() const;

private:
    int textureSize_ = 0;
    int baseline_ = 0;
    std::vector<uint32_t> pixels_;
    std::vector<int32_t> widths_;
    std::string faceFile_;
    std::string error_;
};
