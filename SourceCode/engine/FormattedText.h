#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Rich text from a small markup: tags in angle brackets change the font, colour,
// size and wrap width of the text that follows, "<BR>" adds an empty line, and
// every line feed or tag starts a new segment on a new line.
//
//   <FONTNAME=verdana12.dds><COLOR=255,0,0,255><SIZE=12><WRAP=400>Some text<BR>More
class FormattedText {
public:
    struct Segment {
        std::string text;  // "<BR>" for a line break
        std::string fontName;
        float size = 16.0f;
        uint32_t colour = 0xFFFFFFFF;
        float wrapWidth = 1280.0f;
    };

    virtual ~FormattedText() = default;

    void Parse(const std::string& markup);
    void Draw(float x, float y);
    const std::vector<Segment>& Segments() const { return mSegments; }

private:
    void CloseSegment();
    void ProcessTag();

    std::vector<Segment> mSegments;
    std::string mFontName;
    std::string mText;
    uint32_t mColour = 0xFFFFFFFF;
    float mSize = 16.0f;
    float mWrapWidth = 1280.0f;
    bool mInTag = false;
    std::string mTag;
};
