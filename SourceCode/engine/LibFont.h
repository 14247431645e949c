#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/GameFonts.h"
#include "engine/SmartTexture.h"

// One bitmap font: a square texture with a grid of glyph cells and the
// advance width of each glyph (the layout is in GameFonts.h).
class LibFont {
public:
    static constexpr int kGlyphCount = GameFonts::kGlyphCount;

    LibFont();
    virtual ~LibFont() = default;
    LibFont(const LibFont&) = delete;
    LibFont& operator=(const LibFont&) = delete;

    // Reads the widths from the metrics file (100 little-endian 32-bit
    // integers) and finds the texture. A missing metrics file is measured from
    // the texture's alpha instead; a short or unreadable one is logged and the
    // glyphs it lacks get a default width. Returns false when any width had to
    // be made up.
    bool Load(const std::string& metricsPath, const std::string& textureName, int nominalSize, int cellSize);

    // Texture coordinates of a glyph's corners (top-left, top-right, bottom-left, bottom-right).
    float u[kGlyphCount][4] = {};
    float v[kGlyphCount][4] = {};
    int widths[kGlyphCount] = {};
    std::string textureName;  // also the font's name, e.g. "arial16.dds"
    int spacing = 0;          // extra pixels at nominal size after every glyph
    int nominalSize = 12;     // the size drawn one texture pixel to one screen pixel
    int cellSize = 12;        // side of one grid cell in texture pixels
    SmartTexture texture;

    void AddKerning(int first, int second, float adjustment);
    float Kerning(int first, int second) const;  // 0 for pairs not listed
    int DefaultWidth() const { return nominalSize > 1 ? nominalSize / 2 : 1; }

private:
    bool MeasureFromTexture();
    void ComputeTextureCoordinates(int textureWidth);

    std::array<std::vector<std::pair<int, float>>, kGlyphCount> mKerning;
};
