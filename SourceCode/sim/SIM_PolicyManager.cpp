#include "sim/SIM_PolicyManager.h"

#include "engine/Diagnostics.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "sim/RecordLine.h"
#include "sim/SIM_Policy.h"

namespace {
// Shorter lines cannot hold a policy.
constexpr size_t kMinRecordLength = 9;
}  // namespace

std::vector<SIM_Policy*>& SIM_PolicyManager::AllList()
{
    static std::vector<SIM_Policy*> list;
    return list;
}

std::vector<SIM_Policy*>& SIM_PolicyManager::ActiveList()
{
    static std::vector<SIM_Policy*> list;
    return list;
}

const std::vector<SIM_Policy*>& SIM_PolicyManager::AllPolicies() { return AllList(); }

const std::vector<SIM_Policy*>& SIM_PolicyManager::ActivePolicies() { return ActiveList(); }

void SIM_PolicyManager::Init()
{
    std::string table = GetTableLocation("policies");
    if (table.empty())
        table = kDefaultTable;
    std::vector<std::string> mods;
    for (const std::string& root : UserFolders::Get().ModRoots())
        mods.push_back(root + "/" + kModPattern);
    Init(table, mods, SliderDefinitions::kTable, SliderDefinitions::kModPattern);
}

void SIM_PolicyManager::Init(const std::string& table, const std::string& modPattern, const std::string& sliderTable,
                             const std::string& sliderModPattern)
{
    Init(table, std::vector<std::string>{modPattern}, sliderTable, sliderModPattern);
}

void SIM_PolicyManager::Init(const std::string& table, const std::vector<std::string>& modPatterns,
                             const std::string& sliderTable, const std::string& sliderModPattern)
{
    CreateGroups();
    mSliders.Load(sliderTable, sliderModPattern);
    LoadPolicies(table, modPatterns);
}

void SIM_PolicyManager::CreateGroups()
{
    // The groups live as long as the program, so that whoever points at one
    // (a value, a situation, the cabinet, the main screen) never dangles;
    // a new game only empties them.
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        auto& group = mGroups[static_cast<size_t>(i)];
        if (group)
            group->Reset();
        else
            group = std::make_unique<SIM_PolicyGroup>(i);
    }
}

void SIM_PolicyManager::LoadPolicies(const std::string& table, const std::vector<std::string>& modPatterns)
{
    std::vector<RecordLine> records;
    bool opened = RecordLine::ReadTableAndMods(table, modPatterns, kMinRecordLength, records);
    ASSERT_CHECK(opened);
    for (const RecordLine& record : records)
        new SIM_Policy(record);
}

void SIM_PolicyManager::ReadPolicyFields()
{
    for (SIM_Policy* policy : std::vector<SIM_Policy*>(AllList()))
        policy->ReadFields(mSliders);
}

void SIM_PolicyManager::IntroduceUncancellablePolicies()
{
    for (SIM_Policy* policy : std::vector<SIM_Policy*>(AllList())) {
        if (policy->IsCancellable())
            continue;
        policy->Introduce();
        policy->SetInForce(1.0f);
    }
}

void SIM_PolicyManager::AdvanceImplementation()
{
    for (SIM_Policy* policy : std::vector<SIM_Policy*>(ActiveList()))
        policy->AdvanceImplementation();
}

void SIM_PolicyManager::ComputePopularity()
{
    for (SIM_Policy* policy : std::vector<SIM_Policy*>(ActiveList()))
        policy->ComputePopularity();
}

SIM_PolicyGroup* SIM_PolicyManager::FindGroup(const std::string& name) const
{
    for (const auto& group : mGroups)
        if (group && group->Name() == name)
            return group.get();
    return nullptr;
}

SIM_PolicyGroup* SIM_PolicyManager::Group(int index) const
{
    if (index < 0 || index >= SIM_PolicyGroup::kGroupCount)
        return nullptr;
    return mGroups[static_cast<size_t>(index)].get();
}

SIM_Policy* SIM_PolicyManager::FindPolicy(const std::string& name) const
{
    for (SIM_Policy* policy : AllList())
        if (policy->GetName() == name)
            return policy;
    return nullptr;
}

void SIM_PolicyManager::Release()
{
    // Each policy takes itself off both lists as it goes.
    while (!AllList().empty())
        delete AllList().back();
    ActiveList().clear();
    for (auto& group : mGroups)
        if (group)
            group->Reset();
}

SIM_PolicyManager& GetPolicyManager()
{
    static SIM_PolicyManager manager;
    return manager;
}
