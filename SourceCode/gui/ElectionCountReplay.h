#pragma once

// The results window's running count of an election the model has already
// counted: a few voters a frame, each category growing in proportion, so the
// figures on screen never pass the final ones, never go down, and end
// exactly on the model's result.
class ElectionCountReplay {
public:
    ElectionCountReplay(unsigned playerVotes, unsigned oppositionVotes, unsigned abstentions);

    // Counts up to n more voters.
    void Advance(unsigned n);
    void Finish() { mCounted = Total(); }
    bool Finished() const { return mCounted >= Total(); }

    unsigned Total() const { return mPlayer + mOpposition + mAbstentions; }
    // Voters taken so far (the figures below add up to at most this).
    unsigned Counted() const { return mCounted; }
    unsigned PlayerVotes() const { return Share(mPlayer); }
    unsigned OppositionVotes() const { return Share(mOpposition); }
    unsigned Abstentions() const { return Share(mAbstentions); }
    // Counted so far / all voters; 1 when there is nobody to count.
    float Progress() const;

private:
    unsigned Share(unsigned final) const;

    unsigned mPlayer;
    unsigned mOpposition;
    unsigned mAbstentions;
    unsigned mCounted = 0;
};
