#include "platform/PlatformFiles.h"

#include "platform/AtomicFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlatformFiles {
namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

// Case-folded order first, so "b.txt" sorts between "A.txt" and "C.txt";
// the exact bytes only decide between names that differ in case alone.
bool LessNoCaseThenExact(const std::string& a, const std::string& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(FoldCase(a[i]));
        unsigned char cb = static_cast<unsigned char>(FoldCase(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool PathExists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// The entries of a folder other than "." and "..".
std::vector<std::string> ListFolder(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

std::string SystemErrorText(int code) { return std::strerror(code); }

}  // namespace

std::string NormalizeSlashes(const std::string& path)
{
    std::string result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

std::string ResolvePath(const std::string& path)
{
    std::string normalized = NormalizeSlashes(path);
    if (normalized.empty() || PathExists(normalized))
        return normalized;

    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(normalized);
    while (std::getline(stream, part, '/'))
        if (!part.empty())
            parts.push_back(part);

    std::string current = normalized[0] == '/' ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& name = parts[i];
        std::string exact = Join(current, name);
        if (name == "." || name == ".." || PathExists(exact)) {
            current = exact;
            continue;
        }
        std::vector<std::string> matches;
        for (const std::string& entry : ListFolder(current))
            if (EqualsNoCase(entry, name))
                matches.push_back(entry);
        if (matches.empty()) {
            // Not there in any case: keep the rest as written.
            for (size_t j = i; j < parts.size(); ++j)
                current = Join(current, parts[j]);
            return current;
        }
        // Several spellings of one name can exist on Linux; take a fixed one.
        std::sort(matches.begin(), matches.end());
        current = Join(current, matches.front());
    }
    if (!normalized.empty() && normalized.back() == '/' && !current.empty() && current.back() != '/')
        current += '/';
    return current;
}

bool Exists(const std::string& path) { return PathExists(ResolvePath(path)); }

bool IsFile(const std::string& path)
{
    struct stat info;
    return ::stat(ResolvePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return ::stat(ResolvePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string FolderOf(const std::string& path)
{
    std::string normalized = NormalizeSlashes(path);
    size_t slash = normalized.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return normalized.substr(0, slash);
}

std::string FileNameOf(const std::string& path)
{
    std::string normalized = NormalizeSlashes(path);
    size_t slash = normalized.find_last_of('/');
    return slash == std::string::npos ? normalized : normalized.substr(slash + 1);
}

bool MatchesWildcard(const std::string& name, const std::string& pattern)
{
    // "*.*" means every file, also those without a dot in the name.
    if (pattern == "*.*")
        return true;
    size_t n = 0, p = 0;
    size_t starPattern = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::string::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> FindFiles(const std::string& pattern)
{
    std::string folder = ResolvePath(FolderOf(pattern));
    std::string namePattern = FileNameOf(pattern);
    std::vector<std::string> found;
    for (const std::string& name : ListFolder(folder)) {
        if (!MatchesWildcard(name, namePattern))
            continue;
        struct stat info;
        if (::stat(Join(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            found.push_back(name);
    }
    std::sort(found.begin(), found.end(), LessNoCaseThenExact);
    return found;
}

std::vector<std::string> FindFilePaths(const std::string& pattern)
{
    std::string folder = ResolvePath(FolderOf(pattern));
    std::vector<std::string> paths;
    for (const std::string& name : FindFiles(pattern))
        paths.push_back(Join(folder, name));
    return paths;
}

bool ReadFile(const std::string& path, std::string& contents)
{
    contents.clear();
    std::string resolved = ResolvePath(path);
    struct stat info;
    if (resolved.empty() || ::stat(resolved.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    std::ifstream file(resolved, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    if (file.bad())
        return false;
    contents = buffer.str();
    return true;
}

std::FILE* Open(const std::string& path, const char* mode)
{
    std::string resolved = ResolvePath(path);
    return resolved.empty() ? nullptr : std::fopen(resolved.c_str(), mode);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        start = 3;
    size_t i = start;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            lines.push_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines)
{
    std::string text;
    if (!ReadFile(path, text)) {
        lines.clear();
        return false;
    }
    lines = SplitLines(text);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* error)
{
    AtomicFileWriter file(path);
    if (file.Write(text) && file.Commit())
        return true;
    if (error)
        *error = file.Error();
    return false;
}

bool CreateFolder(const std::string& path, std::string* error)
{
    std::string resolved = ResolvePath(path);
    if (IsDirectory(resolved))
        return true;
    if (::mkdir(resolved.c_str(), 0755) == 0)
        return true;
    int code = errno;
    if (code == EEXIST && IsDirectory(resolved))
        return true;
    if (error)
        *error = SystemErrorText(code);
    return false;
}

}  // namespace PlatformFiles
