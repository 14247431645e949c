#include "update/SafeRelativePath.h"

namespace {
bool IsNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-' || c == '+';
}

bool Refuse(std::string* reason, const char* text)
{
    if (reason)
        *reason = text;
    return false;
}
}  // namespace

bool SafeRelativePath::Check(const std::string& path, std::string* reason)
{
    if (path.empty())
        return Refuse(reason, "empty path");
    if (path.size() > kMaxLength)
        return Refuse(reason, "path too long");
    if (path.front() == '/')
        return Refuse(reason, "absolute path");
    int depth = 0;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(start, end - start);
        if (part.empty())
            return Refuse(reason, "empty path component");
        if (part == "." || part == "..")
            return Refuse(reason, "path leaves its folder");
        if (part.front() == '.')
            return Refuse(reason, "hidden file name");
        for (char c : part)
            if (!IsNameByte(c))
                return Refuse(reason, c == '\\' ? "backslash in path" : "character not allowed in path");
        if (++depth > kMaxDepth)
            return Refuse(reason, "path too deep");
        start = end + 1;
    }
    return true;
}
