#include "gamedata/GHashTable.h"

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "platform/IniFile.h"

namespace {
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
}  // namespace

int GHashTable::BucketOf(const std::string& key)
{
    if (key.empty())
        return -1;
    char first = key.front();
    if (first >= 'A' && first <= 'Z')
        return first - 'A';
    if (first >= 'a' && first <= 'z')
        return first - 'a';
    return -1;
}

void GHashTable::Clear()
{
    for (auto& bucket : mBuckets)
        bucket.clear();
    mLoaded = false;
}

void GHashTable::Load(const std::string& section, const std::string& file)
{
    LoadFromStrings(section, IniFile::ReadSection(file, section), file);
}

void GHashTable::LoadFromText(const std::string& section, std::string_view fileText, const std::string& fileName)
{
    LoadFromStrings(section, IniFile::Parse(fileText).SectionStrings(section), fileName);
}

void GHashTable::LoadFromStrings(const std::string& section, const std::vector<std::string>& strings,
                                 const std::string& fileName)
{
    Clear();
    mSectionName = section;
    mFileName = fileName;
    for (const std::string& raw : strings) {
        std::string rawKey, rawValue;
        IniSection::SplitRaw(raw, rawKey, rawValue);
        std::string key;
        for (char c : rawKey)
            if (!IsWhiteSpace(c))
                key += c;
        int bucket = BucketOf(key);
        if (bucket < 0) {
            if (!key.empty() && key.front() != '/')
                TRACE_MESSAGE("String key does not begin with a letter, skipped: " + key + " in " + fileName);
            continue;
        }
        mBuckets[bucket].push_back(Entry{key, IniSection::DecodeValue(rawValue)});
    }
    mLoaded = true;
}

const std::string* GHashTable::Find(const std::string& key) const
{
    int bucket = BucketOf(key);
    if (bucket < 0)
        return nullptr;
    for (const Entry& entry : mBuckets[bucket])
        if (entry.key == key)
            return &entry.value;
    return nullptr;
}

int GHashTable::Count() const
{
    int count = 0;
    for (const auto& bucket : mBuckets)
        count += static_cast<int>(bucket.size());
    return count;
}
