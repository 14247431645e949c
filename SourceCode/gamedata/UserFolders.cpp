#include "gamedata/UserFolders.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

#include "engine/Diagnostics.h"
#include "platform/PlatformFiles.h"

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string HomeFolder()
{
    std::string home = Environment("HOME");
    if (!home.empty())
        return home;
    if (passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return "";
}

// "$HOME/Documents" or "/abs/path", as user-dirs.dirs writes them.
std::string ExpandHome(std::string path, const std::string& home)
{
    if (path.rfind("$HOME", 0) == 0)
        path = home + path.substr(5);
    else if (!path.empty() && path.front() != '/')
        path = home + "/" + path;
    return path;
}

std::string DocumentsFromUserDirs(const std::string& text, const std::string& home)
{
    const std::string key = "XDG_DOCUMENTS_DIR=";
    for (const std::string& rawLine : PlatformFiles::SplitLines(text)) {
        size_t start = rawLine.find_first_not_of(" \t");
        if (start == std::string::npos || rawLine.compare(start, key.size(), key) != 0)
            continue;
        std::string value = rawLine.substr(start + key.size());
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return ExpandHome(value, home);
    }
    return "";
}

}  // namespace

UserFolders& UserFolders::Get()
{
    static UserFolders folders;
    return folders;
}

void UserFolders::SetBaseFolder(const std::string& folder) { mBaseFolder = folder; }

std::vector<std::string> UserFolders::FolderTree(const std::string& base)
{
    const char* relative[] = {
        "/rulecraft2",
        "/rulecraft2/savegames",
        "/rulecraft2/web",
        "/rulecraft2/mods",
        "/rulecraft2/mods/data",
        "/rulecraft2/mods/data/missions",
        "/rulecraft2/mods/data/simulation",
        "/rulecraft2/mods/data/simulation/encyclopedia",
        "/rulecraft2/mods/data/simulation/dilemmas",
        "/rulecraft2/mods/data/simulation/events",
        "/rulecraft2/mods/data/simulation/policies",
    };
    std::vector<std::string> tree;
    for (const char* folder : relative)
        tree.push_back(base + folder);
    return tree;
}

void UserFolders::Create()
{
    if (mBaseFolder.empty())
        mBaseFolder = FindDocumentsFolder();
    std::vector<std::string> tree = FolderTree(mBaseFolder);
    for (const std::string& folder : tree) {
        std::string error;
        if (!PlatformFiles::CreateFolder(folder, &error))
            FATAL_ERROR("Failed to create folder " + folder + ": " + error);
    }
    mUserFolder = tree[0];
    mSaveGameFolder = tree[1];
    mCreated = true;
}

std::vector<std::string> UserFolders::ModRoots() const
{
    if (mUserFolder.empty())
        return {};
    return ModRootsOf(mUserFolder);
}

std::vector<std::string> UserFolders::ModRootsOf(const std::string& userFolder)
{
    return {userFolder + "/mods", userFolder + "/web"};
}

std::string UserFolders::ModPath(const std::string& relative) const { return mUserFolder + "/mods/" + relative; }

std::string UserFolders::ChooseDocumentsFolder(const std::string& home, const std::string& xdgDocumentsDir,
                                               const std::string& userDirsText)
{
    if (!xdgDocumentsDir.empty() && PlatformFiles::IsDirectory(xdgDocumentsDir))
        return xdgDocumentsDir;
    std::string fromFile = DocumentsFromUserDirs(userDirsText, home);
    if (!fromFile.empty() && PlatformFiles::IsDirectory(fromFile))
        return fromFile;
    if (!home.empty() && PlatformFiles::IsDirectory(home + "/Documents"))
        return home + "/Documents";
    return home;
}

std::string UserFolders::FindDocumentsFolder()
{
    std::string home = HomeFolder();
    if (home.empty())
        FATAL_ERROR("Failed to get mydocuments");
    std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.empty())
        configHome = home + "/.config";
    std::string userDirsText;
    PlatformFiles::ReadFile(configHome + "/user-dirs.dirs", userDirsText);
    return ChooseDocumentsFolder(home, Environment("XDG_DOCUMENTS_DIR"), userDirsText);
}
