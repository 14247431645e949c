#pragma once
#include <string>
#include <string_view>
#include <vector>

struct IniEntry {
    std::string key;
    std::string value;
};

// One section of one INI file, in memory, with the game's own rules on top of
// what the platform reader returns (platform/IniFile.h):
//  - the key is the text before the first '='; trailing spaces and line breaks go;
//  - in the value a backslash is dropped and escapes the next character; an
//    unescaped '=', '"' or line feed is dropped ("A=1=2" gives "12", \" gives ");
//  - keys beginning with '/' are comments.
// Look-ups compare the whole key, case-sensitively; the first entry in file order wins.
class IniSection {
public:
    // Replaces any previous contents. A missing file or section gives an empty section.
    void Load(const std::string& section, const std::string& file);
    // The same from the text of a whole INI file (no disk involved).
    void LoadFromText(const std::string& section, std::string_view fileText, const std::string& fileName = "");
    void Clear();

    std::string GetText(const std::string& key) const;               // "" when absent
    float GetFloat(const std::string& key, float defaultValue) const;  // default when absent or empty
    int GetInt(const std::string& key) const;                         // 0 when absent
    bool Has(const std::string& key) const;

    // Rewrites every entry with that key as "%.2f"; a missing key is left missing.
    void SetFloat(const std::string& key, float value);
    // Appends an entry unless the key begins with '/'.
    void Add(const std::string& key, const std::string& value);

    // Iteration: each call returns the key (or the value) under the cursor and
    // moves the cursor on; false past the end. Load puts the cursor on the first entry.
    bool NextKey(std::string& key);
    bool NextValue(std::string& value);
    void ResetIteration() { mCursor = 0; }
    int Count() const { return static_cast<int>(mEntries.size()); }
    const std::vector<IniEntry>& Entries() const { return mEntries; }

    // The next string of the section as the platform returned it, split at its
    // first '=' without the value rules (key untrimmed). False at the end.
    bool NextRawPair(std::string& key, std::string& value);

    // Writes "[section]" and one "key = value" line per entry, replacing the
    // file atomically. A value's '"' and '=' are written escaped so that they
    // read back unchanged. On failure the old file stays and the reason is logged.
    bool Save(const std::string& file) const;
    // The text Save writes. Keys that could not be read back as themselves
    // (see CanWriteKey) are left out; Save logs each of them.
    std::string ToText() const;
    static bool CanWriteKey(const std::string& key);

    // The names of all sections of a file in file order: lines beginning with
    // '[', trailing spaces and line breaks removed, less their first and last
    // characters. A missing file gives an empty list.
    static std::vector<std::string> SectionNames(const std::string& file);
    static std::vector<std::string> SectionNamesFromText(std::string_view fileText);

    // The value rules above, applied to the text after the '='.
    static std::string DecodeValue(std::string_view rawValue);
    // Splits a platform string at its first '=' (no '=': all key, empty value).
    static void SplitRaw(const std::string& raw, std::string& key, std::string& value);

    // The line of the file (from 1) that holds the key in this section; 0
    // when the file or the line cannot be found. Read again from the file:
    // only error messages need it.
    int LineOf(const std::string& key) const;

    const std::string& FileName() const { return mFileName; }
    const std::string& SectionName() const { return mSectionName; }

private:
    void LoadFromStrings(const std::string& section, std::vector<std::string> strings, const std::string& fileName);
    const IniEntry* Find(const std::string& key) const;

    std::string mFileName;
    std::string mSectionName;
    std::vector<std::string> mRaw;
    size_t mRawCursor = 0;
    std::vector<IniEntry> mEntries;
    size_t mCursor = 0;
};
