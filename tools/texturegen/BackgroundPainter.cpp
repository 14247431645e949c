#include "BackgroundPainter.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

using namespace Palette;

namespace {

constexpr float kPi = 3.14159265f;

float Hash(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

float Smooth(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Fills a shape known to lie within the box, visiting only those pixels.
void FillBox(Canvas& c, float l, float t, float r, float b, const Canvas::Distance& shape, const Canvas::Paint& paint)
{
    c.SetClip(int(l) - 2, int(t) - 2, int(r) + 3, int(b) + 3);
    c.Fill(shape, paint);
    c.ClearClip();
}

void FillBox(Canvas& c, float l, float t, float r, float b, const Canvas::Distance& shape, Colour colour)
{
    FillBox(c, l, t, r, b, shape, [colour](float, float) { return colour; });
}

void Rect(Canvas& c, float l, float t, float r, float b, Colour colour)
{
    FillBox(c, l, t, r, b, [=](float x, float y) { return Sdf::RoundRect(x, y, l, t, r, b, 0.01f); }, colour);
}

// Rows of small lit windows across a block, some dark, deterministic.
void Windows(Canvas& c, float l, float t, float r, float b, float w, float h, float gapX, float gapY, int seed)
{
    int row = 0;
    for (float y = t; y + h <= b; y += h + gapY, ++row) {
        int col = 0;
        for (float x = l; x + w <= r; x += w + gapX, ++col) {
            float lit = Hash(col, row, seed);
            if (lit < 0.35f) continue;
            Colour glow = kAmberLight.Mix(kAmber, Hash(col, row, seed + 1)).WithAlpha(0.35f + 0.5f * lit);
            Rect(c, x, y, x + w, y + h, glow);
        }
    }
}

}  // namespace

void BackgroundPainter::PaintLoadScreen()
{
    // 1024 x 1024: the picture fills the top 1024 x 768, the game shows only that part.
    const float W = 1024, H = 768, horizon = 585;
    Canvas c(1024, 1024, kNight);
    c.SetClip(0, 0, 1024, 768);
    c.Wash([&](float x, float y) {
        Colour sky = Colour::Hex(0x0A1120).Mix(Colour::Hex(0x1E3050), Smooth(0, horizon, y));
        sky = sky.Mix(Colour::Hex(0x5B5A78), Smooth(horizon - 260, horizon, y) * 0.7f);
        float glow = std::exp(-std::pow((x - W * 0.5f) / 520.0f, 2) - std::pow((y - horizon) / 170.0f, 2));
        return sky.Mix(Colour::Hex(0xD08A48), glow * 0.55f);
    });
    c.ClearClip();
    // Stars, thinning towards the glow.
    for (int i = 0; i < 260; ++i) {
        float x = Hash(i, 0, 11) * W, y = Hash(i, 1, 11) * (horizon - 200);
        float a = (0.25f + 0.6f * Hash(i, 2, 11)) * (1.0f - y / (horizon - 150));
        float r = 0.6f + Hash(i, 3, 11) * 0.9f;
        FillBox(c, x - 3, y - 3, x + 3, y + 3, [=](float px, float py) { return Sdf::Circle(px, py, x, y, r); },
                kPaper.WithAlpha(a));
    }
    // A thin crescent moon.
    {
        Canvas moon(1024, 1024);
        FillBox(moon, 770, 80, 850, 160, [](float x, float y) {
            return Sdf::Subtract(Sdf::Circle(x, y, 810, 120, 30), Sdf::Circle(x, y, 822, 112, 27));
        }, Colour::Hex(0xF3EBD6));
        c.Composite(moon.Glow(14, Colour::Hex(0xF3EBD6, 0.35f)), 0, 0);
        c.Composite(moon, 0, 0);
    }

    // The parliament: one dark silhouette, lit from within.
    const Colour stone = Colour::Hex(0x0D1526);
    const Colour edge = Colour::Hex(0x26344F);
    auto building = [&](float x, float y) {
        float d = Sdf::RoundRect(x, y, 270, 480, 754, horizon + 2, 0.5f);              // main hall
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 110, 515, 290, horizon + 2, 0.5f));     // west wing
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 734, 515, 914, horizon + 2, 0.5f));     // east wing
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 440, 392, 584, 482, 0.5f));             // drum
        d = Sdf::Union(d, Sdf::Intersect(Sdf::Circle(x, y, 512, 400, 78), y - 400));   // dome
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 500, 300, 524, 330, 1.0f));            // lantern
        d = Sdf::Union(d, Sdf::Polygon(x, y, {500, 302, 524, 302, 512, 282}));          // lantern roof
        d = Sdf::Union(d, Sdf::Segment(x, y, 512, 284, 512, 246, 1.3f));               // mast
        d = Sdf::Union(d, Sdf::Polygon(x, y, {420, 482, 604, 482, 512, 438}));          // pediment
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 846, 330, 894, horizon + 2, 0.5f));     // clock tower
        d = Sdf::Union(d, Sdf::Polygon(x, y, {840, 334, 900, 334, 870, 262}));          // tower spire
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 140, 470, 176, 520, 0.5f));             // west turret
        d = Sdf::Union(d, Sdf::Polygon(x, y, {136, 472, 180, 472, 158, 440}));
        return d;
    };
    FillBox(c, 100, 240, 920, horizon + 4, building, [&](float, float y) { return stone.Mix(edge, Smooth(600, 300, y) * 0.5f); });
    // A faint warm rim where the glow catches the roofline.
    FillBox(c, 100, 240, 920, horizon + 4, [&](float x, float y) {
        return Sdf::Intersect(Sdf::Ring(building(x, y) + 1.0f, 1.0f), building(x, y - 3.0f) > 0 ? -1.0f : 1.0f);
    }, Colour::Hex(0xC98B55, 0.55f));
    // The flag on the mast.
    FillBox(c, 512, 246, 545, 262, [](float x, float y) {
        float wave = std::sin((x - 512) * 0.25f) * 1.5f;
        return Sdf::RoundRect(x, y - wave, 513, 247, 540, 260, 0.5f);
    }, kAmber);
    // Colonnade under the pediment: lit gaps between dark columns.
    for (int i = 0; i < 8; ++i) {
        float x = 432 + float(i) * 21.5f;
        Rect(c, x, 490, x + 10, horizon - 8, kAmber.WithAlpha(0.45f));
    }
    Windows(c, 290, 500, 420, horizon - 12, 7, 11, 7, 9, 21);
    Windows(c, 606, 500, 734, horizon - 12, 7, 11, 7, 9, 22);
    Windows(c, 124, 530, 282, horizon - 10, 6, 9, 7, 8, 23);
    Windows(c, 742, 530, 904, horizon - 10, 6, 9, 7, 8, 24);
    Windows(c, 454, 410, 572, 470, 6, 12, 8, 8, 25);
    // Clock face.
    {
        Canvas clock(1024, 1024);
        FillBox(clock, 855, 345, 885, 375, [](float x, float y) { return Sdf::Circle(x, y, 870, 360, 12); },
                kAmberLight);
        c.Composite(clock.Glow(8, kAmber.WithAlpha(0.6f)), 0, 0);
        c.Composite(clock, 0, 0);
        FillBox(c, 855, 345, 885, 375, [](float x, float y) {
            return Sdf::Union(Sdf::Segment(x, y, 870, 360, 870, 352, 1.0f), Sdf::Segment(x, y, 870, 360, 876, 362, 1.0f));
        }, stone);
    }
    // Trees either side.
    for (int i = 0; i < 14; ++i) {
        float x = i < 7 ? 10 + float(i) * 16 + Hash(i, 0, 5) * 10 : 915 + float(i - 7) * 16 + Hash(i, 0, 5) * 10;
        float r = 18 + Hash(i, 1, 5) * 16;
        float y = horizon - r * 0.6f;
        FillBox(c, x - r, y - r, x + r, horizon + 2, [=](float px, float py) {
            return Sdf::Union(Sdf::Circle(px, py, x, y, r), Sdf::RoundRect(px, py, x - 3, y, x + 3, horizon + 2, 1));
        }, Colour::Hex(0x0A111F));
    }
    // The plaza and a still reflecting pool.
    c.SetClip(0, int(horizon), 1024, 768);
    c.Wash([&](float, float y) { return Colour::Hex(0x101A2D).Mix(Colour::Hex(0x070C17), Smooth(horizon, H, y)); });
    c.ClearClip();
    for (int i = 0; i < 70; ++i) {
        float x = 140 + Hash(i, 0, 31) * 750, y = horizon + 14 + Hash(i, 1, 31) * 110;
        float len = 10 + Hash(i, 2, 31) * 40, a = 0.10f + 0.25f * Hash(i, 3, 31) * (1.0f - (y - horizon) / 130.0f);
        FillBox(c, x - 2, y - 2, x + len + 2, y + 2, [=](float px, float py) {
            return Sdf::Segment(px, py, x, y, x + len, y, 0.7f);
        }, kAmberLight.WithAlpha(a));
    }
    writer_.Save(c, "backgrounds/loadscreen.jpg");
}

void BackgroundPainter::PaintNetworkBackdrop()
{
    // The main screen: dark, quiet, and the seven sector boundaries of the policy ring.
    const float W = 1024, H = 768, cx = W / 2, cy = H / 2;
    Canvas c(1024, 768);
    c.Wash([&](float x, float y) {
        float r = std::hypot((x - cx) / W, (y - cy) / H);
        Colour base = Colour::Hex(0x1B2B49).Mix(Colour::Hex(0x080E1B), Smooth(0.05f, 0.75f, r));
        // A faint dot grid, like graph paper under the network.
        float gx = std::fmod(x, 24.0f) - 12.0f, gy = std::fmod(y, 24.0f) - 12.0f;
        float dot = std::max(0.0f, 1.0f - std::hypot(gx, gy) / 1.3f);
        return base.Mix(kMist, dot * 0.06f);
    });
    // Sector boundaries: halfway between the seven group angles (0 at the top, clockwise).
    for (int k = 0; k < 7; ++k) {
        float a = (25.714286f + float(k) * 51.428571f) * kPi / 180.0f;
        float dx = std::sin(a), dy = -std::cos(a);
        c.Fill([=](float x, float y) {
            return Sdf::Segment(x, y, cx + dx * 150, cy + dy * 150, cx + dx * 900, cy + dy * 900, 0.9f);
        }, [=](float x, float y) {
            float r = std::hypot(x - cx, y - cy);
            return kMist.WithAlpha(0.16f * Smooth(150, 230, r) * (1.0f - Smooth(380, 620, r)));
        });
    }
    // Guide rings: the label ring and the outer band where icons gather.
    for (float radius : {240.0f, 330.0f}) {
        c.Fill([=](float x, float y) { return Sdf::Ring(Sdf::Circle(x, y, cx, cy, radius), 0.7f); },
               kMist.WithAlpha(radius < 300 ? 0.10f : 0.06f));
    }
    // A soft warm pool of light behind the people in the middle.
    c.Wash([&](float x, float y) {
        float g = std::exp(-std::pow((x - cx) / 180.0f, 2) - std::pow((y - cy) / 130.0f, 2));
        return kAmber.WithAlpha(0.06f * g);
    });
    writer_.Save(c, "backgrounds/7lines.jpg");
}

void BackgroundPainter::PaintResignation()
{
    // An office at night; a door open onto a lit corridor and someone leaving with a briefcase.
    Canvas c(512, 384);
    c.Wash([](float, float y) {
        return y < 300 ? Colour::Hex(0x1B2A44).Mix(Colour::Hex(0x121D33), y / 300.0f)
                       : Colour::Hex(0x0C1424).Mix(Colour::Hex(0x070C17), (y - 300) / 84.0f);
    });
    // Light spilling from the door across the floor.
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {300, 300, 410, 300, 470, 384, 250, 384}); },
           [](float, float y) { return kAmber.WithAlpha(0.30f * (1.0f - (y - 300) / 120.0f)); });
    // The door frame and the bright corridor.
    Canvas door(512, 384);
    door.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 300, 110, 410, 300, 0.5f); },
              [](float, float y) { return kAmberLight.Mix(kAmber, (y - 110) / 190.0f); });
    c.Composite(door.Glow(16, kAmber.WithAlpha(0.6f)), 0, 0);
    c.Composite(door, 0, 0);
    c.Fill([](float x, float y) { return Sdf::Ring(Sdf::RoundRect(x, y, 296, 106, 414, 302, 0.5f), 4); },
           Colour::Hex(0x0A1120));
    // The open door leaf, seen edge-on.
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {410, 110, 448, 96, 448, 318, 410, 300}); },
           Colour::Hex(0x2A3B5C));
    // The figure in the doorway.
    const Colour figure = Colour::Hex(0x0B1220);
    c.Fill([](float x, float y) {
        float d = Sdf::Circle(x, y, 352, 176, 11);
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 337, 190, 367, 250, 9));
        d = Sdf::Union(d, Sdf::Segment(x, y, 344, 245, 340, 296, 5.5f));
        d = Sdf::Union(d, Sdf::Segment(x, y, 360, 245, 366, 296, 5.5f));
        d = Sdf::Union(d, Sdf::Segment(x, y, 366, 198, 374, 238, 4.5f));     // arm down to the case
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 366, 236, 392, 256, 2.5f));   // briefcase
        return d;
    }, figure);
    // The empty desk and chair.
    c.Fill([](float x, float y) {
        float d = Sdf::RoundRect(x, y, 40, 238, 230, 250, 2);                 // desk top
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 50, 248, 62, 320, 1));
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 206, 248, 218, 320, 1));
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 120, 180, 170, 232, 6));       // chair back
        d = Sdf::Union(d, Sdf::RoundRect(x, y, 112, 228, 178, 238, 3));
        return d;
    }, Colour::Hex(0x0A1120));
    // A desk lamp, switched off, and a sheet of paper: the letter.
    c.Fill([](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 200, 236, 190, 200, 1.8f), Sdf::Polygon(x, y, {176, 198, 206, 198, 198, 186, 184, 186}));
    }, Colour::Hex(0x0A1120));
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {78, 236, 112, 236, 116, 231, 82, 231}); }, kMist.WithAlpha(0.8f));
    writer_.Save(c, "events/event_resign.jpg");
}

void BackgroundPainter::PaintAll()
{
    PaintLoadScreen();
    PaintNetworkBackdrop();
    PaintResignation();
}
