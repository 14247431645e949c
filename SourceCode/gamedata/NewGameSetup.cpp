#include "gamedata/NewGameSetup.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "gamedata/SIM_Mission.h"
#include "politics/ElectionManager.h"
#include "sim/Clamp.h"

std::vector<NewGameSetup::SliderRow> NewGameSetup::ReadSliderRows(const std::string& file)
{
    IniSection section;
    section.Load(kSliderSection, file);
    std::vector<SliderRow> rows;
    for (const IniEntry& entry : section.Entries())
        if (!entry.key.empty())
            rows.push_back(SliderRow{entry.key, entry.value});
    return rows;
}

std::vector<std::string> NewGameSetup::CurrenciesFor(const std::string& missionCurrency)
{
    std::vector<std::string> currencies{"$", "\xA3", "\x80"};
    // A mission's own currency ("V$") stays on offer, first, so starting changes nothing unasked.
    if (!missionCurrency.empty() && std::find(currencies.begin(), currencies.end(), missionCurrency) == currencies.end())
        currencies.insert(currencies.begin(), missionCurrency);
    return currencies;
}

void NewGameSetup::StartFrom(const SIM_Mission& mission, const std::vector<SliderRow>& rows,
                             const std::vector<std::string>& partyNames)
{
    mCountryName = mission.Name();
    mPlayerParty = mission.PlayerPartyName();
    mOppositionParty = mission.OppositionPartyName();
    mPartyNames = partyNames;
    SetTermYears(mission.TermLength());
    mCurrencies = CurrenciesFor(mission.Currency());
    mCurrency = static_cast<size_t>(
        std::find(mCurrencies.begin(), mCurrencies.end(), mission.Currency()) - mCurrencies.begin());
    if (mCurrency >= mCurrencies.size())
        mCurrency = 0;
    mSliders.clear();
    for (const SliderRow& row : rows) {
        const float value = mission.SettingValue(row.neuron);
        if (value == -1.0f)
            FATAL_ERROR(std::string(kSliderFile) + ": " + row.neuron + "=" + row.label + ": " + mission.FilePath() +
                        " sets no " + row.neuron +
                        "\nno mission default for this value. all new game slider targets must be defined in the "
                        "mission file");
        mSliders.push_back(Slider{row, ClampZeroToOne(value)});
    }
}

void NewGameSetup::Apply(SIM_Mission& mission) const
{
    for (const Slider& slider : mSliders)
        mission.AddSetting(slider.row.neuron, slider.value);
    mission.SetCurrency(Currency());
    mission.SetPlayerPartyName(mPlayerParty);
    mission.SetOppositionPartyName(mOppositionParty);
    mission.SetName(mCountryName);
    mission.SetTermLength(mTermYears);
    ElectionManager::SetTermLengthYears(mTermYears);
}

void NewGameSetup::SetTermYears(int years) { mTermYears = std::clamp(years, kMinTermYears, kMaxTermYears); }

void NewGameSetup::StepCurrency(int delta)
{
    const long next = static_cast<long>(mCurrency) + delta;
    mCurrency = static_cast<size_t>(std::clamp(next, 0L, static_cast<long>(mCurrencies.size()) - 1));
}

void NewGameSetup::StepParty(std::string& party, const std::string& other, int delta) const
{
    if (mPartyNames.empty() || delta == 0)
        return;
    const long count = static_cast<long>(mPartyNames.size());
    const auto found = std::find(mPartyNames.begin(), mPartyNames.end(), party);
    // A mission's own name that is not a candidate counts as standing before the first.
    long index = found == mPartyNames.end() ? (delta > 0 ? -1 : 0) : found - mPartyNames.begin();
    for (long tries = 0; tries < count; ++tries) {
        index = ((index + delta) % count + count) % count;
        if (mPartyNames[static_cast<size_t>(index)] != other) {
            party = mPartyNames[static_cast<size_t>(index)];
            return;
        }
    }
}

void NewGameSetup::SetSliderValue(size_t index, float value)
{
    if (index < mSliders.size())
        mSliders[index].value = ClampZeroToOne(value);
}
