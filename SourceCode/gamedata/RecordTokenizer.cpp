#include "gamedata/RecordTokenizer.h"

#include "platform/NumberText.h"

RecordTokenizer::RecordTokenizer(const std::string& line, char separator) { Init(line, separator); }

void RecordTokenizer::Init(const std::string& line, char separator)
{
    line_ = line;
    position_ = 0;
    separator_ = separator;
}

std::string RecordTokenizer::NextText()
{
    std::string token;
    bool inQuotes = false;
    while (position_ < line_.size()) {
        char c = line_[position_++];
        if (c == '"') {
            inQuotes = !inQuotes;
            if (keepQuotes_)
                token += c;
        } else if (c == separator_ && !inQuotes) {
            break;
        } else {
            token += c;
        }
    }
    return token;
}

std::string RecordTokenizer::NextTrimmedText()
{
    std::string token = NextText();
    while (!token.empty() && (token.back() == '\n' || token.back() == '\r' || token.back() == ' '))
        token.pop_back();
    return token;
}

int RecordTokenizer::NextInt() { return NumberText::ParseInt(NextTrimmedText()); }

float RecordTokenizer::NextFloat() { return NumberText::ParseFloat(NextTrimmedText()); }
