#pragma once
// Icons in one style: a symbol of the icon font in off-white on a shaded disc of
// the icon's colour, with a light rim. Used for the policy and value icons, the
// issue icons and the control panel.
#include <cstdint>

#include "Canvas.h"
#include "GlyphPainter.h"

class IconPainter {
public:
    explicit IconPainter(GlyphPainter& glyphs) : glyphs_(glyphs) {}

    // A 64 x 64 icon; false when the font has no such symbol.
    bool Paint(Canvas& out, uint32_t glyph, const Colour& disc, const Colour& symbol, float symbolSize = 30.0f) const;

    // A 64 x 64 bare symbol with a soft shadow, for the game's own coloured circles.
    bool PaintBare(Canvas& out, uint32_t glyph, const Colour& symbol, float symbolSize = 32.0f) const;

    // The shaded disc alone, centred in a square canvas of the given size.
    static void PaintDisc(Canvas& canvas, float cx, float cy, float radius, const Colour& disc, const Colour& rim);

private:
    GlyphPainter& glyphs_;
};
