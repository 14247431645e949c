#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "gamedata/SaveGames.h"

// One save on the load screen, as shown and clicked.
struct LoadGameRow {
    std::string name;          // the save's own name, handed to the loader
    std::string stamp;         // when it was written
    std::string loadButton;    // "Load_" and the name as one word
    std::string deleteButton;  // "Delete_" and the same word
    bool readable = false;     // an unreadable file is listed but cannot be loaded
};

// The load screen's rows from the save folder's listing, in its order
// (newest first), a page at a time.
class LoadGameList {
public:
    static std::vector<LoadGameRow> Build(const std::vector<SaveListing>& saves);
    // Scripts click by one word: spaces become underscores.
    static std::string ButtonWord(const std::string& name);
    // At least one page, so that an empty list still has a page to say so.
    static int PageCount(size_t rows, int perPage);
};
