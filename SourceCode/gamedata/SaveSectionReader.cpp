#include "gamedata/SaveSectionReader.h"

#include <charconv>
#include <cmath>

#include "gamedata/SaveFileWriter.h"

SaveSectionReader::SaveSectionReader(const SaveFileTree& tree, int container)
    : mTree(tree), mContainer(container), mNext(tree.At(container).firstChild)
{
}

bool SaveSectionReader::NextIs(std::string_view tag) const { return !AtEnd() && mTree.At(mNext).tag == tag; }

int SaveSectionReader::Line() const { return AtEnd() ? mTree.At(mContainer).line : mTree.At(mNext).line; }

void SaveSectionReader::Fail(const std::string& what) const { FailAt(Line(), what); }

void SaveSectionReader::FailAt(int line, const std::string& what) { throw SaveError{line, what}; }

const SaveFileTree::Node& SaveSectionReader::Take(std::string_view tag, bool value)
{
    const std::string kind = value ? "value <" : "section <";
    if (AtEnd())
        Fail("<" + std::string(mTree.At(mContainer).tag) + "> ends where " + kind + std::string(tag) +
             "> was expected");
    const SaveFileTree::Node& node = mTree.At(mNext);
    if (node.tag != tag || node.isValue != value)
        Fail(kind + std::string(tag) + "> expected, found <" + std::string(node.tag) + ">");
    mNext = node.nextSibling;
    return node;
}

int SaveSectionReader::Container(std::string_view tag)
{
    int index = mNext;
    Take(tag, false);
    return index;
}

std::string SaveSectionReader::Text(std::string_view tag)
{
    const SaveFileTree::Node& node = Take(tag, true);
    std::string out;
    if (!SaveFileWriter::Unescape(node.text, out))
        FailAt(node.line, "bad '&' entity in <" + std::string(tag) + ">");
    return out;
}

bool SaveSectionReader::ParseInt(std::string_view text, long long& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    auto result = std::from_chars(begin, end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool SaveSectionReader::ParseReal(std::string_view text, float& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    auto result = std::from_chars(begin, end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

long long SaveSectionReader::Int(std::string_view tag, long long low, long long high)
{
    const SaveFileTree::Node& node = Take(tag, true);
    long long value = 0;
    if (!ParseInt(node.text, value))
        FailAt(node.line, "<" + std::string(tag) + "> is not a whole number");
    if (value < low || value > high)
        FailAt(node.line, "<" + std::string(tag) + "> " + std::to_string(value) + " is outside " +
                              std::to_string(low) + ".." + std::to_string(high));
    return value;
}

float SaveSectionReader::Real(std::string_view tag)
{
    const SaveFileTree::Node& node = Take(tag, true);
    float value = 0.0f;
    if (!ParseReal(node.text, value))
        FailAt(node.line, "<" + std::string(tag) + "> is not a finite number");
    return value;
}

std::vector<float> SaveSectionReader::List(std::string_view tag, size_t count)
{
    const SaveFileTree::Node& node = Take(tag, true);
    std::vector<float> values;
    std::string_view text = node.text;
    while (!text.empty()) {
        size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            FailAt(node.line, "<" + std::string(tag) + "> does not end with a comma");
        float value = 0.0f;
        if (!ParseReal(text.substr(0, comma), value))
            FailAt(node.line, "<" + std::string(tag) + "> entry " + std::to_string(values.size() + 1) +
                                  " is not a finite number");
        values.push_back(value);
        text.remove_prefix(comma + 1);
    }
    if (count != 0 && values.size() != count)
        FailAt(node.line, "<" + std::string(tag) + "> has " + std::to_string(values.size()) + " entries, not " +
                              std::to_string(count));
    return values;
}

void SaveSectionReader::End() const
{
    if (!AtEnd())
        Fail("unexpected <" + std::string(mTree.At(mNext).tag) + "> in <" + std::string(mTree.At(mContainer).tag) +
             ">");
}
