#pragma once
#include <string>
#include <vector>

class SIM_Mission;

// What the player chooses on the customisation screen before a game starts:
// the country's name, the two party names, the term, the currency and the
// new-game sliders. It starts from the chosen mission's own values each time
// a mission is chosen, and nothing reaches the mission until Apply.
class NewGameSetup {
public:
    static constexpr const char* kSliderFile = "data/newgame.gui";
    static constexpr const char* kSliderSection = "sliders";
    static constexpr int kMinTermYears = 1;
    static constexpr int kMaxTermYears = 10;

    // One row of the slider file: the neuron it sets and its label.
    struct SliderRow {
        std::string neuron;
        std::string label;
    };
    struct Slider {
        SliderRow row;
        float value = 0.0f;
    };

    // The rows of section "sliders" ("Neuron=Label" lines), in file order; a
    // missing file gives none.
    static std::vector<SliderRow> ReadSliderRows(const std::string& file = kSliderFile);
    // The currencies offered: the dollar, pound and euro signs (the font map
    // draws Windows-1252), after the mission's own when it is none of them.
    static std::vector<std::string> CurrenciesFor(const std::string& missionCurrency);

    // Takes every choice from the mission. A slider row whose neuron the
    // mission sets no value for is a fatal data error naming the slider file.
    void StartFrom(const SIM_Mission& mission, const std::vector<SliderRow>& rows,
                   const std::vector<std::string>& partyNames);

    // Writes the choices into the mission: one setting per slider (after the
    // mission's own, so they win), the currency, the country and party names,
    // and the term, also as the elections' term in months.
    void Apply(SIM_Mission& mission) const;

    void SetTermYears(int years);
    void StepTermYears(int delta) { SetTermYears(mTermYears + delta); }
    // Neither end wraps.
    void StepCurrency(int delta);
    // The candidate party names go round; the two parties never share a name.
    void StepPlayerParty(int delta) { StepParty(mPlayerParty, mOppositionParty, delta); }
    void StepOppositionParty(int delta) { StepParty(mOppositionParty, mPlayerParty, delta); }
    void SetSliderValue(size_t index, float value);
    void SetCountryName(const std::string& name) { mCountryName = name; }

    int TermYears() const { return mTermYears; }
    const std::string& Currency() const { return mCurrencies[mCurrency]; }
    const std::string& CountryName() const { return mCountryName; }
    const std::string& PlayerParty() const { return mPlayerParty; }
    const std::string& OppositionParty() const { return mOppositionParty; }
    const std::vector<Slider>& Sliders() const { return mSliders; }

private:
    void StepParty(std::string& party, const std::string& other, int delta) const;

    std::string mCountryName;
    std::string mPlayerParty;
    std::string mOppositionParty;
    std::vector<std::string> mPartyNames;
    int mTermYears = 4;
    std::vector<std::string> mCurrencies{"$"};
    size_t mCurrency = 0;
    std::vector<Slider> mSliders;
};
