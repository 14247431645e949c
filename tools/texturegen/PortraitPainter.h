#pragma once
// Minister portraits: stylised head-and-shoulders figures, varied by a seeded
// choice of skin tone, hair, clothes and glasses. Men go to ministers/male,
// women to ministers/female (the cabinet picks from those folders), and a
// neutral silhouette is "minister1.bmp", the portrait before one is chosen.
#include "ArtWriter.h"

class PortraitPainter {
public:
    explicit PortraitPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

    static constexpr int kPerGender = 10;

private:
    struct Look {
        bool female;
        int skin, hair, hairStyle, suit, accent;
        bool glasses;
    };
    Canvas Paint(const Look& look) const;
    Canvas Silhouette() const;

    ArtWriter& writer_;
};
