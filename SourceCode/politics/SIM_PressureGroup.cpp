#include "politics/SIM_PressureGroup.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/Diagnostics.h"
#include "gamedata/Localisation.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SetupSection.h"
#include "gamedata/SIM_Mission.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "politics/RandomDraws.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterType.h"
#include "sim/Clamp.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"
#include "sim/SimulationState.h"

namespace {
constexpr unsigned kMinimalMembers = 4;
constexpr float kStartingStrengthCap = 10.0f;
constexpr float kStrengthPerMemberCap = 4.0f;

std::vector<SIM_PressureGroup*>& Groups()
{
    static std::vector<SIM_PressureGroup*> groups;
    return groups;
}

// "name,weight" of one requirement field; fatal when the name is no voter group.
SIM_PressureGroup::Requirement ReadRequirement(const std::string& field, const SIM_PressureGroup& owner,
                                               const RecordLine& record)
{
    RecordTokenizer parts(field);
    std::string name = parts.NextTrimmedText();
    float weight = parts.NextFloat();
    Neuron* neuron = Neuron::FindNeuronQuietly(name);
    if (!neuron)
        FATAL_ERROR("neuron not found in pressure group load: " + name);
    if (neuron->GetType() != NEURON_VOTERTYPE)
        FATAL_ERROR("invalid cast for " + name + " in " + owner.Name + " reqbuffer " + field + " whole line " +
                    record.text);
    return {static_cast<SIM_VoterType*>(neuron), weight};
}

SIM_PressureGroup* ReadGroup(const RecordLine& record)
{
    RecordScope scope(record);
    RecordTokenizer fields(record.text);
    fields.SkipField();
    auto group = std::make_unique<SIM_PressureGroup>();
    group->Name = fields.NextTrimmedText();
    group->GUIName = fields.NextTrimmedText();
    group->RecruitBelow = fields.NextFloat();
    group->LeaveAbove = fields.NextFloat();
    group->JoinBelow = fields.NextFloat();
    group->MilitancyBar = fields.NextFloat();
    group->StrengthPerMember = fields.NextFloat();
    for (std::string& text : group->Texts)
        text = fields.NextTrimmedText();
    while (!fields.AtEnd()) {
        std::string field = fields.NextTrimmedText();
        if (field.size() <= 2)
            continue;
        SIM_PressureGroup::Requirement requirement = ReadRequirement(field, *group, record);
        if (group->Requirements.size() < SIM_PressureGroup::kMaxRequirements)
            group->Requirements.push_back(requirement);
    }
    // Without a main voter group the group could never recruit nor be joined.
    if (group->Requirements.empty())
        FATAL_ERROR("a pressure group needs at least one requirement (voter group, weight)");
    return group.release();
}
}  // namespace

SIM_PressureGroup::~SIM_PressureGroup()
{
    for (SIM_Voter* voter : Members)
        voter->RemovePressureGroup(this);
}

const std::vector<SIM_PressureGroup*>& SIM_PressureGroup::All() { return Groups(); }

void SIM_PressureGroup::DeleteAllPressureGroups()
{
    SIM_AttackEvent::DeleteAllAttacks();
    for (SIM_PressureGroup* group : Groups())
        delete group;
    Groups().clear();
}

void SIM_PressureGroup::LoadPressureGroups(const std::string& path)
{
    DeleteAllPressureGroups();
    if (!PlatformFiles::Exists(path))
        return;
    std::vector<RecordLine> records;
    RecordLine::ReadTable(path, 2, records);
    for (const RecordLine& record : records)
        Groups().push_back(ReadGroup(record));
}

SIM_PressureGroup* SIM_PressureGroup::FindPressureGroup(const std::string& name)
{
    for (SIM_PressureGroup* group : Groups())
        if (group->Name == name)
            return group;
    FATAL_ERROR("Failed to find group: " + name);
}

bool SIM_PressureGroup::IsEligible(const SIM_Voter& voter) const
{
    float s = 0.0f;
    for (const Requirement& requirement : Requirements)
        s += requirement.weight * voter.GetMembershipWeight(requirement.group);
    return s > GetTuningValue("PRESSUREGROUP_JOIN_THROTTLE", 0.0f);
}

void SIM_PressureGroup::AddMember(SIM_Voter* voter)
{
    ASSERT_CHECK(voter != nullptr);
    if (!voter || voter->IsMemberOfPressureGroup(this))
        return;
    voter->AddPressureGroup(this, Members.size());
    Members.push_back(voter);
}

bool SIM_PressureGroup::DropMember(SIM_Voter* voter)
{
    size_t slot = voter ? voter->PressureSlot(this) : SIM_Voter::kNoSlot;
    if (slot >= Members.size() || Members[slot] != voter)
        return false;
    // The last member takes the leaver's place: the order of the list means nothing.
    SIM_Voter* last = Members.back();
    Members[slot] = last;
    last->SetPressureSlot(this, slot);
    Members.pop_back();
    voter->RemovePressureGroup(this);
    return true;
}

void SIM_PressureGroup::RemoveMember(SIM_Voter* voter)
{
    ASSERT_CHECK(voter != nullptr);
    // No lower bound: a group losing members fast may owe strength.
    if (DropMember(voter))
        Strength -= 1.0f;
}

void SIM_PressureGroup::ForgetMember(SIM_Voter* voter) { DropMember(voter); }

void SIM_PressureGroup::UpdateVoter(SIM_Voter& voter, float h)
{
    for (SIM_PressureGroup* group : Groups()) {
        if (voter.IsMemberOfPressureGroup(group)) {
            if (h > group->LeaveAbove || !group->IsEligible(voter))
                group->RemoveMember(&voter);
        } else if (group->Recruiting && h < group->JoinBelow && group->MilitancyBar <= voter.Militancy &&
                   group->IsEligible(voter)) {
            group->AddMember(&voter);
        }
    }
}

void SIM_PressureGroup::UpdateTurn()
{
    SIM_VoterType* main = MainGroup();
    Recruiting = main && RecruitBelow > main->Happiness01();
    const float members = static_cast<float>(MemberCount());
    Strength = std::min(Strength + StrengthPerMember * members, kStrengthPerMemberCap * members);

    const int turn = SimulationState::Get().TurnNumber();
    std::vector<SIM_AttackEvent*> ready;
    for (SIM_AttackEvent* attack : SIM_AttackEvent::All())
        if (attack->UsedBy == Name && attack->CanLaunch(*this, turn))
            ready.push_back(attack);
    if (!ready.empty()) {
        SIM_AttackEvent* chosen = ready[RandomIndex(ready.size())];
        Strength -= chosen->Cost;
        chosen->Queue();
    }

    if (MemberCount() == LastCount)
        Status = STATUS_UNCHANGED;
    else
        Status = MemberCount() > LastCount ? STATUS_INCREASING : STATUS_DECREASING;
    LastCount = MemberCount();
}

void SIM_PressureGroup::UpdatePressureGroups()
{
    for (SIM_PressureGroup* group : Groups())
        group->UpdateTurn();
    SIM_AttackEvent::ResolveQueuedAttack();
}

void SIM_PressureGroup::StartUp()
{
    for (SIM_PressureGroup* group : Groups())
        group->Strength = std::min(group->Strength, kStartingStrengthCap);
}

std::string SIM_PressureGroup::DisplayedMembership() const
{
    if (MemberCount() < kMinimalMembers)
        return translate("PRESSUREGROUP_MEMBERSHIP_MINIMAL");
    const double people = std::trunc(MemberCount() * static_cast<double>(SIM_Mission::Get().PopulationPerVoter()));
    // A divisor of 0 (or missing) counts single people rather than dividing by zero.
    float divisor = GetTuningValue("PRESSUREGROUP_DIVISOR", 1.0f);
    if (!(divisor >= 1.0f))
        divisor = 1.0f;
    return NumberText::FormatInt(static_cast<long long>(std::trunc(people / divisor)));
}

float SIM_PressureGroup::Threat() const { return ClampZeroToOne(Strength / 60.0f * StrengthPerMember); }
