#include "gui/ElectionCountReplay.h"

ElectionCountReplay::ElectionCountReplay(unsigned playerVotes, unsigned oppositionVotes, unsigned abstentions)
    : mPlayer(playerVotes), mOpposition(oppositionVotes), mAbstentions(abstentions)
{
}

void ElectionCountReplay::Advance(unsigned n)
{
    const unsigned left = Total() - mCounted;
    mCounted += n < left ? n : left;
}

unsigned ElectionCountReplay::Share(unsigned final) const
{
    const unsigned total = Total();
    if (total == 0)
        return 0;
    // Rounded down in 64 bits: never more than the final figure, exact at the end.
    return static_cast<unsigned>(static_cast<unsigned long long>(final) * mCounted / total);
}

float ElectionCountReplay::Progress() const
{
    const unsigned total = Total();
    return total == 0 ? 1.0f : static_cast<float>(mCounted) / static_cast<float>(total);
}
