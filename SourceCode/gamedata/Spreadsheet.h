#pragma once
#include <string>
#include <vector>

// A record file: a comma-separated table in which only lines that begin with
// '#' are records. Every other line is a comment and is dropped.
class Spreadsheet {
public:
    // Reads the file (backslashes and the case of names do not matter). Each
    // record line is kept whole and ends with "\n" whatever line break the file
    // used; long lines are read whole. A name shorter than 2 characters gives an
    // empty list silently; a missing file logs "Failed to find spreadsheet: <name>".
    bool Load(const std::string& fileName);

    const std::vector<std::string>& Lines() const { return mLines; }
    size_t Count() const { return mLines.size(); }
    bool Empty() const { return mLines.empty(); }

    // Record lines of text already in memory (a mod file's contents, a fuzz input).
    static std::vector<std::string> RecordLines(const std::string& text);

private:
    std::vector<std::string> mLines;
};
