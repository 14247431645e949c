#pragma once
// The control panel's icon buttons (each with its hovered twin) and the two
// fixed issue-list icons, all in the icon style.
#include "ArtWriter.h"
#include "IconPainter.h"

class ControlIconPainter {
public:
    ControlIconPainter(ArtWriter& writer, const IconPainter& icons) : writer_(writer), icons_(icons) {}
    void PaintAll();

private:
    ArtWriter& writer_;
    const IconPainter& icons_;
};
