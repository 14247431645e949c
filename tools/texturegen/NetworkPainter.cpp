#include "NetworkPainter.h"

#include <cmath>

#include "IconPainter.h"
#include "Palette.h"

using namespace Palette;

namespace {

constexpr float kPi = 3.14159265f;

// A small deterministic hash for patterns: same art on every run.
float Hash(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

}  // namespace

void NetworkPainter::PaintCircles()
{
    // Simulation values: a neutral disc that takes the game's tint (blue, or red,
    // yellow, green by how well the value is doing).
    Canvas value(64, 64);
    IconPainter::PaintDisc(value, 32, 32, 29, Colour::Hex(0xD8DEE8), Colour::Hex(0xFFFFFF));
    writer_.Save(value, "network/blue_circicon.dds");

    // Policies: a slate disc with a warm ring, clearly "a lever" next to the values.
    Canvas policy(64, 64);
    IconPainter::PaintDisc(policy, 32, 32, 29, kNavyLight, kAmber);
    writer_.Save(policy, "network/blank_circicon.dds");

    // Hover ring: a soft warm glow around the circle.
    Canvas ring(64, 64);
    Canvas band(64, 64);
    band.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 32, 32, 28), 2.0f); }, Colour{0, 0, 0, 1});
    ring.Composite(band.Glow(3.5f, kAmberLight.WithAlpha(1.0f)), 0, 0);
    ring.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 32, 32, 28), 1.4f); }, kPaper);
    writer_.Save(ring, "network/circ_highlight.dds");
}

void NetworkPainter::PaintSituationCircles()
{
    // Favourable situations: green with a soft leafy speckle.
    Canvas grass(64, 64);
    IconPainter::PaintDisc(grass, 32, 32, 29, Colour::Hex(0x2F8F5B), Colour::Hex(0x8FD6A8));
    Canvas leaves(64, 64);
    for (int i = 0; i < 46; ++i) {
        float a = Hash(i, 1, 7) * 2 * kPi, r = std::sqrt(Hash(i, 2, 7)) * 24.0f;
        float cx = 32 + std::cos(a) * r, cy = 32 + std::sin(a) * r;
        float angle = Hash(i, 3, 7) * kPi, len = 2.5f + Hash(i, 4, 7) * 2.5f;
        float dx = std::cos(angle) * len, dy = std::sin(angle) * len;
        leaves.Fill([=](float x, float y) { return Sdf::Segment(x, y, cx - dx, cy - dy, cx + dx, cy + dy, 1.1f); },
                    Colour::Hex(Hash(i, 5, 7) > 0.5f ? 0x9BE0A9 : 0x1E6B40, 0.45f));
    }
    Canvas mask(64, 64);
    mask.Fill([](float x, float y) { return Sdf::Circle(x, y, 32, 32, 26.5f); }, Colour{1, 1, 1, 1});
    leaves.MaskWith(mask);
    grass.Composite(leaves, 0, 0);
    grass.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 32, 32, 27.7f), 1.3f); },
               Colour::Hex(0x8FD6A8));
    writer_.Save(grass, "network/circle_grass.dds");

    // Unfavourable situations: ember red with rising flame tongues.
    Canvas fire(64, 64);
    IconPainter::PaintDisc(fire, 32, 32, 29, Colour::Hex(0xB23A2A), Colour::Hex(0xF3A25A));
    Canvas flames(64, 64);
    for (int i = 0; i < 7; ++i) {
        float cx = 12 + float(i) * 6.7f, h = 14 + Hash(i, 1, 3) * 16, w = 4.5f + Hash(i, 2, 3) * 2.5f;
        float base = 56;
        flames.Fill([=](float x, float y) {
            // A teardrop: a circle at the base pulled up into a point.
            float t = std::clamp((base - y) / h, 0.0f, 1.0f);
            float half = w * std::sqrt(std::max(0.0f, 1.0f - t)) * (1.0f - 0.35f * t);
            float sway = std::sin(t * 3.0f + float(i)) * 2.0f * t;
            return std::max(std::fabs(x - cx - sway) - half, std::max(y - base, (base - h) - y));
        }, [=](float, float y) { return Colour::Hex(0xF7B24A).Mix(Colour::Hex(0xE0542F), (y - (base - h)) / h).WithAlpha(0.7f); });
    }
    flames.MaskWith(mask);
    fire.Composite(flames, 0, 0);
    fire.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 32, 32, 27.7f), 1.3f); },
              Colour::Hex(0xF3A25A));
    writer_.Save(fire, "network/circle_fire.dds");
}

void NetworkPainter::PaintLineAndRings()
{
    // Influence line: along u, with a bright core and soft edges across v.
    Canvas line(64, 16);
    line.Wash([](float, float y) {
        float d = std::fabs(y - 8.0f) / 8.0f;
        float a = d < 0.25f ? 1.0f : std::pow(std::max(0.0f, 1.0f - (d - 0.25f) / 0.75f), 1.8f);
        return Colour{1, 1, 1, a};
    });
    writer_.Save(line, "network/line.dds");

    // Highlighter: a ring with a warm glow and a few arcs, so that its random
    // rotation shows while it shrinks onto the new icon.
    Canvas hl(256, 256);
    Canvas band(256, 256);
    band.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 128, 128, 112), 5.0f); }, Colour{0, 0, 0, 1});
    hl.Composite(band.Glow(10, kAmber.WithAlpha(0.9f)), 0, 0);
    hl.Fill([](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, 128, 128, 112), 3.0f); }, kAmberLight);
    hl.Fill([](float x, float y) {
        float a = std::atan2(y - 128, x - 128);
        float arcs = std::cos(a * 3.0f);  // three arcs around the ring
        float ring = Sdf::Ring(Sdf::Circle(x, y, 128, 128, 96), 2.0f);
        return arcs > 0.45f ? ring : 10.0f;
    }, kPaper.WithAlpha(0.85f));
    writer_.Save(hl, "network/highlighter.dds");

    // Trend arrow, pointing right (the game flips it for a fall); tinted red or green.
    Canvas arrow(32, 32);
    arrow.Fill([](float x, float y) {
        return Sdf::Union(Sdf::Polygon(x, y, {16, 5, 29, 16, 16, 27}), Sdf::RoundRect(x, y, 3, 12, 18, 20, 1.5f));
    }, Colour{1, 1, 1, 1});
    writer_.Save(arrow, "network/gui_arrow.dds");
}

void NetworkPainter::PaintPeopleStrip()
{
    // 128 x 128: the strip's background in the first 100 x 31 pixels, its share bar
    // in the 31 rows below; the game stretches neither.
    Canvas c(128, 128);
    c.SetClip(0, 0, 100, 32);
    c.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 0.5f, 0.5f, 99.5f, 30.5f, 6); },
           [](float, float y) { return kNavyLight.Mix(kNavy, y / 31.0f).WithAlpha(0.92f); });
    c.Fill([](float x, float y) { return Sdf::Ring(Sdf::RoundRect(x, y, 1, 1, 99, 30, 5.5f), 0.6f); },
           kSlateLight.WithAlpha(0.9f));
    c.SetClip(0, 32, 128, 64);
    // The share bar: a lighter slate band with a row of small figures, so the
    // group's size reads as "how many people" without fighting the meter's colours.
    c.Fill([](float x, float y) { return Sdf::RoundRect(x, y, -10, 33.5f, 138, 62.5f, 5); },
           [](float, float y) { return kSlateLight.Mix(kSlate, (y - 33) / 29.0f).WithAlpha(0.55f); });
    for (int i = 0; i < 13; ++i) {
        float cx = 5 + float(i) * 9.6f;
        c.Fill([=](float x, float y) {
            return Sdf::Union(Sdf::Circle(x, y, cx, 46, 2.0f), Sdf::RoundRect(x, y, cx - 3.2f, 49, cx + 3.2f, 58, 2.5f));
        }, kPaper.WithAlpha(0.16f));
    }
    c.ClearClip();
    writer_.Save(c, "network/peoplestrip.dds");
}

void NetworkPainter::PaintAll()
{
    PaintCircles();
    PaintSituationCircles();
    PaintLineAndRings();
    PaintPeopleStrip();
}
