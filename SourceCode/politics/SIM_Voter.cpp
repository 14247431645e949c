#include "politics/SIM_Voter.h"

#include <algorithm>
#include <cmath>

#include "engine/Diagnostics.h"
#include "gamedata/NamePool.h"
#include "gamedata/SIM_Mission.h"
#include "politics/OpinionInputs.h"
#include "politics/SIM_PressureGroup.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "politics/TurnoutWeights.h"
#include "politics/VoterTuning.h"
#include "politics/RandomDraws.h"
#include "sim/Clamp.h"
#include "politics/VoterGroupLinks.h"
#include "sim/NeuralEffect.h"
#include "sim/SlotList.h"

namespace {

struct PopulationSlotOf {
    static size_t& Get(SIM_Voter* voter) { return voter->mPopulationSlot; }
};

SlotList<SIM_Voter, PopulationSlotOf>& PopulationList()
{
    static SlotList<SIM_Voter, PopulationSlotOf> population;
    return population;
}

// Set while the whole population goes: nothing is left that lists a voter.
bool gDeletingAll = false;

// sin(pi * (x - a) / (b - a)) inside [a, b], 0 outside. A range of no width
// is a data fault: reported, and it weighs nothing.
float Bump(float a, float b, float x)
{
    constexpr float kPi = 3.1415927f;
    float width = b - a;
    if (!(width > 0.0f)) {
        ASSERT_CHECK(width > 0.0f);
        return 0.0f;
    }
    if (!(x >= a && x <= b))
        return 0.0f;
    // sin(pi) in single precision is a hair below 0.
    return std::max(0.0f, std::sin(kPi * (x - a) / width));
}

}  // namespace

SIM_Voter::SIM_Voter() : mRow(VoterGroupLinks::Get().AddRow())
{
    PopulationList().Add(this);
}

SIM_Voter::~SIM_Voter()
{
    if (gDeletingAll) {
        VoterGroupLinks::Get().ReleaseRow(mRow);
        return;
    }
    PopulationList().Remove(this);
    // No pressure group keeps a deleted member.
    for (const PressureMembership& membership : std::vector<PressureMembership>(mPressureGroups))
        membership.group->ForgetMember(this);
    VoterGroupLinks& links = VoterGroupLinks::Get();
    if (IsRunning()) {
        // Each of these is a constant-time removal.
        for (size_t index = 0; index < links.Columns(); ++index) {
            uint32_t slot = links.MemberSlot(mRow, index);
            SIM_VoterType* group = SIM_VoterType::AtIndex(index);
            if (group && slot != VoterGroupLinks::kNotMember)
                group->DropMemberSlot(slot);
        }
        if (Party != PARTY_NONE)
            LeaveParty();
    }
    links.ReleaseRow(mRow);
}

void SIM_Voter::DeleteAll()
{
    // Everything that lists voters forgets them all at once, so that each
    // voter then goes at a constant cost instead of leaving every list.
    std::vector<SIM_Voter*> voters(PopulationList().Items());
    PopulationList().Clear();
    for (size_t index = 0; index < VoterGroupLinks::Get().Columns(); ++index)
        if (SIM_VoterType* group = SIM_VoterType::AtIndex(index))
            group->ForgetAllMembers();
    for (SIM_Party* party : SIM_Party::AllParties())
        party->ForgetMembers();
    for (SIM_PressureGroup* group : SIM_PressureGroup::All())
        group->Members.clear();
    gDeletingAll = true;
    for (SIM_Voter* voter : voters)
        delete voter;
    gDeletingAll = false;
}

const std::vector<SIM_Voter*>& SIM_Voter::Population() { return PopulationList().Items(); }

size_t SIM_Voter::PopulationCount() { return PopulationList().Size(); }

const std::string& SIM_Voter::GetName() const
{
    static const std::string kName = "Voter";
    return kName;
}

float SIM_Voter::Recalculate()
{
    const size_t groups = VoterGroupLinks::Get().Columns();
    std::vector<float> values(groups, 0.0f);
    std::vector<uint8_t> counts(groups, 0);
    for (size_t index = 0; index < groups; ++index) {
        if (const SIM_VoterType* group = SIM_VoterType::AtIndex(index)) {
            values[index] = group->GetValue();
            counts[index] = group->IsActive() ? 1 : 0;
        }
    }
    return Recalculate(values.data(), counts.data(), groups);
}

float SIM_Voter::Recalculate(const float* groupValues, const uint8_t* counts, size_t groups)
{
    const VoterGroupLinks& links = VoterGroupLinks::Get();
    groups = std::min(groups, links.Columns());
    // Summed in group order, as the links were made, so that the rounding
    // stays that of one link after the other.
    float acc = 0.0f;
    for (size_t index = 0; index < groups; ++index) {
        const VoterGroupLinks::Tie& tie = links.Column(index)[mRow];
        if (!counts[index] || !tie.Counts())
            continue;
        float e = groupValues[index] * tie.weight;
        // A group without a number counts as 0 rather than spreading.
        if (std::isnan(e))
            e = 0.0f;
        acc = acc + e;
    }
    mValue = ClampMinusOneToOne(mBaseValue + acc);
    return mValue;
}

bool SIM_Voter::IsMemberOf(const SIM_VoterType* group) const
{
    return group && VoterGroupLinks::Get().IsMember(mRow, group->Index());
}

bool SIM_Voter::IsMemberOfPressureGroup(const SIM_PressureGroup* group) const
{
    return PressureSlot(group) != kNoSlot;
}

bool SIM_Voter::HasMembershipLink(const SIM_VoterType* group) const
{
    return group && VoterGroupLinks::Get().HasLink(mRow, group->Index());
}

float SIM_Voter::GetMembershipWeight(const SIM_VoterType* group) const
{
    return group ? VoterGroupLinks::Get().Weight(mRow, group->Index()) : 0.0f;
}

void SIM_Voter::SetMembershipWeight(const SIM_VoterType* group, float weight)
{
    if (group)
        VoterGroupLinks::Get().SetWeight(mRow, group->Index(), weight);
}

std::vector<SIM_VoterType*> SIM_Voter::VoterGroups() const
{
    const VoterGroupLinks& links = VoterGroupLinks::Get();
    std::vector<SIM_VoterType*> groups;
    for (size_t index = 0; index < links.Columns(); ++index)
        if (links.IsMember(mRow, index))
            if (SIM_VoterType* group = SIM_VoterType::AtIndex(index))
                groups.push_back(group);
    return groups;
}

size_t SIM_Voter::GroupCount() const
{
    const VoterGroupLinks& links = VoterGroupLinks::Get();
    size_t count = 0;
    for (size_t index = 0; index < links.Columns(); ++index)
        if (links.IsMember(mRow, index) && SIM_VoterType::AtIndex(index))
            ++count;
    return count;
}

void SIM_Voter::SetPersonName(int foreID, int surID, int gender)
{
    ForeID = foreID;
    SurID = surID;
    Gender = gender;
}

std::string SIM_Voter::GetDisplayName() const
{
    const NamePool& pool = NamePool::Get();
    return pool.Forename(ForeID, Gender == 1) + " " + pool.Surname(SurID);
}

// --- opinion and vote

float SIM_Voter::OpinionOfGovernment() const { return OpinionOfGovernment(OpinionFactors::Take()); }

float SIM_Voter::OpinionOfGovernment(const OpinionFactors& factors) const
{
    return ClampZeroToOne(GetValue() - factors.cynicism - factors.manifestoPenalty);
}

float SIM_Voter::VotingPreference() const { return VotingPreference(OpinionFactors::Take()); }

float SIM_Voter::VotingPreference(const OpinionFactors& factors) const
{
    float preference = OpinionOfGovernment(factors);
    if (Party == PARTY_OPPOSITION)
        preference = std::min(preference, 0.49f);
    else if (Party == PARTY_PLAYER)
        preference = std::max(preference, 0.51f);
    return preference;
}

bool SIM_Voter::SupportsGovernment() const { return VotingPreference() > 0.5f; }

bool SIM_Voter::SupportsGovernment(const OpinionFactors& factors) const { return VotingPreference(factors) > 0.5f; }

float SIM_Voter::ComputeTurnoutChance()
{
    const SIM_Mission& mission = SIM_Mission::Get();
    if (mission.HasModule("CompulsoryVoting") || Party != PARTY_NONE) {
        TurnoutChance = 1.0f;
        return TurnoutChance;
    }
    const TurnoutWeights& weights = TurnoutWeights::Current();
    float h = OpinionOfGovernment();
    PartyID leaning = h >= 0.5f ? PARTY_PLAYER : PARTY_OPPOSITION;
    SIM_Party* leaningParty = SIM_Party::FromID(leaning);
    float pull = leaningParty ? leaningParty->TurnoutPull() : 0.0f;
    float chance = VotTend * weights.tendency + 2.0f * std::fabs(h - 0.5f) * weights.opinion + pull * weights.party;
    if (mission.HasModule("PoliticalApathy"))
        chance *= 0.5f;
    TurnoutChance = ClampZeroToOne(chance);
    return TurnoutChance;
}

void SIM_Voter::DecideVote()
{
    ComputeTurnoutChance();
    if (!Chance(TurnoutChance)) {
        LastVote = VOTE_ABSTAIN;
        return;
    }
    LastVote = VotingPreference() < 0.5f ? VOTE_OPPOSITION : VOTE_PLAYER;
}

// --- sympathies and parties

void SIM_Voter::JoinParty(PartyID party)
{
    SIM_Party* joined = SIM_Party::FromID(party);
    if (!joined)
        return;
    Party = party;
    joined->AddMember(this);
}

void SIM_Voter::LeaveParty()
{
    PartyID party = Party;
    Party = PARTY_NONE;
    if (SIM_Party* left = SIM_Party::FromID(party))
        left->RemoveMember(this);
}

void SIM_Voter::UpdateSympathies(int rate)
{
    UpdateSympathies(rate, VoterTuning::Read(), OpinionFactors::Take());
}

void SIM_Voter::UpdateSympathies(int rate, const VoterTuning& t, const OpinionFactors& factors)
{
    // Apathy halves the rate; in floating point, so that a normal turn's rate
    // of 1 still moves sympathies.
    float r = static_cast<float>(rate);
    if (SIM_Mission::Get().HasModule("PoliticalApathy"))
        r *= 0.5f;
    float h = OpinionOfGovernment(factors);

    // One side's sympathy only grows once the other side's has gone.
    if (h < t.oppositionIncreaseBelow && PlaySymp <= 0.0f)
        OppSymp = ClampZeroToOne(OppSymp + t.oppositionGain * r);
    if (h > t.oppositionDecreaseAbove)
        OppSymp = ClampZeroToOne(OppSymp - t.oppositionDecay * r);
    if (h > t.playerIncreaseAbove && OppSymp <= 0.0f)
        PlaySymp = ClampZeroToOne(PlaySymp + t.playerGain * r);
    if (h < t.playerDecreaseBelow)
        PlaySymp = ClampZeroToOne(PlaySymp - t.playerDecay * r);

    switch (Party) {
    case PARTY_NONE:
        // At most one party per update: a voter that has just joined the
        // opposition is not also taken by the player's party.
        if (OppSymp > t.oppositionJoin && PlaySymp <= 0.1f)
            JoinParty(PARTY_OPPOSITION);
        if (Party == PARTY_NONE && PlaySymp > t.playerJoin && OppSymp <= 0.1f)
            JoinParty(PARTY_PLAYER);
        break;
    case PARTY_OPPOSITION:
        if (OppSymp < t.oppositionLeave)
            LeaveParty();
        break;
    case PARTY_PLAYER:
        if (PlaySymp < t.playerLeave)
            LeaveParty();
        break;
    }
}

// --- the turn

void SIM_Voter::UpdateTurn() { UpdateTurn(VoterTuning::Read(), OpinionFactors::Take()); }

void SIM_Voter::UpdateTurn(const VoterTuning& t, const OpinionFactors& factors)
{
    // 1. Group memberships (at least the threshold here).
    VoterGroupLinks& links = VoterGroupLinks::Get();
    for (size_t index = 0; index < links.Columns(); ++index) {
        SIM_VoterType* group = SIM_VoterType::AtIndex(index);
        if (!group || !links.HasLink(mRow, index) || group->ExemptFromMembershipTest)
            continue;
        float s = group->FrequencyNeuron().GetValue() + links.Weight(mRow, index);
        if (s >= t.membershipThreshold)
            group->AddMember(this);
        else
            group->RemoveMember(this);
    }
    // 2. Pressure groups.
    SIM_PressureGroup::UpdateVoter(*this, OpinionOfGovernment(factors));
    // 3. Party sympathies.
    UpdateSympathies(1, t, factors);
    // 4. Income.
    UpdateIncomeGroup(t);
}

void SIM_Voter::UpdateIncomeGroup() { UpdateIncomeGroup(VoterTuning::Read()); }

void SIM_Voter::UpdateIncomeGroup(const VoterTuning& t)
{
    SIM_VoterManager& manager = SIM_VoterManager::Get();
    SIM_VoterType* poor = manager.PoorGroup();
    SIM_VoterType* middle = manager.MiddleIncomeGroup();
    SIM_VoterType* wealthy = manager.WealthyGroup();
    const float P = t.poorIncomeThreshold;
    const float W = t.wealthyIncomeThreshold;
    const float M = t.wealthyIncomeMax;

    // 1. The driver of the income group the voter is in now. A missing driver
    // or one without a number moves nothing.
    float driver;
    if (poor && IsMemberOf(poor))
        driver = manager.IncomeDriverValue(SIM_VoterManager::INCOME_LOW);
    else if (wealthy && IsMemberOf(wealthy))
        driver = manager.IncomeDriverValue(SIM_VoterManager::INCOME_HIGH);
    else
        driver = manager.IncomeDriverValue(SIM_VoterManager::INCOME_MIDDLE);

    // 3.-4. The new group by income.
    float income = Income * (1.0f + driver);
    if (!std::isfinite(income))
        income = std::isfinite(Income) ? Income : 0.0f;
    SIM_VoterType* next = income < P ? poor : (income < W ? middle : wealthy);

    // 2. Out of the other income groups. A voter that stays keeps its place
    // in its group's list (leaving and rejoining would end in the same group).
    for (SIM_VoterType* group : {poor, middle, wealthy})
        if (group && group != next)
            group->RemoveMember(this);

    // 5. Weights: bumps over each group's range.
    float poorWeight = Bump(-1.2f * P, 1.2f * P, income);
    float middleWeight = Bump(0.8f * P, 1.2f * W, income);
    float wealthyWeight = Bump(0.8f * W, W + M, income);

    // 6. Into the new group (a group missing from the data is skipped).
    if (next && !IsMemberOf(next))
        next->AddMember(this);

    // 7. The link weights.
    const std::pair<SIM_VoterType*, float> weights[] = {{poor, poorWeight}, {middle, middleWeight}, {wealthy, wealthyWeight}};
    for (const auto& [group, weight] : weights)
        if (HasMembershipLink(group))
            SetMembershipWeight(group, weight);
}

// --- pressure groups

void SIM_Voter::AddPressureGroup(SIM_PressureGroup* group, size_t slot)
{
    if (group && !IsMemberOfPressureGroup(group))
        mPressureGroups.push_back({group, slot});
}

void SIM_Voter::RemovePressureGroup(SIM_PressureGroup* group)
{
    for (auto it = mPressureGroups.begin(); it != mPressureGroups.end(); ++it) {
        if (it->group == group) {
            mPressureGroups.erase(it);
            return;
        }
    }
}

size_t SIM_Voter::PressureSlot(const SIM_PressureGroup* group) const
{
    for (const PressureMembership& membership : mPressureGroups)
        if (membership.group == group)
            return membership.slot;
    return kNoSlot;
}

void SIM_Voter::SetPressureSlot(const SIM_PressureGroup* group, size_t slot)
{
    for (PressureMembership& membership : mPressureGroups)
        if (membership.group == group)
            membership.slot = slot;
}
