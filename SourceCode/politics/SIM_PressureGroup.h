#pragma once
#include <string>
#include <vector>

class SIM_Voter;
class SIM_VoterType;

// An organisation of unhappy, militant voters drawn from a few voter groups.
// It grows in strength with its membership and spends that strength on attacks.
class SIM_PressureGroup {
public:
    static constexpr const char* kFile = "data/simulation/PressureGroups.csv";
    static constexpr size_t kMaxRequirements = 3;
    // Membership trend, as for parties.
    enum Trend { STATUS_INCREASING = 0, STATUS_DECREASING = 1, STATUS_UNCHANGED = 2 };

    struct Requirement {
        SIM_VoterType* group = nullptr;
        float weight = 0.0f;
    };

    virtual ~SIM_PressureGroup();

    // Deletes every group, then builds one per record of the file (a missing file gives none).
    static void LoadPressureGroups(const std::string& path = kFile);
    static void DeleteAllPressureGroups();
    static const std::vector<SIM_PressureGroup*>& All();
    // Fatal when no group has that name.
    static SIM_PressureGroup* FindPressureGroup(const std::string& name);
    // The voter's turn: leave or join each group, with h its opinion of the government.
    static void UpdateVoter(SIM_Voter& voter, float h);
    // Once per turn after the voter groups: strength, attacks queued, then one attack tried.
    static void UpdatePressureGroups();
    // After the warm-up turns nobody starts the game strong.
    static void StartUp();

    bool IsEligible(const SIM_Voter& voter) const;
    void AddMember(SIM_Voter* voter);
    void RemoveMember(SIM_Voter* voter);
    // A voter that is deleted leaves without costing strength.
    void ForgetMember(SIM_Voter* voter);
    // One group's part of the per-turn update.
    void UpdateTurn();
    // Members in people, in PRESSUREGROUP_DIVISOR units; "" below four members.
    std::string DisplayedMembership() const;
    // 0..1, for the intelligence report.
    float Threat() const;

    unsigned MemberCount() const { return static_cast<unsigned>(Members.size()); }
    SIM_VoterType* MainGroup() const { return Requirements.empty() ? nullptr : Requirements.front().group; }

    std::string Name;
    std::string GUIName;
    float RecruitBelow = 0.0f;
    float LeaveAbove = 0.0f;
    float JoinBelow = 0.0f;
    float MilitancyBar = 0.0f;
    float StrengthPerMember = 0.0f;
    std::string Texts[3];
    std::vector<Requirement> Requirements;
    std::vector<SIM_Voter*> Members;
    float Strength = 0.0f;
    bool Recruiting = false;
    int Status = STATUS_UNCHANGED;
    unsigned LastCount = 0;

private:
    // Out of the list in constant time; false when not a member.
    bool DropMember(SIM_Voter* voter);
};
