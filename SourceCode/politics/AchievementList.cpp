#include "politics/AchievementList.h"

#include <cmath>

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/UserFolders.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "sim/Presentation.h"
#include "sim/RecordLine.h"

namespace {
// Where an older build kept the profile, in the program folder.
constexpr const char* kOldProfile = "data/ach.jad";

int Counter(const IniSection& section, const std::string& key)
{
    float value = section.GetFloat(key, 0.0f);
    return std::isfinite(value) ? static_cast<int>(value) : 0;
}
}  // namespace

AchievementList& AchievementList::Get()
{
    static AchievementList list;
    return list;
}

std::string AchievementList::ProfilePath()
{
    const std::string& folder = UserFolders::Get().UserFolder();
    return folder.empty() ? std::string() : folder + "/" + kProfileName;
}

std::string AchievementList::ProfileSection() { return PlatformFiles::FileNameOf(SIM_Mission::Get().FilePath()); }

void AchievementList::LoadAchievements(const std::string& path)
{
    mAchievements.clear();
    std::vector<RecordLine> records;
    if (!RecordLine::ReadTable(path, 1, records))
        FATAL_ERROR("Achievements file not found");
    for (const RecordLine& record : records)
        mAchievements.push_back(Achievement::Read(record));
}

void AchievementList::LoadProfile()
{
    std::string path = ProfilePath();
    if (path.empty() || !PlatformFiles::Exists(path))
        path = kOldProfile;
    // Without a mission there is no section: a clean slate.
    IniSection section;
    if (ProfileSection().size() >= 2)
        section.Load(ProfileSection(), path);
    mConsecutiveLosses = Counter(section, "ConsecutiveLosses");
    mConsecutiveWins = Counter(section, "ConsecutiveWins");
    for (Achievement& achievement : mAchievements)
        achievement.Achieved = section.GetInt(achievement.Id) != 0;
}

bool AchievementList::SaveProfile() const
{
    const std::string mission = ProfileSection();
    const std::string path = ProfilePath();
    if (mission.size() < 2 || path.empty())
        return false;
    // The other missions' sections stay as they were.
    std::string text;
    const std::string source = PlatformFiles::Exists(path) ? path : kOldProfile;
    for (const std::string& name : IniSection::SectionNames(source)) {
        if (name == mission)
            continue;
        IniSection other;
        other.Load(name, source);
        text += other.ToText();
    }
    IniSection own;
    own.LoadFromText(mission, "");
    own.Add("ConsecutiveLosses", NumberText::FormatInt(mConsecutiveLosses));
    own.Add("ConsecutiveWins", NumberText::FormatFixed(mConsecutiveWins, 6));
    for (const Achievement& achievement : mAchievements)
        own.Add(achievement.Id, achievement.Achieved ? "1" : "0");
    text += own.ToText();
    std::string error;
    if (!PlatformFiles::WriteFileAtomically(path, text, &error)) {
        TRACE_MESSAGE("the profile was not saved: " + error);
        return false;
    }
    return true;
}

const Achievement* AchievementList::CheckAchievements()
{
    for (Achievement& achievement : mAchievements) {
        if (achievement.Achieved || !achievement.AllConditionsHold())
            continue;
        achievement.Achieved = true;
        Presentation::Current().ShowAchievement(achievement.Id, achievement.Texts[0]);
        SaveProfile();
        return &achievement;
    }
    return nullptr;
}

void AchievementList::ResetAchievements()
{
    for (Achievement& achievement : mAchievements)
        achievement.Achieved = false;
    SaveProfile();
}

void AchievementList::RecordWin()
{
    ++mConsecutiveWins;
    mConsecutiveLosses = 0;
    SaveProfile();
}

void AchievementList::RecordLoss()
{
    ++mConsecutiveLosses;
    mConsecutiveWins = 0;
    SaveProfile();
}
