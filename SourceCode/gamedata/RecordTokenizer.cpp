#include "gamedata/RecordTokenizer.h"

#include "platform/NumberText.h"

RecordTokenizer::RecordTokenizer(const std::string& line, char separator) { Init(line, separator); }

void RecordTokenizer::Init(const std::string& line, char separator)
{
    mLine = line;
    mPosition = 0;
    mSeparator = separator;
}

std::string RecordTokenizer::NextText()
{
    std::string token;
    bool inQuotes = false;
    while (mPosition < mLine.size()) {
        char c = mLine[mPosition++];
        if (c == '"') {
            inQuotes = !inQuotes;
            if (mKeepQuotes)
                token += c;
        } else if (c == mSeparator && !inQuotes) {
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
