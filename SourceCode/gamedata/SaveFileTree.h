#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A save file parsed whole into a tree before anything of it is used: the
// "<xml>" frame, containers and value lines, with the line of each. Tags and
// texts point into the file text the tree keeps.
class SaveFileTree {
public:
    static constexpr int kNone = -1;

    struct Node {
        std::string_view tag;
        std::string_view text;  // still escaped; empty for containers
        int line = 0;
        bool isValue = false;
        int firstChild = kNone;
        int nextSibling = kNone;
    };

    // False with "line N: what" in error when the text is no save file.
    bool Parse(std::string text, std::string& error);

    // The "<xml>" container.
    int Root() const { return 0; }
    const Node& At(int index) const { return mNodes[static_cast<size_t>(index)]; }
    size_t NodeCount() const { return mNodes.size(); }
    // The first child of that container with that tag, or kNone.
    int FindChild(int parent, std::string_view tag) const;

private:
    std::string mText;
    std::vector<Node> mNodes;
};
