#include "update/WebFolder.h"

#include <cerrno>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "update/SafeRelativePath.h"

namespace {
bool Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

std::string TemporaryName(const std::string& leaf)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    return "." + leaf + ".part-" + std::to_string(random() % 1000000000u);
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

int WebFolder::OpenParent(const std::string& relative, bool create, std::string& leaf, std::string& error) const
{
    std::string reason;
    if (!SafeRelativePath::Check(relative, &reason)) {
        error = "refused path \"" + relative + "\": " + reason;
        return -1;
    }
    int dir = ::open(mRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        error = "cannot open " + mRoot + ": " + std::strerror(errno);
        return -1;
    }
    size_t start = 0;
    for (size_t slash = relative.find('/'); slash != std::string::npos; slash = relative.find('/', start)) {
        const std::string part = relative.substr(start, slash - start);
        start = slash + 1;
        if (create && ::mkdirat(dir, part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = "cannot create folder " + part + ": " + std::strerror(errno);
            ::close(dir);
            return -1;
        }
        // O_NOFOLLOW: a link planted in place of a folder is an error, never a way out.
        int next = ::openat(dir, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        ::close(dir);
        if (next < 0) {
            error = "refused folder " + relative.substr(0, slash) + ": " + std::strerror(errno);
            return -1;
        }
        dir = next;
    }
    leaf = relative.substr(start);
    return dir;
}

bool WebFolder::Read(const std::string& relative, std::string& bytes) const
{
    bytes.clear();
    std::string leaf, error;
    int dir = OpenParent(relative, false, leaf, error);
    if (dir < 0)
        return false;
    int fd = ::openat(dir, leaf.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    ::close(dir);
    if (fd < 0)
        return false;
    struct stat info;
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    char buffer[65536];
    while (ok) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return ok;
}

bool WebFolder::Install(const std::string& relative, const std::string& bytes, std::string* error) const
{
    std::string leaf, reason;
    int dir = OpenParent(relative, true, leaf, reason);
    if (dir < 0)
        return Fail(error, reason);
    struct stat existing;
    if (::fstatat(dir, leaf.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(existing.st_mode)) {
        ::close(dir);
        return Fail(error, "refused " + relative + ": not a plain file there");
    }
    const std::string temporary = TemporaryName(leaf);
    int fd = ::openat(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = "cannot create a temporary file for " + relative + ": " + std::strerror(errno);
        ::close(dir);
        return Fail(error, reason);
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int code = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::renameat(dir, temporary.c_str(), dir, leaf.c_str()) != 0) {
        code = errno;
        ok = false;
    }
    if (!ok) {
        ::unlinkat(dir, temporary.c_str(), 0);
        ::close(dir);
        return Fail(error, "cannot write " + relative + ": " + std::strerror(code));
    }
    // The rename itself must reach the disk too.
    ::fsync(dir);
    ::close(dir);
    return true;
}
