#include "gui/GUI_PolicyInfo.h"

#include <cstdio>

#include "engine/Diagnostics.h"
#include "engine/FontManager.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"

GUI_PolicyInfo::GUI_PolicyInfo() : GUI_WindowBase("PolicyInfo")
{
    mImplement = new GUI_ButtonText("PolicyImplement", "POLICY_IMPLEMENT");
    mImplement->Visible = false;
    AddButton(mImplement);
}

void GUI_PolicyInfo::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    mImplement->SetRect(mRect.left + 94.0f, mRect.bottom - 44.0f, mRect.right - 94.0f, mRect.bottom - 24.0f);
}

void GUI_PolicyInfo::Show(SIM_Policy* policy)
{
    AssertCheck(policy != nullptr, "GUI_PolicyPicker", __LINE__);
    if (!policy)
        return;
    mPolicy = policy;
    char text[64];
    std::snprintf(text, sizeof text, "%d %s", policy->ImplementationTurns(), translate("GUI_POLICYINFO_TURNS").c_str());
    mTime = text;
    const int available = GetPoliticalCapital().Available();
    std::snprintf(text, sizeof text, "%d / %d", policy->IntroductionCost(), available);
    mCost = text;
    const bool affordable = available >= policy->IntroductionCost();
    // The caption is fixed at construction; rebuild the button with the right one.
    const GRect r = mImplement->Rect();
    auto* replacement = new GUI_ButtonText("PolicyImplement", affordable ? "POLICY_IMPLEMENT" : "POLICY_IMPLEMENT_NOPOWER");
    replacement->SetRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
                         static_cast<float>(r.bottom));
    replacement->Enabled = affordable;
    replacement->SetCallback([this](int) {
        if (OnImplement && mPolicy)
            OnImplement(mPolicy);
    });
    for (auto& button : mButtons)
        if (button.get() == mImplement) {
            replacement->ParentWindow = this;
            button.reset(replacement);
        }
    mImplement = replacement;
}

void GUI_PolicyInfo::Draw()
{
    if (!Visible || !mPolicy)
        return;
    DrawButtons();
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont("arialbold20.dds") || !fonts.FindFont("arialbold16.dds"))
        return;
    const float left = static_cast<float>(mRect.left);
    const float top = static_cast<float>(mRect.top);
    fonts.SelectFont("arialbold20.dds", 20.0f);
    const std::string& name = mPolicy->GetDisplayName().empty() ? mPolicy->GetName() : mPolicy->GetDisplayName();
    fonts.DrawText(name, left, top + 11.0f, 0xFFFFFFFFu, static_cast<float>(mWidth), FontManager::kAlignCentre);
    fonts.SelectFont("arialbold16.dds", 16.0f);
    fonts.DrawWrapped(mPolicy->Description(), left + 20.0f, top + 55.0f, mWidth - 40.0f, 0xFFFFFFFFu);
    fonts.SelectFont("arialbold20.dds", 20.0f);
    const float valueX = std::min(left + 360.0f, mRect.right - 120.0f);
    fonts.DrawText(translate("GUI_POLICYINFO_IMPLEMENTATION"), left + 20.0f, top + 250.0f, 0xFFFFFFFFu);
    fonts.DrawText(mTime, valueX, top + 250.0f, 0xFFFFFFFFu);
    fonts.DrawText(translate("GUI_POLICYINFO_POINTS"), left + 20.0f, top + 280.0f, 0xFFFFFFFFu);
    fonts.DrawText(mCost, valueX, top + 280.0f, 0xFFFFFFFFu);
    fonts.Flush();
}
