#include "gamedata/IniSection.h"

#include <algorithm>
#include <cctype>

#include "engine/Diagnostics.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"

void IniSection::Load(const std::string& section, const std::string& file)
{
    LoadFromStrings(section, IniFile::ReadSection(file, section), file);
}

void IniSection::LoadFromText(const std::string& section, std::string_view fileText, const std::string& fileName)
{
    LoadFromStrings(section, IniFile::Parse(fileText).SectionStrings(section), fileName);
}

void IniSection::Clear()
{
    mRaw.clear();
    mRawCursor = 0;
    mEntries.clear();
    mCursor = 0;
}

void IniSection::SplitRaw(const std::string& raw, std::string& key, std::string& value)
{
    size_t equals = raw.find('=');
    key = raw.substr(0, equals);
    value = equals == std::string::npos ? std::string() : raw.substr(equals + 1);
}

std::string IniSection::DecodeValue(std::string_view rawValue)
{
    std::string value;
    bool escaped = false;
    for (char c : rawValue) {
        if (c == '\\') {
            escaped = true;
        } else if (c == '=' || c == '"' || c == '\n') {
            if (escaped) {
                value += c;
                escaped = false;
            }
        } else {
            value += c;
        }
    }
    return value;
}

void IniSection::LoadFromStrings(const std::string& section, std::vector<std::string> strings,
                                 const std::string& fileName)
{
    Clear();
    mFileName = fileName;
    mSectionName = section;
    mRaw = std::move(strings);
    for (const std::string& raw : mRaw) {
        std::string key, rawValue;
        SplitRaw(raw, key, rawValue);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\r' || key.back() == '\n'))
            key.pop_back();
        Add(key, DecodeValue(rawValue));
    }
}

const IniEntry* IniSection::Find(const std::string& key) const
{
    for (const IniEntry& entry : mEntries)
        if (entry.key == key)
            return &entry;
    return nullptr;
}

int IniSection::LineOf(const std::string& key) const
{
    std::vector<std::string> lines;
    if (mFileName.empty() || !PlatformFiles::ReadLines(mFileName, lines))
        return 0;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            // Section names match whatever their case, as the reader does.
            const std::string name = line.substr(1, line.size() > 1 && line.back() == ']' ? line.size() - 2 : 0);
            inSection = name.size() == mSectionName.size() &&
                        std::equal(name.begin(), name.end(), mSectionName.begin(), [](char a, char b) {
                            return std::tolower(static_cast<unsigned char>(a)) ==
                                   std::tolower(static_cast<unsigned char>(b));
                        });
            continue;
        }
        std::string lineKey, value;
        SplitRaw(line, lineKey, value);
        while (!lineKey.empty() && lineKey.back() == ' ')
            lineKey.pop_back();
        if (inSection && lineKey == key)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string IniSection::GetText(const std::string& key) const
{
    const IniEntry* entry = Find(key);
    return entry ? entry->value : std::string();
}

float IniSection::GetFloat(const std::string& key, float defaultValue) const
{
    const IniEntry* entry = Find(key);
    if (!entry || entry->value.empty())
        return defaultValue;
    return NumberText::ParseFloat(entry->value);
}

int IniSection::GetInt(const std::string& key) const
{
    const IniEntry* entry = Find(key);
    return entry ? NumberText::ParseInt(entry->value) : 0;
}

bool IniSection::Has(const std::string& key) const { return Find(key) != nullptr; }

void IniSection::SetFloat(const std::string& key, float value)
{
    std::string text = NumberText::FormatFixed(value, 2);
    for (IniEntry& entry : mEntries)
        if (entry.key == key)
            entry.value = text;
}

void IniSection::Add(const std::string& key, const std::string& value)
{
    if (!key.empty() && key.front() == '/')
        return;
    mEntries.push_back(IniEntry{key, value});
}

bool IniSection::NextKey(std::string& key)
{
    if (mCursor >= mEntries.size())
        return false;
    key = mEntries[mCursor++].key;
    return true;
}

bool IniSection::NextValue(std::string& value)
{
    if (mCursor >= mEntries.size())
        return false;
    value = mEntries[mCursor++].value;
    return true;
}

bool IniSection::NextRawPair(std::string& key, std::string& value)
{
    if (mRawCursor >= mRaw.size())
        return false;
    SplitRaw(mRaw[mRawCursor++], key, value);
    return true;
}

bool IniSection::CanWriteKey(const std::string& key)
{
    // A key must read back as itself: not empty, no '=' or line break inside,
    // not starting like a comment or a section header, no white space at
    // either end (the reader trims it).
    if (key.empty() || key.find_first_of("=\r\n") != std::string::npos)
        return false;
    const char first = key.front(), last = key.back();
    if (first == ';' || first == '[' || first == '/')
        return false;
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\x1a'; };
    return !isSpace(first) && !isSpace(last);
}

std::string IniSection::ToText() const
{
    auto clean = [](const std::string& text, bool escape) {
        std::string result;
        for (char c : text) {
            if (c == '\n' || c == '\r')
                continue;  // would start a new line in the file
            if (escape && (c == '"' || c == '='))
                result += '\\';
            result += c;
        }
        return result;
    };
    std::string text = "[" + clean(mSectionName, false) + "]\n";
    for (const IniEntry& entry : mEntries)
        if (CanWriteKey(entry.key))
            text += entry.key + " = " + clean(entry.value, true) + "\n";
    return text;
}

bool IniSection::Save(const std::string& file) const
{
    // A key that would read back as something else (or start a new section
    // and swallow the entries after it) is left out, and said so.
    for (const IniEntry& entry : mEntries)
        if (!CanWriteKey(entry.key))
            TRACE_MESSAGE("Key \"" + entry.key + "\" of section " + mSectionName + " cannot be written to " + file +
                          "; left out");
    std::string error;
    if (PlatformFiles::WriteFileAtomically(file, ToText(), &error))
        return true;
    TRACE_MESSAGE("Failed to save section " + mSectionName + " to " + file + ": " + error);
    return false;
}

std::vector<std::string> IniSection::SectionNamesFromText(std::string_view fileText)
{
    std::vector<std::string> names;
    for (std::string line : PlatformFiles::SplitLines(std::string(fileText))) {
        if (line.empty() || line.front() != '[')
            continue;
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        names.push_back(line.size() >= 2 ? line.substr(1, line.size() - 2) : std::string());
    }
    return names;
}

std::vector<std::string> IniSection::SectionNames(const std::string& file)
{
    std::string text;
    if (!PlatformFiles::ReadFile(file, text))
        return {};
    return SectionNamesFromText(text);
}
