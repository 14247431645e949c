#pragma once
#include <string>
#include <vector>

// One record line of a data table together with where it came from, so that a
// loader can name the file and line of a record it cannot use.
struct RecordLine {
    std::string text;  // the whole line, without its line break
    std::string file;
    int lineNumber = 0;  // 1 for the first line of the file

    // "data/simulation/policies.csv line 12"
    std::string Where() const;
    // "data/simulation/policies.csv:12: #,the,record": how a fatal error names it.
    std::string Context() const;

    // The record lines of a table: lines that begin with "#" and are at least
    // minLength characters long. Over-long lines are read whole. False when the
    // file cannot be read (logged as "Failed to find spreadsheet: <name>").
    static bool ReadTable(const std::string& path, size_t minLength, std::vector<RecordLine>& records);

    // The first line of a mod file, when it is a record of at least minLength
    // characters; the rest of the file is not read as records.
    static bool ReadFirstRecord(const std::string& path, size_t minLength, RecordLine& record);

    // The records of a table, then the first record of every file matching
    // modPattern (an empty pattern reads no mods). False when the table
    // cannot be read; the mods are read all the same.
    static bool ReadTableAndMods(const std::string& table, const std::string& modPattern, size_t minLength,
                                 std::vector<RecordLine>& records);
    // The same with several mod patterns, read in order.
    static bool ReadTableAndMods(const std::string& table, const std::vector<std::string>& modPatterns,
                                 size_t minLength, std::vector<RecordLine>& records);
};

// Logs a problem with a record, naming its file and line, and goes on.
void LogRecordProblem(const RecordLine& record, const std::string& problem);

// Looks at one effect text of a record ("name,formula[,drag]") before the
// network reads it, and logs why the network is about to refuse it (no comma,
// a formula over 31 characters, a drag outside 0..32): the fatal error that
// follows names the record (RecordScope) but not what is wrong with it.
void NoteEffectProblems(const RecordLine& record, const std::string& owner, const std::string& effect);
