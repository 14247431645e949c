#pragma once
#include <string>
#include <vector>

class SIM_Policy;
class PolicyGroupMinister;

// One of the seven policy areas (foreign policy, welfare, ...): the policies in
// force in it, the minister in charge, and its place on the main screen.
class SIM_PolicyGroup {
public:
    static constexpr int kGroupCount = 7;
    // The seven names, in their fixed order.
    static const char* const kNames[kGroupCount];

    SIM_PolicyGroup(int index);

    // Back to the state of a new game: no policies, no minister.
    void Reset();

    int Index() const { return mIndex; }
    const std::string& Name() const { return mName; }
    // Where the group sits on the ring of the main screen, in degrees.
    float Angle() const { return mAngle; }
    // Localised "POLICY_NAME_<name>" and "GUI_CABINET_<name>".
    std::string Caption() const;
    std::string CabinetPost() const;

    // The active policies of the group, in introduction order.
    const std::vector<SIM_Policy*>& Policies() const { return mPolicies; }
    void AddPolicy(SIM_Policy* policy);
    void RemovePolicy(SIM_Policy* policy);

    // The cabinet minister in charge; null while the post is empty.
    PolicyGroupMinister* Minister() const { return mMinister; }
    void SetMinister(PolicyGroupMinister* minister) { mMinister = minister; }

    // 0.5 when no minister holds the post; otherwise 0.5 + 0.5 x competence x
    // ability in this area, within [0, 1].
    float MinisterialFactor() const;

    // How the voter groups feel about the group's active policies together,
    // weighted by their members: 0.5 neutral, 0 to 1. Computed at most once
    // per turn number.
    float Popularity(int turnNumber);
    // The same for the game's current turn.
    float Popularity();

private:
    int mIndex;
    std::string mName;
    float mAngle;
    std::vector<SIM_Policy*> mPolicies;
    PolicyGroupMinister* mMinister = nullptr;
    float mPopularity = 0.5f;
    int mPopularityTurn = -1;
    bool mPopularityKnown = false;
};
