#pragma once
#include <string>
#include <vector>

#include "politics/Achievement.h"

// The achievements and the player's profile: which were achieved, and the runs
// of first-election wins and losses, per mission, in "ach.jad" in the user
// folder. A profile left in the program's data folder by an older build is
// read while the user folder has none.
class AchievementList {
public:
    static constexpr const char* kFile = "data/simulation/achievements.csv";
    static constexpr const char* kProfileName = "ach.jad";

    static AchievementList& Get();

    // Every achievement of the table, none achieved; a missing file is fatal.
    void LoadAchievements(const std::string& path = kFile);
    void DeleteAllAchievements() { mAchievements.clear(); }
    // The current mission's section of the profile.
    void LoadProfile();
    // Atomically; false (logged) when the file cannot be written, the old one kept.
    bool SaveProfile() const;
    // Awards the first achievement, in file order, that is due; at most one a turn.
    const Achievement* CheckAchievements();
    void ResetAchievements();
    void RecordWin();
    void RecordLoss();

    int ConsecutiveWins() const { return mConsecutiveWins; }
    int ConsecutiveLosses() const { return mConsecutiveLosses; }
    const std::vector<Achievement>& Achievements() const { return mAchievements; }

    // "<user folder>/ach.jad"; "" before the user folders exist.
    static std::string ProfilePath();
    // The profile section: the mission's file name ("" without a mission).
    static std::string ProfileSection();

private:
    AchievementList() = default;

    std::vector<Achievement> mAchievements;
    int mConsecutiveWins = 0;
    int mConsecutiveLosses = 0;
};
