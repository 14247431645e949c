#pragma once
#include <string>
#include <string_view>
#include <vector>

// An INI file read the way the Windows profile functions read one:
//  - a UTF-8 byte-order mark is skipped; lines end at "\n", "\r\n" or "\r";
//  - each line is trimmed of white space at both ends; empty lines are skipped;
//  - "[name" up to the first ']' (or the end of the line) starts a section;
//    section names are matched without regard to case, the first section of a
//    name is the one that is read;
//  - white space around the first '=' is removed, so "key = value" reads as "key=value";
//  - lines beginning with ';' are comments, never returned;
//  - a line without '=' is returned as its text alone;
//  - duplicate keys are all kept, in file order; quotes are left alone.
// Lines before the first section header belong to no section.
class IniFile {
public:
    static IniFile Parse(std::string_view text);
    // A missing or unreadable file reads as an empty one.
    static IniFile Load(const std::string& path);

    // Like GetPrivateProfileSection: the section's strings in file order, each
    // "key=value" (or the bare line text). Empty when the section is missing.
    std::vector<std::string> SectionStrings(const std::string& section) const;
    bool HasSection(const std::string& section) const;
    // Section names in file order, as written in their headers.
    std::vector<std::string> SectionNames() const;
    // Like GetPrivateProfileString: the value of the first entry whose key
    // matches without regard to case; a value wrapped in matching quotes loses them.
    bool GetValue(const std::string& section, const std::string& key, std::string& value) const;
    // Like GetPrivateProfileInt: the value read as a decimal integer (leading
    // digits only), or the default when the key is missing or its value empty.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;

    // File-level short cuts.
    static std::vector<std::string> ReadSection(const std::string& path, const std::string& section);
    static int ReadInt(const std::string& path, const std::string& section, const std::string& key,
                       int defaultValue);
    // Like WritePrivateProfileString: sets key=value in the section (the first
    // entry of that key, found without regard to case), adding the key or the
    // section when missing. Every other line of the file is kept as it was. The
    // file is replaced atomically; on failure it is untouched and *error says why.
    static bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                            const std::string& value, std::string* error = nullptr);

private:
    struct Entry {
        std::string key;
        bool hasValue = false;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* FindSection(const std::string& name) const;

    std::vector<Section> mSections;
};
