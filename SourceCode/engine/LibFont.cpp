#include "engine/LibFont.h"

#include <algorithm>
#include <fstream>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/FontManager.h"
#include "platform/NumberText.h"

LibFont::LibFont()
{
    const int f = FontManager::GlyphOf('f');
    for (char second : {'o', 'e', 'a', 'u'})
        AddKerning(f, FontManager::GlyphOf(second), -1.0f);
    AddKerning(f, f, -2.0f);
    AddKerning(FontManager::GlyphOf('o'), FontManager::GlyphOf('w'), -1.0f);
}

void LibFont::AddKerning(int first, int second, float adjustment)
{
    if (first < 0 || first >= kGlyphCount || second < 0 || second >= kGlyphCount)
        return;
    kerning_[first].emplace_back(second, adjustment);
}

float LibFont::Kerning(int first, int second) const
{
    if (first < 0 || first >= kGlyphCount)
        return 0.0f;
    for (const auto& [glyph, adjustment] : kerning_[first])
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
        unsigned char bytes[4];
        while (read < kGlyphCount && in.read(reinterpret_cast<char*>(bytes), 4)) {
            const int32_t width = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                                                       (static_cast<uint32_t>(bytes[2]) << 16) |
                                                       (static_cast<uint32_t>(bytes[3]) << 24));
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
    ComputeTextureCoordinates(record && record->width > 0 ? record->width : cellSize * 10);
    texture.SetName(textureName);
    return complete;
}

// Each glyph is as wide as the last column of its cell holding any
// non-transparent pixel.
bool LibFont::MeasureFromTexture()
{
    int width = 0, height = 0;
    const std::vector<uint32_t> pixels = GetD3DEngine().ReadTexturePixels(textureName, width, height);
    if (pixels.empty() || width < cellSize * 10 || height < cellSize * 10) {
        DebugLog::Write("Cannot measure font texture, using default widths: " + textureName);
        return false;
    }
    for (int g = 0; g < kGlyphCount; ++g) {
        const int left = (g % 10) * cellSize;
        const int top = (g / 10) * cellSize;
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
        const float column = static_cast<float>(g % 10);
        const float row = static_cast<float>(g / 10);
        const float u0 = column * c, u1 = (column + 1) * c;
        const float v0 = row * c, v1 = (row + 1) * c;
        u[g][0] = u0, u[g][1] = u1, u[g][2] = u0, u[g][3] = u1;
        v[g][0] = v0, v[g][1] = v0, v[g][2] = v1, v[g][3] = v1;
    }
}
