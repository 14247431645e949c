#pragma once
#include <array>

// The government's standing, polled once a turn over the whole population:
// approval (the mean opinion of the government) and vote share (the share of
// voters who support it), with twenty turns of history each (newest first)
// and the best values seen.
class OpinionPoll {
public:
    static constexpr int kHistorySize = 20;
    // On the first poll of a game the histories are filled around the first
    // figures, each entry off by at most this much.
    static constexpr float kFirstPollSpread = 0.02f;

    static OpinionPoll& Get();

    // Polls the population and records the result (see Record). With no
    // voters nothing is known, and both figures stay as they were.
    void Take();
    // Records a poll: feeds "_winning_" (value = approval, base = vote share),
    // fills the histories on the first poll of a game (while the network is
    // initialising), shifts them and raises the bests.
    void Record(float approval, float voteShare);

    float Approval() const { return mApproval; }
    float VoteShare() const { return mVoteShare; }
    float ApprovalHistory(int turnsAgo) const { return mApprovalHistory[turnsAgo]; }
    float VoteShareHistory(int turnsAgo) const { return mVoteShareHistory[turnsAgo]; }
    float BestApproval() const { return mBestApproval; }
    float BestVoteShare() const { return mBestVoteShare; }

    // Back to the state at program start (0.5, empty histories, no bests).
    void Reset();
    // For save games.
    void SetApprovalHistory(int turnsAgo, float value) { mApprovalHistory[turnsAgo] = value; }
    void SetVoteShareHistory(int turnsAgo, float value) { mVoteShareHistory[turnsAgo] = value; }
    void SetBests(float approval, float voteShare)
    {
        mBestApproval = approval;
        mBestVoteShare = voteShare;
    }
    void SetCurrent(float approval, float voteShare)
    {
        mApproval = approval;
        mVoteShare = voteShare;
    }

private:
    float mApproval = 0.5f;
    float mVoteShare = 0.5f;
    std::array<float, kHistorySize> mApprovalHistory{};
    std::array<float, kHistorySize> mVoteShareHistory{};
    float mBestApproval = 0.0f;
    float mBestVoteShare = 0.0f;
};
