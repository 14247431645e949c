#pragma once

// The political capital the player spends on introducing policies: what the
// cabinet yields per turn and what is available now. The cabinet computes the
// per-turn yield from its ministers and hands it over with SetPerTurn.
class PoliticalCapital {
public:
    int PerTurn() const { return mPerTurn; }
    int Available() const { return mAvailable; }
    void SetPerTurn(int points) { mPerTurn = points; }
    void SetAvailable(int points) { mAvailable = points < 0 ? 0 : points; }

    // Never leaves less than 0.
    void SpendCapital(int points);
    // Once per turn: the yield is added, capped at three turns' worth.
    void TurnCapital();
    // Game setup: one turn's worth.
    void StartCapital() { mAvailable = mPerTurn; }
    void ResetCapital();

private:
    int mPerTurn = 0;
    int mAvailable = 0;
};

PoliticalCapital& GetPoliticalCapital();
