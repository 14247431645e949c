#include "gamedata/Spreadsheet.h"

#include "engine/Diagnostics.h"
#include "platform/PlatformFiles.h"

std::vector<std::string> Spreadsheet::RecordLines(const std::string& text)
{
    std::vector<std::string> records;
    for (const std::string& line : PlatformFiles::SplitLines(text))
        if (!line.empty() && line.front() == '#')
            records.push_back(line + "\n");
    return records;
}

bool Spreadsheet::Load(const std::string& fileName)
{
    mLines.clear();
    if (fileName.size() < 2)
        return false;
    std::string text;
    if (!PlatformFiles::ReadFile(fileName, text)) {
        TRACE_MESSAGE("Failed to find spreadsheet: " + fileName);
        return false;
    }
    mLines = RecordLines(text);
    return true;
}
