#include "sim/PoliticalCapital.h"

void PoliticalCapital::SpendCapital(int points)
{
    mAvailable -= points;
    if (mAvailable < 0)
        mAvailable = 0;
}

void PoliticalCapital::TurnCapital()
{
    mAvailable += mPerTurn;
    if (mAvailable > 3 * mPerTurn)
        mAvailable = 3 * mPerTurn;
}

void PoliticalCapital::ResetCapital()
{
    mPerTurn = 0;
    mAvailable = 0;
}

PoliticalCapital& GetPoliticalCapital()
{
    static PoliticalCapital capital;
    return capital;
}
