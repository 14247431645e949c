#pragma once
#include <cstddef>

class SaveFileTree;
struct SavedGame;

// Reads a parsed save file into a SavedGame and checks everything that can be
// checked without the game's data: every section and element in its place,
// the counts of histories and lists, every number finite, every enumerated
// value in its range, every name index inside the name pools and every
// cross-reference inside the file. Throws SaveError on the first problem.
class SaveGameParser {
public:
    struct NamePoolSizes {
        size_t male = 0;
        size_t female = 0;
        size_t surnames = 0;
    };

    // Before the tree is parsed: the sections read line by line, not as nodes.
    static void KeepRawSections(SaveFileTree& tree);
    static void Read(const SaveFileTree& tree, const NamePoolSizes& names, SavedGame& game);
};
