#include "politics/SIM_Manifesto.h"

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SetupSection.h"
#include "sim/Clamp.h"
#include "sim/Neuron.h"
#include "sim/Presentation.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"

namespace {
SIM_Manifesto::PledgeType ReadPledgeType(const RecordLine& record)
{
    RecordScope scope(record);
    RecordTokenizer fields(record.text);
    fields.SkipField();
    SIM_Manifesto::PledgeType type;
    type.Name = fields.NextTrimmedText();
    type.NeuronName = fields.NextTrimmedText();
    type.Change = fields.NextFloat();
    const std::string kind = fields.NextTrimmedText();
    const char mark = kind.empty() ? '\0' : kind[0];
    if (mark == '>')
        type.Kind = SIM_Manifesto::KIND_RAISE;
    else if (mark == '<')
        type.Kind = SIM_Manifesto::KIND_LOWER;
    else if (mark == '!')
        type.Kind = SIM_Manifesto::KIND_CANCEL;
    else
        FATAL_ERROR("failed to load manifesto pledge type");
    return type;
}
}  // namespace

float SIM_Manifesto::Pledge::Target() const
{
    return type ? ClampZeroToOne((1.0f + type->Change) * Initial) : 0.0f;
}

SIM_Manifesto& SIM_Manifesto::Get()
{
    static SIM_Manifesto manifesto;
    return manifesto;
}

void SIM_Manifesto::LoadPledgeTypes(const std::string& path)
{
    // Pledges point into the list of types.
    ClearManifesto();
    mTypes.clear();
    std::vector<RecordLine> records;
    if (!RecordLine::ReadTable(path, 1, records))
        FATAL_ERROR("Missing manifesto file");
    for (const RecordLine& record : records)
        mTypes.push_back(ReadPledgeType(record));
    mPenalty = GetTuningValue("MANIFESTO_BROKEN_PENALTY", 0.0f);
}

void SIM_Manifesto::ClearManifesto()
{
    mLive.clear();
    mNextTerm.clear();
    mAllKept = true;
}

const SIM_Manifesto::PledgeType* SIM_Manifesto::FindPledgeType(const std::string& name) const
{
    for (const PledgeType& type : mTypes)
        if (type.Name == name)
            return &type;
    return nullptr;
}

bool SIM_Manifesto::IsAvailable(const PledgeType& type) const
{
    if (type.Kind != KIND_CANCEL)
        return true;
    Neuron* policy = Neuron::FindNeuronQuietly(type.NeuronName);
    return policy && policy->IsActive();
}

bool SIM_Manifesto::ChoosePledge(const PledgeType& type)
{
    Neuron* neuron = Neuron::FindNeuronQuietly(type.NeuronName);
    if (!neuron) {
        TRACE_MESSAGE("Failed to find manifesto neuron");
        return false;
    }
    mNextTerm.push_back({&type, neuron->GetValue()});
    return true;
}

void SIM_Manifesto::StartTerm()
{
    mLive = std::move(mNextTerm);
    mNextTerm.clear();
}

bool SIM_Manifesto::IsKept(const Pledge& pledge) const
{
    if (!pledge.type) {
        TRACE_MESSAGE("No manifesto option");
        return true;
    }
    Neuron* neuron = Neuron::FindNeuronQuietly(pledge.type->NeuronName);
    if (!neuron)
        return false;
    switch (pledge.type->Kind) {
    case KIND_RAISE:
        return neuron->GetValue() >= pledge.Target();
    case KIND_LOWER:
        return neuron->GetValue() <= pledge.Target();
    default:
        return !neuron->IsActive();
    }
}

void SIM_Manifesto::CheckPledges()
{
    mAllKept = true;
    for (const Pledge& pledge : mLive)
        if (!IsKept(pledge))
            mAllKept = false;
}

void SIM_Manifesto::JudgeAtElection() const
{
    for (const Pledge& pledge : mLive)
        if (pledge.type)
            Presentation::Current().NoticePledge(pledge.type->Name, IsKept(pledge));
}

float SIM_Manifesto::Progress(const PledgeType& type) const
{
    Neuron* neuron = Neuron::FindNeuronQuietly(type.NeuronName);
    return neuron && neuron->IsActive() ? neuron->GetValue() : 0.0f;
}
