#include "gui/GUI_PolicyStrip.h"

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "sim/SIM_Policy.h"

GUI_PolicyStrip::GUI_PolicyStrip(SIM_Policy* policy) : GUI_ButtonBase("PolicyRow_" + policy->GetName()), mPolicy(policy)
{
}

void GUI_PolicyStrip::Draw()
{
    if (!Visible)
        return;
    D3DEngine& engine = GetD3DEngine();
    if (Hovered)
        engine.FillRect(mRect, 0xE00C0C40u);
    engine.DrawRect(mRect, 0xE0E0E0E0u);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold16.dds")) {
        fonts.SelectFont("arialbold16.dds", 16.0f);
        const std::string& caption = mPolicy->GetDisplayName().empty() ? mPolicy->GetName() : mPolicy->GetDisplayName();
        fonts.DrawText(caption, mRect.left + 10.0f, mRect.top + 1.0f, 0xFFFFFFFFu);
    }
}
