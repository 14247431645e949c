#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed afterwards.
class UpdateTestFolder {
public:
    UpdateTestFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "rulecraft-update-XXXXXX").string();
        mPath = ::mkdtemp(pattern.data());
    }
    ~UpdateTestFolder() { std::filesystem::remove_all(mPath); }
    const std::string& Path() const { return mPath; }

    // Every file below the folder, relative to it, links included.
    std::vector<std::string> Files() const
    {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(mPath))
            if (!entry.is_directory() || entry.is_symlink())
                files.push_back(entry.path().lexically_relative(mPath).string());
        return files;
    }

private:
    std::string mPath;
};
