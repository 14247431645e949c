#pragma once
#include <array>
#include <string>
#include <vector>

#include "sim/Presentation.h"

// The guided game: which parts of the main screen hide, and which one button
// the player must press to go on. Every button asks FilterButtonClick before
// it acts, so while a button is named every other click does nothing.
class PlayGuide {
public:
    static PlayGuide& Get();

    bool IsActive() const { return mActive; }
    // Starting the guided mission is the menu's work; this marks the guide as running.
    void SetActive(bool active) { mActive = active; }

    void SetFlag(Presentation::PlayGuideFlag flag, bool on);
    bool Flag(Presentation::PlayGuideFlag flag) const;

    // "" lets every button through again.
    void SetAllowedButton(const std::string& name) { mAllowedButton = name; }
    void ClearAllowedButton() { mAllowedButton.clear(); }
    const std::string& AllowedButton() const { return mAllowedButton; }

    // False when the click must be swallowed. A press of the allowed button
    // moves the guide on and then does its own work as well.
    bool FilterButtonClick(const std::string& buttonName);

    // The guide's steps, each a command script; Next runs the following one.
    void SetSteps(std::vector<std::string> steps);
    void Next();
    size_t CurrentStep() const { return mStep; }

    // The guide window stops being modal, so the rest of the screen takes clicks.
    void AllowClicks();
    // Back to nothing hidden, nothing filtered.
    void Reset();

    static constexpr const char* kWindowName = "PlayGuideWindow";

private:
    void End();

    bool mActive = false;
    std::array<bool, Presentation::DISABLEICONCONNECTORS + 1> mFlags{};
    std::string mAllowedButton;
    std::vector<std::string> mSteps;
    size_t mStep = 0;
};
