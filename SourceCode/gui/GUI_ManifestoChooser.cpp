#include "gui/GUI_ManifestoChooser.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/GUI_CheckButton.h"
#include "gui/WindowStyle.h"

namespace {
constexpr float kWidth = 700.0f;
constexpr float kListTop = 96.0f;
constexpr float kPledgeHeight = 34.0f;
constexpr float kListHeight = GUI_ManifestoChooser::kRowsInView * kPledgeHeight + 4.0f;
constexpr float kKindLeft = 400.0f;  // from the list's left edge

const char* KindKey(int kind)
{
    switch (kind) {
    case SIM_Manifesto::KIND_LOWER:
        return "MANIFESTO_LOWER";
    case SIM_Manifesto::KIND_CANCEL:
        return "MANIFESTO_CANCEL";
    default:
        return "MANIFESTO_RAISE";
    }
}
}  // namespace

void GUI_ManifestoChooser::Open()
{
    Reopen<GUI_ManifestoChooser>();
}

GUI_ManifestoChooser::GUI_ManifestoChooser()
    : GUI_GameWindow(kName, "MANIFESTO_TITLE", kWidth, kListTop + kListHeight + 70.0f, true)
{
    const SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    for (const SIM_Manifesto::PledgeType& type : manifesto.PledgeTypes())
        if (manifesto.IsAvailable(type))
            mTypes.push_back(&type);
    mList = AddList("List", 20.0f, kListTop, kWidth - 40.0f, kListHeight,
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetRows(mTypes.size(), kPledgeHeight);
    mList->SetContentHeight(mList->ContentHeight() + 4);
    for (size_t i = 0; i < mTypes.size(); ++i) {
        auto* tick = new GUI_CheckButton("Pledge" + std::to_string(i), mTypes[i]->Name);
        tick->SetCallback([this](int index) { OnTick(static_cast<size_t>(index)); }, static_cast<int>(i));
        const int top = static_cast<int>(2.0f + i * kPledgeHeight);
        mList->AddContentButton(tick, GRect{4, top, 4 + 380, top + 32});
        mTicks.push_back(tick);
    }
    AddTextButton("ManifestoPublish", "MANIFESTO_PUBLISH", kWidth - 250.0f, mHeight - 46.0f, 220.0f, [this](int) {
        Publish();
        CloseSelf();
    });
}

void GUI_ManifestoChooser::OnTick(size_t index)
{
    const int ticked = static_cast<int>(
        std::count_if(mTicks.begin(), mTicks.end(), [](const GUI_CheckButton* t) { return t->Ticked; }));
    // One pledge too many is taken back at once.
    if (ticked > kMaxPledges && index < mTicks.size())
        mTicks[index]->Ticked = false;
}

int GUI_ManifestoChooser::Publish()
{
    int chosen = 0;
    for (size_t i = 0; i < mTicks.size(); ++i)
        if (mTicks[i]->Ticked && SIM_Manifesto::Get().ChoosePledge(*mTypes[i]))
            ++chosen;
    return chosen;
}

void GUI_ManifestoChooser::DrawContents()
{
    using namespace WindowStyle;
    const int ticked = static_cast<int>(
        std::count_if(mTicks.begin(), mTicks.end(), [](const GUI_CheckButton* t) { return t->Ticked; }));
    Row(translate("MANIFESTO_CHOSEN"), std::to_string(ticked) + " / " + std::to_string(kMaxPledges), Left(), Top(),
        InnerWidth(), kHeading);
    Text(translate("MANIFESTO_NOW"), mRect.left + 20.0f + kKindLeft + 110.0f, mRect.top + kListTop - 24.0f, kDim);
}

void GUI_ManifestoChooser::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    const float kindLeft = left + kKindLeft;
    for (size_t i = 0; i < mTypes.size(); ++i) {
        const SIM_Manifesto::PledgeType& type = *mTypes[i];
        const float y = top + 2.0f + i * kPledgeHeight;
        Text(translate(KindKey(type.Kind)), kindLeft, y + 7.0f, kDim);
        if (type.Kind != SIM_Manifesto::KIND_CANCEL)
            Gauge(GRect{static_cast<int>(kindLeft) + 110, static_cast<int>(y) + 12,
                        static_cast<int>(kindLeft) + 230, static_cast<int>(y) + 22},
                  SIM_Manifesto::Get().Progress(type));
    }
    if (mTypes.empty())
        Text(translate("MANIFESTO_NONE"), left + 10.0f, top + 10.0f, kDim);
}
