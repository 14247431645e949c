#pragma once
#include <string>

// The player's download folder. Files are only ever written below its root,
// by paths that SafeRelativePath accepts, and a symbolic link anywhere below
// the root (folder or file) is refused rather than followed. Each file is
// written whole or not at all: a temporary file in the same folder, flushed
// to disk, then renamed over the old one.
class WebFolder {
public:
    explicit WebFolder(std::string root) : mRoot(std::move(root)) {}

    const std::string& Root() const { return mRoot; }

    // Reads a file below the root. False when it is missing, unsafe or unreadable.
    bool Read(const std::string& relative, std::string& bytes) const;
    // Writes a file below the root, creating its folders. False with a reason
    // when the path is refused or the disk fails; nothing is left behind then.
    bool Install(const std::string& relative, const std::string& bytes, std::string* error = nullptr) const;

private:
    // An open descriptor of the folder that holds the path's last component,
    // walking from the root without following links; -1 on failure.
    int OpenParent(const std::string& relative, bool create, std::string& leaf, std::string& error) const;

    std::string mRoot;
};
