#include "AppIconPainter.h"

#include <vector>

#include "Palette.h"

using namespace Palette;

void AppIconPainter::PaintAll()
{
    constexpr int kScale = 4;
    const float s = static_cast<float>(kSize * kScale);
    Canvas c(kSize * kScale, kSize * kScale);
    // The tile: navy, lighter towards the top, with a slate rim.
    const float margin = s * 0.04f;
    const float radius = s * 0.18f;
    auto tile = [=](float x, float y) { return Sdf::RoundRect(x, y, margin, margin, s - margin, s - margin, radius); };
    Canvas shadow(kSize * kScale, kSize * kScale);
    shadow.Fill(tile, Colour{0, 0, 0, 1});
    c.Composite(shadow.Glow(s * 0.02f, Colour{0, 0, 0, 0.5f}), 0, static_cast<int>(s * 0.012f));
    c.Fill(tile, [=](float, float y) { return kNavyLight.Mix(kNight, y / s); });
    c.Fill([=](float x, float y) { return Sdf::Ring(tile(x, y) + s * 0.012f, s * 0.008f); }, kSlate);

    // The parliament: steps, four columns, the pediment, and a warm light behind.
    const float left = s * 0.22f, right = s * 0.78f;
    Canvas light(kSize * kScale, kSize * kScale);
    light.Fill([=](float x, float y) { return Sdf::Circle(x, y, s * 0.5f, s * 0.46f, s * 0.2f); }, kAmber);
    c.Composite(light.Glow(s * 0.08f, kAmber.WithAlpha(0.45f)), 0, 0);
    const std::vector<float> pediment{s * 0.5f, s * 0.2f, right + s * 0.03f, s * 0.36f, left - s * 0.03f, s * 0.36f};
    c.Fill([&](float x, float y) { return Sdf::Polygon(x, y, pediment); }, kPaper);
    c.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, left, s * 0.37f, right, s * 0.41f, s * 0.008f); },
           kPaper);
    for (int i = 0; i < 4; ++i) {
        const float cx = left + (right - left) * (0.1f + 0.8f * static_cast<float>(i) / 3.0f);
        c.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, cx - s * 0.035f, s * 0.42f, cx + s * 0.035f,
                                                             s * 0.68f, s * 0.01f); },
               kPaper);
    }
    for (int step = 0; step < 3; ++step) {
        const float inset = s * 0.02f * static_cast<float>(2 - step);
        const float top = s * 0.69f + s * 0.035f * static_cast<float>(step);
        c.Fill([=](float x, float y) { return Sdf::RoundRect(x, y, left - s * 0.04f + inset, top,
                                                             right + s * 0.04f - inset, top + s * 0.028f, s * 0.006f); },
               kMist);
    }
    // The amber tick of a chosen ballot in the pediment.
    c.Fill([=](float x, float y) {
        return Sdf::Union(Sdf::Segment(x, y, s * 0.46f, s * 0.3f, s * 0.49f, s * 0.33f, s * 0.012f),
                          Sdf::Segment(x, y, s * 0.49f, s * 0.33f, s * 0.55f, s * 0.26f, s * 0.012f));
    }, kAmber);
    writer_.Save(c.Reduced(kScale), kFile);
}
