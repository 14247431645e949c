#include "sim/SliderDefinitions.h"

#include "gamedata/RecordTokenizer.h"
#include "platform/PlatformFiles.h"
#include "sim/RecordLine.h"
#include "sim/RecordScope.h"

namespace {
// A slider needs a bottom and a top notch; more than this is a typing error.
constexpr int kMaxSteps = 101;
}  // namespace

void SliderDefinitions::Load() { Load(kTable, kModPattern); }

void SliderDefinitions::Load(const std::string& table, const std::string& modPattern)
{
    Clear();
    LoadFile(table);
    for (const std::string& path : PlatformFiles::FindFilePaths(PlatformFiles::NormalizeSlashes(modPattern)))
        LoadFile(path);
}

void SliderDefinitions::LoadFile(const std::string& path)
{
    std::vector<RecordLine> records;
    RecordLine::ReadTable(path, 2, records);
    for (const RecordLine& record : records)
        AddRecord(record);
}

void SliderDefinitions::AddRecord(const RecordLine& record)
{
    RecordScope scope(record);
    RecordTokenizer fields(record.text);
    fields.SkipField();
    std::string name = fields.NextTrimmedText();
    int steps = fields.NextInt();
    if (name.empty()) {
        LogRecordProblem(record, "slider definition without a name");
        return;
    }
    if (steps < 2 || steps > kMaxSteps) {
        LogRecordProblem(record, "slider definition " + name + " needs 2 to 101 steps");
        return;
    }
    std::vector<std::string> labels;
    while (!fields.AtEnd())
        labels.push_back(fields.NextTrimmedText());
    while (!labels.empty() && labels.back().empty())
        labels.pop_back();
    if (labels.size() > static_cast<size_t>(steps)) {
        LogRecordProblem(record, "slider definition " + name + " has more labels than steps; the rest are dropped");
        labels.resize(static_cast<size_t>(steps));
    }
    mDefinitions.push_back(std::make_unique<SliderDefinition>(name, steps, std::move(labels)));
}

const SliderDefinition* SliderDefinitions::Find(const std::string& name) const
{
    for (const auto& definition : mDefinitions)
        if (definition->Name() == name)
            return definition.get();
    return nullptr;
}
