#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/GVertexBuffer.h"
#include "engine/GameFonts.h"
#include "engine/LibFont.h"
#include "platform/TLVertex.h"

class LibTextChunkList;

// All text on screen: the loaded fonts, the current font and size, and a
// queue of glyph quads sent to the renderer in large batches (when the queue
// is full, when the font changes, and once per frame by the main loop).
//
// Text is single-byte (code page 1252): accented capitals and small letters
// are drawn as their plain letters, bytes 128 (euro) and 163 (pound) have
// glyphs of their own, other bytes of 128 and above and control bytes draw
// nothing. Measuring follows the same rules, so measured and drawn widths agree.
class FontManager {
public:
    enum Alignment { kAlignLeft = 0, kAlignRight = 1, kAlignCentre = 2 };

    static constexpr int kQueueVertices = 8000;
    static constexpr int kMaxWrappedText = 2048;

    FontManager();
    ~FontManager();
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    void Initialise();
    bool IsInitialised() const { return mInitialised; }
    LibFont* LoadFont(const std::string& metricsPath, const std::string& textureName, int nominalSize, int cellSize);
    // Initialise, then the game's seven fonts with their spacing. The textures
    // are looked up in the renderer's texture folders (data/bitmaps/fonts).
    void LoadGameFonts(const std::string& metricsFolder = GameFonts::kMetricsFolder);

    void SelectFont(const std::string& name, float size);
    LibFont* CurrentFont() const { return mCurrent; }
    float CurrentSize() const { return mSize; }
    LibFont* FindFont(const std::string& name) const;
    const std::vector<std::unique_ptr<LibFont>>& Fonts() const { return mFonts; }

    // Measuring (current font and size).
    float CharAdvance(unsigned char c) const;
    int TextWidth(const std::string& text) const;
    std::string SplitLine(float maxWidth, const std::string& text, std::string& restOut) const;
    float MeasureWrapped(const std::string& text, float wrapWidth) const;

    // Drawing.
    void DrawText(const std::string& text, float x, float y, uint32_t colour, float width = 0.0f,
                  int alignment = kAlignLeft);
    void DrawShadowed(const std::string& text, float x, float y, uint32_t colour, float width = 0.0f,
                      int alignment = kAlignLeft);
    float DrawWrapped(const std::string& text, float x, float y, float wrapWidth, uint32_t colour);
    void Flush();
    void ResetFrame();
    int QueuedVertices() const { return mQueued; }

    // While a chunk list is set, DrawText records chunks instead of drawing.
    void SetChunkList(LibTextChunkList* list);
    LibTextChunkList* ChunkList() const { return mChunkList; }
    // Glyph quads of DrawText go into this array instead of the queue (chunk caches).
    void CaptureInto(std::vector<TLVertex>* vertices) { mCapture = vertices; }
    // Draws prepared glyph quads of the current font at once.
    void DrawPrepared(const std::vector<TLVertex>& vertices);

    // The glyph a byte draws with, after folding accents; -1 for none.
    static int GlyphForDrawing(unsigned char c);
    // The plain glyph map: "!" is 0, "A" 32, "a" 64; "%" is 93; -1 below "!".
    static int GlyphOf(unsigned char c);
    static unsigned char Fold(unsigned char c);

private:
    bool CheckInitialised(const char* message) const;
    void DrawBatch(const TLVertex* vertices, int count);

    std::vector<std::unique_ptr<LibFont>> mFonts;
    LibFont* mCurrent = nullptr;
    std::vector<TLVertex> mQueue;
    int mQueued = 0;
    GVertexBuffer mBuffer;
    float mSize = 12.0f;
    bool mInitialised = false;
    LibTextChunkList* mChunkList = nullptr;
    std::vector<TLVertex>* mCapture = nullptr;
};

// The font set singleton.
FontManager& GetFontManager();
