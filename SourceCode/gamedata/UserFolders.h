#pragma once
#include <string>
#include <vector>

// The player's own folder tree under the documents folder:
//   <base>/rulecraft2               the user folder (options, hints)
//   <base>/rulecraft2/savegames     the save-game folder
//   <base>/rulecraft2/web, mods, mods/data/...   downloads and mod files
// Process-wide; created once at start-up before "data/data.ini" is read.
// The folder strings are read-only afterwards.
class UserFolders {
public:
    static UserFolders& Get();

    // Chooses the base folder instead of the documents folder (tests, the
    // headless runner's --user DIR). Takes effect at the next Create().
    void SetBaseFolder(const std::string& folder);
    const std::string& BaseFolder() const { return mBaseFolder; }

    // Creates every folder of the tree that is missing, in order. The base is
    // the documents folder unless one was set. A folder that cannot be created
    // is a fatal error naming it and the system's reason.
    void Create();
    bool IsCreated() const { return mCreated; }

    const std::string& UserFolder() const { return mUserFolder; }          // "<base>/rulecraft2"
    const std::string& SaveGameFolder() const { return mSaveGameFolder; }  // "<base>/rulecraft2/savegames"
    // "<user folder>/mods/<relative>", e.g. ModPath("data/missions/*.txt").
    std::string ModPath(const std::string& relative) const;
    // "<user folder>/web": the update check's downloads, laid out like the mods folder.
    std::string WebFolder() const { return ModRootsOf(mUserFolder).back(); }
    // The folders whose "data/..." trees add to the game's data, in load order:
    // the player's mods, then the downloads. Empty before Create().
    std::vector<std::string> ModRoots() const;
    static std::vector<std::string> ModRootsOf(const std::string& userFolder);

    // The tree for a base folder, parents before children.
    static std::vector<std::string> FolderTree(const std::string& base);

    // The documents folder: $XDG_DOCUMENTS_DIR, else XDG_DOCUMENTS_DIR in
    // user-dirs.dirs ($XDG_CONFIG_HOME or ~/.config), else ~/Documents, each
    // only when the folder exists; else the home folder. No home folder at all
    // is the fatal error "Failed to get mydocuments".
    static std::string FindDocumentsFolder();
    // The choice itself, given the home folder, the environment value and the
    // text of user-dirs.dirs (either may be empty).
    static std::string ChooseDocumentsFolder(const std::string& home, const std::string& xdgDocumentsDir,
                                             const std::string& userDirsText);

private:
    std::string mBaseFolder;
    std::string mUserFolder;
    std::string mSaveGameFolder;
    bool mCreated = false;
};
