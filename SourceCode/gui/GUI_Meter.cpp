#include "gui/GUI_Meter.h"

#include <algorithm>
#include <cstdint>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"

namespace {
constexpr float kSegment = 6.0f;
constexpr float kSegmentFill = 5.0f;

void Quad(float left, float top, float width, float height, uint32_t light, uint32_t dark)
{
    BaseSprite quad;
    quad.SetSize(width, height);
    quad.SetPosition(left + width / 2, top + height / 2);
    quad.Vertex(0).diffuse = light;
    quad.Vertex(1).diffuse = light;
    quad.Vertex(2).diffuse = dark;
    quad.Vertex(3).diffuse = dark;
    quad.Draw();
}
}  // namespace

void GUI_Meter::Colours(float c, unsigned& light, unsigned& dark)
{
    if (c < 0.33f) {
        light = 0xFD4545u;
        dark = 0x800000u;
    } else if (c < 0.66f) {
        light = 0xFDFD45u;
        dark = 0x808000u;
    } else {
        light = 0x8AFD45u;
        dark = 0x008000u;
    }
}

void GUI_Meter::DrawMeter(float height, float x, float y, float value, float width, float alpha, bool highlighted,
                          bool inverted)
{
    value = std::clamp(value, 0.0f, 1.0f);
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f) << 24;
    unsigned light = 0, dark = 0;
    Colours(inverted ? 1.0f - value : value, light, dark);
    D3DEngine& engine = GetD3DEngine();
    engine.SetTexture(static_cast<TextureRecord*>(nullptr));
    const float filled = value * width;
    const int whole = static_cast<int>(filled / kSegment);
    for (int i = 0; i < whole; ++i)
        Quad(x + kSegment * i, y, kSegmentFill, height, a | light, a | dark);
    const float rest = filled - whole * kSegment;
    if (rest > 0.0f)
        Quad(x + kSegment * whole, y, std::min(rest, kSegmentFill), height, a | light, a | dark);
    const GRect outline{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width),
                        static_cast<int>(y + height)};
    engine.DrawRect(outline, highlighted ? 0xFFD4D4D4u : (a | 0x9B9B9Bu));
}
