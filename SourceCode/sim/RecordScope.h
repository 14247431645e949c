#pragma once
#include <string>

struct RecordLine;

// While alive, a fatal error first names this record: its file, line and text.
// Every loader holds one while it reads a record or builds the record's effects,
// so that "missing comma" deep in the network still points at the data.
class RecordScope {
public:
    explicit RecordScope(const RecordLine& record);
    ~RecordScope();
    RecordScope(const RecordScope&) = delete;
    RecordScope& operator=(const RecordScope&) = delete;

private:
    std::string mPrevious;
};
