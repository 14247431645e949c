#include "sim/SIM_Policy.h"

#include <algorithm>
#include <cctype>

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "platform/PlatformFiles.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/Clamp.h"
#include "sim/Presentation.h"
#include "sim/NeuralEffect.h"
#include "sim/PoliticalCapital.h"
#include "sim/RecordScope.h"
#include "sim/SIM_PlayerNeuron.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SliderDefinitions.h"

namespace {

// The fields after the "#Effects" marker; false when the marker is not where it must be.
bool EffectFields(const std::string& record, std::vector<std::string>& fields)
{
    RecordTokenizer tokens(record);
    for (int i = 0; i < SIM_Policy::kFieldsBeforeEffects; ++i)
        tokens.SkipField();
    if (tokens.NextTrimmedText() != SIM_Policy::kEffectsMarker)
        return false;
    while (!tokens.AtEnd())
        fields.push_back(tokens.NextTrimmedText());
    return true;
}

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// The first effect into a voter group from the policy, if any.
NeuralEffect* EffectFrom(const SIM_Policy* policy, Neuron* group)
{
    for (NeuralEffect* effect : group->Incoming())
        if (effect->GetSource() == policy)
            return effect;
    return nullptr;
}

}  // namespace

SIM_Policy::SIM_Policy(const RecordLine& record) : mRecord(record)
{
    RecordScope scope(mRecord);
    SetType(NEURON_POLICY);
    SetActive(false);
    mValue = 0.5f;
    mCostNeuron.SetOwnedByParent();
    mIncomeNeuron.SetOwnedByParent();

    RecordTokenizer fields(mRecord.text);
    fields.SkipField();
    SetName(fields.NextTrimmedText());
    mCostNeuron.SetName(GetName() + "_cost");
    mIncomeNeuron.SetName(GetName() + "_income");
    // Both multipliers read 1 from the start, so that money figures asked for
    // before the first pass of the network are not 0.
    mCostNeuron.SetBaseValue(1.0f);
    mIncomeNeuron.SetBaseValue(1.0f);
    mCostNeuron.SetValue(1.0f);
    mIncomeNeuron.SetValue(1.0f);
    mIcon = FindIcon(GetName());
    CheckEffectLines();
    SIM_PolicyManager::AllList().push_back(this);
}

SIM_Policy::~SIM_Policy()
{
    auto forget = [this](std::vector<SIM_Policy*>& list) {
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    };
    forget(SIM_PolicyManager::AllList());
    forget(SIM_PolicyManager::ActiveList());
    if (mGroup) {
        mGroup->RemovePolicy(this);
        if (IsActive())
            Presentation::Current().RemoveIcon(mGroup, this);
    }
    delete mPlayer;
}

std::string SIM_Policy::FindIcon(const std::string& policyName)
{
    std::string lower = policyName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string file = "icons_" + lower + ".dds";
    if (PlatformFiles::IsFile("data/bitmaps/policies/" + file) || PlatformFiles::IsFile("data/mods/bitmaps/" + file))
        return file;
    return "";
}

void SIM_Policy::Corrupted() const
{
    LogRecordProblem(mRecord, "policy " + GetName() + ": field 16 must be \"#Effects\"");
    FATAL_ERROR("Policy data corrupted");
}

void SIM_Policy::CheckEffectLines() const
{
    std::vector<std::string> effects;
    if (!EffectFields(mRecord.text, effects))
        Corrupted();
    for (const std::string& line : effects) {
        size_t comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        std::string target = line.substr(0, comma);
        if (!Neuron::FindNeuronQuietly(target)) {
            LogRecordProblem(mRecord, "policy " + GetName() + " acts on " + target + ", which does not exist");
            FATAL_ERROR("cant find " + target + " in " + GetName());
        }
    }
}

void SIM_Policy::ReadMultiplierLines(Neuron& neuron, const std::string& field)
{
    if (field.size() <= 1)
        return;
    neuron.SetBaseValue(0.0f);
    for (const std::string& line : SplitAt(field, ';')) {
        NoteEffectProblems(mRecord, "policy " + GetName(), line);
        neuron.ParseInfluenceLine(line);
    }
}

void SIM_Policy::ReadFields(const SliderDefinitions& sliders)
{
    RecordScope scope(mRecord);
    RecordTokenizer fields(mRecord.text);
    fields.SkipField();
    fields.SkipField();  // the name, read at construction
    SetDisplayName(fields.NextTrimmedText());

    std::string sliderName = fields.NextTrimmedText();
    mSlider = sliders.Find(sliderName);
    if (!mSlider)
        LogRecordProblem(mRecord, "policy " + GetName() + ": no slider definition " + sliderName);
    ASSERT_CHECK(mSlider != nullptr);

    mDescription = fields.NextTrimmedText();

    for (const std::string& flag : SplitAt(fields.NextTrimmedText(), ';')) {
        if (flag == "UNCANCELLABLE")
            mCancellable = false;
        else if (flag == "MULTIPLYINCOME")
            mIncomeNeuron.SetCombination(COMBINE_PRODUCT);
    }

    mIntroductionCost = fields.NextInt();

    std::string groupName = fields.NextTrimmedText();
    mGroup = GetPolicyManager().FindGroup(groupName);
    if (!mGroup)
        LogRecordProblem(mRecord, "policy " + GetName() + ": no policy group " + groupName);
    ASSERT_CHECK(mGroup != nullptr);

    float costAtZero = fields.NextFloat();
    float costAtFull = fields.NextFloat();
    SetCostLine(costAtZero, costAtFull);
    ReadMultiplierLines(mCostNeuron, fields.NextTrimmedText());

    mImplementationTurns = fields.NextInt();
    if (mImplementationTurns < 1) {
        // A policy must take at least one turn; 0 would divide by zero each turn.
        LogRecordProblem(mRecord, "policy " + GetName() + ": implementation turns below 1, taken as 1");
        mImplementationTurns = 1;
    }
    ASSERT_CHECK(mPlayer == nullptr);
    if (!mPlayer) {
        mPlayer = new SIM_PlayerNeuron();
        mPlayer->SetOwnedByParent();
        mPlayerEffect = new NeuralEffect(mPlayer, this, "0+(1.0*x)", 1.0f, 0.5f);
        mPlayerEffect->SetSteps(mImplementationTurns);
    }

    float incomeAtZero = fields.NextFloat();
    float incomeAtFull = fields.NextFloat();
    SetIncomeLine(incomeAtZero, incomeAtFull);
    ReadMultiplierLines(mIncomeNeuron, fields.NextTrimmedText());
}

void SIM_Policy::CreateEffects()
{
    RecordScope scope(mRecord);
    std::vector<std::string> effects;
    if (!EffectFields(mRecord.text, effects))
        Corrupted();
    for (const std::string& line : effects) {
        if (line.find(',') != std::string::npos)
            NoteEffectProblems(mRecord, "policy " + GetName(), line);
        ParseEffectLine(line);
    }
    mEffectsCreated = true;
}

void SIM_Policy::ResetHistory()
{
    float entry = IsActive() ? mValue : 0.0f;
    for (int i = 0; i < kHistorySize; ++i)
        SetHistory(i, entry);
}

float SIM_Policy::Recalculate()
{
    Neuron::Recalculate();
    float factor = MinisterialFactor();
    SetIncomeMultiplier(factor);
    SetCostMultiplier(2.0f - factor);
    return mValue;
}

float SIM_Policy::MinisterialFactor() const { return mGroup ? mGroup->MinisterialFactor() : 0.5f; }

float SIM_Policy::CostAt(float level) const
{
    float cost = Cost(level) * mCostNeuron.GetValue();
    return cost < 0.0f ? 0.0f : cost;
}

float SIM_Policy::IncomeAt(float level) const
{
    float income = Income(level) * mIncomeNeuron.GetValue();
    return income < 0.0f ? 0.0f : income;
}

float SIM_Policy::CurrentCost() const { return CostAt(GetValue()); }

float SIM_Policy::CurrentIncome() const { return IncomeAt(GetValue()); }

void SIM_Policy::Introduce()
{
    if (IsActive())
        return;
    GetPoliticalCapital().SpendCapital(mIntroductionCost);

    mValue = 0.0f;
    ResetHistory();
    mValue = PlayerSetting();

    ASSERT_CHECK(mGroup != nullptr);
    if (mGroup) {
        mGroup->AddPolicy(this);
        Presentation::Current().AddIcon(mGroup, this);
    }
    SetActive(true);

    if (mEffectsCreated) {
        if (mPlayer) {
            mPlayer->SetValue(0.5f);
            mPlayer->Propagate();
        }
        // The slider effect kept walking to the old setting while the policy
        // was out of force; start it at 0.5 too, or the next turn would pull
        // the value back towards the old setting.
        if (mPlayerEffect)
            mPlayerEffect->SetInput(0.5f);
        mValue = 0.5f;
    } else {
        CreateEffects();
    }
    auto& active = SIM_PolicyManager::ActiveList();
    if (std::find(active.begin(), active.end(), this) == active.end())
        active.push_back(this);
}

void SIM_Policy::Cancel()
{
    SetActive(false);
    auto& active = SIM_PolicyManager::ActiveList();
    active.erase(std::remove(active.begin(), active.end(), this), active.end());
    if (mGroup) {
        mGroup->RemovePolicy(this);
        Presentation::Current().RemoveIcon(mGroup, this);
    }
    mImplementation = 0.0f;
    mValue = 0.0f;
}

void SIM_Policy::SetPlayerSetting(float level)
{
    if (!mPlayer)
        return;
    mPlayer->SetValue(ClampZeroToOne(level));
    mPlayer->Propagate();
}

float SIM_Policy::PlayerSetting() const { return mPlayer ? mPlayer->GetValue() : 0.5f; }

void SIM_Policy::SetInForce(float implementation)
{
    ResetHistory();
    mImplementation = implementation;
    for (NeuralEffect* effect : Outgoing()) {
        effect->SetTargetInput(GetValue());
        effect->SetInput(GetValue());
    }
}

void SIM_Policy::AdvanceImplementation()
{
    if (mImplementation >= 1.0f)
        return;
    mImplementation = ClampZeroToOne(mImplementation + MinisterialFactor() * (1.0f / static_cast<float>(mImplementationTurns)));
}

void SIM_Policy::ApplyMissionSetting(float value)
{
    if (!IsActive())
        Introduce();
    SetPlayerSetting(value);
    SetValue(PlayerSetting());
    SetInForce(1.0f);
}

void SIM_Policy::ComputePopularity() { mPopularity = PopularityOf({this}); }

float SIM_Policy::PopularityOf(const std::vector<SIM_Policy*>& policies)
{
    // Each voter group's feeling about a policy counts by the group's size.
    float weighted = 0.0f;
    float weights = 0.0f;
    for (SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        const float members = static_cast<float>(group->MemberCount());
        for (SIM_Policy* policy : policies) {
            NeuralEffect* effect = EffectFrom(policy, group);
            if (!effect)
                continue;
            weighted += members * effect->GetEffectiveOutput();
            weights += members;
        }
    }
    if (weights == 0.0f)
        return 0.5f;
    return ClampZeroToOne(0.5f + weighted / weights);
}

