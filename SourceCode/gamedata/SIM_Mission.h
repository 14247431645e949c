#pragma once
#include <string>
#include <utility>
#include <vector>

// The scenario a game starts from: the country, its money and debt, the
// economic cycle, the term, the parties, the rule modules switched on and the
// starting values of named neurons. Read from a mission file (INI sections
// "config", "modules", "settings"). One object for the whole run.
class SIM_Mission {
public:
    static constexpr size_t kMaxCurrency = 5;
    static constexpr size_t kMaxPath = 1023;
    static constexpr size_t kMaxSettingText = 255;

    static SIM_Mission& Get();

    void SetFile(const std::string& path);
    // Reads config, modules and settings from the remembered file. The settings
    // are appended: Clear first when choosing another mission.
    void Load();
    // Empties the settings and the modules.
    void Clear();

    void AddSetting(const std::string& name, float value);
    // The first setting of that exact name; -1 when there is none.
    float SettingValue(const std::string& name) const;
    bool HasModule(const std::string& name) const;
    // Pushes the settings into the simulation, in list order (game setup).
    void ApplySettings() const;

    void SetCurrency(const std::string& currency);
    // "<currency> <amount> Mn|Bn", amounts in millions.
    std::string FormatMoney(float millions) const;

    const std::vector<std::pair<std::string, float>>& Settings() const { return mSettings; }
    const std::vector<std::string>& Modules() const { return mModules; }
    void AddModule(const std::string& name) { mModules.push_back(name); }

    float PopulationPerVoter() const { return mPopulationPerVoter; }
    float Wealth() const { return mWealth; }
    void SetWealth(float wealth) { mWealth = wealth; }
    float StartingDebt() const { return mStartingDebt; }
    float DebtCeiling() const { return mDebtCeiling; }
    float EconomicCycleStart() const { return mEconomicCycleStart; }
    int TermLength() const { return mTermLength; }
    void SetTermLength(int years) { mTermLength = years; }
    const std::string& PlayerPartyName() const { return mPlayerPartyName; }
    void SetPlayerPartyName(const std::string& name) { mPlayerPartyName = name; }
    const std::string& OppositionPartyName() const { return mOppositionPartyName; }
    void SetOppositionPartyName(const std::string& name) { mOppositionPartyName = name; }
    const std::string& Flag() const { return mFlag; }
    const std::string& Currency() const { return mCurrency; }
    const std::string& FilePath() const { return mFilePath; }
    const std::string& Name() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    const std::string& Description() const { return mDescription; }
    const std::string& Briefing() const { return mBriefing; }

private:
    SIM_Mission() = default;

    std::vector<std::pair<std::string, float>> mSettings;
    std::vector<std::string> mModules;
    float mPopulationPerVoter = 0.0f;
    float mWealth = 0.0f;
    float mStartingDebt = 0.0f;
    float mDebtCeiling = 0.0f;
    float mEconomicCycleStart = 0.0f;
    int mTermLength = 0;
    std::string mPlayerPartyName;
    std::string mOppositionPartyName;
    std::string mFlag;
    std::string mCurrency;
    std::string mFilePath;
    std::string mName;
    std::string mDescription;
    std::string mBriefing;
};
