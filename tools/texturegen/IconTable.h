#pragma once
// The icon list (icons.csv): one icon per line as
//   file below data/bitmaps, symbol code point (hex), disc colour (RRGGBB or "none")[, note]
// "none" paints the bare symbol with a soft shadow and no disc, for icons that
// sit on circles the game colours itself (values and situations).
// Blank lines and lines starting with "#" are skipped. A policy's icon is
// "policies/icons_" + the policy name in lower case + ".dds".
#include <cstdint>
#include <string>
#include <vector>

struct IconEntry {
    std::string file;
    uint32_t glyph = 0;
    uint32_t colour = 0;
    bool bare = false;  // symbol only, no disc
    int line = 0;
};

class IconTable {
public:
    // Reads the table; every bad line adds "file:line: reason" to Errors() and is skipped.
    bool Load(const std::string& path);

    const std::vector<IconEntry>& Entries() const { return entries_; }
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    std::vector<IconEntry> entries_;
    std::vector<std::string> errors_;
};
