#include "engine/FormattedText.h"

#include <algorithm>

#include "engine/FontManager.h"
#include "platform/NumberText.h"

namespace {

std::string Trim(const std::string& text)
{
    const char* space = " \t\r\n";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// "r,g,b,a" -> ARGB. Missing parts are 0 (alpha: opaque); each part is kept
// within a byte so one cannot spill into its neighbour.
uint32_t ParseColour(const std::string& value)
{
    int parts[4] = {0, 0, 0, 255};
    size_t start = 0;
    for (int i = 0; i < 4 && start <= value.size(); ++i) {
        const size_t comma = value.find(',', start);
        const std::string part = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!Trim(part).empty())
            parts[i] = std::clamp(NumberText::ParseInt(part), 0, 255);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return (static_cast<uint32_t>(parts[3]) << 24) | (static_cast<uint32_t>(parts[0]) << 16) |
           (static_cast<uint32_t>(parts[1]) << 8) | static_cast<uint32_t>(parts[2]);
}

}  // namespace

void FormattedText::Parse(const std::string& markup)
{
    mSegments.clear();
    mColour = 0xFFFFFFFF;
    mFontName = "arial16.dds";
    mSize = 16.0f;
    mWrapWidth = 1280.0f;
    mText.clear();
    mTag.clear();
    mInTag = false;

    for (char c : markup) {
        if (mInTag) {
            if (c == '>') {
                mInTag = false;
                ProcessTag();
                mTag.clear();
            } else {
                mTag += c;
            }
        } else if (c == '<') {
            if (!mText.empty())
                CloseSegment();
            mInTag = true;
        } else if (c == '\n') {
            CloseSegment();
        } else {
            mText += c;
        }
    }
    if (!mText.empty())
        CloseSegment();
}

void FormattedText::CloseSegment()
{
    mSegments.push_back(Segment{mText, mFontName, mSize, mColour, mWrapWidth});
    mText.clear();
}

void FormattedText::ProcessTag()
{
    const size_t equals = mTag.find('=');
    if (equals != std::string::npos) {
        const std::string keyword = Trim(mTag.substr(0, equals));
        const std::string value = Trim(mTag.substr(equals + 1));
        if (!keyword.empty()) {
            if (mTag.find("FONTNAME") != std::string::npos)
                mFontName = value;
            else if (mTag.find("COLOR") != std::string::npos)
                mColour = ParseColour(value);
            else if (mTag.find("SIZE") != std::string::npos)
                mSize = NumberText::ParseFloat(value);
            else if (mTag.find("WRAP") != std::string::npos)
                mWrapWidth = NumberText::ParseFloat(value);
        }
        return;
    }
    if (mTag == "BR") {
        mSegments.push_back(Segment{"<BR>", mFontName, mSize, mColour, 0.0f});
        mText.clear();
    }
}

void FormattedText::Draw(float x, float y)
{
    FontManager& fonts = GetFontManager();
    for (const Segment& segment : mSegments) {
        if (segment.text == "<BR>") {
            y += segment.size;
            continue;
        }
        fonts.SelectFont(segment.fontName, segment.size);
        y = fonts.DrawWrapped(segment.text, x, y, segment.wrapWidth, segment.colour);
    }
}
