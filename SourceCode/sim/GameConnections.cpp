#include "sim/GameConnections.h"

#include <algorithm>

#include "gamedata/CFinanceObject.h"
#include "gamedata/MissionPolicyHooks.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"

namespace {

class PolicySettings : public MissionPolicyHooks {
public:
    void IntroduceUncancellablePolicies() override { GetPolicyManager().IntroduceUncancellablePolicies(); }

    void ApplyPolicySetting(Neuron& neuron, float value) override
    {
        auto* policy = dynamic_cast<SIM_Policy*>(&neuron);
        if (!policy)
            return;
        if (!policy->IsActive())
            policy->Introduce();
        policy->SetPlayerSetting(value);
        policy->SetValue(policy->PlayerSetting());
        policy->SetInForce(1.0f);
    }
};

PolicySettings gPolicySettings;

}  // namespace

namespace GameConnections {

float EffectiveDifficulty()
{
    float difficulty = Options::Get().GetFloat("DIFFICULTY");
    if (!(difficulty == difficulty))
        return 0.5f;
    return std::clamp(difficulty, 0.0f, 1.0f);
}

void Install()
{
    MissionPolicyHooks::Install(&gPolicySettings);
    CFinanceObject::SetWealthSource([] { return SIM_Mission::Get().Wealth(); });
    CFinanceObject::SetDifficultySource([] { return EffectiveDifficulty(); });
    SIM_Policy::SetVoterGroupSource([] {
        std::vector<VoterGroupWeight> groups;
        for (SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes())
            groups.push_back(VoterGroupWeight{group, static_cast<float>(group->MemberCount())});
        return groups;
    });
}

}  // namespace GameConnections

namespace GameConnections {

void Uninstall()
{
    MissionPolicyHooks::Install(nullptr);
    CFinanceObject::SetWealthSource(nullptr);
    CFinanceObject::SetDifficultySource(nullptr);
    SIM_Policy::SetVoterGroupSource(nullptr);
}

}  // namespace GameConnections
