#pragma once
#include <string>

// Cuts one record line into fields. Fields are separated by the separator
// character (',' for the tables, ';' for script command lists); a double quote
// switches quoting on and off, and a separator inside quotes is an ordinary
// character. The quotes themselves are dropped unless keep-quotes is on.
// A quote that is never closed ends at the end of the line.
//
// The first field of a record line is the "#" marker; loaders read and drop it.
class RecordTokenizer {
public:
    RecordTokenizer() = default;
    explicit RecordTokenizer(const std::string& line, char separator = ',');

    void Init(const std::string& line, char separator = ',');
    void SetKeepQuotes(bool keep) { mKeepQuotes = keep; }

    // The next field as it stands (not trimmed).
    std::string NextText();
    // The next field with trailing line feeds, carriage returns and spaces
    // removed (leading spaces stay).
    std::string NextTrimmedText();
    // The trimmed field read as a decimal number; text without a number gives 0.
    int NextInt();
    float NextFloat();
    // Reads a field and forgets it (the "#" marker, for one).
    void SkipField() { NextText(); }

    // True when the read position is at or past the end of the line.
    bool AtEnd() const { return mPosition >= mLine.size(); }

private:
    std::string mLine;
    size_t mPosition = 0;
    char mSeparator = ',';
    bool mKeepQuotes = false;
};
