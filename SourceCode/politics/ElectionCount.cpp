#include "politics/ElectionCount.h"

#include "politics/SIM_Voter.h"

namespace {
class PopulationElectorate : public ElectionCount::Electorate {
public:
    size_t Size() const override { return SIM_Voter::PopulationCount(); }
    void Decide(size_t index, int& lastVote, float& preference) const override
    {
        SIM_Voter* voter = SIM_Voter::Population()[index];
        voter->DecideVote();
        lastVote = voter->LastVote;
        preference = voter->VotingPreference();
    }
};
}  // namespace

const ElectionCount::Electorate& ElectionCount::Population()
{
    static const PopulationElectorate population;
    return population;
}

bool ElectionCount::CountNext(size_t n)
{
    size_t size = mElectorate->Size();
    for (size_t i = 0; i < n && mNextVoter < size; ++i, ++mNextVoter) {
        int vote = VOTE_ABSTAIN;
        float preference = 0.0f;
        mElectorate->Decide(mNextVoter, vote, preference);
        AddVote(vote, preference);
    }
    return mNextVoter >= size;
}

bool ElectionCount::IsFinished() const { return mNextVoter >= mElectorate->Size(); }

void ElectionCount::Reset() { *this = ElectionCount(*mElectorate); }

void ElectionCount::AddVote(int lastVote, float votingPreference)
{
    if (lastVote == VOTE_PLAYER)
        ++mPlayerVotes;
    else if (lastVote == VOTE_OPPOSITION)
        ++mOppositionVotes;
    else
        ++mAbstentions;
    if (votingPreference >= 0.5f)
        ++mSupporters;
    else
        ++mOpponents;
    ++mCounted;
}

void ElectionCount::CountAll()
{
    while (!CountNext(static_cast<size_t>(-1) / 2)) {
    }
}

float ElectionCount::Turnout() const
{
    if (mCounted == 0)
        return 0.0f;
    return static_cast<float>(mPlayerVotes + mOppositionVotes) / static_cast<float>(mCounted);
}

float ElectionCount::ShareOf(unsigned playerVotes, unsigned oppositionVotes)
{
    unsigned cast = playerVotes + oppositionVotes;
    if (cast == 0)
        return 0.0f;
    return static_cast<float>(playerVotes) / static_cast<float>(cast);
}

bool ElectionCount::IsVictory(unsigned playerVotes, unsigned oppositionVotes)
{
    return playerVotes + oppositionVotes > 0 && playerVotes >= oppositionVotes;
}
