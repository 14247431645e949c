#pragma once
#include <cstdint>
#include <string>

#include "engine/GRect.h"

// The one look of the game's windows: their fonts, colours and the few
// pieces every window draws (headings, label and value rows, gauges), so
// that the finance window and the cabinet window read as one game.
namespace WindowStyle {

constexpr const char* kHeadingFont = "arialbold16.dds";
constexpr const char* kTextFont = "arial16.dds";
constexpr const char* kBigFont = "arialbold20.dds";
constexpr float kTextSize = 16.0f;
constexpr float kBigSize = 20.0f;
constexpr float kRowHeight = 22.0f;

constexpr uint32_t kText = 0xFFFFFFFFu;
constexpr uint32_t kDim = 0xFF9FB7CFu;
constexpr uint32_t kHeading = 0xFFFFE08Au;
constexpr uint32_t kGood = 0xFF6FD06Fu;
constexpr uint32_t kBad = 0xFFE06A5Au;
constexpr uint32_t kBarBack = 0xFF202830u;
constexpr uint32_t kBarFill = 0xFF3A8FD0u;
constexpr uint32_t kBarEdge = 0xFF808080u;
constexpr uint32_t kPanel = 0xFF181818u;
constexpr uint32_t kPanelEdge = 0xFF505A66u;

enum Align { LEFT = 0, CENTRE = 1, RIGHT = 2 };

// Text in one of the three window fonts, cut short with ".." when wider than
// a width given; nothing before the fonts are loaded.
void Text(const std::string& text, float x, float y, uint32_t colour = kText, float width = 0.0f,
          Align align = LEFT, const char* font = kTextFont, float size = kTextSize);
// The text as it fits a width in the selected font.
std::string Fit(const std::string& text, float width);
void Heading(const std::string& text, float x, float y, float width = 0.0f, Align align = LEFT);
// Wrapped text; returns its height.
float Wrapped(const std::string& text, float x, float y, float width, uint32_t colour = kText);
float MeasureWrapped(const std::string& text, float width);
// A label on the left and its value right-aligned within the width.
void Row(const std::string& label, const std::string& value, float x, float y, float width,
         uint32_t valueColour = kText);
// A horizontal gauge filled to a fraction (clamped to 0..1).
void Gauge(const GRect& rect, float fraction, uint32_t fill = kBarFill);
// A dark inset panel for lists and groups of rows.
void Inset(const GRect& rect);
// A thin line between two rows of a list.
void Separator(float x, float y, float width);
void Flush();

// "45%" of a fraction, rounded.
std::string Percent(float fraction);
// "+0.12" / "-0.30": a signed two-place number.
std::string Signed(float value);
// Money in the mission's currency and format.
std::string Money(float millions);

}  // namespace WindowStyle
