#include "politics/SIM_AttackEvent.h"

#include <algorithm>

#include "gamedata/IniSection.h"
#include "gamedata/SIM_Script.h"
#include "platform/PlatformFiles.h"
#include "politics/RandomDraws.h"
#include "politics/SIM_PressureGroup.h"
#include "sim/Neuron.h"
#include "sim/Presentation.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"
#include "sim/SimulationState.h"

namespace {
// Even perfect security leaves an attack a chance.
constexpr float kMaxFoilChance = 0.9f;

std::vector<SIM_AttackEvent*>& Attacks()
{
    static std::vector<SIM_AttackEvent*> attacks;
    return attacks;
}

std::vector<SIM_AttackEvent*>& Queued()
{
    static std::vector<SIM_AttackEvent*> queued;
    return queued;
}

SIM_AttackEvent* ReadAttack(const std::string& path)
{
    // A fatal error below names the attack's file.
    RecordScope scope(RecordLine{"[config]", path, 1});
    IniSection config;
    config.Load("config", path);
    auto* attack = new SIM_AttackEvent();
    attack->Name = config.GetText("Name");
    attack->GUIName = config.GetText("GUIName");
    attack->UsedBy = config.GetText("UsedBy");
    attack->Cost = config.GetFloat("Cost", 0.0f);
    attack->MinStrength = config.GetFloat("MinStrength", 0.0f);
    attack->MinSize = config.GetInt("MinSize");
    attack->SuccessChance = config.GetFloat("SuccessChance", 0.0f);
    attack->SuccessText = config.GetText("SuccessText");
    attack->FailureText = config.GetText("FailureText");
    attack->OnSuccess = config.GetText("OnSuccess");
    attack->OnFailure = config.GetText("OnFailure");
    // Fatal (naming the group) when no group of that name exists.
    SIM_PressureGroup::FindPressureGroup(attack->UsedBy);
    return attack;
}
}  // namespace

const std::vector<SIM_AttackEvent*>& SIM_AttackEvent::All() { return Attacks(); }

void SIM_AttackEvent::DeleteAllAttacks()
{
    Queued().clear();
    for (SIM_AttackEvent* attack : Attacks())
        delete attack;
    Attacks().clear();
}

void SIM_AttackEvent::LoadAttacks(const std::string& folder)
{
    DeleteAllAttacks();
    for (const std::string& path : PlatformFiles::FindFilePaths(folder + "/*.txt"))
        Attacks().push_back(ReadAttack(path));
}

bool SIM_AttackEvent::CanLaunch(const SIM_PressureGroup& group, int turn) const
{
    return turn - LastTrigger >= kTurnsBetweenTries && group.Strength >= MinStrength &&
           static_cast<int>(group.MemberCount()) >= MinSize;
}

void SIM_AttackEvent::Queue() { Queued().push_back(this); }

const std::vector<SIM_AttackEvent*>& SIM_AttackEvent::QueuedAttacks() { return Queued(); }

void SIM_AttackEvent::ResolveQueuedAttack()
{
    std::vector<SIM_AttackEvent*>& queued = Queued();
    if (!queued.empty())
        queued[RandomIndex(queued.size())]->Attempt(SimulationState::Get().TurnNumber());
    queued.clear();
}

bool SIM_AttackEvent::Attempt(int turn)
{
    LastTrigger = turn;
    bool succeeded = Chance(SuccessChance);
    if (succeeded) {
        Neuron* security = Neuron::FindNeuronQuietly("_security_");
        float foil = std::min(security ? security->GetValue() : 0.0f, kMaxFoilChance);
        succeeded = !Chance(foil);
    }
    Presentation::Current().NoticeAttack(*this, succeeded);
    SIM_Script::Get().Run(succeeded ? OnSuccess : OnFailure);
    return succeeded;
}
