#pragma once
// The main screen's network: the value, policy and situation circles, the hover
// ring, the influence line, the highlighter rings, the voter-group strip and the
// trend arrow. Pieces that the game tints (value circle, line, arrow) are light
// grey and white so that the vertex colour decides their hue.
#include "ArtWriter.h"

class NetworkPainter {
public:
    explicit NetworkPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

private:
    void PaintCircles();
    void PaintSituationCircles();
    void PaintLineAndRings();
    void PaintPeopleStrip();

    ArtWriter& writer_;
};
