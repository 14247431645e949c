#pragma once
#include <array>
#include <string>

#include "sim/Neuron.h"
#include "sim/PolicyGroupMinister.h"

class SIM_PolicyGroup;
class SIM_VoterType;

// A politician of the cabinet's pool. His value is how happy the two voter
// groups he sympathises with are; from it his loyalty moves, and a disloyal
// minister may resign. In office he makes his ministry's policies more
// effective by his suitability and experience. The cabinet owns him.
class SIM_Minister : public Neuron, public PolicyGroupMinister {
public:
    static constexpr int kJobCount = 7;
    static constexpr float kBaseValue = 0.25f;

    SIM_Minister(const std::string& forename, const std::string& surname, bool female);

    // Competence is experience; ability is suitability for the post.
    float Competence() const override { return mExperience; }
    float AbilityIn(int groupIndex) const override { return SuitabilityFor(groupIndex); }

    const std::string& Forename() const { return mForename; }
    const std::string& Surname() const { return mSurname; }
    std::string FullName() const { return mForename + " " + mSurname; }
    bool IsFemale() const { return mFemale; }
    const std::string& Portrait() const { return mPortrait; }
    void SetPortrait(const std::string& portrait) { mPortrait = portrait; }

    float Loyalty() const { return mLoyalty; }
    void SetLoyalty(float loyalty);
    float Volatility() const { return mVolatility; }
    void SetVolatility(float volatility) { mVolatility = volatility; }
    float Experience() const { return mExperience; }
    void SetExperience(float experience);
    int LastWarningTurn() const { return mLastWarningTurn; }
    void SetLastWarningTurn(int turn) { mLastWarningTurn = turn; }

    // 0 for an index outside the seven ministries.
    float SuitabilityFor(int ministry) const;
    void SetSuitabilities(const std::array<float, kJobCount>& suitabilities);
    // The three best ministries, best first; the earlier ministry wins ties.
    const std::array<int, 3>& PreferredJobs() const { return mPreferredJobs; }

    // Links the value to the two groups (an effect from each).
    void SetSympathies(SIM_VoterType* first, SIM_VoterType* second);
    SIM_VoterType* Sympathy1() const { return mSymp1; }
    SIM_VoterType* Sympathy2() const { return mSymp2; }
    bool SympathisesWith(const SIM_VoterType* group) const { return group && (group == mSymp1 || group == mSymp2); }

    SIM_PolicyGroup* Job() const { return mJob; }
    bool IsInOffice() const { return mJob != nullptr; }
    // Only the cabinet changes the post, with the slot and the boosts.
    void SetJob(SIM_PolicyGroup* job) { mJob = job; }

    // One turn in office: experience grows; loyalty rises or falls with the value.
    void LoyaltyStep();

private:
    std::string mForename;
    std::string mSurname;
    bool mFemale;
    std::string mPortrait = "minister1.bmp";
    float mLoyalty = 0.5f;
    float mVolatility = 1.0f;
    float mExperience = 0.4f;
    int mLastWarningTurn = 0;
    std::array<float, kJobCount> mSuitabilities{};
    std::array<int, 3> mPreferredJobs{0, 1, 2};
    SIM_VoterType* mSymp1 = nullptr;
    SIM_VoterType* mSymp2 = nullptr;
    SIM_PolicyGroup* mJob = nullptr;
};
