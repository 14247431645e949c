#pragma once
#include <string>

// The name typed on the save screen. It refuses what a save name can never
// hold (a slash, a control character, more than the longest name), so the
// player sees the key do nothing; what only the whole name decides (empty,
// dots only) is told when the player saves.
class SaveNameField {
public:
    explicit SaveNameField(std::string text = "") : mText(std::move(text)) {}

    const std::string& Text() const { return mText; }
    void SetText(std::string text) { mText = std::move(text); }

    // Whether one more character may go on the end.
    bool Accepts(char c) const;
    // Appends the character when accepted; false when refused.
    bool Type(char c);
    // Removes the last character; false when there was none.
    bool Backspace();
    // "" when the name can be saved, else why not, for the player.
    std::string Problem() const;

private:
    std::string mText;
};
