// Forty turns in which the player raises taxes sharply, cuts them just before
// the election and pledges to cut crime: the discontent rules, seen whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPresentation.h"
#include "WholeGameTest.h"
#include "politics/AchievementList.h"
#include "politics/CynicismTracker.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_PressureGroup.h"
#include "sim/SIM_Policy.h"
#include "sim/SimulationState.h"
#include "sim/SIM_PolicyManager.h"

namespace {

class DiscontentRecorder : public RecordingPresentation {
public:
    void NoticeAttack(const SIM_AttackEvent& attack, bool) override { attacks.push_back(attack.GUIName); }
    void NoticePledge(const std::string& name, bool) override { pledges.push_back(name); }
    void ShowAchievement(const std::string& id, const std::string&) override { achievements.push_back(id); }
    std::vector<std::string> attacks, pledges, achievements;
};

void SetTaxes(float level)
{
    for (const char* tax : {"IncomeTax", "SalesTax", "CorporationTax", "PetrolTax"})
        GetPolicyManager().FindPolicy(tax)->SetPlayerSetting(level);
}

TEST_F(WholeGameTest, HighTaxesBreedPressureGroupsAttacksAndCynicism)
{
    DiscontentRecorder screens;
    StartGame(5);
    SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    ASSERT_TRUE(manifesto.ChoosePledge(*manifesto.FindPledgeType("Cut crime by a tenth")));
    unsigned mostMembers = 0;
    bool grudge = false;
    bool raised = false;
    float cynicismBeforeCut = -1.0f;
    float cynicismAfterCut = -1.0f;
    for (int i = 0; i < 40 && !SimulationState::Get().IsGameOver(); ++i) {
        const int months = ElectionManager::Get().MonthsUntilElection();
        const bool secondTerm = ElectionManager::Get().ElectionsWon() > 0;
        if (secondTerm && !raised) {
            SetTaxes(1.0f);
            raised = true;
        }
        if (secondTerm && months == 6 && cynicismBeforeCut < 0.0f) {
            cynicismBeforeCut = CynicismTracker::Get().GetValue();
            SetTaxes(0.3f);
        }
        NextTurn();
        if (secondTerm && months == 6 && cynicismAfterCut < 0.0f)
            cynicismAfterCut = CynicismTracker::Get().GetValue();
        for (SIM_PressureGroup* group : SIM_PressureGroup::All())
            mostMembers = std::max(mostMembers, group->MemberCount());
        // An attack's script leaves a grudge named after it.
        for (SIM_Grudge* held : SIM_Grudge::All())
            for (const std::string& attack : screens.attacks)
                grudge = grudge || held->GetDisplayName() == attack;
    }
    EXPECT_GT(mostMembers, 10u);
    EXPECT_TRUE(grudge);
    EXPECT_FALSE(screens.attacks.empty());
    EXPECT_GT(cynicismAfterCut, cynicismBeforeCut + 0.05f);
    EXPECT_FALSE(screens.pledges.empty());
    EXPECT_FALSE(screens.achievements.empty());
}

}  // namespace
