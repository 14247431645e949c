#pragma once
#include <string>
#include <string_view>

// A file written piece by piece under a temporary name in its folder, then
// synced and renamed over the target: either the whole new file is there or
// the old one is left as it was. Going out of scope without Commit() removes
// the temporary file. After the first failure every call returns false and
// Error() says why.
class AtomicFileWriter {
public:
    // NO_SYNC: for a file that need not survive a crash of the machine.
    enum Sync { SYNC, NO_SYNC };
    explicit AtomicFileWriter(const std::string& path, Sync sync = SYNC);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Ok() const { return mError.empty(); }
    bool Write(std::string_view data);
    bool Commit();
    const std::string& Error() const { return mError; }

private:
    bool Fail(const std::string& reason);
    void Discard();

    std::string mTarget;
    std::string mTemporary;
    std::string mError;
    int mFd = -1;
    Sync mSync;
};
