#pragma once
#include <cstddef>

// The count of one election: every voter of the population decides its vote
// in turn. The results window counts a few voters each frame; the headless
// game counts them all at once. Both decide the result the same way.
class ElectionCount {
public:
    enum Vote { VOTE_PLAYER = 0, VOTE_OPPOSITION = 1, VOTE_ABSTAIN = 2 };
    // Voters the results window counts per frame.
    static constexpr size_t kVotersPerFrame = 5;

    // Where the votes come from: the number of voters, and the decision of
    // the voter at a position (its vote and its voting preference).
    class Electorate {
    public:
        virtual ~Electorate() = default;
        virtual size_t Size() const = 0;
        virtual void Decide(size_t index, int& lastVote, float& preference) const = 0;
    };
    // The game's population, each voter deciding as it is counted.
    static const Electorate& Population();

    explicit ElectionCount(const Electorate& electorate = Population()) : mElectorate(&electorate) {}

    // Back to nothing counted, starting at the first voter.
    void Reset();
    // Counts up to n more voters of the population; true when all are counted.
    bool CountNext(size_t n);
    void CountAll();
    bool IsFinished() const;

    // One decided vote (what CountNext does for each voter).
    void AddVote(int lastVote, float votingPreference);

    unsigned PlayerVotes() const { return mPlayerVotes; }
    unsigned OppositionVotes() const { return mOppositionVotes; }
    unsigned Abstentions() const { return mAbstentions; }
    unsigned Supporters() const { return mSupporters; }
    unsigned Opponents() const { return mOpponents; }
    unsigned Counted() const { return mCounted; }
    size_t NextVoter() const { return mNextVoter; }
    // Voters who turned out / voters counted (0 before any is counted).
    float Turnout() const;

    float Share() const { return ShareOf(mPlayerVotes, mOppositionVotes); }
    bool PlayerWon() const { return IsVictory(mPlayerVotes, mOppositionVotes); }

    // The player's share of the votes cast for a party; 0 when nobody voted.
    static float ShareOf(unsigned playerVotes, unsigned oppositionVotes);
    // The one rule for the result shown and the result counted: the player
    // stays in office with at least as many votes as the opposition (a tie
    // keeps the government in), and loses when nobody voted for either party.
    static bool IsVictory(unsigned playerVotes, unsigned oppositionVotes);

private:
    const Electorate* mElectorate;
    unsigned mPlayerVotes = 0;
    unsigned mOppositionVotes = 0;
    unsigned mAbstentions = 0;
    unsigned mSupporters = 0;
    unsigned mOpponents = 0;
    unsigned mCounted = 0;
    size_t mNextVoter = 0;
};
