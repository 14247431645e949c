#include "gui/GUI_HistoryGraph.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"

namespace {
constexpr uint32_t kBackground = 0xFF141A22u;
constexpr uint32_t kGrid = 0xFF2C3844u;
constexpr uint32_t kBorder = 0xFF808080u;
constexpr uint32_t kScaleText = 0xFF8A9AAAu;
constexpr int kKeyHeight = 18;
constexpr const char* kKeyFont = "arial16.dds";
}  // namespace

void GUI_HistoryGraph::SetRange(float low, float high)
{
    // An empty range would divide by zero; widen it around the value.
    if (!(high > low)) {
        high = low + 1.0f;
    }
    mLow = low;
    mHigh = high;
}

void GUI_HistoryGraph::SetSeries(std::vector<Series> series) { mSeries = std::move(series); }

void GUI_HistoryGraph::SetScaleLabels(std::string top, std::string bottom)
{
    mTopLabel = std::move(top);
    mBottomLabel = std::move(bottom);
}

void GUI_HistoryGraph::Draw()
{
    D3DEngine& engine = GetD3DEngine();
    // The key takes a strip at the bottom when any series has a label.
    const bool withKey = std::any_of(mSeries.begin(), mSeries.end(), [](const Series& s) { return !s.label.empty(); });
    const GRect plot{mRect.left, mRect.top, mRect.right, mRect.bottom - (withKey ? kKeyHeight + 4 : 0)};
    engine.FillRect(plot, kBackground);
    for (int i = 1; i < 4; ++i) {
        const float y = plot.top + plot.Height() * i / 4.0f;
        engine.DrawLine(static_cast<float>(plot.left), y, static_cast<float>(plot.right), y, kGrid);
    }
    engine.DrawRect(plot, kBorder);

    const float span = mHigh - mLow;
    for (const Series& series : mSeries) {
        const size_t n = series.oldestFirst.size();
        if (n < 2)
            continue;
        std::vector<GPoint> points;
        points.reserve(n);
        for (size_t i = 0; i < n; ++i) {
            // A value that is no number sits on the floor rather than off the graph.
            const float raw = series.oldestFirst[i];
            const float v = std::isnan(raw) ? mLow : std::clamp(raw, mLow, mHigh);
            const float x = plot.left + 2.0f + (plot.Width() - 4.0f) * static_cast<float>(i) / static_cast<float>(n - 1);
            const float y = plot.bottom - 2.0f - (plot.Height() - 4.0f) * (v - mLow) / span;
            points.push_back(GPoint{x, y});
        }
        engine.DrawThickPolyline(points.data(), static_cast<int>(points.size()), series.colour, 2.0f);
    }

    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(kKeyFont))
        return;
    fonts.SelectFont(kKeyFont, 14.0f);
    // On a patch of the background, so that a line along an edge never strikes the text through.
    const auto scaleLabel = [&](const std::string& text, float y) {
        if (text.empty())
            return;
        const int width = static_cast<int>(fonts.TextWidth(text)) + 6;
        engine.FillRect(GRect{plot.left + 2, static_cast<int>(y) + 2, plot.left + 2 + width, static_cast<int>(y) + 17},
                        kBackground);
        fonts.DrawText(text, plot.left + 4.0f, y, kScaleText);
    };
    scaleLabel(mTopLabel, plot.top + 1.0f);
    scaleLabel(mBottomLabel, plot.bottom - 19.0f);
    if (!withKey) {
        fonts.Flush();
        return;
    }
    float x = static_cast<float>(mRect.left);
    const int keyTop = mRect.bottom - kKeyHeight;
    for (const Series& series : mSeries) {
        if (series.label.empty())
            continue;
        engine.FillRect(GRect{static_cast<int>(x), keyTop + 4, static_cast<int>(x) + 12, keyTop + 14}, series.colour);
        fonts.DrawText(series.label, x + 16.0f, keyTop - 1.0f, 0xFFE0E0E0u);
        x += 16.0f + fonts.TextWidth(series.label) + 18.0f;
    }
    fonts.Flush();
}
