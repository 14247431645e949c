#include "gui/LoadGameList.h"

#include <algorithm>

std::string LoadGameList::ButtonWord(const std::string& name)
{
    std::string word = name;
    std::replace(word.begin(), word.end(), ' ', '_');
    return word;
}

std::vector<LoadGameRow> LoadGameList::Build(const std::vector<SaveListing>& saves)
{
    std::vector<LoadGameRow> rows;
    std::vector<std::string> words;
    for (const SaveListing& save : saves) {
        // "a b" and "a_b" would share a word: the later one gets a number.
        const std::string base = ButtonWord(save.name);
        std::string word = base;
        for (int n = 2; std::find(words.begin(), words.end(), word) != words.end(); ++n)
            word = base + "_" + std::to_string(n);
        words.push_back(word);

        LoadGameRow row;
        row.name = save.name;
        row.stamp = SaveGames::StampText(save.modified);
        row.loadButton = "Load_" + word;
        row.deleteButton = "Delete_" + word;
        row.readable = save.readable;
        rows.push_back(row);
    }
    return rows;
}

int LoadGameList::PageCount(size_t rows, int perPage)
{
    if (perPage <= 0 || rows == 0)
        return 1;
    return static_cast<int>((rows + static_cast<size_t>(perPage) - 1) / static_cast<size_t>(perPage));
}
