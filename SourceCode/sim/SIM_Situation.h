#pragma once
#include <string>

#include "gamedata/CFinanceObject.h"
#include "sim/Neuron.h"
#include "sim/RecordLine.h"

class SIM_PolicyGroup;

// A condition of the country (a crime wave, a housing boom...) that starts when
// its value reaches the start threshold and ends when it falls below the stop
// threshold. Only while it is on do its effects count and its money move.
class SIM_Situation : public Neuron, public CFinanceObject {
public:
    static constexpr float kStartThreshold = 0.6f;
    static constexpr float kStopThreshold = 0.4f;
    // Shorter lines cannot hold a situation.
    static constexpr size_t kMinRecordLength = 9;

    // Reads a record of the "situations" table and creates its effects at once.
    // The situation starts off.
    explicit SIM_Situation(const RecordLine& record);
    ~SIM_Situation() override;

    // The neuron's recalculation kept within [0, 1], then the switching rule.
    float Recalculate() override;

    // Puts the situation on: its icon appears in its group, the issues list hears of it.
    void Start();
    // Puts it off; the issues list hears of it only when it was on.
    void End();

    const std::string& Description() const { return mDescription; }
    SIM_PolicyGroup* Group() const { return mGroup; }
    const std::string& Icon() const { return mIcon; }
    const std::string& SecondText() const { return mSecondText; }
    const std::string& ReportText() const { return mReportText; }
    bool IsPositive() const { return mPositive; }
    const std::string& Record() const { return mRecord.text; }
    const RecordLine& RecordSource() const { return mRecord; }

private:
    void ReadEffectFields(class RecordTokenizer& fields);

    std::string mDescription;
    SIM_PolicyGroup* mGroup = nullptr;
    std::string mIcon;
    std::string mSecondText;
    std::string mReportText;
    bool mPositive = false;
    RecordLine mRecord;
};
