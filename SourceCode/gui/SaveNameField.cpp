#include "gui/SaveNameField.h"

#include "gamedata/SaveGameName.h"

bool SaveNameField::Accepts(char c) const
{
    if (c == 0 || mText.size() >= SaveGameName::kMaxLength)
        return false;
    // The naming rules judge the character alone; dots are fine while more may follow.
    const std::string alone(1, c);
    return c == '.' || SaveGameName::Problem(alone).empty();
}

bool SaveNameField::Type(char c)
{
    if (!Accepts(c))
        return false;
    mText += c;
    return true;
}

bool SaveNameField::Backspace()
{
    if (mText.empty())
        return false;
    mText.pop_back();
    return true;
}

std::string SaveNameField::Problem() const { return SaveGameName::Problem(mText); }
