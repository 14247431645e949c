#include "gui/GUI_PolicyPicker.h"

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_MainScreen.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/GUI_PolicyInfo.h"
#include "gui/GUI_PolicyList.h"
#include "gui/PanelFrame.h"
#include "gui/WindowManager.h"
#include "politics/CynicismTracker.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"

namespace {
constexpr const char* kCategoryKeys[GUI_PolicyPicker::kCategories] = {
    "CAT_FOREIGNPOLICY", "CAT_WELFARE", "CAT_ECONOMY", "CAT_TAX", "CAT_PUBLICSERVICES", "CAT_LAWANDORDER",
    "CAT_TRANSPORT",
};
constexpr int kFirstCategory = 2;
constexpr uint32_t kHighlightMs = 3000;
}  // namespace

GUI_PolicyPicker* GUI_PolicyPicker::Current()
{
    for (GUI_WindowBase* window : GetWindowManager().FullScreenList())
        if (auto* picker = dynamic_cast<GUI_PolicyPicker*>(window))
            return picker;
    return nullptr;
}

void GUI_PolicyPicker::OpenPolicyPicker()
{
    WindowManager& windows = GetWindowManager();
    if (Options::Get().IsOn("ENABLERESTRICTPOWER") && GetPoliticalCapital().Available() == 0) {
        if (const GUI_WindowBase* old = windows.FindWindow("RestrictPowersBlocked"))
            windows.Close(const_cast<GUI_WindowBase*>(old));
        new GUI_MessageDialog("RestrictPowersBlocked", translate("GUI_RESTRICT_POWERS_BLOCKED"),
                              translate("GUI_RESTRICT_POWERS_BLOCKED_TEXT"));
        return;
    }
    if (Current())
        return;
    auto* picker = new GUI_PolicyPicker();
    windows.AddFullScreen(picker);
    picker->SetRect(0.0f, 0.0f, static_cast<float>(picker->Rect().right), static_cast<float>(picker->Rect().bottom));
    picker->SelectCategory(kFirstCategory);
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

GUI_PolicyPicker::GUI_PolicyPicker() : GUI_WindowBase(kName)
{
    auto* close = new GUI_CloseButton("PolicyPickerClose");
    AddButton(close);
    for (int i = 0; i < kCategories; ++i) {
        auto* tab = new GUI_ButtonText("PolicyCategory" + std::to_string(i), kCategoryKeys[i]);
        tab->SetCallback([this](int category) { SelectCategory(category); }, i);
        AddButton(tab);
    }
    mList = new GUI_PolicyList();
    mList->OnSelect = [this](SIM_Policy* policy) { mInfo->Show(policy); };
    AddChild(mList);
    mInfo = new GUI_PolicyInfo();
    mInfo->OnImplement = [this](SIM_Policy* policy) { Implement(policy); };
    AddChild(mInfo);
}

void GUI_PolicyPicker::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    mButtons[0]->SetRect(right - 39.0f, top + 15.0f, right - 15.0f, top + 39.0f);
    const int tabWidth = (mWidth - 20) / kCategories;
    for (int i = 0; i < kCategories; ++i) {
        const float x = left + 10.0f + static_cast<float>(i * tabWidth);
        mButtons[1 + i]->SetRect(x + 1.0f, top + 45.0f, x + tabWidth - 1.0f, top + 70.0f);
    }
    mList->SetRect(left + 10.0f, top + 76.0f, left + 400.0f, bottom - 10.0f);
    mInfo->SetRect(mList->Rect().right + 10.0f, static_cast<float>(mList->Rect().top), right - 10.0f, bottom - 10.0f);
}

void GUI_PolicyPicker::SelectCategory(int category) { mList->SetCategory(category); }

void GUI_PolicyPicker::DrawSelectedTab()
{
    const GRect& tab = mButtons[1 + mList->Category()]->Rect();
    GetD3DEngine().DrawRect(GRect{tab.left - 1, tab.top - 1, tab.right + 1, tab.bottom + 1}, 0xFFFFE08Au);
}

void GUI_PolicyPicker::Implement(SIM_Policy* policy)
{
    policy->Introduce();
    mLastIntroduced = policy;
    CynicismTracker::Get().OnPolicyIntroduced(policy->GetName());
    GetMainScreen().AddHighlighter(policy->GetName(), kHighlightMs);
    GetWindowManager().Close(this);
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void GUI_PolicyPicker::Draw()
{
    if (!Visible)
        return;
    if (!SIM_Mission::Get().Flag().empty())
        DrawTextureInRect(SIM_Mission::Get().Flag(), 1.0f, 0.35f);
    PanelFrame::DrawFrame("dialog_rounded.dds", mRect.left, mRect.top, mRect.right, mRect.bottom, 32, 1.0f);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold20.dds")) {
        fonts.SelectFont("arialbold20.dds", 20.0f);
        fonts.DrawText(translate("NEW_POLICIES"), static_cast<float>(mRect.left), mRect.top + 17.0f, 0xFFFFFFFFu,
                       static_cast<float>(mWidth), FontManager::kAlignCentre);
    }
    DrawButtons();
    DrawSelectedTab();
    GetD3DEngine().DrawRect(mInfo->Rect(), 0x80E0E0E0u);
    DrawChildren();
    fonts.Flush();
}
