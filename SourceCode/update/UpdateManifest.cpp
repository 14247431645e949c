#include "update/UpdateManifest.h"

#include <set>

#include "update/SafeRelativePath.h"

namespace {
std::string Trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool IsHexDigest(const std::string& text)
{
    if (text.size() != 64)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}
}  // namespace

bool UpdateManifest::ParseEntry(const std::string& line, Entry& entry, std::string& reason) const
{
    size_t hashEnd = line.find_first_of(" \t");
    size_t sizeStart = line.find_first_not_of(" \t", hashEnd);
    size_t sizeEnd = line.find_first_of(" \t", sizeStart);
    size_t pathStart = line.find_first_not_of(" \t", sizeEnd);
    if (hashEnd == std::string::npos || sizeStart == std::string::npos || sizeEnd == std::string::npos ||
        pathStart == std::string::npos) {
        reason = "expected <sha256> <size> <path>";
        return false;
    }
    const std::string hash = line.substr(0, hashEnd);
    const std::string size = line.substr(sizeStart, sizeEnd - sizeStart);
    entry.path = line.substr(pathStart);
    if (!IsHexDigest(hash)) {
        reason = "not a SHA-256 digest: " + hash;
        return false;
    }
    entry.sha256 = Lower(hash);
    if (size.empty() || size.size() > 10 || size.find_first_not_of("0123456789") != std::string::npos) {
        reason = "not a size: " + size;
        return false;
    }
    entry.size = std::stoull(size);
    if (entry.size > kMaxFileSize) {
        reason = "file too large: " + size;
        return false;
    }
    std::string pathReason;
    if (!SafeRelativePath::Check(entry.path, &pathReason)) {
        reason = "refused path \"" + entry.path + "\": " + pathReason;
        return false;
    }
    return true;
}

UpdateManifest UpdateManifest::Parse(const std::string& text, const std::string& sourceName)
{
    UpdateManifest manifest;
    std::set<std::string> seen;
    bool headerSeen = false;
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
        if (!headerSeen) {
            if (line != kHeader) {
                manifest.mProblems.push_back(where + "not an update list (expected \"" + kHeader + "\")");
                return manifest;
            }
            headerSeen = true;
            continue;
        }
        Entry entry;
        std::string reason;
        if (!manifest.ParseEntry(line, entry, reason))
            manifest.mProblems.push_back(where + reason);
        else if (!seen.insert(entry.path).second)
            manifest.mProblems.push_back(where + "listed twice: " + entry.path);
        else
            manifest.mEntries.push_back(entry);
    }
    if (!headerSeen)
        manifest.mProblems.push_back(sourceName + ": empty update list");
    manifest.mValid = headerSeen;
    return manifest;
}
