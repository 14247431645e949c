#include "IconPainter.h"

#include <cmath>

#include "Palette.h"

void IconPainter::PaintDisc(Canvas& canvas, float cx, float cy, float radius, const Colour& disc, const Colour& rim)
{
    Canvas shadow(canvas.Width(), canvas.Height());
    shadow.Fill([&](float x, float y) { return Sdf::Circle(x, y, cx, cy + radius * 0.06f, radius); },
                Colour{0, 0, 0, 1});
    canvas.Composite(shadow.Glow(radius * 0.12f, Colour{0, 0, 0, 0.55f}), 0, 0);
    // Light from above: lighter at the top, a little darker at the bottom.
    canvas.Fill([&](float x, float y) { return Sdf::Circle(x, y, cx, cy, radius); },
                [&](float x, float y) {
                    float dy = (y - cy) / radius, dx = (x - cx) / radius;
                    float light = -0.5f * dy - 0.15f * dx;
                    return light > 0 ? disc.Lighter(0.22f * light) : disc.Darker(-0.25f * light);
                });
    float rimWidth = std::max(1.0f, radius * 0.045f);
    canvas.Fill([&](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, cx, cy, radius - rimWidth), rimWidth); },
                rim);
}

bool IconPainter::Paint(Canvas& out, uint32_t glyph, const Colour& disc, const Colour& symbol, float symbolSize) const
{
    Canvas c(64, 64);
    PaintDisc(c, 32, 32, 29, disc, disc.Lighter(0.45f));
    Canvas mark(64, 64);
    if (!glyphs_.DrawCentred(mark, glyph, 32, 32, symbolSize, symbol)) return false;
    c.Composite(mark.Glow(2.0f, Colour{0, 0, 0, 0.45f}), 1, 2);
    c.Composite(mark, 0, 0);
    out = c;
    return true;
}

bool IconPainter::PaintBare(Canvas& out, uint32_t glyph, const Colour& symbol, float symbolSize) const
{
    Canvas mark(64, 64);
    if (!glyphs_.DrawCentred(mark, glyph, 32, 32, symbolSize, symbol)) return false;
    Canvas c(64, 64);
    c.Composite(mark.Glow(2.5f, Colour{0, 0, 0, 0.7f}), 1, 2);
    c.Composite(mark, 0, 0);
    out = c;
    return true;
}
