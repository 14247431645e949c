#include "gui/GUIPolicyDetails.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gui/GUISlider.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_HistoryGraph.h"
#include "gui/WindowManager.h"
#include "politics/CynicismTracker.h"
#include "politics/SIM_Minister.h"
#include "sim/NeuralEffect.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SliderDefinition.h"

namespace {
constexpr float kWidth = 760.0f;
constexpr float kHeight = 460.0f;
constexpr int kShownEffects = 6;
constexpr int kCurvePoints = 11;

std::string Money(float amount)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(amount));
    return text;
}
}  // namespace

void GUIPolicyDetails::OpenAfterFade(const SIM_Policy* policy)
{
    if (!policy)
        return;
    const std::string name = policy->GetName();
    GetScreenFader().FadeOutThen([name](int) {
        if (SIM_Policy* found = GetPolicyManager().FindPolicy(name))
            Open(found);
        GetScreenFader().Start(ScreenFader::kFromBlack);
    }, 0);
}

GUIPolicyDetails* GUIPolicyDetails::Current()
{
    return dynamic_cast<GUIPolicyDetails*>(const_cast<GUI_WindowBase*>(GetWindowManager().FindWindow(kName)));
}

GUIPolicyDetails* GUIPolicyDetails::Open(SIM_Policy* policy)
{
    if (GUIPolicyDetails* old = Current())
        GetWindowManager().Close(old);
    return new GUIPolicyDetails(policy);
}

GUIPolicyDetails::GUIPolicyDetails(SIM_Policy* policy) : GUI_Dialog(kName, true), mPolicy(policy)
{
    Title = policy->GetDisplayName().empty() ? policy->GetName() : policy->GetDisplayName();
    SetRect(0.0f, 0.0f, kWidth, kHeight);
    CentreOnScreen();
    SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.top), static_cast<float>(mRect.right),
            static_cast<float>(mRect.bottom));
    GetWindowManager().SetModal(this, true);
    mSlider = new GUISlider(policy);
    mSlider->Layout(mContent.left + 20.0f, mContent.top + 40.0f, 300.0f);
    AddButton(mSlider);
    auto* cancel = new GUI_ButtonText("PolicyCancel", "CANCEL");
    cancel->SetTooltip("TOOLTIP_CANCELPOLICY");
    cancel->SetRect(mRect.right - 160.0f, mRect.bottom - 44.0f, mRect.right - 30.0f, mRect.bottom - 20.0f);
    cancel->Enabled = policy->IsCancellable();
    cancel->SetCallback([this](int) {
        mCancelOnClose = true;
        GetWindowManager().Close(this);
    });
    AddButton(cancel);
}

GUIPolicyDetails::~GUIPolicyDetails()
{
    if (!mCancelOnClose)
        return;
    mPolicy->Cancel();
    CynicismTracker::Get().OnPolicyCancelled(mPolicy->GetName());
}

void GUIPolicyDetails::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont("arial16.dds") || !fonts.FindFont("arialbold16.dds"))
        return;
    const float x = mContent.left + 20.0f;
    float y = mContent.top + 8.0f;
    const SliderDefinition* slider = mPolicy->Slider();
    fonts.SelectFont("arialbold16.dds", 16.0f);
    std::string setting = "";
    if (slider)
        setting = slider->Label(slider->NearestStep(mSlider->Value()));
    fonts.DrawText(setting, x, y, 0xFFFFE08Au, 300.0f, FontManager::kAlignCentre);
    y = mContent.top + 80.0f;
    fonts.SelectFont("arial16.dds", 16.0f);
    const float level = mSlider->Value();
    fonts.DrawText(translate("GUI_POLICYDETAILS_COST") + " " + Money(mPolicy->CostAt(level)), x, y, 0xFFFFFFFFu);
    fonts.DrawText(translate("GUI_POLICYDETAILS_INCOME") + " " + Money(mPolicy->IncomeAt(level)), x + 170.0f, y,
                   0xFFFFFFFFu);
    y += 30.0f;
    char text[64];
    std::snprintf(text, sizeof text, "%s %d%%", translate("GUI_POLICYSUMMARY_EFFECTIVENESS").c_str(),
                  static_cast<int>(mPolicy->Implementation() * 100.0f + 0.5f));
    fonts.DrawText(mPolicy->Implementation() < 1.0f ? translate("GUI_POLICYSUMMARY_PARTIAL_IMPLEMENT") : text, x, y,
                   0xFFFFFFFFu);
    y += 24.0f;
    const SIM_PolicyGroup* group = mPolicy->Group();
    const auto* minister = group ? dynamic_cast<const SIM_Minister*>(group->Minister()) : nullptr;
    fonts.DrawText(minister ? translate("GUI_POLICYSUMMARY_MINISTER") + " " + minister->FullName()
                            : translate("GUI_POLICYSUMMARY_NOMINISTER"),
                   x, y, 0xFFFFFFFFu);
    y += 34.0f;
    fonts.DrawWrapped(mPolicy->Description(), x, y, 320.0f, 0xFFD0D0D0u);
    DrawEffects(mContent.left + 380.0f, mContent.top + 8.0f);
    fonts.Flush();
}

void GUIPolicyDetails::DrawEffects(float x, float y)
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont("arialbold16.dds", 16.0f);
    fonts.DrawText(translate("GUI_POLICYDETAILS_INFLUENCES"), x, y, 0xFFFFE08Au);
    y += 24.0f;
    int shown = 0;
    for (NeuralEffect* effect : mPolicy->Outgoing()) {
        if (shown++ == kShownEffects)
            break;
        const Neuron* target = effect->GetTarget();
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawText(target->GetDisplayName().empty() ? target->GetName() : target->GetDisplayName(), x, y,
                       0xFFFFFFFFu, 150.0f);
        // The response curve: what the effect gives at each setting from none to full.
        GUI_HistoryGraph::Series curve;
        for (int i = 0; i < kCurvePoints; ++i)
            curve.oldestFirst.push_back(effect->EvaluateAt(static_cast<float>(i) / (kCurvePoints - 1)));
        float extent = 0.05f;
        for (float point : curve.oldestFirst)
            extent = std::max(extent, std::fabs(point));
        curve.colour = effect->GetOutput() < 0.0f ? 0xFFFF6060u : 0xFF60FF60u;
        GUI_HistoryGraph graph;
        graph.SetRange(-extent, extent);
        graph.SetSeries({curve});
        graph.SetRect(x + 160.0f, y, x + 320.0f, y + 44.0f);
        graph.Draw();
        // Where the slider stands on the curve.
        const float marker = x + 160.0f + 160.0f * mSlider->Value();
        GetD3DEngine().DrawLine(marker, y, marker, y + 44.0f, 0xC0FFE08Au);
        y += 56.0f;
    }
    fonts.Flush();
}
