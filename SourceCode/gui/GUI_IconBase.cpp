#include "gui/GUI_IconBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Diagnostics.h"
#include "engine/FontManager.h"
#include "gui/GUI_IconConnectors.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/WindowManager.h"
#include "sim/Neuron.h"

namespace {
std::vector<GUI_IconBase*>& IconList()
{
    // Never destroyed: the main screen is a singleton too, and its icons leave
    // this list in their destructors whatever the order of exit.
    static auto* icons = new std::vector<GUI_IconBase*>;
    return *icons;
}
constexpr float kCircleShare = 0.75f;
constexpr float kPictureShare = 0.5f;
}  // namespace

GUI_IconBase::GUI_IconBase(Kind kind, Neuron* neuron)
    : GUI_ButtonBase(neuron ? "Icon_" + neuron->GetName() : "Icon"), mKind(kind), mNeuron(neuron),
      mConnectors(std::make_unique<GUI_IconConnectors>(this))
{
    AssertCheck(neuron != nullptr, "GUI_IconBase", __LINE__);
    GUI_BaseElement::SetRect(0.0f, 0.0f, kSize, kSize);
    mTooltip = std::make_unique<GUI_Tooltip>();
    mTooltip->Delay = 60;
    mTooltip->FollowMouse = false;
    if (neuron)
        mTooltip->SetText(Caption());
    IconList().push_back(this);
    SetCallback([this](int) { OpenDetails(); });
}

GUI_IconBase::~GUI_IconBase()
{
    auto& icons = IconList();
    icons.erase(std::remove(icons.begin(), icons.end(), this), icons.end());
}

const std::vector<GUI_IconBase*>& GUI_IconBase::All() { return IconList(); }

GUI_IconBase* GUI_IconBase::Find(const Neuron* neuron)
{
    for (GUI_IconBase* icon : IconList())
        if (icon->mNeuron == neuron)
            return icon;
    return nullptr;
}

std::string GUI_IconBase::TooltipText() const
{
    char value[32];
    std::snprintf(value, sizeof value, ": %d%%", static_cast<int>(std::lround(mNeuron->GetValue() * 100.0f)));
    return Caption() + value;
}

std::string GUI_IconBase::Caption() const
{
    if (!mNeuron)
        return "";
    return mNeuron->GetDisplayName().empty() ? mNeuron->GetName() : mNeuron->GetDisplayName();
}

void GUI_IconBase::SetCentre(float x, float y)
{
    const float half = static_cast<float>(mWidth > 0 ? mWidth : static_cast<int>(kSize)) / 2.0f;
    GUI_BaseElement::SetRect(x - half, y - half, x + half, y + half);
    AssertCheck(mTooltip != nullptr, "GUI_IconBase", __LINE__);
    if (mTooltip)
        mTooltip->MoveTo(x - mTooltip->Width() / 2.0f, static_cast<float>(mRect.bottom) + 14.0f);
}

void GUI_IconBase::UpdateHover()
{
    CInput& input = GetInput();
    // Under a modal window the network is out of reach: no lines, no tooltip above the dialog.
    const bool reachable = !GetWindowManager().AnyModalOpen();
    if (Visible && reachable && !input.HoverClaimed && Contains(input.MouseX, input.MouseY)) {
        if (input.StillFrames > kHoverFrames) {
            if (mTooltip && mTooltip->Text() != TooltipText())
                mTooltip->SetText(TooltipText());
            Highlight();
            mConnectors->Highlight();
            if (mTooltip)
                mTooltip->Raise();
            HoverCount = kHoverFrames;
        } else {
            HoverCount = std::min(HoverCount + 1, kHoverFrames);
        }
        input.HoverClaimed = true;
        Hovered = 1;
        return;
    }
    Hovered = 0;
    HoverCount = std::max(HoverCount - 1, 0);
}

bool GUI_IconBase::OnClick(float x, float y)
{
    if (!Visible || !Enabled || !Contains(x, y) || !GetIconNetwork().ClickAllowed(*this))
        return false;
    Press();
    return true;
}

void GUI_IconBase::DrawTooltip()
{
    if (ShowTooltip && mTooltip && Visible)
        mTooltip->Draw();
}

void GUI_IconBase::Highlight()
{
    if (!GetIconNetwork().ClickAllowed(*this))
        return;
    Highlighted = true;
    Alpha = 1.0f;
    GetIconNetwork().NoteHighlight();
}

void GUI_IconBase::ResetHighlight()
{
    Highlighted = false;
    Alpha = GetIconNetwork().Brightness();
    mConnectors->Highlighted = false;
}

void GUI_IconBase::DrawCircle(uint32_t rgb, const std::string& picture)
{
    const float x = CentreX();
    const float y = CentreY();
    const uint32_t alpha = static_cast<uint32_t>(std::clamp(Alpha, 0.0f, 1.0f) * 255.0f) << 24;
    const float circle = mWidth * kCircleShare;
    mCircle.SetSize(circle, circle);
    mCircle.SetPosition(x, y);
    mCircle.SetColour(alpha | (rgb & 0xFFFFFFu));
    mCircle.Draw();
    if (!picture.empty()) {
        mPicture.SetTexture(picture);
        mPicture.SetSize(mWidth * kPictureShare, mWidth * kPictureShare);
        mPicture.SetPosition(x, y);
        mPicture.SetColour(alpha | 0xFFFFFFu);
        mPicture.Draw();
    }
    if (Highlighted || Hovered) {
        mRing.SetSize(static_cast<float>(mWidth), static_cast<float>(mWidth));
        mRing.SetPosition(x, y);
        mRing.SetColour(alpha | 0xFFFFFFu);
        mRing.Draw();
    }
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("tahoma12.dds")) {
        fonts.SelectFont("tahoma12.dds", 12.0f);
        // Centred under the icon, but kept on the screen near an edge.
        const std::string caption = Caption();
        const float width = static_cast<float>(fonts.TextWidth(caption));
        const float left = std::clamp(x - width / 2, 2.0f, std::max(2.0f, g_ScreenWidth - width - 2.0f));
        fonts.DrawShadowed(caption, left, static_cast<float>(mRect.bottom) - 4.0f, alpha | 0xFFFFFFu);
    }
}
