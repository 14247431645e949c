#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlatformFiles.h"

MappedFile::MappedFile(const std::string& path)
{
    const std::string resolved = PlatformFiles::ResolvePath(path);
    int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        mSize = static_cast<size_t>(info.st_size);
        if (mSize == 0) {
            mOk = true;
        } else {
            // Populated at once: one call instead of a fault per page.
            void* data = ::mmap(nullptr, mSize, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (data != MAP_FAILED) {
                mData = data;
                mOk = true;
            } else {
                mSize = 0;
            }
        }
    }
    ::close(fd);
}

MappedFile::~MappedFile()
{
    if (mData)
        ::munmap(mData, mSize);
}
