#include "gamedata/SIM_DilemmaManager.h"

#include "engine/DebugLog.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"

SIM_DilemmaManager& SIM_DilemmaManager::Get()
{
    static SIM_DilemmaManager manager;
    return manager;
}

void SIM_DilemmaManager::LoadFolder(const std::string& folder)
{
    for (const std::string& path : PlatformFiles::FindFilePaths(folder + "/*.txt"))
        mDilemmas.push_back(SIM_Dilemma::Load(path));
}

void SIM_DilemmaManager::LoadDilemmas(const std::string& userFolder)
{
    LoadFolder(kFolder);
    if (!userFolder.empty())
        for (const std::string& root : UserFolders::ModRootsOf(userFolder))
            LoadFolder(root + "/" + kFolder);
}

void SIM_DilemmaManager::PerTurn()
{
    if (GetTuningValue("DILEMMAS_DISABLE", 0.0f) == 1.0f || !Options::Get().IsOn("ENABLEDILEMMAS"))
        return;
    SIM_Dilemma* best = nullptr;
    float bestScore = 0.0f;
    for (SIM_Dilemma* dilemma : mDilemmas) {
        float score = dilemma->Score();
        if (score > bestScore) {
            best = dilemma;
            bestScore = score;
        }
    }
    if (best && bestScore > SIM_Dilemma::kTriggerScore)
        best->Trigger();
}

SIM_Dilemma* SIM_DilemmaManager::Find(const std::string& name) const
{
    for (SIM_Dilemma* dilemma : mDilemmas)
        if (dilemma->GetName() == name)
            return dilemma;
    return nullptr;
}

std::vector<SIM_Dilemma*> SIM_DilemmaManager::Pending() const
{
    std::vector<SIM_Dilemma*> pending;
    for (SIM_Dilemma* dilemma : mDilemmas)
        if (dilemma->IsPending())
            pending.push_back(dilemma);
    return pending;
}

void SIM_DilemmaManager::Release()
{
    DebugLog::Write("DilemmaManager Release start");
    for (SIM_Dilemma* dilemma : mDilemmas)
        delete dilemma;
    mDilemmas.clear();
    DebugLog::Write("DilemmaManager Release end");
}
