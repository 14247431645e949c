#include "gui/GUI_HistoryGraph.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"

void GUI_HistoryGraph::SetRange(float low, float high)
{
    mLow = low;
    mHigh = high > low ? high : low + 1.0f;
}

void GUI_HistoryGraph::SetSeries(std::vector<Series> series) { mSeries = std::move(series); }

void GUI_HistoryGraph::Draw()
{
    D3DEngine& engine = GetD3DEngine();
    engine.FillRect(mRect, 0xA0101820u);
    for (int i = 1; i < 4; ++i) {
        const float y = mRect.top + mHeight * i / 4.0f;
        engine.DrawLine(static_cast<float>(mRect.left), y, static_cast<float>(mRect.right), y, 0x40FFFFFFu);
    }
    engine.DrawRect(mRect, 0xFF9B9B9Bu);
    FontManager& fonts = GetFontManager();
    const bool text = fonts.FindFont("tahoma12.dds") != nullptr;
    if (text)
        fonts.SelectFont("tahoma12.dds", 12.0f);
    float labelY = mRect.top + 4.0f;
    for (const Series& series : mSeries) {
        const size_t n = series.oldestFirst.size();
        std::vector<GPoint> points;
        for (size_t i = 0; i < n; ++i) {
            const float x = n > 1 ? mRect.left + mWidth * static_cast<float>(i) / static_cast<float>(n - 1)
                                  : mRect.left + mWidth / 2.0f;
            const float share = std::clamp((series.oldestFirst[i] - mLow) / (mHigh - mLow), 0.0f, 1.0f);
            points.push_back(GPoint{x, mRect.bottom - share * mHeight});
        }
        if (points.size() > 1)
            engine.DrawThickPolyline(points.data(), static_cast<int>(points.size()), series.colour, 2.0f);
        if (text && !series.label.empty()) {
            fonts.DrawText(series.label, mRect.left + 6.0f, labelY, series.colour);
            labelY += 14.0f;
        }
    }
    if (text)
        fonts.Flush();
}
