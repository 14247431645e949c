#include "PortraitPainter.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "Palette.h"

using namespace Palette;

namespace {

const uint32_t kSkins[] = {0xF1D3BC, 0xE2B497, 0xC98E6A, 0xA86E4C, 0x7E5036, 0x5A3826};
const uint32_t kHair[] = {0x1E1A18, 0x4A3224, 0x7A5232, 0xC9A46A, 0x9A9A9E, 0xE3E1DC, 0x8C3E22};
const uint32_t kSuits[] = {0x1F2E4C, 0x2B2F36, 0x4A5260, 0x5A3A2E, 0x5E2334, 0x2F4A3E};
const uint32_t kAccents[] = {0xE3A23B, 0xC4483A, 0x3C7CB8, 0x3E9E6A, 0x8366B0, 0xD8DEE8};

float Ellipse(float x, float y, float cx, float cy, float rx, float ry)
{
    return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1.0f) * std::min(rx, ry);
}

}  // namespace

Canvas PortraitPainter::Paint(const Look& look) const
{
    Canvas c(128, 128);
    const Colour skin = Colour::Hex(kSkins[look.skin]);
    const Colour hair = Colour::Hex(kHair[look.hair]);
    const Colour suit = Colour::Hex(kSuits[look.suit]);
    const Colour accent = Colour::Hex(kAccents[look.accent]);

    // Backdrop: the civic navy with a soft light behind the head.
    c.Wash([](float x, float y) {
        Colour base = kNavyLight.Mix(kNight, y / 128.0f);
        float g = std::exp(-std::pow((x - 64) / 48.0f, 2) - std::pow((y - 52) / 40.0f, 2));
        return base.Mix(kSlateLight, 0.35f * g);
    });

    const float headY = 54, headRx = 18.5f, headRy = 23;
    // Long hair falls behind the shoulders, so it comes first.
    if (look.female && (look.hairStyle == 1 || look.hairStyle == 3)) {
        float bottom = look.hairStyle == 1 ? 104.0f : 84.0f;
        c.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, 41, 36, 87, bottom, 16); }, hair.Darker(0.1f));
    }
    // Shoulders and jacket.
    c.Fill([](float x, float y) { return Ellipse(x, y, 64, 132, 58, 44); },
           [&](float x, float) { return suit.Lighter(0.10f * (1.0f - std::fabs(x - 64) / 60.0f)); });
    // Neck.
    c.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, 56, headY + 10, 72, 98, 6); }, skin.Darker(0.18f));
    if (look.female) {
        // Open neckline with a blouse and a simple necklace.
        c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {46, 92, 82, 92, 64, 120}); }, accent.Mix(kPaper, 0.35f));
        c.Fill([=](float x, float y) { return Sdf::Polygon(x, y, {52, 90, 76, 90, 64, 108}); }, skin.Darker(0.12f));
        for (int i = 0; i < 7; ++i) {
            float a = 0.35f + float(i) * 0.4f;
            float px = 64 + std::cos(a) * 11, py = 92 + std::sin(a) * 9;
            c.Fill([=](float x, float y) { return Sdf::Circle(x, y, px, py, 1.3f); }, Colour::Hex(0xF4E7C8));
        }
    } else {
        // Shirt, tie and lapels.
        c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {50, 92, 78, 92, 64, 124}); }, kPaper);
        c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {61, 96, 67, 96, 69, 122, 64, 127, 59, 122}); }, accent);
        c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {60, 92, 68, 92, 66, 98, 62, 98}); }, accent.Darker(0.2f));
        c.Fill([&](float x, float y) {
            return Sdf::Union(Sdf::Polygon(x, y, {42, 94, 50, 92, 64, 128, 52, 128}),
                              Sdf::Polygon(x, y, {86, 94, 78, 92, 64, 128, 76, 128}));
        }, suit.Darker(0.25f));
    }
    // Ears and head.
    c.Fill([=](float x, float y) {
        return Sdf::Union(Ellipse(x, y, 64 - headRx, headY + 3, 4, 6), Ellipse(x, y, 64 + headRx, headY + 3, 4, 6));
    }, skin.Darker(0.08f));
    c.Fill([=](float x, float y) { return Ellipse(x, y, 64, headY, headRx, headRy); },
           [=](float x, float) { return skin.Darker(0.10f * std::max(0.0f, (x - 64) / headRx)); });
    // Hair on top of the head.
    auto cap = [=](float x, float y, float drop) {
        return Sdf::Intersect(Ellipse(x, y, 64, headY - 2, headRx + 2.5f, headRy + 2), y - (headY - drop));
    };
    switch (look.female ? 10 + look.hairStyle : look.hairStyle) {
    case 0:  // short, side parting
        c.Fill([=](float x, float y) { return Sdf::Union(cap(x, y, 10), Ellipse(x, y, 52, headY - 15, 10, 6)); }, hair);
        break;
    case 1:  // receding, short at the sides
        c.Fill([=](float x, float y) {
            return Sdf::Subtract(cap(x, y, 2), Ellipse(x, y, 64, headY - 18, 12, 10));
        }, hair);
        break;
    case 2:  // full and swept back
        c.Fill([=](float x, float y) { return Sdf::Union(cap(x, y, 12), Ellipse(x, y, 64, headY - 22, 17, 8)); }, hair);
        break;
    case 3:  // cropped close
        c.Fill([=](float x, float y) { return cap(x, y, 14); }, hair.WithAlpha(0.85f));
        break;
    case 10:  // bob with a fringe
        c.Fill([=](float x, float y) {
            float sides = Sdf::Subtract(Sdf::RoundRect(x, y, 42, 32, 86, 76, 12), Ellipse(x, y, 64, headY + 8, 15, 20));
            return Sdf::Union(cap(x, y, 8), sides);
        }, hair);
        break;
    case 11:  // long, parted
    case 13:  // shoulder length
        c.Fill([=](float x, float y) {
            return Sdf::Union(cap(x, y, 6), Sdf::Subtract(Sdf::RoundRect(x, y, 43, 34, 85, 70, 14),
                                                          Ellipse(x, y, 64, headY + 8, 15, 21)));
        }, hair);
        break;
    case 12:  // up in a bun
        c.Fill([=](float x, float y) { return Sdf::Union(cap(x, y, 8), Sdf::Circle(x, y, 64, headY - 28, 9)); }, hair);
        break;
    }
    // A calm face: eyes, brows and a small smile.
    const Colour ink = Colour::Hex(0x1A1412);
    c.Fill([=](float x, float y) {
        return Sdf::Union(Ellipse(x, y, 57, headY + 2, 1.8f, 2.1f), Ellipse(x, y, 71, headY + 2, 1.8f, 2.1f));
    }, ink);
    c.Fill([=](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, 53, headY - 4, 60, headY - 5, 0.9f),
                          Sdf::Segment(x, y, 68, headY - 5, 75, headY - 4, 0.9f));
    }, hair.Darker(0.3f));
    c.Fill([=](float x, float y) {
        float d = Sdf::Ring(Sdf::Circle(x, y, 64, headY + 6, 7), 0.8f);
        return Sdf::Intersect(d, (headY + 11.5f) - y);
    }, skin.Darker(0.45f));
    if (look.glasses) {
        c.Fill([=](float x, float y) {
            float l = Sdf::Ring(Sdf::RoundRect(x, y, 51, headY - 2, 62, headY + 6, 3), 0.8f);
            float r = Sdf::Ring(Sdf::RoundRect(x, y, 66, headY - 2, 77, headY + 6, 3), 0.8f);
            return Sdf::Union(Sdf::Union(l, r), Sdf::Segment(x, y, 62, headY, 66, headY, 0.7f));
        }, ink.WithAlpha(0.9f));
    }
    return c;
}

Canvas PortraitPainter::Silhouette() const
{
    Canvas c(128, 128);
    c.Wash([](float, float y) { return kNavyLight.Mix(kNight, y / 128.0f); });
    c.Fill([](float x, float y) {
        return Sdf::Union(Ellipse(x, y, 64, 54, 19, 23), Sdf::Union(Ellipse(x, y, 64, 132, 58, 44),
                                                                   Sdf::RoundRect(x, y, 56, 64, 72, 98, 6)));
    }, kSlate);
    return c;
}

void PortraitPainter::PaintAll()
{
    writer_.Save(Silhouette(), "ministers/minister1.bmp");
    // Fixed looks rather than random ones: the cabinet should show a varied,
    // balanced set every time the art is regenerated.
    for (int i = 0; i < kPerGender; ++i) {
        for (bool female : {false, true}) {
            Look look;
            look.female = female;
            look.skin = (i * 7 + (female ? 3 : 0)) % 6;
            look.hair = (i * 3 + (female ? 1 : 0)) % 7;
            look.hairStyle = (i + (female ? 1 : 0)) % 4;
            look.suit = (i * 5 + (female ? 2 : 0)) % 6;
            look.accent = (i * 2 + (female ? 1 : 3)) % 6;
            look.glasses = (i % 3) == (female ? 2 : 1);
            char name[64];
            std::snprintf(name, sizeof name, "ministers/%s/%s%02d.bmp", female ? "female" : "male",
                          female ? "female" : "male", i + 1);
            writer_.Save(Paint(look), name);
        }
    }
}
