#pragma once
// Full-screen pictures: the loading backdrop (a parliament at dusk), the main
// screen's backdrop (the ring of seven policy sectors) and the resignation picture.
#include "ArtWriter.h"

class BackgroundPainter {
public:
    explicit BackgroundPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

private:
    void PaintLoadScreen();
    void PaintNetworkBackdrop();
    void PaintResignation();

    ArtWriter& writer_;
};
