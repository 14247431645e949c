#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The list of current data files that an update source publishes. A plain
// text file:
//
//   rulecraft-manifest 1
//   # comment
//   <sha256 hex, 64 digits> <size in bytes> <relative path>
//
// Blank lines and lines starting with '#' are skipped. The first other line
// must be the header; without it the text is not a list at all (an error page,
// say). A bad line is reported and skipped; the rest still counts.
class UpdateManifest {
public:
    static constexpr const char* kHeader = "rulecraft-manifest 1";
    // Larger files are refused: data files are text and small.
    static constexpr uint64_t kMaxFileSize = 16u * 1024u * 1024u;

    struct Entry {
        std::string path;    // relative to the mod tree, e.g. "data/missions/x.txt"
        uint64_t size = 0;
        std::string sha256;  // lower-case hex
    };

    // sourceName names the manifest in problem messages ("<name>:<line>: ...").
    static UpdateManifest Parse(const std::string& text, const std::string& sourceName);

    bool IsValid() const { return mValid; }
    const std::vector<Entry>& Entries() const { return mEntries; }
    // One message per refused line, or the reason the whole text is no list.
    const std::vector<std::string>& Problems() const { return mProblems; }

private:
    bool ParseEntry(const std::string& line, Entry& entry, std::string& reason) const;

    bool mValid = false;
    std::vector<Entry> mEntries;
    std::vector<std::string> mProblems;
};
