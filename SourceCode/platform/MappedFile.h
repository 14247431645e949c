#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// A whole file mapped read-only into memory, for reading large files without
// copying them into fresh memory first. Empty when it cannot be opened.
class MappedFile {
public:
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool Ok() const { return mOk; }
    std::string_view Text() const { return {static_cast<const char*>(mData), mSize}; }

private:
    void* mData = nullptr;
    size_t mSize = 0;
    bool mOk = false;
};
