#include "gamedata/SIM_Mission.h"

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "gamedata/MissionPolicyHooks.h"
#include "platform/NumberText.h"
#include "politics/SIM_VoterType.h"
#include "politics/VoterTuning.h"
#include "sim/Neuron.h"

namespace {

std::string Limit(const std::string& text, size_t length)
{
    return text.size() > length ? text.substr(0, length) : text;
}

}  // namespace

SIM_Mission& SIM_Mission::Get()
{
    static SIM_Mission mission;
    return mission;
}

void SIM_Mission::SetFile(const std::string& path) { mFilePath = Limit(path, kMaxPath); }

void SIM_Mission::Clear()
{
    mSettings.clear();
    mModules.clear();
}

void SIM_Mission::Load()
{
    mPopulationPerVoter = 0.0f;
    mWealth = 0.0f;
    mStartingDebt = 0.0f;
    mDebtCeiling = 0.0f;
    mEconomicCycleStart = 0.0f;

    IniSection config;
    config.Load("config", mFilePath);
    mName = config.GetText("name");
    mDescription = config.GetText("description");
    mWealth = config.GetFloat("wealth", 0.0f);
    // A population of voters below 1 is a fatal data error, never a division by 0.
    mPopulationPerVoter = config.GetFloat("population", 0.0f) / static_cast<float>(ConfiguredPopulationSize());
    mStartingDebt = config.GetFloat("debt", 0.0f) * mWealth;
    mDebtCeiling = config.GetFloat("debtceiling", 0.0f) * mWealth;
    mFlag = Limit(config.GetText("flag"), kMaxPath);
    mBriefing = config.GetText("briefing");
    float cycle = config.GetFloat("economic_cycle_start", 0.0f);
    mEconomicCycleStart = cycle < 0.0f ? 0.0f : (cycle > 1.0f ? 1.0f : cycle);
    SetCurrency(config.GetText("currency"));
    mTermLength = config.GetInt("termlength");
    mPlayerPartyName = config.GetText("partyname");
    mOppositionPartyName = config.GetText("oppname");

    mModules.clear();
    IniSection modules;
    modules.Load("modules", mFilePath);
    for (const IniEntry& entry : modules.Entries())
        mModules.push_back(entry.key);

    // Settings are read raw: the name is everything before the first '='.
    IniSection settings;
    settings.Load("settings", mFilePath);
    std::string key;
    std::string value;
    while (settings.NextRawPair(key, value)) {
        if (key.empty())
            continue;
        AddSetting(Limit(key, kMaxSettingText), NumberText::ParseFloat(Limit(value, kMaxSettingText)));
    }
}

void SIM_Mission::AddSetting(const std::string& name, float value) { mSettings.emplace_back(name, value); }

float SIM_Mission::SettingValue(const std::string& name) const
{
    for (const auto& setting : mSettings)
        if (setting.first == name)
            return setting.second;
    return -1.0f;
}

bool SIM_Mission::HasModule(const std::string& name) const
{
    for (const std::string& module : mModules)
        if (module == name)
            return true;
    return false;
}

void SIM_Mission::ApplySettings() const
{
    MissionPolicyHooks& policies = MissionPolicyHooks::Current();
    policies.IntroduceUncancellablePolicies();
    for (const auto& [name, value] : mSettings) {
        Neuron* neuron = Neuron::FindNeuronQuietly(name);
        if (!neuron) {
            DebugLog::Write("failed to find " + name);
            continue;
        }
        switch (neuron->GetType()) {
        case NEURON_SIMVAL:
            neuron->SetBaseValue(value);
            break;
        case NEURON_VOTERTYPE: {
            if (value < 0.0f || value > 1.0f)
                DebugLog::Write("voter group share outside 0..1 for " + name + ": " + NumberText::FormatFixed(value, 2));
            Neuron& share = static_cast<SIM_VoterType*>(neuron)->ShareNeuron();
            share.SetBaseValue(value);
            share.SetValue(value);
            break;
        }
        case NEURON_POLICY:
            policies.ApplyPolicySetting(*neuron, value);
            break;
        default:
            break;
        }
    }
}

void SIM_Mission::SetCurrency(const std::string& currency) { mCurrency = Limit(currency, kMaxCurrency); }

std::string SIM_Mission::FormatMoney(float millions) const
{
    float amount = millions;
    const char* unit = "Mn";
    if (amount > 1000.0f) {
        amount /= 1000.0f;
        unit = "Bn";
    }
    std::string number = NumberText::FormatFixed(amount, 2);
    // One thousands separator, before the last six characters ("1234.56").
    if (amount >= 1000.0f && number.size() >= 7)
        number.insert(number.size() - 6, ",");
    return mCurrency + " " + number + " " + unit;
}
