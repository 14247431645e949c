#pragma once
#include <string>
#include <utility>
#include <vector>

// The promises the player makes before an election. Each pledge is about one
// neuron: raise it by a fraction, lower it by a fraction, or cancel the policy.
// Pledges chosen before an election come into force when it is over; while one
// in force is broken, voters think worse of the government near the next one.
class SIM_Manifesto {
public:
    static constexpr const char* kFile = "data/manifesto.csv";
    enum Kind { KIND_RAISE = 0, KIND_LOWER = 1, KIND_CANCEL = 2 };

    struct PledgeType {
        std::string Name;
        std::string NeuronName;
        float Change = 0.0f;
        int Kind = KIND_RAISE;
    };
    struct Pledge {
        const PledgeType* type = nullptr;
        float Initial = 0.0f;
        // (1 + Change) x Initial, within 0..1.
        float Target() const;
    };

    static SIM_Manifesto& Get();
    virtual ~SIM_Manifesto() = default;

    // At program start; a missing file or a bad kind is fatal.
    void LoadPledgeTypes(const std::string& path = kFile);
    // A new game: no pledges, nothing broken.
    void ClearManifesto();
    const std::vector<PledgeType>& PledgeTypes() const { return mTypes; }
    const PledgeType* FindPledgeType(const std::string& name) const;
    // A cancel pledge only while its policy is in force.
    bool IsAvailable(const PledgeType& type) const;
    // For the next term; false (traced) when the neuron is missing.
    bool ChoosePledge(const PledgeType& type);
    // The pledges for the next term come into force.
    void StartTerm();
    // Per turn: whether every pledge in force is kept.
    void CheckPledges();
    // The election tells the player how each pledge in force fared.
    void JudgeAtElection() const;
    bool IsKept(const Pledge& pledge) const;
    float Progress(const PledgeType& type) const;

    bool AllKept() const { return mAllKept; }
    // What a broken pledge costs each voter's opinion (MANIFESTO_BROKEN_PENALTY as last loaded).
    float Penalty() const { return mPenalty; }
    const std::vector<Pledge>& Live() const { return mLive; }
    const std::vector<Pledge>& NextTerm() const { return mNextTerm; }
    // A saved game's manifesto, as it stood.
    void Restore(std::vector<Pledge> live, std::vector<Pledge> nextTerm, bool allKept, float penalty)
    {
        mLive = std::move(live);
        mNextTerm = std::move(nextTerm);
        mAllKept = allKept;
        mPenalty = penalty;
    }

private:
    SIM_Manifesto() = default;

    std::vector<PledgeType> mTypes;
    std::vector<Pledge> mLive;
    std::vector<Pledge> mNextTerm;
    bool mAllKept = true;
    float mPenalty = 0.1f;
};
