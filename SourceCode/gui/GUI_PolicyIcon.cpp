#include "gui/GUI_PolicyIcon.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "gui/GUIPolicyDetails.h"
#include "sim/SIM_Policy.h"

GUI_PolicyIcon::GUI_PolicyIcon(SIM_Policy* policy) : GUI_IconBase(KIND_POLICY, policy), mPolicy(policy)
{
    mCircle.SetTexture("blank_circicon.dds");
}

void GUI_PolicyIcon::Draw()
{
    if (!Visible)
        return;
    DrawCircle(0xFFFFFFu, mPolicy->Icon());
    // A policy still coming into force shows a short bar of its progress.
    const float done = std::clamp(mPolicy->Implementation(), 0.0f, 1.0f);
    if (done < 1.0f) {
        const int left = mRect.left + 10;
        const int width = mWidth - 20;
        const int top = mRect.top + 2;
        const uint32_t alpha = static_cast<uint32_t>(std::clamp(Alpha, 0.0f, 1.0f) * 200.0f) << 24;
        D3DEngine& engine = GetD3DEngine();
        engine.FillRect(GRect{left, top, left + width, top + 3}, alpha | 0x202020u);
        engine.FillRect(GRect{left, top, left + static_cast<int>(width * done), top + 3}, alpha | 0xFFD040u);
    }
}

void GUI_PolicyIcon::OpenDetails() { GUIPolicyDetails::OpenAfterFade(mPolicy); }
