#include "gamedata/SIM_Mission.h"

#include <cctype>

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "politics/SIM_VoterType.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "politics/VoterTuning.h"
#include "sim/Clamp.h"
#include "sim/Neuron.h"

namespace {

std::string Limit(const std::string& text, size_t length)
{
    return text.size() > length ? text.substr(0, length) : text;
}

// "[Settings]" names the section "settings": the case does not matter.
bool IsSectionHeader(const std::string& header, const std::string& section)
{
    std::string name = header.substr(1);
    name = name.substr(0, name.find(']'));
    if (name.size() != section.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(section[i])))
            return false;
    return true;
}

// The lines of the first section of that name as written, without blank and
// comment lines. The INI reader trims names; the settings must not be trimmed,
// so that "GDP =0.5" fails loudly instead of quietly matching "GDP".
std::vector<std::string> UntrimmedSectionLines(const std::string& path, const std::string& section)
{
    std::vector<std::string> lines;
    std::vector<std::string> found;
    if (!PlatformFiles::ReadLines(path, lines))
        return found;
    bool inside = false;
    for (const std::string& line : lines) {
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        if (line[first] == '[') {
            if (inside)
                break;
            inside = IsSectionHeader(line.substr(first), section);
            continue;
        }
        if (inside && line[first] != ';')
            found.push_back(line);
    }
    return found;
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
    mEconomicCycleStart = ClampZeroToOne(cycle);
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
    for (const std::string& line : UntrimmedSectionLines(mFilePath, "settings")) {
        size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
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
    GetPolicyManager().IntroduceUncancellablePolicies();
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
            if (auto* policy = dynamic_cast<SIM_Policy*>(neuron))
                policy->ApplyMissionSetting(value);
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
