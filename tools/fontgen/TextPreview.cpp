#include "TextPreview.h"

#include <cstdio>

#include "engine/GameFonts.h"

TextPreview::TextPreview(int width, int height) : width_(width), height_(height), rgb_(size_t(width) * height * 3)
{
    // The game's calm navy, so the proof shows text the way the panels will.
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float* p = &rgb_[(size_t(y) * width_ + x) * 3];
            p[0] = 0.11f; p[1] = 0.16f; p[2] = 0.25f;
        }
}

int TextPreview::DrawLine(const FontAtlasBuilder& font, const FontRecipe& recipe, const std::string& text, int x, int y)
{
    float pen = float(x);
    int previous = -1;
    const int tex = font.TextureSize();
    for (unsigned char c : text) {
        if (c == ' ') {
            pen += float(int(recipe.nominalSize * 0.25f));
            previous = -1;
            continue;
        }
        int g = GameFonts::GlyphForDrawing(c);
        if (g < 0) continue;
        if (previous >= 0) pen += GameFonts::Kerning(previous, g);
        int cellX = (g % GameFonts::kGridColumns) * recipe.cellSize, cellY = (g / GameFonts::kGridColumns) * recipe.cellSize;
        for (int v = 0; v < recipe.cellSize; ++v)
            for (int u = 0; u < recipe.cellSize; ++u) {
                int px = int(pen) + u, py = y + v;
                if (px < 0 || py < 0 || px >= width_ || py >= height_) continue;
                uint32_t texel = font.Pixels()[size_t(cellY + v) * tex + size_t(cellX + u)];
                float a = float(texel >> 24) / 255.0f;
                float* p = &rgb_[(size_t(py) * width_ + px) * 3];
                for (int k = 0; k < 3; ++k) p[k] = p[k] * (1 - a) + a;
            }
        pen += float(font.Widths()[g] + recipe.spacing);
        previous = g;
    }
    return int(pen);
}

bool TextPreview::WritePpm(const std::string& path) const
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width_, height_);
    for (float v : rgb_) std::fputc(int(v * 255.0f + 0.5f), f);
    return std::fclose(f) == 0;
}
