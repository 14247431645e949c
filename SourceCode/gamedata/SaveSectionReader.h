#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/SaveFileTree.h"

// What is wrong with a save file, and on which line.
struct SaveError {
    int line = 0;
    std::string what;
};

// Reads the children of one container of a save file in order, each of the
// expected tag and kind; anything else throws a SaveError naming the line.
class SaveSectionReader {
public:
    SaveSectionReader(const SaveFileTree& tree, int container);

    const SaveFileTree& Tree() const { return mTree; }
    bool AtEnd() const { return mNext == SaveFileTree::kNone; }
    bool NextIs(std::string_view tag) const;
    // The line of the next child, or of the container's start at its end.
    int Line() const;

    // The next child must be a container with that tag: its node.
    int Container(std::string_view tag);
    // Texts are unescaped.
    std::string Text(std::string_view tag);
    long long Int(std::string_view tag, long long low, long long high);
    bool Flag(std::string_view tag) { return Int(tag, 0, 1) != 0; }
    // Finite only.
    float Real(std::string_view tag);
    // Comma-terminated finite entries; count 0 takes any number.
    std::vector<float> List(std::string_view tag, size_t count);
    // No children may be left.
    void End() const;

    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] static void FailAt(int line, const std::string& what);

    static bool ParseReal(std::string_view text, float& value);
    static bool ParseInt(std::string_view text, long long& value);

private:
    const SaveFileTree::Node& Take(std::string_view tag, bool value);

    const SaveFileTree& mTree;
    int mContainer;
    int mNext;
};
