#pragma once
// The interface's frames and controls: nine-part panels, buttons, check boxes,
// the slider knob, the mouse pointer, the list-box arrow and the progress bar.
//
// Nine-part panels are 4 x 4 grids of equal cells: corners are drawn as they are,
// edges and the centre are tiled, so every effect stays within one cell of the
// border and the interior is flat.
#include "ArtWriter.h"
#include "Colour.h"

class PanelPainter {
public:
    explicit PanelPainter(ArtWriter& writer) : writer_(writer) {}
    void PaintAll();

private:
    struct PanelStyle {
        Colour body;
        Colour border;
        Colour innerLine;   // a hairline just inside the border (alpha 0 for none)
        float radius;       // in texture pixels
        float borderWidth;
        float topSheen;     // strength of the light along the top edge
        float shadow;       // strength of the soft outer shadow
    };
    Canvas Panel(int size, const PanelStyle& style) const;
    Canvas RoundButton(const Colour& disc, const Colour& rim) const;

    void PaintPanels();
    void PaintButtons();
    void PaintCheckBoxes();
    void PaintSliderKnob();
    void PaintCursor();
    void PaintListBoxArrow();
    void PaintProgressBar();

    ArtWriter& writer_;
};
