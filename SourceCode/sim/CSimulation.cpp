#include "sim/CSimulation.h"

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SetupSection.h"
#include "sim/Presentation.h"
#include "sim/RecordLine.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"

namespace {

Neuron* gLowIncome = nullptr;
Neuron* gMiddleIncome = nullptr;
Neuron* gHighIncome = nullptr;

void ForgetIncomeValues()
{
    gLowIncome = nullptr;
    gMiddleIncome = nullptr;
    gHighIncome = nullptr;
}

}  // namespace

void CSimulation::ForgetIncomeValue(const Neuron* value)
{
    if (gLowIncome == value)
        gLowIncome = nullptr;
    if (gMiddleIncome == value)
        gMiddleIncome = nullptr;
    if (gHighIncome == value)
        gHighIncome = nullptr;
}

void CSimulation::LoadSimVals()
{
    std::string table = GetTableLocation("simulation");
    LoadSimVals(table.empty() ? kDefaultTable : table);
}

void CSimulation::LoadSimVals(const std::string& table)
{
    std::vector<RecordLine> records;
    RecordLine::ReadTable(table, 1, records);
    for (const RecordLine& record : records) {
        // A record without a name could never be referred to: a typing error.
        RecordTokenizer fields(record.text);
        fields.SkipField();
        if (fields.NextTrimmedText().empty()) {
            LogRecordProblem(record, "simulation value without a name; skipped");
            continue;
        }
        new SIM_SimVal(record);
    }
    LookUpIncomeValues();
}

void CSimulation::LookUpIncomeValues()
{
    gHighIncome = Neuron::FindNeuron("_HighIncome");
    ASSERT_CHECK(gHighIncome != nullptr);
    gLowIncome = Neuron::FindNeuron("_LowIncome");
    ASSERT_CHECK(gLowIncome != nullptr);
    gMiddleIncome = Neuron::FindNeuron("_MiddleIncome");
    ASSERT_CHECK(gMiddleIncome != nullptr);
}

void CSimulation::CreatePendingEffects()
{
    for (SIM_SimVal* value : std::vector<SIM_SimVal*>(mSimVals))
        value->CreatePendingEffects();
}

void CSimulation::AttachToGroups()
{
    for (SIM_SimVal* value : mSimVals) {
        if (value->IsHidden())
            continue;
        SIM_PolicyGroup* group = GetPolicyManager().FindGroup(value->GroupName());
        if (!group)
            continue;
        value->SetGroup(group);
        Presentation::Current().AddIcon(group, value);
    }
}

void CSimulation::Release()
{
    ForgetIncomeValues();
    while (!mSimVals.empty())
        delete mSimVals.back();
}

SIM_SimVal* CSimulation::FindSimVal(const std::string& name) const
{
    for (SIM_SimVal* value : mSimVals)
        if (value->GetName() == name)
            return value;
    return nullptr;
}

Neuron* CSimulation::LowIncome() { return gLowIncome; }
Neuron* CSimulation::MiddleIncome() { return gMiddleIncome; }
Neuron* CSimulation::HighIncome() { return gHighIncome; }

CSimulation& GetSimulation()
{
    static CSimulation simulation;
    return simulation;
}
