#include "PanelPainter.h"

#include <cmath>

#include "Palette.h"

using namespace Palette;

Canvas PanelPainter::Panel(int size, const PanelStyle& s) const
{
    Canvas c(size, size);
    float cell = float(size) / 4.0f;
    // Keep everything inside one cell of the edge: inset the body for the shadow.
    float inset = std::round(cell * 0.1f);
    float l = inset, t = inset, r = float(size) - inset, b = float(size) - inset;
    if (s.shadow > 0) {
        Canvas shape(size, size);
        shape.Fill([&](float x, float y) { return Sdf::RoundRect(x, y, l, t + 1, r, b + 1, s.radius); },
                   Colour{0, 0, 0, 1});
        c.Composite(shape.Glow(inset * 1.2f, Colour{0, 0, 0, s.shadow}), 0, 0);
    }
    auto body = [&](float x, float y) { return Sdf::RoundRect(x, y, l, t, r, b, s.radius); };
    c.Fill(body, [&](float, float y) {
        // A faint light along the top edge only (within the first cell), fading down.
        float sheen = y < cell ? s.topSheen * (1.0f - (y - t) / (cell - t)) : 0.0f;
        return s.body.Lighter(std::max(0.0f, sheen));
    });
    c.Fill([&](float x, float y) { return Sdf::Ring(body(x, y) + s.borderWidth * 0.5f, s.borderWidth * 0.5f); },
           s.border);
    if (s.innerLine.a > 0) {
        float gap = s.borderWidth + 2.0f;
        c.Fill([&](float x, float y) { return Sdf::Ring(body(x, y) + gap + 0.5f, 0.5f); }, s.innerLine);
    }
    return c;
}

void PanelPainter::PaintPanels()
{
    // Dialogs: opaque navy with a slate border and a warm hairline inside it.
    writer_.Save(Panel(128, {kNavy, kSlateLight, kAmber.WithAlpha(0.55f), 14, 2, 0.10f, 0.55f}),
                 "gui/dialog_opaque.dds");
    // Screen panels and active tabs: slightly see-through over the backdrops.
    writer_.Save(Panel(128, {kNavy.WithAlpha(0.90f), kSlateLight.WithAlpha(0.9f), Colour{}, 18, 2, 0.08f, 0.45f}),
                 "gui/dialog_rounded.dds");
    // Inactive tabs: darker and quieter.
    writer_.Save(Panel(128, {kNight.WithAlpha(0.88f), kSlate, Colour{}, 14, 2, 0.04f, 0.35f}), "gui/dialog_dark.dds");
    writer_.Save(Panel(64, {kNight.WithAlpha(0.88f), kSlate, Colour{}, 9, 1.5f, 0.04f, 0.3f}),
                 "gui/dialog_rounded_dark.dds");
    // Tutorial hints stand out with the warm accent.
    writer_.Save(Panel(128, {kNavyLight, kAmber, kAmberLight.WithAlpha(0.35f), 16, 3, 0.12f, 0.6f}),
                 "gui/dialog_tutorial.dds");
    // Picture frame: a light mat around pictures in message boxes.
    writer_.Save(Panel(64, {kNight, kMist, Colour{}, 4, 2, 0.0f, 0.4f}), "gui/chartkey.dds");
}

void PanelPainter::PaintButtons()
{
    // Text buttons: drawn with a 9-pixel corner from a 16-pixel cell.
    writer_.Save(Panel(64, {Colour::Hex(0x2C4369), kSlateLight, Colour{}, 11, 2, 0.22f, 0.0f}), "gui/button.dds");
    writer_.Save(Panel(64, {kAmber, kAmberLight, Colour{}, 11, 2, 0.30f, 0.0f}), "gui/button_h.dds");

    // Round icon buttons: close and the page arrows.
    auto withSymbol = [&](const Canvas& base, auto symbol) {
        Canvas c = base;
        c.Fill(symbol, kPaper);
        return c;
    };
    Canvas normal = RoundButton(kNavyLight, kSlateLight);
    Canvas hover = RoundButton(kAmber, kAmberLight);
    auto cross = [](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 22, 22, 42, 42, 3.2f), Sdf::Segment(x, y, 42, 22, 22, 42, 3.2f));
    };
    auto left = [](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 37, 20, 25, 32, 3.6f), Sdf::Segment(x, y, 25, 32, 37, 44, 3.6f));
    };
    auto right = [](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 27, 20, 39, 32, 3.6f), Sdf::Segment(x, y, 39, 32, 27, 44, 3.6f));
    };
    Canvas closeHover = RoundButton(kBad, Colour::Hex(0xE88B7E));
    writer_.Save(withSymbol(normal, cross), "gui/button_close.dds");
    writer_.Save(withSymbol(closeHover, cross), "gui/button_close_h.dds");
    writer_.Save(withSymbol(normal, left), "gui/left.dds");
    writer_.Save(withSymbol(hover, left), "gui/left_h.dds");
    writer_.Save(withSymbol(normal, right), "gui/right.dds");
    writer_.Save(withSymbol(hover, right), "gui/right_h.dds");
}

Canvas PanelPainter::RoundButton(const Colour& disc, const Colour& rim) const
{
    Canvas c(64, 64);
    Canvas shape(64, 64);
    shape.Fill([](float x, float y) { return Sdf::Circle(x, y, 32, 33.5f, 28); }, Colour{0, 0, 0, 1});
    c.Composite(shape.Glow(3, Colour{0, 0, 0, 0.5f}), 0, 0);
    c.Fill([](float x, float y) { return Sdf::Circle(x, y, 32, 32, 28); },
           [&](float, float y) { return disc.Lighter(0.18f * (1.0f - (y - 4) / 56.0f)); });
    c.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 32, 32, 26.75f), 1.25f); }, rim);
    return c;
}

void PanelPainter::PaintCheckBoxes()
{
    Canvas box(64, 64);
    Canvas shadow(64, 64);
    shadow.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 8, 10, 56, 58, 9); }, Colour{0, 0, 0, 1});
    box.Composite(shadow.Glow(3, Colour{0, 0, 0, 0.5f}), 0, 0);
    box.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 8, 8, 56, 56, 9); },
             [](float, float y) { return kNight.Mix(kNavyLight, (y - 8) / 48.0f); });
    box.Fill([](float x, float y) { return Sdf::Ring(Sdf::RoundRect(x, y, 9.5f, 9.5f, 54.5f, 54.5f, 7.5f), 1.5f); },
             kSlateLight);
    writer_.Save(box, "gui/gui_checkbox.dds");

    Canvas ticked = box;
    auto tick = [](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 19, 33, 28, 42, 4.2f), Sdf::Segment(x, y, 28, 42, 46, 21, 4.2f));
    };
    Canvas tickShape(64, 64);
    tickShape.Fill(tick, Colour{0, 0, 0, 1});
    ticked.Composite(tickShape.Glow(3, kAmber.WithAlpha(0.6f)), 0, 0);
    ticked.Fill(tick, kAmberLight);
    writer_.Save(ticked, "gui/gui_checkbox_checked.dds");
}

void PanelPainter::PaintSliderKnob()
{
    // Drawn both 12 x 12 and 14 x 22, so a rounded block that reads at either shape.
    Canvas c(32, 32);
    auto knob = [](float x, float y) { return Sdf::RoundRect(x, y, 3, 2, 29, 30, 7); };
    c.Fill(knob, [](float, float y) { return kPaper.Mix(kMist, (y - 2) / 28.0f); });
    c.Fill([&](float x, float y) { return Sdf::Ring(knob(x, y) + 1.0f, 1.0f); }, kSlate);
    c.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 13.5f, 9, 18.5f, 23, 2.5f); }, kAmber);
    writer_.Save(c, "gui/slider_button.dds");
}

void PanelPainter::PaintCursor()
{
    // Tip at the top-left pixel: the pointer's sprite is placed by its corner.
    Canvas c(64, 64);
    std::vector<float> arrow = {1, 1, 1, 44, 11.5f, 34.5f, 19, 52, 27, 48.5f, 19.5f, 31.5f, 33, 31.5f};
    auto shape = [&](float x, float y) { return Sdf::Polygon(x, y, arrow); };
    Canvas shadow(64, 64);
    shadow.Fill([&](float x, float y) { return shape(x - 2, y - 3); }, Colour{0, 0, 0, 1});
    c.Composite(shadow.Glow(3, Colour{0, 0, 0, 0.55f}), 0, 0);
    c.Fill(shape, kNight);
    c.Fill([&](float x, float y) { return shape(x, y) + 2.6f; },
           [](float x, float y) { return kPaper.Mix(kMist, (x + y) / 80.0f); });
    c.Fill([&](float x, float y) { return Sdf::Intersect(shape(x, y) + 2.6f, Sdf::Circle(x, y, 1, 1, 14)); },
           kAmber.WithAlpha(0.9f));
    writer_.Save(c, "gui/cursor.dds");
}

void PanelPainter::PaintListBoxArrow()
{
    Canvas c(32, 32);
    c.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 1, 1, 31, 31, 6); },
           [](float, float y) { return kNavyLight.Mix(kNavy, y / 32.0f); });
    c.Fill([](float x, float y) { return Sdf::Ring(Sdf::RoundRect(x, y, 1.5f, 1.5f, 30.5f, 30.5f, 5.5f), 0.75f); },
           kSlateLight);
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {9, 12, 23, 12, 16, 21}) - 0.5f; }, kPaper);
    writer_.Save(c, "gui/gui_listbox.bmp");
}

void PanelPainter::PaintProgressBar()
{
    // Frame: left cap in columns 0-7, middle in 8-15, right cap in 24-31 (drawn 22 high).
    Canvas bar(32, 32);
    auto trough = [](float x, float y, float l, float r) { return Sdf::RoundRect(x, y, l, 3, r, 29, 7); };
    auto paintTrough = [&](float l, float r, int clipL, int clipR) {
        bar.SetClip(clipL, 0, clipR, 32);
        bar.Fill([&](float x, float y) { return trough(x, y, l, r); },
                 [](float, float y) { return kNight.Mix(kNavy, (y - 3) / 26.0f); });
        bar.Fill([&](float x, float y) { return Sdf::Ring(trough(x, y, l, r) + 1.0f, 1.0f); }, kSlateLight);
    };
    paintTrough(1, 40, 0, 8);     // left cap: rounded on the left, open on the right
    paintTrough(-20, 60, 8, 16);  // middle: straight top and bottom edges
    paintTrough(-9, 31, 24, 32);  // right cap: rounded on the right
    bar.ClearClip();
    writer_.Save(bar, "gui/progress_bar.bmp");

    // One chunk of the filling: amber block with a dark gap on its right.
    Canvas chunk(8, 16);
    chunk.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 0.5f, 1, 6.5f, 15, 1.2f); },
               [](float, float y) { return kAmberLight.Mix(kAmber, y / 10.0f); });
    writer_.Save(chunk, "gui/progbar_chunk.bmp");
}

void PanelPainter::PaintAll()
{
    PaintPanels();
    PaintButtons();
    PaintCheckBoxes();
    PaintSliderKnob();
    PaintCursor();
    PaintListBoxArrow();
    PaintProgressBar();
}
