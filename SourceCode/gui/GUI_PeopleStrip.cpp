#include "gui/GUI_PeopleStrip.h"

#include <algorithm>
#include <cmath>

#include "engine/FontManager.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/GUI_Meter.h"
#include "gui/GUI_NeuronDetails.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"

namespace {
constexpr float kTextureRight = 0.78125f;
}

GUI_PeopleStrip::GUI_PeopleStrip(SIM_VoterType* group) : GUI_IconBase(KIND_VOTER, group), mGroup(group)
{
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("tahoma12.dds")) {
        fonts.SelectFont("tahoma12.dds", 12.0f);
        mNameWidth = static_cast<float>(fonts.TextWidth(Caption()));
    }
}

float GUI_PeopleStrip::Share(unsigned members, int voters)
{
    if (voters <= 0)
        return 0.0f;
    return std::clamp(static_cast<float>(members) / static_cast<float>(voters), 0.0f, 1.0f);
}

void GUI_PeopleStrip::Draw()
{
    if (!Visible)
        return;
    float a = Highlighted ? 1.0f : GetIconNetwork().Brightness();
    if (!GetIconNetwork().ClickAllowed(*this))
        a = 0.1f;
    const uint32_t alpha = static_cast<uint32_t>(a * 255.0f) << 24;
    const float cx = CentreX(), cy = CentreY();
    mBack.SetSize(static_cast<float>(mWidth), static_cast<float>(mHeight));
    mBack.SetUV(0.0f, 0.0f, kTextureRight, 0.25f);
    mBack.SetPosition(cx, cy);
    mBack.SetColour(alpha | 0xFFFFFFu);
    mBack.Draw();
    const float share = Share(mGroup->MemberCount(), SIM_VoterManager::Get().PopulationSize());
    if (share > 0.0f) {
        const float width = share * mWidth;
        mBar.SetSize(width, static_cast<float>(mHeight));
        mBar.SetUV(0.0f, 0.25f, share * kTextureRight, 0.5f);
        mBar.SetPosition(mRect.left + width / 2, cy);
        mBar.SetColour(alpha | 0xFFFFFFu);
        mBar.Draw();
    }
    const float mood = std::clamp((mGroup->GetValue() + 1.0f) / 2.0f, 0.0f, 1.0f);
    GUI_Meter::DrawMeter(6.0f, mRect.left + 8.0f, mRect.bottom - 11.0f, mood, mWidth - 16.0f, a, Highlighted, false);
    DrawTrendArrow(a);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("tahoma12.dds")) {
        fonts.SelectFont("tahoma12.dds", 12.0f);
        fonts.DrawText(Caption(), static_cast<float>(mRect.left), mRect.top + 3.0f, alpha | 0xFFFFFFu,
                       static_cast<float>(mWidth), FontManager::kAlignCentre);
    }
}

void GUI_PeopleStrip::DrawTrendArrow(float a)
{
    if (a < 0.75f)
        return;
    const float d = mGroup->GetValue() - mGroup->History(1);
    if (std::fabs(d) < kTrendThreshold)
        return;
    const float cx = CentreX();
    mArrow.SetSize(8.0f, 8.0f);
    if (d < 0.0f) {
        mArrow.SetUV(0.0f, 1.0f, 1.0f, 0.0f);
        mArrow.SetColour(0xE0C00606u);
        mArrow.SetPosition(cx - (mNameWidth / 2 + 12.0f) + 4.0f, mRect.top + 9.0f + 4.0f);
    } else {
        mArrow.SetUV(0.0f, 0.0f, 1.0f, 1.0f);
        mArrow.SetColour(0xE006C006u);
        mArrow.SetPosition(cx + mNameWidth / 2 + 4.0f + 4.0f, mRect.top + 9.0f + 4.0f);
    }
    mArrow.Draw();
}

std::string GUI_PeopleStrip::TooltipText() const
{
    const int mood = static_cast<int>(std::lround((std::clamp(mGroup->GetValue(), -1.0f, 1.0f) + 1.0f) * 50.0f));
    return Caption() + ": " + std::to_string(mood) + "%";
}

void GUI_PeopleStrip::OpenDetails() { GUI_NeuronDetails::OpenAfterFade(mGroup); }
