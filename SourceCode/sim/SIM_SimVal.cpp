#include "sim/SIM_SimVal.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "platform/NumberText.h"
#include "sim/CSimulation.h"
#include "sim/Presentation.h"
#include "sim/NeuralEffect.h"
#include "sim/RecordScope.h"

namespace {
// Shorter effect fields are leftovers such as a stray pair of quotes.
constexpr size_t kMinEffectLength = 3;
}  // namespace

SIM_SimVal::SIM_SimVal(const RecordLine& record) : mRecord(record)
{
    SetType(NEURON_SIMVAL);
    GetSimulation().mSimVals.push_back(this);

    RecordTokenizer fields(record.text);
    fields.SkipField();
    SetName(fields.NextTrimmedText());
    SetDisplayName(fields.NextTrimmedText());
    mDescription = fields.NextTrimmedText();
    mGroupName = fields.NextTrimmedText();
    SetBaseValue(fields.NextFloat());
    mGraphMinimum = fields.NextFloat();
    mGraphMaximum = fields.NextFloat();
    mHigherIsBetter = fields.NextInt() != 0;
    mIcon = fields.NextTrimmedText();
    fields.SkipField();
    while (!fields.AtEnd()) {
        std::string text = fields.NextTrimmedText();
        if (text.size() >= kMinEffectLength)
            mPendingEffects.push_back(PendingEffect{text, record});
    }
    mValue = 0.5f;
}

SIM_SimVal::~SIM_SimVal()
{
    if (mGroup)
        Presentation::Current().RemoveIcon(mGroup, this);
    CSimulation::ForgetIncomeValue(this);
    auto& list = GetSimulation().mSimVals;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SIM_SimVal::CreatePendingEffects()
{
    for (const PendingEffect& pending : mPendingEffects) {
        RecordScope scope(pending.source);
        RecordTokenizer parts(pending.text);
        std::string target = parts.NextTrimmedText();
        if (parts.AtEnd()) {
            LogRecordProblem(pending.source, GetName() + ": effect \"" + pending.text + "\" has no formula; skipped");
            continue;
        }
        std::string formula = parts.NextTrimmedText();
        bool hasDrag = !parts.AtEnd();
        int drag = hasDrag ? parts.NextInt() : 0;

        NoteEffectProblems(pending.source, GetName(), pending.text);
        Neuron* to = Neuron::FindNeuronQuietly(target);
        if (!to) {
            LogRecordProblem(pending.source, GetName() + " acts on " + target + ", which does not exist");
            FATAL_ERROR("Failed to find influence " + target + " for " + GetName() + ",");
        }
        auto* effect = new NeuralEffect(this, to, formula, 1.0f, 0.5f);
        if (drag != 0)
            effect->SetInertialDrag(static_cast<unsigned>(drag));
    }
    mPendingEffects.clear();
}
