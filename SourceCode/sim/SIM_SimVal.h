#pragma once
#include <string>
#include <vector>

#include "sim/Neuron.h"
#include "sim/RecordLine.h"

class SIM_PolicyGroup;

// One of the country's measurable quantities (GDP, crime, the income levels...).
// Its effects on other neurons are kept as text until every neuron exists.
class SIM_SimVal : public Neuron {
public:
    // An effect text of the record and where it was read.
    struct PendingEffect {
        std::string text;
        RecordLine source;
    };

    // Reads a record of the "simulation" table; appends itself to the CSimulation list.
    explicit SIM_SimVal(const RecordLine& record);
    ~SIM_SimVal() override;

    // Creates the effects kept as text and forgets the texts. A missing target is fatal.
    void CreatePendingEffects();

    const std::string& Description() const { return mDescription; }
    const std::string& GroupName() const { return mGroupName; }
    SIM_PolicyGroup* Group() const { return mGroup; }
    void SetGroup(SIM_PolicyGroup* group) { mGroup = group; }
    bool IsHidden() const { return mGroupName == "HIDDEN"; }
    bool HigherIsBetter() const { return mHigherIsBetter; }
    const std::string& Icon() const { return mIcon; }
    float GraphMinimum() const { return mGraphMinimum; }
    float GraphMaximum() const { return mGraphMaximum; }
    const std::vector<PendingEffect>& PendingEffects() const { return mPendingEffects; }
    const RecordLine& RecordSource() const { return mRecord; }

private:
    std::string mDescription;
    std::string mGroupName;
    SIM_PolicyGroup* mGroup = nullptr;
    bool mHigherIsBetter = false;
    std::string mIcon;
    std::vector<PendingEffect> mPendingEffects;
    float mGraphMinimum = 0.0f;
    float mGraphMaximum = 1.0f;
    RecordLine mRecord;
};
