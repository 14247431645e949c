#include "gamedata/Localisation.h"

#include <map>

#include "engine/Diagnostics.h"
#include "gamedata/GHashTable.h"
#include "gamedata/IniSection.h"
#include "platform/NumberText.h"
#include "sim/SimRandom.h"

namespace {

std::string& StringsPath()
{
    static std::string path = Localisation::kStringsFile;
    return path;
}

GHashTable& Table()
{
    static GHashTable table;
    return table;
}

// Loaded on the first look-up of the process (or after a reset).
GHashTable& StringTable()
{
    if (!Table().IsLoaded())
        Table().Load("strings", StringsPath());
    return Table();
}

// Graded and random sections, each read once per strings file.
std::map<std::string, IniSection>& SectionCache()
{
    static std::map<std::string, IniSection> cache;
    return cache;
}

const IniSection& CachedSection(const std::string& section)
{
    auto& cache = SectionCache();
    auto found = cache.find(section);
    if (found != cache.end())
        return found->second;
    IniSection& loaded = cache[section];
    loaded.Load(section, StringsPath());
    return loaded;
}

}  // namespace

std::string translate(const std::string& token)
{
    const std::string* value = StringTable().Find(token);
    if (!value || value->empty())
        return token;
    return *value;
}

std::string translateGraded(float fraction, const std::string& section)
{
    const IniSection& entries = CachedSection(section);
    int n = entries.Count();
    if (n == 0)
        return std::string();
    // Computed in double and clamped before the conversion, so a NaN or huge
    // fraction cannot overflow the index.
    double scaled = static_cast<double>(n) * static_cast<double>(fraction);
    int index = 0;
    if (scaled >= n)
        index = n - 1;
    else if (scaled > 0)
        index = static_cast<int>(scaled);
    return entries.GetText(NumberText::FormatInt(index));
}

std::string translateRandom(const std::string& section)
{
    const IniSection& entries = CachedSection(section);
    int n = entries.Count();
    if (n == 0) {
        TRACE_MESSAGE("WARNING - No random translation keys found");
        return std::string();
    }
    return entries.GetText(NumberText::FormatInt(SimRandom::Next() % n));
}

TokenParameters ParseTokenParameters(const std::string& parameters)
{
    TokenParameters pairs;
    std::string name, value;
    bool inValue = false;
    for (char c : parameters) {
        if (!inValue) {
            if (c == '=')
                inValue = true;
            else
                name += c;
        } else if (c == ',') {
            pairs.emplace_back(name, value);
            name.clear();
            value.clear();
            inValue = false;
        } else {
            value += c;
        }
    }
    return pairs;
}

std::string ReplaceTokens(const std::string& text, const TokenParameters& parameters)
{
    std::string result;
    std::string name;
    bool inName = false;
    for (char c : text) {
        if (c == '<') {
            if (inName)
                result += "<" + name;  // an unclosed '<' stays as written
            name.clear();
            inName = true;
        } else if (c == '>' && inName) {
            inName = false;
            const std::string* value = nullptr;
            for (const auto& pair : parameters) {
                if (pair.first == name) {
                    value = &pair.second;
                    break;
                }
            }
            if (value)
                result += *value;
            else
                TRACE_MESSAGE("failed to find token:" + name);
        } else if (inName) {
            name += c;
        } else {
            result += c;
        }
    }
    if (inName)
        result += "<" + name;
    return result;
}

std::string expandTokens(const std::string& token, const std::string& parameters)
{
    return ReplaceTokens(translate(token), ParseTokenParameters(parameters));
}

std::string expandTokens(const std::string& token, const TokenParameters& parameters)
{
    return ReplaceTokens(translate(token), parameters);
}

namespace Localisation {

void SetStringsFile(const std::string& path)
{
    StringsPath() = path;
    Reset();
}

const std::string& StringsFile() { return StringsPath(); }

void Reset()
{
    Table().Clear();
    SectionCache().clear();
}

}  // namespace Localisation
