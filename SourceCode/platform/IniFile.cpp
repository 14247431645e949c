#include "platform/IniFile.h"

#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"

namespace {

// The profile reader also treats Ctrl-Z (an old end-of-file mark) as white space.
bool IsIniSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == '\x1a';
}

std::string_view TrimLeft(std::string_view text)
{
    while (!text.empty() && IsIniSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text)
{
    while (!text.empty() && IsIniSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// "[name]" -> "name"; "[name" -> "name" (the header runs to the end of the line).
std::string_view HeaderName(std::string_view trimmedLine)
{
    std::string_view name = trimmedLine.substr(1);
    size_t close = name.find(']');
    return close == std::string_view::npos ? name : name.substr(0, close);
}

// Line breaks inside a key or value would start a new line in the file.
std::string WithoutLineBreaks(const std::string& text)
{
    std::string result;
    for (char c : text)
        if (c != '\n' && c != '\r')
            result += c;
    return result;
}

}  // namespace

IniFile IniFile::Parse(std::string_view text)
{
    IniFile file;
    Section* current = nullptr;
    for (const std::string& rawLine : PlatformFiles::SplitLines(std::string(text))) {
        std::string_view line = Trim(rawLine);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            file.mSections.push_back(Section{std::string(HeaderName(line)), {}});
            current = &file.mSections.back();
            continue;
        }
        if (!current)
            continue;
        Entry entry;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.key = std::string(line);
        } else {
            entry.key = std::string(TrimRight(line.substr(0, equals)));
            entry.hasValue = true;
            entry.value = std::string(TrimLeft(line.substr(equals + 1)));
        }
        current->entries.push_back(std::move(entry));
    }
    return file;
}

IniFile IniFile::Load(const std::string& path)
{
    std::string text;
    if (!PlatformFiles::ReadFile(path, text))
        return IniFile();
    return Parse(text);
}

const IniFile::Section* IniFile::FindSection(const std::string& name) const
{
    for (const Section& section : mSections)
        if (EqualsNoCase(section.name, name))
            return &section;
    return nullptr;
}

std::vector<std::string> IniFile::SectionStrings(const std::string& sectionName) const
{
    std::vector<std::string> strings;
    const Section* section = FindSection(sectionName);
    if (!section)
        return strings;
    for (const Entry& entry : section->entries) {
        if (entry.key.empty() || entry.key.front() == ';')
            continue;
        strings.push_back(entry.hasValue ? entry.key + "=" + entry.value : entry.key);
    }
    return strings;
}

bool IniFile::HasSection(const std::string& section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::SectionNames() const
{
    std::vector<std::string> names;
    for (const Section& section : mSections)
        names.push_back(section.name);
    return names;
}

bool IniFile::GetValue(const std::string& sectionName, const std::string& key, std::string& value) const
{
    value.clear();
    const Section* section = FindSection(sectionName);
    if (!section)
        return false;
    for (const Entry& entry : section->entries) {
        if (!entry.hasValue || entry.key.empty() || entry.key.front() == ';' || !EqualsNoCase(entry.key, key))
            continue;
        value = entry.value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return true;
    }
    return false;
}

int IniFile::GetInt(const std::string& section, const std::string& key, int defaultValue) const
{
    std::string value;
    if (!GetValue(section, key, value) || value.empty())
        return defaultValue;
    return NumberText::ParseInt(value);
}

std::vector<std::string> IniFile::ReadSection(const std::string& path, const std::string& section)
{
    return Load(path).SectionStrings(section);
}

int IniFile::ReadInt(const std::string& path, const std::string& section, const std::string& key, int defaultValue)
{
    return Load(path).GetInt(section, key, defaultValue);
}

bool IniFile::WriteString(const std::string& path, const std::string& sectionName, const std::string& keyName,
                          const std::string& valueText, std::string* error)
{
    const std::string section = WithoutLineBreaks(sectionName);
    const std::string key = WithoutLineBreaks(keyName);
    const std::string newLine = key + "=" + WithoutLineBreaks(valueText);

    std::string text;
    if (!PlatformFiles::ReadFile(path, text) && PlatformFiles::Exists(path)) {
        // Never replace a file we could not read: its other settings would be lost.
        if (error)
            *error = "cannot read " + PlatformFiles::ResolvePath(path);
        return false;
    }
    std::vector<std::string> lines = PlatformFiles::SplitLines(text);

    // Find the section and, inside it, the key and the last non-empty line.
    size_t header = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = Trim(lines[i]);
        if (!line.empty() && line.front() == '[' && EqualsNoCase(HeaderName(line), section)) {
            header = i;
            break;
        }
    }
    if (header == lines.size()) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.push_back("");
        lines.push_back("[" + section + "]");
        lines.push_back(newLine);
    } else {
        size_t insertAt = header + 1;
        bool replaced = false;
        for (size_t i = header + 1; i < lines.size(); ++i) {
            std::string_view line = Trim(lines[i]);
            if (line.empty())
                continue;
            if (line.front() == '[')
                break;
            insertAt = i + 1;
            size_t equals = line.find('=');
            if (line.front() != ';' && equals != std::string_view::npos &&
                EqualsNoCase(TrimRight(line.substr(0, equals)), key)) {
                lines[i] = newLine;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    }

    std::string output;
    for (const std::string& line : lines)
        output += line + "\n";
    return PlatformFiles::WriteFileAtomically(path, output, error);
}
