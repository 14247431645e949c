#include "engine/FontManager.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/LibTextChunk.h"
#include "engine/LibTextChunkList.h"

namespace {

constexpr int kQuadsPerBatch = FontManager::kQueueVertices / 4;
constexpr int kTabStop = 80;

struct GameFont {
    const char* texture;
    int nominalSize;
    int cellSize;
    int spacing;
};

const GameFont kGameFonts[] = {
    {"tahoma12.dds", 12, 12, 1},      {"verdana12.dds", 12, 12, 2},    {"verdanabold16.dds", 16, 24, 2},
    {"arial16.dds", 16, 24, 2},       {"arialbold16.dds", 16, 24, -1}, {"arialbold20.dds", 20, 24, -1},
    {"tahoma30.dds", 30, 40, 2},
};

}  // namespace

FontManager& GetFontManager()
{
    static FontManager manager;
    return manager;
}

FontManager::FontManager() = default;
FontManager::~FontManager() = default;

// ---------------------------------------------------------------------------
// Glyph map

unsigned char FontManager::Fold(unsigned char c)
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

int FontManager::GlyphOf(unsigned char c)
{
    // Control bytes and the space have no glyph: never an index below 0.
    if (c < 33)
        return -1;
    if (c == '%')
        return 93;
    return std::min(c - 33, LibFont::kGlyphCount - 1);
}

int FontManager::GlyphForDrawing(unsigned char c)
{
    const unsigned char folded = Fold(c);
    if (folded >= 128) {
        if (folded == 128)
            return 94;  // euro
        if (folded == 163)
            return 92;  // pound
        return -1;
    }
    return GlyphOf(folded);
}

// ---------------------------------------------------------------------------
// Fonts

void FontManager::Initialise()
{
    Flush();
    fonts_.clear();
    current_ = nullptr;
    size_ = 12.0f;
    queue_.assign(kQueueVertices, TLVertex{});
    queued_ = 0;
    buffer_.Create(kQueueVertices, true);
    // Two triangles per quad over its top-left to bottom-right diagonal, the
    // order the software renderer blits as a rectangle.
    static const uint16_t kQuad[6] = {0, 1, 3, 0, 3, 2};
    for (int q = 0; q < kQuadsPerBatch; ++q)
        for (int i = 0; i < 6; ++i)
            buffer_.indices[static_cast<size_t>(q) * 6 + i] = static_cast<uint16_t>(q * 4 + kQuad[i]);
    initialised_ = true;
}

LibFont* FontManager::LoadFont(const std::string& metricsPath, const std::string& textureName, int nominalSize,
                               int cellSize)
{
    auto font = std::make_unique<LibFont>();
    font->Load(metricsPath, textureName, nominalSize, cellSize);
    fonts_.push_back(std::move(font));
    return fonts_.back().get();
}

void FontManager::LoadGameFonts(const std::string& metricsFolder)
{
    Initialise();
    for (const GameFont& entry : kGameFonts) {
        LibFont* font = LoadFont(metricsFolder + "/" + entry.texture + ".dat", entry.texture, entry.nominalSize,
                                 entry.cellSize);
        font->spacing = entry.spacing;
    }
}

LibFont* FontManager::FindFont(const std::string& name) const
{
    for (const auto& font : fonts_)
        if (font->textureName == name)
            return font.get();
    return nullptr;
}

void FontManager::SelectFont(const std::string& name, float size)
{
    if (current_ && size == size_ && current_->textureName == name)
        return;
    if (!current_ || current_->textureName != name) {
        LibFont* font = FindFont(name);
        if (!font) {
            DebugLog::Write("missing font: " + name);
        } else if (font != current_) {
            // The queue holds quads of one font only.
            if (queued_ > 0)
                Flush();
            current_ = font;
        }
    }
    // Glyphs at the nominal size are drawn unfiltered: queued ones must go
    // before the size decides otherwise.
    if (queued_ > 0 && current_ && ((size == current_->nominalSize) != (size_ == current_->nominalSize)))
        Flush();
    size_ = size;
}

bool FontManager::CheckInitialised(const char* message) const
{
    if (initialised_)
        return true;
    DebugLog::Write(message);
    return false;
}

// ---------------------------------------------------------------------------
// Measuring

float FontManager::CharAdvance(unsigned char c) const
{
    if (!current_)
        return 0.0f;
    const unsigned char folded = Fold(c);
    if (folded == ' ' || folded == '\t')
        return std::trunc(size_ * 0.25f);
    const int glyph = GlyphForDrawing(c);
    if (glyph < 0)
        return 0.0f;
    const float s = size_ / static_cast<float>(current_->nominalSize);
    return s * static_cast<float>(current_->spacing) + s * static_cast<float>(current_->widths[glyph]);
}

int FontManager::TextWidth(const std::string& text) const
{
    if (!CheckInitialised("Text Not Initialised"))
        return 0;
    float width = 0.0f;
    for (unsigned char c : text)
        width += CharAdvance(c);
    return static_cast<int>(width);
}

std::string FontManager::SplitLine(float maxWidth, const std::string& text, std::string& restOut) const
{
    restOut.clear();
    if (!CheckInitialised("Text Not Initialised"))
        return std::string();
    float width = 0.0f;
    size_t lastSpace = std::string::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        width += CharAdvance(c);
        if (static_cast<float>(static_cast<int>(width)) >= maxWidth) {
            if (lastSpace != std::string::npos) {
                restOut = text.substr(lastSpace + 1);
                return text.substr(0, lastSpace);
            }
            // One word wider than the line: break it where it overflows,
            // taking at least one byte so wrapping always moves on.
            const size_t cut = std::max<size_t>(i, 1);
            restOut = text.substr(cut);
            return text.substr(0, cut);
        }
        if (c == ' ')
            lastSpace = i;
    }
    return text;
}

namespace {
bool HasVisibleByte(const std::string& text)
{
    return text.find_first_not_of(' ') != std::string::npos;
}
}  // namespace

float FontManager::MeasureWrapped(const std::string& text, float wrapWidth) const
{
    if (!CheckInitialised("Text Not Initialised"))
        return 0.0f;
    if (text.size() >= static_cast<size_t>(kMaxWrappedText))
        return 0.0f;
    int lines = 0;
    std::string rest = text;
    while (HasVisibleByte(rest)) {
        std::string next;
        SplitLine(wrapWidth, rest, next);
        rest = std::move(next);
        ++lines;
    }
    return static_cast<float>(lines) * size_;
}

// ---------------------------------------------------------------------------
// Drawing

void FontManager::DrawText(const std::string& text, float x, float y, uint32_t colour, float width, int alignment)
{
    if (!CheckInitialised("TextNotInitialised"))
        return;
    if (chunkList_ && !capture_) {
        chunkList_->Add(std::make_unique<LibTextChunk>(text, x, y, colour, width, alignment, size_,
                                                       current_ ? current_->textureName : std::string()));
        return;
    }
    if (!current_ || text.empty())
        return;
    if (!capture_ && queued_ + 4 * static_cast<long long>(text.size()) > kQueueVertices)
        Flush();

    float pen = std::trunc(x);
    if (alignment == kAlignRight)
        pen = std::trunc(x + width - static_cast<float>(TextWidth(text)));
    else if (alignment == kAlignCentre)
        pen = std::trunc(x + width * 0.5f - static_cast<float>(TextWidth(text)) * 0.5f);
    const float top = std::trunc(y);
    const float s = size_ / static_cast<float>(current_->nominalSize);
    const float side = s * static_cast<float>(current_->cellSize);
    int previous = -1;

    for (unsigned char raw : text) {
        if (!capture_ && queued_ >= kQueueVertices - 4) {
            DebugLog::Write("ERROR - Text exceeds max characters");
            return;
        }
        const unsigned char c = Fold(raw);
        if (c == '\t') {
            pen = (std::floor(pen / kTabStop) + 1.0f) * kTabStop;
            previous = -1;
            continue;
        }
        if (c == ' ') {
            pen += std::trunc(size_ * 0.25f);
            previous = -1;
            continue;
        }
        const int glyph = GlyphForDrawing(raw);
        if (glyph < 0)
            continue;
        if (previous >= 0)
            pen += s * current_->Kerning(previous, glyph);

        TLVertex quad[4];
        const float left = pen - 0.5f, upper = top - 0.5f;
        for (int i = 0; i < 4; ++i) {
            quad[i].x = left + (i % 2) * side;
            quad[i].y = upper + (i / 2) * side;
            quad[i].diffuse = colour;
            quad[i].u = current_->u[glyph][i];
            quad[i].v = current_->v[glyph][i];
        }
        if (capture_) {
            capture_->insert(capture_->end(), quad, quad + 4);
        } else {
            std::copy(quad, quad + 4, queue_.begin() + queued_);
            queued_ += 4;
        }
        pen += s * static_cast<float>(current_->widths[glyph]);
        pen += s * static_cast<float>(current_->spacing);
        previous = glyph;
    }
}

void FontManager::DrawShadowed(const std::string& text, float x, float y, uint32_t colour, float width,
                               int alignment)
{
    DrawText(text, x + 1.0f, y + 1.0f, 0xFF000000, width, alignment);
    DrawText(text, x, y, colour, width, alignment);
}

float FontManager::DrawWrapped(const std::string& text, float x, float y, float wrapWidth, uint32_t colour)
{
    if (!CheckInitialised("TextNotInitialised"))
        return y;
    if (text.size() >= static_cast<size_t>(kMaxWrappedText)) {
        DebugLog::Write("Text too long in one chunk (max 2048)");
        return y;
    }
    std::string rest = text;
    while (HasVisibleByte(rest)) {
        std::string next;
        const std::string line = SplitLine(wrapWidth, rest, next);
        DrawText(line, x, y, colour, 0.0f, kAlignLeft);
        y += size_;
        rest = std::move(next);
    }
    return y;
}

void FontManager::DrawBatch(const TLVertex* vertices, int count)
{
    count -= count % 4;
    if (count <= 0 || !current_)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    current_->texture.Bind();
    for (int start = 0; start < count; start += kQueueVertices) {
        const int n = std::min(kQueueVertices, count - start);
        std::copy(vertices + start, vertices + start + n, buffer_.vertices.begin());
        buffer_.vertexCount = static_cast<uint16_t>(n);
        buffer_.indexCount = static_cast<uint16_t>(n / 4 * 6);
        buffer_.Draw();
    }
    buffer_.Reset();
}

void FontManager::Flush()
{
    if (!initialised_) {
        DebugLog::Write("TextNotInitialised");
        return;
    }
    if (queued_ == 0)
        return;
    D3DEngine& engine = GetD3DEngine();
    if (current_ && size_ == static_cast<float>(current_->nominalSize))
        engine.SetPointFiltering();
    DrawBatch(queue_.data(), queued_);
    queued_ = 0;
    engine.SetLinearFiltering();
}

void FontManager::DrawPrepared(const std::vector<TLVertex>& vertices)
{
    if (!CheckInitialised("TextNotInitialised"))
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.SetPointFiltering();
    DrawBatch(vertices.data(), static_cast<int>(vertices.size()));
    engine.SetLinearFiltering();
}

void FontManager::ResetFrame()
{
    queued_ = 0;
}

void FontManager::SetChunkList(LibTextChunkList* list)
{
    if (list && chunkList_)
        DebugLog::Write("Failed to empty last chunk list");
    chunkList_ = list;
}
