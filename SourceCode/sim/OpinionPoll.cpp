#include "sim/OpinionPoll.h"

#include "gamedata/SpecialNeurons.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SimRandom.h"
#include "politics/OpinionInputs.h"
#include "politics/SIM_Voter.h"

OpinionPoll& OpinionPoll::Get()
{
    static OpinionPoll poll;
    return poll;
}

void OpinionPoll::Reset() { *this = OpinionPoll(); }

void OpinionPoll::Take()
{
    const std::vector<SIM_Voter*>& voters = SIM_Voter::Population();
    if (voters.empty()) {
        Record(mApproval, mVoteShare);
        return;
    }
    OpinionFactors factors = OpinionFactors::Take();
    double opinionSum = 0.0;
    size_t supporters = 0;
    for (SIM_Voter* voter : voters) {
        opinionSum += voter->OpinionOfGovernment(factors);
        if (voter->SupportsGovernment(factors))
            ++supporters;
    }
    double n = static_cast<double>(voters.size());
    Record(static_cast<float>(opinionSum / n), static_cast<float>(static_cast<double>(supporters) / n));
}

void OpinionPoll::Record(float approval, float voteShare)
{
    mApproval = approval;
    mVoteShare = voteShare;
    if (Neuron* winning = SpecialNeurons::Winning()) {
        winning->SetValue(approval);
        winning->SetBaseValue(voteShare);
        winning->Propagate();
    }
    if (NeuralEffect::IsInitialising()) {
        for (float& entry : mApprovalHistory)
            entry = approval + SimRandom::Float(-kFirstPollSpread, kFirstPollSpread);
        for (float& entry : mVoteShareHistory)
            entry = voteShare + SimRandom::Float(-kFirstPollSpread, kFirstPollSpread);
    }
    for (int i = kHistorySize - 1; i >= 1; --i) {
        mApprovalHistory[i] = mApprovalHistory[i - 1];
        mVoteShareHistory[i] = mVoteShareHistory[i - 1];
    }
    mApprovalHistory[0] = approval;
    mVoteShareHistory[0] = voteShare;
    if (approval > mBestApproval)
        mBestApproval = approval;
    if (voteShare > mBestVoteShare)
        mBestVoteShare = voteShare;
}
