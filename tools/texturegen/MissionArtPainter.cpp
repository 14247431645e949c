#include "MissionArtPainter.h"

#include <algorithm>
#include <cmath>

#include "Palette.h"

using namespace Palette;

namespace {

constexpr float kPi = 3.14159265f;

// The island republic's emblem colours: deep harbour blue, sea teal, white surf, gold sun.
const Colour kHarbour = Colour::Hex(0x1F4E8C);
const Colour kSea = Colour::Hex(0x1C7C7A);
const Colour kSurf = Colour::Hex(0xF2F5FA);
const Colour kSun = Colour::Hex(0xE8B447);

// Distance to the Velmoran flag's design, in flag coordinates (0..w, 0..h):
// which band a point lies in, and the sun in the hoist.
Colour VelmoraAt(float x, float y, float w, float h)
{
    float wave = std::sin(x / w * 2 * kPi * 1.5f) * h * 0.035f;
    float mid = h * 0.52f + wave;
    Colour c = y < mid - h * 0.07f ? kHarbour : (y < mid + h * 0.07f ? kSurf : kSea);
    // A thin blue line inside the white band: the horizon.
    if (std::fabs(y - mid) < h * 0.012f) c = kHarbour;
    return c;
}

void PaintSun(Canvas& c, float cx, float cy, float r)
{
    c.Fill([=](float x, float y) { return Sdf::Circle(x, y, cx, cy, r); }, kSun);
    for (int i = 0; i < 12; ++i) {
        float a = float(i) * kPi / 6.0f;
        float x0 = cx + std::cos(a) * r * 1.3f, y0 = cy + std::sin(a) * r * 1.3f;
        float x1 = cx + std::cos(a) * r * 1.8f, y1 = cy + std::sin(a) * r * 1.8f;
        c.Fill([=](float x, float y) { return Sdf::Segment(x, y, x0, y0, x1, y1, r * 0.09f); }, kSun);
    }
}

}  // namespace

void MissionArtPainter::PaintVelmoraFlag()
{
    const float W = 1024, H = 768;
    Canvas c(1024, 1024);
    // The flag, gently waving: cloth folds as bands of light and shade.
    c.Wash([&](float x, float y) {
        float fy = std::min(y, H - 1);
        float fold = std::sin(x / W * 2 * kPi * 2.2f + fy / H * 1.4f);
        Colour base = VelmoraAt(x, fy, W, H);
        Colour shaded = fold > 0 ? base.Lighter(0.10f * fold) : base.Darker(-0.22f * fold);
        // Darker towards the edges, so panels drawn over it stay readable.
        float vignette = std::hypot((x - W / 2) / W, (fy - H / 2) / H);
        return shaded.Darker(std::clamp(vignette * 0.9f, 0.0f, 0.5f) + 0.15f);
    });
    Canvas sun(1024, 1024);
    PaintSun(sun, W * 0.18f, H * 0.24f, H * 0.075f);
    c.Composite(sun, 0, 0, 0.85f);
    writer_.Save(c, "missions/flag_velmora.jpg");
}

void MissionArtPainter::PaintVelmoraThumb()
{
    // A harbour at sunset: sky, sea, the island with its lighthouse, the flag's sun.
    const float H = 192, sea = 120;
    Canvas c(256, 192);
    c.Wash([&](float x, float y) {
        if (y < sea) {
            Colour sky = Colour::Hex(0x22365C).Mix(Colour::Hex(0xD98F4E), std::pow(y / sea, 1.6f));
            float glow = std::exp(-std::pow((x - 170) / 60.0f, 2) - std::pow((y - sea) / 35.0f, 2));
            return sky.Mix(kSun, glow * 0.5f);
        }
        float t = (y - sea) / (H - sea);
        Colour water = kSea.Mix(Colour::Hex(0x0E2A3A), t);
        float shimmer = std::exp(-std::pow((x - 170) / (14.0f + 30 * t), 2)) * (0.5f + 0.5f * std::sin(y * 1.7f));
        return water.Mix(kSun, shimmer * 0.45f * (1 - t));
    });
    c.Fill([](float x, float y) { return Sdf::Circle(x, y, 170, 112, 16); }, kSun.Lighter(0.2f));
    // The island and the harbour town.
    const Colour land = Colour::Hex(0x14213A);
    c.Fill([&](float x, float y) {
        float hill = sea - 34 * std::exp(-std::pow((x - 70) / 50.0f, 2)) - 14 * std::exp(-std::pow((x - 120) / 30.0f, 2));
        return std::max(hill - y, y - sea - 2);
    }, land);
    for (int i = 0; i < 14; ++i) {
        float x = 30 + float(i) * 7.5f, y = sea - 6 - float((i * 7) % 5) * 3;
        c.Fill([=](float px, float py) { return Sdf::RoundRect(px, py, x, y, x + 3, y + 3, 0.3f); }, kAmberLight.WithAlpha(0.9f));
    }
    // Lighthouse on the point.
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {200, 120, 212, 120, 209, 84, 203, 84}); }, kSurf);
    c.Fill([](float x, float y) { return Sdf::RoundRect(x, y, 201, 78, 211, 85, 1); }, kSun);
    c.Fill([](float x, float y) { return Sdf::Polygon(x, y, {190, 121, 222, 121, 216, 116, 196, 116}); }, land);
    // A sailing boat.
    c.Fill([](float x, float y) {
        return Sdf::Union(Sdf::Polygon(x, y, {96, 150, 132, 150, 126, 157, 102, 157}),
                          Sdf::Polygon(x, y, {113, 118, 113, 148, 132, 148}));
    }, Colour::Hex(0x0B1628));
    writer_.Save(c, "missions/velmora_thumb.jpg");
}

void MissionArtPainter::PaintAll()
{
    PaintVelmoraFlag();
    PaintVelmoraThumb();
}
