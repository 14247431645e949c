#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A save file parsed whole into a tree before anything of it is used: the
// "<xml>" frame, containers and value lines, with the line of each. Tags and
// texts point into the file text. A section asked to be kept raw is one node
// whose text is all the lines inside it: its own reader goes through them,
// as millions of lines would make a tree too slow and large.
class SaveFileTree {
public:
    static constexpr int kNone = -1;

    struct Node {
        std::string_view tag;
        std::string_view text;  // still escaped; empty for containers
        int line = 0;
        bool isValue = false;
        bool isRaw = false;  // text: the lines between its tags
        int firstChild = kNone;
        int nextSibling = kNone;
    };

    // A section of the root with that tag is kept raw.
    void KeepRaw(std::string_view tag) { mRaw.emplace_back(tag); }

    // False with "line N: what" in error when the text is no save file.
    // Parse keeps a copy of the text; ParseView needs it to outlive the tree.
    bool Parse(std::string text, std::string& error);
    bool ParseView(std::string_view text, std::string& error);

    // The "<xml>" container.
    int Root() const { return 0; }
    const Node& At(int index) const { return mNodes[static_cast<size_t>(index)]; }
    size_t NodeCount() const { return mNodes.size(); }
    // The first child of that container with that tag, or kNone.
    int FindChild(int parent, std::string_view tag) const;

private:
    bool IsRaw(std::string_view tag) const;

    std::string mOwned;
    std::vector<std::string> mRaw;
    std::vector<Node> mNodes;
};
