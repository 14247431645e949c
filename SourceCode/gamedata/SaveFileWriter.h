#pragma once
#include <cstddef>
#include <string>
#include <string_view>

class AtomicFileWriter;

// Builds a save file in memory, one tagged line at a time: containers
// ("<tag>" ... "</tag>") and values ("<name>text</name>"). Reals are written
// "%.8f", histories "%.3f," per entry; the exact forms (shortest text that
// reads back to the same float) serve whatever must continue bit for bit.
class SaveFileWriter {
public:
    // Lines gathered up to this size go to the file, if there is one.
    static constexpr size_t kChunk = size_t{1} << 20;

    SaveFileWriter() = default;
    // Into that file, a chunk at a time, so that a large game is never
    // written whole in memory.
    explicit SaveFileWriter(AtomicFileWriter* file) : mFile(file) {}


    void Open(std::string_view tag);
    void Close(std::string_view tag);

    // Text is escaped, so names typed by the player survive a round trip.
    void Text(std::string_view name, std::string_view value);
    void Int(std::string_view name, long long value);
    void Real(std::string_view name, float value);
    void History(std::string_view name, const float* values, size_t count);
    void Exact(std::string_view name, float value);
    void ExactList(std::string_view name, const float* values, size_t count);
    // A value already formatted (and safe): written as it is.
    void Raw(std::string_view name, std::string_view text);

    // Room for that many bytes in memory, so that a large text is not copied
    // as it grows (nothing when written to a file).
    void Reserve(size_t bytes)
    {
        if (!mFile)
            mText.reserve(mText.size() + bytes);
    }
    // Writes what is left to the file; false when any write failed.
    bool Finish();

    const std::string& Contents() const { return mText; }
    std::string Take() { return std::move(mText); }

    // "&", "<", ">" and control characters become entities ("&amp;", "&#9;").
    static std::string Escape(std::string_view text);
    // The inverse; false when an entity is malformed.
    static bool Unescape(std::string_view text, std::string& out);
    static void AppendExact(std::string& out, float value);

private:
    void Line(std::string_view name, std::string_view text);
    void FlushIfFull();

    AtomicFileWriter* mFile = nullptr;
    std::string mText;
};
