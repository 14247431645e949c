#include "politics/SIM_VoterManager.h"

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/NamePool.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SetupSection.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "politics/OpinionInputs.h"
#include "politics/RandomDraws.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterType.h"
#include "sim/Presentation.h"
#include "politics/VoterTuning.h"
#include "politics/VoterGroupLinks.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"

#include <cmath>

namespace {

constexpr size_t kMaxNameLength = 63;
constexpr int kProgressEvery = 51;

std::string LimitName(const std::string& text, const std::string& where)
{
    if (text.size() <= kMaxNameLength)
        return text;
    TRACE_MESSAGE(where + ": name longer than 63 characters cut: " + text);
    return text.substr(0, kMaxNameLength);
}

}  // namespace

SIM_VoterManager& SIM_VoterManager::Get()
{
    static SIM_VoterManager manager;
    return manager;
}

void SIM_VoterManager::ForgetNetwork()
{
    // The voters are not neurons, so clearing the network left them; their
    // groups are gone, so they go without leaving them.
    mVoterTypes.clear();
    bool running = IsRunning();
    SetRunning(false);
    DeleteAllVoters();
    SetRunning(running);
    mPoor = mMiddleIncome = mWealthy = nullptr;
    ForgetIncomeDrivers();
}

void SIM_VoterManager::Release()
{
    DebugLog::Write("SIM_VoterManager::Release Start");
    DeleteAllVoters();
    DeleteAllVoterTypes();
    DebugLog::Write("SIM_VoterManager::Release End");
}

// --- loading

void SIM_VoterManager::LoadVoterTypes() { LoadVoterTypes(GetTableLocation("voters")); }

void SIM_VoterManager::LoadVoterTypes(const std::string& path)
{
    DeleteAllVoters();
    DeleteAllVoterTypes();
    float entities = GetTuningValue("AIENTITIES", 0.0f);
    mPopulationSize = entities >= 1.0f && entities < 1.0e8f ? static_cast<int>(entities) : 0;

    std::vector<std::string> lines;
    if (!PlatformFiles::ReadLines(path, lines)) {
        TRACE_MESSAGE("Failed to open voter group file: " + path);
        FindIncomeGroups();
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] != '#')
            continue;
        RecordLine record{line, path, static_cast<int>(i + 1)};
        RecordScope scope(record);
        std::string where = record.Where();
        RecordTokenizer fields(line);
        fields.SkipField();
        std::string name = LimitName(fields.NextTrimmedText(), where);
        std::string guiName = LimitName(fields.NextTrimmedText(), where);
        std::string description = fields.NextTrimmedText();
        std::string encyclopedia = fields.NextTrimmedText();
        int exempt = fields.NextInt();
        float baseValue = fields.NextFloat();
        float share = fields.NextFloat();
        std::string icon = fields.NextTrimmedText();
        std::string marker = fields.NextText();
        if (marker.empty() || marker[0] != '#') {
            TRACE_MESSAGE(where + ": the affinity list must start with a field beginning with '#'");
            FATAL_ERROR("VoterType data corrupted");
        }
        if (!(share >= 0.0f && share <= 1.0f))
            TRACE_MESSAGE(where + ": initial share outside 0..1 for " + name);

        auto* group = new SIM_VoterType();
        group->SetNames(name, guiName);
        group->Description = description;
        group->EncyclopediaPage = encyclopedia;
        group->ExemptFromMembershipTest = exempt != 0;
        group->SetBaseValue(baseValue);
        group->SetInitialShare(share);
        group->IconImage = icon;
        while (!fields.AtEnd()) {
            std::string affinity = fields.NextTrimmedText();
            size_t comma = affinity.find(',');
            if (comma == std::string::npos)
                continue;
            group->Affinities.emplace_back(affinity.substr(0, comma),
                                           NumberText::ParseFloat(affinity.substr(comma + 1)));
        }
        mVoterTypes.push_back(group);
    }
    FindIncomeGroups();
}

void SIM_VoterManager::FindIncomeGroups()
{
    mPoor = FindVoterType("Poor");
    mMiddleIncome = FindVoterType("MiddleIncome");
    mWealthy = FindVoterType("Wealthy");
    for (const char* name : {"Poor", "MiddleIncome", "Wealthy"})
        if (!FindVoterType(name))
            TRACE_MESSAGE(std::string("Income voter group missing: ") + name);
    ASSERT_CHECK(mPoor && mMiddleIncome && mWealthy);
}

void SIM_VoterManager::AdoptVoterType(SIM_VoterType* group)
{
    if (group)
        mVoterTypes.push_back(group);
}

// --- look-ups

SIM_VoterType* SIM_VoterManager::GetVoterType(size_t index) const
{
    return index < mVoterTypes.size() ? mVoterTypes[index] : nullptr;
}

SIM_VoterType* SIM_VoterManager::FindVoterType(const std::string& name) const
{
    for (SIM_VoterType* group : mVoterTypes)
        if (group->GetName() == name)
            return group;
    return nullptr;
}

SIM_VoterType* SIM_VoterManager::RandomVoterType() const
{
    // Without another group the draw below would never end.
    bool anotherGroup = false;
    for (SIM_VoterType* group : mVoterTypes)
        anotherGroup = anotherGroup || group->GetName() != SIM_VoterType::kAllGroupName;
    if (!anotherGroup)
        FATAL_ERROR("No voter group other than _All_ to choose from");
    for (;;) {
        SIM_VoterType* group = mVoterTypes[RandomIndex(mVoterTypes.size())];
        if (group->GetName() != SIM_VoterType::kAllGroupName)
            return group;
    }
}

float SIM_VoterManager::IncomeDriverValue(IncomeDriver driver)
{
    if (!mIncomeDriversFound) {
        static const char* const kNames[3] = {"_LowIncome", "_MiddleIncome", "_HighIncome"};
        for (int i = 0; i < 3; ++i) {
            mIncomeDrivers[i] = Neuron::FindNeuronQuietly(kNames[i]);
            if (!mIncomeDrivers[i])
                TRACE_MESSAGE(std::string("Income value missing, incomes stay put: ") + kNames[i]);
        }
        mIncomeDriversFound = true;
    }
    Neuron* neuron = mIncomeDrivers[driver];
    if (!neuron)
        return 0.0f;
    float value = neuron->GetValue();
    return std::isfinite(value) ? value : 0.0f;
}

void SIM_VoterManager::ForgetIncomeDrivers()
{
    mIncomeDrivers[0] = mIncomeDrivers[1] = mIncomeDrivers[2] = nullptr;
    mIncomeDriversFound = false;
}

// --- the population

void SIM_VoterManager::CreatePopulation()
{
    Presentation& progress = Presentation::Current();
    progress.ShowProgressText("Creating Voting population");
    DeleteAllVoters();
    ForgetIncomeDrivers();

    const int count = ConfiguredPopulationSize();
    mPopulationSize = count;
    const VoterTuning tuning = VoterTuning::Read();
    const float T = tuning.membershipThreshold;
    const NamePool& names = NamePool::Get();
    names.RequireNames();
    if (count > 0)
        VoterGroupLinks::Get().Reserve(static_cast<size_t>(count));

    for (int i = 0; i < count; ++i) {
        auto* voter = new SIM_Voter();
        int gender = Chance(0.5f) ? 0 : 1;
        int foreID = names.RandomForenameID(gender == 1);
        int surID = names.RandomSurnameID();
        voter->SetPersonName(foreID, surID, gender);
        voter->VotTend = Rand01();
        voter->Militancy = Rand01();
        voter->LastVote = SIM_Voter::VOTE_ABSTAIN;
        for (SIM_VoterType* group : mVoterTypes)
            group->SetMembership(voter, RandRange(0.0f, T), T);
        if ((i + 1) % kProgressEvery == 0) {
            progress.ShowProgressText(std::to_string(i + 1) + " Voters Created");
            progress.PumpFrame();
        }
    }
    progress.ShowProgressText(std::to_string(count) + " Voters Created");

    std::vector<uint32_t> rows;
    rows.reserve(SIM_Voter::PopulationCount());
    for (SIM_Voter* voter : SIM_Voter::Population())
        rows.push_back(voter->Row());
    for (SIM_VoterType* group : mVoterTypes) {
        progress.ShowProgressText("Adding membership links (" + group->GetDisplayName() + ")");
        group->AddMembershipLinks(rows);
    }

    const float P = tuning.poorIncomeThreshold;
    const float W = tuning.wealthyIncomeThreshold;
    const float M = tuning.wealthyIncomeMax;
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        if (mPoor && voter->IsMemberOf(mPoor))
            voter->Income = RandRange(0.0f, P);
        else if (mWealthy && voter->IsMemberOf(mWealthy))
            voter->Income = RandRange(W, M);
        else
            voter->Income = RandRange(P, W);
        voter->UpdateIncomeGroup(tuning);
    }
}

SIM_Voter* SIM_VoterManager::NewVoter() { return new SIM_Voter(); }

void SIM_VoterManager::WarmUpSympathies()
{
    const VoterTuning tuning = VoterTuning::Read();
    const OpinionFactors factors = OpinionFactors::Take();
    for (SIM_Voter* voter : SIM_Voter::Population())
        voter->UpdateSympathies(10, tuning, factors);
}

void SIM_VoterManager::UpdateVoters()
{
    // Names are looked up once per pass, never per voter.
    ForgetIncomeDrivers();
    const VoterTuning tuning = VoterTuning::Read();
    const OpinionFactors factors = OpinionFactors::Take();
    for (SIM_Voter* voter : SIM_Voter::Population())
        voter->UpdateTurn(tuning, factors);
}

void SIM_VoterManager::RecalculateVoters()
{
    // The groups' values and whether they count, gathered once for the pass.
    const size_t columns = VoterGroupLinks::Get().Columns();
    mGroupValues.assign(columns, 0.0f);
    mGroupCounts.assign(columns, 0);
    for (size_t index = 0; index < columns; ++index) {
        if (const SIM_VoterType* group = SIM_VoterType::AtIndex(index)) {
            mGroupValues[index] = group->GetValue();
            mGroupCounts[index] = group->IsActive() ? 1 : 0;
        }
    }
    for (SIM_Voter* voter : SIM_Voter::Population())
        voter->Recalculate(mGroupValues.data(), mGroupCounts.data(), columns);
}

void SIM_VoterManager::UpdateVoterTypes()
{
    for (SIM_VoterType* group : mVoterTypes)
        group->UpdateTurn();
}

void SIM_VoterManager::PollVoterTypes()
{
    for (SIM_VoterType* group : mVoterTypes)
        group->Poll();
}

void SIM_VoterManager::DeleteAllVoters() { SIM_Voter::DeleteAll(); }

void SIM_VoterManager::DeleteAllVoterTypes()
{
    std::vector<SIM_VoterType*> groups;
    groups.swap(mVoterTypes);
    mPoor = mMiddleIncome = mWealthy = nullptr;
    for (SIM_VoterType* group : groups)
        delete group;
}
