#pragma once
// Pictures that belong to a mission: its flag (the backdrop of the new-game
// screen, 1024 x 1024 with the flag in the top three quarters like the other
// backdrops) and its thumbnail on the mission chooser (shown at 100 x 75).
#include "ArtWriter.h"

class MissionArtPainter {
public:
    explicit MissionArtPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

private:
    void PaintVelmoraFlag();
    void PaintVelmoraThumb();

    ArtWriter& writer_;
};
