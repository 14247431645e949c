// Cuts arbitrary bytes into record fields with every kind of read. The
// tokenizer must stay inside the line, give back every byte that is not a
// separator or a dropped quote, and always reach the end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gamedata/RecordTokenizer.h"
#include "gamedata/Spreadsheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the separator and the quote handling.
    const char separator = (data[0] & 1) ? ';' : ',';
    const bool keepQuotes = (data[0] & 2) != 0;
    std::string line(reinterpret_cast<const char*>(data + 1), size - 1);

    RecordTokenizer fields;
    fields.Init(line, separator);
    fields.SetKeepQuotes(keepQuotes);
    size_t kept = 0;
    size_t reads = 0;
    while (!fields.AtEnd()) {
        switch (reads++ % 4) {
        case 0: kept += fields.NextText().size(); break;
        case 1: fields.NextTrimmedText(); break;
        case 2: fields.NextInt(); break;
        default: fields.NextFloat(); break;
        }
        // Every read consumes at least one character.
        if (reads > line.size())
            std::abort();
    }
    if (kept > line.size())
        std::abort();

    // Raw reads alone give back exactly the bytes that are not separators outside quotes.
    RecordTokenizer raw(line, separator);
    raw.SetKeepQuotes(true);
    size_t total = 0;
    size_t separators = 0;
    while (!raw.AtEnd()) {
        total += raw.NextText().size();
        ++separators;
    }
    if (total > line.size() || total + separators < line.size())
        std::abort();

    for (const std::string& record : Spreadsheet::RecordLines(line))
        if (record.empty() || record[0] != '#' || record.back() != '\n')
            std::abort();
    return 0;
}
