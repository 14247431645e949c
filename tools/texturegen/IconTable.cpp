#include "IconTable.h"

#include <fstream>
#include <sstream>

namespace {

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool ParseHex(const std::string& text, uint32_t& out)
{
    if (text.empty() || text.size() > 8) return false;
    out = 0;
    for (char ch : text) {
        int v;
        if (ch >= '0' && ch <= '9') v = ch - '0';
        else if (ch >= 'a' && ch <= 'f') v = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F') v = ch - 'A' + 10;
        else return false;
        out = out * 16 + uint32_t(v);
    }
    return true;
}

// Icon files land inside data/bitmaps: plain relative names, no climbing out.
bool SafeRelativePath(const std::string& p)
{
    if (p.empty() || p[0] == '/' || p.find('\\') != std::string::npos || p.find("..") != std::string::npos)
        return false;
    return p.size() > 4 && p.compare(p.size() - 4, 4, ".dds") == 0;
}

}  // namespace

bool IconTable::Load(const std::string& path)
{
    entries_.clear();
    errors_.clear();
    std::ifstream in(path);
    if (!in) {
        errors_.push_back(path + ": cannot be opened");
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream ss(trimmed);
        std::string field;
        while (std::getline(ss, field, ',')) fields.push_back(Trim(field));
        auto fail = [&](const std::string& why) {
            errors_.push_back(path + ":" + std::to_string(number) + ": " + why);
        };
        if (fields.size() < 3) {
            fail("expected file, glyph, colour");
            continue;
        }
        IconEntry e;
        e.file = fields[0];
        e.line = number;
        if (!SafeRelativePath(e.file)) {
            fail("bad file name \"" + e.file + "\" (a .dds path inside data/bitmaps)");
            continue;
        }
        if (!ParseHex(fields[1], e.glyph)) {
            fail("bad glyph code point \"" + fields[1] + "\"");
            continue;
        }
        e.bare = fields[2] == "none";
        if (!e.bare && (fields[2].size() != 6 || !ParseHex(fields[2], e.colour))) {
            fail("bad colour \"" + fields[2] + "\" (RRGGBB or none)");
            continue;
        }
        entries_.push_back(e);
    }
    return errors_.empty();
}
