#include <gtest/gtest.h>

#include <cmath>

#include "MainScreenGame.h"
#include "engine/CInput.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gui/GUIPolicyDetails.h"
#include "gui/GUISlider.h"
#include "gui/GUI_CommandDispatcher.h"
#include "gui/PlayGuide.h"
#include "gui/GUI_IconBase.h"
#include "gui/GUI_NeuronDetails.h"
#include "gui/GUI_PolicyList.h"
#include "gui/GUI_PolicyPicker.h"
#include "engine/GamePresentation.h"
#include "gamedata/Options.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/CSimulation.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"
#include "sim/SimulationState.h"
#include "sim/SliderDefinition.h"

using mainscreen::ShippedGame;

namespace {

int Turn() { return SimulationState::Get().TurnNumber(); }

// The inactive policy that comes last in its category: the one a short list hides.
SIM_Policy* LastInactivePolicy(int& category)
{
    SIM_Policy* last = nullptr;
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        if (!policy->IsActive() && policy->Group() && policy->IntroductionCost() >= 0 && policy->Slider() &&
            policy->Slider()->Steps() >= 3)
            last = policy;
    category = last ? last->Group()->Index() : 0;
    SIM_Policy* lastOfCategory = nullptr;
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        if (!policy->IsActive() && policy->Group() && policy->Group()->Index() == category)
            lastOfCategory = policy;
    return lastOfCategory;
}

void OpenDetailsByIcon(const Neuron* neuron, const char* window)
{
    ShippedGame::Click("Icon_" + neuron->GetName());
    ShippedGame::WaitFor([window] { return ShippedGame::WindowOpen(window); }, "details window opens from the icon");
}

void IntroduceSetAndPlay()
{
    ShippedGame game;
    GetPoliticalCapital().SetAvailable(1000);
    int category = 0;
    SIM_Policy* policy = LastInactivePolicy(category);
    ChildCheck(policy != nullptr, "an inactive policy to introduce");

    ShippedGame::Click("PolicyPickerButton");
    ShippedGame::WaitFor([] { return GUI_PolicyPicker::Current() != nullptr; }, "the picker opens");
    ShippedGame::Click("PolicyCategory" + std::to_string(category));
    // A list two rows high: the policy is reached by scrolling.
    GUI_PolicyList* list = GUI_PolicyPicker::Current()->List();
    const GRect r = list->Rect();
    list->SetRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right), r.top + 62.0f);
    ChildCheck(list->RowsThatFit() == 2, "two rows fit");
    const std::string row = "PolicyRow_" + policy->GetName();
    for (int i = 0; i < 30 && !ShippedGame::HasButton(row); ++i)
        ShippedGame::Click("PolicyListDown");
    ShippedGame::Click(row);
    ShippedGame::Click("PolicyImplement");
    ShippedGame::WaitFor([] { return GUI_PolicyPicker::Current() == nullptr; }, "the picker closes");
    ChildCheck(policy->IsActive(), "the policy is in force");
    ChildCheck(GUI_IconBase::Find(policy) != nullptr, "the policy has an icon");

    OpenDetailsByIcon(policy, GUIPolicyDetails::kName);
    GUISlider* slider = GUIPolicyDetails::Current()->Slider();
    const int notches = slider->Positions();
    const float step = 1.0f / static_cast<float>(notches - 1);
    // From the lowest notch, each press of Right moves exactly one notch.
    for (int i = 0; i < notches; ++i)
        ShippedGame::Key(ScanCode::Left);
    ChildCheck(policy->PlayerSetting() == 0.0f, "Left presses reach the lowest notch");
    ShippedGame::Key(ScanCode::Right);
    ChildCheck(std::fabs(policy->PlayerSetting() - step) < 1e-5f, "one press, one notch");
    for (int i = 0; i < notches; ++i)
        ShippedGame::Key(ScanCode::Right);
    ChildCheck(policy->PlayerSetting() == 1.0f, "the highest notch");
    ChildCheck(slider->Value() == 1.0f, "the knob reads the player setting");
    ShippedGame::Key(ScanCode::Escape);
    ShippedGame::WaitFor([] { return !ShippedGame::WindowOpen(GUIPolicyDetails::kName); }, "Escape closes details");

    // The policy comes into force over its implementation turns, not at once
    // (with no dilemma to answer in between).
    Options::Get().SetFloat("ENABLEDILEMMAS", 0.0f);
    const int turns = policy->ImplementationTurns();
    const int start = Turn();
    float previous = policy->Implementation();
    for (int t = 0; t < turns + 1; ++t) {
        ShippedGame::Key(ScanCode::F6);
        ShippedGame::Frames(20);
        ShippedGame::BackToMainScreen("back from the turn");
        if (Turn() != start + t + 1)
            std::fprintf(stderr, "turn %d start %d t %d result %d modal %d\n", Turn(), start, t,
                         static_cast<int>(GetCommandDispatcher().LastResult()), GetWindowManager().AnyModalOpen());
        ChildCheck(Turn() == start + t + 1, "F6 plays a turn");
        const float now = policy->Implementation();
        ChildCheck(now >= previous, "implementation never falls");
        if (t + 1 < turns)
            ChildCheck(now < 1.0f, "not fully in force before its implementation time");
        previous = now;
    }
    ChildCheck(policy->GetValue() > 0.5f, "the value has moved towards the highest setting");
    ShippedGame::Finish();
}

void CancelAPolicy()
{
    ShippedGame game;
    SIM_Policy* policy = nullptr;
    for (SIM_Policy* candidate : SIM_PolicyManager::ActivePolicies())
        if (candidate->IsCancellable() && GUI_IconBase::Find(candidate))
            policy = candidate;
    ChildCheck(policy != nullptr, "a cancellable policy in force");
    OpenDetailsByIcon(policy, GUIPolicyDetails::kName);
    ShippedGame::Click("PolicyCancel");
    ShippedGame::Frames(2);
    ChildCheck(!policy->IsActive(), "cancelled");
    ChildCheck(GUI_IconBase::Find(policy) == nullptr, "its icon is gone");
    ChildCheck(!ShippedGame::WindowOpen(GUIPolicyDetails::kName), "the window closed");
    ShippedGame::Finish();
}

void EveryDetailsWindowFromItsIcon()
{
    ShippedGame game;
    const Neuron* value = GetSimulation().SimVals().front();
    for (SIM_SimVal* candidate : GetSimulation().SimVals())
        if (GUI_IconBase::Find(candidate)) {
            value = candidate;
            break;
        }
    const Neuron* group = nullptr;
    for (SIM_VoterType* candidate : SIM_VoterManager::Get().VoterTypes())
        if (GUI_IconBase::Find(candidate))
            group = candidate;
    const Neuron* policy = SIM_PolicyManager::ActivePolicies().front();
    const Neuron* situation = nullptr;
    for (const GUI_IconBase* icon : GUI_IconBase::All())
        if (icon->GetKind() == GUI_IconBase::KIND_SITUATION)
            situation = icon->GetNeuron();
    ChildCheck(group && policy, "icons for a group and a policy");
    for (const Neuron* neuron : {value, group, situation}) {
        if (!neuron)
            continue;
        OpenDetailsByIcon(neuron, GUI_NeuronDetails::kName);
        const auto* window = dynamic_cast<const GUI_NeuronDetails*>(
            GetWindowManager().FindWindow(GUI_NeuronDetails::kName));
        ChildCheck(window && window->GetNeuron() == neuron, "the window shows the icon's neuron");
        ShippedGame::Key(ScanCode::Escape);
        ShippedGame::Frames(1);
        ChildCheck(!ShippedGame::WindowOpen(GUI_NeuronDetails::kName), "Escape closes it");
    }
    OpenDetailsByIcon(policy, GUIPolicyDetails::kName);
    ChildCheck(GUIPolicyDetails::Current()->Policy() == policy, "the policy's own window");
    ShippedGame::Finish();
}

void DispatcherRules()
{
    ShippedGame game;
    const int start = Turn();
    // A modal window stands: F6 and the right-click menu are refused, visibly.
    OpenDetailsByIcon(SIM_PolicyManager::ActivePolicies().front(), GUIPolicyDetails::kName);
    ShippedGame::Key(ScanCode::F6);
    ShippedGame::Frames(10);
    ChildCheck(Turn() == start, "no turn under a modal window");
    ChildCheck(ShippedGame::WindowOpen("CommandRefused"), "the refusal shows");
    ShippedGame::Key(ScanCode::Escape);
    ShippedGame::Key(ScanCode::Escape);
    ChildCheck(!GetWindowManager().AnyModalOpen(), "both windows closed");

    // A pending dilemma: refused again, from the right-click menu.
    SIM_Dilemma* dilemma = SIM_DilemmaManager::Get().Dilemmas().empty() ? nullptr
                                                                        : SIM_DilemmaManager::Get().Dilemmas().front();
    if (dilemma) {
        Options::Get().SetFloat("ENABLEDILEMMAS", 1.0f);
        dilemma->SetTriggered(true);
        ShippedGame::Frames(1);
        ChildCheck(ShippedGame::HasButton("DilemmaButton") && !ShippedGame::HasButton("NextTurnButton"),
                   "the dilemma button stands in for the end-turn button");
        GetInput().OpenRightClickMenu(500.0f, 400.0f);
        ShippedGame::Frames(1);
        ShippedGame::Click("MenuNextTurn");
        ShippedGame::Frames(10);
        ChildCheck(Turn() == start, "no turn while a dilemma waits");
        ChildCheck(ShippedGame::WindowOpen("CommandRefused"), "the refusal shows");
        ShippedGame::Key(ScanCode::Escape);
        dilemma->SetTriggered(false);
    }

    // The play guide allows only the polls button: F6 does nothing, silently.
    PlayGuide::Get().SetActive(true);
    GetGamePresentation().SetAllowedButton("PollsButton");
    ShippedGame::Key(ScanCode::F6);
    ShippedGame::Frames(10);
    ChildCheck(Turn() == start, "the guide's filter holds F6 back");
    ChildCheck(!GetWindowManager().AnyModalOpen(), "a guide refusal opens nothing");
    GetGamePresentation().AllowClicks();
    PlayGuide::Get().Reset();

    // Nothing stands in the way: the right-click menu ends the turn.
    GetInput().OpenRightClickMenu(500.0f, 400.0f);
    ShippedGame::Frames(1);
    ShippedGame::Click("MenuNextTurn");
    ShippedGame::Frames(20);
    ShippedGame::BackToMainScreen("back from the turn");
    ChildCheck(Turn() == start + 1, "the menu's next turn plays a turn");
    ShippedGame::Finish();
}

void PickerAndCapital()
{
    ShippedGame game;
    // Restricted powers and no capital: a notice instead of the picker.
    Options::Get().SetFloat("ENABLERESTRICTPOWER", 1.0f);
    GetPoliticalCapital().SetAvailable(0);
    ShippedGame::Key(ScanCode::F1 + 1);
    ChildCheck(GUI_PolicyPicker::Current() == nullptr, "no picker without capital");
    ChildCheck(ShippedGame::WindowOpen("RestrictPowersBlocked"), "the notice says why");
    ShippedGame::Key(ScanCode::Escape);

    // Some capital, but less than a dear policy costs: it cannot be implemented.
    GetPoliticalCapital().SetAvailable(1);
    ShippedGame::Key(ScanCode::F1 + 1);
    ShippedGame::WaitFor([] { return GUI_PolicyPicker::Current() != nullptr; }, "F2 opens the picker");
    GUI_PolicyPicker* picker = GUI_PolicyPicker::Current();
    GUI_PolicyPicker::OpenPolicyPicker();
    ChildCheck(GUI_PolicyPicker::Current() == picker && GetWindowManager().FullScreenList().size() == 1,
               "a second opening keeps the one picker");
    SIM_Policy* dear = nullptr;
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        if (!policy->IsActive() && policy->IntroductionCost() > 1 && policy->Group())
            dear = policy;
    ChildCheck(dear != nullptr, "a policy dearer than the capital");
    ShippedGame::Click("PolicyCategory" + std::to_string(dear->Group()->Index()));
    ShippedGame::Click("PolicyRow_" + dear->GetName());
    ChildCheck(!ShippedGame::HasButton("PolicyImplement"), "the implement button is disabled");
    ChildCheck(!dear->IsActive(), "nothing introduced");
    ShippedGame::Click("PolicyPickerClose");
    ShippedGame::WaitFor([] { return GUI_PolicyPicker::Current() == nullptr; }, "the close button closes it");

    // Escape asks before leaving; Cancel stays, OK goes to the menu.
    ShippedGame::Key(ScanCode::Escape);
    ChildCheck(ShippedGame::WindowOpen("QuitDialog"), "Escape asks");
    ShippedGame::Click("QuitDialogCancel");
    ChildCheck(GetGame().State == STATE_MAIN && !ShippedGame::WindowOpen("QuitDialog"), "Cancel stays");
    ShippedGame::Key(ScanCode::Escape);
    ShippedGame::Click("QuitDialogOK");
    ChildCheck(GetGame().State == STATE_MENU, "OK leaves for the menu");
    ShippedGame::Finish();
}

}  // namespace

TEST(MainScreenGame, ThePickerRespectsPoliticalCapitalAndTheQuitDialogAsksFirst)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(PickerAndCapital(), ::testing::ExitedWithCode(0), "");
}

TEST(MainScreenGame, IntroduceAPolicyFromThePickerSetItsSliderAndPlayTurns)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(IntroduceSetAndPlay(), ::testing::ExitedWithCode(0), "");
}

TEST(MainScreenGame, CancelAPolicyFromItsDetailsWindow)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(CancelAPolicy(), ::testing::ExitedWithCode(0), "");
}

TEST(MainScreenGame, EveryDetailsWindowOpensFromItsIcon)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(EveryDetailsWindowFromItsIcon(), ::testing::ExitedWithCode(0), "");
}

TEST(MainScreenGame, NextTurnFromF6AndTheMenuObeysTheDispatcher)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(DispatcherRules(), ::testing::ExitedWithCode(0), "");
}
