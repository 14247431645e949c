#pragma once
// The game's application icon for the desktop: a lit parliament front on a
// rounded navy tile, painted at four times its size and reduced.
#include "ArtWriter.h"

class AppIconPainter {
public:
    static constexpr const char* kFile = "icon/rulecraft.png";
    static constexpr int kSize = 256;

    explicit AppIconPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

private:
    ArtWriter& writer_;
};
