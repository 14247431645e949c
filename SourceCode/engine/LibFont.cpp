#include "engine/LibFont.h"

#include <algorithm>
#include <fstream>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "platform/NumberText.h"

LibFont::LibFont()
{
    for (const GameFonts::KerningPair& pair : GameFonts::kKerning)
        AddKerning(GameFonts::GlyphOf(static_cast<unsigned char>(pair.first)),
                   GameFonts::GlyphOf(static_cast<unsigned char>(pair.second)), pair.adjustment);
}

void LibFont::AddKerning(int first, int second, float adjustment)
{
    if (first < 0 || first >= kGlyphCount || second < 0 || second >= kGlyphCount)
        return;
    mKerning[first].emplace_back(second, adjustment);
}

float LibFont::Kerning(int first, int second) const
{
    if (first < 0 || first >= kGlyphCount)
        return 0.0f;
    for (const auto& [glyph, adjustment] : mKerning[first])
        if (glyph == second)
            return adjustment;
    return 0.0f;
}

bool LibFont::Load(const std::string& metricsPath, const std::string& name, int nominal, int cell)
{
    nominalSize = nominal > 0 ? nominal : 12;
    cellSize = cell > 0 ? cell : nominalSize;
    textureName = name;
    std::fill(std::begin(widths), std::end(widths), DefaultWidth());

    bool complete = true;
    std::ifstream in(metricsPath, std::ios::binary);
    if (!in) {
        DebugLog::Write("Font metrics missing, measuring the texture: " + metricsPath);
        complete = MeasureFromTexture();
    } else {
        int read = 0;
        uint8_t bytes[4];
        while (read < kGlyphCount && in.read(reinterpret_cast<char*>(bytes), 4)) {
            const int32_t width = GameFonts::DecodeWidth(bytes);
            // A glyph is never wider than its cell; a corrupt value must not
            // throw the pen across the screen.
            widths[read++] = std::clamp<int32_t>(width, 0, cellSize);
        }
        if (read < kGlyphCount) {
            DebugLog::Write("Font metrics file too short (" + NumberText::FormatInt(read) + " of 100 widths): " +
                            metricsPath);
            complete = false;
        }
    }

    TextureRecord* record = GetD3DEngine().GetTexture(textureName);
    ComputeTextureCoordinates(record && record->width > 0 ? record->width : cellSize * GameFonts::kGridColumns);
    texture.SetName(textureName);
    return complete;
}

// Each glyph is as wide as the last column of its cell holding any
// non-transparent pixel.
bool LibFont::MeasureFromTexture()
{
    int width = 0, height = 0;
    const std::vector<uint32_t> pixels = GetD3DEngine().ReadTexturePixels(textureName, width, height);
    if (pixels.empty() || width < cellSize * GameFonts::kGridColumns || height < cellSize * GameFonts::kGridColumns) {
        DebugLog::Write("Cannot measure font texture, using default widths: " + textureName);
        return false;
    }
    for (int g = 0; g < kGlyphCount; ++g) {
        const int left = (g % GameFonts::kGridColumns) * cellSize;
        const int top = (g / GameFonts::kGridColumns) * cellSize;
        int last = 0;
        for (int y = top; y < top + cellSize; ++y)
            for (int x = left; x < left + cellSize; ++x)
                if ((pixels[static_cast<size_t>(y) * width + x] >> 24) != 0)
                    last = std::max(last, x - left);
        widths[g] = last;
        DebugLog::Write("Width of char " + NumberText::FormatInt(g) + " is " + NumberText::FormatInt(last));
    }
    return true;
}

void LibFont::ComputeTextureCoordinates(int textureWidth)
{
    const float c = static_cast<float>(cellSize) / static_cast<float>(textureWidth);
    for (int g = 0; g < kGlyphCount; ++g) {
        const float column = static_cast<float>(g % GameFonts::kGridColumns);
        const float row = static_cast<float>(g / GameFonts::kGridColumns);
        const float u0 = column * c, u1 = (column + 1) * c;
        const float v0 = row * c, v1 = (row + 1) * c;
        u[g][0] = u0, u[g][1] = u1, u[g][2] = u0, u[g][3] = u1;
        v[g][0] = v0, v[g][1] = v0, v[g][2] = v1, v[g][3] = v1;
    }
}
