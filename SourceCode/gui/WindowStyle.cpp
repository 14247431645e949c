#include "gui/WindowStyle.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gamedata/SIM_Mission.h"
#include "platform/NumberText.h"

namespace WindowStyle {

namespace {
bool Select(const char* font, float size)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(font))
        return false;
    fonts.SelectFont(font, size);
    return true;
}

int FontAlignment(Align align)
{
    switch (align) {
    case CENTRE:
        return FontManager::kAlignCentre;
    case RIGHT:
        return FontManager::kAlignRight;
    default:
        return FontManager::kAlignLeft;
    }
}
}  // namespace

std::string Fit(const std::string& text, float width)
{
    FontManager& fonts = GetFontManager();
    if (width <= 0.0f || fonts.TextWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && fonts.TextWidth(cut + "..") > width)
        cut.pop_back();
    return cut + "..";
}

void Text(const std::string& text, float x, float y, uint32_t colour, float width, Align align, const char* font,
          float size)
{
    // A text never runs into its neighbour: what does not fit is cut short.
    if (Select(font, size))
        GetFontManager().DrawText(Fit(text, width), x, y, colour, width, FontAlignment(align));
}

void Heading(const std::string& text, float x, float y, float width, Align align)
{
    Text(text, x, y, kHeading, width, align, kHeadingFont);
}

float Wrapped(const std::string& text, float x, float y, float width, uint32_t colour)
{
    if (!Select(kTextFont, kTextSize))
        return 0.0f;
    // The font manager answers with the y below the text.
    return GetFontManager().DrawWrapped(text, x, y, width, colour) - y;
}

float MeasureWrapped(const std::string& text, float width)
{
    if (!Select(kTextFont, kTextSize))
        return kRowHeight;
    return GetFontManager().MeasureWrapped(text, width);
}

void Row(const std::string& label, const std::string& value, float x, float y, float width, uint32_t valueColour)
{
    Text(label, x, y, kDim, width);
    Text(value, x, y, valueColour, width, RIGHT, kHeadingFont);
}

void Gauge(const GRect& rect, float fraction, uint32_t fill)
{
    D3DEngine& engine = GetD3DEngine();
    const float f = std::isfinite(fraction) ? std::clamp(fraction, 0.0f, 1.0f) : 0.0f;
    engine.FillRect(rect, kBarBack);
    engine.FillRect(GRect{rect.left, rect.top, rect.left + static_cast<int>(rect.Width() * f), rect.bottom}, fill);
    engine.DrawRect(rect, kBarEdge);
}

void Inset(const GRect& rect)
{
    D3DEngine& engine = GetD3DEngine();
    engine.FillRect(rect, kPanel);
    engine.DrawRect(rect, kPanelEdge);
}

void Separator(float x, float y, float width)
{
    GetD3DEngine().FillRect(GRect{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width),
                                  static_cast<int>(y) + 1},
                            kPanelEdge);
}

void Flush() { GetFontManager().Flush(); }

std::string Percent(float fraction)
{
    const float f = std::isfinite(fraction) ? fraction : 0.0f;
    return NumberText::FormatInt(std::lround(f * 100.0f)) + "%";
}

std::string Signed(float value)
{
    float v = std::isfinite(value) ? value : 0.0f;
    if (std::fabs(v) < 0.005f)
        v = 0.0f;  // no "-0.00"
    return (v >= 0.0f ? "+" : "") + NumberText::FormatFixed(v, 2);
}

std::string Money(float millions) { return SIM_Mission::Get().FormatMoney(millions); }

}  // namespace WindowStyle
