#pragma once
#include <memory>
#include <string>
#include <vector>

#include "sim/SliderDefinition.h"

struct RecordLine;

// Every slider layout, looked up by name. Read from "data/simulation/sliders.csv"
// and then from the mod files ".\data\mods\sliders\*.txt" (every record of each).
// A record: #,name,steps,label 1,label 2,...
class SliderDefinitions {
public:
    static constexpr const char* kTable = "data/simulation/sliders.csv";
    static constexpr const char* kModPattern = ".\\data\\mods\\sliders\\*.txt";

    // Forgets what was loaded, then reads the table and the mod files.
    void Load();
    void Load(const std::string& table, const std::string& modPattern);
    // Adds the records of one file; bad records are logged with file and line and skipped.
    void LoadFile(const std::string& path);
    void Clear() { mDefinitions.clear(); }

    // The first definition of that name (exact); null when there is none.
    const SliderDefinition* Find(const std::string& name) const;
    size_t Count() const { return mDefinitions.size(); }

private:
    void AddRecord(const RecordLine& record);

    std::vector<std::unique_ptr<SliderDefinition>> mDefinitions;
};
