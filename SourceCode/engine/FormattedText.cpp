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
    segments_.clear();
    colour_ = 0xFFFFFFFF;
    fontName_ = "arial16.dds";
    size_ = 16.0f;
    wrapWidth_ = 1280.0f;
    text_.clear();
    tag_.clear();
    inTag_ = false;

    for (char c : markup) {
        if (inTag_) {
            if (c == '>') {
                inTag_ = false;
                ProcessTag();
                tag_.clear();
            } else {
                tag_ += c;
            }
        } else if (c == '<') {
            if (!text_.empty())
                CloseSegment();
            inTag_ = true;
        } else if (c == '\n') {
            CloseSegment();
        } else {
            text_ += c;
        }
    }
    if (!text_.empty())
        CloseSegment();
}

void FormattedText::CloseSegment()
{
    segments_.push_back(Segment{text_, fontName_, size_, colour_, wrapWidth_});
    text_.clear();
}

void FormattedText::ProcessTag()
{
    const size_t equals = tag_.find('=');
    if (equals != std::string::npos) {
        const std::string keyword = Trim(tag_.substr(0, equals));
        const std::string value = Trim(tag_.substr(equals + 1));
        if (!keyword.empty()) {
            if (tag_.find("FONTNAME") != std::string::npos)
                fontName_ = value;
            else if (tag_.find("COLOR") != std::string::npos)
                colour_ = ParseColour(value);
            else if (tag_.find("SIZE") != std::string::npos)
                size_ = NumberText::ParseFloat(value);
            else if (tag_.find("WRAP") != std::string::npos)
                wrapWidth_ = NumberText::ParseFloat(value);
        }
        return;
    }
    if (tag_ == "BR") {
        segments_.push_back(Segment{"<BR>", fontName_, size_, colour_, 0.0f});
        text_.clear();
    }
}

void FormattedText::Draw(float x, float y)
{
    FontManager& fonts = GetFontManager();
    for (const Segment& segment : segments_) {
        if (segment.text == "<BR>") {
            y += segment.size;
            continue;
        }
        fonts.SelectFont(segment.fontName, segment.size);
        y = fonts.DrawWrapped(segment.text, x, y, segment.wrapWidth, segment.colour);
    }
}
