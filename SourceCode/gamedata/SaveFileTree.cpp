#include "gamedata/SaveFileTree.h"

namespace {

bool IsTagName(std::string_view tag)
{
    if (tag.empty())
        return false;
    for (char c : tag)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

std::string LineError(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

// The row that starts at pos, without its line ending; moves pos past it and
// counts the line.
std::string_view NextRow(std::string_view all, size_t& pos, int& line)
{
    size_t end = all.find('\n', pos);
    if (end == std::string_view::npos)
        end = all.size();
    std::string_view row = all.substr(pos, end - pos);
    pos = end + 1;
    ++line;
    if (!row.empty() && row.back() == '\r')
        row.remove_suffix(1);
    return row;
}

}  // namespace

int SaveFileTree::FindChild(int parent, std::string_view tag) const
{
    for (int child = At(parent).firstChild; child != kNone; child = At(child).nextSibling)
        if (At(child).tag == tag)
            return child;
    return kNone;
}

bool SaveFileTree::IsRaw(std::string_view tag) const
{
    for (const std::string& raw : mRaw)
        if (raw == tag)
            return true;
    return false;
}

bool SaveFileTree::Parse(std::string text, std::string& error)
{
    mOwned = std::move(text);
    return ParseView(mOwned, error);
}

bool SaveFileTree::ParseView(std::string_view text, std::string& error)
{
    mNodes.clear();

    // Open containers, innermost last, each with the last child added so far.
    struct Open {
        int node;
        int lastChild;
    };
    std::vector<Open> open;
    bool closedRoot = false;
    std::string_view all(text);
    int line = 0;
    size_t pos = 0;
    while (pos < all.size()) {
        std::string_view row = NextRow(all, pos, line);
        if (closedRoot) {
            if (row.empty())
                continue;
            error = LineError(line, "text after </xml>");
            return false;
        }
        if (row.size() < 3 || row.front() != '<' || row.back() != '>') {
            error = LineError(line, "not a tag line");
            return false;
        }
        if (row[1] == '/') {
            std::string_view tag = row.substr(2, row.size() - 3);
            if (open.empty() || At(open.back().node).tag != tag) {
                error = LineError(line, open.empty() ? "closing tag </" + std::string(tag) + "> with nothing open"
                                                     : "</" + std::string(tag) + "> closes <" +
                                                           std::string(At(open.back().node).tag) + "> of line " +
                                                           std::to_string(At(open.back().node).line));
                return false;
            }
            open.pop_back();
            closedRoot = open.empty();
            continue;
        }
        size_t close = row.find('>');
        Node node;
        node.line = line;
        node.tag = row.substr(1, close - 1);
        if (!IsTagName(node.tag)) {
            error = LineError(line, "bad tag name");
            return false;
        }
        if (close + 1 < row.size()) {
            // A value: "<name>text</name>", the text free of '<'.
            std::string_view rest = row.substr(close + 1);
            size_t lt = rest.find('<');
            if (lt == std::string_view::npos || rest.substr(lt) != "</" + std::string(node.tag) + ">") {
                error = LineError(line, "value <" + std::string(node.tag) + "> not closed on its line");
                return false;
            }
            node.text = rest.substr(0, lt);
            node.isValue = true;
        }
        if (open.empty() && !mNodes.empty()) {
            error = LineError(line, "more than one outer container");
            return false;
        }
        if (mNodes.empty() && (node.tag != "xml" || node.isValue)) {
            error = LineError(line, "the file does not start with <xml>");
            return false;
        }
        if (!node.isValue && open.size() == 1 && IsRaw(node.tag)) {
            // Up to its closing line, unread.
            const std::string closing = "</" + std::string(node.tag) + ">";
            const size_t body = pos;
            bool closed = false;
            while (!closed && pos < all.size()) {
                size_t rowStart = pos;
                std::string_view row = NextRow(all, pos, line);
                if (row == closing) {
                    node.text = all.substr(body, rowStart - body);
                    closed = true;
                }
            }
            if (!closed) {
                error = LineError(line, "the file ends inside <" + std::string(node.tag) + "> of line " +
                                            std::to_string(node.line));
                return false;
            }
            node.isRaw = true;
        }
        int index = static_cast<int>(mNodes.size());
        mNodes.push_back(node);
        if (!open.empty()) {
            Open& parent = open.back();
            if (parent.lastChild == kNone)
                mNodes[static_cast<size_t>(parent.node)].firstChild = index;
            else
                mNodes[static_cast<size_t>(parent.lastChild)].nextSibling = index;
            parent.lastChild = index;
        }
        if (!node.isValue && !node.isRaw)
            open.push_back({index, kNone});
    }
    if (mNodes.empty()) {
        error = LineError(1, "empty file");
        return false;
    }
    if (!open.empty()) {
        error = LineError(line, "the file ends inside <" + std::string(At(open.back().node).tag) + "> of line " +
                                    std::to_string(At(open.back().node).line));
        return false;
    }
    return true;
}
