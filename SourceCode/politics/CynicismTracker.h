#pragma once
#include <string>
#include <vector>

// How cynical voters have grown about tax moves timed around elections: cuts
// just before one, rises just after. Every voter subtracts the value from its
// opinion of the government. It rises in fixed steps and decays each turn.
class CynicismTracker {
public:
    static constexpr float kRaise = 0.18f;
    static constexpr float kDecay = 0.98f;
    // Both windows are this many months wide.
    static constexpr int kWindowMonths = 9;
    // Before this turn the game is too young to have had an election.
    static constexpr int kFirstPostElectionTurn = 6;

    static CynicismTracker& Get();

    // Value 0 and the tax names listed afresh.
    void Reset();
    float GetValue() const { return mValue; }
    void SetValue(float value) { mValue = value; }  // a saved game
    // The per-turn step, after the election check.
    void UpdateTurn();
    // The player introduced or cancelled a policy.
    void OnPolicyIntroduced(const std::string& policyName);
    void OnPolicyCancelled(const std::string& policyName);

    bool IsTax(const std::string& policyName) const;
    const std::vector<std::string>& TaxNames() const { return mTaxNames; }

private:
    CynicismTracker() { Reset(); }
    void Raise();
    bool PreElectionWindow() const;
    bool PostElectionWindow() const;
    // Some tax slider moved, over the threshold, the given way since two turns back.
    bool AnyTaxMoved(bool up) const;

    float mValue = 0.0f;
    std::vector<std::string> mTaxNames;
};
