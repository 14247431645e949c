#include "sim/SIM_SituationManager.h"

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/SetupSection.h"
#include "sim/RecordLine.h"
#include "sim/SIM_Situation.h"

void SIM_SituationManager::LoadSituations()
{
    std::string table = GetTableLocation("situations");
    LoadSituations(table.empty() ? kDefaultTable : table, kModPattern);
}

void SIM_SituationManager::LoadSituations(const std::string& table, const std::string& modPattern)
{
    ASSERT_CHECK(mSituations.empty());
    std::vector<RecordLine> records;
    bool opened = RecordLine::ReadTableAndMods(table, modPattern, SIM_Situation::kMinRecordLength, records);
    ASSERT_CHECK(opened);
    for (const RecordLine& record : records)
        new SIM_Situation(record);
}

void SIM_SituationManager::Release()
{
    DebugLog::Write("SituationManager::Release Start");
    // Each situation takes itself off the list as it goes.
    while (!mSituations.empty())
        delete mSituations.back();
}

SIM_Situation* SIM_SituationManager::FindSituation(const std::string& name) const
{
    for (SIM_Situation* situation : mSituations)
        if (situation->GetName() == name)
            return situation;
    return nullptr;
}

SIM_SituationManager& GetSituationManager()
{
    static SIM_SituationManager manager;
    return manager;
}
