#pragma once
// The facts about the game's bitmap fonts that the font loader and the font
// generator must agree on: which fonts exist and at what sizes, which glyph
// cell a byte draws with, and the kerning pairs. Header only and free of any
// window or image library, so the generators include it as it is.
#include <algorithm>
#include <cstdint>
#include <string>

namespace GameFonts {

// A font is a square texture of kGridColumns x kGridColumns glyph cells; glyph
// g sits in row g / kGridColumns, column g % kGridColumns.
constexpr int kGlyphCount = 100;
constexpr int kGridColumns = 10;

// Where the generator writes and the game reads: the atlas is a texture found
// by name under the texture folders, the widths sit next to the other data.
constexpr const char* kTextureFolder = "data/bitmaps/fonts";
constexpr const char* kMetricsFolder = "data/fonts";
// The metrics file of a font: 100 little-endian signed 32-bit glyph widths.
inline std::string MetricsFileName(const std::string& textureName) { return textureName + ".dat"; }
constexpr int kMetricsBytes = kGlyphCount * 4;

struct Font {
    const char* textureName;  // also the font's name, e.g. "arial16.dds"
    int nominalSize;          // the size drawn one texture pixel to one screen pixel
    int cellSize;             // side of one grid cell in texture pixels
    int spacing;              // extra pixels at nominal size after every glyph
    int renderPixelSize;      // em size the generator renders the face at
    const char* faceFiles[2]; // outline fonts it is made from, first installed one wins
};

// The names describe the look the screens were laid out for: a compact humanist
// sans (DejaVu Sans, condensed for the narrower one) and a neutral grotesque
// (Liberation Sans). DejaVu stands in wherever Liberation is missing.
constexpr Font kFonts[] = {
    {"tahoma12.dds", 12, 12, 1, 10, {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}},
    {"verdana12.dds", 12, 12, 2, 10, {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", nullptr}},
    {"verdanabold16.dds", 16, 24, 2, 14, {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", nullptr}},
    {"arial16.dds", 16, 24, 2, 16, {"/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}},
    {"arialbold16.dds", 16, 24, -1, 16,
     {"/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}},
    {"arialbold20.dds", 20, 24, -1, 20,
     {"/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}},
    {"tahoma30.dds", 30, 40, 2, 26, {"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}},
};

// The table entry of a font by name; null for a font that is not one of the game's.
inline const Font* Find(const std::string& textureName)
{
    for (const Font& font : kFonts)
        if (textureName == font.textureName)
            return &font;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Glyph map. Text is single-byte (code page 1252).

// Accented letters are drawn as their plain letters.
inline unsigned char Fold(unsigned char c)
{
    switch (c) {
    case 146: return '\'';
    case 192: case 193: case 196: return 'A';
    case 200: case 201: case 203: return 'E';
    case 204: case 205: case 207: return 'I';
    case 210: case 211: case 214: return 'O';
    case 217: case 218: case 220: return 'U';
    case 224: case 225: case 226: return 'a';
    case 234: return 'e';
    case 237: return 'i';
    case 241: return 'n';
    case 242: case 243: case 244: return 'o';
    case 249: case 250: return 'u';
    default: return c;
    }
}

// The plain glyph map: "!" is 0, "A" 32, "a" 64; "%" (and "~") are 93; -1 below "!".
inline int GlyphOf(unsigned char c)
{
    // Control bytes and the space have no glyph: never an index below 0.
    if (c < 33)
        return -1;
    if (c == '%')
        return 93;
    return std::min(c - 33, kGlyphCount - 1);
}

constexpr int kPoundGlyph = 92;
constexpr int kEuroGlyph = 94;

// The glyph a byte draws with, after folding accents; -1 for none. Of the
// bytes 128 and above only the euro (128) and the pound (163) have glyphs.
inline int GlyphForDrawing(unsigned char c)
{
    const unsigned char folded = Fold(c);
    if (folded >= 128) {
        if (folded == 128)
            return kEuroGlyph;
        if (folded == 163)
            return kPoundGlyph;
        return -1;
    }
    return GlyphOf(folded);
}

// The character (Unicode) the generator draws into glyph cell g; 0 for the
// cells that are only ever measured (95..99), never drawn. Cell 4, whose byte
// "%" draws with glyph 93, still holds the percent sign.
inline uint32_t CodepointForGlyph(int glyph)
{
    if (glyph >= 0 && glyph <= 91)
        return static_cast<uint32_t>(glyph + 33);
    if (glyph == kPoundGlyph)
        return 0x00A3;
    if (glyph == 93)
        return '%';
    if (glyph == kEuroGlyph)
        return 0x20AC;
    return 0;
}

// ---------------------------------------------------------------------------
// Kerning: pixels at nominal size added between two glyphs drawn in a row.

struct KerningPair {
    char first;
    char second;
    float adjustment;
};

constexpr KerningPair kKerning[] = {
    {'f', 'o', -1.0f}, {'f', 'e', -1.0f}, {'f', 'a', -1.0f}, {'f', 'u', -1.0f}, {'f', 'f', -2.0f}, {'o', 'w', -1.0f},
};

// 0 for pairs not listed.
inline float Kerning(int previousGlyph, int glyph)
{
    for (const KerningPair& pair : kKerning)
        if (GlyphOf(static_cast<unsigned char>(pair.first)) == previousGlyph &&
            GlyphOf(static_cast<unsigned char>(pair.second)) == glyph)
            return pair.adjustment;
    return 0.0f;
}

// ---------------------------------------------------------------------------
// Metrics file: kGlyphCount little-endian signed 32-bit widths.

inline void EncodeWidth(int32_t width, uint8_t out[4])
{
    const uint32_t v = static_cast<uint32_t>(width);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
}

inline int32_t DecodeWidth(const uint8_t in[4])
{
    return static_cast<int32_t>(static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
                                (static_cast<uint32_t>(in[2]) << 16) | (static_cast<uint32_t>(in[3]) << 24));
}

}  // namespace GameFonts
