#include "gui/ScreenBackdrop.h"

#include "engine/D3DEngine.h"
#include "engine/GRect.h"

void ScreenBackdrop::Draw()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    engine.GradientRect(GRect{0, 0, w, h}, 0xFF14304Au, 0xFF0A1522u);
    engine.FillRect(GRect{0, 0, w, kBandHeight}, 0xFF000000u);
    engine.FillRect(GRect{0, h - kBandHeight, w, h}, 0xFF000000u);
}
