#include "politics/SIM_Party.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "politics/PartyNames.h"
#include "sim/Clamp.h"

namespace {
std::vector<SIM_Party*>& PartyList()
{
    static std::vector<SIM_Party*> parties;
    return parties;
}
SIM_Party* gPlayersParty = nullptr;
SIM_Party* gOpposition = nullptr;
}  // namespace

SIM_Party::SIM_Party(bool playersParty) : mPlayersParty(playersParty)
{
    mNeuron.SetOwnedByParent();
    if (playersParty)
        mNeuron.SetName(kPlayersPartyNeuron);
    PartyList().push_back(this);
}

SIM_Party::~SIM_Party()
{
    auto& list = PartyList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (gPlayersParty == this)
        gPlayersParty = nullptr;
    if (gOpposition == this)
        gOpposition = nullptr;
}

void SIM_Party::AddMember(SIM_Voter* voter)
{
    ASSERT_CHECK(voter != nullptr);
    if (!voter || HasMember(voter))
        return;
    mMembers.Add(voter);
}

void SIM_Party::RemoveMember(SIM_Voter* voter)
{
    if (voter && HasMember(voter))
        mMembers.Remove(voter);
}

void SIM_Party::ForgetMembers() { mMembers.Clear(); }

bool SIM_Party::HasMember(const SIM_Voter* voter) const
{
    const auto& slots = mMembers.Slots();
    size_t slot = voter->mPartySlot;
    return slot < slots.size() && slots[slot] == voter;
}

void SIM_Party::UpdateTurn(size_t voterCount)
{
    float members = static_cast<float>(mMembers.Size());
    float voters = static_cast<float>(voterCount);
    if (voterCount == 0) {
        mTurnoutPull = 0.0f;
        mNeuron.SetBaseValue(0.0f);
    } else {
        // A party whose members are a fifth of the population has full pull.
        mTurnoutPull = ClampZeroToOne(members / (voters / 5.0f));
        mNeuron.SetBaseValue(members / voters);
    }
    unsigned count = MemberCount();
    if (mLastCount > count)
        mStatus = STATUS_DECREASING;
    else if (mLastCount < count)
        mStatus = STATUS_INCREASING;
    else
        mStatus = STATUS_UNCHANGED;
    mLastCount = count;
}

void SIM_Party::CreateParties()
{
    DeleteParties();
    PartyNames::Get().Load();
    gPlayersParty = new SIM_Party(true);
    gOpposition = new SIM_Party(false);
}

void SIM_Party::NameParties(const std::string& playerName, const std::string& oppositionName)
{
    SIM_Party* player = GetPlayersParty();
    SIM_Party* opposition = GetOppositionParty();
    if (!player || !opposition)
        return;
    player->SetName(!playerName.empty() ? playerName : RandomPartyName());
    if (!oppositionName.empty() && oppositionName != player->Name())
        opposition->SetName(oppositionName);
    else
        opposition->SetName(RandomPartyName());
}

void SIM_Party::DeleteParties()
{
    // The members are not touched: game setup deletes the population first.
    delete gPlayersParty;
    delete gOpposition;
    gPlayersParty = nullptr;
    gOpposition = nullptr;
}

const std::vector<SIM_Party*>& SIM_Party::AllParties() { return PartyList(); }

SIM_Party* SIM_Party::GetPlayersParty()
{
    ASSERT_CHECK(gPlayersParty != nullptr);
    return gPlayersParty;
}

SIM_Party* SIM_Party::GetOppositionParty()
{
    ASSERT_CHECK(gOpposition != nullptr);
    return gOpposition;
}

std::string SIM_Party::RandomPartyName() { return PartyNames::Get().RandomName(); }

void SIM_Party::UpdateParties(size_t voterCount)
{
    for (SIM_Party* party : PartyList())
        party->UpdateTurn(voterCount);
}

void SIM_Party::UpdateParties() { UpdateParties(SIM_Voter::PopulationCount()); }

SIM_Party* SIM_Party::FromID(PartyID id)
{
    if (id == PARTY_PLAYER)
        return gPlayersParty;
    if (id == PARTY_OPPOSITION)
        return gOpposition;
    return nullptr;
}
