// Reads arbitrary bytes as an update list. Whatever comes in, every entry
// that comes out must name a safe path, a well-formed digest and a size
// within the limit, and each path only once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "update/SafeRelativePath.h"
#include "update/UpdateManifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    UpdateManifest manifest = UpdateManifest::Parse(text, "fuzz");
    std::set<std::string> paths;
    for (const UpdateManifest::Entry& entry : manifest.Entries()) {
        if (!manifest.IsValid() || !SafeRelativePath::Check(entry.path) || entry.size > UpdateManifest::kMaxFileSize)
            std::abort();
        if (entry.sha256.size() != 64 || entry.sha256.find_first_not_of("0123456789abcdef") != std::string::npos)
            std::abort();
        if (entry.path.front() == '/' || entry.path.find('\\') != std::string::npos || !paths.insert(entry.path).second)
            std::abort();
        for (size_t start = 0; start <= entry.path.size();) {
            size_t end = std::min(entry.path.find('/', start), entry.path.size());
            const std::string part = entry.path.substr(start, end - start);
            if (part.empty() || part == "." || part == "..")
                std::abort();
            start = end + 1;
        }
    }
    return 0;
}
