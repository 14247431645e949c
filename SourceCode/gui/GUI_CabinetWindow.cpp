#include "gui/GUI_CabinetWindow.h"

#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_MinisterChooser.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Minister.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_PolicyManager.h"

namespace {
constexpr float kWidth = 860.0f;
constexpr float kRowsTop = 96.0f;
constexpr float kPostHeight = 56.0f;
constexpr float kPortrait = 44.0f;

SIM_Minister* MinisterOfPost(int ministry)
{
    SIM_PolicyGroup* group = GetPolicyManager().Group(ministry);
    return group ? SIM_Cabinet::Get().MinisterOf(group) : nullptr;
}
}  // namespace

void GUI_CabinetWindow::Open()
{
    Reopen<GUI_CabinetWindow>();
}

GUI_CabinetWindow::GUI_CabinetWindow()
    : GUI_GameWindow(kName, "CABINET_TITLE", kWidth, kRowsTop + SIM_PolicyGroup::kGroupCount * kPostHeight + 30.0f)
{
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        const float y = kRowsTop + i * kPostHeight + 12.0f;
        AddTextButton("CabinetAppoint" + std::to_string(i), "CABINET_APPOINT", kWidth - 250.0f, y, 110.0f,
                      [](int ministry) { GUI_MinisterChooser::Open(ministry); }, i);
        mFire[i] = AddTextButton("CabinetFire" + std::to_string(i), "CABINET_FIRE", kWidth - 130.0f, y, 100.0f,
                                 [](int ministry) { FireMinisterOf(ministry); }, i);
        mPortraits[i] = std::make_unique<CTexturedSprite>();
    }
}

bool GUI_CabinetWindow::FireMinisterOf(int ministry)
{
    SIM_Minister* minister = MinisterOfPost(ministry);
    return minister && SIM_Cabinet::Get().Fire(minister);
}

void GUI_CabinetWindow::Update()
{
    const bool canFire = SIM_Cabinet::Get().CanFire();
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        const bool held = MinisterOfPost(i) != nullptr;
        mFire[i]->Visible = held;
        mFire[i]->Enabled = canFire;
        // Only the refusal explains itself.
        if (!canFire && !mFire[i]->Tooltip())
            mFire[i]->SetTooltip("GUI_CABINET_FIREMINISTER_DISABLED_TOOLTIP");
    }
    GUI_GameWindow::Update();
}

void GUI_CabinetWindow::DrawContents()
{
    using namespace WindowStyle;
    const PoliticalCapital& capital = GetPoliticalCapital();
    const float x = Left();
    Row(translate("CABINET_CAPITAL"),
        std::to_string(capital.Available()) + "  (+" + std::to_string(capital.PerTurn()) + " " +
            translate("CABINET_PER_TURN") + ")",
        x, Top(), 380.0f, kHeading);
    const float columns[] = {x + 56.0f, x + 300.0f, x + 420.0f, x + 540.0f};
    Text(translate("CABINET_POST"), columns[0], Top() + 30.0f, kDim);
    Text(translate("CABINET_LOYALTY"), columns[1], Top() + 30.0f, kDim);
    Text(translate("CABINET_EXPERIENCE"), columns[2], Top() + 30.0f, kDim);
    Text(translate("CABINET_SUITABILITY"), columns[3], Top() + 30.0f, kDim);
    Flush();

    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        const float y = mRect.top + kRowsTop + i * kPostHeight;
        const GRect row{static_cast<int>(x) - 6, static_cast<int>(y), static_cast<int>(mRect.right - 20),
                        static_cast<int>(y + kPostHeight - 6.0f)};
        Inset(row);
        SIM_PolicyGroup* group = GetPolicyManager().Group(i);
        if (!group)
            continue;
        const SIM_Minister* minister = SIM_Cabinet::Get().MinisterOf(group);
        Text(group->CabinetPost(), columns[0], y + 4.0f, kHeading, 0.0f, LEFT, kHeadingFont);
        if (!minister) {
            Text(translate("CABINET_VACANT"), columns[0], y + 24.0f, kBad);
            continue;
        }
        Flush();
        CTexturedSprite& portrait = *mPortraits[i];
        if (portrait.TextureName() != minister->Portrait())
            portrait.SetTexture(minister->Portrait());
        portrait.SetSize(kPortrait, kPortrait);
        portrait.SetPosition(x + kPortrait / 2.0f, y + (kPostHeight - 6.0f) / 2.0f);
        portrait.Draw();
        Text(minister->FullName(), columns[0], y + 24.0f);
        const int gaugeTop = static_cast<int>(y) + 20;
        Gauge(GRect{static_cast<int>(columns[1]), gaugeTop, static_cast<int>(columns[1]) + 100, gaugeTop + 12},
              minister->Loyalty(), minister->Loyalty() < 0.3f ? kBad : kBarFill);
        Gauge(GRect{static_cast<int>(columns[2]), gaugeTop, static_cast<int>(columns[2]) + 100, gaugeTop + 12},
              minister->Experience());
        Text(Percent(minister->SuitabilityFor(i)), columns[3], y + 14.0f);
    }
}
