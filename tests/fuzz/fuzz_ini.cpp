// Reads arbitrary bytes as an INI file: the platform reader, then every
// section through the game's value rules, the look-ups and the writer. What
// the writer produces must read back as the same keys and values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gamedata/GHashTable.h"
#include "gamedata/IniSection.h"
#include "platform/IniFile.h"

namespace {
bool IsIniSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == '\x1a';
}

// The reader trims white space at both ends of every line, so a value's
// outer white space cannot survive a round trip.
std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsIniSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsIniSpace(text.back()))
        text.remove_suffix(1);
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile file = IniFile::Parse(text);
    std::vector<std::string> names = file.SectionNames();
    IniSection::SectionNamesFromText(text);
    if (names.size() > 8)
        names.resize(8);

    for (const std::string& name : names) {
        IniSection section;
        section.LoadFromText(name, text, "fuzz.ini");
        std::string key, value;
        while (section.NextRawPair(key, value)) {
        }
        for (const IniEntry& entry : section.Entries()) {
            section.GetFloat(entry.key, 0.5f);
            section.GetInt(entry.key);
        }
        file.GetInt(name, "key", 3);
        section.SetFloat(section.Count() ? section.Entries()[0].key : "x", 0.25f);

        IniSection back;
        back.LoadFromText(name, section.ToText(), "fuzz.ini");
        if (back.Count() != section.Count())
            std::abort();
        for (int i = 0; i < section.Count(); ++i) {
            const IniEntry& before = section.Entries()[static_cast<size_t>(i)];
            const IniEntry& after = back.Entries()[static_cast<size_t>(i)];
            if (before.key != after.key || Trim(before.value) != Trim(after.value))
                std::abort();
        }

        GHashTable table;
        table.LoadFromText(name, text, "fuzz.ini");
        for (const IniEntry& entry : section.Entries())
            table.Find(entry.key);
    }
    return 0;
}
