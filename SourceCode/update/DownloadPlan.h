#pragma once
#include <string>
#include <vector>

#include "update/UpdateManifest.h"

// What an update list means for this player: for each listed file, whether
// the copy the game reads now (the downloaded one, else the one shipped in
// the program folder) already has the listed content.
class DownloadPlan {
public:
    enum class State { UpToDate, New, Changed };

    struct Item {
        UpdateManifest::Entry entry;
        State state = State::New;
        bool accepted = false;  // the player wants it; new and changed files start accepted
        // After a download: installed, or failed with the reason (the file is discarded).
        enum class Result { None, Installed, Failed } result = Result::None;
        std::string error;
    };

    // Hashes the current copies, so it reads files: run it off the frame loop.
    static DownloadPlan Make(const UpdateManifest& manifest, const std::string& webRoot,
                             const std::string& programRoot);

    std::vector<Item>& Items() { return mItems; }
    const std::vector<Item>& Items() const { return mItems; }
    int CountToFetch() const;

private:
    std::vector<Item> mItems;
};
