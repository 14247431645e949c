#include "politics/Achievement.h"

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "sim/Neuron.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"

namespace {
Achievement::Condition ReadCondition(const std::string& field)
{
    RecordTokenizer parts(field);
    Achievement::Condition condition;
    condition.neuron = parts.NextTrimmedText();
    const std::string op = parts.NextTrimmedText();
    condition.number = parts.NextFloat();
    if (op == "<")
        condition.op = Achievement::BELOW;
    else if (op == ">")
        condition.op = Achievement::ABOVE;
    else if (op == "ACTIVE")
        condition.op = Achievement::ACTIVE;
    else
        FATAL_ERROR("Error loading achievement data condition");
    return condition;
}
}  // namespace

bool Achievement::Condition::Holds() const
{
    Neuron* subject = Neuron::FindNeuronQuietly(neuron);
    if (!subject) {
        TRACE_MESSAGE("Failed to find achievement condition");
        return false;
    }
    switch (op) {
    case BELOW:
        return subject->GetValue() < number;
    case ABOVE:
        return subject->GetValue() > number;
    default:
        return subject->IsActive();
    }
}

bool Achievement::AllConditionsHold() const
{
    for (const Condition& condition : Conditions)
        if (!condition.Holds())
            return false;
    return true;
}

Achievement Achievement::Read(const RecordLine& record)
{
    RecordScope scope(record);
    RecordTokenizer fields(record.text);
    fields.SkipField();
    Achievement achievement;
    achievement.Id = fields.NextTrimmedText();
    for (std::string& text : achievement.Texts)
        text = fields.NextTrimmedText();
    while (!fields.AtEnd()) {
        std::string field = fields.NextTrimmedText();
        if (field.size() >= 2)
            achievement.Conditions.push_back(ReadCondition(field));
    }
    return achievement;
}
