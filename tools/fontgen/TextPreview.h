#pragma once
// Lays text out with a built font exactly the way the game does (widths plus
// spacing, a quarter of the size for a space, the built-in kerning pairs) and
// writes a proof sheet, so a change to a font can be judged by eye.
#include <cstdint>
#include <string>
#include <vector>

#include "FontAtlasBuilder.h"

class TextPreview {
public:
    TextPreview(int width, int height);

    // Draws one line of text at its nominal size; returns the pen's end x.
    int DrawLine(const FontAtlasBuilder& font, const FontRecipe& recipe, const std::string& text, int x, int y);

    // Writes the sheet as a binary PPM.
    bool WritePpm(const std::string& path) const;

private:
    int width_, height_;
    std::vector<float> rgb_;
};
