#include "platform/AtomicFileWriter.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/PlatformFiles.h"

AtomicFileWriter::AtomicFileWriter(const std::string& path, Sync sync) : mSync(sync)
{
    // Replace the file that is there, whatever the case of its name.
    mTarget = PlatformFiles::ResolvePath(path);
    if (mTarget.empty()) {
        Fail("empty file name");
        return;
    }
    struct stat existing;
    bool hadTarget = ::stat(mTarget.c_str(), &existing) == 0;
    if (hadTarget && S_ISDIR(existing.st_mode)) {
        Fail(mTarget + " is a folder");
        return;
    }
    mTemporary = mTarget + ".tmp-XXXXXX";
    mFd = ::mkstemp(mTemporary.data());
    if (mFd < 0) {
        Fail("cannot create a temporary file for " + mTarget + ": " + std::strerror(errno));
        mTemporary.clear();
        return;
    }
    ::fchmod(mFd, hadTarget ? (existing.st_mode & 07777) : 0644);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Fail(const std::string& reason)
{
    if (mError.empty())
        mError = reason;
    Discard();
    return false;
}

void AtomicFileWriter::Discard()
{
    if (mFd >= 0)
        ::close(mFd);
    mFd = -1;
    if (!mTemporary.empty())
        ::unlink(mTemporary.c_str());
    mTemporary.clear();
}

bool AtomicFileWriter::Write(std::string_view data)
{
    if (!Ok())
        return false;
    size_t written = 0;
    while (written < data.size()) {
        ssize_t n = ::write(mFd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail("cannot write " + mTemporary + ": " + std::strerror(errno));
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::Commit()
{
    if (!Ok())
        return false;
    int syncResult = mSync == SYNC ? ::fsync(mFd) : 0;
    int syncError = errno;
    int closeResult = ::close(mFd);
    int closeError = errno;
    mFd = -1;
    if (syncResult != 0 || closeResult != 0)
        return Fail("cannot write " + mTemporary + ": " + std::strerror(syncResult != 0 ? syncError : closeError));
    if (::rename(mTemporary.c_str(), mTarget.c_str()) != 0)
        return Fail("cannot replace " + mTarget + ": " + std::strerror(errno));
    mTemporary.clear();
    return true;
}
