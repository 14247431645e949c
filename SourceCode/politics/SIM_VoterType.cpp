#include "politics/SIM_VoterType.h"

#include "engine/Diagnostics.h"
#include "gamedata/Localisation.h"
#include "politics/RandomDraws.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "gamedata/SetupSection.h"
#include "politics/VoterTuning.h"
#include "politics/VoterGroupLinks.h"
#include "sim/Clamp.h"
#include "sim/NeuralEffect.h"

#include <algorithm>
#include <cstring>

namespace {

// The live groups by index; a new group takes the lowest free index, so a
// reloaded set of groups reuses 0..n-1 and the voters' rows stay narrow.
std::vector<SIM_VoterType*>& GroupsByIndex()
{
    static std::vector<SIM_VoterType*> groups;
    return groups;
}

size_t TakeIndex(SIM_VoterType* group)
{
    auto& groups = GroupsByIndex();
    for (size_t i = 0; i < groups.size(); ++i) {
        if (!groups[i]) {
            groups[i] = group;
            return i;
        }
    }
    groups.push_back(group);
    return groups.size() - 1;
}

void FreeIndex(size_t index)
{
    auto& groups = GroupsByIndex();
    if (index < groups.size())
        groups[index] = nullptr;
}

}  // namespace

SIM_VoterType::FrequencyNeuronType::FrequencyNeuronType()
{
    SetType(NEURON_VOTERTYPE_FREQUENCY);
    SetOwnedByParent();
}

SIM_VoterType* SIM_VoterType::AtIndex(size_t index)
{
    const auto& groups = GroupsByIndex();
    return index < groups.size() ? groups[index] : nullptr;
}

SIM_VoterType::SIM_VoterType() : mIndex(TakeIndex(this))
{
    SetType(NEURON_VOTERTYPE);
    SetCombination(COMBINE_SUM);
    mShare.SetOwnedByParent();
}

SIM_VoterType::~SIM_VoterType()
{
    // Every voter forgets this group, so that a group taking the index later
    // starts with no links and no members.
    VoterGroupLinks::Get().ClearColumn(mIndex);
    FreeIndex(mIndex);
}

float SIM_VoterType::Recalculate() { return Neuron::Recalculate(); }

void SIM_VoterType::SetNames(const std::string& name, const std::string& guiName)
{
    SetName(name);
    SetDisplayName(guiName);
    mFrequency.SetName(name + "_freq");
    mFrequency.SetDisplayName(guiName + " " + translate("VOTERFREQ_MEMBERSHIP"));
    mShare.SetName(name + "_perc");
    mShare.SetDisplayName(name + " (" + translate("VOTER_TYPE_QUANTITY") + ")");
}

float SIM_VoterType::AffinityFor(const SIM_VoterType* group) const
{
    if (!group || group == this)
        return 0.0f;
    for (const auto& affinity : Affinities)
        if (affinity.first == group->GetName())
            return affinity.second;
    return 0.0f;
}

void SIM_VoterType::SetInitialShare(float share)
{
    ASSERT_CHECK(share >= 0.0f && share <= 1.0f);
    mShare.SetBaseValue(share);
    mShare.SetValue(share);
}

bool SIM_VoterType::HasMember(const SIM_Voter* voter) const { return voter && voter->IsMemberOf(this); }

void SIM_VoterType::AddMember(SIM_Voter* voter)
{
    ASSERT_CHECK(voter != nullptr);
    if (!voter)
        return;
    VoterGroupLinks& links = VoterGroupLinks::Get();
    if (links.IsMember(voter->Row(), mIndex))
        return;
    links.SetMemberSlot(voter->Row(), mIndex, static_cast<uint32_t>(mMembers.size()));
    mMembers.push_back(voter);
    ++mMemberCount;
}

void SIM_VoterType::RemoveMember(SIM_Voter* voter)
{
    ASSERT_CHECK(voter != nullptr);
    if (!voter)
        return;
    VoterGroupLinks& links = VoterGroupLinks::Get();
    uint32_t slot = links.MemberSlot(voter->Row(), mIndex);
    if (slot == VoterGroupLinks::kNotMember)
        return;
    DropMemberSlot(slot);
    links.SetMemberSlot(voter->Row(), mIndex, VoterGroupLinks::kNotMember);
}

void SIM_VoterType::DropMemberSlot(size_t slot)
{
    if (slot >= mMembers.size() || !mMembers[slot])
        return;
    mMembers[slot] = nullptr;
    ++mHoles;
    --mMemberCount;
    if (mMemberCount == 0) {
        mMembers.clear();
        mHoles = 0;
    } else if (mHoles > mMemberCount + 64) {
        // Voters that leave and rejoin every turn (the income groups) would
        // otherwise grow the list without end when nobody reads it.
        CompactMembers();
    }
}

void SIM_VoterType::CompactMembers() const
{
    if (mHoles == 0)
        return;
    VoterGroupLinks& links = VoterGroupLinks::Get();
    size_t out = 0;
    for (SIM_Voter* voter : mMembers) {
        if (!voter)
            continue;
        links.SetMemberSlot(voter->Row(), mIndex, static_cast<uint32_t>(out));
        mMembers[out++] = voter;
    }
    mMembers.resize(out);
    mHoles = 0;
}

void SIM_VoterType::ForgetAllMembers()
{
    mMembers.clear();
    mHoles = 0;
    mMemberCount = 0;
}

const std::vector<SIM_Voter*>& SIM_VoterType::Members() const
{
    CompactMembers();
    return mMembers;
}

void SIM_VoterType::SetMembership(SIM_Voter* voter, float weight)
{
    SetMembership(voter, weight, GetTuningValue("VOTER_GROUP_MEMBERSHIP_THRESHHOLD", 0.0f));
}

void SIM_VoterType::SetMembership(SIM_Voter* voter, float weight, float threshold)
{
    ASSERT_CHECK(voter != nullptr);
    if (!voter)
        return;
    SetMembershipAt(voter, voter->Row(), weight, threshold);
}

void SIM_VoterType::SetMembershipAt(SIM_Voter* voter, uint32_t row, float weight, float threshold)
{
    VoterGroupLinks& links = VoterGroupLinks::Get();
    links.SetWeight(row, mIndex, weight);
    uint32_t slot = links.MemberSlot(row, mIndex);
    if (weight > threshold) {
        if (slot == VoterGroupLinks::kNotMember) {
            links.SetMemberSlot(row, mIndex, static_cast<uint32_t>(mMembers.size()));
            mMembers.push_back(voter);
            ++mMemberCount;
        }
    } else if (slot != VoterGroupLinks::kNotMember) {
        DropMemberSlot(slot);
        links.SetMemberSlot(row, mIndex, VoterGroupLinks::kNotMember);
    }
}

void SIM_VoterType::RestoreTie(SIM_Voter* voter, bool linked, float weight, bool member)
{
    if (!linked && !member)
        return;
    VoterGroupLinks::Tie tie;
    if (linked) {
        tie.weight = weight;
        tie.slotAndLink |= VoterGroupLinks::Tie::kLinked;
    }
    if (member) {
        tie.slotAndLink = (tie.slotAndLink & VoterGroupLinks::Tie::kLinked) | static_cast<uint32_t>(mMembers.size());
        mMembers.push_back(voter);
        ++mMemberCount;
    }
    VoterGroupLinks::Get().SetTie(voter->Row(), mIndex, tie);
}

void SIM_VoterType::AddMembershipLinks()
{
    std::vector<uint32_t> rows;
    rows.reserve(SIM_Voter::PopulationCount());
    for (SIM_Voter* voter : SIM_Voter::Population())
        rows.push_back(voter->Row());
    AddMembershipLinks(rows);
}

void SIM_VoterType::AddMembershipLinks(const std::vector<uint32_t>& rows)
{
    const auto& population = SIM_Voter::Population();
    int populationSize = SIM_VoterManager::Get().PopulationSize();
    long target = static_cast<long>(mShare.GetValue() * static_cast<float>(populationSize));
    if (target <= 0)
        return;
    float threshold = VoterTuning::Read().membershipThreshold;

    // How much each group pulls its members towards this one, by group index,
    // so that scoring a voter costs one look-up per group it belongs to.
    const VoterGroupLinks& links = VoterGroupLinks::Get();
    const size_t columns = links.Columns();
    std::vector<float> pull(columns, 0.0f);
    std::vector<uint8_t> pulls(columns, 0);
    for (SIM_VoterType* other : SIM_VoterManager::Get().VoterTypes()) {
        if (other->Index() < columns) {
            pull[other->Index()] = other->AffinityFor(this);
            pulls[other->Index()] = 1;
        }
    }

    std::vector<float> score(population.size(), 0.0f);
    // Column by column: each walk reads one array in voter order. The sums
    // still add the groups in index order for each voter; a group that pulls
    // nothing would add 0, which changes no sum.
    for (size_t index = 0; index < columns; ++index) {
        if (!pulls[index] || pull[index] == 0.0f)
            continue;
        const VoterGroupLinks::Tie* ties = links.Column(index);
        for (size_t i = 0; i < population.size(); ++i)
            if (ties[rows[i]].Member())
                score[i] += pull[index];
    }

    // Highest score first, ties in population order, as one integer key per
    // voter: the score's bits turned so that a larger score gives a smaller
    // key, then the position in the population.
    std::vector<uint64_t> order(population.size());
    for (size_t i = 0; i < population.size(); ++i) {
        float value = score[i] + Rand01();
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        if (value == 0.0f)
            bits = 0;  // -0 and +0 tie
        uint32_t ascending = (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
        order[i] = (static_cast<uint64_t>(~ascending) << 32) | static_cast<uint64_t>(i);
    }

    // Only as many as are taken need sorting: the rest is put in order a
    // chunk at a time, should a weight at exactly the threshold leave a place open.
    bool everybody = GetName() == kAllGroupName;
    VoterGroupLinks::Get().EnsureColumn(mIndex);
    const VoterGroupLinks::Tie* ties = links.Column(mIndex);
    constexpr size_t kAhead = 16;
    size_t sorted = 0;
    for (size_t next = 0; next < order.size() && mMemberCount < target; ++next) {
        if (next == sorted) {
            size_t wanted = std::max<size_t>(static_cast<size_t>(target - mMemberCount), 64);
            size_t end = std::min(order.size(), sorted + wanted);
            if (end < order.size())
                std::nth_element(order.begin() + sorted, order.begin() + end, order.end());
            std::sort(order.begin() + sorted, order.begin() + end);
            sorted = end;
        }
            // The voters come in random order: ask for their row and pointer well
        // ahead, then, once the row is at hand, for their tie.
        if (next + 2 * kAhead < sorted) {
            size_t later = order[next + 2 * kAhead] & 0xffffffffu;
            __builtin_prefetch(&rows[later], 0);
            __builtin_prefetch(&population[later], 0);
        }
        if (next + kAhead < sorted)
            __builtin_prefetch(&ties[rows[order[next + kAhead] & 0xffffffffu]], 1);
        uint32_t position = static_cast<uint32_t>(order[next] & 0xffffffffu);
        SetMembershipAt(population[position], rows[position], everybody ? 1.0f : RandRange(threshold, 1.0f), threshold);
    }
}

float SIM_VoterType::MembershipShare() const
{
    int populationSize = SIM_VoterManager::Get().PopulationSize();
    if (populationSize <= 0)
        return 0.0f;
    return static_cast<float>(mMemberCount) / static_cast<float>(populationSize);
}

float SIM_VoterType::Happiness01() const
{
    return ClampZeroToOne((GetValue() + 1.0f) * 0.5f);
}

SIM_Voter* SIM_VoterType::RandomMember() const
{
    if (mMemberCount == 0)
        return nullptr;
    const auto& members = Members();
    return members[RandomIndex(members.size())];
}

void SIM_VoterType::UpdateTurn()
{
    // The base value follows too, or the next recalculation would bring the
    // initial share back.
    float share = MembershipShare();
    mShare.SetBaseValue(share);
    mShare.SetValue(share);
    mShare.Propagate();
    mShare.SetHistory(0, share);

    if (LastCount == kNoCount || LastCount == mMemberCount)
        Trend = TREND_UNCHANGED;
    else if (LastCount < mMemberCount)
        Trend = TREND_INCREASING;
    else
        Trend = TREND_DECREASING;
    if (LastCount != kNoCount)
        Change = static_cast<int>(mMemberCount) - static_cast<int>(LastCount);
    LastCount = mMemberCount;
    CheckPolicyGrudges();
}

// A policy that hurts the group badly earns a grudge, renewed while it hurts
// and fading after it stops.
void SIM_VoterType::CheckPolicyGrudges()
{
    constexpr float kHurtsBadly = -0.7f;
    constexpr float kGrudge = -0.1f;
    constexpr float kGrudgeDecay = 0.9f;
    std::vector<std::string> hurting;
    for (NeuralEffect* effect : Incoming()) {
        Neuron* source = effect->GetSource();
        if (!source || source->GetType() != NEURON_POLICY || !source->IsActive())
            continue;
        if (effect->GetOutput() < kHurtsBadly)
            hurting.push_back(source->GetName());
    }
    // Creating a grudge adds an input, so the list is walked first.
    for (const std::string& policy : hurting) {
        if (SIM_Grudge* grudge = SIM_Grudge::FindGrudge(this, policy))
            grudge->SetValue(kGrudge);
        else
            SIM_Grudge::CreateNamedGrudge(policy, GetName(), kGrudge, kGrudgeDecay);
    }
}

void SIM_VoterType::Poll()
{
    unsigned forPlayer = 0;
    unsigned voted = 0;
    for (SIM_Voter* voter : Members()) {
        if (voter->LastVote == SIM_Voter::VOTE_PLAYER)
            ++forPlayer;
        if (voter->LastVote != SIM_Voter::VOTE_ABSTAIN)
            ++voted;
    }
    // A group where nobody voted shows no share rather than a division by zero.
    PollShareForPlayer = voted > 0 ? static_cast<float>(forPlayer) / static_cast<float>(voted) : 0.0f;
    PollTurnout = mMemberCount > 0 ? static_cast<float>(voted) / static_cast<float>(mMemberCount) : 0.0f;
}
