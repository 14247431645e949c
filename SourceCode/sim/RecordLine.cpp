#include "sim/RecordLine.h"

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"
#include "sim/EffectFormula.h"
#include "sim/NeuralEffect.h"

std::string RecordLine::Where() const { return file + " line " + std::to_string(lineNumber); }

std::string RecordLine::Context() const { return file + ":" + std::to_string(lineNumber) + ": " + text; }

bool RecordLine::ReadTable(const std::string& path, size_t minLength, std::vector<RecordLine>& records)
{
    std::vector<std::string> lines;
    if (!PlatformFiles::ReadLines(path, lines)) {
        TRACE_MESSAGE("Failed to find spreadsheet: " + path);
        return false;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() < minLength || line[0] != '#')
            continue;
        records.push_back(RecordLine{line, path, static_cast<int>(i + 1)});
    }
    return true;
}

bool RecordLine::ReadFirstRecord(const std::string& path, size_t minLength, RecordLine& record)
{
    std::vector<std::string> lines;
    if (!PlatformFiles::ReadLines(path, lines) || lines.empty())
        return false;
    if (lines[0].size() < minLength || lines[0][0] != '#')
        return false;
    record = RecordLine{lines[0], path, 1};
    return true;
}

bool RecordLine::ReadTableAndMods(const std::string& table, const std::string& modPattern, size_t minLength,
                                  std::vector<RecordLine>& records)
{
    return ReadTableAndMods(table, std::vector<std::string>{modPattern}, minLength, records);
}

bool RecordLine::ReadTableAndMods(const std::string& table, const std::vector<std::string>& modPatterns,
                                  size_t minLength, std::vector<RecordLine>& records)
{
    bool opened = ReadTable(table, minLength, records);
    for (const std::string& modPattern : modPatterns) {
        if (modPattern.empty())
            continue;
        for (const std::string& path : PlatformFiles::FindFilePaths(PlatformFiles::NormalizeSlashes(modPattern))) {
            RecordLine record;
            if (ReadFirstRecord(path, minLength, record))
                records.push_back(record);
        }
    }
    return opened;
}

void LogRecordProblem(const RecordLine& record, const std::string& problem)
{
    TRACE_MESSAGE(record.Where() + ": " + problem);
}

void NoteEffectProblems(const RecordLine& record, const std::string& owner, const std::string& effect)
{
    if (effect.size() < 3)
        return;
    if (effect.find(',') == std::string::npos) {
        LogRecordProblem(record, owner + ": \"" + effect + "\" has no comma");
        return;
    }
    RecordTokenizer parts(effect);
    std::string source = parts.NextTrimmedText();
    if (source == "_random_" || source == "_default_")
        return;
    std::string formula = parts.NextTrimmedText();
    if (formula.size() > EffectFormula::kMaxLength)
        LogRecordProblem(record, owner + ": formula \"" + formula + "\" is longer than 31 characters");
    if (!parts.AtEnd()) {
        int drag = NumberText::ParseInt(parts.NextTrimmedText());
        if (drag < 0 || drag > static_cast<int>(NeuralEffect::kMaxInertialDrag))
            LogRecordProblem(record, owner + ": inertial drag " + std::to_string(drag) + " is outside 0 to 32");
    }
}
