#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

// The main localised string table: one INI section split into 26 buckets by
// the first letter of the key (folded to lower case), so a look-up walks one
// bucket. White space anywhere in a key is removed. Values follow the INI
// value rules of IniSection.
//
// Every key must begin with a letter: keys beginning with '/' are comments and
// are skipped silently; any other key that does not begin with a letter is
// skipped and logged.
class GHashTable {
public:
    void Load(const std::string& section, const std::string& file);
    void LoadFromText(const std::string& section, std::string_view fileText, const std::string& fileName = "");
    void Clear();

    // Key comparison is case-sensitive; only the bucket choice ignores case.
    // Null when the key is absent.
    const std::string* Find(const std::string& key) const;

    bool IsLoaded() const { return mLoaded; }
    int Count() const;
    const std::string& FileName() const { return mFileName; }
    const std::string& SectionName() const { return mSectionName; }

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    void LoadFromStrings(const std::string& section, const std::vector<std::string>& strings,
                         const std::string& fileName);
    static int BucketOf(const std::string& key);  // -1 when the key does not begin with a letter

    std::array<std::vector<Entry>, 26> mBuckets;
    std::string mSectionName;
    std::string mFileName;
    bool mLoaded = false;
};
