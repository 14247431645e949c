#pragma once
#include <string>

// The rule for a path that a downloaded list may name: it must stay inside
// the folder it is joined to, whatever the server sends.
//   - plain components separated by single '/': no leading '/', no "//",
//     no trailing '/';
//   - each component is made of letters, digits, '.', '_', '-' and '+', and
//     does not begin with '.' (so no "..", no ".", no hidden files, and never
//     the name of one of our own temporary files);
//   - no backslash, colon, space, '%' or control byte (no drive letters,
//     Windows separators, escapes or tricks that a later decode could undo);
//   - at most kMaxLength bytes and kMaxDepth components.
namespace SafeRelativePath {

constexpr size_t kMaxLength = 200;
constexpr int kMaxDepth = 8;

// True when the path is safe; otherwise false with a short reason.
bool Check(const std::string& path, std::string* reason = nullptr);

}  // namespace SafeRelativePath
