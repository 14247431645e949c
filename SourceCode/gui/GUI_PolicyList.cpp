#include "gui/GUI_PolicyList.h"

#include <algorithm>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_PolicyStrip.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"

namespace {
constexpr int kRowStep = 24;
constexpr int kRowHeight = 20;
constexpr int kArrowWidth = 22;
}  // namespace

GUI_PolicyList::GUI_PolicyList() : GUI_WindowBase("PolicyList") {}

int GUI_PolicyList::MaxOffset(int policies, int rowsThatFit) { return std::max(0, policies - std::max(rowsThatFit, 1)); }

int GUI_PolicyList::RowsThatFit() const
{
    int rows = 0;
    for (int y = mRect.top + 4; y + kRowHeight <= mRect.bottom - 10; y += kRowStep)
        ++rows;
    return rows;
}

void GUI_PolicyList::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    Rebuild();
}

void GUI_PolicyList::SetCategory(int category)
{
    mCategory = category;
    mOffset = 0;
    mPolicies.clear();
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        if (!policy->IsActive() && policy->Group() && policy->Group()->Index() == category)
            mPolicies.push_back(policy);
    Rebuild();
}

void GUI_PolicyList::Scroll(int rows)
{
    const int offset = std::clamp(mOffset + rows, 0, MaxOffset(Available(), RowsThatFit()));
    if (offset == mOffset)
        return;
    mOffset = offset;
    Rebuild();
}

void GUI_PolicyList::Rebuild()
{
    DeleteButtons();
    const int fit = RowsThatFit();
    int y = mRect.top + 4;
    for (int i = mOffset; i < Available() && i < mOffset + fit; ++i, y += kRowStep) {
        auto* row = new GUI_PolicyStrip(mPolicies[i]);
        row->SetRect(mRect.left + 4.0f, static_cast<float>(y), mRect.right - 30.0f, static_cast<float>(y + kRowHeight));
        SIM_Policy* policy = mPolicies[i];
        row->SetCallback([this, policy](int) {
            if (OnSelect)
                OnSelect(policy);
        });
        AddButton(row);
    }
    if (MaxOffset(Available(), fit) == 0)
        return;
    auto* up = new GUI_ButtonText("PolicyListUp", "GUI_SCROLL_UP");
    up->SetRect(mRect.right - kArrowWidth - 2.0f, mRect.top + 4.0f, mRect.right - 2.0f, mRect.top + 28.0f);
    up->SetCallback([this](int) { Scroll(-1); });
    AddButton(up);
    auto* down = new GUI_ButtonText("PolicyListDown", "GUI_SCROLL_DOWN");
    down->SetRect(mRect.right - kArrowWidth - 2.0f, mRect.bottom - 38.0f, mRect.right - 2.0f, mRect.bottom - 14.0f);
    down->SetCallback([this](int) { Scroll(1); });
    AddButton(down);
}

void GUI_PolicyList::Update()
{
    CInput& input = GetInput();
    if (input.DeltaWheel != 0 && Contains(input.MouseX, input.MouseY))
        Scroll(input.DeltaWheel > 0 ? -1 : 1);
    GUI_WindowBase::Update();
}

void GUI_PolicyList::Draw()
{
    if (!Visible)
        return;
    GetD3DEngine().DrawRect(mRect, 0x80E0E0E0u);
    DrawButtons();
}
