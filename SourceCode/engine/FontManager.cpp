#include "engine/FontManager.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/GameFonts.h"
#include "engine/LibTextChunk.h"
#include "engine/LibTextChunkList.h"

namespace {

constexpr int kQuadsPerBatch = FontManager::kQueueVertices / 4;
constexpr int kTabStop = 80;

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

unsigned char FontManager::Fold(unsigned char c) { return GameFonts::Fold(c); }

int FontManager::GlyphOf(unsigned char c) { return GameFonts::GlyphOf(c); }

int FontManager::GlyphForDrawing(unsigned char c) { return GameFonts::GlyphForDrawing(c); }

// ---------------------------------------------------------------------------
// Fonts

void FontManager::Initialise()
{
    Flush();
    mFonts.clear();
    mCurrent = nullptr;
    mSize = 12.0f;
    mQueue.assign(kQueueVertices, TLVertex{});
    mQueued = 0;
    mBuffer.Create(kQueueVertices, true);
    // Two triangles per quad over its top-left to bottom-right diagonal, the
    // order the software renderer blits as a rectangle.
    static const uint16_t kQuad[6] = {0, 1, 3, 0, 3, 2};
    for (int q = 0; q < kQuadsPerBatch; ++q)
        for (int i = 0; i < 6; ++i)
            mBuffer.indices[static_cast<size_t>(q) * 6 + i] = static_cast<uint16_t>(q * 4 + kQuad[i]);
    mInitialised = true;
}

LibFont* FontManager::LoadFont(const std::string& metricsPath, const std::string& textureName, int nominalSize,
                               int cellSize)
{
    auto font = std::make_unique<LibFont>();
    font->Load(metricsPath, textureName, nominalSize, cellSize);
    mFonts.push_back(std::move(font));
    return mFonts.back().get();
}

void FontManager::LoadGameFonts(const std::string& metricsFolder)
{
    Initialise();
    for (const GameFonts::Font& entry : GameFonts::kFonts) {
        LibFont* font = LoadFont(metricsFolder + "/" + GameFonts::MetricsFileName(entry.textureName),
                                 entry.textureName, entry.nominalSize, entry.cellSize);
        font->spacing = entry.spacing;
    }
}

LibFont* FontManager::FindFont(const std::string& name) const
{
    for (const auto& font : mFonts)
        if (font->textureName == name)
            return font.get();
    return nullptr;
}

void FontManager::SelectFont(const std::string& name, float size)
{
    if (mCurrent && size == mSize && mCurrent->textureName == name)
        return;
    if (!mCurrent || mCurrent->textureName != name) {
        LibFont* font = FindFont(name);
        if (!font) {
            DebugLog::Write("missing font: " + name);
        } else if (font != mCurrent) {
            // The queue holds quads of one font only.
            if (mQueued > 0)
                Flush();
            mCurrent = font;
        }
    }
    // Glyphs at the nominal size are drawn unfiltered: queued ones must go
    // before the size decides otherwise.
    if (mQueued > 0 && mCurrent && ((size == mCurrent->nominalSize) != (mSize == mCurrent->nominalSize)))
        Flush();
    mSize = size;
}

bool FontManager::CheckInitialised(const char* message) const
{
    if (mInitialised)
        return true;
    DebugLog::Write(message);
    return false;
}

// ---------------------------------------------------------------------------
// Measuring

float FontManager::CharAdvance(unsigned char c) const
{
    if (!mCurrent)
        return 0.0f;
    const unsigned char folded = Fold(c);
    if (folded == ' ' || folded == '\t')
        return std::trunc(mSize * 0.25f);
    const int glyph = GlyphForDrawing(c);
    if (glyph < 0)
        return 0.0f;
    const float s = mSize / static_cast<float>(mCurrent->nominalSize);
    return s * static_cast<float>(mCurrent->spacing) + s * static_cast<float>(mCurrent->widths[glyph]);
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
    return static_cast<float>(lines) * mSize;
}

// ---------------------------------------------------------------------------
// Drawing

void FontManager::DrawText(const std::string& text, float x, float y, uint32_t colour, float width, int alignment)
{
    if (!CheckInitialised("TextNotInitialised"))
        return;
    if (mChunkList && !mCapture) {
        mChunkList->Add(std::make_unique<LibTextChunk>(text, x, y, colour, width, alignment, mSize,
                                                       mCurrent ? mCurrent->textureName : std::string()));
        return;
    }
    if (!mCurrent || text.empty())
        return;
    if (!mCapture && mQueued + 4 * static_cast<long long>(text.size()) > kQueueVertices)
        Flush();

    float pen = std::trunc(x);
    if (alignment == kAlignRight)
        pen = std::trunc(x + width - static_cast<float>(TextWidth(text)));
    else if (alignment == kAlignCentre)
        pen = std::trunc(x + width * 0.5f - static_cast<float>(TextWidth(text)) * 0.5f);
    const float top = std::trunc(y);
    const float s = mSize / static_cast<float>(mCurrent->nominalSize);
    const float side = s * static_cast<float>(mCurrent->cellSize);
    int previous = -1;

    for (unsigned char raw : text) {
        if (!mCapture && mQueued >= kQueueVertices - 4) {
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
            pen += std::trunc(mSize * 0.25f);
            previous = -1;
            continue;
        }
        const int glyph = GlyphForDrawing(raw);
        if (glyph < 0)
            continue;
        if (previous >= 0)
            pen += s * mCurrent->Kerning(previous, glyph);

        TLVertex quad[4];
        const float left = pen - 0.5f, upper = top - 0.5f;
        for (int i = 0; i < 4; ++i) {
            quad[i].x = left + (i % 2) * side;
            quad[i].y = upper + (i / 2) * side;
            quad[i].diffuse = colour;
            quad[i].u = mCurrent->u[glyph][i];
            quad[i].v = mCurrent->v[glyph][i];
        }
        if (mCapture) {
            mCapture->insert(mCapture->end(), quad, quad + 4);
        } else {
            std::copy(quad, quad + 4, mQueue.begin() + mQueued);
            mQueued += 4;
        }
        pen += s * static_cast<float>(mCurrent->widths[glyph]);
        pen += s * static_cast<float>(mCurrent->spacing);
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
        y += mSize;
        rest = std::move(next);
    }
    return y;
}

void FontManager::DrawBatch(const TLVertex* vertices, int count)
{
    count -= count % 4;
    if (count <= 0 || !mCurrent)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.BeginRender();
    mCurrent->texture.Bind();
    for (int start = 0; start < count; start += kQueueVertices) {
        const int n = std::min(kQueueVertices, count - start);
        std::copy(vertices + start, vertices + start + n, mBuffer.vertices.begin());
        mBuffer.vertexCount = static_cast<uint16_t>(n);
        mBuffer.indexCount = static_cast<uint16_t>(n / 4 * 6);
        mBuffer.Draw();
    }
    mBuffer.Reset();
}

void FontManager::Flush()
{
    if (!mInitialised) {
        DebugLog::Write("TextNotInitialised");
        return;
    }
    if (mQueued == 0)
        return;
    D3DEngine& engine = GetD3DEngine();
    if (mCurrent && mSize == static_cast<float>(mCurrent->nominalSize))
        engine.SetPointFiltering();
    DrawBatch(mQueue.data(), mQueued);
    mQueued = 0;
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
    mQueued = 0;
}

void FontManager::SetChunkList(LibTextChunkList* list)
{
    if (list && mChunkList)
        DebugLog::Write("Failed to empty last chunk list");
    mChunkList = list;
}
