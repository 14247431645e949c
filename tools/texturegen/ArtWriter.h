#pragma once
// Saves canvases under data/bitmaps by the extension of their name (.dds, .jpg,
// .bmp, .png), creating folders, and keeps a list of what was written for the proof sheet.
#include <string>
#include <vector>

#include "Canvas.h"

class ArtWriter {
public:
    explicit ArtWriter(std::string bitmapsDir) : bitmapsDir_(std::move(bitmapsDir)) {}

    // relativePath is below data/bitmaps, e.g. "gui/button.dds".
    void Save(const Canvas& canvas, const std::string& relativePath);
    // Records a failure that is not a file write (a missing glyph, a bad table line).
    void Fail(const std::string& message);

    int Failures() const { return failures_; }
    const std::vector<std::string>& Written() const { return written_; }

private:
    std::string bitmapsDir_;
    int failures_ = 0;
    std::vector<std::string> written_;
};
